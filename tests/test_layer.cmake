# One GoogleTest executable per layer's folder: every *_test.cpp in it, linked with the layer's
# library alone (and what that library links), so a test of a layer uses nothing above it.
#   kalodaya_layer_tests(NAME LIBRARY [MORE_LIBRARIES...])
function(kalodaya_layer_tests name library)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  add_executable(${name} ${sources} ${KALODAYA_TEST_SUPPORT})
  target_link_libraries(${name} PRIVATE ${library} ${ARGN} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE KALODAYA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
