# A Debian package of what `cmake --install` puts in place:
#   cpack -G DEB  ->  orvanta_<version>_<arch>.deb
# The runtime libraries the binary links are found by dpkg-shlibdeps, so the
# package depends on exactly the Qt the build used.

set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "The Orvanta developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculators for business finance")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvanta gathers forty-four calculators: financial statement and staff ratios,\n\
enterprise economics, investment appraisal and a mortgage calculator with a\n\
printable payment plan. Plain decimal input, fixed-decimal results.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://orvanta.example/")
set(CPACK_PACKAGE_CONTACT "The Orvanta developers <developers@orvanta.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The forms ask for Arial; on Debian fontconfig maps it to Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/build/;/\\\\.git/")
include(CPack)
