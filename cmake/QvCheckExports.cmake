# cmake -DNM=nm -DMODULE=file.so -DEXPECTED=symbol[;symbol...] -P QvCheckExports.cmake
# Fails unless the symbols the shared object defines in its dynamic symbol
# table are exactly EXPECTED.
execute_process(COMMAND ${NM} -D --defined-only ${MODULE}
                OUTPUT_VARIABLE table RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} could not read ${MODULE}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${table}")
set(names "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^.* " "" symbol "${line}")
  list(APPEND names ${symbol})
endforeach()
list(SORT names)
set(expected ${EXPECTED})
list(SORT expected)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "${MODULE} exports [${names}], expected only [${expected}]")
endif()
