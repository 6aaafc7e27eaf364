#!/usr/bin/env bash
# The edit menu of the real program: each command reaches the pattern box as
# keystrokes (keybd_event) and the box does the edit; checked through the key
# Pattern that every change of the box writes.
# Usage: tests/e2e/edit_menu.sh DIST (the folder with Vintrel.exe, SkinKit.dll, Data).
set -euo pipefail
dist=$(cd "${1:?usage: tests/e2e/edit_menu.sh DIST}" && pwd)
[ -f "$dist/Vintrel.exe" ] && [ -f "$dist/SkinKit.dll" ] || { echo "e2e: no Vintrel.exe/SkinKit.dll in $dist" >&2; exit 1; }
source "$(dirname "$0")/lib.sh"

# Opens the edit menu on the pattern box and chooses an item with the arrow
# keys, as a user can. Counted upwards, the separator skipped: 1 "全选",
# 2 "粘贴", 3 "删除", 4 "复制", 5 "剪切".
choose_from_pattern_menu() {
  local ups=$1
  xdotool mousemove --window "$app_window" "$kPatternBoxX" "$kPatternBoxY" click 3
  sleep 0.5
  xdotool key --delay 80 --repeat "$ups" Up
  xdotool key Return
  sleep 0.5
}

start_display
app=$e2e_work/app
copy_dist "$dist" "$app" with-data
write_config "$app" 'Pattern=abc123'
printf 'abc123\r\n' >"$app/Data/source.dat"
start_app "$app"
wait_until_idle

# "全选", then typing: the typed text replaces the whole pattern.
choose_from_pattern_menu 1
xdotool type --delay 40 'xy'
wait_for_config "$app/Data/config.ini" Pattern 'xy'
log "ok: select all from the menu, then typing replaced the pattern"

# "全选" and "剪切": the pattern is empty; "粘贴" brings it back.
choose_from_pattern_menu 1
choose_from_pattern_menu 5
wait_for_config "$app/Data/config.ini" Pattern ''
choose_from_pattern_menu 2
wait_for_config "$app/Data/config.ini" Pattern 'xy'
log "ok: select all, cut and paste from the menu"

# "全选" and "删除".
choose_from_pattern_menu 1
choose_from_pattern_menu 3
wait_for_config "$app/Data/config.ini" Pattern ''
log "ok: select all and delete from the menu"
screenshot "$e2e_artifacts/edit-menu-done.png"
close_app
