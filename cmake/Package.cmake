# A Debian package of what `cmake --install` puts in place: `cpack -G DEB` in
# the build folder makes quillmark_<version>_<arch>.deb, installed with
# `apt install ./quillmark_*.deb`. The libraries it links are found by
# dpkg-shlibdeps; what it only uses at run time is named here.
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "${QM_PUBLISHER_NAME}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Finds unregistered internet domain names")
set(CPACK_PACKAGE_DESCRIPTION
    "Gathers candidate names from word lists, your own lists, web pages and a name generator, asks each registry (by RDAP or whois) whether they are taken and sorts the free ones by length.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QM_PUBLISHER_NAME} <packages@quillmark.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The browser's helper process and resources, and the suffix list.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webenginecore6-bin, libqt6webengine6-data, publicsuffix")
include(CPack)
