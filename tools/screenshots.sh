#!/usr/bin/env bash
# Screenshots of every screen of the real program under a private X server,
# reached the way a pupil or teacher reaches them: real clicks, keystrokes and
# drags. Each picture is the program's window cut from the X screen.
#
#   tools/screenshots.sh [BUILD_DIR [OUT_DIR]]     (defaults: build, screenshots)
#
# Needs a built program (./build.sh test or ./build.sh run builds it), Xvfb,
# xdotool and ImageMagick, which ./build.sh installs.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
OUT_DIR=$(mkdir -p "${2:-screenshots}" && cd "${2:-screenshots}" && pwd)
source "$HERE/../tests/e2e/lib.sh" "${1:-build}"

SHOT=0
PAUSE=0.6   # long enough for a screen to load, paint and settle

# shot NAME [WINDOW]: saves the area of a window (by default the content
# screens' place, which they all share) as NN-NAME.png.
shot() {
  sleep "$PAUSE"
  local geometry=${CONTENT_AREA:-}
  if [ $# -gt 1 ]; then
    eval "$(xdotool getwindowgeometry --shell "$2")"
    geometry="${WIDTH}x${HEIGHT}+${X}+${Y}"
  fi
  SHOT=$((SHOT + 1))
  import -window root -crop "$geometry" +repage "$OUT_DIR/$(printf '%02d' "$SHOT")-$1.png"
  echo "  $(printf '%02d' "$SHOT")-$1.png"
}

# at_twips X Y: moves the pointer to a point in twips on the content screens'
# place. Screens come and go, so the point is found on the X screen rather
# than in one window.
at_twips() {
  xdotool mousemove $((CONTENT_X + $1 / 15)) $((CONTENT_Y + $2 / 15))
}

# click NAME LEFT TOP WIDTH HEIGHT: clicks the middle of a control on the
# content screen on top and lets it react.
click() {
  at_twips $(($2 + $4 / 2)) $(($3 + $5 / 2))
  xdotool click 1
  sleep 0.3
}

# The right answer (1 to 4) of question q (1 to 10) in a question file.
right_answer() {
  tr -d '\r' <"$1" | sed -n "$((3 + 7 * ($2 - 1) + 5))p"
}

# A worksheet file as the wizard writes it: title, then ten blocks of
# question, four answers and the right answer's number.
write_worksheet() {  # FILE TITLE then 10 x "question|a|b|c|d|right"
  local file=$1 title=$2 line q a b c d right
  shift 2
  {
    printf '%s\r\n \r\n' "$title"
    for line in "$@"; do
      IFS='|' read -r q a b c d right <<<"$line"
      printf '%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n \r\n' "$q" "$a" "$b" "$c" "$d" "$right"
    done
  } >"$file"
}

# Three of a teacher's worksheets in the catalogue, so it shows real titles.
add_teacher_worksheets() {
  local dir=$APP_DIR/multiple
  write_worksheet "$dir/The Olympic Games.txt" "The Olympic Games" \
    "Which god were the ancient Olympic Games held for?|Zeus|Poseidon|Hermes|Ares|1" \
    "How often were the Games held?|Every year|Every four years|Every ten years|Every two years|2" \
    "What did a winner get as a prize?|A gold medal|A silver cup|An olive wreath|A horse|3" \
    "Where were the Games held?|Sparta|Athens|Corinth|Olympia|4" \
    "Which race did chariots run in?|The sprint|The chariot race|The relay|The marathon|2" \
    "Who could not watch the Games?|Married women|Farmers|Soldiers|Children|1" \
    "What was the pentathlon?|One long race|A boxing match|Five events in one|A swimming race|3" \
    "What did athletes wear to compete?|Armour|Long robes|Nothing at all|Sandals only|3" \
    "What was a stade?|A kind of shield|A running race|A temple|A horse|2" \
    "Which of these was an Olympic event?|Football|Wrestling|Tennis|Swimming|2"
  write_worksheet "$dir/Gods and Goddesses.txt" "Gods and Goddesses" \
    "Who was king of the gods?|Apollo|Hermes|Zeus|Ares|3" \
    "Who was goddess of wisdom?|Athena|Hera|Artemis|Demeter|1" \
    "Who was god of the sea?|Hades|Poseidon|Hermes|Apollo|2" \
    "Where did the gods live?|Mount Olympus|Crete|Sparta|Delphi|1" \
    "Who was god of the underworld?|Zeus|Ares|Apollo|Hades|4" \
    "Who carried messages for the gods?|Hermes|Hera|Dionysus|Ares|1" \
    "Who was goddess of the hunt?|Aphrodite|Artemis|Athena|Hera|2" \
    "Who was god of war?|Hermes|Apollo|Ares|Poseidon|3" \
    "Which city was named after Athena?|Sparta|Corinth|Thebes|Athens|4" \
    "Where was Apollo's famous oracle?|Olympia|Delphi|Athens|Rhodes|2"
  printf ' 2 \r\nThe Olympic Games\r\nGods and Goddesses\r\n' >"$dir/track.txt"
}

# drag FROM_X FROM_Y TO_X TO_Y (twips): button down, a few moves, button
# up, as a hand on a mouse does it.
drag() {
  at_twips "$1" "$2"
  sleep 0.1
  xdotool mousedown 1
  for step in 1 2 3 4 5 6; do
    at_twips $(($1 + ($3 - $1) * step / 6)) $(($2 + ($4 - $2) * step / 6))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.2
}

# Answers the ten questions of the quiz on top: right ones from the file,
# except those listed as wrong, which get the next answer round instead.
answer_quiz() {  # QUESTION_FILE WRONG_QUESTIONS...
  local file=$1 q choice
  shift
  for q in $(seq 1 10); do
    choice=$(right_answer "$file" "$q")
    if [[ " $* " == *" $q "* ]]; then choice=$((choice % 4 + 1)); fi
    at_twips 2520 $((5400 + 600 * (choice - 1) + 262)); xdotool click 1
    sleep 0.15
    [ "$q" -eq 1 ] && shot "$TOPIC-quiz-answer-chosen"
    click "Next Question" 6000 7920 3765 495
  done
}

# Key facts, teacher's notes, quiz, results, wrong answers and the two
# activities of one topic, starting and ending on its menu.
visit_topic() {  # TOPIC QUESTION_FILE WRONG_QUESTIONS...
  TOPIC=$1
  local file=$2
  shift 2
  shot "$TOPIC-menu"
  click "Key Facts" 6360 120 1995 495
  shot "$TOPIC-key-facts-1"
  click "Next Page" 6720 7920 2685 495
  shot "$TOPIC-key-facts-2"
  click "Exit" 10680 7920 1125 495
  click "Teacher's Notes" 8640 120 3195 495
  shot "$TOPIC-teachers-notes"
  click "Exit" 10680 7920 1125 495

  click "Multiple Choice" 120 7920 3195 495
  shot "$TOPIC-quiz-question-1"
  answer_quiz "$file" "$@"
  sleep 1.5   # the reward picture and sound follow the score
  shot "$TOPIC-quiz-results"
  if [ $# -gt 0 ]; then
    click "Check Wrong Answers" 240 1800 3765 495
    shot "$TOPIC-wrong-answers"
    click "Exit" 10560 7920 1245 495
  else
    click "name box" 3120 6600 5760 615
    xdotool type --delay 20 "Helen Papadopoulos"
    shot "$TOPIC-certificate-name"
    click "Exit" 10560 7920 1245 495
  fi
  sleep 0.3
  # Back on the quiz screen if it stayed open; its Exit returns to the menu.
  if shown multiple; then click "Exit" 10560 7920 1245 495; fi

  click "Labelling Activity" 3600 7920 3195 495
  shot "$TOPIC-labelling"
  if [ "$TOPIC" = fighters ]; then
    drag_fighters_labels
    shot "$TOPIC-labelling-done"
    click "Check Score" 6000 7920 2565 495
    sleep 1.5
    shot "$TOPIC-labelling-results"
    click "Exit" 10560 7920 1245 495
  fi
  click "Exit" 10560 7920 1245 495
  click "Ordering Activity" 7080 7920 3195 495
  shot "$TOPIC-ordering"
  click "Exit" 10560 7920 1245 495
  click "Exit" 10560 7920 1245 495
}

# The five part names of the soldier, each from its tray place into its box
# (twips: tray left, top, box left, top; labels are 2325 x 375).
drag_fighters_labels() {
  local entry tl tt bl bt
  for entry in "1920 5520 9240 6180" "3120 6480 9240 2820" "720 6000 1800 1140" \
               "720 6480 1800 3060" "3120 6000 9240 1380"; do
    read -r tl tt bl bt <<<"$entry"
    drag $((tl + 1162)) $((tt + 187)) $((bl + 1162 + 200)) $((bt + 187 - 90))
  done
}

start_xvfb
APP_DIR="$E2E_TMP/app"
mkdir -p "$APP_DIR"
cp -r "$BUILD_DIR/multiple" "$APP_DIR/multiple"
add_teacher_worksheets
start_program
echo "Screenshots in $OUT_DIR:"

title=$(wait_for Titlefrm)
shot title "$title"
click_control Titlefrm 1320 6000 1335 375                  # "OK"
menu=$(wait_for intro0)
eval "$(xdotool getwindowgeometry --shell "$menu")"
CONTENT_X=$X CONTENT_Y=$Y CONTENT_AREA="${WIDTH}x${HEIGHT}+${X}+${Y}"
shot main-menu

click "Greek Fighters" 120 3240 3075 375
visit_topic fighters "$APP_DIR/multiple/Greek Fighters.txt" 3 7
click "Greek Writing" 120 5640 3075 375
visit_topic writing "$APP_DIR/multiple/Greek Writing.txt"

click "Teachers' Guide" 120 1080 3075 495
for page in 1 2 3 4 5; do
  shot "guide-$page"
  [ "$page" -lt 5 ] && click "Next Page" 6720 7920 2685 495
done
click "Exit" 10680 7920 1125 495

click "Acknowledgments" 120 7920 3075 495
sleep 1.5   # the logo animation starts after the first tick
shot acknowledgments
click "Exit" 10680 7920 1125 495

click "Multiple Choice Wizard" 6930 5760 4635 495
shot wizard-empty
click "Exit" 10560 7920 1245 495

click "Worksheet Catalogue" 6930 6600 4635 495
shot catalogue
at_twips 220 307; xdotool click 1                              # "Edit Worksheet" tick box
click "The Olympic Games" 120 720 5715 375
shot wizard-editing
click "Exit" 10560 7920 1245 495
at_twips 220 307; xdotool click 1                              # untick "Edit Worksheet"
click "Gods and Goddesses" 120 1320 5715 375
shot worksheet-quiz-question-1
click "Exit" 10560 7920 1245 495
at_twips 9340 307; xdotool click 1                             # "Delete Worksheet" tick box
click "Gods and Goddesses" 120 1320 5715 375
shot delete-question "$(wait_for message)"
xdotool key Escape                                             # keep the worksheet
sleep 0.3
shot catalogue-after-cancel

kill -0 "$VELMORA_PID" || fail "the program ended while the screenshots were taken"
echo "$SHOT screenshots taken"
