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

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME "ZoomkinRace-${PROJECT_VERSION}-web")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES OFF) # nothing here a strip tool knows
set(ZOOMKIN_WEB_PACKAGE ${CMAKE_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}.zip PARENT_SCOPE) # for the tests
