#!/usr/bin/env bash
# Prints through a private CUPS server whose default printer is a cups-pdf
# queue, driving the real program under an X server: a certificate after a
# full score and a key-facts page, each checked in the PDF that CUPS writes,
# with the program still running.
source "$(dirname "$0")/lib.sh"
start_cups
unset VELMORA_CONTENT

# --- the program, with the topic's own questions and their right answers
start_xvfb
start_program
mapfile -t RIGHT < <(tr -d '\r' <"$APP_DIR/multiple/Greek Fighters.txt" | awk 'NR > 2 && (NR - 2) % 7 == 6')
enter_main_menu
click_control intro0 120 3240 3075 375                    # "Greek Fighters"
click_control fighters 120 7920 3195 495                  # "Multiple Choice", answered right
for k in $(seq 0 9); do
  click_control multiple 2600 $((5400 + 600 * (${RIGHT[$k]} - 1) + 262)) 0 0
  click_control multiple 6000 7920 3765 495               # "Next Question >>" / "Check Score >>"
done
click_control Welldone 3120 6600 5760 615                 # the name box
xdotool type --delay 20 'Ada Lovelace'
click_control Welldone 240 1800 3765 495                  # "Print Certificate"
answer_message certificate
expect_text "$(printed_text)" "Velmora" "Excellent Work" "Ada Lovelace" "You have scored 10 out of 10." "Well Done"
click_control Welldone 10560 7920 1245 495                # results "Exit"

click_control fighters 6360 120 1995 495                  # "Key Facts"
click_control teacher 10680 120 1125 495                  # "Print": no message at all
expect_text "$(printed_text)" "Greek Fighters"
shown message && fail "printing a page showed a message"
kill -0 "$VELMORA_PID" || fail "the program ended"
echo "PASS: a certificate and a page printed through CUPS"
