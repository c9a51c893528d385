cmake_minimum_required(VERSION 3.25)
# Checks every #include of src/ and apps/ against src/layers.txt: a file of a layer may
# include headers of its own folder and of the layers its row names, nothing else; the
# executables in apps/ include only the two top layers, driver and objdump. Every folder
# of src/ must be a layer. Run as: cmake -DSOURCE_DIR=<checkout> -P checkIncludes.cmake
include(${SOURCE_DIR}/cmake/Layers.cmake)
zorlan_read_layers(${SOURCE_DIR}/src/layers.txt layers)

set(problems "")
file(GLOB folders LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*)
foreach(folder ${folders})
    if(IS_DIRECTORY ${SOURCE_DIR}/src/${folder} AND NOT folder IN_LIST layers)
        list(APPEND problems "src/${folder} is not a layer of src/layers.txt")
    endif()
endforeach()

# Checks the includes of `files` (relative to the checkout) against the allowed folders.
function(check_files files allowed what)
    foreach(path ${files})
        file(STRINGS ${SOURCE_DIR}/${path} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-zA-Z_]+/")
        foreach(line ${includes})
            string(REGEX MATCH "\"([a-zA-Z_]+)/([^\"]*)\"" matched "${line}")
            set(folder ${CMAKE_MATCH_1})
            if(IS_DIRECTORY ${SOURCE_DIR}/src/${folder} AND NOT folder IN_LIST allowed)
                list(APPEND problems "${path}: includes ${CMAKE_MATCH_1}/${CMAKE_MATCH_2}, but ${what}")
            endif()
        endforeach()
    endforeach()
    set(problems "${problems}" PARENT_SCOPE)
endfunction()

foreach(layer ${layers})
    file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/src/${layer}/*.cpp ${SOURCE_DIR}/src/${layer}/*.h
         ${SOURCE_DIR}/src/${layer}/*.def)
    set(allowed ${layer} ${ZORLAN_LAYER_USES_${layer}})
    string(REPLACE ";" " " uses "${ZORLAN_LAYER_USES_${layer}}")
    check_files("${files}" "${allowed}" "${layer} builds only on: ${uses}")
endforeach()

file(GLOB app_files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/apps/*.cpp)
check_files("${app_files}" "driver;objdump" "the executables stand on the driver and objdump layers only")

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Includes that go against src/layers.txt:\n  ${text}")
endif()
list(LENGTH layers count)
message(STATUS "${count} layers; every include goes down")
