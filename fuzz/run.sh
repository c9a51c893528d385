#!/usr/bin/env bash
# Runs the libFuzzer target on a corpus seeded with the golden sources.
#
#   fuzz/run.sh WORKDIR [libFuzzer options...]
#
# Build the target first: cmake --preset fuzz && cmake --build --preset fuzz
# WORKDIR receives the corpus (corpus/), the seeds (seeds/), any crash inputs
# (artifacts/) and the golden include files, so that the sources' .INCLUDE lines
# resolve: the fuzzer runs with WORKDIR as its working directory. Each seed is a golden
# source behind one selector byte per mode: none, -d 1, -c and -u.
# Example: fuzz/run.sh /tmp/zfuzz -max_total_time=1800 -timeout=10 -rss_limit_mb=2048
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
work=${1:?usage: fuzz/run.sh WORKDIR [libFuzzer options...]}
shift
fuzzer=$here/build/fuzz/fuzz/zorlan_fuzz
[ -x "$fuzzer" ] || { echo "build the fuzz preset first: $fuzzer not found" >&2; exit 1; }

mkdir -p "$work/seeds" "$work/corpus" "$work/artifacts"
cd "$here/tests/golden"
find . -name '*.asm' -not -path '*/include/*' | while read -r source; do
    name=$(echo "${source#./}" | tr '/' '_')
    for selector in 0 1 2 4; do
        { printf "\\x0$selector"; cat "$source"; } > "$work/seeds/${name%.asm}_$selector"
    done
done
# The include files keep their paths relative to the golden folder.
find . -path '*/include/*' -type f -exec cp --parents {} "$work" \;

cd "$work"
exec "$fuzzer" -dict="$here/fuzz/zorlan.dict" -max_len=8192 -artifact_prefix="$work/artifacts/" \
    -print_final_stats=1 "$@" corpus seeds
