# Toolchain: 32-bit Windows, the program as shipped.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VESPIN_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# The blend's vector loops: every CPU the program meets has SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2")
set(CMAKE_CXX_FLAGS_INIT "-msse2")
