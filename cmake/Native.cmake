# Native build: the core with in-memory fakes, unit tests and benchmarks; the presets
# "native-sanitised" (the unit tests under the sanitisers) and "fuzz" (the fuzz targets) build
# parts of it.
option(TIKORA_UNIT_TESTS "Build the unit tests" ON)
option(TIKORA_BENCH "Build the benchmarks" ON)
option(TIKORA_FUZZ "Build the fuzz targets (clang with libFuzzer)" OFF)
if(TIKORA_UNIT_TESTS)
  find_package(GTest REQUIRED)
endif()
if(TIKORA_BENCH)
  find_package(benchmark REQUIRED)
endif()
find_package(Threads REQUIRED)
find_package(LibXml2 REQUIRED)

file(GLOB TIKORA_FAKE_SOURCES CONFIGURE_DEPENDS platform/fake/*.cpp)
if(TIKORA_FAKE_SOURCES)
  add_library(tikora_platform_fake STATIC ${TIKORA_FAKE_SOURCES})
  target_link_libraries(tikora_platform_fake PUBLIC tikora_platform)
else()
  add_library(tikora_platform_fake INTERFACE)
  target_link_libraries(tikora_platform_fake INTERFACE tikora_platform)
endif()

# Native implementations of platform services that the tests and benchmarks use for real: the
# XML document on libxml2.
file(GLOB TIKORA_NATIVE_SOURCES CONFIGURE_DEPENDS platform/native/*.cpp)
add_library(tikora_platform_native STATIC ${TIKORA_NATIVE_SOURCES})
target_link_libraries(tikora_platform_native PUBLIC tikora_platform LibXml2::LibXml2)

if(TIKORA_UNIT_TESTS)
  file(GLOB TIKORA_UNIT_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
  add_executable(unit_tests ${TIKORA_UNIT_SOURCES})
  target_link_libraries(unit_tests PRIVATE tikora_portable tikora_platform_fake tikora_platform_native GTest::gtest GTest::gmock GTest::gtest_main Threads::Threads)
  target_compile_definitions(unit_tests PRIVATE TIKORA_MEDIA_DIR="${TIKORA_MEDIA_DIR}"
    TIKORA_FEEDS_DIR="${CMAKE_SOURCE_DIR}/tests/data/feeds")
  add_dependencies(unit_tests media)
  add_test(NAME unit_tests
    COMMAND unit_tests --gtest_output=xml:${CMAKE_BINARY_DIR}/results/unit_tests.xml)
endif()

file(GLOB TIKORA_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
if(TIKORA_BENCH AND TIKORA_BENCH_SOURCES)
  add_executable(tikora_bench ${TIKORA_BENCH_SOURCES})
  target_link_libraries(tikora_bench PRIVATE tikora_portable tikora_platform_fake tikora_platform_native benchmark::benchmark_main)
  target_compile_definitions(tikora_bench PRIVATE TIKORA_MEDIA_DIR="${TIKORA_MEDIA_DIR}")
  add_dependencies(tikora_bench media)
endif()

if(TIKORA_FUZZ)
  include(cmake/Fuzz.cmake)
endif()
