# Cross-builds for Linux on another processor with Debian's GNU cross
# compilers (g++-aarch64-linux-gnu, g++-s390x-linux-gnu, ...); DEMOS_TARGET
# names the target as those compilers do, for instance:
#   cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/linux-cross.cmake -DDEMOS_TARGET=aarch64-linux-gnu
if(NOT DEMOS_TARGET)
  message(FATAL_ERROR "Set DEMOS_TARGET to a GNU target such as aarch64-linux-gnu")
endif()
set(CMAKE_SYSTEM_NAME Linux)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${DEMOS_TARGET}")
set(CMAKE_C_COMPILER ${DEMOS_TARGET}-gcc)
set(CMAKE_CXX_COMPILER ${DEMOS_TARGET}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${DEMOS_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The link trial and other checks read this file again and need the target too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DEMOS_TARGET)
