# CMake 3.20, the oldest the build takes: configure, build, every test
bin=$(cmake320)
"$bin/cmake" --version | sed -n 1p
"$bin/cmake" -S . -B build-ci-cmake-3.20 >/dev/null
"$bin/cmake" --build build-ci-cmake-3.20 -j "$jobs" >/dev/null
ctest=$bin/ctest run_every_test build-ci-cmake-3.20
