# Field extraction and record counting over catalogue-sized answers.
add_executable(bench_fields ${CMAKE_CURRENT_LIST_DIR}/bench_fields.cpp)
target_link_libraries(bench_fields PRIVATE sumbrel_server benchmark::benchmark sumbrel_options)
