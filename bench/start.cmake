# From the program's start to its start panel, with a stored automatic login.
if(SUMBREL_GUI AND SUMBREL_BUILD_TESTS)
  add_executable(bench_start ${CMAKE_CURRENT_LIST_DIR}/start/bench_start.cpp)
  target_link_libraries(bench_start PRIVATE bench_cpu_share sumbrel_test_support Qt6::Core sumbrel_options)
  target_compile_definitions(bench_start PRIVATE SUMBREL_EXE="$<TARGET_FILE:Sumbrel>")
  add_dependencies(bench_start Sumbrel)
endif()
