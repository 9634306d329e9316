# Warnings every target of ours is built with; -Werror keeps them from piling up.
# GCC 12 reports std::string concatenation as overlapping memcpy in optimised
# builds (GCC bug 105329), a false alarm that would break release builds.
function(quorvel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
    $<$<CXX_COMPILER_ID:GNU>:-Wno-error=restrict -Wno-restrict>)
endfunction()

# A static library for one folder: its sources, its own include root, our warnings.
# The include root is the project root, so headers are included as "engine/CandidateTable.h".
function(quorvel_library target)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  quorvel_warnings(${target})
endfunction()

# A GoogleTest executable registered test by test with ctest.
function(quorvel_test target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  quorvel_warnings(${target})
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
endfunction()
