#!/usr/bin/env bash
# Prints through a private CUPS server whose default printer is a cups-pdf
# queue, driving the real program under an X server: a certificate after a
# full score and a key-facts page, each checked in the PDF that CUPS writes,
# with the program still running.
source "$(dirname "$0")/lib.sh"
[ "$(id -u)" -eq 0 ] && [ -x /usr/lib/cups/backend/cups-pdf ] || { echo "SKIP: needs root and cups-pdf"; exit 77; }
needs cupsd lpadmin lpstat pdftotext

QUEUE="velmora_e2e_$$"
CUPS_DIR="$E2E_TMP/cups"
CUPS_PDF_CONF="/etc/cups/cups-pdf-$QUEUE.conf" # cups-pdf reads its queue's settings only from here
trap 'rm -f "$CUPS_PDF_CONF"; e2e_cleanup' EXIT

# --- a private print server; its filters run as lp and must reach the spool
mkdir -p "$CUPS_DIR"/{conf,spool/tmp,cache,state,log,out,pdfspool,home}
chmod 0755 "$E2E_TMP" "$CUPS_DIR"
chown root:lp "$CUPS_DIR/spool" "$CUPS_DIR/spool/tmp"
chmod 0710 "$CUPS_DIR/spool" && chmod 1770 "$CUPS_DIR/spool/tmp"
printf '%s\n' "Listen $CUPS_DIR/cups.sock" "Browsing No" "WebInterface No" "LogLevel warn" "DefaultAuthType None" \
  "<Location />" "Order allow,deny" "Allow all" "</Location>" \
  "<Policy default>" "<Limit All>" "Order allow,deny" "Allow all" "</Limit>" "</Policy>" >"$CUPS_DIR/conf/cupsd.conf"
printf '%s\n' "ServerRoot $CUPS_DIR/conf" "RequestRoot $CUPS_DIR/spool" "TempDir $CUPS_DIR/spool/tmp" \
  "CacheDir $CUPS_DIR/cache" "StateDir $CUPS_DIR/state" "AccessLog $CUPS_DIR/log/access_log" \
  "ErrorLog $CUPS_DIR/log/error_log" "PageLog $CUPS_DIR/log/page_log" "SystemGroup root" "User lp" "Group lp" \
  >"$CUPS_DIR/conf/cups-files.conf"
printf '%s\n' "Out $CUPS_DIR/out" "AnonDirName $CUPS_DIR/out" "Spool $CUPS_DIR/pdfspool" "UserUMask 0022" >"$CUPS_PDF_CONF"
export CUPS_SERVER="$CUPS_DIR/cups.sock" HOME="$CUPS_DIR/home" # no personal default printer interferes
unset PRINTER LPDEST VELMORA_CONTENT
cupsd -f -c "$CUPS_DIR/conf/cupsd.conf" -s "$CUPS_DIR/conf/cups-files.conf" >>"$CUPS_DIR/log/cupsd.out" 2>&1 &
E2E_PIDS+=($!)
wait_until 15 bash -c 'timeout 5 lpstat -r | grep -q "scheduler is running"' || fail "cupsd did not start"
timeout 20 lpadmin -p "$QUEUE" -E -v "cups-pdf:/$QUEUE" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
  -o pdftops-renderer-default=pdftocairo && timeout 20 lpadmin -d "$QUEUE" || fail "lpadmin could not set up the queue"

# printed_text: waits for the next PDF cups-pdf writes, whole, prints its text and puts it aside.
next_pdf() { ls "$CUPS_DIR"/out/*.pdf 2>/dev/null | head -1; }
pdf_whole() { [ -n "$(next_pdf)" ] && pdftotext "$(next_pdf)" /dev/null; }
printed_text() {
  wait_until 60 pdf_whole || fail "the print job gave no whole PDF"
  pdftotext -layout "$(next_pdf)" - | tr -s ' '
  mkdir -p "$CUPS_DIR/done" && mv "$(next_pdf)" "$CUPS_DIR/done/"
}
expect_text() { # TEXT WANTED...
  local text=$1 want; shift
  for want in "$@"; do grep -qF "$want" <<<"$text" || fail "the PDF lacks '$want': $text"; done
}

# --- the program, with the topic's own questions and their right answers
start_xvfb
start_program
mapfile -t RIGHT < <(tr -d '\r' <"$APP_DIR/multiple/Greek Fighters.txt" | awk 'NR > 2 && (NR - 2) % 7 == 6')
enter_main_menu
click_control intro0 120 3240 3075 375                    # "Greek Fighters"
click_control fighters 120 7920 3195 495                  # "Multiple Choice", answered right
for k in $(seq 0 9); do
  click_control multiple 2600 $((5400 + 600 * (${RIGHT[$k]} - 1) + 262)) 0 0
  click_control multiple 6000 7920 3765 495               # "Next Question >>" / "Check Score >>"
done
click_control Welldone 3120 6600 5760 615                 # the name box
xdotool type --delay 20 'Ada Lovelace'
click_control Welldone 240 1800 3765 495                  # "Print Certificate"
answer_message certificate
expect_text "$(printed_text)" "Velmora" "Excellent Work" "Ada Lovelace" "You have scored 10 out of 10." "Well Done"
click_control Welldone 10560 7920 1245 495                # results "Exit"

click_control fighters 6360 120 1995 495                  # "Key Facts"
click_control teacher 10680 120 1125 495                  # "Print": no message at all
expect_text "$(printed_text)" "Greek Fighters"
shown message && fail "printing a page showed a message"
kill -0 "$VELMORA_PID" || fail "the program ended"
echo "PASS: a certificate and a page printed through CUPS"
