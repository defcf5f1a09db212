# The benchmarks' --cpu-share: the bench's own process held to a share of one core.
add_library(bench_cpu_share STATIC ${CMAKE_CURRENT_LIST_DIR}/cpu_share.cpp)
target_include_directories(bench_cpu_share PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(bench_cpu_share PRIVATE sumbrel_options)
if(SUMBREL_BUILD_TESTS)
  set(SUMBREL_TEST_SOURCE_DIR ${PROJECT_SOURCE_DIR}/tests)
  sumbrel_add_test(test_cpu_share SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_cpu_share.cpp LIBS bench_cpu_share)
endif()
