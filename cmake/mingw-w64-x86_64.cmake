# Windows (x86-64) built on Debian with mingw-w64: g++-mingw-w64-x86-64-posix, the GCC whose
# threads are POSIX threads (winpthreads), so std::thread and std::mutex are there as on Debian.
# The programs it makes run here under wine (Debian packages wine and wine64), which is how
# ctest runs the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PRISMORA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PRISMORA_MINGW}-gcc-posix)  # for GoogleTest's own build
set(CMAKE_CXX_COMPILER ${PRISMORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${PRISMORA_MINGW}-windres)

# Headers and libraries of the target only; programs of the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${PRISMORA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Each program runs under wine in a prefix of the build's own (made by the build, see
# cmake/windows.cmake), without wine's debug messages, so that standard error is the program's.
find_program(PRISMORA_WINE wine)
find_program(PRISMORA_WINESERVER wineserver)
set(PRISMORA_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
if(PRISMORA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${PRISMORA_WINE_PREFIX} WINEDEBUG=-all ${PRISMORA_WINE})
endif()
