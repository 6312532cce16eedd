# Sends every instrument's records through LibreOffice Calc as a user would: quillory-cli list
# exports them, Calc opens the text (tab-separated) and saves it again as tab-separated text with
# every text cell quoted, once in Windows-1252 and once in UTF-8; quillory-cli import reads it
# into a file without records. The imported file must list the same records and hold the same
# record bytes. Called by CTest with CLI, GENERATOR, SOFFICE and OUTPUT set.
file(REMOVE_RECURSE "${OUTPUT}")
file(MAKE_DIRECTORY "${OUTPUT}/files" "${OUTPUT}/exported")
execute_process(COMMAND "${GENERATOR}" "${OUTPUT}/files" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "quillory-make-exchange-files failed (${status})")
endif()

function(run_cli)
  execute_process(COMMAND "${CLI}" ${ARGN} --styles "${OUTPUT}/files" RESULT_VARIABLE status
                  ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "quillory-cli ${ARGN}: exit ${status}: ${errors}")
  endif()
endfunction()

file(GLOB tables RELATIVE "${OUTPUT}/files" "${OUTPUT}/files/*.dat")
set(exported "")
foreach(table IN LISTS tables)
  string(REGEX REPLACE "\\.dat$" "" id "${table}")
  list(APPEND ids "${id}")
  run_cli(list "${OUTPUT}/files/${id}.mfd" -o "${OUTPUT}/exported/${id}.txt")
  list(APPEND exported "${OUTPUT}/exported/${id}.txt")
endforeach()

# Calc's CSV filter options: tab (9) separates, the double quote (34) quotes, the character set
# (1 Windows-1252, 76 UTF-8), the first line; on saving, every text cell is quoted.
foreach(charset 1 76)
  set(saved "${OUTPUT}/saved-${charset}")
  execute_process(
    COMMAND "${SOFFICE}" "-env:UserInstallation=file://${OUTPUT}/profile" --headless
            "--infilter=Text - txt - csv (StarCalc):9,34,1,1"
            --convert-to "txt:Text - txt - csv (StarCalc):9,34,${charset},1,,0,true"
            --outdir "${saved}" ${exported}
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  foreach(id IN LISTS ids)
    if(NOT status EQUAL 0 OR NOT EXISTS "${saved}/${id}.txt")
      message(FATAL_ERROR "LibreOffice did not save ${id}.txt (${status})")
    endif()
    run_cli(import "${OUTPUT}/files/${id}-empty.mfd" "${saved}/${id}.txt"
            -o "${saved}/${id}.mfd")
    run_cli(list "${saved}/${id}.mfd" -o "${saved}/${id}-list.txt")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${saved}/${id}-list.txt"
                            "${OUTPUT}/exported/${id}.txt" RESULT_VARIABLE listDiffers)
    file(READ "${OUTPUT}/files/${id}.mfd" before OFFSET 38 HEX)
    file(READ "${saved}/${id}.mfd" after OFFSET 38 HEX)
    if(NOT listDiffers EQUAL 0 OR NOT before STREQUAL after)
      message(SEND_ERROR "${id} through Calc (character set ${charset}) gives other records")
    endif()
  endforeach()
endforeach()
