# Windows build: tikora.exe, the Win32 platform layer, its tests and the end-to-end driver.
# Everything links statically so the programs need only DLLs that ship with Windows.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

set(TIKORA_WIN32_LIBS user32 gdi32 msimg32 advapi32 shell32 shlwapi comctl32 comdlg32 ole32
    oleacc oleaut32 uuid winmm powrprof wininet version uxtheme)

# The PNG decoder the pictures are read with: stb_image, one header (Debian's libstb-dev).
find_path(TIKORA_STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb NO_CMAKE_FIND_ROOT_PATH REQUIRED)

file(GLOB TIKORA_WIN32_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
if(TIKORA_WIN32_SOURCES)
  add_library(tikora_platform_win32 STATIC ${TIKORA_WIN32_SOURCES})
  target_link_libraries(tikora_platform_win32 PUBLIC tikora_platform ${TIKORA_WIN32_LIBS})
  target_include_directories(tikora_platform_win32 SYSTEM PRIVATE ${TIKORA_STB_INCLUDE_DIR})
else()
  add_library(tikora_platform_win32 INTERFACE)
  target_link_libraries(tikora_platform_win32 INTERFACE tikora_platform ${TIKORA_WIN32_LIBS})
endif()

# The program. The .rc pulls the generated media from TIKORA_MEDIA_DIR by file name.
# The windows are a library of their own so the Win32-side tests can drive them too.
file(GLOB TIKORA_UI_SOURCES CONFIGURE_DEPENDS ui/win32/*.cpp)
list(FILTER TIKORA_UI_SOURCES EXCLUDE REGEX "/ui/win32/main\\.cpp$")
add_library(tikora_ui_win32 STATIC ${TIKORA_UI_SOURCES})
target_link_libraries(tikora_ui_win32 PUBLIC tikora_portable tikora_platform_win32)
configure_file(resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
add_executable(tikora WIN32 ui/win32/main.cpp resources/tikora.rc)
target_link_libraries(tikora PRIVATE tikora_ui_win32)
# Sections start on whole pages in the file too, so that the loader can map the image from the
# file as it stands: the media in the resources then take memory only as far as they are read.
# With the linker's default 512-byte alignment Wine reads the whole file in. The symbol table
# and the debugging sections of the static runtime (some 2 MB) are left out (-s); a build for
# finding where the program spends its calls keeps them (-DTIKORA_STRIP=OFF), so that the relay
# trace's return addresses can be named.
option(TIKORA_STRIP "Leave the symbol table out of tikora.exe" ON)
target_link_options(tikora PRIVATE -municode -Wl,--file-alignment,4096)
if(TIKORA_STRIP)
  target_link_options(tikora PRIVATE -s)
endif()
target_include_directories(tikora PRIVATE ${CMAKE_BINARY_DIR}/generated)
set_source_files_properties(resources/tikora.rc PROPERTIES OBJECT_DEPENDS "${TIKORA_MEDIA_STAMPS};${CMAKE_SOURCE_DIR}/resources/tikora.manifest")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${TIKORA_MEDIA_DIR} -I${CMAKE_SOURCE_DIR}/resources -I${CMAKE_BINARY_DIR}/generated")
add_dependencies(tikora media)
set_target_properties(tikora PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# GoogleTest compiled from Debian's sources.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

file(GLOB TIKORA_WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp)
if(TIKORA_WIN32_TEST_SOURCES)
  # The in-memory fakes, for tests that run the real windows on a simulated clock.
  file(GLOB TIKORA_FAKE_SOURCES CONFIGURE_DEPENDS platform/fake/*.cpp)
  add_library(tikora_platform_fake STATIC ${TIKORA_FAKE_SOURCES})
  target_link_libraries(tikora_platform_fake PUBLIC tikora_platform)
  add_executable(win32_tests ${TIKORA_WIN32_TEST_SOURCES})
  target_link_libraries(win32_tests PRIVATE tikora_ui_win32 tikora_platform_fake gtest gmock gtest_main)
  target_compile_definitions(win32_tests PRIVATE TIKORA_EXE_NAME=L"tikora.exe"
    TIKORA_FEEDS_DIR="Z:${CMAKE_SOURCE_DIR}/tests/data/feeds" TIKORA_MEDIA_DIR="Z:${TIKORA_MEDIA_DIR}")
  # The fetch tests serve their feeds from a loopback server of their own.
  target_link_libraries(win32_tests PRIVATE ws2_32)
  # The list of required resource names, compiled into the resource test.
  file(READ ${CMAKE_SOURCE_DIR}/resources/resource_names.txt TIKORA_RESOURCE_NAMES)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/resource_names.txt)
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/resource_names.h
    CONTENT "#pragma once\ninline constexpr char kResourceNames[] = R\"names(@TIKORA_RESOURCE_NAMES@)names\";\n" @ONLY)
  target_include_directories(win32_tests PRIVATE ${CMAKE_BINARY_DIR}/generated)
  add_dependencies(win32_tests tikora)
  add_test(NAME win32_tests
    COMMAND win32_tests --gtest_output=xml:results/win32_tests.xml
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

# End-to-end driver used by tests/e2e.
file(GLOB TIKORA_DRIVER_SOURCES CONFIGURE_DEPENDS tools/driver/*.cpp)
if(TIKORA_DRIVER_SOURCES)
  add_executable(tikodrv ${TIKORA_DRIVER_SOURCES})
  target_link_libraries(tikodrv PRIVATE ${TIKORA_WIN32_LIBS})
  target_link_options(tikodrv PRIVATE -municode)
  set_target_properties(tikodrv PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()

# The floor the clock's cost at rest is measured against (scripts/bench-rest).
add_executable(tikora_floor WIN32 tools/floor/floor.cpp)
target_link_options(tikora_floor PRIVATE -municode)
target_link_libraries(tikora_floor PRIVATE user32 gdi32)
set_target_properties(tikora_floor PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# What the media cost: tikora.exe's size by part, a frame's decoding and the face's rebuild
# after a frame change, on the real executable (run by scripts/bench-rest).
add_executable(media_bench bench/win32/media_bench.cpp)
target_link_libraries(media_bench PRIVATE tikora_ui_win32)
target_link_options(media_bench PRIVATE -municode)
add_dependencies(media_bench tikora)
set_target_properties(media_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
