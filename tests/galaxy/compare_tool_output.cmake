# Runs TOOL with the ';'-separated ARGS and compares its standard output with
# the file EXPECTED, byte for byte; the exit code must be 0.
separate_arguments(tool_args UNIX_COMMAND "${ARGS}")
execute_process(COMMAND ${TOOL} ${tool_args}
                OUTPUT_VARIABLE actual
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} ${ARGS} exited with ${status}: ${errors}")
endif()
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output of ${TOOL} ${ARGS} differs from ${EXPECTED}:\n--- actual\n${actual}--- expected\n${expected}")
endif()
