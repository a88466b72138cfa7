#!/usr/bin/env bash
# Applies each deliberate fault of faults.txt, one at a time, to a scratch
# copy of this tree, builds the unit test program there (ccache keeps that
# quick) and runs the test classes the fault names, or every unit test with
# --all. A fault is caught when a test fails. Prints one line a fault and the
# count; exits 1 when one was missed.
#   usage: tools/faults/run.sh [--all] [REGEX]   (REGEX picks faults by "name | file")
# FAULTS_SCRATCH names the scratch folder (default $TMPDIR/velmora-faults-TREE),
# kept between runs so that its build stays warm.
set -uo pipefail
all=0
[ "${1:-}" = --all ] && { all=1; shift; }
pattern=${1:-}
top=$(cd "$(dirname "$0")/../.." && pwd)
scratch=${FAULTS_SCRATCH:-${TMPDIR:-/tmp}/velmora-faults-$(basename "$top")}
build=$scratch/build
mkdir -p "$scratch"
# The tree as it stands, committed or not; unchanged files keep their times, so the build stays warm.
(cd "$top" && git ls-files -z -co --exclude-standard | tar --null -T - -cf -) | tar -C "$scratch" -xf -
# Without debug information, linking the test program after each fault is quick.
CMAKE_CXX_COMPILER_LAUNCHER=ccache cmake -S "$scratch" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 2
build() { nice cmake --build "$build" --target velmora_tests -j2 >"$build/faults-build.log" 2>&1; }
build || { tail -n 30 "$build/faults-build.log"; echo "the unfaulted tree does not build"; exit 2; }

# Puts the faulty file back, newer than the faulty build so that the next build compiles it again.
faulty=
restore() { [ -z "$faulty" ] || { cp "$build/faults-original" "$faulty" && touch "$faulty"; faulty=; }; }
trap restore EXIT

caught=0 failed=0 total=0
while IFS="|" read -r name file classes script <&3; do
  read -r name <<<"$name"
  read -r file <<<"$file"
  [[ -z $name || $name == \#* ]] && continue
  [[ "$name | $file" =~ $pattern ]] || continue
  read -ra classes <<<"$classes"
  total=$((total + 1))
  faulty=$scratch/$file
  cp "$faulty" "$build/faults-original"
  sed -i -e "$script" "$faulty"
  failed=$((failed + 1))
  if cmp -s "$faulty" "$build/faults-original"; then
    verdict="DOES NOT APPLY"
  elif ! build; then
    verdict="DOES NOT BUILD"
  else
    only=(-R "^($(IFS='|'; echo "${classes[*]}"))\\.")
    ((all)) && only=()
    if (cd "$build" && nice ctest -L unit "${only[@]}" -j2 --timeout 300 >"$build/faults-test.log" 2>&1); then
      verdict="MISSED"
    else
      verdict="caught by $(grep -oE '^\s+[0-9]+ - [A-Za-z]+\.[A-Za-z0-9_]+' "$build/faults-test.log" | awk '{print $3}' | sort -u | tr '\n' ' ')"
      caught=$((caught + 1)) failed=$((failed - 1))
    fi
  fi
  restore
  printf '%-66s %s\n' "$name" "$verdict"
done 3<"$scratch/tools/faults/faults.txt" # the copy: this tree may change meanwhile
echo "$caught of $total faults caught"
[ "$failed" -eq 0 ]
