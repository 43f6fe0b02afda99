# 64-bit Windows.
set(MINGW_W64_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
