#!/usr/bin/env bash
# Prints through a private CUPS server whose default printer is a cups-pdf
# queue, driving the real program under an X server: a worksheet from the
# quiz, a certificate after a full score, and a key-facts page, each checked
# in the PDF that CUPS writes; then, with the server stopped, printing a page
# and a certificate brings up the problem message and the program carries on.
source "$(dirname "$0")/lib.sh"

if [ "$(id -u)" -ne 0 ] || ! command -v cupsd >/dev/null || [ ! -x /usr/lib/cups/backend/cups-pdf ] \
   || ! command -v pdftotext >/dev/null; then
  echo "SKIP: needs root, cupsd, cups-pdf and pdftotext"
  exit 0
fi

QUEUE="velmora_e2e_$$"
CUPS_DIR="$E2E_TMP/cups"
CUPS_PDF_CONF="/etc/cups/cups-pdf-$QUEUE.conf"   # cups-pdf reads its queue's settings only from here
CUPSD_PID=

print_cleanup() {
  local status=$?
  if [ "$status" -ne 0 ]; then
    echo "--- program log"; tail -20 "$E2E_TMP/velmora.log" 2>/dev/null
    echo "--- print server log"; tail -20 "$CUPS_DIR/log/error_log" 2>/dev/null
    echo "--- jobs"; timeout 5 lpstat -W all -o 2>/dev/null
  fi >&2
  [ -n "$CUPSD_PID" ] && kill "$CUPSD_PID" 2>/dev/null || true
  rm -f "$CUPS_PDF_CONF"
  e2e_cleanup
}
trap print_cleanup EXIT

# --- A private print server ---------------------------------------------------
mkdir -p "$CUPS_DIR"/{conf,spool/tmp,cache,state,log,out,pdfspool,home}
# The filters run as lp and must reach the spool inside our private folder.
chmod 0755 "$E2E_TMP" "$CUPS_DIR"
chown root:lp "$CUPS_DIR/spool" "$CUPS_DIR/spool/tmp"
chmod 0710 "$CUPS_DIR/spool"
chmod 1770 "$CUPS_DIR/spool/tmp"
SOCK="$CUPS_DIR/cups.sock"
cat >"$CUPS_DIR/conf/cupsd.conf" <<EOF
Listen $SOCK
Browsing No
WebInterface No
LogLevel warn
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
EOF
cat >"$CUPS_DIR/conf/cups-files.conf" <<EOF
ServerRoot $CUPS_DIR/conf
RequestRoot $CUPS_DIR/spool
TempDir $CUPS_DIR/spool/tmp
CacheDir $CUPS_DIR/cache
StateDir $CUPS_DIR/state
AccessLog $CUPS_DIR/log/access_log
ErrorLog $CUPS_DIR/log/error_log
PageLog $CUPS_DIR/log/page_log
SystemGroup root
User lp
Group lp
EOF
cat >"$CUPS_PDF_CONF" <<EOF
Out $CUPS_DIR/out
AnonDirName $CUPS_DIR/out
Spool $CUPS_DIR/pdfspool
UserUMask 0022
EOF

start_cups() {
  cupsd -f -c "$CUPS_DIR/conf/cupsd.conf" -s "$CUPS_DIR/conf/cups-files.conf" >>"$CUPS_DIR/log/cupsd.out" 2>&1 &
  CUPSD_PID=$!
  wait_until 15 bash -c 'timeout 5 lpstat -r | grep -q "scheduler is running"' || fail "cupsd did not start"
}

stop_cups() {
  kill "$CUPSD_PID"
  wait "$CUPSD_PID" 2>/dev/null || true
  CUPSD_PID=
  wait_until 10 bash -c '! timeout 5 lpstat -r | grep -q "scheduler is running"' || fail "cupsd did not stop"
}

# The program and the tools talk to this server only; no personal default printer interferes.
export CUPS_SERVER="$SOCK" HOME="$CUPS_DIR/home"
unset PRINTER LPDEST VELMORA_CONTENT
start_cups
timeout 20 lpadmin -p "$QUEUE" -E -v "cups-pdf:/$QUEUE" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
  -o pdftops-renderer-default=pdftocairo || fail "lpadmin could not add the queue"
timeout 20 lpadmin -d "$QUEUE" || fail "lpadmin could not make the queue the default"
timeout 5 lpstat -d | grep -q "$QUEUE" || fail "the queue is not the default printer"

completed_jobs() { timeout 5 lpstat -W completed -o "$QUEUE" 2>/dev/null | wc -l; }

# Waits for the job after `before` completed jobs and prints the text of its PDF.
printed_text() {
  local before=$1
  wait_until 60 bash -c "[ \$(timeout 5 lpstat -W completed -o $QUEUE 2>/dev/null | wc -l) -gt $before ] \
    && [ -z \"\$(timeout 5 lpstat -o $QUEUE 2>/dev/null)\" ]" || fail "the print job did not complete"
  local pdf
  wait_until 20 bash -c "ls '$CUPS_DIR/out/'*.pdf" || fail "cups-pdf wrote no PDF"
  pdf=$(ls "$CUPS_DIR/out/"*.pdf | head -1)
  sleep 0.5 # cups-pdf may still be closing the file
  pdftotext -layout "$pdf" - | tr -s ' '
  mkdir -p "$CUPS_DIR/done" && mv "$CUPS_DIR/out/"*.pdf "$CUPS_DIR/done/"
}

