#!/usr/bin/env bash
# Builds the regex fuzz target with clang, libFuzzer, AddressSanitizer and
# UBSan, and runs it on a copy of the seed corpus.
#   scripts/fuzz.sh [SECONDS] [extra libFuzzer options...]
# Crashes and slow inputs land in build/fuzz/findings/.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/fuzz"
seconds="${1:-600}"
shift || true

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVINTREL_FUZZ=ON -DVINTREL_SANITIZE=ON \
  -DVINTREL_BENCH=OFF -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build" --target regex_fuzzer -j2

mkdir -p "$build/corpus" "$build/findings"
cp -n "$root"/tests/fuzz/corpus/* "$build/corpus/" 2>/dev/null || true
cd "$build/findings"
# Exponential backtracking is allowed by design (no step limit), so a slow
# input is filed as a finding and the run goes on; a crash ends it.
exec "$build/tests/fuzz/regex_fuzzer" "$build/corpus" \
  -fork=1 -ignore_timeouts=1 -artifact_prefix="$build/findings/" \
  -dict="$root/tests/fuzz/regex.dict" \
  -max_total_time="$seconds" -max_len=512 -timeout=5 -rss_limit_mb=2048 \
  -print_final_stats=1 "$@"
