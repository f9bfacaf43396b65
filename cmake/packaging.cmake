# Desktop integration and the Debian package. Included last by the top-level CMakeLists.txt, after
# every target exists. The executables install themselves (app/ and cli/).
include(GNUInstallDirs)

if(TARGET bolmiradex AND UNIX AND NOT APPLE)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/bolmiradex.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/app.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME bolmiradex.svg)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bolmiradex)
set(CPACK_PACKAGE_VENDOR Drevanto)
set(CPACK_PACKAGE_CONTACT "Drevanto <info@drevanto.co.th>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Concrete mix design calculator for Thai builders")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Proportions ordinary structural concrete from the strength wanted, the slump, the largest "
    "stone, the admixture and the moisture of the sand: the mix for one cubic metre, rounded to "
    "site measures and corrected for moisture, and the batch for one 50 kg bag of cement, with "
    "every step shown and a printed report. Thai user interface. Also installs the mixdesign "
    "command-line tool.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SITE_BASE_ADDRESS})
# Declared by hand for Debian 12 rather than worked out by dpkg-shlibdeps, so that the list also
# names what no binary links: the SVG plugins that draw the artwork and icons (libqt6svg6), the X11
# platform plugin (libqt6gui6) and the Thai fonts the windows are laid out for.
string(CONCAT CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), "
    "libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4), fonts-thai-tlwg, fonts-noto-ui-core")
# Opening the web links goes through xdg-open where no desktop portal is running.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
