#!/usr/bin/env bash
# Plays sounds through the real sound component into a private PulseAudio
# server with a null sink, captures the sink, and checks each sound arrived
# whole: the captured sound lasts as long as the file's own sound.
source "$(dirname "$0")/lib.sh"
start_pulse
mkdir -p "$E2E_TMP/content/wav"

# Content: the real click, plus a long tone whose tail would show any cut.
export VELMORA_CONTENT="$E2E_TMP/content"
cp "$BUILD_DIR/wav/click.wav" "$VELMORA_CONTENT/wav/click.wav"
sox -R -n -r 22050 -c 1 -b 16 -e signed-integer "$VELMORA_CONTENT/wav/tone.wav" synth 0.6 sine 440 gain -6

captured_length() { sounding_length -t raw -r 44100 -e signed -b 16 -c 2 "$capture"; }
whole() { awk -v w="$want" -v g="$(captured_length)" 'BEGIN { exit !(g >= w - 0.02) }'; }

for name in click tone; do
  capture="$E2E_TMP/$name.raw"
  want=$(sounding_length "$VELMORA_CONTENT/wav/$name.wav")
  : >"$capture"
  parec -d ci_null.monitor --latency-msec=20 --raw --format=s16le --rate=44100 --channels=2 "$capture" &
  recorder=$!
  E2E_PIDS+=($recorder)
  wait_until 10 test -s "$capture" || fail "no capture data"
  "$BUILD_DIR/playsound" "wav\\$name.wav" 1500
  wait_until 5 whole || true # the sink may still be passing on the end
  kill -INT "$recorder"
  wait "$recorder" 2>/dev/null || true
  got=$(captured_length)
  echo "$name: the file sounds for ${want}s, the sink received ${got}s"
  awk -v w="$want" -v g="$got" 'BEGIN { exit !(g >= w - 0.02 && g <= w + 0.1) }' || fail "$name did not arrive whole"
done
echo "PASS: sounds arrive whole"
