# The game on Windows is one folder: the program, with Qt's DLLs (Qt stays in DLLs, as its licence
# asks), its Windows platform plugin and native style, and MinGW's C++ runtime beside it. `cpack`
# in the build folder zips that folder and makes an installer (NSIS) from the same install rules.

install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
# Its plugins, from Qt's own plugin folder: Debian 13's Qt makes no CMake targets of them.
set(_plugins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
install(FILES ${_plugins}/platforms/qwindows.dll DESTINATION platforms)
# Windows' native look: Qt 6.4's Vista style, which Qt 6.7 and later carry in their modern one
file(GLOB _styles ${_plugins}/styles/*.dll)
if(NOT _styles)
    message(FATAL_ERROR "packaging: Qt in ${QT6_INSTALL_PREFIX} has no Windows style plugin")
endif()
install(FILES ${_styles} DESTINATION styles)
# MinGW's runtime, as the compiler that built the game finds it, without the symbols Debian's
# copies keep for debuggers (they are most of libstdc++'s 23 MB)
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE _dll OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_dll}")
        message(FATAL_ERROR "packaging: ${CMAKE_CXX_COMPILER} knows no ${dll}")
    endif()
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${CMAKE_CURRENT_BINARY_DIR}/${dll} ${_dll}
                    COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${dll} DESTINATION .)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR ZIP NSIS)
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
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
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
