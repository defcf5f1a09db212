# A day at the counter: 300 customers and 2,000 waiting-status polls through the real screens.
if(SUMBREL_GUI AND SUMBREL_BUILD_TESTS)
  add_executable(bench_day ${CMAKE_CURRENT_LIST_DIR}/day/bench_day.cpp)
  target_link_libraries(bench_day PRIVATE bench_cpu_share sumbrel_reception_ui sumbrel_menu_ui sumbrel_test_support Qt6::Test
    Qt6::Widgets sumbrel_options)
endif()
