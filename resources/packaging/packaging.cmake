# Installation under a prefix (/usr in the Debian package) and the package
# itself: `cmake --build build --target package` writes build/sorvel_*.deb.
include(GNUInstallDirs)

# The address where the project is published; the AppStream file names its
# screenshots (resources/packaging/screenshots) under it.
set(SORVEL_HOMEPAGE_URL "https://sorvel.github.io" CACHE STRING "Home page of the project")
set(SORVEL_APPSTREAM_ID "io.github.sorvel.Sorvel")
set(SORVEL_RELEASE_DATE "2026-12-08")

set(packaging_dir ${PROJECT_SOURCE_DIR}/resources/packaging)
set(packaging_out ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS sorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The menu entry: the same entry the run command installs for one user, here
# starting the program from the PATH.
file(READ ${PROJECT_SOURCE_DIR}/resources/desktop/sorvel.desktop.in desktop_entry)
string(REPLACE "@SORVEL_EXECUTABLE@" "sorvel" desktop_entry "${desktop_entry}")
file(GENERATE OUTPUT ${packaging_out}/sorvel.desktop CONTENT "${desktop_entry}")
install(FILES ${packaging_out}/sorvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(icons ${PROJECT_SOURCE_DIR}/resources/icons)
install(FILES ${icons}/sorvel-48.png RENAME sorvel.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
install(FILES ${icons}/sorvel-256.png RENAME sorvel.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${icons}/sorvel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The score type with the program's icon; the desktop's triggers rebuild the
# MIME, icon and menu caches when the package is installed.
install(FILES ${packaging_dir}/sorvel-mime.xml RENAME sorvel.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

configure_file(${packaging_dir}/sorvel.metainfo.xml.in
               ${packaging_out}/${SORVEL_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${packaging_out}/${SORVEL_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The help pages, readable without the program (it carries its own copy).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sorvel/help)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvel)
set(CPACK_PACKAGE_VENDOR "Sorvel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "erhu score editor for numbered notation (jianpu)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Sorvel developers")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SORVEL_HOMEPAGE_URL})
set(CPACK_PACKAGE_DESCRIPTION
    "Sorvel writes, prints and plays erhu scores in numbered notation with the
erhu's own marks: bowings, inner and outer string, fingers, slides and
ornaments. Books play through the built-in synthesizer and export to PDF,
images, MIDI and MusicXML.")
# Libraries come from dpkg-shlibdeps; what the program opens by name is
# listed here: the fonts it draws with, the General MIDI SoundFont, and the
# Japanese texts of Qt's standard dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-noto-cjk, fluid-soundfont-gm | sf2-soundfont-gm, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
