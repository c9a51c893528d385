# Profile-guided optimisation of the release build (GCC).
#
# The scanner and the grammar are long chains of small decisions, and which of them are
# hot decides what the compiler inlines and lays out together. With ZORLAN_PGO=ON the
# build first builds an instrumented assembler in a build of its own (ZORLAN_PGO=GENERATE,
# under pgo/generate in the build folder), runs it on the benchmark's generated programs
# (bench/pgo_train.py), and compiles every object of this build with the profile it
# wrote. The profile is built again whenever the sources change, so it never goes stale.
# Without GCC or Python, the build goes on without a profile.
set(ZORLAN_PGO "OFF" CACHE STRING "Profile-guided optimisation: OFF, ON (train, then use), GENERATE (the training build)")
set_property(CACHE ZORLAN_PGO PROPERTY STRINGS OFF ON GENERATE)
set(ZORLAN_PGO_DATA "${CMAKE_BINARY_DIR}/pgo/data" CACHE PATH "Where the profile is written and read")

# Both builds name each object's profile by its path under their own build folder, so
# that the using build finds what the training build's objects wrote.
if(ZORLAN_PGO STREQUAL "GENERATE")
    set(ZORLAN_PGO_FLAGS -fprofile-generate=${ZORLAN_PGO_DATA} -fprofile-prefix-path=${CMAKE_BINARY_DIR}
                         -fprofile-update=single)
    add_compile_options(${ZORLAN_PGO_FLAGS})
    add_link_options(${ZORLAN_PGO_FLAGS})
elseif(ZORLAN_PGO STREQUAL "ON")
    find_package(Python3 COMPONENTS Interpreter)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU" OR NOT Python3_Interpreter_FOUND)
        message(STATUS "Profile-guided optimisation needs GCC and Python 3: building without it")
        set(ZORLAN_PGO "OFF")
    endif()
endif()

if(ZORLAN_PGO STREQUAL "ON")
    include(ExternalProject)
    set(trainingBuild ${CMAKE_BINARY_DIR}/pgo/generate)
    ExternalProject_Add(zorlan_pgo_instrumented
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${trainingBuild}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
                   -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
                   -DZORLAN_BUILD_TESTS=OFF
                   -DZORLAN_ASSEMBLE_EXAMPLE=OFF
                   -DZORLAN_PGO=GENERATE
                   -DZORLAN_PGO_DATA=${ZORLAN_PGO_DATA}
        BUILD_COMMAND ${CMAKE_COMMAND} --build ${trainingBuild} --target zorlan
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${trainingBuild}/zorlan)
    # A profile adds up every run that wrote it: each training starts from none, and from
    # no objects of an earlier training (replacing an object runs other code than writing
    # a new one), so that the same sources always give the same profile and executable.
    set(trained ${CMAKE_BINARY_DIR}/pgo/trained.stamp)
    add_custom_command(
        OUTPUT ${trained}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZORLAN_PGO_DATA} ${CMAKE_BINARY_DIR}/pgo/programs
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/bench/pgo_train.py ${trainingBuild}/zorlan
                ${CMAKE_BINARY_DIR}/pgo/programs
        COMMAND ${CMAKE_COMMAND} -E touch ${trained}
        DEPENDS zorlan_pgo_instrumented ${trainingBuild}/zorlan ${PROJECT_SOURCE_DIR}/bench/pgo_train.py
                ${PROJECT_SOURCE_DIR}/bench/bench.py
        COMMENT "Training the profile of the optimised build"
        VERBATIM)
    add_custom_target(zorlan_pgo_profile DEPENDS ${trained})
    # A missing profile is an object the training never ran (zorlan-objdump's).
    set(ZORLAN_PGO_FLAGS -fprofile-use=${ZORLAN_PGO_DATA} -fprofile-prefix-path=${CMAKE_BINARY_DIR}
                         -Wno-missing-profile)
    add_compile_options(${ZORLAN_PGO_FLAGS})
    add_link_options(${ZORLAN_PGO_FLAGS})
endif()

# Every object waits for the profile and is compiled again when it is trained again.
function(zorlan_use_profile target)
    if(ZORLAN_PGO STREQUAL "ON")
        add_dependencies(${target} zorlan_pgo_profile)
        get_target_property(sources ${target} SOURCES)
        set_source_files_properties(${sources} TARGET_DIRECTORY ${target} PROPERTIES OBJECT_DEPENDS
                                    ${CMAKE_BINARY_DIR}/pgo/trained.stamp)
    endif()
endfunction()
