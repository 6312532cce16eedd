# Runs the demo generator into a fresh folder and fails unless it writes exactly the committed
# demo files, byte for byte. Called by CTest with GENERATOR, OUTPUT and COMMITTED set, and
# EMULATOR when the generator is built for another system.
set(demo_files PSR-2000.dat TYROS.dat demo.mfd)

file(REMOVE_RECURSE "${OUTPUT}")
file(MAKE_DIRECTORY "${OUTPUT}")
execute_process(COMMAND ${EMULATOR} "${GENERATOR}" "${OUTPUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "quillory-make-demo failed (${status})")
endif()

file(GLOB written RELATIVE "${OUTPUT}" "${OUTPUT}/*")
list(SORT written)
if(NOT written STREQUAL demo_files)
  message(FATAL_ERROR "quillory-make-demo wrote '${written}', expected '${demo_files}'")
endif()
foreach(name IN LISTS demo_files)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}/${name}"
                          "${COMMITTED}/${name}" RESULT_VARIABLE different)
  if(NOT different EQUAL 0)
    message(SEND_ERROR "examples/${name} is not what quillory-make-demo writes; "
                       "regenerate it as examples/README.md says")
  endif()
endforeach()
