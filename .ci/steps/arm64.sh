# ARM64 (plain char is unsigned there), cross-built with GCC and run under qemu-user: the programs and the in-process tests
source .ci/cross.sh
cross_linux aarch64-linux-gnu qemu-aarch64
