# The Debian package (make package): the installed variants of the two
# programs, the shipped templates, the menu entry, the icon, the AppStream
# metainfo, the manual pages and the files Debian asks of every package.
# The version is the project's; the dependencies are what dpkg-shlibdeps
# finds, plus the run-time data the programs load without linking it.
include(GNUInstallDirs)

set(VED_PACKAGE_ID org.example.vedomost)
# The day this version was released (metainfo, manual pages, changelog).
set(VED_RELEASE_DATE 2026-12-09)
set(VED_RELEASE_DATE_RFC2822 "Wed, 09 Dec 2026 06:00:00 +0000")

find_program(VED_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(VED_GZIP gzip REQUIRED)

set(source ${PROJECT_SOURCE_DIR}/packaging)
set(staged ${PROJECT_BINARY_DIR}/packaging)
set(generated "")

# The icon drawn in PNG at the sizes menus ask for.
foreach(size IN ITEMS 48 128 256)
    set(png ${staged}/icons/${size}x${size}/vedomost.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${staged}/icons/${size}x${size}
        COMMAND ${VED_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${source}/vedomost.svg
        DEPENDS ${source}/vedomost.svg VERBATIM)
    list(APPEND generated ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Texts that carry the version, compressed where Debian wants them so.
configure_file(${source}/${VED_PACKAGE_ID}.metainfo.xml.in
               ${staged}/${VED_PACKAGE_ID}.metainfo.xml @ONLY)
foreach(page IN ITEMS vedomost.1 report3.1 changelog)
    configure_file(${source}/${page}.in ${staged}/${page} @ONLY)
    add_custom_command(OUTPUT ${staged}/${page}.gz
        COMMAND ${VED_GZIP} -9nf -k ${staged}/${page}
        DEPENDS ${staged}/${page} VERBATIM)
    list(APPEND generated ${staged}/${page}.gz)
endforeach()
add_custom_target(ved_package_files ALL DEPENDS ${generated})

install(TARGETS vedomost_installed report3_installed RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VED_SHIPPED_TEMPLATES} DESTINATION ${CMAKE_INSTALL_DATADIR}/vedomost)
install(FILES ${source}/${VED_PACKAGE_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${source}/vedomost.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${staged}/${VED_PACKAGE_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${staged}/vedomost.1.gz ${staged}/report3.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${source}/copyright ${staged}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vedomost)
install(FILES ${source}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME vedomost)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vedomost)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vedomost developers")
set(CPACK_PACKAGE_CONTACT "Vedomost developers <vedomost@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cash-collection dispatch statements for Russian banks")
# The summary is the synopsis; this is the extended description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A desktop program for the Russian bank form 0402300, the cash-collection
dispatch statement (preprovoditelnaya vedomost) that goes with a bag of
cash handed over to a bank. It keeps a list of statements, the reference
books of firms and banks, counts the banknotes and coins, splits the total
over earn sources, and prints the form through its own report engine with
a preview, printing and export to PDF, spreadsheet and CSV. The program is
in Russian.

The package also holds report3, which builds the same reports from a
template or a stored statement without a display.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vedomost.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no linker finds them: Qt's Russian dialogs, its
# display plugins, and the fonts the form is measured and printed with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
# Only what the install rules above name goes in.
set(CPACK_PACKAGE_INSTALL_DIRECTORY vedomost)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
