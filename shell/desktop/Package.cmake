# The Debian package (cpack -G DEB), built from a configure with -DCMAKE_INSTALL_PREFIX=/usr so the
# private libraries land in /usr/lib/<multiarch>/nuro. tools/package.sh does it all and runs lintian.
set(NURO_DEB_MAINTAINER "NURO developers <nuro-devel@example.org>" CACHE STRING
    "Maintainer field of the Debian package and its changelog")
set(NURO_DEB_RELEASE 1)
set(NURO_DEB_VERSION ${PROJECT_VERSION}-${NURO_DEB_RELEASE})
# Releases up to 2.0 installed /etc/xdg/autostart/nuro.desktop as a conffile.
set(NURO_RM_CONFFILE_BEFORE ${PROJECT_VERSION}-${NURO_DEB_RELEASE}~)
set(NURO_MULTIARCH ${CMAKE_LIBRARY_ARCHITECTURE})

set(nuro_deb ${CMAKE_CURRENT_BINARY_DIR}/deb)
configure_file(changelog.in ${nuro_deb}/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${nuro_deb}/changelog.Debian.gz
  COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${nuro_deb}/changelog.Debian ${nuro_deb}/changelog.Debian.gz
  DEPENDS ${nuro_deb}/changelog.Debian VERBATIM)
add_custom_target(nuro_deb_changelog ALL DEPENDS ${nuro_deb}/changelog.Debian.gz)
install(FILES ${nuro_deb}/changelog.Debian.gz copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/nuro)

configure_file(maintscript.in ${nuro_deb}/maintscript @ONLY)
foreach(script preinst postinst postrm)
  file(COPY_FILE ${nuro_deb}/maintscript ${nuro_deb}/${script})
  file(CHMOD ${nuro_deb}/${script} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
       WORLD_READ WORLD_EXECUTE)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nuro)
set(CPACK_PACKAGE_VENDOR "NURO")
set(CPACK_PACKAGE_CONTACT "${NURO_DEB_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${NURO_DEB_RELEASE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prayer times in the notification area, with an alert at each prayer")
set(CPACK_PACKAGE_DESCRIPTION "NURO shows the day's six prayer times (Fajer, Shuroq, Dhohur, Aser, Maghereb
and Isha) for one place in a small window and keeps an icon in the notification
area. At each prayer time but Shuroq, moved by an offset of your choice, it
plays a chime and opens a notice. The times come from NURO's own astronomical
calculation; more than 800 places are in its database.

The nuro-times command prints the same times without a window, as a table,
CSV, JSON or an iCalendar file for calendar programs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The build keeps its debug information; the package does not need it.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its display plugins at run time, so the library scan cannot see them: X11 (and XWayland)
# through qt6-qpa-plugins, a Wayland session natively through qt6-wayland. The Arabic labels want a
# font with Arabic letters; the Bengali interface Noto Sans Bengali and the Urdu one Noto Nastaliq
# Urdu, both in fonts-noto-core. GNOME shows tray icons only with the AppIndicator extension.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-noto-core, fonts-hosny-amiri")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-shell-extension-appindicator")
# The package is made without debhelper, so its maintainer scripts call dpkg-maintscript-helper
# themselves; lintian is told so.
install(FILES lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME nuro)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${nuro_deb}/preinst ${nuro_deb}/postinst ${nuro_deb}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
