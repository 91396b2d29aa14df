# The Windows zip: `cpack -G ZIP` (or the windows workflow's package step) writes
# prismora-VERSION-windows-x86_64.zip, one folder holding prismora.exe, PlayerResponse.txt
# beside it (the game reads it from its working directory), the licence and README.txt on how
# to play. The texts get Windows line ends, so that every editor shows them as written.
set(zip_files ${CMAKE_CURRENT_BINARY_DIR}/zip)
configure_file(LICENSE ${zip_files}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(packaging/windows/README.txt ${zip_files}/README.txt @ONLY NEWLINE_STYLE CRLF)

install(TARGETS prismora RUNTIME DESTINATION .)
install(FILES data/PlayerResponse.txt ${zip_files}/LICENSE.txt ${zip_files}/README.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME prismora)
set(CPACK_PACKAGE_VENDOR "The Prismora developers")
set(CPACK_PACKAGE_FILE_NAME prismora-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_STRIP_FILES ON)
include(CPack)
