# Catalogue parsing: the tagged answer against the same catalogue as JSON read with simdjson.
find_package(simdjson CONFIG QUIET)
if(NOT TARGET simdjson::simdjson)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(SUMBREL_SIMDJSON REQUIRED IMPORTED_TARGET simdjson)
  add_library(simdjson::simdjson ALIAS PkgConfig::SUMBREL_SIMDJSON)
endif()
add_executable(bench_catalogue ${CMAKE_CURRENT_LIST_DIR}/bench_catalogue.cpp)
target_link_libraries(bench_catalogue PRIVATE sumbrel_catalogue benchmark::benchmark simdjson::simdjson sumbrel_options)
