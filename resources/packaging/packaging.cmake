# SPDX-License-Identifier: GPL-3.0-or-later
# Installation under a prefix (/usr in the Debian package) and the package
# itself: `cmake --build build --target package` writes build/sorvel_*.deb.
include(GNUInstallDirs)

# The address where the project is published; the AppStream file names its
# screenshots (resources/packaging/screenshots) under it.
set(SORVEL_HOMEPAGE_URL "https://sorvel.github.io" CACHE STRING "Home page of the project")
# Who answers for the package: the Maintainer field and the signature of the
# Debian changelog. Whoever builds a package for others sets their own.
set(SORVEL_MAINTAINER "Sorvel developers <sorvel@users.noreply.github.com>"
    CACHE STRING "Maintainer of the package: Name <address>")
if(NOT SORVEL_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+\\.[^<>@ ]+>$")
  message(FATAL_ERROR "SORVEL_MAINTAINER must read \"Name <address>\", not \"${SORVEL_MAINTAINER}\"")
endif()
set(SORVEL_APPSTREAM_ID "io.github.sorvel.Sorvel")

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

# The AppStream file lists every release of the changelog.
sorvel_appstream_releases(SORVEL_APPSTREAM_RELEASES)
configure_file(${packaging_dir}/sorvel.metainfo.xml.in
               ${packaging_out}/${SORVEL_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${packaging_out}/${SORVEL_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The help pages, readable without the program (it carries its own copy).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sorvel/help)

# What Debian asks of every package: the licences in its machine-readable
# copyright format, and the changelog, compressed without a time stamp.
install(FILES ${PROJECT_SOURCE_DIR}/COPYRIGHT RENAME copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sorvel)
find_program(SORVEL_GZIP gzip REQUIRED)
sorvel_write_debian_changelog(${packaging_out}/changelog sorvel "${SORVEL_MAINTAINER}")
add_custom_command(OUTPUT ${packaging_out}/changelog.gz
  COMMAND ${SORVEL_GZIP} -9nkf ${packaging_out}/changelog
  DEPENDS ${packaging_out}/changelog
  COMMENT "Debian changelog"
  VERBATIM)
add_custom_target(sorvel_debian_changelog ALL DEPENDS ${packaging_out}/changelog.gz)
install(FILES ${packaging_out}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sorvel)

# The manual page in English, and in the other interface languages where
# man looks for them (src/app writes them).
install(FILES ${PROJECT_BINARY_DIR}/sorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(code IN ITEMS ja zh_CN zh_TW)
  install(FILES ${PROJECT_BINARY_DIR}/man/${code}/sorvel.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/${code}/man1)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvel)
set(CPACK_PACKAGE_VENDOR "Sorvel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "erhu score editor for numbered notation (jianpu)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${SORVEL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${SORVEL_MAINTAINER}")
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
