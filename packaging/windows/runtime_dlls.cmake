# Installs the DLLs that the program and its plugins import, as CMake finds them in their import
# tables (with MinGW's objdump), run at install time, and leaves their files' paths in
# ZOOMKIN_IMPORTED_DLLS for the notices' step after it. Set by the install rule: PROGRAM, PLUGINS,
# SEARCH (the folders to find them in), LINKS (a scratch folder), WINDOWS_OWN (Wine's builds of Windows' own DLLs, which are
# left to Windows), OBJDUMP and STRIP. An import found nowhere stops the install.

# Windows matches DLL names without regard to case; CMake looks for them as the import names them
# (3.31) or in lower case (3.25): this machine's files are found under links of both names.
set(links "${LINKS}")
file(REMOVE_RECURSE "${links}")
file(MAKE_DIRECTORY "${links}")
foreach(folder IN LISTS SEARCH)
    file(GLOB found "${folder}/*.dll")
    foreach(dll IN LISTS found)
        get_filename_component(name "${dll}" NAME)
        string(TOLOWER "${name}" lower)
        foreach(link IN ITEMS "${name}" "${lower}")
            if(NOT EXISTS "${links}/${link}") # the first folder's, as SEARCH orders them
                file(CREATE_LINK "${dll}" "${links}/${link}" SYMBOLIC)
            endif()
        endforeach()
    endforeach()
endforeach()

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${OBJDUMP}")
file(GET_RUNTIME_DEPENDENCIES EXECUTABLES "${PROGRAM}" MODULES ${PLUGINS}
    DIRECTORIES "${links}" "${WINDOWS_OWN}"
    PRE_EXCLUDE_REGEXES "^api-ms-win-" "^ext-ms-"
    POST_EXCLUDE_REGEXES "^${WINDOWS_OWN}/"
    RESOLVED_DEPENDENCIES_VAR dlls UNRESOLVED_DEPENDENCIES_VAR missing)
if(missing)
    message(FATAL_ERROR "no DLL found for ${missing}")
endif()
set(ZOOMKIN_IMPORTED_DLLS)
foreach(link IN LISTS dlls)
    file(REAL_PATH "${link}" dll)
    list(APPEND ZOOMKIN_IMPORTED_DLLS "${dll}")
    get_filename_component(name "${dll}" NAME)
    message(STATUS "Installing: ${CMAKE_INSTALL_PREFIX}/${name} (imported)")
    file(COPY "${dll}" DESTINATION "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    execute_process(COMMAND "${STRIP}" --strip-unneeded "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${name}"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
