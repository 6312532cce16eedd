# Runs both programs (CLI and GUI, under EMULATOR) with --version and --help and without any
# display: each must answer on its output and exit with 0.
foreach(run "${CLI}|--version|quillory-cli ${VERSION}\n"
            "${GUI}|--version|Quillory ${VERSION}\n"
            "${CLI}|-h|usage: quillory-cli info FILE..."
            "${GUI}|--help|Usage: ")
  string(REPLACE "|" ";" run "${run}")
  list(GET run 0 program)
  list(GET run 1 option)
  list(GET run 2 expected)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          --unset=QT_QPA_PLATFORM ${EMULATOR} ${program} ${option}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
  string(FIND "${out}" "${expected}" at)
  if(NOT status EQUAL 0 OR NOT at EQUAL 0)
    message(FATAL_ERROR "${program} ${option}: exit ${status}, output '${out}', errors '${errors}'")
  endif()
endforeach()
