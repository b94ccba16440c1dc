# Shows velkord at work on the files beside this script: run by the target
# `examples` (cmake --build BUILD --target examples), which passes VELKORD
# (the program), SOURCE (this folder) and WORK (a folder of the build's own,
# made anew each time, where every output goes).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${SOURCE}/guess.bas" "${SOURCE}/note.txt" "${SOURCE}/chars.bin"
     DESTINATION "${WORK}")

# run(ARGS...): shows the command as a user types it, then runs it there.
function(run)
  string(REPLACE ";" " " shown "${ARGN}")
  message("\n$ velkord ${shown}")
  execute_process(COMMAND "${VELKORD}" ${ARGN} WORKING_DIRECTORY "${WORK}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "velkord ${shown} failed")
  endif()
endfunction()

message("The examples, in ${WORK}:")
# A TEXT file for the HP-71B, and its header.
run(note.txt NOTE /t)
run(NOTE /i)
# A new disk image with the three examples on it, and its catalog.
run(DEMO.LIF /n)
run(guess.bas DEMO.LIF/GUESS /basic)
run(note.txt DEMO.LIF /t)
run(chars.bin DEMO.LIF/CHARS /b)
run(DEMO.LIF /i)
# The program read back from the disk, listed as the HP-71B lists it.
run(DEMO.LIF/GUESS - /x /t)
