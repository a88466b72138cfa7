# Shared pieces of the end-to-end scripts: what they need, a private X
# server, the program on its own copy of the content, screens found by their
# window role (each screen's name), clicks in twips, waiting on conditions,
# and cleanup of everything started.
set -euo pipefail

BUILD_DIR=$(cd "${1:-${VELMORA_BUILD_DIR:-build}}" && pwd)
E2E_TMP=$(mktemp -d)
E2E_PIDS=()
E2E_FILES=() # made outside E2E_TMP, removed at the end

e2e_cleanup() {
  kill "${E2E_PIDS[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  # Any speech service a program started in the test's folders (a lost
  # sound server can leave one deaf to a polite request).
  local pidfile speech
  for pidfile in $(find "$E2E_TMP" -path '*/speech-dispatcher/pid/speech-dispatcher.pid' 2>/dev/null); do
    speech=$(cat "$pidfile") && kill "$speech" 2>/dev/null || continue
    wait_until 3 bash -c "! kill -0 $speech" || kill -KILL "$speech" 2>/dev/null || true
  done
  rm -rf "$E2E_TMP" "${E2E_FILES[@]}"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$E2E_TMP/velmora.log" ] && tail -n 60 "$E2E_TMP/velmora.log" >&2
  exit 1
}

# needs COMMAND...: skips the test, as CTest counts exit 77, when one is missing.
needs() {
  local c
  for c in "$@"; do command -v "$c" >/dev/null || { echo "SKIP: $c is not installed"; exit 77; }; done
}

# wait_until SECONDS command...: polls every 0.1 s.
wait_until() {
  local end=$(( $(date +%s%N) + $1 * 1000000000 )); shift
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# start_xvfb [WIDTHxHEIGHT]: starts Xvfb (1024x768 unless told) on a display
# it finds free and exports DISPLAY once it is ready.
start_xvfb() {
  needs Xvfb xdotool xprop
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
  E2E_PIDS+=($!)
  wait_until 10 test -s "$E2E_TMP/display" || fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
  export DISPLAY=":$(head -1 "$E2E_TMP/display")"
}

# start_pulseaudio: a private PulseAudio server with a null sink, ci_null,
# as the default sink; PULSE_SERVER names it.
start_pulseaudio() {
  needs pulseaudio pactl parec sox
  local dir="$E2E_TMP/pulse"
  mkdir -p "$dir/runtime" "$dir/config" "$dir/home"
  chmod 700 "$dir/runtime"
  HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/config" pulseaudio -n --daemonize=no \
    --use-pid-file=no --exit-idle-time=-1 --disallow-exit=yes --realtime=no --high-priority=no \
    -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
    -L "module-null-sink sink_name=ci_null rate=44100 channels=2" >"$E2E_TMP/pulse.log" 2>&1 &
  E2E_PIDS+=($!)
  export PULSE_SERVER="unix:$dir/native"
  wait_until 15 pactl info || fail "PulseAudio did not start"
  pactl set-default-sink ci_null
}

# start_capture FILE: records what reaches the sink into FILE (raw 44.1 kHz
# stereo) once data flows; stop_capture ends it.
start_capture() {
  CAPTURE=$1
  : >"$CAPTURE"
  parec -d ci_null.monitor --latency-msec=20 --raw --format=s16le --rate=44100 --channels=2 "$CAPTURE" &
  RECORDER=$!
  E2E_PIDS+=($RECORDER)
  wait_until 10 test -s "$CAPTURE" || fail "no capture data"
}
stop_capture() { kill -INT "$RECORDER"; wait "$RECORDER" 2>/dev/null || true; }

# Seconds of sound between the first and last sample above the threshold,
# in a sound file (sounding_length FILE) or the capture (captured_length).
sounding_length() {
  sox "$@" -n silence 1 0.002 1% reverse silence 1 0.002 1% reverse stat 2>&1 | awk '/^Length/ {print $3}'
}
captured_length() { sounding_length -t raw -r 44100 -e signed -b 16 -c 2 "$CAPTURE"; }
# at_least SECONDS: the capture sounds for that long, less 20 ms.
at_least() { awk -v w="$1" -v g="$(captured_length)" 'BEGIN { exit !(g >= w - 0.02) }'; }

# Starts a copy of the program beside links to the built content and a copy
# of its "multiple" folder, so tests never touch the build tree's catalogue;
# under E2E_RUN_UNDER (a command and its options) when set.
# Its runtime folder is the test's, so a speech service it starts ends with the test.
start_program() {
  APP_DIR="$E2E_TMP/app"
  mkdir -p "$APP_DIR" "$E2E_TMP/runtime"
  chmod 700 "$E2E_TMP/runtime"
  export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
  cp "$BUILD_DIR/velmora" "$BUILD_DIR"/velmora-*.so "$APP_DIR/" # the program and the modules it loads
  for d in images wav wmf wmf2 logo units; do if [ -e "$BUILD_DIR/$d" ]; then ln -s "$BUILD_DIR/$d" "$APP_DIR/$d"; fi; done
  [ -d "$APP_DIR/multiple" ] || cp -r "$BUILD_DIR/multiple" "$APP_DIR/multiple"
  # shellcheck disable=SC2086  # the wrapper's words
  (cd "$APP_DIR" && exec ${E2E_RUN_UNDER:-} ./velmora) >"$E2E_TMP/velmora.log" 2>&1 &
  VELMORA_PID=$!
  E2E_PIDS+=($VELMORA_PID)
}

# The visible program windows whose role is ROLE (a screen's name, or
# "message" for a message box); prints their ids.
windows_with_role() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null); do
    [ "$(xprop -id "$id" WM_WINDOW_ROLE 2>/dev/null | sed -n 's/.*= "\(.*\)"/\1/p')" = "$1" ] && echo "$id"
  done
  return 0
}
shown() { [ -n "$(windows_with_role "$1")" ]; }
gone() { ! shown "$1"; }

