#!/usr/bin/env bash
# Everything from a fresh Debian 12 machine: packages, every build, every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

jobs=$(nproc)
step() { printf '\n==== %s ====\n' "$*"; }

step "native: build and test"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

step "asan: build and test"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

step "win32: Vintrel.exe, SkinKit.dll, Data"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"

step "win32-tests: platform, ANSI boundary and SkinKit.dll under Wine"
cmake --preset win32-tests >/dev/null
cmake --build --preset win32-tests -j "$jobs"
source scripts/wine-env.sh
# SkinKit's tests make real windows: they need a display, a private one here.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win32-tests -j 1

if [ -x tests/e2e/run.sh ]; then
  step "end to end: Vintrel.exe under Wine on Xvfb"
  tests/e2e/run.sh build/win32/dist
  tests/e2e/edit_menu.sh build/win32/dist
fi
step "all tests passed"
