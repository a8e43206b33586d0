# Helpers of the steps that cross-build for another system or processor and
# run what they build under an emulator.

# Runs each program built in $1 under emulator $2 and fails unless it prints
# exactly its expected file (with CR LF line ends, when $3 is crlf), writes
# nothing on standard error, and on a full device exits 1 after one line on
# standard error.
expect_emulated_outputs() {
  local dir=$1 emulator=$2 program binary status
  for program in $programs; do
    binary=$dir/$program
    [ -e "$binary.exe" ] && binary=$binary.exe
    $emulator "$binary" >"$work/out" 2>"$work/err"
    if [ "${3:-}" = crlf ]; then
      grep -q $'\r$' "$work/out" || fail "$program: lines do not end CR LF"
      tr -d '\r' <"$work/out" | cmp - "tests/expected/$program.txt"
    else
      cmp "$work/out" "tests/expected/$program.txt"
    fi
    [ ! -s "$work/err" ] || fail "$program wrote on standard error: $(cat "$work/err")"
    status=0
    $emulator "$binary" >/dev/full 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] ||
      fail "$program on a full device: status $status, standard error: $(cat "$work/err")"
    cat "$work/err"
  done
  echo "all five print exactly their expected files and report a full device"
}

# Cross-builds GoogleTest from Debian's sources with the cmake arguments
# given (a toolchain file and its settings) and prints the folder to pass as
# GTest_DIR.
cross_googletest() {
  local build
  install_missing googletest
  build=$(mktemp -d "$work/googletest.XXXX")
  cmake -S /usr/src/googletest -B "$build/build" -DBUILD_GMOCK=OFF -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$build/installed" "$@" >/dev/null
  cmake --build "$build/build" -j "$jobs" >/dev/null
  cmake --install "$build/build" >/dev/null
  echo "$build/installed/lib/cmake/GTest"
}

# Cross-builds for Linux on the processor of GNU target $1 (aarch64-linux-gnu,
# say) with Debian's cross compiler, warnings as errors: the programs print
# exactly their expected files under qemu-user command $2, and the tests that
# call the matchers in-process pass under it. The tests that start the
# programs as processes are not built for another processor.
cross_linux() {
  local target=$1 emulator="$2;-L;/usr/$1" dir=build-ci-$1 gtest_dir
  install_missing "g++-$target" qemu-user
  link_mode="fully static"
  configure_and_build "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/linux-cross.cmake -DDEMOS_TARGET="$target" \
    -DBUILD_TESTING=OFF -DCMAKE_CXX_FLAGS=-Werror
  expect_emulated_outputs "$dir" "$2"
  echo "--- the tests that run in-process, with GoogleTest cross-built from Debian's sources"
  gtest_dir=$(cross_googletest -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/linux-cross.cmake" -DDEMOS_TARGET="$target")
  cmake -S . -B "$dir-tests" -DCMAKE_TOOLCHAIN_FILE=cmake/linux-cross.cmake -DDEMOS_TARGET="$target" \
    -DGTest_DIR="$gtest_dir" -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" -DCMAKE_CXX_FLAGS=-Werror >/dev/null
  cmake --build "$dir-tests" -j "$jobs" >/dev/null
  test_emulator="$2 -L /usr/$target" left_out=programs_test run_every_test "$dir-tests" -j "$jobs"
}
