# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

# One Debian package with both programs, built by `cpack` (see ./run package) from
# what `cmake --install` puts in place.

# Installing and packaging take what is built; ./run package builds only the two
# programs, not the tests and the benchmark.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME farbenlehre)
set(CPACK_PACKAGE_VENDOR "Farbenlehre-Projekt")
set(CPACK_PACKAGE_CONTACT ${FARBENLEHRE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${FARBENLEHRE_URL})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour mixing for the classroom: RGB colour cube and hue circle")
set(CPACK_PACKAGE_DESCRIPTION
"Two small German-language teaching programs that show how a screen mixes every
colour from red, green and blue.

Tessaro draws the RGB colour cube; a click on a face lays a cut through the
cube, and the colour under the pointer shows as an equation of its red, green
and blue parts.

Tubarin draws the hue circle, the saturation disc and the colour cylinder and
shows the red, green and blue values of the colour under the pointer.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

# The libraries come from dpkg-shlibdeps; what it cannot see is the font the captions
# are laid out in and Qt's platform plugins, which are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")

include(CPack)
