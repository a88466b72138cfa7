#!/usr/bin/env bash
# Starts the real program under an X server, goes into the main menu and out
# again, and checks that the title screen's "Exit" ends it with status 0.
source "$(dirname "$0")/lib.sh"
start_xvfb
prepare_program
start_program

title=$(wait_for_window 364 438)
click_control "$title" 1320 6000 1335 375             # OK
menu=$(wait_for_window 800 600)
wait_until 5 bash -c "! xdotool search --onlyvisible --name '^Velmora$' getwindowgeometry %@ | grep -q 364x438" \
  || fail "title screen still visible after OK"
click_control "$menu" 10560 7920 1245 495             # main menu Exit
title=$(wait_for_window 364 438)
click_control "$title" 2760 6000 1335 375             # title Exit
wait_until 10 bash -c "! kill -0 $VELMORA_PID" || fail "program did not end"
wait "$VELMORA_PID" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "program ended with status $status"
echo "PASS: start, main menu, exit"
