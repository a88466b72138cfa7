#!/usr/bin/env bash
# A pupil opens "Greek Fighters", then "Labelling Activity", and drags each of
# the five part names into its box with the real pointer (button down,
# several moves, button up). Once every label has snapped into a box the
# yellow "Check Score" caption shows where there was only background, and
# the button opens the results screen.
source "$(dirname "$0")/lib.sh"
needs import
start_xvfb
start_program

CHECK_SCORE=(6000 7920 2565 495)
# Near-yellow caption pixels of "Check Score" on the screen.
check_score_pixels() {
  local x y
  read -r x y < <(xdotool getwindowgeometry "$screen" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
  import -window root -crop "$((CHECK_SCORE[2] / 15))x$((CHECK_SCORE[3] / 15))+$((x + CHECK_SCORE[0] / 15))+$((y + CHECK_SCORE[1] / 15))" \
    -depth 8 txt:- | grep -c -E '#[C-F][0-9A-F][C-F][0-9A-F][0-5][0-9A-F]' || true
}
check_score_shows() { [ "$(check_score_pixels)" -gt 20 ]; }

enter_main_menu
click_control intro0 120 3240 3075 375                    # "Greek Fighters"
click_control fighters 3600 7920 3195 495                 # "Labelling Activity"
screen=$(wait_for fighterslab)
[ "$(check_score_pixels)" -eq 0 ] || fail "\"Check Score\" shows before any label is placed"

# Tray place and box of each label (twips), in index order; labels are 2325 x 375.
for label in "1920 5520 9240 6180" "3120 6480 9240 2820" "720 6000 1800 1140" "720 6480 1800 3060" "3120 6000 9240 1380"; do
  read -r tray_x tray_y box_x box_y <<<"$label"
  # The label's middle follows the pointer; aim a little off the box's middle so the snap puts it in place.
  from_x=$(( (tray_x + 1162) / 15 )) from_y=$(( (tray_y + 187) / 15 ))
  to_x=$(( (box_x + 1362) / 15 )) to_y=$(( (box_y + 97) / 15 ))
  xdotool mousemove --window "$screen" "$from_x" "$from_y" mousedown 1
  for step in 1 2 3 4 5 6; do
    xdotool mousemove --window "$screen" $(( from_x + (to_x - from_x) * step / 6 )) $(( from_y + (to_y - from_y) * step / 6 ))
  done
  xdotool mouseup 1
done
wait_until 10 check_score_shows || fail "\"Check Score\" did not appear after all five labels were placed"
click_control fighterslab "${CHECK_SCORE[@]}"
wait_for Welldone >/dev/null
echo "PASS: five labels dragged into their boxes, \"Check Score\" appeared and opened the results"
