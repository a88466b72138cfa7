#!/usr/bin/env bash
# A pupil's tour of "The Olympic Games" on the real program under an X server,
# printing through a private CUPS server: start-up opens no unit's file (the
# program runs under strace); a full-marks quiz and labelling activity, the
# labels dragged with the real pointer, each print a certificate read back;
# a key facts page prints with no message, the program running on.
source "$(dirname "$0")/lib.sh"
UNIT=olympics TITLE="The Olympic Games"
needs strace
start_cups
unset VELMORA_CONTENT
start_xvfb
E2E_RUN_UNDER="strace -f -qq -e trace=%file -o $E2E_TMP/files.log" start_program
wait_until 10 pgrep -P "$VELMORA_PID" || fail "the program did not start under strace"
E2E_PIDS+=("$(pgrep -P "$VELMORA_PID")")
enter_main_menu
wait_until 10 grep -q track.txt "$E2E_TMP/files.log" || fail "strace saw no catalogue read"
! grep -m 3 /units/ "$E2E_TMP/files.log" || fail "start-up reached into the units' files"

click_control intro0 3360 2640 3075 375                   # "The Olympic Games"
click_control "$UNIT" 120 7920 3195 495                   # "Multiple Choice", answered right
full_marks_quiz "$APP_DIR/units/$UNIT/questions.txt"
print_certificate "Ada Lovelace" "You have scored 10 out of 10." "$TITLE"
leave Welldone

click_control "$UNIT" 3600 7920 3195 495                  # "Labelling Activity"
mapfile -t LABELS < <(awk -F'\t' '$1 == "label" {print $2, $3, $4, $5}' "$APP_DIR/units/$UNIT/unit.txt")
for label in "${LABELS[@]}"; do
  read -r tray_x tray_y box_x box_y <<<"$label"
  drag_label "${UNIT}lab" "$tray_x" "$tray_y" 2880 375 "$box_x" "$box_y"
done
click_control "${UNIT}lab" 6000 7920 2565 495             # "Check Score"
print_certificate "Ada Lovelace" "You have scored ${#LABELS[@]} out of ${#LABELS[@]}." "$TITLE"
leave Welldone
leave "${UNIT}lab"
click_control "$UNIT" 6360 120 1995 495                   # "Key Facts"
click_control teacher 10680 120 1125 495                  # "Print": no message at all
expect_text "$(printed_text)" "$TITLE" "Key Facts 1 of"
shown message && fail "printing a page showed a message"
kill -0 "$VELMORA_PID" || fail "the program ended"
echo "PASS: \"$TITLE\": its menu, a full-marks quiz and labelling activity, each with its certificate printed, and a page printed"
