# without GoogleTest: configure says so, the demonstrations build, the README's test command fails
# The README's commands as written, in a copy of the tree whose build folder
# is configured as on a machine without GoogleTest.
demo_command=$(readme_command run-demos)
test_command=$(readme_command ctest)
copy="$work/without-googletest"
copy_tree "$copy"
cd "$copy"
cmake -S . -B build -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON | grep 'GoogleTest not found'
bash -c "$demo_command" >/dev/null
expect_outputs build
if bash -c "$test_command" >test.log 2>&1; then
  cat test.log
  fail "the test command passed without GoogleTest"
fi
grep 'GoogleTest was not found' test.log
