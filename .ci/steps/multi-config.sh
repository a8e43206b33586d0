# Ninja Multi-Config: the README's commands build, test and install Release, and only Release
install_missing ninja-build
demo_command=$(readme_command run-demos)
test_command=$(readme_command ctest)
install_command=$(readme_command --install)
multi="$work/multi-config"
copy_tree "$multi"
cd "$multi"
cmake -S . -B build -G "Ninja Multi-Config" >/dev/null
bash -c "$demo_command" >/dev/null
bash -c "$test_command" | tee tests.log | tail -n 3
ran_every_test build tests.log
bash -c "${install_command/\~\/.local/$multi/installed}" >/dev/null
for program in $programs; do
  cmp "installed/bin/$program" "build/Release/$program"
done
expect_outputs installed/bin
# ctest -C Release ran the Release test programs, and those run the Release
# demonstration programs.
ctest --test-dir build -C Release -N -V | grep 'Test command:' >commands.txt
if grep -v "$multi/build/tests/Release/" commands.txt; then
  fail "ctest -C Release runs test programs of another configuration"
fi
grep -q "$multi/build/Release" build/tests/Release/programs_test
# Nothing was built for Debug, so no Debug test can pass.
if ctest --test-dir build -C Debug >/dev/null 2>&1; then
  fail "ctest -C Debug passed with no Debug build"
fi
echo "ctest -C Release ran the Release programs; ctest -C Debug fails"
