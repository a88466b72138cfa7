#!/usr/bin/env bash
# The Windows program under Wine, as laid out for installing, driven by real
# pointer clicks and keystrokes on a private X server under a window manager
# with a taskbar (openbox), with a private sound server (Wine's PulseAudio
# driver) and print server (Wine prints through CUPS): the title screen over
# its backdrop, kept out of the taskbar; with the main menu, a topic menu and
# a quiz open, the manager's window list (_NET_CLIENT_LIST) shows the quiz
# alone, and a covered screen activated (as a taskbar or Alt+Tab would)
# leaves the quiz on top; the quiz answered to full marks, whose reward sound
# reaches the sound server; a certificate checked in the PDF; a worksheet
# typed and saved, its file and catalogue line checked byte for byte.
source "$(dirname "$0")/lib_windows.sh"
start_cups
start_pulseaudio
start_xvfb
start_wm
start_capture "$E2E_TMP/sound.raw"
start_windows_program
wait_for_top "$TITLE_SIZE" >/dev/null
xprop -id "$(backdrop)" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the backdrop is in the taskbar"

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
enter_main_menu
click_control intro0 120 3240 3075 375                    # "Greek Fighters"
menu=$ON_TOP
click_control fighters 120 7920 3195 495                  # "Multiple Choice"
topic=$ON_TOP
quiz=$(wait_for_top "$SCREEN_SIZE" "$topic")
wait_until 15 only_listed "$quiz" || fail "the taskbar lists $(listed | tr '\n' ' '), not the quiz ($quiz) alone"
for covered in "$menu" "$topic"; do
  xdotool windowactivate "$covered" 2>/dev/null || true
  wait_until 15 top_is "$SCREEN_SIZE" "$covered" || fail "a covered screen came in front of the quiz"
  wait_until 15 only_listed "$quiz" || fail "activating a covered screen changed the taskbar: $(listed | tr '\n' ' ')"
done
full_marks_quiz
wait_until 20 at_least 0.32 || fail "no reward sound reached the sound server"
print_certificate "Ada Lovelace"
leave Welldone
leave fighters
save_worksheet "Greek Heroes" "$APP_DIR/multiple"
echo "PASS: the Windows program under Wine: title, one taskbar entry, a full-marks quiz with its reward sound, a certificate, a worksheet"
