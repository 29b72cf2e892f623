# Native build: the pure logic under sanitizers, its unit tests, the benchmarks
# and the artwork generator.
set(sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(vespin_core PUBLIC ${sanitize} -g)
target_link_options(vespin_core PUBLIC ${sanitize})

find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB host_tests CONFIGURE_DEPENDS tests/host/*.cpp)
add_executable(vespin_host_tests ${host_tests})
target_link_libraries(vespin_host_tests PRIVATE vespin_core GTest::gtest GTest::gtest_main)
# GoogleTest's header, compiled once, halves the build.
target_precompile_headers(vespin_host_tests PRIVATE <gtest/gtest.h>)
# The id check reads the resource header itself.
target_compile_definitions(vespin_host_tests PRIVATE VESPIN_RESOURCE_HEADER="${CMAKE_SOURCE_DIR}/res/resource.h")
gtest_discover_tests(vespin_host_tests DISCOVERY_TIMEOUT 60)

file(GLOB bench_sources CONFIGURE_DEPENDS bench/*.cpp)
if(bench_sources)
  find_package(benchmark REQUIRED)
  add_executable(vespin_bench ${bench_sources})
  # Benchmarks measure the code as shipped: optimised, no sanitizers.
  add_library(vespin_core_fast STATIC ${pure_sources})
  target_include_directories(vespin_core_fast PUBLIC ${CMAKE_SOURCE_DIR} ${VESPIN_GENERATED_DIR})
  target_compile_options(vespin_core_fast PRIVATE -O2)
  target_compile_options(vespin_bench PRIVATE -O2)
  target_link_libraries(vespin_bench PRIVATE vespin_core_fast benchmark::benchmark)
endif()

file(GLOB tool_sources CONFIGURE_DEPENDS tools/*.cpp)
foreach(src IN LISTS tool_sources)
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
endforeach()
