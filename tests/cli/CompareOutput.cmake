# Runs `quorvel filter SCHEME [OPTION]` and fails unless it exits 0 printing EXPECTED.
execute_process(COMMAND ${RUNNER} filter ${SCHEME} ${OPTION}
                OUTPUT_VARIABLE printed ERROR_VARIABLE complaint RESULT_VARIABLE code)
file(READ ${EXPECTED} expected)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "quorvel filter ${SCHEME} exited ${code}: ${complaint}")
endif()
if(NOT printed STREQUAL expected)
  message(FATAL_ERROR "quorvel filter ${SCHEME} printed:\n${printed}\nexpected:\n${expected}")
endif()
