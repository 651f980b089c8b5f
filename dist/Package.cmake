# The Debian package of the three programs, built by CPack from what `cmake --install` installs
# (scripts/package). Its dependencies are worked out from the programs by dpkg-shlibdeps.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavrin)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${KAVRIN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal catalogue of radio stations and their frequencies")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/package")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plugins at run time: no library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The summary above is the synopsis line; this is the extended description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kavrin keeps the radio stations a listener of broadcast, utility and amateur
radio cares about: their receive and transmit frequencies, modulation, working
hours and days, location and notes, in one XML file.
.
Orvale is the desktop station manager: a list to filter by band, modulation
and what is on the air now, to search and sort, with the import of a
shortwave broadcast schedule. Tavrel is the same list in a small
handheld-sized window. kavrin lists and checks station files on the command
line.")

include(CPack)
