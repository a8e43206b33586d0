# the README's test command in a source and build folder whose path holds spaces, quotes and $
test_command=$(readme_command ctest)
odd="$work/My Projects/it's \$HOME & (co)"
copy_tree "$odd"
cd "$odd"
bash -c "$test_command" | tee tests.log | tail -n 3
ran_every_test build tests.log
