# The Windows program: one tikara.exe with Qt linked in statically, its clock icon and version
# information as resources, packed with a short Dutch read-me into a zip that a school unpacks.
set(tikara_ico ${CMAKE_CURRENT_BINARY_DIR}/tikara.ico)
add_custom_command(OUTPUT ${tikara_ico} COMMAND ${TIKARA_ICON_TOOL} ${tikara_ico}
                   DEPENDS ${TIKARA_ICON_TOOL} VERBATIM)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tikara.rc.in tikara.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/tikara.rc PROPERTIES OBJECT_DEPENDS ${tikara_ico})
target_sources(tikara PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/tikara.rc ${tikara_ico})

configure_file(${CMAKE_CURRENT_LIST_DIR}/LEES-MIJ.txt.in LEES-MIJ.txt @ONLY NEWLINE_STYLE CRLF)
install(TARGETS tikara RUNTIME DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LEES-MIJ.txt DESTINATION .)
include(${CMAKE_CURRENT_LIST_DIR}/../licences.cmake)
tikara_licences(${CMAKE_CURRENT_BINARY_DIR}/licenties)
install(DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/licenties DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tikara)
set(CPACK_PACKAGE_FILE_NAME tikara-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
