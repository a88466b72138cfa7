#!/usr/bin/env bash
# Two computers saving into one network share at once, played by two sshfs
# mounts of one folder: 25 saves on each, ten times; all 50 listed once each,
# every file 72 whole lines. Then a save held up ten seconds under the lock on
# one while the other saves: the live lock holds across the share, both listed.
source "$(dirname "$0")/lib.sh"
start_share pc1 pc2
saver="$BUILD_DIR/save-worksheets" m="$E2E_TMP/export/multiple"
fresh_folder() { rm -rf "$m" && mkdir "$m" && printf ' 0 \r\n' >"$m/track.txt"; }
listed_whole() { # COUNT
  [ "$(head -1 "$m/track.txt")" = " $1 "$'\r' ] && [ "$(sed 1d "$m/track.txt" | sort -u | wc -l)" -eq "$1" ] ||
    fail "track.txt does not list $1 titles once each"
  while read -r title; do
    [ "$(grep -c $'\r$' "$m/$title.txt")" -eq 72 ] || fail "$title.txt is not 72 whole lines"
  done < <(sed 1d "$m/track.txt" | tr -d '\r')
}

for run in $(seq 1 10); do
  fresh_folder
  "$saver" "$E2E_TMP/pc1" PC1 25 & one=$!
  "$saver" "$E2E_TMP/pc2" PC2 25 && wait "$one" || fail "run $run: a save failed"
  listed_whole 50
  echo "run $run: 50 saved and listed"
done
fresh_folder
coproc stalled { exec "$saver" "$E2E_TMP/pc1" Stalled 1 stall 10000; }
stalled_pid=$stalled_PID
read -r -t 60 line <&"${stalled[0]}" && [ "$line" = stalling ] || fail "the stalled save never took the lock"
"$saver" "$E2E_TMP/pc2" PC2 5 && wait "$stalled_pid" || fail "a save failed around the stalled one"
listed_whole 6
echo "PASS: two computers saved 50 worksheets at once ten times, and around a save stalled ten seconds"
