# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package (scripts/package): the program in
# bin/, its manual and picture in share/talve (where the window looks for
# them beside an installed program), a menu entry and an icon.
include(GNUInstallDirs)

install(TARGETS talve RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(TALVE_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/talve)
# The manual is built beside the program; a build without it installs the
# rest.
install(FILES "$<TARGET_FILE_DIR:talve>/Korrin_manuel.pdf" DESTINATION ${TALVE_DATA_DESTINATION} OPTIONAL)
install(FILES "${PROJECT_SOURCE_DIR}/src/ui/resources/talve_logo.jpg" DESTINATION ${TALVE_DATA_DESTINATION})
install(FILES "${PROJECT_SOURCE_DIR}/packaging/talve.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/talve.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talve)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Talve")
set(CPACK_PACKAGE_CONTACT "Talve <talve@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compilation de séries de mesures horodatées en un tableau régulier")
set(CPACK_PACKAGE_DESCRIPTION
    "Talve compile les fichiers de mesures horodatées écrits par les stations de terrain,\n"
    "les centrales d'acquisition et les capteurs en un seul tableau au pas de temps régulier.\n"
    "Fenêtre Qt, ou traitement sans fenêtre avec --batch.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # talve_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://talve.example.org/")
# The libraries the program links come from dpkg-shlibdeps; the window also
# needs Qt's X11 platform plugin, which nothing links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The French texts of Qt's own dialogs, the PDF viewer of the desktop for the
# manual, and LibreOffice for the spreadsheet input.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils, libreoffice-calc-nogui | libreoffice-calc")
include(CPack)
