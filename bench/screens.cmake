# Timings of the screens against the demo shop; each bench/screens/*.cpp registers its figures.
if(SUMBREL_GUI AND SUMBREL_BUILD_TESTS)
  file(GLOB screen_figures ${CMAKE_CURRENT_LIST_DIR}/screens/*.cpp)
  add_executable(bench_screens ${CMAKE_CURRENT_LIST_DIR}/bench_screens.cpp ${screen_figures})
  target_include_directories(bench_screens PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(bench_screens PRIVATE bench_cpu_share sumbrel_reception_ui sumbrel_menu_ui sumbrel_catalogue sumbrel_test_support
    Qt6::Widgets sumbrel_options)
endif()
