cmake_minimum_required(VERSION 3.25)
# Lists the symbols of the layer libraries that live in writable data or bss (nm types b,
# B, d and D), apart from what the compiler itself keeps there (vtables, typeinfo, guard
# variables of function-local statics). Everything a run changes belongs to its run
# context, and read-only tables are constant data, so the list must be empty.
# Run as: cmake -DNM=<nm> -DLIBRARIES=<a;b;...> -P checkNoMutableData.cmake
set(problems "")
foreach(library ${LIBRARIES})
    execute_process(COMMAND ${NM} -C --defined-only ${library} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${NM} failed on ${library}")
    endif()
    string(REPLACE "\n" ";" lines "${listing}")
    foreach(line ${lines})
        if(line MATCHES "^[0-9a-f]+ [bBdD] (.*)$")
            set(name "${CMAKE_MATCH_1}")
            if(NOT name MATCHES "^(vtable for|typeinfo for|typeinfo name for|guard variable for)")
                get_filename_component(base ${library} NAME)
                list(APPEND problems "${base}: ${line}")
            endif()
        endif()
    endforeach()
endforeach()
if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Writable data in the libraries:\n  ${text}")
endif()
list(LENGTH LIBRARIES count)
message(STATUS "${count} libraries, no writable data")
