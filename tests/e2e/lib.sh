# Sourced by the end-to-end scripts: a private Xvfb display, a private Wine
# prefix, Vintrel.exe started from a copy of the dist folder, and the probes
# (window, pixels, files) the checks are made of.
#
# Window geometry, from the program's design: the window is 1000 x 673; the
# tab control's work page starts at 11,124; on it the pattern box is at
# 131,3 (536 x 32) and the status label at 75,304 (330 x 20); the close button
# is at 941,11 (48 x 30).

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
e2e_artifacts=${VINTREL_E2E_ARTIFACTS:-$e2e_root/build/e2e-artifacts}
export VINTREL_WINEPREFIX=${VINTREL_WINEPREFIX:-$e2e_root/build/e2e-wineprefix}
mkdir -p "$e2e_artifacts" "$(dirname "$VINTREL_WINEPREFIX")"
# shellcheck source=../../scripts/wine-env.sh
source "$e2e_root/scripts/wine-env.sh"

readonly kWindowTitle='^Vintrel 1.3$'
readonly kPatternBoxX=$((11 + 131 + 260)) kPatternBoxY=$((124 + 3 + 16))
readonly kStatusX=$((11 + 75)) kStatusY=$((124 + 304)) kStatusW=330 kStatusH=20
readonly kCloseX=$((941 + 24)) kCloseY=$((11 + 15))
readonly kGreen='#4DFF51' kRed='#FF4D4D'

xvfb_pid=
app_pid=
app_window=
e2e_work=$(mktemp -d /tmp/vintrel-e2e.XXXXXX)

log() { printf 'e2e: %s\n' "$*"; }

fail() {
  log "FAIL: $*" >&2
  [ -n "${DISPLAY:-}" ] && import -window root "$e2e_artifacts/failure.png" 2>/dev/null || true
  exit 1
}

e2e_cleanup() {
  if [ -n "$app_pid" ] && alive "$app_pid"; then kill "$app_pid" 2>/dev/null || true; fi
  # The prefix is this harness's own: end whatever Wine still runs in it.
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$e2e_work"
}
trap e2e_cleanup EXIT

# A process that exists and is no zombie.
alive() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null || true)
  [ -n "$state" ] && [[ $state != Z* ]]
}

start_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$e2e_work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && { log "display $DISPLAY"; return 0; }
      sleep 0.1
    done
    fail "Xvfb did not start on :$n"
  done
  fail "no free display number"
}

# A copy of the dist folder; with "with-data" its Data folder stays, else it goes.
copy_dist() {
  local dist=$1 into=$2 data=$3
  rm -rf "$into"
  cp -r "$dist" "$into"
  [ "$data" = with-data ] || rm -rf "$into/Data"
}

# Writes Data\config.ini (section RegEx, CR LF) with the given key=value pairs.
write_config() {
  local folder=$1
  shift
  { printf '[RegEx]\r\n'; for pair in "$@"; do printf '%s\r\n' "$pair"; done; } >"$folder/Data/config.ini"
}

start_app() {
  local folder=$1
  (cd "$folder" && exec wine Vintrel.exe) >"$e2e_work/app.log" 2>&1 &
  app_pid=$!
  app_window=
  local deadline=$((SECONDS + 120))
  while [ $SECONDS -lt $deadline ]; do
    app_window=$(xdotool search --name "$kWindowTitle" 2>/dev/null | head -1 || true)
    [ -n "$app_window" ] && { log "window $app_window up"; return 0; }
    alive "$app_pid" || fail "Vintrel.exe ended before its window appeared"
    sleep 0.25
  done
  fail "no window titled Vintrel 1.3"
}

# The CPU time a process has used, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }

# Waits until the program has used no CPU for `quiet` seconds (default 1.5).
wait_until_idle() {
  local quiet=${1:-1.5} deadline=$((SECONDS + ${2:-900})) last now since
  last=$(cpu_ticks "$app_pid")
  since=$(date +%s.%N)
  while [ $SECONDS -lt $deadline ]; do
    sleep 0.25
    now=$(cpu_ticks "$app_pid")
    if [ "$now" != "$last" ]; then
      last=$now
      since=$(date +%s.%N)
    elif awk -v a="$since" -v b="$(date +%s.%N)" -v q="$quiet" 'BEGIN { exit !(b - a >= q) }'; then
      return 0
    fi
  done
  fail "the program stayed busy"
}

# Clicks at a point given relative to the window.
click_at() { xdotool mousemove --window "$app_window" "$1" "$2" click 1; }

# Replaces the pattern box's text by typing, as a user would.
type_pattern() {
  click_at "$kPatternBoxX" "$kPatternBoxY"
  sleep 0.2
  xdotool key End
  xdotool key --delay 20 --repeat 40 BackSpace
  xdotool type --delay 40 "$1"
}

screenshot() { import -window root "$1"; }

# The number of pixels of exactly one colour in a picture.
colour_count() {
  convert "$1" -alpha off -fill black +opaque "$2" -fill white -opaque "$2" \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

status_label_hash() {
  local x y
  eval "$(xdotool getwindowgeometry --shell "$app_window")"
  x=$((X + kStatusX)) y=$((Y + kStatusY))
  import -window root -crop "${kStatusW}x${kStatusH}+$x+$y" +repage rgb:- 2>/dev/null | md5sum | cut -c1-32
}

# Polls screenshots until the highlight colours are as wanted: "both", or
# "green-only" (a single match). Leaves the last screenshot in $1.
wait_for_highlights() {
  local shot=$1 want=$2 deadline=$((SECONDS + ${3:-20})) green red
  while [ $SECONDS -lt $deadline ]; do
    screenshot "$shot"
    green=$(colour_count "$shot" "$kGreen")
    red=$(colour_count "$shot" "$kRed")
    case $want in
      both) [ "$green" -gt 20 ] && [ "$red" -gt 20 ] && { log "highlights: $green green, $red red pixels"; return 0; } ;;
      green-only) [ "$green" -gt 20 ] && [ "$red" -eq 0 ] && { log "highlight: $green green, no red pixels"; return 0; } ;;
    esac
    sleep 0.3
  done
  fail "highlights ($want) not seen; last: $green green, $red red pixels"
}

# The value of a key of section RegEx as the file holds it (GBK bytes).
config_value() {
  tr -d '\r' <"$1" | awk -v key="$2" -F= 'tolower($1) == tolower(key) { sub(/^[^=]*=/, ""); print; exit }'
}

wait_for_config() {
  local file=$1 key=$2 want=$3 deadline=$((SECONDS + 10))
  while [ $SECONDS -lt $deadline ]; do
    [ -f "$file" ] && [ "$(config_value "$file" "$key")" = "$want" ] && return 0
    sleep 0.2
  done
  fail "$key in $file is '$(config_value "$file" "$key" 2>/dev/null)', not '$want'"
}

close_app() {
  click_at "$kCloseX" "$kCloseY"
  local deadline=$((SECONDS + 20))
  while [ $SECONDS -lt $deadline ]; do
    if ! alive "$app_pid"; then
      wait "$app_pid" 2>/dev/null || true
      xdotool search --name "$kWindowTitle" >/dev/null 2>&1 && fail "the window outlived its process"
      app_pid=
      return 0
    fi
    sleep 0.2
  done
  fail "Vintrel.exe still runs after its close button was clicked"
}