# wait_for SCREEN: waits until the screen is visible and prints its window id.
wait_for() {
  wait_until "${2:-15}" shown "$1" || fail "$1 did not appear"
  windows_with_role "$1" | head -1
}

# click_in ID LEFT TOP WIDTH HEIGHT [WIDE]: clicks the middle of a control
# given in twips, at the scale its window is shown (WIDE twips across, 12000
# for content screens).
click_in() {
  local px
  px=$(xwininfo -id "$1" | awk '/Width:/ {print $2}')
  xdotool mousemove --window "$1" $(( ($2 + $4 / 2) * px / ${6:-12000} )) $(( ($3 + $5 / 2) * px / ${6:-12000} )) click 1
}
# click_control SCREEN LEFT TOP WIDTH HEIGHT: the same on a screen by name
# (the title screen is 5460 twips wide).
click_control() {
  local id
  id=$(wait_for "$1")
  click_in "$id" "${@:2}" "$([ "$1" = Titlefrm ] && echo 5460 || echo 12000)"
}

# leave SCREEN: clicks its "Exit", where every content screen has it, and
# waits until the screen has gone.
leave() { click_control "$1" 10560 7920 1245 495; wait_until 15 gone "$1" || fail "$1 stayed"; }

# drag_label SCREEN LEFT TOP WIDTH HEIGHT TO_LEFT TO_TOP: drags a label (twips)
# with the real pointer, to rest a little off the box at TO_LEFT, TO_TOP.
drag_label() {
  local id from_x from_y to_x to_y step
  id=$(wait_for "$1")
  from_x=$(( ($2 + $4 / 2) / 15 )) from_y=$(( ($3 + $5 / 2) / 15 ))
  to_x=$(( ($6 + $4 / 2 + 200) / 15 )) to_y=$(( ($7 + $5 / 2 - 90) / 15 ))
  xdotool mousemove --window "$id" "$from_x" "$from_y" mousedown 1
  for step in 1 2 3 4 5 6; do
    xdotool mousemove --window "$id" $(( from_x + (to_x - from_x) * step / 6 )) $(( from_y + (to_y - from_y) * step / 6 ))
  done
  xdotool mouseup 1
}

# Gets from the title screen to the main menu.
enter_main_menu() {
  click_control Titlefrm 1320 6000 1335 375 # OK
  wait_until 15 gone Titlefrm || fail "the title screen stayed"
}

# Answers the message box on show with Return.
answer_message() {
  local id
  id=$(wait_for message 30)
  xdotool mousemove --window "$id" 5 5 click 1 key Return
  wait_until 10 gone message || fail "the message box did not close ($1)"
}

# The teacher's worksheet the wizard scripts type: the right answer, 1 to 4,
# of questions 1 to 10, and the texts (question 1 holds a comma).
WORKSHEET_RIGHT=(1 2 3 4 2 3 4 1 3 2)
question_text() { if [ "$1" -eq 1 ]; then echo "Who won, Athens or Sparta?"; else echo "Which hero is number $1?"; fi; }
answer_text() { local letters=(A B C D); echo "Hero $1${letters[$2]}"; }

