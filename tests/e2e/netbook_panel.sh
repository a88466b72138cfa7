#!/usr/bin/env bash
# A netbook: a 1024 x 600 display, a window manager (openbox) and a 40-pixel
# panel along the bottom. The screens shrink into the 560 pixels the panel
# leaves, keeping their shape, and a screenshot shows the whole main menu and
# the whole quiz: their own colour in all four corners, the panel below them,
# and their window frames inside the display.
source "$(dirname "$0")/lib.sh"
needs openbox xwininfo import
/usr/bin/python3 -c 'import Xlib, PIL' 2>/dev/null || { echo "SKIP: python3-xlib or python3-pil is not installed"; exit 77; }
PANEL=c81e1e
start_xvfb 1024x600
openbox >"$E2E_TMP/openbox.log" 2>&1 &
E2E_PIDS+=($!)
wait_until 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
/usr/bin/python3 "$(dirname "$0")/panel.py" 40 "$PANEL" &
E2E_PIDS+=($!)
wait_until 10 sh -c 'xprop -root _NET_WORKAREA | grep -q "= 0, 0, 1024, 560"' || fail "the panel's strip was not reserved"

# shows_whole SCREEN X Y W H: a screenshot shows the screen's colour at the
# four corners of its client area and the panel's colour below.
shows_whole() {
  import -window root "$E2E_TMP/shot.png" 2>/dev/null
  /usr/bin/python3 - "$E2E_TMP/shot.png" "$PANEL" "$@" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
panel = tuple(bytes.fromhex(sys.argv[2]))
x, y, w, h = map(int, sys.argv[3:])
corners = [shot.getpixel(c) for c in ((x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1))]
sys.exit(0 if corners == [(39, 63, 137)] * 4 and shot.getpixel((512, 580)) == panel else 1)
PY
}

# whole_on_display SCREEN: the window, frame included, lies in the free
# strip at 4:3, and the screenshot shows all of it.
whole_on_display() {
  local id x y w h left right top bottom
  id=$(wait_for "$1")
  read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')
  read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  [ $((x - left)) -ge 0 ] && [ $((y - top)) -ge 0 ] && [ $((x + w + right)) -le 1024 ] && [ $((y + h + bottom)) -le 560 ] ||
    fail "$1 is ${w}x$h at $x,$y with a frame of $left $right $top $bottom: not inside 1024x560"
  [ $((w * 3 - h * 4)) -le 4 ] && [ $((h * 4 - w * 3)) -le 4 ] || fail "$1 is ${w}x$h, not 4:3"
  wait_until 10 shows_whole "$x" "$y" "$w" "$h" || fail "the screenshot does not show the whole of $1 (see $E2E_TMP/shot.png)"
  echo "$1: ${w}x$h at $x,$y, frame $left $right $top $bottom"
}

start_program
enter_main_menu
whole_on_display intro0
click_control intro0 120 3240 3075 375                    # "Greek Fighters"
click_control fighters 120 7920 3195 495                  # "Multiple Choice"
whole_on_display multiple
echo "PASS: the main menu and the quiz are whole on a 1024x600 display above a 40-pixel panel"
