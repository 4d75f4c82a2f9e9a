# Where the program's files go, installed and in the build tree.
#
# Installed (prefix /usr on Debian):
#   bin/tarvika, bin/tarvika-cli
#   lib/<triplet>/tarvika/     the print module
#   share/tarvika/             the directory files and the help pages
# In the build tree the directory files and help pages are laid out in share/tarvika below the
# build folder, and the print module stays where it is built.
include(GNUInstallDirs)

# The desktop's name of the program: its desktop entry, icon and metainfo.
set(TARVIKA_APP_ID example.kronvert.tarvika)

set(TARVIKA_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tarvika)
set(TARVIKA_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/tarvika)
# The programs look for their files relative to their own folder, so the installed tree can move.
file(RELATIVE_PATH TARVIKA_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/tarvika)
file(RELATIVE_PATH TARVIKA_MODULE_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/tarvika)

set(TARVIKA_BUILD_DATADIR ${PROJECT_BINARY_DIR}/share/tarvika)
set(TARVIKA_BUILD_MODULEDIR ${PROJECT_BINARY_DIR}/src/print)

set(TARVIKA_DIRECTORY_FILES
    ${PROJECT_SOURCE_DIR}/data/InspectionNumbers.xml
    ${PROJECT_SOURCE_DIR}/data/Oksm.xml
    ${PROJECT_SOURCE_DIR}/data/Sp_OKVED2.xml
    ${PROJECT_SOURCE_DIR}/data/CurrencyRates.xml)
set(TARVIKA_HELP_FOLDER ${PROJECT_SOURCE_DIR}/resources/ui/help)

# The build tree's copy of the shipped files; the programs depend on it.
add_custom_target(tarvika_program_files
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TARVIKA_BUILD_DATADIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${TARVIKA_DIRECTORY_FILES} ${TARVIKA_BUILD_DATADIR}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${TARVIKA_HELP_FOLDER} ${TARVIKA_BUILD_DATADIR}/help
    COMMENT "Laying out the directory files and help pages in ${TARVIKA_BUILD_DATADIR}"
    VERBATIM)

install(FILES ${TARVIKA_DIRECTORY_FILES} DESTINATION ${TARVIKA_INSTALL_DATADIR})
install(DIRECTORY ${TARVIKA_HELP_FOLDER} DESTINATION ${TARVIKA_INSTALL_DATADIR})
