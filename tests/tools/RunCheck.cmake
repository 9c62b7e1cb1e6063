# Runs virelune-check with ARGS ("|"-separated) in WORKDIR; its standard output must equal the
# file EXPECTED and its exit status STATUS. A usage error must also print the usage on stderr.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${TOOL} ${args}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${EXPECTED} want)
if(NOT rc STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${rc}, expected ${STATUS}\n${out}${err}")
endif()
if(NOT out STREQUAL want)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${out}")
endif()
if(STATUS EQUAL 2 AND NOT err MATCHES "usage: virelune-check")
  message(FATAL_ERROR "no usage line on stderr:\n${err}")
endif()
