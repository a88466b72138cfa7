#!/usr/bin/env bash
# A teacher writes a whole worksheet in the real program under an X server:
# types every box and ticks the right answers with real keystrokes, saves and
# confirms the message; the file must hold the 72 lines byte for byte and the
# catalogue must list it. Then the catalogue opens it as a quiz.
source "$(dirname "$0")/lib.sh"
start_xvfb

TITLE="Greek Heroes"
RIGHT=(1 2 3 4 2 3 4 1 3 2)   # the right answer, 1 to 4, of questions 1 to 10
LETTERS=(A B C D)
question_text() { if [ "$1" -eq 1 ]; then echo "Who won, Athens or Sparta?"; else echo "Which hero is number $1?"; fi; }
answer_text() { echo "Hero $1${LETTERS[$2]}"; }
mkdir -p "$E2E_TMP/app/multiple"
printf ' 0 \r\n' >"$E2E_TMP/app/multiple/track.txt"
start_program
enter_main_menu
click_control intro0 6930 5760 4635 495                   # "Multiple Choice Wizard"
# Everything in the wizard's Tab order: the title, each question with its four
# answers, then the forty ticks, the right answer of each question ticked with Space.
{
  printf '%s\t' "$TITLE"
  for q in $(seq 1 10); do
    printf '%s\t' "$(question_text "$q")" "$(answer_text "$q" 0)" "$(answer_text "$q" 1)" "$(answer_text "$q" 2)" "$(answer_text "$q" 3)"
  done
  for q in $(seq 0 9); do for a in 0 1 2 3; do [ "$a" -eq $(( RIGHT[q] - 1 )) ] && printf ' '; printf '\t'; done; done
} >"$E2E_TMP/keys.txt"
click_control wizard 7560 120 4215 375                    # into the title box
xdotool type --delay 6 --file "$E2E_TMP/keys.txt"
click_control wizard 240 7920 3165 495                    # "Save Worksheet"
answer_message "saved"

# The file, byte for byte: title, " ", then per question its text (commas
# stored as "&"), four answers, the right digit and " ".
{
  printf '%s\r\n \r\n' "$TITLE"
  for q in $(seq 1 10); do
    printf '%s\r\n' "$(question_text "$q" | tr ',' '&')"
    for a in 0 1 2 3; do printf '%s\r\n' "$(answer_text "$q" "$a")"; done
    printf '%s\r\n \r\n' "${RIGHT[$((q - 1))]}"
  done
} >"$E2E_TMP/expected.txt"
cmp "$E2E_TMP/expected.txt" "$APP_DIR/multiple/$TITLE.txt" || fail "the worksheet file is not as typed"
cmp <(printf ' 1 \r\n%s\r\n' "$TITLE") "$APP_DIR/multiple/track.txt" || fail "the catalogue does not list the worksheet"

click_control wizard 10560 7920 1245 495                  # wizard "Exit"
wait_until 10 gone wizard || fail "the wizard stayed"
click_control intro0 6930 6600 4635 495                   # "Worksheet Catalogue"
click_control worksheets 120 720 5715 375                 # the first title: answer mode
wait_for multiple >/dev/null
echo "PASS: worksheet typed, saved byte for byte, listed and opened as a quiz"
