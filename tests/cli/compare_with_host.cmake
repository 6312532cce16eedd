# Runs this build's quillory-cli (CLI, under EMULATOR) and the one built for the building
# machine (HOST_CLI) on the demo files in EXAMPLES, under file names with non-ASCII letters,
# and fails unless both open the file and write the same bytes for a conversion, a list and an
# import. Called by CTest with CLI, EMULATOR, HOST_CLI, EXAMPLES and OUTPUT set.
file(REMOVE_RECURSE "${OUTPUT}")
file(MAKE_DIRECTORY "${OUTPUT}")
set(songs "${OUTPUT}/Müller Lieder.mfd")
file(COPY_FILE "${EXAMPLES}/demo.mfd" "${songs}")

set(written "Müller Lieder TYROS.mfd" "Müller Lieder.txt" "Müller Lieder importiert.mfd"
            ImportLog.txt)

function(run build)
  set(out "${OUTPUT}/${build}")
  file(MAKE_DIRECTORY "${out}")
  set(commands
      "convert|${songs}|--to|TYROS|-o|${out}/Müller Lieder TYROS.mfd|--log|${out}/ExportLog.txt"
      "list|${songs}|-o|${out}/Müller Lieder.txt"
      "import|${songs}|${out}/Müller Lieder.txt|-o|${out}/Müller Lieder importiert.mfd|--log|${out}/ImportLog.txt")
  foreach(command IN LISTS commands)
    string(REPLACE "|" ";" arguments "${command}")
    execute_process(COMMAND ${ARGN} ${arguments} --styles "${EXAMPLES}"
                    RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${build}: quillory-cli ${command} failed (${status}): ${errors}")
    endif()
  endforeach()
endfunction()

run(host "${HOST_CLI}")
run(windows ${EMULATOR} "${CLI}")

foreach(name IN LISTS written)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}/host/${name}"
                          "${OUTPUT}/windows/${name}" RESULT_VARIABLE different)
  if(NOT different EQUAL 0)
    message(SEND_ERROR "${name} differs between the host and the Windows build")
  endif()
endforeach()

# The conversion log's first line ends with the time it was written.
foreach(build host windows)
  file(READ "${OUTPUT}/${build}/ExportLog.txt" log)
  string(FIND "${log}" "\n" firstLineEnd)
  string(SUBSTRING "${log}" ${firstLineEnd} -1 log_${build})
endforeach()
if(NOT log_host STREQUAL log_windows OR log_host STREQUAL "")
  message(SEND_ERROR "ExportLog.txt differs between the host and the Windows build")
endif()
