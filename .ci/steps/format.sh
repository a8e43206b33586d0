# clang-format: every C++ source as .clang-format lays it out
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "every C++ source is formatted"
