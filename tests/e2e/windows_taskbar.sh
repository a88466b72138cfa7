#!/usr/bin/env bash
# The Windows program under Wine with a window manager (openbox), as a
# desktop with a taskbar sees it: with the main menu, a topic menu and a quiz
# open, the manager's window list (_NET_CLIENT_LIST) shows one entry for the
# program, the quiz on top; neither the backdrop nor a covered screen is
# listed; and a covered screen activated (as a taskbar or Alt+Tab would)
# leaves the quiz on top.
source "$(dirname "$0")/lib_windows.sh"
needs openbox xprop
start_xvfb
HOME="$E2E_TMP/home" openbox --sm-disable >"$E2E_TMP/wm.log" 2>&1 &
E2E_PIDS+=($!)
wait_until 20 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || fail "openbox did not start"
start_windows_program

# The program's windows the taskbar lists: those in the manager's client list
# whose state does not say to skip the taskbar.
listed() {
  local id
  for id in $(xprop -root _NET_CLIENT_LIST | tr -d ',' | grep -o '0x[0-9a-f]*'); do
    xprop -id "$id" WM_NAME _NET_WM_STATE 2>/dev/null | grep -q '"Velmora"' || continue
    xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || printf '%d\n' "$id"
  done
}
only_listed() { [ "$(listed)" = "$(printf '%d' "$1")" ]; }
# Under a window manager the program's windows sit in frames: they are found
# in the manager's stacking list instead, top first, as "ID WIDTHxHEIGHT".
program_windows() {
  local id
  for id in $(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | grep -o '0x[0-9a-f]*' | tac); do
    xprop -id "$id" WM_NAME 2>/dev/null | grep -q '"Velmora"' || continue
    xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '/Width:/ {w = $2} /Height:/ {h = $2} /IsViewable/ {v = 1}
      END {if (v) print id, w "x" h}'
  done
}

title=$(wait_for_top 364x438)
click_in "$title" 1320 6000 1335 375 5460                 # OK
menu=$(wait_for_top 800x600)
click_in "$menu" 120 3240 3075 375                        # "Greek Fighters"
topic=$(wait_for_top 800x600 "$menu")
click_in "$topic" 120 7920 3195 495                       # "Multiple Choice"
quiz=$(wait_for_top 800x600 "$topic")
wait_until 15 only_listed "$quiz" || fail "the taskbar lists $(listed | tr '\n' ' '), not the quiz ($quiz) alone"
for covered in "$menu" "$topic"; do
  xdotool windowactivate "$covered" 2>/dev/null || true
  wait_until 15 top_is 800x600 "$covered" || fail "a covered screen came in front of the quiz"
  wait_until 15 only_listed "$quiz" || fail "activating a covered screen changed the taskbar: $(listed | tr '\n' ' ')"
done
echo "PASS: under openbox the taskbar lists the quiz alone, and covered screens stay behind it"
