#!/usr/bin/env bash
# The rule that zorlan --MD writes, read by real build tools: a two-file project (a source
# and the file it includes, whose name holds a blank and a '$') is built with make, with
# Ninja and with CMake and Ninja. Built again with nothing changed, nothing is done; after
# the included file changes, the object is assembled again and holds the change.
#
#   depfile_rebuild.sh ZORLAN_EXECUTABLE
set -euo pipefail
zorlan=$(realpath "$1")
work=$(mktemp -d /tmp/zorlan-depfile-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
for tool in make cmake ninja; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (.ci/run installs it)"
done

included='inc/port defs$.inc'
# Dates files that many seconds back: $1 seconds, then the files. The project is dated
# back before its first build, the object after it, so that a change dated in between is
# newer than the object but not in the future, whatever the clock's resolution.
dated_back() {
    local seconds=$1
    shift
    touch -d "@$(($(date +%s) - seconds))" "$@"
}
# The project's two files, in directory $1.
write_sources() {
    mkdir -p "$1/inc"
    printf '        .INCLUDE "%s"\nstart:  OUTPORT LED $1\n        JUMP    start\n' "$included" >"$1/prog.asm"
    printf 'LED     .EQU    0x10\n' >"$1/$included"
    dated_back 100 "$1/prog.asm" "$1/$included"
}
# Changes the included file after the object ($2) was built.
change_included() {
    dated_back 50 "$2"
    printf 'LED     .EQU    0x11\n' >"$1/$included"
    dated_back 10 "$1/$included"
}
# The object the changed sources must give.
expected_object() {
    (cd "$1" && "$zorlan" -q -o "$work/expected.obj" prog.asm)
}

# --- make ---
project=$work/make
write_sources "$project"
cat >"$project/Makefile" <<MAKEFILE
prog.obj: prog.asm
	$zorlan -q --MD prog.d -o prog.obj prog.asm
-include prog.d
MAKEFILE
make -s -C "$project" >/dev/null || fail "make: the first build failed"
[ -f "$project/prog.obj" ] || fail "make: no object"
make -q -C "$project" || fail "make: rebuilds with nothing changed"
first=$(cat "$project/prog.obj" | od -An -tx1)
change_included "$project" "$project/prog.obj"
! make -q -C "$project" || fail "make: does not see the included file change"
make -s -C "$project" >/dev/null || fail "make: the second build failed"
expected_object "$project"
cmp -s "$project/prog.obj" "$work/expected.obj" || fail "make: the object was not assembled again"
[ "$first" != "$(od -An -tx1 "$project/prog.obj")" ] || fail "make: the change did not reach the object"
make -q -C "$project" || fail "make: rebuilds again after the rebuild"

# --- Ninja ---
project=$work/ninja
write_sources "$project"
cat >"$project/build.ninja" <<NINJA
rule assemble
  command = $zorlan -q --MD \$out.d -o \$out \$in
  depfile = \$out.d
  deps = gcc
build prog.obj: assemble prog.asm
NINJA
ninja -C "$project" >/dev/null || fail "ninja: the first build failed"
ninja -C "$project" -n | grep -q "no work to do" || fail "ninja: rebuilds with nothing changed"
change_included "$project" "$project/prog.obj"
ninja -C "$project" -n | grep -q "no work to do" && fail "ninja: does not see the included file change"
ninja -C "$project" >/dev/null || fail "ninja: the second build failed"
expected_object "$project"
cmp -s "$project/prog.obj" "$work/expected.obj" || fail "ninja: the object was not assembled again"
ninja -C "$project" -n | grep -q "no work to do" || fail "ninja: rebuilds again after the rebuild"

# --- CMake and Ninja ---
# CMake rewrites the rule for Ninja and, in 3.25, loses the escape of a '$' on the way:
# this project's included file has only the blank.
included='inc/port defs.inc'
project=$work/cmake
write_sources "$project"
cat >"$project/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(blink NONE)
add_custom_command(
    OUTPUT prog.obj
    COMMAND "$zorlan" -q --MD prog.d -I \${CMAKE_CURRENT_SOURCE_DIR} -o prog.obj \${CMAKE_CURRENT_SOURCE_DIR}/prog.asm
    DEPENDS prog.asm
    DEPFILE prog.d)
add_custom_target(program ALL DEPENDS prog.obj)
CMAKE
cmake -S "$project" -B "$project/build" -G Ninja >/dev/null || fail "cmake: configuring failed"
cmake --build "$project/build" >/dev/null || fail "cmake: the first build failed"
object=$project/build/prog.obj
[ -f "$object" ] || fail "ninja: no object"
cmake --build "$project/build" -- -n | grep -q "no work to do" || fail "cmake: rebuilds with nothing changed"
# CMake's rules restat their outputs: Ninja then goes by the time it recorded when the
# object was made, which no file date can move back; the change comes a second later.
sleep 1
printf 'LED     .EQU    0x11\n' >"$project/$included"
cmake --build "$project/build" -- -n | grep -q "no work to do" && fail "cmake: does not see the included file change"
cmake --build "$project/build" >/dev/null || fail "cmake: the second build failed"
expected_object "$project"
cmp -s "$object" "$work/expected.obj" || fail "cmake: the object was not assembled again"
cmake --build "$project/build" -- -n | grep -q "no work to do" || fail "cmake: rebuilds again after the rebuild"
echo "PASS: make, ninja and cmake assemble again when the included file changes, and only then"
