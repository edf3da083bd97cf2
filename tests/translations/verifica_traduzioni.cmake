# Every text of the interface has its translation: lrelease must report no
# unfinished and no untranslated entry in any translation file.
# Called with -DLRELEASE=<lrelease> -DTS="<file>;<file>..." -DUSCITA=<folder>.
set(errori "")
foreach(ts ${TS})
  get_filename_component(nome ${ts} NAME_WE)
  execute_process(COMMAND ${LRELEASE} ${ts} -qm ${USCITA}/${nome}.qm
                  OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita RESULT_VARIABLE esito)
  if(NOT esito EQUAL 0)
    string(APPEND errori "${nome}: lrelease failed\n${uscita}\n")
  elseif(NOT uscita MATCHES "and 0 unfinished\\)" OR uscita MATCHES "untranslated")
    string(APPEND errori "${nome}: ${uscita}\n")
  endif()
endforeach()
if(errori)
  message(FATAL_ERROR "Translations not complete:\n${errori}")
endif()
message(STATUS "All translations complete")
