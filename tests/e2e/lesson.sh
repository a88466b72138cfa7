#!/usr/bin/env bash
# A lesson with the real program under an X server and a private PulseAudio
# server, by real pointer clicks, drags and keystrokes. --help and --version
# answer first with no display at all (over SSH). The title screen comes up
# with no printing, sound or speech library mapped (the sound path is readied only at
# the first move or key on it); the click that opens the main menu reaches
# the sink whole, through the sound module. Escape held on a topic menu
# closes it alone, ten times. A pupil drags the soldier's five
# part names into their boxes (button down, several moves, button up) and
# "Check Score", which shows only once every label lies in a box, opens the
# results. A teacher types and saves a worksheet, byte for byte, and the
# catalogue opens it as a quiz. The main menu's and the title screen's "Exit"
# end the program with status 0, printing never loaded.
source "$(dirname "$0")/lib.sh"
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$BUILD_DIR/velmora" "$@"; }
[[ $(nodisplay --help) == *--fit* && $(nodisplay --version) == "Velmora "* ]] || fail "--help or --version needs a display"
start_pulseaudio
start_xvfb
mkdir -p "$E2E_TMP/app/multiple"
printf ' 0 \r\n' >"$E2E_TMP/app/multiple/track.txt"
start_program
wait_for Titlefrm >/dev/null
unwanted='libQt6PrintSupport|libcups|libkrb5|libgssapi|libavahi|libQt6Multimedia|libQt6Network|libpulse|libspeechd|libQt6TextToSpeech|velmora-(print|sound|speech)'
mapped=$(grep -oE "/[^ ]*($unwanted)[^ ]*" "/proc/$VELMORA_PID/maps" | sort -u) || true
[ -z "$mapped" ] || fail "the title screen maps printing, sound or speech libraries: $mapped"
want=$(sounding_length "$BUILD_DIR/wav/click.wav")
start_capture "$E2E_TMP/click.raw"
enter_main_menu
wait_until 10 at_least "$want" || fail "the first click did not sound whole: $(captured_length)s of ${want}s"
stop_capture
grep -q velmora-sound "/proc/$VELMORA_PID/maps" || fail "the click did not come through the sound module"

# Escape held on a topic menu with the X server's own auto-repeat leaves the
# topic menu alone, never the main menu it uncovers: ten times.
for run in $(seq 1 10); do
  click_control intro0 120 3240 3075 375                  # "Greek Fighters"
  wait_for fighters >/dev/null
  xdotool keydown Escape sleep 1.5 keyup Escape           # held well past the repeat delay
  wait_until 10 gone fighters || fail "held Escape left the topic menu open (run $run)"
  ! wait_until 1 shown Titlefrm && shown intro0 || fail "held Escape went on past the main menu (run $run)"
done
click_control intro0 120 3240 3075 375                    # "Greek Fighters"
click_control fighters 3600 7920 3195 495                 # "Labelling Activity"
# Tray place and box of each label (twips), in index order; labels are 2325 x 375.
for label in "1920 5520 9240 6180" "3120 6480 9240 2820" "720 6000 1800 1140" "720 6480 1800 3060" "3120 6000 9240 1380"; do
  read -r tray_x tray_y box_x box_y <<<"$label"
  drag_label fighterslab "$tray_x" "$tray_y" 2325 375 "$box_x" "$box_y"
done
click_control fighterslab 6000 7920 2565 495              # "Check Score"
for screen in Welldone fighterslab fighters; do leave $screen; done

save_worksheet "Greek Heroes" "$APP_DIR/multiple"
leave wizard                                              # saved, so it leaves at once
click_control intro0 6930 6600 4635 495                   # "Worksheet Catalogue"
click_control worksheets 120 720 5715 375                 # the first title: answer mode
leave multiple
leave worksheets

! grep -q velmora-print "/proc/$VELMORA_PID/maps" || fail "printing was loaded without a print"
leave intro0
click_control Titlefrm 2760 6000 1335 375                 # title "Exit"
wait_until 10 bash -c "! kill -0 $VELMORA_PID" || fail "the program did not end"
wait "$VELMORA_PID" || fail "the program ended with status $?"
echo "PASS: title without printing, sound or speech, a first click heard, held Escape ten times, five labels dragged to a score, a worksheet saved and answered, exit"
