#!/usr/bin/env bash
# The installer under Wine as a school deploys it: a silent per-machine
# install naming the shared worksheet folder, the program started from its
# Start-menu entry on a display set to 150 % (its screens half as large
# again), a worksheet typed and saved there landing in the named folder and
# not under Program Files, then a silent uninstall that removes every
# installed file and keeps the teachers' worksheets.
source "$(dirname "$0")/lib_windows.sh"
start_xvfb 1920x1080
msi=$(windows_path "$WINDOWS_BUILD/velmora.msi")
program="$WINEPREFIX/drive_c/Program Files/Velmora"
# The machine's Start menu on Windows; Wine puts per-machine entries in the user's.
start_menu() { find "$WINEPREFIX/drive_c" -ipath '*/Start Menu/Programs/Velmora' -type d; }
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n {$1 = $2 = ""; print substr($0, 3)}'; }

# The school's folder (on a real network a share, \\server\share\velmora).
teachers="$WINEPREFIX/drive_c/School/Worksheets"
mkdir -p "$teachers"
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
menu=$(start_menu)
[ -f "$menu/Velmora.lnk" ] && [ -f "$menu/Velmora (whiteboard).lnk" ] || fail "the Start-menu entries are missing"

wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
(cd "$WINEPREFIX/drive_c" && exec wine start /unix "$menu/Velmora.lnk") >"$E2E_TMP/velmora.log" 2>&1
TITLE_SIZE=546x657 SCREEN_SIZE=1200x900                   # 364 x 438 and 800 x 600 at 100 %
enter_main_menu
save_worksheet "Greek Heroes" "$teachers"
[ ! -e "$program/multiple/track.txt" ] && [ ! -e "$program/multiple/Greek Heroes.txt" ] || fail "the program wrote under Program Files"
leave wizard                                              # saved, so it leaves at once
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
echo "PASS: silent install naming the worksheet folder, a worksheet saved there from the Start-menu entry at 150 %, uninstalled keeping it"
