# A Debian package of the program: `cpack --config <build>/CPackConfig.cmake` after a build, or
# scripts/check-package.sh, which also installs and starts it. Library dependencies come from
# dpkg-shlibdeps (package dpkg-dev); the Liberation fonts are named by hand because the window
# asks for them by family name at run time, which no linker sees.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ponderival)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Gli sviluppatori di Ponderival")
set(CPACK_PACKAGE_CONTACT "Gli sviluppatori di Ponderival <sviluppatori@ponderival.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quesito delle case numerate (numbered houses puzzle)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "In una strada le case sono numerate 1, 2, 3 e così via; una di esse è tale
che la somma dei numeri delle case che la precedono è uguale a quella delle
case che la seguono. Ponderival enuncia il quesito e cerca la casa.
.
The houses of a street are numbered 1, 2, 3 and so on; for one of them the
numbers of the houses before it add up to the same as those after it.
Ponderival states the puzzle and searches for that house.")

# `cmake --build <build> --target package_source` packs the sources only, not a build tree.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/\\\\.cache/" "/build/")

include(CPack)
