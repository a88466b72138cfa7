#!/usr/bin/env bash
# Reading aloud through the real speech service: the speech-dispatcher the
# program starts (in the test's runtime folder, lib.sh) speaks with espeak-ng
# into a private PulseAudio sink. The quiz's speaker gives speech for at least
# as long as espeak-ng takes to say the question alone; after the click of
# "Next Question >>" the sink falls silent.
source "$(dirname "$0")/lib.sh"
needs speech-dispatcher espeak-ng
[ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] || { echo "SKIP: speech-dispatcher-espeak-ng is not installed"; exit 77; }
start_pulseaudio
start_xvfb
start_program
enter_main_menu
click_control intro0 120 3240 3075 375   # "Greek Fighters"
click_control fighters 120 7920 3195 495 # "Multiple Choice"
espeak-ng -w "$E2E_TMP/question.wav" "$(sed -n 3p "$BUILD_DIR/multiple/Greek Fighters.txt" | tr -d '\r')"
want=$(sounding_length "$E2E_TMP/question.wav")
start_capture "$E2E_TMP/speech.raw"
click_control multiple 240 3990 495 495 # the speaker beside the question
wait_until 60 at_least "$want" || fail "the question was not read: $(captured_length)s of speech, ${want}s wanted"
stop_capture
test -s "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" || fail "no speech-dispatcher of the test's own spoke"

click_control multiple 6000 7920 3765 495 # "Next Question >>"
start_capture "$E2E_TMP/after.raw"
wait_until 30 bash -c "[ \$(stat -c %s $CAPTURE) -ge $((3 * 44100 * 4)) ]" || fail "the sink gave no 3 s to listen to"
stop_capture
awk -v g="$(captured_length)" 'BEGIN { exit !(g < 1) }' || fail "reading went on after the next question: $(captured_length)s"
echo "PASS: the question was read for ${want}s or more and stopped at the next question"
