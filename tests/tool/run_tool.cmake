# Runs the uiutil tool once and checks what it did:
#   cmake -DTOOL=path [-DEMULATOR=wine] -DARGS=a@@b@@c -DRC=n
#         [-DOUT=regex] [-DNOT_OUT=regex] [-DERR=regex] [-DSCRATCH=dir]
#         -P run_tool.cmake
# ARGS holds the arguments separated by @@. OUT and ERR must match standard
# output and standard error, NOT_OUT must not match standard output. With
# SCRATCH, the tool runs with that (emptied) folder as its temporary
# directory, which must hold nothing of the tool's afterwards.
string(REPLACE "@@" ";" arguments "${ARGS}")
if(SCRATCH)
  file(REMOVE_RECURSE ${SCRATCH})
  file(MAKE_DIRECTORY ${SCRATCH})
  set(ENV{TMPDIR} ${SCRATCH})
  set(ENV{TMP} ${SCRATCH})
  set(ENV{TEMP} ${SCRATCH})
endif()
execute_process(COMMAND ${EMULATOR} ${TOOL} ${arguments}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(failures "")
if(NOT rc STREQUAL RC)
  string(APPEND failures "exit code ${rc}, expected ${RC}\n")
endif()
if(DEFINED OUT AND NOT out MATCHES "${OUT}")
  string(APPEND failures "standard output does not match: ${OUT}\n")
endif()
if(DEFINED NOT_OUT AND out MATCHES "${NOT_OUT}")
  string(APPEND failures "standard output matches what it must not: ${NOT_OUT}\n")
endif()
if(DEFINED ERR AND NOT err MATCHES "${ERR}")
  string(APPEND failures "standard error does not match: ${ERR}\n")
endif()
if(SCRATCH)
  # (Only the tool's own: an emulator may keep files of its own there.)
  file(GLOB left ${SCRATCH}/uiutil*)
  if(left)
    string(APPEND failures "left behind in the temporary directory: ${left}\n")
  endif()
endif()
if(failures)
  message(FATAL_ERROR "uiutil ${arguments}\n${failures}--- standard output:\n${out}--- standard error:\n${err}")
endif()
