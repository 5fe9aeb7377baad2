# korva_add_test_per_file(<dir> <libraries...>): one GoogleTest program per *Test.cpp file
# in <dir>, so that each area's tests build and run on their own.
function(korva_add_test_per_file dir)
  file(GLOB test_sources CONFIGURE_DEPENDS ${dir}/*Test.cpp)
  foreach(source ${test_sources})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE
      KORVA_TEST_DATA="${KORVA_TEST_DATA}" KORVA_EXAMPLES="${KORVA_EXAMPLES}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
      WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  endforeach()
endfunction()
