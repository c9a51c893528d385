#!/usr/bin/env bash
# cmake --install puts zorlan, zorlan-objdump and their manual pages under the prefix: the
# tools run from there, man finds the pages, and groff reads them without a warning.
#
#   install.sh BUILD_DIRECTORY
set -euo pipefail
build=$(realpath "$1")
prefix=$(mktemp -d /tmp/zorlan-install-XXXXXX)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
for tool in zorlan zorlan-objdump; do
    [ -x "$prefix/bin/$tool" ] || fail "bin/$tool is not installed"
    page=$prefix/share/man/man1/$tool.1
    [ -f "$page" ] || fail "share/man/man1/$tool.1 is not installed"
    warnings=$(groff -man -ww -z "$page" 2>&1) || fail "groff cannot read $tool.1"
    [ -z "$warnings" ] || fail "groff warns about $tool.1: $warnings"
    found=$(man --manpath="$prefix/share/man" -w "$tool") || fail "man does not find $tool"
    [ "$found" = "$page" ] || fail "man finds $found for $tool"
done
"$prefix/bin/zorlan" --version | grep -q '^Zorlan V' || fail "the installed zorlan does not run"
"$prefix/bin/zorlan-objdump" -H | grep -q '^Usage: zorlan-objdump' || fail "the installed zorlan-objdump does not run"
echo "PASS: both tools and both manual pages installed under the prefix"
