# What a desktop needs beside the programs (desktop entry, file type, icons, AppStream metainfo,
# manual pages, copyright and changelog), and the Debian package made of it all by CPack:
#   cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
#   cmake --build build-package && cpack --config build-package/CPackConfig.cmake
# (scripts/package does this). The version is the project's.
set(tarvika_desktop ${PROJECT_SOURCE_DIR}/resources/ui/desktop)
set(tarvika_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(tarvika_generated ${PROJECT_BINARY_DIR}/packaging)

# The release date in the changelog's own form.
execute_process(COMMAND date -R -u -d ${TARVIKA_RELEASE_DATE}
                OUTPUT_VARIABLE TARVIKA_RELEASE_DATE_RFC OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${tarvika_desktop}/${TARVIKA_APP_ID}.metainfo.xml.in
               ${tarvika_generated}/${TARVIKA_APP_ID}.metainfo.xml @ONLY)

# Manual pages and the changelog are installed compressed, without a time stamp inside.
set(tarvika_compressed)
foreach(page tarvika.1 tarvika-cli.1 changelog)
    configure_file(${tarvika_packaging}/${page}.in ${tarvika_generated}/${page} @ONLY)
    add_custom_command(OUTPUT ${tarvika_generated}/${page}.gz
        COMMAND gzip -9nf -k ${page}
        DEPENDS ${tarvika_generated}/${page}
        WORKING_DIRECTORY ${tarvika_generated}
        VERBATIM)
    list(APPEND tarvika_compressed ${tarvika_generated}/${page}.gz)
endforeach()
add_custom_target(tarvika_compressed_docs ALL DEPENDS ${tarvika_compressed})

install(FILES ${tarvika_desktop}/${TARVIKA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${tarvika_desktop}/${TARVIKA_APP_ID}.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${tarvika_generated}/${TARVIKA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/ui/tarvika-48.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME ${TARVIKA_APP_ID}.png)
install(FILES ${PROJECT_SOURCE_DIR}/resources/ui/tarvika.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
        RENAME ${TARVIKA_APP_ID}.png)
install(FILES ${tarvika_generated}/tarvika.1.gz ${tarvika_generated}/tarvika-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${tarvika_packaging}/copyright ${tarvika_generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/examples/sample.tv3
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
install(FILES ${tarvika_packaging}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tarvika)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvika)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ООО «Кронверт» <support@kronvert.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Russian personal income-tax declaration 3-NDFL and 4-NDFL for 2013")
set(CPACK_PACKAGE_DESCRIPTION
    "Fills in, checks, saves, prints and exports the personal income-tax
declaration for tax year 2013: forms 3-NDFL of a resident, 3-NDFL of a
non-resident and 4-NDFL. The desktop program keeps the declaration in a .tv3
file, computes every sheet, checks the entries, prints the form and writes the
tax authority's XML file. tarvika-cli does the same on files without a
display.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies come from the libraries the binaries link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Russian texts of Qt's own dialogs (file, print) are loaded when present.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
