# every test of a Debug build under AddressSanitizer and UndefinedBehaviorSanitizer
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-ci-sanitize -DCMAKE_BUILD_TYPE=Debug -DDEMOS_STATIC=OFF \
  -DCMAKE_CXX_FLAGS="-Werror $sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build build-ci-sanitize -j "$jobs" >/dev/null
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_every_test build-ci-sanitize
