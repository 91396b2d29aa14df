# The Windows build (cmake/mingw-w64-x86_64.cmake): programs that need no DLL but Windows' own,
# a stack for the regex engine, and the wine prefix the tests run in. The zip is
# cmake/windows_zip.cmake.

# The MinGW runtime (libstdc++, libgcc, winpthreads) goes inside each program: without it a
# program needs DLLs that Windows lacks, and under wine ends without a word.
add_link_options(-static)

# std::regex recurses for each character of the line it matches. The game hands it lines of at
# most 256 bytes; on the longest, the deepest pattern shipped (line 10, north, with the line's
# trailing spaces) took about 240 KiB of stack measured under wine, 190 KiB on Debian. The
# linker's default of 2 MiB holds that; the 8 MiB Debian gives a program's main thread leaves a
# pattern edited later nearly the same room on both.
set(PRISMORA_STACK_BYTES 8388608)
add_link_options(-Wl,--stack,${PRISMORA_STACK_BYTES})

# The tests run under wine in a prefix of the build's own, made once before any of them runs
# (making it takes a few seconds and talks on standard error).
if(PRISMORA_WINE AND PRISMORA_WINESERVER)
  set(prefix ${PRISMORA_WINE_PREFIX})
  # No offer to install wine's .NET and HTML engines: the game needs neither.
  add_custom_command(OUTPUT ${prefix}.made
    COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${prefix} WINEDEBUG=-all
            WINEDLLOVERRIDES=mscoree,mshtml= ${PRISMORA_WINE} wineboot --init
    COMMAND ${CMAKE_COMMAND} -E touch ${prefix}.made
    COMMENT "Making the wine prefix the tests run in"
    VERBATIM)
  add_custom_target(prismora_wine_prefix ALL DEPENDS ${prefix}.made)
elseif(PRISMORA_TESTS)
  message(FATAL_ERROR "The tests of the Windows build run under wine, which is not installed:\n"
                      "    sudo apt-get install wine wine64\n"
                      "or configure with -DPRISMORA_TESTS=OFF for the game and its zip alone.")
endif()
