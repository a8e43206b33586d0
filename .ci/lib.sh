# Helpers shared by the CI steps, each run in a bash of its own from the top
# of the checkout, with `work` naming the run's temporary folder.

jobs=$(nproc 2>/dev/null || echo 2)
programs="naive-rtl last-occurrence good-suffix prefix-overlap prefix-overlap-memo"

fail() { echo "$*" >&2; exit 1; }

# Installs the Debian packages named, unless they are all installed already.
install_missing() {
  dpkg -s "$@" >/dev/null 2>&1 && return
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get install -y -qq "$@" >/dev/null ||
    { $sudo apt-get update -qq && $sudo apt-get install -y -qq "$@" >/dev/null; }
}

# The README's command that holds $1, as written there.
readme_command() {
  grep -m1 -E -e "^(emcmake )?cmake .*$1" README.md || fail "README.md names no command with $1"
}

# Copies the tracked tree into folder $1, as a fresh clone would hold it.
copy_tree() {
  mkdir -p "$1"
  git ls-files -z | xargs -0 cp --parents -t "$1"
}

# Runs each program built in $1 and fails unless it prints exactly its
# expected file.
expect_outputs() {
  for program in $programs; do
    "$1/$program" | cmp - "tests/expected/$program.txt"
  done
  echo "all five print exactly their expected files"
}

# Fails unless the programs in build folder $1 are linked as link mode $2
# says. Fully static: no program interpreter and no shared library (on
# Windows, no DLL of the compiler's runtime); static C++ runtime: no C++ or
# compiler runtime library; dynamic: the C++ runtime library.
expect_link_mode() {
  local program binary libraries interpreter runtime='lib(stdc\+\+|c\+\+|gcc_s|winpthread)'
  for program in $programs; do
    binary=$1/$program
    if [ -e "$binary.exe" ]; then
      libraries=$(objdump -p "$binary.exe" | sed -n 's/.*DLL Name: //p' | tr '\n' ' ')
      interpreter=""
    else
      libraries=$(readelf -d "$binary" | sed -n 's/.*NEEDED.*\[\(.*\)\]/\1/p' | tr '\n' ' ')
      interpreter=$(readelf -l "$binary" | sed -n 's/.*program interpreter: \(.*\)\]/\1/p')
    fi
    case $2 in
      "fully static")
        if [ -n "$interpreter" ] || grep -qE "$runtime" <<<"$libraries" ||
          { [ ! -e "$binary.exe" ] && [ -n "$libraries" ]; }; then
          fail "$program, said to be fully static, loads $interpreter $libraries"
        fi ;;
      "static C++ runtime, dynamic C library")
        ! grep -qE "$runtime" <<<"$libraries" ||
          fail "$program, said to have a static C++ runtime, loads $libraries" ;;
      dynamic)
        grep -qE 'lib(stdc|c)\+\+' <<<"$libraries" ||
          fail "$program, said to be linked dynamically, loads $libraries" ;;
      *) fail "unknown link mode $2" ;;
    esac
  done
  echo "the programs are linked as configure said: $2"
}

# Configures into $1 with the further arguments, fails unless configure
# names link mode $link_mode, builds, and checks the programs' link.
configure_and_build() {
  local dir=$1 configured
  configured=$(cmake -S . -B "$dir" "${@:2}")
  grep -qx -- "-- Demonstration programs link: $link_mode" <<<"$configured" ||
    fail "$configured"$'\n'"expected link mode: $link_mode"
  cmake --build "$dir" -j "$jobs" >/dev/null
  expect_link_mode "$dir" "$link_mode"
}

# Fails unless the ctest output in file $2 ran every test that the test
# programs built in folder $1 list (run through $test_emulator, when set).
# Test programs named after $2 are not built there.
ran_every_test() {
  local dir=$1 log=$2 source name binary defined=0 ran
  shift 2
  for source in tests/*_test.cpp; do
    name=$(basename "$source" .cpp)
    [[ " $* " == *" $name "* ]] && continue
    binary=$(find "$dir" -type f \( -name "$name" -o -name "$name.exe" \) | head -n 1)
    [ -n "$binary" ] || fail "no test program $name in $dir"
    defined=$((defined + $(${test_emulator:-} "$binary" --gtest_list_tests | grep -c '^  ')))
  done
  ran=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$log")
  [ "$ran" = "$defined" ] || fail "ctest ran ${ran:-no} tests of the $defined that the test programs define"
  echo "ctest ran all $defined tests"
}

# Runs the tests of build folder $1 with ${ctest:-ctest} and the further
# arguments, shows the closing lines, and checks that every test ran but
# those of the test programs that $left_out names.
run_every_test() {
  local dir=$1 log
  shift
  log=$(mktemp "$work/ctest.XXXX")
  "${ctest:-ctest}" --test-dir "$dir" --output-on-failure --no-tests=error "$@" >"$log" ||
    { cat "$log"; fail "tests failed in $dir"; }
  tail -n 3 "$log"
  ran_every_test "$dir" "$log" ${left_out:-}
}

# CMake 3.20, unpacked from ../shared/tools once a run; prints its bin folder.
cmake320() {
  local archive=../shared/tools/cmake-3.20.6-linux-x86_64.tar.xz
  [ -r "$archive" ] || fail "$archive is missing: CI needs ../shared/tools beside the checkout"
  [ -d "$work/cmake-3.20" ] || tar -xJf "$archive" -C "$work"
  echo "$work/cmake-3.20/bin"
}
