#!/usr/bin/env bash
# Measures, under Wine, the time from the match timer's tick to the final status
# label for a 200 KB subject with 10,000 matches. Not a test: it prints the
# figures (and keeps them in build/e2e-artifacts/match-time.txt).
#
# The program is not instrumented. The last keystroke of an edit is taken as the
# moment the one-second match timer starts; the status label's pixels are
# polled (about every 0.1 s) with a time stamp each, until the program is idle;
# the first poll that shows the final label ends the run.
# Tick to label = that poll's time - keystroke time - 1 s.
# Usage: tests/e2e/measure_match_time.sh DIST [RUNS]
set -euo pipefail
dist=$(cd "${1:?usage: measure_match_time.sh DIST [RUNS]}" && pwd)
runs=${2:-3}
source "$(dirname "$0")/lib.sh"

start_display
app=$e2e_work/app
copy_dist "$dist" "$app" with-data
write_config "$app" 'Pattern=\d+x'
# 10,000 lines of 20 bytes, one number each: 200,000 bytes, 10,000 matches of \d+.
awk 'BEGIN { for (i = 0; i < 10000; i++) printf "item %05d abcdefg\r\n", i }' >"$app/Data/source.dat"
log "subject: $(stat -c %s "$app/Data/source.dat") bytes"
start_app "$app"
t=$SECONDS
wait_until_idle 5
log "start-up (no match) settled after $((SECONDS - t)) s"

now() { date +%s.%N; }

# Polls the status label, each poll with a time stamp, until the subject box
# shows highlights and the program has been idle for 3 s; prints the time of
# the first poll that showed the label's final look.
time_of_final_label() {
  local stamps=() hashes=() last since ticks i final
  last=$(cpu_ticks "$app_pid")
  since=$(now)
  while :; do
    stamps+=("$(now)")
    hashes+=("$(status_label_hash)")
    ticks=$(cpu_ticks "$app_pid")
    if [ "$ticks" != "$last" ]; then
      last=$ticks
      since=$(now)
    elif awk -v a="$since" -v b="$(now)" 'BEGIN { exit !(b - a >= 3) }' && subject_has_highlights; then
      break
    fi
    [ ${#stamps[@]} -lt 50000 ] || fail "the program never finished the run"
  done
  final=${hashes[-1]}
  for ((i = ${#hashes[@]} - 1; i > 0; i--)); do
    [ "${hashes[i - 1]}" = "$final" ] || break
  done
  echo "${stamps[i]}"
}

subject_has_highlights() {
  eval "$(xdotool getwindowgeometry --shell "$app_window")"
  import -window root -crop "832x202+$((X + 11 + 75))+$((Y + 124 + 84))" +repage "$e2e_work/subject.png"
  [ "$(colour_count "$e2e_work/subject.png" "$kGreen")" -gt 20 ]
}

click_at "$kPatternBoxX" "$kPatternBoxY"
sleep 0.3
xdotool key End
results=()
for i in $(seq 1 "$runs"); do
  if [ "$i" -gt 1 ]; then
    xdotool type x
    sleep 2
    wait_until_idle 5
  fi
  xdotool key BackSpace
  t0=$(now)
  t1=$(time_of_final_label)
  ms=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%d", (b - a - 1.0) * 1000 }')
  log "run $i: tick to status label ${ms} ms"
  results+=("$ms")
  screenshot "$e2e_artifacts/match-time-$i.png"
done
green=$(colour_count "$e2e_artifacts/match-time-$runs.png" "$kGreen")
[ "$green" -gt 20 ] || log "warning: no highlight seen after the runs"
close_app
printf 'tick to status label, 200000-byte subject, 10000 matches of \\d+, under Wine: %s ms\n' "${results[*]}" |
  tee "$e2e_artifacts/match-time.txt"
