#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (inside build/),
# with the Chinese locale so that the ANSI code page is 936.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
exec wine "$@"
