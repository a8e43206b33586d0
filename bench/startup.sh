#!/usr/bin/env bash
# Start-up cost of each built demonstration program, measured side by side
# against a minimal C program that writes the same bytes with one write per
# line: instructions counted by callgrind, and wall time over repeated runs.
# Target: at most 3x the instructions and 1.2x the wall time.
#
#   bash bench/startup.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-300}
programs="naive-rtl last-occurrence good-suffix prefix-overlap prefix-overlap-memo"

fail() { echo "startup.sh: $1" >&2; exit 1; }
for program in $programs; do
  [ -x "$build/$program" ] || fail "no program $program in $build: build the demonstrations first"
done
for tool in valgrind strace cc awk; do
  command -v "$tool" >/dev/null || fail "needs $tool, which is not installed"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 >/dev/null |
    sed -n 's/.*Collected : //p'
}

# Microseconds per run of "$1", best of five rounds of $runs runs.
wall_time() {
  local best=0 round start end i
  for round in 1 2 3 4 5; do
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do "$1" >/dev/null; done
    end=$(date +%s%N)
    round=$(((end - start) / runs / 1000))
    if ((best == 0 || round < best)); then best=$round; fi
  done
  echo "$best"
}

printf '%-20s %8s %12s %12s %7s %8s %8s %7s\n' program writes "instr" "C instr" ratio "us" "C us" ratio
for program in $programs; do
  binary="$build/$program"
  "$binary" >"$work/out"
  # The C writer: the same lines, each in one write.
  {
    echo '#include <string.h>'
    echo '#include <unistd.h>'
    echo 'static const char *const lines[] = {'
    awk '{ gsub(/\\/, "\\\\"); gsub(/"/, "\\\""); print "    \"" $0 "\\n\"," }' "$work/out"
    echo '};'
    echo 'int main(void) {'
    echo '    for (size_t i = 0; i < sizeof lines / sizeof *lines; i++)'
    echo '        if (write(1, lines[i], strlen(lines[i])) < 0) return 1;'
    echo '    return 0;'
    echo '}'
  } >"$work/writer.c"
  cc -O2 -o "$work/writer" "$work/writer.c"
  cmp -s "$work/out" <("$work/writer") || { echo "$program: C writer output differs" >&2; exit 1; }

  writes=$(strace -f -e trace=write -o "$work/trace" "$binary" >/dev/null 2>&1 && grep -c 'write(1' "$work/trace" || echo "?")
  ours=$(instructions "$binary")
  theirs=$(instructions "$work/writer")
  our_time=$(wall_time "$binary")
  their_time=$(wall_time "$work/writer")
  printf '%-20s %8s %12s %12s %7s %8s %8s %7s\n' "$program" "$writes/$(wc -l <"$work/out")" \
    "$ours" "$theirs" "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", a / b }')" \
    "$our_time" "$their_time" "$(awk -v a="$our_time" -v b="$their_time" 'BEGIN { printf "%.2f", a / b }')"
done
