# The Debian package: cd BUILD && cpack -G DEB (or make deb). It holds exactly
# what cmake --install puts under /usr.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "dunok")
set(CPACK_PACKAGE_VENDOR "Dunok developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "list of countdown timers that ring when they run out")
# One line each, as the control file shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Dunok keeps a list of named countdown timers, each with a description, a"
  "duration and an alarm sound. Double-click a timer to start it; its row counts"
  "down every second, and when it reaches zero Dunok plays the sound, posts a"
  "desktop notification and can bring its window to the front.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://dunok.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Dunok developers")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# dpkg-shlibdeps finds the libraries that the program and its sound module
# link. Qt loads its X11 platform plugin at run time, so no linker dependency
# names that package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# No maintainer scripts: the icon cache and the launcher's desktop database
# are refreshed by the dpkg triggers of the packages that own them.

include(CPack)
