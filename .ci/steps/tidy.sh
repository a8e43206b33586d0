# clang-tidy, with the checks of .clang-tidy as errors
cmake -S . -B build-ci-tidy -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
clang-tidy -p build-ci-tidy --quiet harness/*.cpp rtl/*.cpp overlap/*.cpp tests/*.cpp
echo "clang-tidy finds nothing"
