# Desktop integration and the Debian package. Included last by the top-level CMakeLists.txt, after
# every target exists. The executables install themselves (app/ and cli/).

set(appId th.co.drevanto.bolmiradex)
set(icon ${PROJECT_SOURCE_DIR}/resources/icons/app.svg)

if(MIXDESIGN_GUI AND UNIX AND NOT APPLE)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/bolmiradex.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME bolmiradex.svg)

    configure_file(${PROJECT_SOURCE_DIR}/packaging/bolmiradex.metainfo.xml.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${appId}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${appId}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # Menus and docks that cannot draw SVG pick one of these.
    find_program(RSVG_CONVERT rsvg-convert)
    if(RSVG_CONVERT)
        set(pngs)
        foreach(size 16 22 24 32 48 64 128 256)
            set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/bolmiradex.png)
            add_custom_command(OUTPUT ${png}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
                COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${icon}
                DEPENDS ${icon} VERBATIM)
            list(APPEND pngs ${png})
            install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
        endforeach()
        add_custom_target(icons ALL DEPENDS ${pngs})
    else()
        message(STATUS "rsvg-convert not found: only the scalable icon is installed")
    endif()
endif()

if(UNIX AND NOT APPLE)
    set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian)
    add_custom_command(OUTPUT ${changelog}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog ${changelog}
        COMMAND gzip -9nf ${changelog}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
    add_custom_target(changelog ALL DEPENDS ${changelog}.gz)
    # Where Debian looks for them: named after the package, whatever the project's docdir.
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog}.gz
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/bolmiradex)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME bolmiradex)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bolmiradex)
set(CPACK_PACKAGE_VENDOR Drevanto)
set(CPACK_PACKAGE_CONTACT "Drevanto <info@drevanto.co.th>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Concrete mix design calculator for Thai builders")
# Wrapped by hand: dpkg shows the extended description's lines as they are.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Proportions ordinary structural concrete from the strength wanted, the slump,\n"
    "the largest stone, the admixture and the moisture of the sand: the mix for one\n"
    "cubic metre, rounded to site measures and corrected for moisture, and the\n"
    "batch for one 50 kg bag of cement, with every step shown and a printed report.\n"
    "The user interface is in Thai.\n"
    "\n"
    "Also installs the mixdesign command, which gives the same design in a\n"
    "terminal, as text or JSON.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SITE_BASE_ADDRESS}/bolmiradex)
# dpkg-shlibdeps names the libraries the binaries link; these are what nothing links: the SVG
# plugins that draw the artwork and icons, the Thai fonts the windows are laid out for, and the
# user-interface font; and libqpdf, which gives the report's PDF its text, so that it is there
# even where the scan of the command's PDF module would miss it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4), libqpdf29 (>= 11.3), fonts-thai-tlwg, fonts-noto-ui-core")
# Opening the web links goes through xdg-open where no desktop portal is running.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
