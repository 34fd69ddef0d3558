# Fails unless the shared library LIB defines exactly the two functions the
# programs bind: GetTimes and GetSalaatTimings. Run with -DLIB=... -DNM=...
execute_process(COMMAND ${NM} -D --defined-only ${LIB}
    OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${LIB}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${out}")
set(names)
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^.* " "" name "${line}")
    list(APPEND names ${name})
endforeach()
list(SORT names)
if(NOT names STREQUAL "GetSalaatTimings;GetTimes")
    message(FATAL_ERROR "exports of ${LIB}: ${names}")
endif()
message(STATUS "exports of ${LIB}: ${names}")
