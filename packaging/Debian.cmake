# Debian packages from one build with `cpack -G DEB` (or `cpack --preset deb`): the game with its
# data, Pavrel's run-time library, and Pavrel's developer files with the Designer plugin.
# Dependencies are read from the binaries themselves.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvanis)
set(CPACK_PACKAGE_VENDOR "The Tolvanis developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TOLVANIS_HOMEPAGE}")
set(CPACK_PACKAGE_CONTACT "${TOLVANIS_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/packages")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game pavrel_runtime pavrel_dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TOLVANIS_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Designer plugin links the library built beside it, which no installed package provides yet.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_LIBRARY_OUTPUT_DIRECTORY}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_GAME_PACKAGE_NAME tolvanis)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
set(CPACK_DEBIAN_GAME_DESCRIPTION
    "card game for two to four seats around one table
Tolvanis is a card game for two to four seats seen from above. Play a card
that matches the colour or the value on the table, make the next seat take
two or four cards, skip it or turn the order round, and name a colour with a
wild card. The seat that empties its hand first wins the deal.
.
Each seat is played by a person at the mouse or by the computer. A second
window keeps the scores, the play speed and a log of every move.")

set(CPACK_DEBIAN_PAVREL_RUNTIME_PACKAGE_NAME libpavrel1)
set(CPACK_DEBIAN_PAVREL_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# The loader cache is refreshed by a trigger, once for all packages installed together.
set(CPACK_DEBIAN_PAVREL_RUNTIME_PACKAGE_CONTROL_EXTRA "${CMAKE_CURRENT_SOURCE_DIR}/debian/triggers")
set(CPACK_DEBIAN_PAVREL_RUNTIME_DESCRIPTION
    "bevelled box control for Qt Widgets - shared library
Pavrel is a Qt Widgets control: a bevelled box that looks like a raised
button, with a centred caption and an optional picture. A press shows the
pressed look and a host may hold it down or up. Its properties are set in
code, by name through Qt's property system, or in Qt Designer.
.
This package contains the shared library.")

set(CPACK_DEBIAN_PAVREL_DEV_PACKAGE_NAME libpavrel-dev)
set(CPACK_DEBIAN_PAVREL_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PAVREL_DEV_PACKAGE_DEPENDS
    "libpavrel1 (= ${PROJECT_VERSION}), qt6-base-dev")
set(CPACK_DEBIAN_PAVREL_DEV_DESCRIPTION
    "bevelled box control for Qt Widgets - development files
Pavrel is a Qt Widgets control: a bevelled box that looks like a raised
button, with a centred caption and an optional picture. A press shows the
pressed look and a host may hold it down or up. Its properties are set in
code, by name through Qt's property system, or in Qt Designer.
.
This package contains the headers, the CMake and pkg-config files and the
Qt Designer plugin.")

# Debian keeps games in /usr/games; the game finds its data from there just as from bin/.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_SOURCE_DIR}/debian/MoveGameToGames.cmake")

include(CPack)
