# The Debian package: cpack -G DEB in the build tree (scripts/package does it all, with full
# RELRO and BIND_NOW).
include(GNUInstallDirs)

# What Debian asks of every package besides the program: the copyright file, the changelog and
# the manual pages, compressed as dh_installchangelogs and dh_installman would (gzip -9n: no name
# or time stamp in the header, so the package is reproducible).
if(UNIX AND NOT APPLE)
  find_program(SOLVANIX_GZIP gzip REQUIRED)
  set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/solvanix)
  set(packaging ${PROJECT_SOURCE_DIR}/packaging)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/packaging)

  file(STRINGS ${packaging}/changelog changelog_top LIMIT_COUNT 1)
  if(NOT changelog_top MATCHES "^solvanix \\(${PROJECT_VERSION}\\) ")
    message(WARNING "packaging/changelog does not start with an entry for ${PROJECT_VERSION}")
  endif()

  configure_file(${packaging}/solvanix.1.in ${out}/en/solvanix.1 @ONLY)
  configure_file(${packaging}/solvanix.fr.1.in ${out}/fr/solvanix.1 @ONLY)
  set(compressed)
  foreach(pair "${packaging}/changelog|${out}/changelog.gz"
               "${out}/en/solvanix.1|${out}/en/solvanix.1.gz"
               "${out}/fr/solvanix.1|${out}/fr/solvanix.1.gz")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 target)
    add_custom_command(OUTPUT ${target}
      COMMAND ${SOLVANIX_GZIP} -9n -c ${source} > ${target}
      DEPENDS ${source} VERBATIM)
    list(APPEND compressed ${target})
  endforeach()
  add_custom_target(solvanix_package_docs ALL DEPENDS ${compressed})

  install(FILES ${packaging}/copyright ${out}/changelog.gz DESTINATION ${doc_dir})
  install(FILES ${out}/en/solvanix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${out}/fr/solvanix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
endif()

set(CPACK_PACKAGE_NAME "solvanix")
set(CPACK_PACKAGE_VENDOR "SOLVANIX")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Soft-edge projection calculator")
# Lines of at most 80 characters, as Debian's package tools show them.
set(CPACK_PACKAGE_DESCRIPTION "SOLVANIX plans an edge-blended projection, where several \
projectors\nside by side light one wide screen and neighbouring images overlap.\nFrom the \
screen's size, the number of projectors, their resolution, the\noverlap and the throw ratio it \
shows the blended resolution, the pixel\nsize, the image widths and spacing, the lens distance \
and the depth the\ninstallation needs. The window is in French.")
set(CPACK_PACKAGE_CONTACT "L'équipe SOLVANIX <equipe@solvanix.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")

# Stripped as dh_strip does: no symbols, and no .comment or .note section.
set(CPACK_STRIP_FILES ON)
set(CPACK_SOLVANIX_STRIP "${CMAKE_STRIP}")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/SolvanixDebianStrip.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The Qt and C++ runtime libraries come from the binary's own links. Listed by hand: Qt's
# platform plugins (libqt6gui6 only recommends them, and without them no window opens), Qt's
# French texts, and the faces that stand in for the Windows fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, \
fonts-dejavu-core, fonts-urw-base35")

set(CPACK_GENERATOR "DEB")
include(CPack)
