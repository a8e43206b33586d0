# a compiler that refuses -static links the C++ runtime statically, one that refuses every static option links dynamically; every test passes
# g++ behind a wrapper that refuses every option matching the shell pattern
# $1, as a toolchain without static libraries does; prints its path.
refusing_compiler() {
  local wrapper
  wrapper=$(mktemp -d "$work/compiler.XXXX")/c++
  cat >"$wrapper" <<WRAPPER
#!/bin/sh
for arg in "\$@"; do
  case \$arg in $1) echo "c++: cannot link with \$arg here" >&2; exit 1 ;; esac
done
exec g++ "\$@"
WRAPPER
  chmod +x "$wrapper"
  echo "$wrapper"
}

echo "--- refusing -static"
link_mode="static C++ runtime, dynamic C library"
configure_and_build build-ci-no-static -DCMAKE_CXX_COMPILER="$(refusing_compiler -static)" \
  -DCMAKE_CXX_FLAGS=-Werror
run_every_test build-ci-no-static

echo "--- refusing every static option"
link_mode="dynamic"
configure_and_build build-ci-dynamic -DCMAKE_CXX_COMPILER="$(refusing_compiler '-static*')" \
  -DCMAKE_CXX_FLAGS=-Werror
run_every_test build-ci-dynamic
