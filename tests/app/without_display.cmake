# Without a display, or with a platform plugin that cannot be used, the program says so in one
# line and exits with status 1 instead of aborting.
function(expect_refusal why)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          --unset=QT_QPA_PLATFORM ${ARGN}
                  ${APP} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out TIMEOUT 30)
  if(NOT rc EQUAL 1)
    message(FATAL_ERROR "${why}: exit status ${rc}, not 1: ${err}")
  endif()
  string(STRIP "${err}" err)
  if(NOT err MATCHES "^cannot open a window: [^\n]+$")
    message(FATAL_ERROR "${why}: not one clear line: '${err}'")
  endif()
endfunction()
expect_refusal("no display")
expect_refusal("no display, xcb asked for" QT_QPA_PLATFORM=xcb)
expect_refusal("a platform that does not exist" QT_QPA_PLATFORM=nowhere)
