# as a parent's subproject, with CMake 3.20: the parent's build type, tests, targets and C++ standard are left alone
bin=$(cmake320)
parent="$work/parent"
mkdir -p "$parent"
echo 'int parentHarness() { return 0; }' >"$parent/harness.cpp"
cat >"$parent/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.20)
project(parent LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
enable_testing()
add_library(harness STATIC harness.cpp)
add_library(kmp STATIC harness.cpp)
add_library(test_support STATIC harness.cpp)
add_subdirectory("$PWD" demos)
CMAKE
"$bin/cmake" -S "$parent" -B "$parent/build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON |
  grep -x -- "-- Demonstration programs link: fully static"
"$bin/cmake" --build "$parent/build" -j "$jobs" >/dev/null
expect_link_mode "$parent/build/demos" "fully static"
expect_outputs "$parent/build/demos"
grep -x 'CMAKE_BUILD_TYPE:STRING=' "$parent/build/CMakeCache.txt"
"$bin/ctest" --test-dir "$parent/build" -N | grep -x 'Total Tests: 0'
if "$bin/cmake" --build "$parent/build" --target help | grep -E 'Experimental|Nightly'; then
  fail "the subproject added dashboard targets to the parent"
fi
grep -c -- '-std=c++20' "$parent/build/compile_commands.json"
if grep -- '-std=c++17' "$parent/build/compile_commands.json"; then
  fail "the subproject overrode the parent's C++ standard"
fi

echo "--- the parent asks for the tests"
"$bin/cmake" -S "$parent" -B "$parent/build" -DDEMOS_TESTS=ON >/dev/null
"$bin/cmake" --build "$parent/build" -j "$jobs" >/dev/null
ctest=$bin/ctest run_every_test "$parent/build"
