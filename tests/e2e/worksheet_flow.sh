#!/usr/bin/env bash
# A teacher writes a whole worksheet in the real program under an X server:
# types every box and ticks the right answers with real keystrokes, saves and
# confirms the message; the file must hold the 72 lines byte for byte and the
# catalogue must list it. Then the catalogue opens it as a quiz.
source "$(dirname "$0")/lib.sh"
start_xvfb

TITLE="Greek Heroes"
mkdir -p "$E2E_TMP/app/multiple"
printf ' 0 \r\n' >"$E2E_TMP/app/multiple/track.txt"
start_program
enter_main_menu
click_control intro0 6930 5760 4635 495                   # "Multiple Choice Wizard"
type_worksheet "$TITLE"
click_control wizard 240 7920 3165 495                    # "Save Worksheet"
answer_message "saved"
cmp <(worksheet_bytes "$TITLE") "$APP_DIR/multiple/$TITLE.txt" || fail "the worksheet file is not as typed"
cmp <(printf ' 1 \r\n%s\r\n' "$TITLE") "$APP_DIR/multiple/track.txt" || fail "the catalogue does not list the worksheet"

click_control wizard 10560 7920 1245 495                  # wizard "Exit"
wait_until 10 gone wizard || fail "the wizard stayed"
click_control intro0 6930 6600 4635 495                   # "Worksheet Catalogue"
click_control worksheets 120 720 5715 375                 # the first title: answer mode
wait_for multiple >/dev/null
echo "PASS: worksheet typed, saved byte for byte, listed and opened as a quiz"
