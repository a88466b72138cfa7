#!/usr/bin/env bash
# Starts the real program under an X server, goes into the main menu and out
# again, and checks that the title screen's "Exit" ends it with status 0.
# First --help and --version, which answer with no display at all (over SSH).
source "$(dirname "$0")/lib.sh"
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$BUILD_DIR/velmora" "$@"; }
[[ $(nodisplay --help) == *--fit* && $(nodisplay --version) == "Velmora "* ]] || fail "--help or --version needs a display"
start_xvfb
start_program
enter_main_menu
click_control intro0 10560 7920 1245 495      # main menu "Exit"
click_control Titlefrm 2760 6000 1335 375     # title "Exit"
wait_until 10 bash -c "! kill -0 $VELMORA_PID" || fail "the program did not end"
wait "$VELMORA_PID" || fail "the program ended with status $?"
echo "PASS: start, main menu, exit"
