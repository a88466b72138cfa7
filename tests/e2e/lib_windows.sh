# Shared pieces of the scripts that run the Windows build under Wine, on top
# of lib.sh: a warm prefix of the script's own, the laid-out program, and its
# windows found from the X server. Wine shows each window as an X window named
# by its caption, so screens are told apart by their place in the stack and
# their size: the one on top that is not the full-display backdrop.
source "$(dirname "$0")/lib.sh"
WINDOWS_BUILD=${VELMORA_WINDOWS_BUILD_DIR:-}
[ -n "$WINDOWS_BUILD" ] && [ -f "$WINDOWS_BUILD/deploy/velmora.exe" ] ||
  { echo "SKIP: no Windows build to run (Qt for Windows not found: see ./build.sh qt-windows)"; exit 77; }
needs wine wineserver flock
source "${VELMORA_SOURCE_DIR:-$(dirname "$0")/../..}/tools/windows/wine.sh"
use_wine_prefix "$WINDOWS_BUILD/wine-template" "$E2E_TMP/wineprefix"
trap 'stop_wine; e2e_cleanup' EXIT

# start_windows_program [DIR]: the laid-out program, in DIR (default a copy of
# its own, sharing all but the writable "multiple" folder, with an empty
# catalogue), under Wine.
start_windows_program() {
  APP_DIR=${1:-$E2E_TMP/app}
  if [ -z "${1:-}" ]; then
    cp -al "$WINDOWS_BUILD/deploy" "$APP_DIR" && rm -r "$APP_DIR/multiple"
    cp -r "$WINDOWS_BUILD/deploy/multiple" "$APP_DIR/multiple"
    printf ' 0 \r\n' >"$APP_DIR/multiple/track.txt"
  fi
  (cd "$APP_DIR" && exec wine velmora.exe "${@:2}") >"$E2E_TMP/velmora.log" 2>&1 &
  VELMORA_PID=$!
  E2E_PIDS+=($VELMORA_PID)
}

# The visible program windows, top first, as "ID WIDTHxHEIGHT".
program_windows() {
  local id size
  xwininfo -root -children | awk '/"Velmora": \("velmora\.exe"/ {sub(/\+.*/, "", $5); print $1, $5}' |
    while read -r id size; do
      xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && echo "$id $size"
    done
}
backdrop() { program_windows | awk -v s="$(xwininfo -root | awk '/geometry/ {sub(/\+.*/, "", $2); print $2}')" '$2 == s {print $1}'; }
top_window() { program_windows | awk -v b="$(backdrop)" '$1 != b {print $1, $2; exit}'; }

# wait_for_top SIZE [OLD]: waits until a window of SIZE other than OLD is on
# top and prints its id.
top_is() { top_window | grep -qE "^[^ ]+ $1\$" && ! top_window | grep -q "^$2 "; }
wait_for_top() {
  wait_until 30 top_is "$1" "${2:-none}" || fail "no new ${1} window came on top (top: $(top_window))"
  top_window | cut -d' ' -f1
}

# click_in ID LEFT TOP WIDTH HEIGHT [WIDE]: clicks the middle of a control
# given in twips, at the scale the window is shown (WIDE twips across, 12000
# for content screens).
click_in() {
  local px
  px=$(xwininfo -id "$1" | awk '/Width:/ {print $2}')
  xdotool mousemove --window "$1" $(( ($2 + $4 / 2) * px / ${6:-12000} )) $(( ($3 + $5 / 2) * px / ${6:-12000} )) click 1
}

# lib.sh's helpers click on a screen by name; here on the screen on top.
click_control() { click_in "$(top_window | cut -d' ' -f1)" "${@:2}"; }

# answer_box SCREEN [SIZE]: answers the message box over SCREEN (shown at
# SIZE, 800x600 unless given) with Return.
answer_box() {
  local box
  box=$(wait_for_top '[0-9]+x[0-9]+' "$1")
  xdotool mousemove --window "$box" 5 5 click 1 key Return
  wait_until 15 top_is "${2:-800x600}" none || fail "the message box did not close"
}
