# The Debian package: `cpack -G DEB` in the build folder writes
# horavela_<version>_<architecture>.deb with everything `cmake --install` puts
# under /usr. dpkg-shlibdeps (dpkg-dev) works out the libraries' packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME horavela)
set(CPACK_PACKAGE_VENDOR "The Horavela developers")
set(CPACK_PACKAGE_CONTACT "The Horavela developers <developers@horavela.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://horavela.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vedic electional astrology (muhurtha)")
set(CPACK_PACKAGE_DESCRIPTION
  "Horavela judges whether a moment is good for one of 34 undertakings\n\
(naming a child, marriage, a journey, buying land, an operation, ...) from\n\
the sidereal Moon, the lagna, the panchang, tarabala, chandrabala and the\n\
special yogas, and writes a report to print or save. It finds every good\n\
window in a date range, shows the day at a glance and has an offline atlas\n\
of cities. horavela-cli offers the same as JSON.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Read at run time rather than linked: the tz database's zone files, and the
# platform plugin Qt needs to open a window (only recommended by libqt6gui6), and
# the SQLite driver plugin of Qt SQL that opens the book of people and places,
# and Noto fonts for the Indian scripts of names and places (Devanagari, Bengali,
# Gujarati, Tamil, Telugu, Kannada, Malayalam), which showed as boxes without them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata, qt6-qpa-plugins, libqt6sql6-sqlite, fonts-noto-core")

include(CPack)
