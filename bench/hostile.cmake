# Peak memory of the terminal's catalogue reading against a hostile 10 MB answer.
if(SUMBREL_BUILD_TESTS)
  add_executable(bench_hostile_catalogue ${CMAKE_CURRENT_LIST_DIR}/hostile/bench_hostile_catalogue.cpp)
  target_link_libraries(bench_hostile_catalogue PRIVATE sumbrel_catalogue sumbrel_test_support sumbrel_options)
endif()
