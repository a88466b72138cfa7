#!/usr/bin/env bash
# Plays sounds through the real sound component into a private PulseAudio
# server with a null sink, captures the sink, and checks each sound arrived
# whole: the captured sound lasts as long as the file's own sound.
source "$(dirname "$0")/lib.sh"

PA_DIR="$E2E_TMP/pulse"
mkdir -p "$PA_DIR/runtime" "$PA_DIR/config" "$PA_DIR/home"
chmod 700 "$PA_DIR/runtime"
SOCK="$PA_DIR/native"
export HOME="$PA_DIR/home" XDG_RUNTIME_DIR="$PA_DIR/runtime" XDG_CONFIG_HOME="$PA_DIR/config"
pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --disallow-exit=yes \
  --realtime=no --high-priority=no \
  -L "module-native-protocol-unix socket=$SOCK auth-anonymous=1" \
  -L "module-null-sink sink_name=ci_null rate=44100 channels=2" >"$E2E_TMP/pulse.log" 2>&1 &
E2E_PIDS+=($!)
export PULSE_SERVER="unix:$SOCK"
wait_until 15 pactl info || fail "PulseAudio did not start"
pactl set-default-sink ci_null

# Content: the real click, plus a long tone whose tail would show any cut.
CONTENT="$E2E_TMP/content"
mkdir -p "$CONTENT/wav"
cp "$BUILD_DIR/wav/click.wav" "$CONTENT/wav/click.wav"
sox -R -n -r 22050 -c 1 -b 16 -e signed-integer "$CONTENT/wav/tone.wav" synth 0.6 sine 440 gain -6
export VELMORA_CONTENT="$CONTENT"

# Seconds of sound between the first and last sample above the threshold.
sounding_length() {
  sox "$@" -n silence 1 0.002 1% reverse silence 1 0.002 1% reverse stat 2>&1 | awk '/^Length/ {print $3}'
}

check_sound() {
  local name=$1
  local cap="$E2E_TMP/$name.raw"
  : >"$cap"
  parec -d ci_null.monitor --latency-msec=20 --raw --format=s16le --rate=44100 --channels=2 "$cap" &
  local rec=$!
  E2E_PIDS+=($rec)
  wait_until 10 test -s "$cap" || fail "no capture data"
  "$BUILD_DIR/playsound" "wav\\$name.wav" 1500
  sleep 0.3
  kill -INT "$rec"; wait "$rec" 2>/dev/null || true
  local want got
  want=$(sounding_length "$CONTENT/wav/$name.wav")
  got=$(sounding_length -t raw -r 44100 -e signed -b 16 -c 2 "$cap")
  echo "$name: file sounds for ${want}s, the sink received ${got}s"
  awk -v w="$want" -v g="$got" 'BEGIN { exit !(g >= w - 0.02 && g <= w + 0.1) }' \
    || fail "$name did not arrive whole"
}

check_sound click
check_sound tone
echo "PASS: sounds arrive whole"
