# the README's demonstration and test commands as written: a plain configure builds Release, fully static, and runs every test
demo_command=$(readme_command run-demos)
test_command=$(readme_command ctest)

echo "+ $demo_command"
bash -c "$demo_command" >"$work/readme-demos.log"
tail -n 4 "$work/readme-demos.log"
grep -qx -- '-- Demonstration programs link: fully static' "$work/readme-demos.log" ||
  fail "configure did not say: fully static"
expect_link_mode build "fully static"
grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' build/CMakeCache.txt ||
  fail "a plain configure did not choose Release: $(grep CMAKE_BUILD_TYPE: build/CMakeCache.txt)"
echo "a plain configure builds Release"

echo "+ $test_command"
bash -c "$test_command" | tee "$work/readme-tests.log" | tail -n 3
ran_every_test build "$work/readme-tests.log"