# type_worksheet TITLE: types the open wizard's boxes in its Tab order with
# real keystrokes: the title, each question with its four answers, then the
# forty ticks, the right answer of each question ticked with Space.
type_worksheet() {
  local q a
  {
    printf '%s\t' "$1"
    for q in $(seq 1 10); do
      printf '%s\t' "$(question_text "$q")" "$(answer_text "$q" 0)" "$(answer_text "$q" 1)" \
        "$(answer_text "$q" 2)" "$(answer_text "$q" 3)"
    done
    for q in $(seq 0 9); do
      for a in 0 1 2 3; do [ "$a" -eq $((WORKSHEET_RIGHT[q] - 1)) ] && printf ' '; printf '\t'; done
    done
  } >"$E2E_TMP/keys.txt"
  click_control wizard 7560 120 4215 375                  # into the title box
  xdotool type --delay 6 --file "$E2E_TMP/keys.txt"
}

# worksheet_bytes TITLE: the file the wizard must write, byte for byte: title,
# " ", then per question its text (commas stored as "&"), four answers, the
# right digit and " ".
worksheet_bytes() {
  local q a
  printf '%s\r\n \r\n' "$1"
  for q in $(seq 1 10); do
    printf '%s\r\n' "$(question_text "$q" | tr ',' '&')"
    for a in 0 1 2 3; do printf '%s\r\n' "$(answer_text "$q" "$a")"; done
    printf '%s\r\n \r\n' "${WORKSHEET_RIGHT[$((q - 1))]}"
  done
}

# save_worksheet TITLE FOLDER: from the main menu, the wizard typed and saved;
# FOLDER must then hold the worksheet as typed and a catalogue listing it alone.
save_worksheet() {
  click_control intro0 6930 5760 4635 495                 # "Multiple Choice Wizard"
  type_worksheet "$1"
  click_control wizard 240 7920 3165 495                  # "Save Worksheet"
  answer_message saved
  cmp <(worksheet_bytes "$1") "$2/$1.txt" || fail "the worksheet is not in $2 as typed"
  cmp <(printf ' 1 \r\n%s\r\n' "$1") "$2/track.txt" || fail "the catalogue in $2 does not list the worksheet alone"
}

# full_marks_quiz [QUESTION FILE]: the quiz open (Greek Fighters' unless
# told), answered right throughout by pointer clicks, as far as the results.
full_marks_quiz() {
  local k right
  mapfile -t right < <(tr -d '\r' <"${1:-$APP_DIR/multiple/Greek Fighters.txt}" | awk 'NR > 2 && (NR - 2) % 7 == 6')
  for k in $(seq 0 9); do
    click_control multiple 2600 $((5400 + 600 * (right[k] - 1) + 262)) 0 0
    click_control multiple 6000 7920 3765 495             # "Next Question >>" / "Check Score >>"
  done
}

# print_certificate NAME [SCORE LINE [TEXT...]]: types the name on the
# results and prints; the PDF must carry it with the full score (of ten
# unless told) and any text given.
print_certificate() {
  click_control Welldone 3120 6600 5760 615               # the name box
  xdotool type --delay 20 "$1"
  click_control Welldone 240 1800 3765 495                # "Print Certificate"
  answer_message certificate
  expect_text "$(printed_text)" "Velmora" "Excellent Work" "$1" "${2:-You have scored 10 out of 10.}" "Well Done" "${@:3}"
}

# start_cups: a private CUPS server (needs root) whose default printer is a
# cups-pdf queue writing into $CUPS_DIR/out; exports CUPS_SERVER and HOME.
start_cups() {
  [ "$(id -u)" -eq 0 ] && [ -x /usr/lib/cups/backend/cups-pdf ] || { echo "SKIP: needs root and cups-pdf"; exit 77; }
  needs cupsd lpadmin lpstat pdftotext
  QUEUE="velmora_e2e_$$"
  CUPS_DIR="$E2E_TMP/cups"
  local conf="/etc/cups/cups-pdf-$QUEUE.conf" # cups-pdf reads its queue's settings only from here
  E2E_FILES+=("$conf")
  # Its filters run as lp and must reach the spool.
  mkdir -p "$CUPS_DIR"/{conf,spool/tmp,cache,state,log,out,pdfspool,home}
  chmod 0755 "$E2E_TMP" "$CUPS_DIR"
  chown root:lp "$CUPS_DIR/spool" "$CUPS_DIR/spool/tmp"
  chmod 0710 "$CUPS_DIR/spool" && chmod 1770 "$CUPS_DIR/spool/tmp"
  printf '%s\n' "Listen $CUPS_DIR/cups.sock" "Browsing No" "WebInterface No" "LogLevel warn" "DefaultAuthType None" \
    "<Location />" "Order allow,deny" "Allow all" "</Location>" \
    "<Policy default>" "<Limit All>" "Order allow,deny" "Allow all" "</Limit>" "</Policy>" >"$CUPS_DIR/conf/cupsd.conf"
  printf '%s\n' "ServerRoot $CUPS_DIR/conf" "RequestRoot $CUPS_DIR/spool" "TempDir $CUPS_DIR/spool/tmp" \
    "CacheDir $CUPS_DIR/cache" "StateDir $CUPS_DIR/state" "AccessLog $CUPS_DIR/log/access_log" \
    "ErrorLog $CUPS_DIR/log/error_log" "PageLog $CUPS_DIR/log/page_log" "SystemGroup root" "User lp" "Group lp" \
    >"$CUPS_DIR/conf/cups-files.conf"
  printf '%s\n' "Out $CUPS_DIR/out" "AnonDirName $CUPS_DIR/out" "Spool $CUPS_DIR/pdfspool" "UserUMask 0022" >"$conf"
  export CUPS_SERVER="$CUPS_DIR/cups.sock" HOME="$CUPS_DIR/home" # no personal default printer interferes
  unset PRINTER LPDEST
  cupsd -f -c "$CUPS_DIR/conf/cupsd.conf" -s "$CUPS_DIR/conf/cups-files.conf" >>"$CUPS_DIR/log/cupsd.out" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 15 bash -c 'timeout 5 lpstat -r | grep -q "scheduler is running"' || fail "cupsd did not start"
  timeout 20 lpadmin -p "$QUEUE" -E -v "cups-pdf:/$QUEUE" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
    -o pdftops-renderer-default=pdftocairo && timeout 20 lpadmin -d "$QUEUE" || fail "lpadmin could not set up the queue"
}

