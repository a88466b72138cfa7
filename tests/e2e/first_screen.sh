#!/usr/bin/env bash
# The title screen comes up without a printing, sound or speech library: read from
# the running program's memory map while the title screen is shown and no
# one has touched it yet (the sound path is readied only at the first move
# or key on it). Then the first click sounds at once: the click that opens
# the main menu reaches a private PulseAudio server's sink whole, through the
# sound module, and printing and speech are still not loaded.
source "$(dirname "$0")/lib.sh"
start_pulseaudio
start_xvfb
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
! grep -qE 'velmora-print|velmora-speech' "/proc/$VELMORA_PID/maps" || fail "printing or speech was loaded unasked"
echo "PASS: the title screen maps no printing, sound or speech library; the first click sounds"
