# Fuzz targets (preset "fuzz": clang with libFuzzer and the address and undefined-behaviour
# sanitisers): one program per reader of outside input, each fuzz/<name>_fuzz.cpp.
# scripts/fuzz builds and runs them; scripts/test replays their corpora (fuzz/corpus/<name>).
add_library(tikora_fuzz_support STATIC fuzz/fuzz_input.cpp fuzz/page_promises.cpp fuzz/settings_key.cpp)
target_link_libraries(tikora_fuzz_support PUBLIC tikora_portable tikora_platform_fake tikora_platform_native)

file(GLOB TIKORA_FUZZ_SOURCES CONFIGURE_DEPENDS fuzz/*_fuzz.cpp)
foreach(source IN LISTS TIKORA_FUZZ_SOURCES)
  get_filename_component(target ${source} NAME_WE)
  add_executable(${target} ${source})
  target_link_libraries(${target} PRIVATE tikora_fuzz_support)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  # program_start starts the whole program, pictures and all.
  target_compile_definitions(${target} PRIVATE TIKORA_MEDIA_DIR="${TIKORA_MEDIA_DIR}")
  add_dependencies(${target} media)
endforeach()
