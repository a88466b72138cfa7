#!/usr/bin/env bash
# Prints through a private CUPS server whose default printer is a cups-pdf
# queue, driving the real program under an X server: a certificate after a
# full score and a key-facts page, each checked in the PDF that CUPS writes,
# with the program still running.
source "$(dirname "$0")/lib.sh"
start_cups
unset VELMORA_CONTENT
start_xvfb
start_program
enter_main_menu
click_control intro0 120 3240 3075 375                    # "Greek Fighters"
click_control fighters 120 7920 3195 495                  # "Multiple Choice"
full_marks_quiz
print_certificate "Ada Lovelace"
leave Welldone
click_control fighters 6360 120 1995 495                  # "Key Facts"
click_control teacher 10680 120 1125 495                  # "Print": no message at all
expect_text "$(printed_text)" "Greek Fighters"
shown message && fail "printing a page showed a message"
kill -0 "$VELMORA_PID" || fail "the program ended"
echo "PASS: a certificate and a page printed through CUPS"
