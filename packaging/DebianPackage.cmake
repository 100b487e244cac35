# The Debian package CPack builds from the install rules (scripts/package.sh
# builds and checks it): Debian's documentation files, lintian's overrides
# and the control data. The libraries it needs are found by dpkg-shlibdeps,
# so the declared names are Debian 12's own.
set(QUILLFOLD_DEB_RELEASE 1)
set(QUILLFOLD_DEB_VERSION ${PROJECT_VERSION}-${QUILLFOLD_DEB_RELEASE})
set(QUILLFOLD_MAINTAINER "Quillfold developers <quillfold@users.noreply.github.com>")
configure_file(changelog.Debian.in changelog.Debian @ONLY)
add_custom_command(OUTPUT changelog.Debian.gz
    COMMAND ${QUILLFOLD_GZIP} -9nc changelog.Debian > changelog.Debian.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian)
add_custom_target(quillfold_debian_changelog ALL DEPENDS changelog.Debian.gz)
install(FILES copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillfold)
install(FILES lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quillfold)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillfold)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillfold developers")
set(CPACK_PACKAGE_CONTACT ${QUILLFOLD_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "split, trim and rename the scans of your own books")
set(CPACK_PACKAGE_DESCRIPTION
"Quillfold prepares the pages of books you scan yourself. It shows a folder
of JPEG or BMP scans as numbered thumbnails and splits marked two-page
spreads into pages in your reading direction; it can remove the gutter
strip, trim the margins and turn pages a quarter turn, and writes JPEG or
BMP files into a destination folder. A full-screen trimming view crops a
keyboard-driven frame, and files can be renamed from the list. Source scans
are never replaced or damaged.

The interface is Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QUILLFOLD_DEB_RELEASE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUILLFOLD_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/quillfold/quillfold)
# The libraries come from dpkg-shlibdeps; the window-system plugin and the
# Japanese font are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
