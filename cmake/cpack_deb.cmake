# Run by cpack (CPACK_PROJECT_CONFIG_FILE) before it installs the package's files: the package's
# one date, and the changelog that carries it. Two packages of one commit are then the same bytes.

# The date: SOURCE_DATE_EPOCH when set, else the time of the last commit, else (sources without
# their history) the time of the top CMakeLists.txt.
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
set(epoch_from "SOURCE_DATE_EPOCH")
if(epoch STREQUAL "")
  execute_process(COMMAND git log -1 --format=%ct
                  WORKING_DIRECTORY ${CPACK_PRISMORA_SOURCE_DIR}
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_failed ERROR_QUIET)
  set(epoch_from "the last commit")
  if(git_failed OR NOT epoch MATCHES "^[0-9]+$")
    file(TIMESTAMP ${CPACK_PRISMORA_SOURCE_DIR}/CMakeLists.txt epoch "%s" UTC)
    set(epoch_from "the time of CMakeLists.txt")
  endif()
endif()
if(NOT epoch MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be seconds since 1970, not '${epoch}'")
endif()
# CPack gives every file and member of the archive this time; string(TIMESTAMP) reads it too.
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
string(TIMESTAMP PRISMORA_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
message(STATUS "Package date: ${PRISMORA_PACKAGE_DATE}, from ${epoch_from}")

configure_file(${CPACK_PRISMORA_SOURCE_DIR}/packaging/changelog.in
               ${CPACK_PRISMORA_DEB_FILES}/changelog @ONLY)
# gzip -9n, as Debian wants: best compression, and no name or time stamp inside.
execute_process(COMMAND ${CPACK_PRISMORA_GZIP} -9nf ${CPACK_PRISMORA_DEB_FILES}/changelog
                RESULT_VARIABLE gzip_failed)
if(gzip_failed)
  message(FATAL_ERROR "gzip could not compress ${CPACK_PRISMORA_DEB_FILES}/changelog")
endif()

# Players at a terminal expect line editing; say so when a package is made without it.
if(NOT CPACK_PRISMORA_HAVE_LIBEDIT)
  message(WARNING "This build has no line editing (libedit-dev or pkg-config missing, or "
                  "PRISMORA_LINE_EDITING=OFF), and neither will its package.")
endif()
