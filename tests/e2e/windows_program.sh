#!/usr/bin/env bash
# The Windows program under Wine, as laid out for installing, driven by real
# pointer clicks and keystrokes on a private X server, with a private sound
# server (Wine's PulseAudio driver) and print server (Wine prints through
# CUPS): the title screen over its backdrop, kept out of the taskbar; the
# main menu; a quiz answered to full marks, whose reward sound reaches the
# sound server; a certificate checked in the PDF; "The Olympic Games" and its
# labelling activity; a worksheet typed and saved, its file and catalogue
# line checked byte for byte.
source "$(dirname "$0")/lib_windows.sh"
start_cups
start_pulseaudio
start_xvfb
start_capture "$E2E_TMP/sound.raw"
start_windows_program

title=$(wait_for_top 364x438)
xprop -id "$(backdrop)" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the backdrop is in the taskbar"
click_in "$title" 1320 6000 1335 375 5460                 # OK
menu=$(wait_for_top 800x600)
click_in "$menu" 120 3240 3075 375                        # "Greek Fighters"
topic=$(wait_for_top 800x600 "$menu")
click_in "$topic" 120 7920 3195 495                       # "Multiple Choice", answered right
quiz=$(wait_for_top 800x600 "$topic")
mapfile -t RIGHT < <(tr -d '\r' <"$APP_DIR/multiple/Greek Fighters.txt" | awk 'NR > 2 && (NR - 2) % 7 == 6')
for k in $(seq 0 9); do
  click_in "$quiz" 2600 $((5400 + 600 * (${RIGHT[$k]} - 1) + 262)) 0 0
  click_in "$quiz" 6000 7920 3765 495                     # "Next Question >>" / "Check Score >>"
done
results=$(wait_for_top 800x600 "$quiz")
wait_until 20 at_least 0.32 || fail "no reward sound reached the sound server"

click_in "$results" 3120 6600 5760 615                    # the name box
xdotool type --delay 20 'Ada Lovelace'
click_in "$results" 240 1800 3765 495                     # "Print Certificate"
answer_box "$results"
expect_text "$(printed_text)" "Velmora" "Excellent Work" "Ada Lovelace" "You have scored 10 out of 10." "Well Done"

click_in "$results" 10560 7920 1245 495                   # results "Exit", back on the topic menu
wait_until 15 top_is 800x600 "$results" || fail "the results screen stayed"
click_in "$topic" 10560 7920 1245 495                     # topic "Exit"
wait_until 15 top_is 800x600 "$topic" || fail "the topic menu stayed"
if [ -f "$APP_DIR/units/olympics/unit.txt" ]; then
  click_in "$menu" 3360 2640 3075 375                     # "The Olympic Games"
  unit=$(wait_for_top 800x600 "$menu")
  click_in "$unit" 3600 7920 3195 495                     # "Labelling Activity", then its "Exit"
  activity=$(wait_for_top 800x600 "$unit")
  click_in "$activity" 10560 7920 1245 495
  wait_until 15 top_is 800x600 "$activity" || fail "the unit's labelling activity stayed"
  click_in "$unit" 10560 7920 1245 495                    # the unit's "Exit"
  wait_until 15 top_is 800x600 "$unit" || fail "the unit's menu stayed"
fi
click_in "$menu" 6930 5760 4635 495                       # "Multiple Choice Wizard"
wizard=$(wait_for_top 800x600 "$menu")
TITLE="Greek Heroes"
type_worksheet "$TITLE"
click_in "$wizard" 240 7920 3165 495                      # "Save Worksheet"
answer_box "$wizard"
cmp <(worksheet_bytes "$TITLE") "$APP_DIR/multiple/$TITLE.txt" || fail "the worksheet file is not as typed"
cmp <(printf ' 1 \r\n%s\r\n' "$TITLE") "$APP_DIR/multiple/track.txt" || fail "the catalogue does not list the worksheet"
echo "PASS: the Windows program under Wine: title, menu, a full-marks quiz with its reward sound, a certificate, a unit, a worksheet"
