#!/usr/bin/env bash
# One test function of the unit test program built for Windows, under Wine, headless
# on Qt's offscreen platform, which on Windows sees only the fonts of one
# folder: here the faces the Linux run finds installed. Wine hands no QT_
# variable to Windows programs, so that folder is named in the registry's
# environment. CTest runs each function as windows_<class>.<function>; one
# that cannot run here reports a skip with its reason.
#   usage: windows_class.sh LINUX_BUILD CLASS FUNCTION
source "$(dirname "$0")/lib_windows.sh"
exe="$WINDOWS_BUILD/tests/velmora_tests.exe"
[ -f "$exe" ] || fail "$exe was not built"
qt=$(sed -n 's|^Qt6_DIR:PATH=\(.*\)/lib/cmake/Qt6$|\1|p' "$WINDOWS_BUILD/CMakeCache.txt")
export WINEPATH="$(windows_path "$qt/bin");$(windows_path "$WINDOWS_BUILD/deploy")"
export VELMORA_CONTENT="$(windows_path "$VELMORA_SOURCE_DIR/content")"
unset DISPLAY
mkdir -p "$E2E_TMP/fonts"
cp -l /usr/share/fonts/truetype/liberation/*.ttf /usr/share/fonts/truetype/dejavu/*.ttf \
  /usr/share/wine/fonts/tahoma.ttf "$E2E_TMP/fonts/" 2>/dev/null || cp /usr/share/fonts/truetype/{liberation,dejavu}/*.ttf \
  /usr/share/wine/fonts/tahoma.ttf "$E2E_TMP/fonts/"
wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(windows_path "$E2E_TMP/fonts")" /f >/dev/null 2>&1
log="$E2E_TMP/$2.$3.txt"
status=0
(cd "$WINDOWS_BUILD/tests" && wine velmora_tests.exe "$2" "$3" -o "$(windows_path "$log"),txt") >/dev/null 2>&1 || status=$?
cat "$log" 2>/dev/null || echo "$2 left no log"
exit "$status"
