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
  set_property(GLOBAL APPEND PROPERTY QUORVEL_LIBRARIES ${target})
endfunction()

# Registers the test that keeps each folder to its floor. Since every library
# sees the whole include root, the floors are taken from the link graph: a
# folder may include the folders of the libraries it links, directly or
# through others. Call it once every library is defined.
function(quorvel_include_floor_check)
  get_property(libraries GLOBAL PROPERTY QUORVEL_LIBRARIES)
  set(floors "")
  foreach(library IN LISTS libraries)
    set(reached ${library})
    set(queue ${library})
    while(queue)
      list(POP_FRONT queue current)
      get_target_property(links ${current} LINK_LIBRARIES)
      foreach(link IN LISTS links)
        if(link IN_LIST libraries AND NOT link IN_LIST reached)
          list(APPEND reached ${link})
          list(APPEND queue ${link})
        endif()
      endforeach()
    endwhile()
    set(folders "")
    foreach(target IN LISTS reached)
      get_target_property(folder ${target} SOURCE_DIR)
      file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${folder})
      list(APPEND folders ${folder})
    endforeach()
    list(REMOVE_DUPLICATES folders)
    list(JOIN folders " " line)
    string(APPEND floors "${line}\n")
  endforeach()
  file(WRITE ${PROJECT_BINARY_DIR}/include-floors.txt "${floors}")
  add_test(NAME IncludeFloors
           COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/check-include-floors.sh
                   ${PROJECT_BINARY_DIR}/include-floors.txt ${PROJECT_SOURCE_DIR})
endfunction()

# A GoogleTest executable registered test by test with ctest.
function(quorvel_test target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  quorvel_warnings(${target})
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
endfunction()

# A libFuzzer target fuzz_NAME built from NAME.cpp of the current folder and
# linked to the libraries given; its name goes to the list scripts/fuzz.sh
# runs, each with its seed corpus fuzz/corpus/NAME/.
set(QUORVEL_FUZZ_TARGET_LIST ${PROJECT_BINARY_DIR}/fuzz-targets.txt)
function(quorvel_fuzzer name)
  add_executable(fuzz_${name} ${name}.cpp)
  target_link_libraries(fuzz_${name} PRIVATE ${ARGN})
  target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  quorvel_warnings(fuzz_${name})
  set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  file(APPEND ${QUORVEL_FUZZ_TARGET_LIST} "${name}\n")
endfunction()
