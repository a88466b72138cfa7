#!/usr/bin/env bash
# The program under two real window managers, openbox and then xfwm4, on a
# netbook's 1024 x 600 display with a 40-pixel panel along the bottom. The
# screens shrink into the 560 pixels the panel leaves, keeping their shape:
# a screenshot shows the whole main menu and the whole quiz, frames and all,
# above the panel. On the main menu, a topic menu and a quiz, clicks, a
# double-click and a drag on the backdrop's margin leave the screen on top:
# last in the manager's stacking order, no backdrop colour in its place on a
# screenshot, and still the active window. Alt+Tab never offers the backdrop;
# the main menu's "Exit" hides the menu behind the backdrop until "Cancel";
# screens cannot be resized or maximised, and the manager's close leaves them
# open. With the three open, the taskbar lists the quiz alone, also while a message box shows
# over it, and activating
# a covered screen (as a taskbar or pager would) leaves the quiz on top.
source "$(dirname "$0")/lib.sh"
needs openbox xfwm4 dbus-daemon import convert xwininfo
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || { echo "SKIP: python3-xlib is not installed"; exit 77; }
start_xvfb 1024x600
/usr/bin/python3 "$(dirname "$0")/panel.py" 40 c81e1e &
E2E_PIDS+=($!)
wait_until 10 xdotool search --name '^panel$' || fail "the panel did not show"
PANEL=$(xdotool search --name '^panel$' | head -1)

export HOME="$E2E_TMP/home" NO_AT_BRIDGE=1 CUPS_SERVER="$E2E_TMP/no-cups.sock" # no printer: printing gives a message
mkdir -p "$HOME"

start_wm() {
  if [ "$1" = xfwm4 ]; then # it reads its settings through xfconf, on a session bus
    dbus-daemon --session --nofork --print-address=3 3>"$E2E_TMP/bus" 2>/dev/null &
    E2E_PIDS+=($!)
    wait_until 10 test -s "$E2E_TMP/bus" || fail "the session bus did not start"
    export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$E2E_TMP/bus")
  fi
  case $1 in
    openbox) exec openbox --sm-disable ;;
    xfwm4) exec xfwm4 --compositor=off --sm-client-disable ;;
  esac >"$E2E_TMP/wm.log" 2>&1 &
  WM_PID=$!
  E2E_PIDS+=($WM_PID)
  wait_until 20 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || fail "$1 did not start: $(cat "$E2E_TMP/wm.log")"
}

# Waits until the window manager has handled everything sent to it before:
# it changes the number of desktops only after that.
SYNCS=0
wm_sync() {
  SYNCS=$((SYNCS + 1))
  xdotool set_num_desktops $((2 + SYNCS % 2))
  wait_until 10 bash -c "xprop -root _NET_NUMBER_OF_DESKTOPS | grep -q '= $((2 + SYNCS % 2))\$'" ||
    fail "$WM did not answer"
}

hex() { printf '0x%x' "$1"; }
# The share of a window's place on a screenshot in one colour.
colour_share() {
  local x y w h
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}')
  convert "$E2E_TMP/shot.png" -crop "${w}x${h}+${x}+${y}" +repage -fill black +opaque "$2" -fill white -opaque "$2" \
    -format '%[fx:mean]' info:
}
# The screen's place on a screenshot shows none of the backdrop's colour.
uncovered() {
  import -window root "$E2E_TMP/shot.png"
  awk -v s="$(colour_share "$1" 'rgb(48,133,214)')" 'BEGIN{exit !(s < 0.01)}'
}

# whole_on_display SCREEN: the window, frame included, lies in the strip the
# panel leaves, at 4:3, and a screenshot shows its own colour at its four
# corners and the panel below.
whole_on_display() {
  local id x y w h left right top bottom
  id=$(wait_for "$1")
  read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')
  read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  [ $((x - left)) -ge 0 ] && [ $((y - top)) -ge 0 ] && [ $((x + w + right)) -le 1024 ] && [ $((y + h + bottom)) -le 560 ] ||
    fail "$WM: $1 is ${w}x$h at $x,$y with a frame of $left $right $top $bottom: not inside 1024x560"
  [ $((w * 3 - h * 4)) -le 4 ] && [ $((h * 4 - w * 3)) -le 4 ] || fail "$WM: $1 is ${w}x$h, not 4:3"
  import -window root "$E2E_TMP/shot.png"
  for corner in "$x,$y" "$((x + w - 1)),$y" "$x,$((y + h - 1))" "$((x + w - 1)),$((y + h - 1))" 512,580; do
    convert "$E2E_TMP/shot.png" -format "%[pixel:p{$corner}] " info:
  done | grep -qx "\(srgb(39,63,137) \)\{4\}srgb(200,30,30) " || fail "$WM: the screenshot does not show the whole of $1"
}

