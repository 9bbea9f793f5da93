# The game on Windows is one folder: the program, with Qt's DLLs (Qt stays in DLLs, as its licence
# asks), its Windows platform plugin and native style, and MinGW's C++ runtime beside it. `cpack`
# in the build folder zips that folder and makes an installer (NSIS) from the same install rules.

# Its plugins, from Qt's own plugin folder: Debian 13's Qt makes no CMake targets of them.
set(_plugins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
# Windows' native look: Qt 6.4's Vista style, which Qt 6.7 and later carry in their modern one
file(GLOB _styles ${_plugins}/styles/*.dll)
if(NOT _styles)
    message(FATAL_ERROR "packaging: Qt in ${QT6_INSTALL_PREFIX} has no Windows style plugin")
endif()
install(FILES ${_plugins}/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${_styles} DESTINATION styles)

# The DLLs that the program and its plugins import (runtime_dlls.cmake): Qt's from where Qt for
# Windows was built, MinGW's runtime from where the compiler keeps it and Debian's MinGW files.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE _libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(_mingw_runtime "${_libstdcxx}" DIRECTORY)
find_path(ZOOMKIN_WINDOWS_OWN_DLLS kernel32.dll REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
          PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/wine/x86_64-windows)
install(CODE "
    set(PROGRAM [[$<TARGET_FILE:zoomkin>]])
    set(PLUGINS [[${_plugins}/platforms/qwindows.dll;${_styles}]])
    set(SEARCH [[${QT6_INSTALL_PREFIX}/bin;${_mingw_runtime};/usr/x86_64-w64-mingw32/lib]])
    set(LINKS [[${CMAKE_CURRENT_BINARY_DIR}/dll-names]])
    set(WINDOWS_OWN [[${ZOOMKIN_WINDOWS_OWN_DLLS}]])
    set(OBJDUMP [[${CMAKE_OBJDUMP}]])
    set(STRIP [[${CMAKE_STRIP}]])
    include([[${CMAKE_CURRENT_LIST_DIR}/runtime_dlls.cmake]])")
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
# the licence of the face the program carries (its resources hold Liberation Sans)
install(FILES ${ZOOMKIN_GAME_FACE_LICENCE} DESTINATION . RENAME LICENSE-LiberationSans.txt)

# What else the folder holds, and under which licences: Qt's parts that the game links and the
# plugins beside it, with all that Qt's bill of materials says they hold, and MinGW's runtime;
# the installer's licence page shows the game's licence and names them (written by the same step).
include(${CMAKE_CURRENT_LIST_DIR}/../legal/legal.cmake)
zoomkin_qt_parts(zoomkin _qt_parts)
set(_plugin_files)
foreach(plugin IN LISTS _styles ITEMS ${_plugins}/platforms/qwindows.dll)
    get_filename_component(name "${plugin}" NAME)
    list(APPEND _plugin_files ${name})
endforeach()
set(_licence_page ${CMAKE_CURRENT_BINARY_DIR}/installer-licence.txt)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${_licence_page} COPYONLY) # until the first install
set(ZOOMKIN_NOTICES_FROM ${_qt_parts} ${_plugin_files} PARENT_SCOPE) # for the tests
zoomkin_install_notices(TITLE "Zoomkin Race! ${PROJECT_VERSION} for Windows: what it holds"
    FROM ${_qt_parts} ${_plugin_files} DESTINATION . RUNTIMES_VAR ZOOMKIN_IMPORTED_DLLS SUMMARY ${_licence_page})
# Qt under the LGPL: that it is used, how a player replaces it, and which source was built how
configure_file(${CMAKE_CURRENT_LIST_DIR}/README-Qt.txt.in README-Qt.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README-Qt.txt DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_STRIP_FILES ON) # the program without the symbols a debugger would want
set(CPACK_PACKAGE_FILE_NAME "ZoomkinRace-${PROJECT_VERSION}-win64")
set(ZOOMKIN_WINDOWS_PACKAGE ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME} PARENT_SCOPE) # for the tests
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Zoomkin Race") # in Program Files
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Zoomkin Race")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "Zoomkin Race!")
set(CPACK_NSIS_PACKAGE_NAME "Zoomkin Race!")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/assets/zoomkin-race.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/assets/zoomkin-race.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "${ZOOMKIN_APP_TITLE}.exe")
set(CPACK_RESOURCE_FILE_LICENSE "${_licence_page}")
# The Start menu's entry: the program, in the installation's top folder
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_PACKAGE_EXECUTABLES "${ZOOMKIN_APP_TITLE};Zoomkin Race!")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The uninstaller removes the installation's key and, left empty, its developers' key above it
set(_key "Software\\${CPACK_PACKAGE_VENDOR}")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "DeleteRegKey SHCTX \"${_key}\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\"
  DeleteRegKey /ifempty SHCTX \"${_key}\"")
# A 64-bit installer for a 64-bit game: it sees the registry and Program Files that the game's
# Windows sees, not their 32-bit mirrors (and it runs on a Wine without 32-bit support)
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
