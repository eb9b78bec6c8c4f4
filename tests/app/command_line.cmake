# The program's own options answer without a window, anywhere; Qt's options pass; anything
# else is one clear error with exit status 2.
function(expect status pattern)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          ${APP} ${ARGN}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  if(NOT rc EQUAL status OR NOT "${out}${err}" MATCHES "${pattern}")
    message(FATAL_ERROR "${ARGN}: exit ${rc} (wanted ${status}), printed '${out}${err}'")
  endif()
endfunction()
expect(0 "^final-table-holdem ${VERSION}\n$" --version)
expect(0 "^Usage: final-table-holdem" --help)
expect(0 "^final-table-holdem ${VERSION}\n$" -platform offscreen -style=Fusion -reverse -v)
expect(2 "^final-table-holdem: unknown option '--bogus'\n[^\n]+\n$" --bogus)
expect(2 "needs a value" -platform)
expect(2 "unexpected argument 'cards'" cards)
