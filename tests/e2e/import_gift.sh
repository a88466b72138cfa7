#!/usr/bin/env bash
# A GIFT file of twelve questions imported through the catalogue and the
# file dialog with real keystrokes: the wizard holds the ten that fit, the
# message (as a screen reader reads it) names the other two by their lines;
# saved, the worksheet is listed and its file is byte for byte.
if [ -z "${VELMORA_A11Y_SESSION:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
  VELMORA_A11Y_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
start_xvfb
start_accessibility_bus

TITLE="Greek Heroes"
{
  printf '// Year 4 heroes\n$CATEGORY: $course$/top/%s\n\n' "$TITLE"
  for q in $(seq 1 10); do
    printf '::Hero %s::%s {\n' "$q" "$(question_text "$q")"
    for a in 0 1 2 3; do
      if [ "$a" -eq $((WORKSHEET_RIGHT[q - 1] - 1)) ]; then printf '  ='; else printf '  ~'; fi
      answer_text "$q" "$a"
    done
    printf '}\n\n'
    if [ "$q" -eq 3 ]; then printf 'The Spartans lived in Athens.{F}\n\n'; fi                 # line 25
    if [ "$q" -eq 7 ]; then printf 'Who ran to Athens?{=Pheidippides ~Leonidas ~Homer}\n\n'; fi # line 55
  done
} >"$E2E_TMP/heroes.gift"
mkdir -p "$E2E_TMP/app/multiple" && printf ' 0 \r\n' >"$E2E_TMP/app/multiple/track.txt"
start_program
enter_main_menu
click_control intro0 6930 6600 4635 495                   # "Worksheet Catalogue"
click_control worksheets 6200 8505 2535 375               # "Import Worksheet"
dialog_shown() { xdotool search --onlyvisible --name '^Import Worksheet$'; }
wait_until 15 dialog_shown || fail "no file dialog"
xdotool mousemove --window "$(dialog_shown | head -1)" 5 5 click 1 type --delay 6 "$E2E_TMP/heroes.gift"
xdotool key Return
wait_for wizard >/dev/null
message_read() { message_text | grep -q "Line"; }
wait_until 30 message_read || fail "no message on the accessibility bus"
expect_text "$(message_text)" "The Multiple Choice Wizard now holds 10 questions from heroes.gift." \
  "Line 25: it is a true/false question." "Line 55: it has 3 answers, not four."
# Return's release went to the file dialog as it closed, so Return counts as
# held until 1.2 s have passed without it (see HeldKeys); a pupil's next press
# comes later than that.
sleep 1.3
answer_message "imported"
click_control wizard 240 7920 3165 495                    # "Save Worksheet"
answer_message "saved"
cmp <(worksheet_bytes "$TITLE") "$APP_DIR/multiple/$TITLE.txt" || fail "the worksheet file is not the ten questions"
cmp <(printf ' 1 \r\n%s\r\n' "$TITLE") "$APP_DIR/multiple/track.txt" || fail "the catalogue does not list the worksheet"
echo "PASS: twelve GIFT questions imported through the file dialog, ten in the wizard, two named, saved and listed"
