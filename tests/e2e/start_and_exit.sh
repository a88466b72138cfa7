#!/usr/bin/env bash
# Starts the real program under an X server, goes into the main menu and out
# again, and checks that the title screen's "Exit" ends it with status 0.
# First --help and --version, which answer with no display at all (over SSH).
# On the way, Escape held on a topic menu with the X server's own auto-repeat
# leaves the topic menu alone, never the main menu it uncovers: ten times.
source "$(dirname "$0")/lib.sh"
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$BUILD_DIR/velmora" "$@"; }
[[ $(nodisplay --help) == *--fit* && $(nodisplay --version) == "Velmora "* ]] || fail "--help or --version needs a display"
start_xvfb
start_program
enter_main_menu
for run in $(seq 1 10); do
  click_control intro0 120 3240 3075 375      # "Greek Fighters"
  wait_for fighters >/dev/null
  xdotool keydown Escape sleep 1.5 keyup Escape # held well past the repeat delay
  wait_until 10 gone fighters || fail "held Escape left the topic menu open (run $run)"
  ! wait_until 1 shown Titlefrm && shown intro0 || fail "held Escape went on past the main menu (run $run)"
done
click_control intro0 10560 7920 1245 495      # main menu "Exit"
click_control Titlefrm 2760 6000 1335 375     # title "Exit"
wait_until 10 bash -c "! kill -0 $VELMORA_PID" || fail "the program did not end"
wait "$VELMORA_PID" || fail "the program ended with status $?"
echo "PASS: start, main menu, held Escape ten times, exit"
