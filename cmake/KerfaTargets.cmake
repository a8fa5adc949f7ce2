include(GoogleTest)

# A switch over an enumeration that misses one of its values does not build.
set(KERFA_WARNINGS -Wall -Wextra -Wpedantic -Werror=switch)
# g++ 12 at -O2 reports overlapping copies of exabyte size inside std::string's operator+ (GCC
# bug 105329); the reports are false, so the check is left to the other compilers.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND KERFA_WARNINGS -Wno-restrict)
endif()

if(KERFA_SANITIZE)
  set(KERFA_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                            -fno-omit-frame-pointer)
  add_compile_options(${KERFA_SANITIZER_FLAGS})
  add_link_options(${KERFA_SANITIZER_FLAGS})
  # g++ 12 sees uninitialised std::string members inside std::variant moves once the sanitizers
  # reshape the inlined code; the reports are false and only appear in this build.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
endif()

# Tests of a target: every tests/**/*.cpp of the calling folder, one executable, each test
# registered with CTest.
function(kerfa_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  if(NOT KERFA_BUILD_TESTS)
    return()
  endif()
  file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  if(NOT tests)
    return()
  endif()
  add_executable(${name}_tests ${tests})
  target_compile_options(${name}_tests PRIVATE ${KERFA_WARNINGS})
  target_include_directories(${name}_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests
                                                   ${CMAKE_CURRENT_SOURCE_DIR}/src)
  # Fixtures are found through this path rather than __FILE__, which a compiler cache may
  # rewrite relative to the build folder.
  target_compile_definitions(${name}_tests PRIVATE KERFA_TESTS_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests"
                                                    KERFA_SOURCE_ROOT="${PROJECT_SOURCE_DIR}")
  target_link_libraries(${name}_tests PRIVATE ${name} ${ARG_DEPS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name}_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# kerfa_library(NAME [DEPS ...] [TEST_DEPS ...]): a static library from src/**/*.cpp with its
# public headers under include/, and its tests.
function(kerfa_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;TEST_DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include
                                     PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${KERFA_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  kerfa_tests(${name} DEPS ${ARG_TEST_DEPS})
endfunction()

# kerfa_executable(NAME MAIN file.cpp [DEPS ...]): a program from one entry file.
function(kerfa_executable name)
  cmake_parse_arguments(ARG "" "MAIN" "DEPS" ${ARGN})
  add_executable(${name} ${ARG_MAIN})
  target_compile_options(${name} PRIVATE ${KERFA_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  # Packed relative relocations keep the program position-independent, so its addresses stay
  # randomised, at nearly the start-up cost of a position-dependent one.
  target_link_options(${name} PRIVATE -pie -Wl,-z,pack-relative-relocs)
endfunction()
