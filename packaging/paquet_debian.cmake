# The Debian package: its library dependencies are read from the installed programs by
# dpkg-shlibdeps; the fonts the window is designed for are added by hand, since no binary links them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME optolink)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Équipe optolink")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "communication entre deux ordinateurs par un faisceau laser")
set(CPACK_PACKAGE_DESCRIPTION "Pour les travaux pratiques de sciences physiques : deux ordinateurs échangent \
de courts messages par la lumière, en morse ou en binaire, lents ou rapides. Le laser est commandé par \
une interface d'acquisition reliée au port série, la photodiode du récepteur est lue par une seconde \
interface.

Le paquet contient aussi le banc simulé optolink-bench, qui remplace le matériel, et optolink-decode, \
qui décode les enregistrements *.rrr.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The French texts of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
