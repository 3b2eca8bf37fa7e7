# The program's packages, made by CPack after a build (`cpack --config <build>/CPackConfig.cmake`).
# On Linux, a Debian package: scripts/check-package.sh also installs and starts it. Library
# dependencies come from dpkg-shlibdeps (package dpkg-dev); the Liberation fonts are named by hand
# because the window asks for them by family name at run time, which no linker sees. On Windows,
# Ponderival-<version>-win64.zip holding the program file alone, and an installer of the same name
# made by makensis (Debian's nsis package) from cmake/NSIS.template.in.

# The publisher and the description come from the program file's version record, so that the
# packages and Windows' Properties dialog say the same.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/ponderival.rc version_values
    REGEX "^ *VALUE \"[A-Za-z]+\", \"")
foreach(line IN LISTS version_values)
    if(line MATCHES "VALUE \"([A-Za-z]+)\", \"([^\"]*)\"")
        set(version_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
    endif()
endforeach()

set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${version_CompanyName}")
set(CPACK_PACKAGE_CONTACT "${version_CompanyName} <sviluppatori@ponderival.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${version_FileDescription} (numbered houses puzzle)")

if(WIN32)
    # The linker already strips Ponderival.exe. A second strip would stamp the file with the time
    # of packing, so the zip and the installer, packed a moment apart, would carry different bytes.
    set(CPACK_STRIP_FILES OFF)
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_PACKAGE_NAME ${version_ProductName})
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64")
    # The zip holds Ponderival.exe at its top, with no folder around it.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

    # CMake's own installer script installs for all users and asks for administrator rights;
    # this one installs into the user's own programs folder and writes under HKCU alone.
    set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
    set(CPACK_PACKAGE_INSTALL_DIRECTORY ${CPACK_PACKAGE_NAME})
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${CPACK_PACKAGE_NAME})
    set(CPACK_NSIS_PACKAGE_NAME ${CPACK_PACKAGE_NAME})
    set(CPACK_NSIS_DISPLAY_NAME ${CPACK_PACKAGE_NAME})
    set(CPACK_NSIS_INSTALLED_ICON_NAME ${version_OriginalFilename})
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icons/ponderival.ico)
    set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
    set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
    set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
    set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
    # The installer's own version record, from the program's.
    set(CPACK_NSIS_VERSION_QUAD ${PROJECT_VERSION}.0)
    set(CPACK_NSIS_FILE_DESCRIPTION "${version_FileDescription}")
    set(CPACK_NSIS_VERSION_TEXT "${version_ProductVersion}")
else()
    set(CPACK_STRIP_FILES ON)
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGE_NAME ponderival)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

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
endif()

# `cmake --build <build> --target package_source` packs the sources only, not a build tree.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/\\\\.cache/" "/build/")

include(CPack)
