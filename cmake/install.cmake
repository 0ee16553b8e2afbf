# What `cmake --install` puts in place and what `make package` wraps in a .deb:
# the program, the rig simulator, the desktop entry, the icon, the AppStream
# metainfo and the man pages.
include(GNUInstallDirs)

set(KESTROVA_APP_ID org.kestrova.Kestrova)
set(dist ${CMAKE_SOURCE_DIR}/dist)
set(generated ${CMAKE_BINARY_DIR}/generated/dist)
configure_file(${dist}/${KESTROVA_APP_ID}.metainfo.xml.in ${generated}/${KESTROVA_APP_ID}.metainfo.xml @ONLY)
configure_file(${dist}/man/kestrova.1.in ${generated}/kestrova.1 @ONLY)
configure_file(${dist}/man/kestrova-rigsim.1.in ${generated}/kestrova-rigsim.1 @ONLY)

install(TARGETS kestrova kestrova-rigsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${dist}/${KESTROVA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist}/${KESTROVA_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${generated}/${KESTROVA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated}/kestrova.1 ${generated}/kestrova-rigsim.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrova)
set(CPACK_PACKAGE_VENDOR "The Kestrova developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Program camera moves and play them on a motion-control rig")
set(CPACK_PACKAGE_CONTACT "The Kestrova developers <kestrova@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# The dependencies come from the shared libraries the binaries link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window platform (xcb, wayland) as a plug-in, which no binary links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kestrova drives a camera motion-control rig of up to eight motor axes over a\nserial line: keyframes, Bezier paths and smoothing, a move chart, real-time and\nsingle-frame play-back. Includes kestrova-rigsim, a rig simulator on a\npseudo-terminal.")
include(CPack)
