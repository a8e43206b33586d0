# the libFuzzer target, for FUZZ_SECONDS (30) seconds; the fuzz build needs clang and links dynamically
fuzz_seconds=${FUZZ_SECONDS:-30}
if cmake -S . -B build-ci-fuzz-gcc -DDEMOS_FUZZ=ON >"$work/out" 2>&1; then
  fail "DEMOS_FUZZ=ON configured with GCC"
fi
grep 'DEMOS_FUZZ=ON needs clang' "$work/out"
link_mode="dynamic"
CC=clang CXX=clang++ configure_and_build build-ci-fuzz -DDEMOS_FUZZ=ON -DBUILD_TESTING=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
mkdir -p build-ci-fuzz/corpus
if ! build-ci-fuzz/tests/fuzz/matchers_fuzz -max_total_time="$fuzz_seconds" -max_len=64 \
  build-ci-fuzz/corpus >build-ci-fuzz/fuzz.log 2>&1; then
  cat build-ci-fuzz/fuzz.log
  fail "the fuzz target found a fault"
fi
grep -E '^Done [0-9]+ runs' build-ci-fuzz/fuzz.log
