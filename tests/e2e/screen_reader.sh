#!/usr/bin/env bash
# What a screen reader meets, through the real accessibility bus: the program
# runs under Xvfb on a private session bus with the AT-SPI bus started, a
# pupil works it with real keystrokes only, and screen_reader.py reads the
# accessible tree of each screen (roles, names, states) and the focus events
# from the bus. Skipped when the bus, its Python client or the X tools are missing.
if [ -z "${VELMORA_A11Y_SESSION:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
  VELMORA_A11Y_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
# The system's Python carries Debian's python3-pyatspi, whatever python3 is first on PATH.
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
start_xvfb
"$launcher" --launch-immediately >"$E2E_TMP/at-spi.log" 2>&1 &
E2E_PIDS+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The reader listens on the bus before the program starts, so the program hears of it at once.
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$E2E_TMP/app" "$E2E_TMP/listening" &
reader=$!
E2E_PIDS+=($reader)
wait_until 60 test -e "$E2E_TMP/listening" || fail "the screen reader did not start listening"
start_program
# No window manager runs here to hand the first window the keyboard, as a desktop would.
xdotool windowfocus --sync "$(wait_for Titlefrm)" || true
wait "$reader" || fail "the screen reader's view is wrong"
