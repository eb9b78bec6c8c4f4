# Runs the simulator twice on one seed; both runs must pass and print the same signature.
foreach(run 1 2)
  execute_process(COMMAND ${SIM} --hands 3000 --seed 17 --policy random
                  OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "holdem-sim failed: ${out}")
  endif()
  string(REGEX MATCH "signature=[0-9a-f]+" sig${run} "${out}")
endforeach()
if(NOT sig1 OR NOT sig1 STREQUAL sig2)
  message(FATAL_ERROR "signatures differ: '${sig1}' and '${sig2}'")
endif()
message(STATUS "replayed ${sig1}")
