# s390x (big-endian), cross-built with GCC and run under qemu-user: the programs and the in-process tests
source .ci/cross.sh
cross_linux s390x-linux-gnu qemu-s390x
