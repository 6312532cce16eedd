# Runs quillory-cli (CLI, under EMULATOR) with an option its command does not take: it must exit
# with 2, write nothing to its output and name the problem, then the usage, on its error stream.
execute_process(COMMAND ${EMULATOR} ${CLI} info a.mfd --bogus
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
string(FIND "${errors}" "quillory-cli: unknown option '--bogus' for info\n\nusage: quillory-cli info"
       at)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT at EQUAL 0)
  message(FATAL_ERROR "exit ${status}, output '${out}', errors '${errors}'")
endif()
