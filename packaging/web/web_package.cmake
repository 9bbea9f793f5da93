# The game in a browser is one folder of static files, served as they are by any web server: the
# page (index.html, its script and icon), Qt's loader, and the game (zoomkin-race.js and .wasm).
# `cmake --install` puts them under the prefix; `cpack` zips the folder with index.html at the top,
# as a static host or a game site's upload wants it.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/index.html ${CMAKE_CURRENT_LIST_DIR}/zoomkin-page.js DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/64/zoomkin-race.png DESTINATION .)
install(FILES $<TARGET_FILE_DIR:zoomkin>/zoomkin-race.js $<TARGET_FILE_DIR:zoomkin>/zoomkin-race.wasm
              $<TARGET_FILE_DIR:zoomkin>/qtloader.js DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
# the licence of the face the program carries (its resources hold Liberation Sans)
install(FILES ${ZOOMKIN_GAME_FACE_LICENCE} DESTINATION . RENAME LICENSE-LiberationSans.txt)

# Licences and source, in legal/, which the page links to and never loads: the program is
# conveyed under the GPL-3.0 (Qt's WebAssembly platform and loader are), so its texts, the
# notices of all that Qt and Emscripten put in it, the game's source archive and directions to
# the exact Qt source stand beside the page.
include(${CMAKE_CURRENT_LIST_DIR}/../legal/legal.cmake)
zoomkin_qt_parts(zoomkin _qt_parts PLUGINS)
execute_process(COMMAND dpkg-query -W -f=\${Version} emscripten OUTPUT_VARIABLE ZOOMKIN_EMSCRIPTEN_VERSION)
set(ZOOMKIN_NOTICES_FROM ${_qt_parts} PARENT_SCOPE) # for the tests
zoomkin_install_notices(TITLE "Zoomkin Race! ${PROJECT_VERSION} in a browser: what the page holds"
    FROM ${_qt_parts} DEBIAN_PACKAGES emscripten SOURCE_FILES $<TARGET_FILE_DIR:zoomkin>/qtloader.js DESTINATION legal)
set(ZOOMKIN_SOURCE_ARCHIVE zoomkin-race-${PROJECT_VERSION}-source.tar.gz)
string(REPLACE "&" "&amp;" ZOOMKIN_QT_ARGUMENTS_HTML "${ZOOMKIN_QT_CONFIGURE_ARGUMENTS}")
string(REPLACE "<" "&lt;" ZOOMKIN_QT_ARGUMENTS_HTML "${ZOOMKIN_QT_ARGUMENTS_HTML}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/legal.html.in legal/index.html @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/legal/index.html DESTINATION legal)
# The game's source as built: what git archive makes of the work tree's tracked files (of the
# commit, or of a stash-like commit when they have changes); from a tree without git, the tree
install(CODE "
    set(archive \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/legal/${ZOOMKIN_SOURCE_ARCHIVE}\")
    if(EXISTS [[${PROJECT_SOURCE_DIR}/.git]])
        execute_process(COMMAND git -C [[${PROJECT_SOURCE_DIR}]] -c user.name=build -c user.email=build@invalid
            stash create OUTPUT_VARIABLE tree
            OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        if(NOT tree)
            set(tree HEAD)
        endif()
        execute_process(COMMAND git -C [[${PROJECT_SOURCE_DIR}]] archive --format=tar.gz
            --prefix=zoomkin-race-${PROJECT_VERSION}/ -o \"\${archive}\" \${tree} COMMAND_ERROR_IS_FATAL ANY)
    else()
        execute_process(COMMAND tar -czf \"\${archive}\" --exclude=./build* --transform=s,^.,zoomkin-race-${PROJECT_VERSION},
            -C [[${PROJECT_SOURCE_DIR}]] . COMMAND_ERROR_IS_FATAL ANY)
    endif()")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME "ZoomkinRace-${PROJECT_VERSION}-web")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES OFF) # nothing here a strip tool knows
set(ZOOMKIN_WEB_PACKAGE ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip PARENT_SCOPE) # for the tests
