# The libraries of a Windows build, which the cross compiler cannot take from the Linux system:
# - SQLite from its amalgamation (public domain), in the folder KALODAYA_SQLITE_DIR
#   (scripts/windows.sh unpacks it from a pinned npm package);
# - nlohmann-json and CLI11, header-only, from Debian's headers, seen through a folder of their
#   own so that the rest of /usr/include (glibc's) stays out of the Windows compiles;
# - GoogleTest built from Debian's sources (googletest) with the cross compiler.
set(KALODAYA_SQLITE_DIR "" CACHE PATH "Folder with SQLite's sqlite3.c and sqlite3.h")
if(NOT EXISTS "${KALODAYA_SQLITE_DIR}/sqlite3.c")
  message(FATAL_ERROR "KALODAYA_SQLITE_DIR must name a folder with sqlite3.c (scripts/windows.sh)")
endif()
enable_language(C)
add_library(kalodaya_sqlite3 STATIC "${KALODAYA_SQLITE_DIR}/sqlite3.c")
target_include_directories(kalodaya_sqlite3 SYSTEM PUBLIC "${KALODAYA_SQLITE_DIR}")
target_compile_definitions(kalodaya_sqlite3 PRIVATE SQLITE_THREADSAFE=1 SQLITE_DQS=0
                           SQLITE_OMIT_LOAD_EXTENSION SQLITE_DEFAULT_FOREIGN_KEYS=0)
set_target_properties(kalodaya_sqlite3 PROPERTIES C_STANDARD 11)
target_compile_options(kalodaya_sqlite3 PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS kalodaya_sqlite3)

set(headers "${CMAKE_BINARY_DIR}/debian-headers")
file(MAKE_DIRECTORY "${headers}")
foreach(folder nlohmann CLI)
  if(NOT EXISTS "/usr/include/${folder}")
    message(FATAL_ERROR "/usr/include/${folder} is missing (nlohmann-json3-dev, libcli11-dev)")
  endif()
  file(CREATE_LINK "/usr/include/${folder}" "${headers}/${folder}" SYMBOLIC)
endforeach()
add_library(kalodaya_nlohmann_json INTERFACE)
target_include_directories(kalodaya_nlohmann_json SYSTEM INTERFACE "${headers}")
add_library(nlohmann_json::nlohmann_json ALIAS kalodaya_nlohmann_json)
add_library(kalodaya_cli11 INTERFACE)
target_include_directories(kalodaya_cli11 SYSTEM INTERFACE "${headers}")
add_library(CLI11::CLI11 ALIAS kalodaya_cli11)

if(KALODAYA_BUILD_TESTS)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
endif()
