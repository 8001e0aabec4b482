# Compares the dynamic symbols libvemmix.so defines with the list of the
# public API checked in beside this script. A symbol that appears or goes
# away is a change of the library's interface: update the list on purpose.
#   cmake -DLIBRARY=<libvemmix.so> -DEXPECTED=<list> [-DUPDATE=ON] -P CheckExports.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND nm -D --defined-only -C ${LIBRARY}
  OUTPUT_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${output}")
set(symbols "")
foreach(line ${lines})
  # "<address> <type> <name>@@<version>": keep the name
  if(line MATCHES "^[0-9a-f]+ [A-Za-z] (.*)$")
    set(name "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "@@?VEMMIX_[0-9]+$" "" name "${name}")
    if(NOT name MATCHES "^VEMMIX_[0-9]+$")
      list(APPEND symbols "${name}")
    endif()
  endif()
endforeach()
list(REMOVE_DUPLICATES symbols)
list(SORT symbols)
list(JOIN symbols "\n" actual)
set(actual "${actual}\n")

if(UPDATE)
  file(WRITE ${EXPECTED} "${actual}")
  message(STATUS "wrote ${EXPECTED}")
  return()
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/exported-symbols.actual "${actual}")
  message(FATAL_ERROR "libvemmix.so exports another set of symbols than ${EXPECTED}; "
    "compare with ${CMAKE_CURRENT_BINARY_DIR}/exported-symbols.actual")
endif()
list(LENGTH symbols count)
message(STATUS "${count} exported symbols, as listed")
