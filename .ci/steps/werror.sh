# warnings as errors and every test, in every build type, with GCC 12, Clang 14 and Clang 19
install_missing clang-19
# GCC's Debug build is the sanitizer step's.
for build in "g++ Release" "g++ RelWithDebInfo" "g++ MinSizeRel" \
  "clang++ Debug" "clang++ Release" "clang++ RelWithDebInfo" "clang++ MinSizeRel" \
  "clang++-19 Debug" "clang++-19 Release" "clang++-19 RelWithDebInfo" "clang++-19 MinSizeRel"; do
  read -r compiler type <<<"$build"
  echo "--- $compiler, $type"
  dir="build-ci-werror-${compiler/++/}-$type"
  CXX=$compiler cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" -DCMAKE_CXX_FLAGS=-Werror >/dev/null
  cmake --build "$dir" -j "$jobs" >/dev/null
  run_every_test "$dir"
done
