# the start-up benchmark fails in one line on a folder without the programs and without its tools
mkdir -p "$work/empty"
cmake -S . -B build-ci-bench -DBUILD_TESTING=OFF >/dev/null
cmake --build build-ci-bench -j "$jobs" >/dev/null
for run in "no program naive-rtl|bash bench/startup.sh $work/empty" \
  "needs valgrind|env PATH=$work/empty /bin/bash bench/startup.sh build-ci-bench"; do
  status=0
  ${run#*|} >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -ne 0 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && [ ! -s "$work/out" ] &&
    grep "${run%%|*}" "$work/err" ||
    fail "${run#*|}: status $status; it printed: $(cat "$work/out" "$work/err")"
done
