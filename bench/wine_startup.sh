#!/usr/bin/env bash
# Start-up of the Windows program under Wine: from starting the process until
# its first window is mapped on a private X server, for Velmora (as laid out
# for installing) and for an empty Qt window built the same way, alternating
# in one run so both see the same machine and the same warm Wine.
#   bench/wine_startup.sh [WINDOWS_BUILD [RUNS]]   (default build-windows, 9)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(readlink -f "${1:-$here/build-windows}")
runs=${2:-9}
[ -f "$build/deploy/velmora.exe" ] && [ -f "$build/bench_minimal_window.exe" ] ||
  { echo "no Windows build in $build: ./build.sh windows first" >&2; exit 1; }
source "$here/tools/windows/wine.sh"
work=$(mktemp -d)
pids=()
trap 'stop_wine; kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
use_wine_prefix "$build/wine-template" "$work/prefix"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
cp -al "$build/deploy" "$work/app"
cp "$build/bench_minimal_window.exe" "$work/app/"
printf ' 0 \r\n' >"$work/app/multiple/track.txt"
# A Windows program kept running holds Wine's own services up between the
# timed starts, as a Windows session does.
sleep infinity | wine cmd >/dev/null 2>&1 &
pids+=($!)
wine cmd /c exit 0 >/dev/null 2>&1

# ms_to_window PROGRAM TITLE: milliseconds from start until its window shows.
ms_to_window() {
  local start end pid
  start=$(date +%s%N)
  (cd "$work/app" && exec wine "$1") >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before showing a window" >&2; exit 1; }
    sleep 0.01
  done
  end=$(date +%s%N)
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  while xdotool search --name "^$2\$" >/dev/null 2>&1; do sleep 0.05; done
  echo $(( (end - start) / 1000000 ))
}
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

: >"$work/velmora" && : >"$work/minimal"
for _ in $(seq "$runs"); do
  ms_to_window velmora.exe Velmora >>"$work/velmora"
  ms_to_window bench_minimal_window.exe Minimal >>"$work/minimal"
done
velmora=$(median <"$work/velmora")
minimal=$(median <"$work/minimal")
printf '%-48s %8.1f ms\n' "minimal Qt window under Wine (median of $runs)" "$minimal" \
  "velmora title window under Wine (median of $runs)" "$velmora"
awk -v v="$velmora" -v m="$minimal" 'BEGIN { printf "%-48s %8.2f x\n", "ratio velmora / minimal", v / m }'
