# Runs one scripting-host test and compares what it did with what it must do.
#
# A test script (SCRIPT, with DATA and WORK): the script and the data folder
# are copied into the fresh folder WORK and the script runs there by its
# file name, with the options of its "// args:" line (@GUARDED_LIBRARY@
# names the test control library) and the arguments of its
# "// script-args:" line. Its exit status must be that of its
# "// status:" line (0 without one), its standard output NAME.out beside
# it, its standard error NAME.err (empty without one).
#
# An example (SCRIPT, EXPECTED, SOURCE_DIR, WORK): runs from SOURCE_DIR as
# the documentation shows it, "vemmix-script [args] examples/scripts/NAME.js
# WORK"; its exit status, standard output (EXPECTED) and standard error
# (NAME.err beside EXPECTED, empty without one) are compared the same way,
# with the folder WORK written as OUT.
cmake_minimum_required(VERSION 3.25)

get_filename_component(name ${SCRIPT} NAME)
get_filename_component(stem ${SCRIPT} NAME_WE)
get_filename_component(folder ${SCRIPT} DIRECTORY)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

set(options)
set(script_args)
set(status 0)
set(expected_err "")
file(STRINGS ${SCRIPT} header LIMIT_COUNT 8 REGEX "^// (args|script-args|status): ")
foreach(line IN LISTS header)
  if(line MATCHES "^// args: (.*)$")
    string(REPLACE "@GUARDED_LIBRARY@" "${GUARDED_LIBRARY}" line "${CMAKE_MATCH_1}")
    separate_arguments(options UNIX_COMMAND "${line}")
  elseif(line MATCHES "^// script-args: (.*)$")
    separate_arguments(script_args UNIX_COMMAND "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^// status: ([0-9]+)$")
    set(status ${CMAKE_MATCH_1})
  endif()
endforeach()
if(DEFINED EXPECTED)
  file(RELATIVE_PATH command_script ${SOURCE_DIR} ${SCRIPT})
  set(directory ${SOURCE_DIR})
  set(script_args ${WORK})
  set(expected_files ${EXPECTED})
  string(REGEX REPLACE "\\.out$" ".err" expected_err_file ${EXPECTED})
else()
  file(COPY ${SCRIPT} DESTINATION ${WORK})
  file(COPY ${DATA} DESTINATION ${WORK})
  set(command_script ${name})
  set(directory ${WORK})
  set(expected_files ${folder}/${stem}.out)
  set(expected_err_file ${folder}/${stem}.err)
endif()
file(READ ${expected_files} expected_out)
if(EXISTS ${expected_err_file})
  file(READ ${expected_err_file} expected_err)
endif()

execute_process(
  COMMAND ${PROGRAM} ${options} ${command_script} ${script_args}
  WORKING_DIRECTORY ${directory}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  TIMEOUT 120)

# an example's output folder is named OUT in what it prints
if(DEFINED EXPECTED)
  string(REPLACE "${WORK}" "OUT" out "${out}")
  string(REPLACE "${WORK}" "OUT" err "${err}")
endif()

set(failed FALSE)
if(NOT "${result}" STREQUAL "${status}")
  message(SEND_ERROR "exit status ${result}, expected ${status}")
  set(failed TRUE)
endif()
if(NOT out STREQUAL expected_out)
  message(SEND_ERROR "standard output differs\n--- expected\n${expected_out}--- actual\n${out}---")
  set(failed TRUE)
endif()
if(NOT err STREQUAL expected_err)
  message(SEND_ERROR "standard error differs\n--- expected\n${expected_err}--- actual\n${err}---")
  set(failed TRUE)
endif()
if(failed)
  message(FATAL_ERROR "${name} (run in ${directory}) did not do what it must")
endif()
