# flags changed in an existing build folder make the link trial run again
asan=-fsanitize=address
for flags in "" "$asan" ""; do
  echo "--- CMAKE_CXX_FLAGS and CMAKE_EXE_LINKER_FLAGS: '$flags'"
  link_mode="fully static"
  [ -z "$flags" ] || link_mode="static C++ runtime, dynamic C library"
  configure_and_build build-ci-flags -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags"
  expect_outputs build-ci-flags
done
