#!/usr/bin/env bash
# A pupil opens "Greek Fighters", then "Labelling Activity", and drags each of
# the five part names into its box with the real pointer (button down, several
# moves, button up). Once every label has snapped into a box the "Check Score"
# button appears; its caption's yellow pixels show on a screenshot, where
# before there was only the screen's background. "Check Score" then opens the
# results screen.
source "$(dirname "$0")/lib.sh"
start_xvfb
prepare_program
start_program

wait_for_screens() { # wait_for_screens N: at least N content screens are showing
  local end=$(( $(date +%s) + 15 ))
  until [ "$(count_windows 800 600)" -ge "$1" ]; do
    [ "$(date +%s)" -lt "$end" ] || fail "expected $1 content screens, saw $(count_windows 800 600)"
    sleep 0.1
  done
}

# Yellow caption pixels inside a rectangle given in twips on the content screen.
yellow_pixels() {
  local left=$1 top=$2 width=$3 height=$4
  import -window root -depth 8 "$E2E_TMP/shot.ppm"
  python3 - "$E2E_TMP/shot.ppm" $((WIN_X + left / 15)) $((WIN_Y + top / 15)) $((width / 15)) $((height / 15)) <<'PY'
import sys
path, x0, y0, w, h = sys.argv[1], *map(int, sys.argv[2:])
data = open(path, 'rb').read()
fields, pos = [], 0
while len(fields) < 4:  # magic, width, height, maxval
    while data[pos:pos + 1].isspace():
        pos += 1
    if data[pos:pos + 1] == b'#':
        pos = data.index(b'\n', pos)
        continue
    end = pos
    while not data[end:end + 1].isspace():
        end += 1
    fields.append(data[pos:end])
    pos = end
pos += 1
assert fields[0] == b'P6' and fields[3] == b'255', fields
width = int(fields[1])
count = 0
for y in range(y0, y0 + h):
    for x in range(x0, x0 + w):
        r, g, b = data[pos + 3 * (y * width + x): pos + 3 * (y * width + x) + 3]
        count += r > 200 and g > 200 and b < 100
print(count)
PY
}

title=$(wait_for_window 364 438)
click_control "$title" 1320 6000 1335 375                 # title "OK"
menu=$(wait_for_window 800 600)
eval "$(xdotool getwindowgeometry --shell "$menu")"
WIN_X=$X WIN_Y=$Y
# Every content screen is centred on the display, so they all share this place.
sleep 0.5
click_control "$menu" 120 3240 3075 375                   # main menu "Greek Fighters"
wait_for_screens 2
sleep 0.5
click_control "$menu" 3600 7920 3195 495                  # topic menu "Labelling Activity"
wait_for_screens 3
sleep 0.5

CHECK_SCORE=(6000 7920 2565 495)
before=$(yellow_pixels "${CHECK_SCORE[@]}")
[ "$before" -eq 0 ] || fail "\"Check Score\" shows before any label is placed ($before yellow pixels)"

# Tray place and box of each label (twips), in index order; labels are 2325 x 375.
LABELS=(
  "1920 5520 9240 6180"   # Greaves
  "3120 6480 9240 2820"   # Bronze Breastplate
  "720 6000 1800 1140"    # Spear or pike
  "720 6480 1800 3060"    # Round Shield
  "3120 6000 9240 1380"   # Plumed Helmet
)
for entry in "${LABELS[@]}"; do
  read -r tl tt bl bt <<<"$entry"
  from_x=$(( (tl + 1162) / 15 )) from_y=$(( (tt + 187) / 15 ))
  # The label's centre follows the pointer; aim it a little off the box's
  # centre so the snap is what puts it exactly in place.
  to_x=$(( (bl + 1162 + 200) / 15 )) to_y=$(( (bt + 187 - 90) / 15 ))
  xdotool mousemove --window "$menu" "$from_x" "$from_y"
  sleep 0.1
  xdotool mousedown 1
  for step in 1 2 3 4 5 6; do
    xdotool mousemove --window "$menu" $(( from_x + (to_x - from_x) * step / 6 )) $(( from_y + (to_y - from_y) * step / 6 ))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.2
done
sleep 0.5
after=$(yellow_pixels "${CHECK_SCORE[@]}")
[ "$after" -gt 20 ] || fail "\"Check Score\" did not appear after all five labels were placed ($after yellow pixels)"

click_control "$menu" "${CHECK_SCORE[@]}"                  # "Check Score"
wait_for_screens 4
kill -0 "$VELMORA_PID" || fail "the program ended"
echo "PASS: five labels dragged into their boxes, \"Check Score\" appeared and opened the results"
