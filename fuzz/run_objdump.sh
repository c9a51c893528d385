#!/usr/bin/env bash
# Runs the zorlan-objdump libFuzzer target on a corpus seeded with objects.
#
#   fuzz/run_objdump.sh WORKDIR [libFuzzer options...]
#
# Build the targets first: cmake --preset fuzz && cmake --build --preset fuzz
# WORKDIR receives the corpus (corpus/), the seeds (seeds/) and any crash inputs
# (artifacts/); the fuzzer runs in WORKDIR with the dictionary fuzz/objdump.dict. The
# seeds are the objects of every golden source and of every view source under
# tests/objdump/views, each assembled as its test does (the words of its #@args markers,
# with its #@env settings) and once more with -d 1 switched the other way (added, or
# taken out where the markers give it), so that every source gives an object with and
# without debug sections. Sources that leave no object give no seed.
# Example: fuzz/run_objdump.sh /tmp/zobjfuzz -max_total_time=1800 -timeout=10 -rss_limit_mb=2048
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=${1:?usage: fuzz/run_objdump.sh WORKDIR [libFuzzer options...]}
shift
fuzzer=$here/build/fuzz/fuzz/zorlan_objdump_fuzz
zorlan=$here/build/fuzz/zorlan
for program in "$fuzzer" "$zorlan"; do
    [ -x "$program" ] || { echo "build the fuzz preset first: $program not found" >&2; exit 1; }
done

mkdir -p "$work/seeds" "$work/corpus" "$work/artifacts" "$work/tmp"
work=$(cd "$work" && pwd)

# Assembles one source of folder $1 (a path relative to it) into seeds/, both ways.
seed() {
    local folder=$1 source=$2
    local name scratch
    name=$(echo "${source#./}" | tr '/' '_')
    name=${name%.asm}
    scratch=$(mktemp -d "$work/tmp/seed-XXXXXX")
    local -a args=() env=()
    local line word
    while IFS= read -r line; do
        line=${line#*#@args}
        for word in $line; do args+=("${word//\$TMP/$scratch}"); done
    done < <(grep '#@args ' "$folder/$source" || true)
    while IFS= read -r line; do
        line=${line#*#@env }
        env+=("${line//\$TMP/$scratch}")
    done < <(grep '#@env ' "$folder/$source" || true)

    # The other way round: without -d 1 when the markers give it, with it otherwise.
    local -a other=()
    local k
    local debug=no
    for ((k = 0; k < ${#args[@]}; ++k)); do
        if [ "${args[k]}" = -d ] && [ "${args[k + 1]:-}" = 1 ]; then
            debug=yes
            k=$((k + 1))
            continue
        fi
        other+=("${args[k]}")
    done
    [ $debug = yes ] || other+=(-d 1)

    local variant
    for variant in marked other; do
        local -a words
        if [ $variant = marked ]; then words=("${args[@]}"); else words=("${other[@]}"); fi
        rm -f "$scratch/out.obj"
        (cd "$folder" && env -u ZORLAN_INCLUDE ${env[@]+"${env[@]}"} \
            "$zorlan" ${words[@]+"${words[@]}"} -o "$scratch/out.obj" "$source") > /dev/null 2>&1 || true
        [ -s "$scratch/out.obj" ] && cp "$scratch/out.obj" "$work/seeds/${name}_$variant.obj"
    done
    rm -rf "$scratch"
}

for folder in "$here/tests/golden" "$here/tests/objdump/views"; do
    while read -r source; do
        seed "$folder" "$source"
    done < <(cd "$folder" && find . -name '*.asm' -not -path '*/include/*' | sort)
done
echo "$(ls "$work/seeds" | wc -l) seed objects in $work/seeds"

cd "$work"
exec "$fuzzer" -dict="$here/fuzz/objdump.dict" -artifact_prefix="$work/artifacts/" -print_final_stats=1 "$@" corpus seeds
