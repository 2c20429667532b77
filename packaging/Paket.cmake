# The Debian package: `cpack -G DEB` in a Release build directory (scripts/paket.sh).
# Its library dependencies come from dpkg-shlibdeps; the Qt platform plugins are a
# separate Debian package the window cannot start without.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rinolux)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Rinolux")
set(CPACK_PACKAGE_CONTACT "${RINOLUX_PAKET_BETREUER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${RINOLUX_PAKET_BETREUER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viele Dateien und Verzeichnisse auf einmal umbenennen und bearbeiten")
# CPack puts the summary in front as the first line.
set(CPACK_PACKAGE_DESCRIPTION "Rinolux ändert Namen, Formate, Attribute und Zeiten vieler Dateien und
Verzeichnisse nach zusammengesetzten Regeln. Eine Vorschau zeigt jede
Änderung, bevor etwas auf der Festplatte geschieht; jede Durchführung
lässt sich später rückgängig machen. Außerdem legt es Dateien und
Verzeichnisse in Serien an, teilt und fügt Dateien zusammen, löscht,
kopiert und verschiebt.
.
rinolux-regel zeigt die Vorschau einer Regel ohne Fenster und führt sie
auf Wunsch aus, für Skripte.")
include(CPack)
