# Shared pieces of the scripts that run the Windows build under Wine, on top
# of lib.sh: a warm prefix of the script's own, a window manager, and the
# program's windows found from it. Wine shows each window as an X window named
# by its caption, so screens are told apart by their place in the stack and
# their size: the one on top that is not the full-display backdrop. lib.sh's
# helpers that name a screen act on the window on top, once a new one of that
# screen's size has come up.
source "$(dirname "$0")/lib.sh"
WINDOWS_BUILD=${VELMORA_WINDOWS_BUILD_DIR:-}
[ -n "$WINDOWS_BUILD" ] && [ -f "$WINDOWS_BUILD/deploy/velmora.exe" ] ||
  { echo "SKIP: no Windows build to run (Qt for Windows not found: see ./build.sh qt-windows)"; exit 77; }
needs wine wineserver flock
source "${VELMORA_SOURCE_DIR:-$(dirname "$0")/../..}/tools/windows/wine.sh"
use_wine_prefix "$WINDOWS_BUILD/wine-template" "$E2E_TMP/wineprefix"
trap 'stop_wine; e2e_cleanup' EXIT
# The title screen's size and every other screen's, at the display's scale.
TITLE_SIZE=364x438 SCREEN_SIZE=800x600

# start_wm: openbox, as a desktop's window manager with a taskbar.
start_wm() {
  needs openbox
  HOME="$E2E_TMP/home" openbox --sm-disable >"$E2E_TMP/wm.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 20 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || fail "openbox did not start"
}

# The visible program windows, top first, as "ID WIDTHxHEIGHT", from the
# window manager's stacking list (the windows sit in its frames).
program_windows() {
  local id
  for id in $(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | grep -o '0x[0-9a-f]*' | tac); do
    xprop -id "$id" WM_NAME 2>/dev/null | grep -q '"Velmora"' || continue
    xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '/Width:/ {w = $2} /Height:/ {h = $2} /IsViewable/ {v = 1}
      END {if (v) print id, w "x" h}'
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

# click_control SCREEN ...: as lib.sh's, on the window on top, first waiting
# for a new window of SCREEN's size when the last click was on another screen.
ON_TOP=none ON_TOP_SCREEN=
click_control() {
  if [ "$1" != "$ON_TOP_SCREEN" ]; then
    ON_TOP=$(wait_for_top "$([ "$1" = Titlefrm ] && echo "$TITLE_SIZE" || echo "$SCREEN_SIZE")" "$ON_TOP")
    ON_TOP_SCREEN=$1
  fi
  click_in "$ON_TOP" "${@:2}" "$([ "$1" = Titlefrm ] && echo 5460 || echo 12000)"
}
# gone SCREEN: the window last clicked, SCREEN's, is no longer on top.
still_on_top() { top_window | grep -q "^$ON_TOP "; }
gone() { ! still_on_top; }
# answer_message: answers the message box over the window on top with Return.
answer_message() {
  local box
  box=$(wait_for_top '[0-9]+x[0-9]+' "$ON_TOP")
  xdotool mousemove --window "$box" 5 5 click 1 key Return
  wait_until 15 still_on_top || fail "the message box did not close ($1)"
}
