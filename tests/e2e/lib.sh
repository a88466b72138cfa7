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
