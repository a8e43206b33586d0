# Clang 14 with libc++, the standard library of macOS: the programs
install_missing libc++-14-dev libc++abi-14-dev
# GoogleTest on this machine is built for libstdc++, so only the programs.
link_mode="fully static"
CC=clang CXX=clang++ configure_and_build build-ci-libcxx -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_FLAGS="-stdlib=libc++ -Werror"
nm -C build-ci-libcxx/naive-rtl | grep 'std::__1::' >/dev/null ||
  fail "naive-rtl is not built with libc++"
expect_outputs build-ci-libcxx
