# Installs the build into a fresh scratch prefix, as a user's `cmake --install` would.
#
# usage: cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> [-DCONFIG=<config>] -P install_prefix.cmake
#   PREFIX must lie inside BUILD_DIR: it is emptied first.

foreach(var IN ITEMS BUILD_DIR PREFIX)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "install_prefix.cmake: ${var} is not set")
    endif()
endforeach()
cmake_path(ABSOLUTE_PATH BUILD_DIR NORMALIZE)
cmake_path(ABSOLUTE_PATH PREFIX NORMALIZE)
cmake_path(IS_PREFIX BUILD_DIR "${PREFIX}" NORMALIZE inside)
if(NOT inside OR PREFIX STREQUAL BUILD_DIR)
    message(FATAL_ERROR "install_prefix.cmake: '${PREFIX}' is not a folder inside '${BUILD_DIR}'")
endif()

file(REMOVE_RECURSE "${PREFIX}")
set(command "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}")
if(CONFIG)
    list(APPEND command --config "${CONFIG}")
endif()
execute_process(COMMAND ${command} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "install_prefix.cmake: `cmake --install` failed (${status})")
endif()
message(STATUS "installed into ${PREFIX}")
