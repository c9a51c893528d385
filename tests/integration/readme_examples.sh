#!/usr/bin/env bash
# Runs the examples of README.md as a reader would after the quick start: every line of its
# `sh` blocks, in order, in one shell, in a scratch copy of the source tree. That copy's
# build/release (and build/test) is the build under test, and HOME is a scratch folder,
# so that an example installing under $HOME stays inside. Each command must end with
# status 0. A block preceded by a line "<!-- not run: reason -->" is illustrative only.
#
#   readme_examples.sh SOURCE_DIRECTORY BUILD_DIRECTORY
set -euo pipefail
source_dir=$(realpath "$1")
build=$(realpath "$2")
scratch=$(mktemp -d /tmp/zorlan-readme-XXXXXX)
trap 'rm -rf "$scratch"' EXIT

tar -C "$source_dir" --exclude=./build --exclude=./.git -cf - . | tar -C "$scratch" -xf -
mkdir -p "$scratch/build" "$scratch/home"
ln -s "$build" "$scratch/build/release"
ln -s "$build" "$scratch/build/test"

# The commands, each behind the README line it came from.
awk '
    /^```sh[[:space:]]*$/ { inside = !skip; skip = 0; next }
    /^```/ { inside = 0; skip = 0; next }
    inside { printf "# README.md:%d\n%s\n", NR, $0; next }
    /^<!-- not run:/ { skip = 1; next }
    /[^[:space:]]/ { skip = 0 }
' "$source_dir/README.md" >"$scratch/examples.sh"
count=$(grep -c '^# README.md:' "$scratch/examples.sh" || true)
[ "$count" -gt 0 ] || {
    echo "FAIL: no example found in README.md"
    exit 1
}

cd "$scratch"
if ! env HOME="$scratch/home" bash -eu -o pipefail -c '
        trap '\''echo "FAIL: README example ended with status $?: $BASH_COMMAND" >&2'\'' ERR
        . ./examples.sh' >"$scratch/output.txt" 2>&1; then
    cat "$scratch/output.txt"
    exit 1
fi
echo "PASS: $count lines of README examples ran with status 0"
