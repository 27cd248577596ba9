# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT

# A Debian package through CPack: cpack -G DEB in the build folder. The library dependencies
# are worked out by dpkg-shlibdeps; the interface is Chinese, so a CJK font is a dependency too.
set(CPACK_PACKAGE_NAME "orvanta")
set(CPACK_PACKAGE_VENDOR "The Orvanta developers")
set(CPACK_PACKAGE_CONTACT "The Orvanta developers <orvanta@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random user names from the pinyin of random hanzi")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvanta makes lists of random user names to copy elsewhere. Each name is the toneless pinyin of two random Chinese characters followed by an odd four-digit number, optionally written as a QQ mail address.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://example.org/orvanta")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")
include(CPack)
