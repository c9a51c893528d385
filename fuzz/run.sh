#!/usr/bin/env bash
# Runs the libFuzzer target on a corpus seeded with the golden sources.
#
#   fuzz/run.sh WORKDIR [libFuzzer options...]
#
# Build the target first: cmake --preset fuzz && cmake --build --preset fuzz
# WORKDIR receives the corpus (corpus/), the seeds (seeds/), any crash inputs
# (artifacts/), the target's scratch files (tmp/) and the golden include files, so that the sources' .INCLUDE lines
# resolve: the fuzzer runs with WORKDIR as its working directory. Each seed is a golden
# source behind one selector byte per mode: none, -d 1, -c, -u, and -d 1 with a trace log.
# Example: fuzz/run.sh /tmp/zfuzz -max_total_time=1800 -timeout=10 -rss_limit_mb=2048
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=${1:?usage: fuzz/run.sh WORKDIR [libFuzzer options...]}
shift
fuzzer=$here/build/fuzz/fuzz/zorlan_fuzz
[ -x "$fuzzer" ] || { echo "build the fuzz preset first: $fuzzer not found" >&2; exit 1; }

mkdir -p "$work/seeds" "$work/corpus" "$work/artifacts" "$work/tmp"
cd "$here/tests/golden"
find . -name '*.asm' -not -path '*/include/*' | while read -r source; do
    name=$(echo "${source#./}" | tr '/' '_')
    for selector in 00 01 02 04 09; do
        { printf "\\x$selector"; cat "$source"; } > "$work/seeds/${name%.asm}_$selector"
    done
done
# The include files keep their paths relative to the golden folder.
find . -path '*/include/*' -type f -exec cp --parents {} "$work" \;

cd "$work"
# The target's scratch files (the source, object and log of each input) go here too.
export TMPDIR="$work/tmp"
exec "$fuzzer" -dict="$here/fuzz/zorlan.dict" -max_len=8192 -artifact_prefix="$work/artifacts/" \
    -print_final_stats=1 "$@" corpus seeds
