#!/usr/bin/env bash
# A teacher writes a whole worksheet in the real program under an X server:
# types every box with real keystrokes, ticks the right answers, saves and
# confirms the message; the file must hold the 72 lines byte for byte and the
# catalogue must list it. Then a pupil opens it from the catalogue, answers
# all ten questions right and reaches the results with the certificate name box.
source "$(dirname "$0")/lib.sh"

TITLE="Greek Heroes"

has_count() { [ "$(count_windows "$1" "$2")" = "$3" ]; }
wait_for_count() {  # W H N
  wait_until 15 has_count "$1" "$2" "$3" || fail "expected $3 windows of ${1}x${2}, found $(count_windows "$1" "$2")"
}

# The colour "r,g,b" of the screen pixel at a point given in twips inside a window.
pixel_at() {
  local pos x y
  pos=$(xdotool getwindowgeometry "$1" | awk '/Position/ {print $2}')
  x=$(( ${pos%,*} + $2 / 15 )); y=$(( ${pos#*,} + $3 / 15 ))
  import -window root -crop "1x1+$x+$y" -depth 8 txt:- | awk 'NR == 2 {print $2}' | tr -d '()' | cut -d, -f1-3
}
has_pixel() { [ "$(pixel_at "$1" "$2" "$3")" = "$4" ]; }
dialog_gone() { ! xdotool search --onlyvisible --name '^Velmora$' | grep -qx "$1"; }

start_xvfb
prepare_program
printf ' 0 \r\n' > "$APP_DIR/multiple/track.txt"
rm -f "$APP_DIR/multiple/$TITLE.txt"
start_program

title=$(wait_for_window 364 438)
click_control "$title" 1320 6000 1335 375                 # OK
menu=$(wait_for_window 800 600)
wait_for_count 364 438 0
click_control "$menu" 6930 5760 4635 495                  # "Multiple Choice Wizard"
wait_for_count 800 600 2
screen=$menu  # every screen lies at the same place; clicks reach the one on top

type_worksheet "$screen" "$TITLE"
click_control "$screen" 240 7920 3165 495                 # "Save Worksheet"
wait_until 15 message_box || fail "no message after saving"
dialog=$(message_box)
xdotool mousemove --window "$dialog" 5 5 click 1 key Return
wait_until 10 dialog_gone "$dialog" || fail "the message did not close"

expected="$E2E_TMP/expected.txt"
worksheet_bytes "$TITLE" > "$expected"
saved="$APP_DIR/multiple/$TITLE.txt"
[ -f "$saved" ] || fail "no worksheet file; a check refused the worksheet"
cmp "$expected" "$saved" || { diff <(tr -d '\r' < "$expected") <(tr -d '\r' < "$saved") >&2; fail "worksheet file differs"; }
[ "$(grep -c $'\r$' "$saved")" -eq 72 ] || fail "worksheet file does not have 72 CR LF lines"
cmp <(printf ' 1 \r\n%s\r\n' "$TITLE") "$APP_DIR/multiple/track.txt" || fail "catalogue does not list the worksheet"

# Back to the menu and into the catalogue (known by its "Edit Worksheet" tick box).
click_control "$screen" 10560 7920 1245 495               # wizard "Exit"
wait_for_count 800 600 1
click_control "$screen" 6930 6600 4635 495                # "Worksheet Catalogue"
screen=$(wait_for_window 800 600)
wait_until 10 has_pixel "$screen" 2580 300 0,78,152 \
  || fail "the catalogue did not open (pixel $(pixel_at "$screen" 2580 300))"
click_control "$screen" 120 720 5715 375                  # the first title: answer mode
wait_for_count 800 600 2

# Every question answered right, then "Check Score >>".
for q in $(seq 0 9); do
  choice=${WORKSHEET_RIGHT[$q]}
  click_twips "$screen" $((2400 + 120)) $((5400 + 600 * (choice - 1) + 262))
  sleep 0.15
  click_control "$screen" 6000 7920 3765 495              # "Next Question >>" / "Check Score >>"
  sleep 0.25
done

# A full score shows the white name box for the certificate.
wait_until 15 has_pixel "$screen" 6000 6700 255,255,255 \
  || { import -window root "$E2E_TMP/results.png" 2>/dev/null; fail "no certificate name box after answering (pixel $(pixel_at "$screen" 6000 6700))"; }
kill -0 "$VELMORA_PID" || fail "the program ended"
echo "PASS: worksheet typed, saved byte for byte, listed, answered to a full score"
