# One golden test of a zorlan-objdump view:
#   cmake -DZORLAN=<exe> -DOBJDUMP=<exe> -DSOURCE=<x.asm> -DVIEW=<view> -DEXPECTED=<file> -DWORK=<dir>
#         -P compare_view.cmake
# assembles SOURCE (with the words of its "#@args" comments) into WORK, runs the view on
# the object from inside WORK (so the object is named without a directory) and compares
# the standard output with EXPECTED.
set(options_f "-f")
set(options_h "-h")
set(options_t "-t")
set(options_r "-r")
set(options_d "-d")
set(options_d-z "-dz")
set(options_d-no-raw "-d" "--no-show-raw-insn")
set(options_s "-s")
# -j chooses the sections of -s, -d and -r alike (-r: by the section relocated too).
set(options_j-text "-r" "-s" "-d" "-j" ".text")
set(options_j-data "-r" "-s" "-d" "--section=.data")
set(options_reassemble "--reassemble")
set(options_debug-line "--debug=line")
set(options_debug-info "--debug=info")
set(options_debug-reloc "--debug=reloc")
if(NOT DEFINED options_${VIEW})
    message(FATAL_ERROR "unknown view '${VIEW}'")
endif()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(stem "${SOURCE}" NAME_WE)
get_filename_component(sourceDir "${SOURCE}" DIRECTORY)

set(args "")
file(STRINGS "${SOURCE}" argLines REGEX "#@args ")
foreach(line IN LISTS argLines)
    string(REGEX REPLACE ".*#@args " "" words "${line}")
    separate_arguments(words UNIX_COMMAND "${words}")
    list(APPEND args ${words})
endforeach()

execute_process(COMMAND "${ZORLAN}" ${args} -o "${WORK}/${stem}.obj" "${SOURCE}"
                WORKING_DIRECTORY "${sourceDir}" RESULT_VARIABLE assembled OUTPUT_VARIABLE listing)
if(NOT assembled EQUAL 0)
    message(FATAL_ERROR "assembling ${SOURCE} failed (${assembled}):\n${listing}")
endif()

execute_process(COMMAND "${OBJDUMP}" ${options_${VIEW}} "${stem}.obj"
                WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE status OUTPUT_VARIABLE actual ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "zorlan-objdump ${options_${VIEW}} exited with ${status}:\n${errors}")
endif()
file(READ "${EXPECTED}" expected)
if(NOT actual STREQUAL expected)
    file(WRITE "${WORK}/actual.txt" "${actual}")
    message(FATAL_ERROR "the ${VIEW} view differs from ${EXPECTED}; the output is in ${WORK}/actual.txt:\n${actual}")
endif()