# printed_text: waits for the next PDF cups-pdf writes, whole, prints its text and puts it aside.
next_pdf() { ls "$CUPS_DIR"/out/*.pdf 2>/dev/null | head -1; }
pdf_whole() { [ -n "$(next_pdf)" ] && pdftotext "$(next_pdf)" /dev/null; }
printed_text() {
  wait_until 60 pdf_whole || fail "the print job gave no whole PDF"
  pdftotext -layout "$(next_pdf)" - | tr -s ' '
  mkdir -p "$CUPS_DIR/done" && mv "$(next_pdf)" "$CUPS_DIR/done/"
}
expect_text() { # TEXT WANTED...
  local text=$1 want; shift
  for want in "$@"; do grep -qF "$want" <<<"$text" || fail "the PDF lacks '$want': $text"; done
}

# start_share PC...: the folder $E2E_TMP/export mounted as $E2E_TMP/PC for
# each PC, with sshfs over SSH on the loopback address, as computers see a
# server's folder: separate caches, no file locks shared (root and FUSE).
start_share() {
  [ "$(id -u)" -eq 0 ] && [ -e /dev/fuse ] || { echo "SKIP: needs root and FUSE"; exit 77; }
  needs sshfs fusermount ssh-keygen /usr/sbin/sshd
  local dir="$E2E_TMP/ssh" port pc
  mkdir -p "$dir" "$E2E_TMP/export" /run/sshd
  ssh-keygen -q -t ed25519 -N '' -f "$dir/host" && ssh-keygen -q -t ed25519 -N '' -f "$dir/client"
  for port in $(shuf -i 20000-60000 -n 5); do
    /usr/sbin/sshd -D -p "$port" -h "$dir/host" -o ListenAddress=127.0.0.1 -o StrictModes=no -o PidFile=none \
      -o AuthorizedKeysFile="$dir/client.pub" 2>>"$dir/sshd.log" &
    E2E_PIDS+=($!)
    wait_until 5 bash -c "</dev/tcp/127.0.0.1/$port" && break
  done
  SHARE_MOUNTS=("${@/#/$E2E_TMP/}")
  trap 'for pc in "${SHARE_MOUNTS[@]}"; do fusermount -u "$pc" || true; done; e2e_cleanup' EXIT
  for pc in "${SHARE_MOUNTS[@]}"; do
    mkdir -p "$pc"
    sshfs -p "$port" -o IdentityFile="$dir/client" -o StrictHostKeyChecking=no -o UserKnownHostsFile=/dev/null \
      "127.0.0.1:$E2E_TMP/export" "$pc" || fail "sshfs could not mount $pc"
  done
}

# start_accessibility_bus: the AT-SPI bus on the script's private session
# bus (dbus-run-session), the program speaking to it; skipped where missing.
start_accessibility_bus() {
  [ -x /usr/libexec/at-spi-bus-launcher ] && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: at-spi2-core or python3-pyatspi is not installed"; exit 77; }
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$E2E_TMP/at-spi.log" 2>&1 &
  E2E_PIDS+=($!)
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
# message_text: the texts of the message box on show, as a screen reader reads them.
message_text() {
  /usr/bin/python3 -c 'import pyatspi
def texts(node): return [t for c in node if c is not None for t in [c.name] + texts(c)]
print("\n".join(t for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Velmora"
                for w in a if w is not None and w.getRole() == pyatspi.ROLE_ALERT for t in texts(w)))'
}
