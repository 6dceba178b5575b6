# Shared build settings: warnings for the project's own targets, sanitizers for the
# native build, static runtime and one output folder for the Windows build, and the
# test helpers used under tests/.

option(SLOTPAD_SANITIZE "Build native code with AddressSanitizer and UBSan" OFF)
option(SLOTPAD_FUZZ "Build only the libFuzzer targets (clang)" OFF)

if(SLOTPAD_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # Every Windows binary lands in build/<preset>/bin, and the C++ runtime is linked in
  # statically so that the binaries run on a bare Windows.
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Tests run through Wine in a prefix that belongs to this build tree.
  set(SLOTPAD_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run;${SLOTPAD_WINEPREFIX})
endif()

function(slotpad_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# slotpad_include_root(<target> <folder>)
# Gives <target> an include root of its own that holds only <folder> (a path below the
# source tree, included by that same path), so that a library sees its own headers and
# those of the libraries it links, and an include of a layer above it fails the build.
function(slotpad_include_root target folder)
  set(_root ${CMAKE_BINARY_DIR}/include-roots/${target})
  get_filename_component(_parent ${_root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${_parent})
  if(NOT EXISTS ${_root}/${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${_root}/${folder} SYMBOLIC)
  endif()
  get_target_property(_type ${target} TYPE)
  if(_type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${_root})
  else()
    target_include_directories(${target} PUBLIC ${_root})
  endif()
endfunction()

# nlohmann-json is header-only; the cross compilers must not see the rest of
# /usr/include, so they get a folder holding just that library.
add_library(nlohmann_json_headers INTERFACE)
if(WIN32)
  set(_json_dir ${CMAKE_BINARY_DIR}/third-party-include)
  file(MAKE_DIRECTORY ${_json_dir})
  file(CREATE_LINK /usr/include/nlohmann ${_json_dir}/nlohmann SYMBOLIC)
  target_include_directories(nlohmann_json_headers SYSTEM INTERFACE ${_json_dir})
endif()

# GoogleTest is built from Debian's sources with this build's own compiler and flags.
macro(slotpad_use_googletest)
  if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  endif()
endmacro()

# slotpad_gtest(NAME <name> SOURCES ... [LIBS ...])
# Natively each test case is its own CTest test; under Wine a test binary is one CTest
# test, so that each binary costs one Wine process start, not one per case.
function(slotpad_gtest)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  slotpad_use_googletest()
  add_executable(${T_NAME} ${T_SOURCES})
  slotpad_warnings(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  # Tests reach the fakes and fixtures of the whole tree.
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(WIN32)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_color=no)
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT})
  else()
    include(GoogleTest)
    gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT ${T_TIMEOUT})
  endif()
endfunction()
