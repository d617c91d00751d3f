# The Debian package: cpack -G DEB in the build tree (scripts/package does it all).
set(CPACK_PACKAGE_NAME "solvanix")
set(CPACK_PACKAGE_VENDOR "SOLVANIX")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Soft-edge projection calculator")
set(CPACK_PACKAGE_DESCRIPTION "SOLVANIX plans an edge-blended projection: from the screen's \
size, the projectors, their overlap and the throw ratio it shows the blended resolution, the \
pixel size, the image widths and spacing, the lens distance and the depth the installation needs.")
set(CPACK_PACKAGE_CONTACT "L'équipe SOLVANIX <equipe@solvanix.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The Qt and C++ runtime libraries come from the binary's own links; the faces that stand in for
# the Windows fonts are listed by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, fonts-urw-base35")

set(CPACK_GENERATOR "DEB")
include(CPack)
