#!/usr/bin/env bash
# The real program end to end: Vintrel.exe under Wine on a private Xvfb display,
# driven with xdotool, checked through the files it writes and screenshots.
# Usage: tests/e2e/run.sh DIST (the folder with Vintrel.exe, SkinKit.dll, Data).
# Screenshots stay in build/e2e-artifacts/; exits non-zero on the first failure.
set -euo pipefail
dist=$(cd "${1:?usage: tests/e2e/run.sh DIST}" && pwd)
[ -f "$dist/Vintrel.exe" ] && [ -f "$dist/SkinKit.dll" ] || { echo "e2e: no Vintrel.exe/SkinKit.dll in $dist" >&2; exit 1; }
source "$(dirname "$0")/lib.sh"

start_display

# 1. Start-up from a Data folder: the saved pattern runs over the saved subject.
app=$e2e_work/app
copy_dist "$dist" "$app" with-data
write_config "$app" 'Pattern=\d+'
printf '%s\r\n' '订单 1024 已发货，运费 35 元' '联系电话 010-88886666，分机 7' 'a1b22 c333 d4444' |
  iconv -f UTF-8 -t GBK >"$app/Data/source.dat"
subject_before=$(md5sum <"$app/Data/source.dat")
start_app "$app"
wait_for_highlights "$e2e_artifacts/01-start-highlighted.png" both
log "ok: saved pattern listed and highlighted in two colours"
convert "$e2e_artifacts/01-start-highlighted.png" -crop 1000x673+50+50 +repage "$e2e_artifacts/window.png"

# 2. Typing a pattern rewrites the key Pattern and runs it: one match, one colour.
type_pattern 'c333'
wait_for_config "$app/Data/config.ini" Pattern 'c333'
wait_for_highlights "$e2e_artifacts/02-typed-pattern.png" green-only
log "ok: typed pattern saved to Data\\config.ini and matched once"

# 3. The close button ends the process; the subject file was never rewritten.
close_app
[ "$(md5sum <"$app/Data/source.dat")" = "$subject_before" ] || fail "source.dat changed without an edit"
[ "$(config_value "$app/Data/config.ini" Pattern)" = 'c333' ] || fail "Pattern lost at exit"
log "ok: closing the window ended the program"

# 4. Start-up without a Data folder: the window comes up, works, creates no folder.
bare=$e2e_work/bare
copy_dist "$dist" "$bare" without-data
start_app "$bare"
sleep 2
alive "$app_pid" || fail "Vintrel.exe ended without a Data folder"
type_pattern 'x+'
sleep 2
screenshot "$e2e_artifacts/03-no-data.png"
alive "$app_pid" || fail "Vintrel.exe ended after typing without a Data folder"
[ ! -e "$bare/Data" ] || fail "the program created a Data folder"
close_app
log "ok: start-up without a Data folder"

log "all end-to-end checks passed; screenshots in $e2e_artifacts"
