# Runs one driver script and compares what it prints with the expected output.
# The script's first line names its seed ("# seed: N"), and the option
# "--annunci" when the script prints what is told by ear too; the *.qnt files kept
# beside the scripts are copied into a fresh working folder first. Without a
# script, ARGOMENTI are the whole command line of the program (the arena's
# step-by-step hand).
file(REMOVE_RECURSE ${CARTELLA})
file(MAKE_DIRECTORY ${CARTELLA})
if(COPIONE)
  get_filename_component(sorgente ${COPIONE} DIRECTORY)
  file(GLOB partite ${sorgente}/*.qnt)
  if(partite)
    file(COPY ${partite} DESTINATION ${CARTELLA})
  endif()
  file(STRINGS ${COPIONE} prima LIMIT_COUNT 1)
  string(REGEX MATCH "seed: *([0-9]+)" _ "${prima}")
  set(seme ${CMAKE_MATCH_1})
  set(opzioni)
  if(prima MATCHES "--annunci")
    set(opzioni --annunci)
  endif()
  execute_process(COMMAND ${DRIVER} --seed ${seme} ${opzioni} ${COPIONE}
    WORKING_DIRECTORY ${CARTELLA}
    OUTPUT_FILE ${CARTELLA}/uscita.txt
    RESULT_VARIABLE esito)
else()
  string(REPLACE " " ";" argomenti "${ARGOMENTI}")
  execute_process(COMMAND ${DRIVER} ${argomenti} OUTPUT_FILE ${CARTELLA}/uscita.txt
    RESULT_VARIABLE esito)
endif()
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "the driver exited with ${esito}")
endif()
if(AGGIORNA)
  file(COPY_FILE ${CARTELLA}/uscita.txt ${ATTESO})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${CARTELLA}/uscita.txt ${ATTESO}
  RESULT_VARIABLE diverso)
if(diverso)
  execute_process(COMMAND diff -u ${ATTESO} ${CARTELLA}/uscita.txt)
  message(FATAL_ERROR "the output differs from ${ATTESO}")
endif()
