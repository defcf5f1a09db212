# How long the screen's thread is ever unavailable while the shop stalls the poll, the menu loads or the order.
if(SUMBREL_GUI AND SUMBREL_BUILD_TESTS)
  add_executable(bench_ui_stall ${CMAKE_CURRENT_LIST_DIR}/ui_stall/bench_ui_stall.cpp)
  target_link_libraries(bench_ui_stall PRIVATE bench_cpu_share sumbrel_reception_ui sumbrel_menu_ui sumbrel_test_support Qt6::Widgets Qt6::Test sumbrel_options)
endif()
