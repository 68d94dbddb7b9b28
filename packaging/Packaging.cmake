# The Debian package, built by `make package` from a Release build. The
# names and address are the project's own.
set(CPACK_PACKAGE_NAME setupguide)
set(CPACK_PACKAGE_VENDOR "Setup developers")
set(CPACK_PACKAGE_CONTACT "Setup developers <packages@setupguide.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive setup guide for a USB digital I/O card")
set(CPACK_PACKAGE_DESCRIPTION
"Setup shows a photograph of a USB digital input/output card with tinted
circles over its jumpers and connectors. Pointing at a circle opens a
small window that explains the spot; for a jumper it also shows a drawing
of the jumper, kept in step with radio buttons. Menus list the spots, and
an instructions window and a technical-support window explain the rest.")
set(CPACK_STRIP_FILES ON)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # dpkg-shlibdeps (from dpkg-dev) reads the libraries the program links
    # and writes the exact Depends line with their minimum versions.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
