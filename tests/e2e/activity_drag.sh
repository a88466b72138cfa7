#!/usr/bin/env bash
# A pupil opens "Greek Fighters", then "Labelling Activity", and drags each of
# the five part names into its box with the real pointer (button down,
# several moves, button up). "Check Score", which shows only once every label
# lies in a box, then opens the results screen.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_program

enter_main_menu
click_control intro0 120 3240 3075 375                    # "Greek Fighters"
click_control fighters 3600 7920 3195 495                 # "Labelling Activity"
# Tray place and box of each label (twips), in index order; labels are 2325 x 375.
for label in "1920 5520 9240 6180" "3120 6480 9240 2820" "720 6000 1800 1140" "720 6480 1800 3060" "3120 6000 9240 1380"; do
  read -r tray_x tray_y box_x box_y <<<"$label"
  drag_label fighterslab "$tray_x" "$tray_y" 2325 375 "$box_x" "$box_y"
done
click_control fighterslab 6000 7920 2565 495               # "Check Score"
wait_for Welldone >/dev/null
echo "PASS: five labels dragged into their boxes, \"Check Score\" appeared and opened the results"
