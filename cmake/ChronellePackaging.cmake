# A Debian package of the installed program: `cpack -G DEB` in the build
# folder. Library dependencies are computed from the executable; the plugins
# it loads at run time (sound formats, the help's database, the sound output)
# are named here, since no linker sees them.
set(CHRONELLE_MAINTAINER "Chronelle maintainers <maintainers@users.noreply.c-seed-859fa45d.example>"
  CACHE STRING "Maintainer named in the Debian package and its changelog")

set(CPACK_PACKAGE_NAME chronelle)
set(CPACK_PACKAGE_VENDOR "The Chronelle developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "alarm clock with a dot-matrix display in the notification area")
set(CPACK_PACKAGE_DESCRIPTION "Chronelle shows the date, the time and the next alarm on a small clock with a
simulated dot-matrix display that waits in the notification area. Alarms ring
once, hourly, daily, on chosen weekdays, monthly or yearly, with a play list
of the user's music or a built-in sound, fade-in and snooze, and can turn the
monitor off, suspend or shut down the computer once they have played.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CHRONELLE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CHRONELLE_REPOSITORY_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qt6-wayland: without it Qt falls back to XWayland on a Wayland desktop.
# libcap2-bin: setcap, with which the package lets the program set wake-up timers.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6sql6-sqlite, qt6-wayland, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, gstreamer1.0-plugins-ugly, gstreamer1.0-libav, gstreamer1.0-pulseaudio, libcap2-bin")
# MIDI files play only with a SoundFont; Qt's own buttons and the command
# line's help speak the user's language only with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fluid-soundfont-gm, qt6-translations-l10n")

# The capability to set wake-up timers is granted at install, as Debian's own
# packages grant theirs: a capability can't travel inside the package.
set(CHRONELLE_INSTALLED_EXECUTABLE ${CPACK_PACKAGING_INSTALL_PREFIX}/bin/chronelle)
configure_file(${PROJECT_SOURCE_DIR}/desktop/debian/postinst.in ${CMAKE_BINARY_DIR}/package-scripts/postinst @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/package-scripts/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# What Debian asks of every package's documentation folder.
set(package_docs ${CMAKE_BINARY_DIR}/package-docs)
configure_file(${PROJECT_SOURCE_DIR}/desktop/debian/changelog.in ${package_docs}/changelog @ONLY)
add_custom_command(
  OUTPUT ${package_docs}/changelog.gz
  COMMAND gzip -9n -c ${package_docs}/changelog > ${package_docs}/changelog.gz
  DEPENDS ${package_docs}/changelog
  COMMENT "Compressing the changelog")
add_custom_target(chronelle_package_docs ALL DEPENDS ${package_docs}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/debian/copyright ${package_docs}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/chronelle)

# Everything `cmake --install` and `cpack` take, without the tests and benchmarks.
add_custom_target(chronelle_installable)
add_dependencies(chronelle_installable chronelle chronelle-sound chronelle_resources chronelle_desktop_files chronelle_package_docs)

include(CPack)
