# Shared pieces of the end-to-end scripts: a private X server, window lookup
# by size, clicks in twips, and cleanup of everything started.
set -euo pipefail

BUILD_DIR=${1:-${VELMORA_BUILD_DIR:-build}}
BUILD_DIR=$(cd "$BUILD_DIR" && pwd)
E2E_TMP=$(mktemp -d)
E2E_PIDS=()

e2e_cleanup() {
  for pid in "${E2E_PIDS[@]:-}"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
  sleep 0.2
  for pid in "${E2E_PIDS[@]:-}"; do
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  done
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$E2E_TMP/velmora.log" ] && tail -n 60 "$E2E_TMP/velmora.log" >&2
  exit 1
}

# wait_until SECONDS command...: polls every 0.1 s.
wait_until() {
  local limit=$1; shift
  local end=$(( $(date +%s%N) + limit * 1000000000 ))
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# Starts Xvfb on a free display and exports DISPLAY.
start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_PIDS+=($!)
    export DISPLAY=":$n"
    wait_until 10 xdpyinfo && return 0
    fail "Xvfb did not start"
  done
  fail "no free X display"
}

# A content folder of our own beside a copy of the program, so tests never
# touch the build tree's catalogue.
prepare_program() {
  mkdir -p "$E2E_TMP/app"
  cp "$BUILD_DIR/velmora" "$E2E_TMP/app/"
  for d in images wav wmf wmf2 logo; do
    [ -d "$BUILD_DIR/$d" ] && ln -s "$BUILD_DIR/$d" "$E2E_TMP/app/$d"
  done
  cp -r "$BUILD_DIR/multiple" "$E2E_TMP/app/multiple"
  APP_DIR="$E2E_TMP/app"
}

start_program() {
  (cd "$APP_DIR" && exec ./velmora) >"$E2E_TMP/velmora.log" 2>&1 &
  VELMORA_PID=$!
  E2E_PIDS+=($VELMORA_PID)
}

# The visible Velmora window of the given pixel size (the title window is
# 364 x 438, every content screen 800 x 600); prints its id.
window_of_size() {
  local want_w=$1 want_h=$2 id
  for id in $(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null); do
    local geo
    geo=$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {print $2}')
    if [ "$geo" = "${want_w}x${want_h}" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# How many visible Velmora windows have the given pixel size.
count_windows() {
  local n=0 id
  for id in $(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null); do
    xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: ${1}x${2}$" && n=$((n + 1))
  done
  echo "$n"
}

# A message box: a visible program window that is neither a screen, the
# title window nor the backdrop that covers the display; prints its id.
message_box() {
  local id geometry
  for id in $(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null); do
    geometry=$(xdotool getwindowgeometry "$id" 2>/dev/null | awk '/Geometry/ {print $2}')
    case "$geometry" in 800x600 | 364x438 | 1024x768 | "") ;; *) echo "$id"; return 0 ;; esac
  done
  return 1
}

wait_for_window() {
  wait_until "${3:-15}" window_of_size "$1" "$2" || fail "no ${1}x${2} window appeared"
  window_of_size "$1" "$2"
}

# click_twips WINDOW X Y: clicks at a point given in twips inside the window.
click_twips() {
  xdotool mousemove --window "$1" $(( $2 / 15 )) $(( $3 / 15 )) click 1
}

# The middle of a control given as left top width height in twips.
click_control() {
  click_twips "$1" $(( $2 + $4 / 2 )) $(( $3 + $5 / 2 ))
}

# The teacher's worksheet the wizard scripts type: the right answer, 1 to 4,
# of questions 1 to 10, and the texts (question 1 holds a comma).
WORKSHEET_RIGHT=(1 2 3 4 2 3 4 1 3 2)
question_text() { if [ "$1" -eq 1 ]; then echo "Who won, Athens or Sparta?"; else echo "Which hero is number $1?"; fi; }
answer_text() { local letters=(A B C D); echo "Hero $1${letters[$2]}"; }

# Clicks into a text box and types into it.
type_into() {  # WINDOW LEFT TOP WIDTH HEIGHT TEXT
  click_control "$1" "$2" "$3" "$4" "$5"
  xdotool type --delay 6 -- "$6"
}

# type_worksheet WINDOW TITLE: types every box of the open wizard with real
# keystrokes and ticks the right answers. Question q (0-9) sits in column
# q / 5, row q % 5.
type_worksheet() {
  local q a c r left top
  type_into "$1" 7560 120 4215 375 "$2"
  for q in $(seq 0 9); do
    c=$(( q < 5 ? 0 : 5880 )); r=$(( 1440 * (q % 5) ))
    type_into "$1" $((240 + c)) $((840 + r)) 5655 375 "$(question_text $((q + 1)))"
    for a in 0 1 2 3; do
      left=$(( (a % 2 == 0 ? 720 : 3600) + c )); top=$(( (a < 2 ? 1230 : 1560) + r ))
      type_into "$1" "$left" "$top" 2295 330 "$(answer_text $((q + 1)) "$a")"
    done
    a=$(( ${WORKSHEET_RIGHT[$q]} - 1 ))
    left=$(( (a % 2 == 0 ? 480 : 3330) + c )); top=$(( (a < 2 ? 1230 : 1560) + r ))
    click_twips "$1" $((left + 100)) $((top + 157))    # the tick box's square
  done
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
