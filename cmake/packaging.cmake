# The Debian package: `cpack -G DEB` in a build tree writes prismora_VERSION_ARCH.deb.
#
# Debian keeps a game's command in /usr/games, its binary under /usr/lib/games and its data
# under /usr/share/games, with the manual page and changelog compressed. That layout is not the
# one `cmake --install --prefix P` gives, so the package has install rules of its own, in the
# component "deb", which a plain `cmake --install` leaves out.

find_program(PRISMORA_GZIP gzip)
if(NOT PRISMORA_GZIP)
  message(STATUS "gzip not found; no Debian package")
  return()
endif()

set(PRISMORA_PACKAGE_MAINTAINER "Prismora Dev <dev@prismora.invalid>"
    CACHE STRING "Maintainer field of the Debian package")

set(deb_launcher_dir games)
set(deb_game_dir lib/games/prismora)
set(deb_data_dir ${CMAKE_INSTALL_DATAROOTDIR}/games/prismora)
set(deb_doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/prismora)
set(deb_files ${CMAKE_CURRENT_BINARY_DIR}/deb)

prismora_launcher(${deb_files}/prismora ${deb_launcher_dir} ${deb_game_dir} ${deb_data_dir})

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PRISMORA_PACKAGE_MAINTAINER}")
# gzip -9n, as Debian wants: best compression, and no name or time stamp inside.
add_custom_command(OUTPUT ${deb_files}/prismora.6.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/man/prismora.6 ${deb_files}/prismora.6
  COMMAND ${PRISMORA_GZIP} -9nf ${deb_files}/prismora.6
  DEPENDS ${PROJECT_SOURCE_DIR}/man/prismora.6
  VERBATIM)
add_custom_target(prismora_deb_files ALL DEPENDS ${deb_files}/prismora.6.gz)

# The package's date (its changelog's, and every file time in the archive) is worked out each
# time cpack runs: SOURCE_DATE_EPOCH, or the last commit's time. cmake/cpack_deb.cmake writes the
# changelog; these CPACK_PRISMORA_ variables carry what it needs into CPackConfig.cmake.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack_deb.cmake)
set(CPACK_PRISMORA_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PRISMORA_DEB_FILES ${deb_files})
set(CPACK_PRISMORA_GZIP ${PRISMORA_GZIP})
set(CPACK_PRISMORA_HAVE_LIBEDIT ${PRISMORA_HAVE_LIBEDIT})

set(deb_rule COMPONENT deb EXCLUDE_FROM_ALL)
install(TARGETS prismora RUNTIME DESTINATION ${deb_game_dir} ${deb_rule})
install(FILES data/PlayerResponse.txt DESTINATION ${deb_data_dir} ${deb_rule})
install(PROGRAMS ${deb_files}/prismora DESTINATION ${deb_launcher_dir} ${deb_rule})
install(FILES ${deb_files}/prismora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 ${deb_rule})
install(FILES packaging/copyright ${deb_files}/changelog.gz DESTINATION ${deb_doc_dir}
        ${deb_rule})
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
        RENAME prismora ${deb_rule})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME prismora)
set(CPACK_PACKAGE_VENDOR "The Prismora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text adventure in a world losing its color")
# Lines of at most 80 columns, as dpkg shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Prismora: The Prequel is a short text adventure for the terminal. You are"
  "Maize, travelling through a blizzard with four companions to the snowed-in"
  "orphanage where you grew up, in a world that a hostile magic is draining of"
  "its color. Somewhere beyond its padlocked gate lies the last of the masks"
  "you came for."
  ""
  "Type what you want to do, one short command per line: look, north, talk to"
  "blot, take the blue stone. With a terminal, lines can be edited and earlier"
  "ones brought back.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
# Only the "deb" component, as one package named prismora.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL deb)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies come from the libraries the binary links (dpkg-shlibdeps), never by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build/")
include(CPack)
