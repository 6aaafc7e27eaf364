#!/usr/bin/env bash
# Runs the program: installs what is missing, builds the win32 preset
# (build/win32/dist), prepares the project's Wine prefix (inside build/, Chinese
# locale, CJK font replacements, no add-on prompts) and starts Vintrel.exe
# under Wine on the user's display.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

if [ -z "${DISPLAY:-}" ]; then
  echo "run.sh: no DISPLAY; start it from a graphical session or set DISPLAY" >&2
  exit 1
fi

cmake --preset win32 >/dev/null
cmake --build --preset win32

source scripts/wine-env.sh
# The toolkit is looked for in the current folder first.
cd build/win32/dist
exec wine Vintrel.exe
