# The Swiss Ephemeris built from its C sources, for the builds where Debian's libswe cannot be
# linked (Windows, WebAssembly). The sources are those of the npm package sweph, pinned in
# tools/swisseph/package-lock.json and unpacked there by `npm ci`: Swiss Ephemeris 2.10.03, the
# same release as Debian's libswe, so every platform computes with the same code. Only the
# built-in Moshier theory is used; no data files are read.
#
# Defines the static library kalodaya_swisseph, whose users see swephexp.h.
set(KALODAYA_SWISSEPH_DIR "${PROJECT_SOURCE_DIR}/tools/swisseph/node_modules/sweph/swisseph"
    CACHE PATH "The Swiss Ephemeris C sources (tools/swisseph: npm ci --ignore-scripts)")
set(swisseph_expected_version "2.10.03")

if(NOT EXISTS "${KALODAYA_SWISSEPH_DIR}/swephexp.h")
  message(FATAL_ERROR "The Swiss Ephemeris sources are missing from ${KALODAYA_SWISSEPH_DIR}: "
          "run `npm ci --ignore-scripts` in tools/swisseph")
endif()
file(STRINGS "${KALODAYA_SWISSEPH_DIR}/sweph.h" swisseph_version_line
     REGEX "^#define SE_VERSION[ \t]+\"[0-9.]+\"")
string(REGEX REPLACE ".*\"([0-9.]+)\".*" "\\1" swisseph_version "${swisseph_version_line}")
if(NOT swisseph_version STREQUAL swisseph_expected_version)
  message(FATAL_ERROR "The Swiss Ephemeris in ${KALODAYA_SWISSEPH_DIR} is '${swisseph_version}', "
          "not ${swisseph_expected_version} as Debian's libswe on Linux")
endif()
message(STATUS "Swiss Ephemeris ${swisseph_version} from its sources in ${KALODAYA_SWISSEPH_DIR}")

add_library(kalodaya_swisseph STATIC)
foreach(unit swecl swedate swehel swehouse swejpl swemmoon swemplan sweph swephlib)
  target_sources(kalodaya_swisseph PRIVATE "${KALODAYA_SWISSEPH_DIR}/${unit}.c")
endforeach()
target_include_directories(kalodaya_swisseph SYSTEM PUBLIC "${KALODAYA_SWISSEPH_DIR}")
# Not our code: its warnings are not ours to mend.
target_compile_options(kalodaya_swisseph PRIVATE -w)
if(WIN32)
  # mingw predefines WIN32, which makes sweodef.h drop thread-local storage and share the
  # library's state between threads; the batch mode computes charts on several threads.
  # Without WIN32 (_WIN32 stays), GCC's __thread is used; the far allocators that the header then
  # names are the ordinary ones.
  target_compile_options(kalodaya_swisseph PRIVATE -UWIN32)
  target_compile_definitions(kalodaya_swisseph PRIVATE
    _fmalloc=malloc _fcalloc=calloc _ffree=free)
endif()
if(NOT WIN32)
  target_link_libraries(kalodaya_swisseph PUBLIC m)
endif()
