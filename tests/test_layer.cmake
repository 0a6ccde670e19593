# One GoogleTest executable per layer's folder: every *_test.cpp in it, linked with the layer's
# library alone (and what that library links), so a test of a layer uses nothing above it.
#   kalodaya_layer_tests(NAME LIBRARY [MORE_LIBRARIES...])
# A folder's KALODAYA_POSIX_TESTS names the test files that need a POSIX system (processes run
# and waited for, file modes, named pipes, /proc); the Windows build leaves them out.
function(kalodaya_layer_tests name library)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(WIN32)
    foreach(posix ${KALODAYA_POSIX_TESTS})
      list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${posix})
    endforeach()
  endif()
  add_executable(${name} ${sources} ${KALODAYA_TEST_SUPPORT})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${library} ${ARGN} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE KALODAYA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  if(NOT WIN32)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