# on_top SCREEN: SCREEN shows, is on top and is active; the backdrop is below it.
on_top() {
  local screen grey stacking
  screen=$(wait_for "$1") grey=$(wait_for Grey)
  wait_until 10 uncovered "$screen" || fail "$WM: the backdrop covers $1"
  stacking=$(xprop -root _NET_CLIENT_LIST_STACKING)
  stacking=${stacking//, $(hex "$PANEL")/} # a dock stays above every window
  [[ $stacking == *"$(hex "$grey"),"*"$(hex "$screen")" ]] || fail "$WM: $1 is not on top of the backdrop: $stacking"
  xprop -root _NET_ACTIVE_WINDOW | grep -q "$(hex "$screen")" || fail "$WM: $1 lost the focus"
}

# The client windows the taskbar lists, the panel aside.
taskbar() {
  local id
  for id in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*' | grep -vx "$(hex "$PANEL")"); do
    xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || echo "$id"
  done
}

# backdrop_leaves_on_top SCREEN: clicks, double-clicks and drags on the backdrop below the screen.
backdrop_leaves_on_top() {
  on_top "$1"
  xdotool mousemove 20 300 click 1 mousemove 1000 20 click --repeat 2 --delay 60 1 \
    mousemove 40 500 mousedown 1 mousemove 100 500 mousemove 60 20 mouseup 1
  wm_sync
  on_top "$1"
}

for WM in openbox xfwm4; do
  start_wm "$WM"
  wait_until 10 sh -c 'xprop -root _NET_WORKAREA | grep -q "= 0, 0, 1024, 560"' || fail "$WM did not reserve the panel's strip"
  rm -rf "$E2E_TMP/app"
  start_program
  enter_main_menu
  grey=$(wait_for Grey)
  states=$(xprop -id "$grey" _NET_WM_STATE)
  [[ $states == *_NET_WM_STATE_SKIP_TASKBAR* && $states == *_NET_WM_STATE_SKIP_PAGER* ]] ||
    fail "$WM: the backdrop is in the taskbar or pager: $states"
  backdrop_leaves_on_top intro0
  whole_on_display intro0
  xdotool key alt+Tab key alt+Tab
  wm_sync
  on_top intro0
  actions=$(xprop -id "$(wait_for intro0)" _NET_WM_ALLOWED_ACTIONS)
  for action in RESIZE MAXIMIZE_HORZ MAXIMIZE_VERT; do
    [[ $actions != *"_NET_WM_ACTION_$action"* ]] || fail "$WM offers $action on a screen: $actions"
  done

  click_control intro0 10560 7920 1245 495      # main menu "Exit"
  wait_until 10 gone intro0 || fail "$WM: the main menu stayed in front of the backdrop"
  on_top Titlefrm
  click_control Titlefrm 1320 6000 1335 375     # "Cancel"
  backdrop_leaves_on_top intro0
  xdotool key alt+F4                            # the manager's close: the program takes the request first
  wm_sync
  click_control intro0 120 3240 3075 375        # "Greek Fighters"
  backdrop_leaves_on_top fighters
  shown intro0 || fail "$WM: closing the main menu through the window manager hid it"
  click_control fighters 120 7920 3195 495      # "Multiple Choice"
  backdrop_leaves_on_top multiple
  whole_on_display multiple
  [ "$(taskbar)" = "$(hex "$(wait_for multiple)")" ] || fail "$WM: the taskbar lists $(taskbar), not the quiz alone"
  click_control multiple 7920 1920 3045 495     # "Print Worksheet", with no printer
  wait_for message >/dev/null
  wm_sync
  [ "$(taskbar)" = "$(hex "$(wait_for multiple)")" ] || fail "$WM: with a message box the taskbar lists $(taskbar)"
  answer_message "no printer"
  for covered in intro0 fighters; do
    xdotool windowactivate "$(wait_for $covered)"
    wm_sync
    on_top multiple
  done

  kill "$VELMORA_PID" "$WM_PID"
  wait "$VELMORA_PID" "$WM_PID" 2>/dev/null || true
  xprop -root -remove _NET_SUPPORTING_WM_CHECK # what the next manager sets when it is ready
  echo "$WM: menu and quiz whole above the panel; backdrop kept below the main menu, a topic menu and a quiz; Exit and Cancel; no resize or close; one taskbar entry, a message box's too"
done
echo "PASS: whole screens above a netbook's panel, the backdrop behind them, under openbox and xfwm4"
