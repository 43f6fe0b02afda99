# Cross build for Windows with Debian's mingw-w64 compilers, in their POSIX
# thread model (GoogleTest needs std::mutex). Included by the toolchain file
# of each target, which sets MINGW_W64_ARCH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_W64_ARCH})

set(CMAKE_C_COMPILER ${MINGW_W64_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_W64_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_W64_ARCH}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_W64_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
