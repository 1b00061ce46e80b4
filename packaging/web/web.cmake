# The web page: tikara.js and tikara.wasm with Liberation Sans inside (a browser offers the
# program no fonts), beside the page, its loader, manifest, icons and service worker. pack.cmake
# puts them in one folder that a school serves as it is, and zips that folder.
set(fonts /usr/share/fonts/truetype/liberation2)
qt_add_resources(tikara tikarafonts PREFIX /tikara-fonts BASE ${fonts}
  FILES ${fonts}/LiberationSans-Regular.ttf ${fonts}/LiberationSans-Bold.ttf
        ${fonts}/LiberationSans-Italic.ttf ${fonts}/LiberationSans-BoldItalic.ttf)

find_program(ZOPFLI_PROGRAM zopfli REQUIRED)
set(web_folder ${CMAKE_BINARY_DIR}/tikara-${PROJECT_VERSION}-web)
set(web_zip ${web_folder}.zip)
file(GLOB page_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.in ${CMAKE_CURRENT_LIST_DIR}/*.js)
add_custom_command(OUTPUT ${web_zip}
  COMMAND ${CMAKE_COMMAND} -DBIN=${CMAKE_BINARY_DIR} -DFOLDER=${web_folder} -DZIP=${web_zip}
          -DICON_TOOL=${TIKARA_ICON_TOOL} -DZOPFLI=${ZOPFLI_PROGRAM} -DVERSION=${PROJECT_VERSION}
          -P ${CMAKE_CURRENT_LIST_DIR}/pack.cmake
  DEPENDS tikara ${page_files} ${CMAKE_CURRENT_LIST_DIR}/pack.cmake ${TIKARA_ICON_TOOL}
          ${CMAKE_CURRENT_LIST_DIR}/../licences.cmake
  VERBATIM)
add_custom_target(tikara_web ALL DEPENDS ${web_zip})
