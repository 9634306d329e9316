# Runs `quorvel filter SCHEME [OPTION]`, or `quorvel ARGS` (arguments joined by
# "|"), and fails unless it exits 0 printing EXPECTED; with README given, also
# unless README shows EXPECTED word for word.
if(DEFINED ARGS)
  string(REPLACE "|" ";" arguments "${ARGS}")
else()
  set(arguments filter ${SCHEME} ${OPTION})
endif()
execute_process(COMMAND ${RUNNER} ${arguments}
                OUTPUT_VARIABLE printed ERROR_VARIABLE complaint RESULT_VARIABLE code)
file(READ ${EXPECTED} expected)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "quorvel ${arguments} exited ${code}: ${complaint}")
endif()
if(NOT printed STREQUAL expected)
  message(FATAL_ERROR "quorvel ${arguments} printed:\n${printed}\nexpected:\n${expected}")
endif()
if(DEFINED README)
  file(READ ${README} readme)
  string(FIND "${readme}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${README} does not show what quorvel ${arguments} prints:\n${expected}")
  endif()
endif()
