# Installing as a desktop program (menu entry, icons, software-centre data) and the .deb made from it.
# The application id names the desktop entry, the icons and the metainfo alike, so desktops can match them.
include(GNUInstallDirs)
set(tikara_app_id nl.tikara.Tikara)
install(TARGETS tikara RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/${tikara_app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${tikara_app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/tikara.svg RENAME ${tikara_app_id}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES assets/tikara-48.png RENAME ${tikara_app_id}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# `cmake --build BUILD --target uninstall` undoes `cmake --install BUILD`.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -P ${CMAKE_CURRENT_LIST_DIR}/uninstall.cmake
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tikara)
set(CPACK_PACKAGE_VENDOR "The Tikara developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Dutch clock-reading tutor for children")
# Debian shows the description as written, so its lines are kept short here.
set(CPACK_PACKAGE_DESCRIPTION "Tikara teaches children to read the clock, in Dutch. A large analog clock
runs on the computer's time above a small digital clock; two exercises turn
one into the other, with levels from whole hours to minutes and seconds, and
an optional timer that ends with a score.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tikara developers <tikara@tikara.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tikara.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window asks for Arial and Times New Roman, which Liberation stands in for; shlibdeps cannot see fonts.
# The scale is set through Qt's private API (app/Schaal.cpp), which holds for the one Qt version
# the program was built with: Debian's Qt says which through qt6-base-abi.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-base-abi (= ${Qt6_VERSION})")
include(CPack)
