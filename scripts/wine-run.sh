#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (inside build/),
# with the Chinese locale so that the ANSI code page is 936.
#
# Wine's helper processes (services.exe and the like) inherit the output of the
# program that started them and outlive it; so the program writes to files that
# are copied out once it ends, and whoever reads our output (ctest) is not kept
# waiting for those helpers.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
set +e
wine "$@" >"$out" 2>"$err"
rc=$?
set -e
cat "$out"
cat "$err" >&2
exit $rc
