# Windows, cross-built with MinGW-w64 and run under Wine: the programs, with CR LF, and the in-process tests
source .ci/cross.sh
install_missing g++-mingw-w64-x86-64-posix wine wine64
# Wine keeps its prefix here, and its server socket under TMPDIR: in the
# run's folder, they go with it, once the server has stopped.
export WINEPREFIX="$work/wine" WINEDEBUG=-all TMPDIR="$work"
trap 'wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true' EXIT
wineboot --init >/dev/null 2>&1

link_mode="fully static"
configure_and_build build-ci-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_FLAGS=-Werror
expect_emulated_outputs build-ci-windows wine crlf

echo "--- the tests that run in-process, with GoogleTest cross-built from Debian's sources"
gtest_dir=$(cross_googletest -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake")
cmake -S . -B build-ci-windows-tests -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DGTest_DIR="$gtest_dir" -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  -DCMAKE_EXE_LINKER_FLAGS=-static -DCMAKE_CXX_FLAGS=-Werror >/dev/null
cmake --build build-ci-windows-tests -j "$jobs" >/dev/null
test_emulator=wine left_out=programs_test run_every_test build-ci-windows-tests -j "$jobs"
