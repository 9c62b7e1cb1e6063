# Runs virelune-check with ARGS ("|"-separated) in WORKDIR; its standard output must equal the
# file EXPECTED and its exit status STATUS. A usage error must also print the usage on stderr.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${TOOL} ${args}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${EXPECTED} want)
# Any shortest solution will do: each "optimum: N SOLUTION" must have N moves (the checker has
# played it with the game's rules already), and the expected file shows it as <solution>.
string(REGEX MATCHALL "optimum: [0-9]+ [0-9A-Za-z]+" solved "${out}")
foreach(line IN LISTS solved)
  string(REGEX REPLACE "optimum: ([0-9]+) ([0-9A-Za-z]+)" "\\1;\\2" parts "${line}")
  list(GET parts 0 moves)
  list(GET parts 1 solution)
  string(LENGTH "${solution}" length)
  math(EXPR expected "2 * ${moves}")
  if(NOT length EQUAL expected)
    message(FATAL_ERROR "solution of the wrong length: ${line}")
  endif()
endforeach()
string(REGEX REPLACE "optimum: ([0-9]+) [0-9A-Za-z]+" "optimum: \\1 <solution>" out "${out}")
if(NOT rc STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${rc}, expected ${STATUS}\n${out}${err}")
endif()
if(NOT out STREQUAL want)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${out}")
endif()
if(STATUS EQUAL 2 AND NOT err MATCHES "usage: virelune-check")
  message(FATAL_ERROR "no usage line on stderr:\n${err}")
endif()
