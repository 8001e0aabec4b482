# cmake -DDESIGNER=… -DPICTURES=… -DCHECKED_IN=… -DOUTPUT=… -P CheckFormCurrent.cmake
# Designs the form again and compares it with the one checked in.
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${DESIGNER} ${OUTPUT} ${PICTURES}
  RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "demo-design-form failed (${result}): ${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${CHECKED_IN} ${OUTPUT} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${CHECKED_IN} is not what demo/design/FormDesign.cpp makes now (${OUTPUT}); "
                      "run: build/bin/demo-design-form demo/frmMain.json")
endif()
