#!/usr/bin/env bash
# Plays sounds through the real sound component into a private PulseAudio
# server with a null sink, captures the sink, and checks each sound arrived
# whole: the captured sound lasts as long as the file's own sound.
source "$(dirname "$0")/lib.sh"

start_pulseaudio
mkdir -p "$E2E_TMP/content/wav"

# Content: the real click, plus a long tone whose tail would show any cut.
export VELMORA_CONTENT="$E2E_TMP/content"
cp "$BUILD_DIR/wav/click.wav" "$VELMORA_CONTENT/wav/click.wav"
sox -R -n -r 22050 -c 1 -b 16 -e signed-integer "$VELMORA_CONTENT/wav/tone.wav" synth 0.6 sine 440 gain -6

for name in click tone; do
  want=$(sounding_length "$VELMORA_CONTENT/wav/$name.wav")
  start_capture "$E2E_TMP/$name.raw"
  "$BUILD_DIR/playsound" "wav\\$name.wav" 1500
  wait_until 5 at_least "$want" || true # the sink may still be passing on the end
  stop_capture
  awk -v w="$want" -v g="$(captured_length)" 'BEGIN { exit !(g >= w - 0.02 && g <= w + 0.1) }' ||
    fail "$name did not arrive whole: the file sounds for ${want}s, the sink received $(captured_length)s"
done
echo "PASS: sounds arrive whole"
