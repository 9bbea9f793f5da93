# What each package carries besides the game: Qt's notices and licence texts, made by notices.py
# from the bill of materials of the Qt it was built against, and the toolchain's runtimes' Debian
# copyright files.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(ZOOMKIN_NOTICES ${CMAKE_CURRENT_LIST_DIR}/notices.py)
# The source and the options this Qt was built from, as its build kept them (tools/lib/qt_source.sh)
set(ZOOMKIN_QT_LEGAL ${QT6_INSTALL_PREFIX}/legal)
if(NOT EXISTS ${ZOOMKIN_QT_LEGAL}/source-package)
    message(FATAL_ERROR "packaging: Qt in ${QT6_INSTALL_PREFIX} kept no legal texts; build it with tools/build-*")
endif()
file(STRINGS ${ZOOMKIN_QT_LEGAL}/source-package ZOOMKIN_QT_SOURCE_PACKAGE)
set(ZOOMKIN_QT_SOURCE_PACKAGE ${ZOOMKIN_QT_SOURCE_PACKAGE} PARENT_SCOPE) # (the tests look for it)
string(REGEX REPLACE "^qt6-base " "" ZOOMKIN_QT_SOURCE_VERSION "${ZOOMKIN_QT_SOURCE_PACKAGE}")
# (the very words configure was given, one to a line, as configure kept them)
file(READ ${ZOOMKIN_QT_LEGAL}/configure-arguments ZOOMKIN_QT_CONFIGURE_ARGUMENTS)

# zoomkin_qt_parts(TARGET OUT [PLUGINS]): the Qt targets that TARGET links, directly or through
# other targets, as CMake records the link; with PLUGINS, the plugins that a static Qt links
# with each of its modules too.
function(zoomkin_qt_parts target out)
    set(todo ${target})
    set(seen)
    while(todo)
        list(POP_FRONT todo current)
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        set(links)
        get_target_property(imported ${current} IMPORTED)
        get_target_property(type ${current} TYPE)
        if(NOT imported AND NOT type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(links ${current} LINK_LIBRARIES)
        endif()
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        if(ARGV2 STREQUAL "PLUGINS" AND current MATCHES "^Qt6::")
            get_target_property(plugins ${current} QT_PLUGINS)
            list(TRANSFORM plugins PREPEND "Qt6::")
            list(APPEND interface ${plugins})
        endif()
        # (names inside generator expressions too: a part linked only on one platform is named)
        string(REGEX MATCHALL "[A-Za-z0-9_]+(::[A-Za-z0-9_]+)?" names "${links};${interface}")
        list(APPEND todo ${names})
    endwhile()
    list(FILTER seen INCLUDE REGEX "^Qt6::")
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# zoomkin_install_notices(TITLE title FROM part... DESTINATION dir [RUNTIMES_VAR var]
#                         [DEBIAN_PACKAGES package...] [SOURCE_FILES file...] [SUMMARY file]): installs NOTICES.txt and
# licences/ in DESTINATION, for the Qt parts FROM names and what they hold; RUNTIMES_VAR names the
# variable in which an earlier install step left the runtime files it installed (Qt's among them);
# SOURCE_FILES are Qt's files the package carries as they are; SUMMARY also writes the game's
# licence followed by a line for each component.
function(zoomkin_install_notices)
    cmake_parse_arguments(ARG "" "TITLE;DESTINATION;RUNTIMES_VAR;SUMMARY" "FROM;DEBIAN_PACKAGES;SOURCE_FILES" ${ARGN})
    set(runtimes)
    if(ARG_RUNTIMES_VAR) # (Qt's own among them are left to the bill of materials)
        set(runtimes "\${${ARG_RUNTIMES_VAR}}")
    endif()
    set(extra) # (each path bracketed: a space in it stays in it)
    foreach(file IN LISTS ARG_SOURCE_FILES)
        string(APPEND extra " --source-file [[${file}]]")
    endforeach()
    if(ARG_SUMMARY)
        string(APPEND extra " --summary [[${PROJECT_SOURCE_DIR}/LICENSE]] [[${ARG_SUMMARY}]]")
    endif()
    install(CODE "
        set(runtimes \"${runtimes}\")
        execute_process(COMMAND [[${Python3_EXECUTABLE}]] [[${ZOOMKIN_NOTICES}]] --qt [[${QT6_INSTALL_PREFIX}]]
            --from ${ARG_FROM} --runtime \${runtimes} --debian-package ${ARG_DEBIAN_PACKAGES} ${extra}
            --title [[${ARG_TITLE}]] --out \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ARG_DESTINATION}\"
            COMMAND_ERROR_IS_FATAL ANY)")
endfunction()
