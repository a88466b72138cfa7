#!/usr/bin/env bash
# The Windows program under Wine as a school deploys and uses it, on a
# private X server at 1920 x 1080 under a window manager with a taskbar
# (openbox), with a private sound server (Wine's PulseAudio driver) and
# print server (Wine prints through CUPS). A silent per-machine install names
# the shared worksheet folder: every laid-out file is installed, the settings
# and the installed-programs entry are kept, the Start-menu entries made. The
# program, started from its Start-menu entry on a display set to 150 % (its
# screens half as large again), shows its title screen over a backdrop kept
# out of the taskbar; with the main menu, a topic menu and a quiz open, the
# manager's window list (_NET_CLIENT_LIST) shows the quiz alone, and a
# covered screen activated (as a taskbar or Alt+Tab would) leaves the quiz on
# top. The quiz is answered to full marks by real clicks, its reward sound
# reaching the sound server; a certificate is checked in the PDF; "The Olympic Games" and its
# labelling activity open (saving a worksheet under Wine is the Wine unit
# tests' part). A silent uninstall removes every installed file, the
# settings and the menu entries, and keeps the teachers' worksheets.
source "$(dirname "$0")/lib_windows.sh"
start_cups
start_pulseaudio
start_xvfb 1920x1080
start_wm
msi=$(windows_path "$WINDOWS_BUILD/velmora.msi")
program="$WINEPREFIX/drive_c/Program Files/Velmora"
# The machine's Start menu on Windows; Wine puts per-machine entries in the user's.
start_menu() { find "$WINEPREFIX/drive_c" -ipath '*/Start Menu/Programs/Velmora' -type d; }
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n {$1 = $2 = ""; print substr($0, 3)}'; }

# The school's folder (on a real network a share, \\server\share\velmora).
teachers="$WINEPREFIX/drive_c/School/Worksheets"
mkdir -p "$teachers"
printf ' 0 \r\n' >"$teachers/track.txt"
wine msiexec /i "$msi" /qn 'WORKSHEETFOLDER=C:\School\Worksheets' || fail "the silent install failed"
while read -r f; do
  cmp -s "$WINDOWS_BUILD/deploy/$f" "$program/$f" || fail "$f is not installed as laid out"
done < <(cd "$WINDOWS_BUILD/deploy" && find . -type f)
[ "$(reg_value 'HKLM\SOFTWARE\Velmora\Worksheets' Folder)" = 'C:\School\Worksheets' ] || fail "the worksheet folder setting is not kept"
product=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' |
  awk '/^HKEY/ {key = $0} $1 == "DisplayName" && $3 == "Velmora" {print key; exit}')
[ -n "$product" ] || fail "no entry in the installed programs"
[ "$(reg_value "$product" Publisher)" = "Quorvane Publishing Ltd" ] || fail "the entry names no publisher"
grep -q '^[0-9]' <<<"$(reg_value "$product" DisplayVersion)" || fail "the entry has no version"
startmenu=$(start_menu)
[ -f "$startmenu/Velmora.lnk" ] && [ -f "$startmenu/Velmora (whiteboard).lnk" ] || fail "the Start-menu entries are missing"

wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
start_capture "$E2E_TMP/sound.raw"
(cd "$WINEPREFIX/drive_c" && exec wine start /unix "$startmenu/Velmora.lnk") >"$E2E_TMP/velmora.log" 2>&1
APP_DIR=$program TITLE_SIZE=546x657 SCREEN_SIZE=1200x900   # 364 x 438 and 800 x 600 at 100 %
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
click_control intro0 3360 2640 3075 375                   # "The Olympic Games"
click_control olympics 3600 7920 3195 495                 # "Labelling Activity"
leave olympicslab
leave olympics
leave intro0
click_control Titlefrm 2760 6000 1335 375                 # title "Exit"
ended() { [ -z "$(program_windows)" ]; }
wait_until 15 ended || fail "the installed program did not end"
cp -r "$teachers" "$E2E_TMP/saved"
wine msiexec /x "$msi" /qn || fail "the silent uninstall failed"
left=$([ ! -d "$program" ] || (cd "$program" && find . -type f))
[ -z "$left" ] || fail "the uninstall left: $left"
diff -r "$E2E_TMP/saved" "$teachers" || fail "the uninstall touched the worksheets"
[ -z "$(reg_value 'HKLM\SOFTWARE\Velmora\Worksheets' Folder)" ] || fail "the setting outlived the program"
[ -z "$(start_menu)" ] || fail "the Start-menu entries outlived the program"
echo "PASS: installed naming the worksheet folder; from the Start-menu entry at 150 %: one taskbar entry, a full-marks quiz with its reward sound, a certificate, a unit; uninstalled keeping the worksheet folder"
