# cmake -DNM= -DDLLTOOL= -DIMPORT_LIB= -DDLL= -DOUT= [-DUNDERSCORED=ON] -P make_delay_lib.cmake
# Writes a delay-import library for DLL that imports every function that the
# import library IMPORT_LIB imports. On 32-bit x86 the symbols carry a leading
# underscore, which dlltool adds back itself, and an @n suffix, which stays in
# the symbol and leaves the imported name (--kill-at).
execute_process(COMMAND ${NM} ${IMPORT_LIB} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} could not read ${IMPORT_LIB}")
endif()
string(REGEX MATCHALL " I __imp__?[A-Za-z0-9_@?$]+" imports "${symbols}")
set(names "")
foreach(import IN LISTS imports)
  string(REGEX REPLACE " I __imp_" "" name "${import}")
  if(UNDERSCORED)
    string(REGEX REPLACE "^_" "" name "${name}")
  endif()
  list(APPEND names "${name}")
endforeach()
list(REMOVE_DUPLICATES names)
list(LENGTH names count)
if(count EQUAL 0)
  message(FATAL_ERROR "no imports found in ${IMPORT_LIB}")
endif()
get_filename_component(dir ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
list(JOIN names "\n" lines)
file(WRITE ${OUT}.def "LIBRARY ${DLL}\nEXPORTS\n${lines}\n")
execute_process(COMMAND ${DLLTOOL} --kill-at --input-def ${OUT}.def --dllname ${DLL} --output-delaylib ${OUT}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${DLLTOOL} could not write ${OUT}")
endif()