# --- The program ----------------------------------------------------------------
start_xvfb
prepare_program
# A question file of our own with known right answers: 1, 2, 3, 4, 1, 2, 3, 4, 1, 2.
RIGHT=(1 2 3 4 1 2 3 4 1 2)
{
  printf 'Hoplites and Phalanxes\r\n \r\n'
  for k in $(seq 1 10); do
    printf 'Question number %s?\r\n' "$k"
    for letter in A B C D; do printf 'Answer %s%s& with a comma\r\n' "$k" "$letter"; done
    printf '%s\r\n \r\n' "${RIGHT[$((k - 1))]}"
  done
} >"$APP_DIR/multiple/Greek Fighters.txt"
start_program

# Answers the message box on show with Return; prints its width in pixels.
answer_message() {
  wait_until 30 message_box || fail "no message box appeared ($1)"
  local id geo
  id=$(message_box)
  geo=$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {print $2}')
  xdotool mousemove --window "$id" 5 5
  xdotool key Return
  if ! wait_until 5 bash -c '! message_box'; then
    # Without focus the key went nowhere: click the default button at the box's lower right.
    xdotool mousemove --window "$id" $((${geo%x*} - 50)) $((${geo#*x} - 25)) click 1
    wait_until 5 bash -c '! message_box' || fail "the message box did not close ($1)"
  fi
  echo "${geo%x*}"
}
export -f message_box
export DISPLAY

title=$(wait_for_window 364 438)
click_control "$title" 1320 6000 1335 375                 # title OK
menu=$(wait_for_window 800 600)
sleep 0.5
click_control "$menu" 120 3240 3075 375                   # Greek Fighters
sleep 0.8
screen=$(wait_for_window 800 600)

answer_quiz() {
  click_control "$screen" 120 7920 3195 495               # Multiple Choice
  sleep 0.8
  for k in $(seq 0 9); do
    local choice=${RIGHT[$k]}
    click_twips "$screen" 2600 $((5400 + 600 * (choice - 1) + 262))
    sleep 0.15
    click_control "$screen" 6000 7920 3765 495            # Next Question / Check Score
    sleep 0.3
  done
  sleep 1 # the results screen's reward sequence
}

# A worksheet from the quiz.
click_control "$screen" 120 7920 3195 495                 # Multiple Choice
sleep 0.8
before=$(completed_jobs)
click_control "$screen" 7920 1920 3045 495                # Print Worksheet
worksheet_box=$(answer_message worksheet)
text=$(printed_text "$before")
for want in "Velmora Quorvane Publishing Ltd" "Hoplites and Phalanxes" "Question 1 Question number 1?" \
            "A. Answer 1A, with a comma" "D. Answer 10D, with a comma"; do
  grep -qF "$want" <<<"$text" || fail "worksheet PDF lacks '$want': $text"
done
echo "worksheet printed (message box ${worksheet_box} px wide)"
click_control "$screen" 10560 7920 1245 495              # quiz Exit
sleep 0.5

# A certificate after a full score.
answer_quiz
click_control "$screen" 3120 6600 5760 615                # the name box
xdotool type --delay 20 'Ada Lovelace'
before=$(completed_jobs)
click_control "$screen" 240 1800 3765 495                 # Print Certificate
certificate_box=$(answer_message certificate)
text=$(printed_text "$before")
for want in "Velmora" "Excellent Work" "Ada Lovelace" "You have scored 10 out of 10." "Well Done"; do
  grep -qF "$want" <<<"$text" || fail "certificate PDF lacks '$want': $text"
done
echo "certificate printed (message box ${certificate_box} px wide)"
click_control "$screen" 10560 7920 1245 495              # results Exit
sleep 0.5

# A key-facts page: printing it shows no message at all.
click_control "$screen" 6360 120 1995 495                 # Key Facts
sleep 0.8
before=$(completed_jobs)
click_control "$screen" 10680 120 1125 495                # Print
text=$(printed_text "$before")
grep -qF "Greek Fighters" <<<"$text" || fail "the key-facts PDF lacks its heading: $text"
message_box >/dev/null && fail "printing a page showed a message"
echo "key-facts page printed"

# With the print server gone, printing only brings up the problem message.
stop_cups
click_control "$screen" 10680 120 1125 495                # Print
answer_message "page without a server" >/dev/null
click_control "$screen" 10680 7920 1125 495               # viewer Exit
sleep 0.5
answer_quiz
click_control "$screen" 3120 6600 5760 615
xdotool type --delay 20 'Ada Lovelace'
click_control "$screen" 240 1800 3765 495                 # Print Certificate
problem_box=$(answer_message "certificate without a server")
# "There was a problem printing to your printer." is the longer message.
[ "$problem_box" -gt "$certificate_box" ] || fail "expected the problem message, got a box ${problem_box} px wide"
ls "$CUPS_DIR/out/"*.pdf >/dev/null 2>&1 && fail "something was printed without a server"
echo "without a server: the problem message (box ${problem_box} px wide)"

# The program carries on: the results screen leads back to the topic menu and the title screen ends it.
click_control "$screen" 10560 7920 1245 495              # results Exit
sleep 0.5
click_control "$screen" 10560 7920 1245 495              # topic menu Exit
sleep 0.5
click_control "$screen" 10560 7920 1245 495              # main menu Exit
title=$(wait_for_window 364 438)
click_control "$title" 2760 6000 1335 375                 # title Exit
wait_until 10 bash -c "! kill -0 $VELMORA_PID" || fail "program did not end"
echo "PASS: worksheet, certificate and page printed through CUPS; without a server only the problem message"
