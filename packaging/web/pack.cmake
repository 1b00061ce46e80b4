# Packs the web page into FOLDER and FOLDER into ZIP:
#   cmake -DBIN=build-web -DFOLDER=... -DZIP=... -DICON_TOOL=... -DZOPFLI=... -DVERSION=2.1 -P pack.cmake
# The program is also stored gzip-compressed, which the loader unpacks in the browser; every
# file the page asks for carries a version made from the files' contents, so a new version
# replaces the old one in the browser's cache.
set(page ${CMAKE_CURRENT_LIST_DIR})
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
file(COPY ${BIN}/tikara.js ${BIN}/tikara.wasm ${page}/tikara-start.js DESTINATION ${FOLDER})
foreach(size IN ITEMS 32 180 192 512)
  execute_process(COMMAND ${ICON_TOOL} ${FOLDER}/tikara-${size}.png ${size} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
include(${page}/../licences.cmake)
tikara_licences(${FOLDER}/licenties)

set(contents "")
foreach(file IN ITEMS tikara.js tikara.wasm tikara-start.js)
  file(SHA256 ${FOLDER}/${file} sum)
  string(APPEND contents ${sum})
endforeach()
foreach(file IN ITEMS index.html.in service-worker.js.in manifest.webmanifest.in)
  file(SHA256 ${page}/${file} sum)
  string(APPEND contents ${sum})
endforeach()
string(SHA256 TIKARA_WEB_VERSION "${contents}")
string(SUBSTRING ${TIKARA_WEB_VERSION} 0 12 TIKARA_WEB_VERSION)
configure_file(${page}/LEES-MIJ.txt.in ${FOLDER}/LEES-MIJ.txt @ONLY NEWLINE_STYLE CRLF)
foreach(file IN ITEMS index.html service-worker.js manifest.webmanifest)
  configure_file(${page}/${file}.in ${FOLDER}/${file} @ONLY)
endforeach()

# Zopfli writes ordinary gzip, about 4 % smaller than gzip -9.
foreach(file IN ITEMS tikara.js tikara.wasm)
  execute_process(COMMAND ${ZOPFLI} --i5 ${FOLDER}/${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

get_filename_component(parent ${FOLDER} DIRECTORY)
get_filename_component(name ${FOLDER} NAME)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${name}
                WORKING_DIRECTORY ${parent} COMMAND_ERROR_IS_FATAL ANY)
