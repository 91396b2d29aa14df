# Debian builds its packages with the flags dpkg-buildflags prints: the hardening Debian asks of
# a package (stack protector, _FORTIFY_SOURCE, relocations made read-only and bound at start:
# -z relro -z now), the source path kept out of the binary, -Wdate-time. Every build with
# dpkg-dev installed takes them, so the binary the tests run is the one the package ships.
#
# They come first in the flags: CMAKE_CXX_FLAGS (also CXXFLAGS from the environment) and the
# build type's flags follow, so the caller's choice wins where the two disagree. The sanitizer
# and fuzz builds bring flags of their own and go without.
option(PRISMORA_DPKG_BUILDFLAGS "Compile and link with the flags of dpkg-buildflags, if found" ON)

set(PRISMORA_HAVE_DPKG_BUILDFLAGS OFF)  # whether this build has them, for the package test
if(NOT PRISMORA_DPKG_BUILDFLAGS OR PRISMORA_SANITIZE OR PRISMORA_FUZZ)
  return()
endif()
find_program(PRISMORA_DPKG_BUILDFLAGS_COMMAND dpkg-buildflags)
if(NOT PRISMORA_DPKG_BUILDFLAGS_COMMAND)
  message(STATUS "dpkg-buildflags not found (Debian package dpkg-dev); the compiler's own flags")
  return()
endif()

# Full hardening, -z now included, unless the caller asked for something else.
if(DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
  set(dpkg_maint_options "$ENV{DEB_BUILD_MAINT_OPTIONS}")
else()
  set(dpkg_maint_options hardening=+all)
endif()
foreach(name IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
  # Run from the sources, whose path -ffile-prefix-map then maps to ".".
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=${dpkg_maint_options}
            ${PRISMORA_DPKG_BUILDFLAGS_COMMAND} --get ${name}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE dpkg_${name} OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE dpkg_failed)
  if(dpkg_failed)
    message(FATAL_ERROR "dpkg-buildflags --get ${name} failed; "
                        "configure with -DPRISMORA_DPKG_BUILDFLAGS=OFF to build without it")
  endif()
endforeach()
message(STATUS "Flags from dpkg-buildflags: ${dpkg_CPPFLAGS} ${dpkg_CXXFLAGS} ${dpkg_LDFLAGS}")
# Debian builds inside the sources; map the build tree's path too, so that a build anywhere else
# makes the same bytes.
string(PREPEND CMAKE_CXX_FLAGS
       "${dpkg_CPPFLAGS} ${dpkg_CXXFLAGS} -ffile-prefix-map=${PROJECT_BINARY_DIR}=. ")
foreach(kind IN ITEMS EXE SHARED MODULE)
  string(PREPEND CMAKE_${kind}_LINKER_FLAGS "${dpkg_LDFLAGS} ")
endforeach()
set(PRISMORA_HAVE_DPKG_BUILDFLAGS ON)
