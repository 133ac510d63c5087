# Cross build of the 32-bit Windows program with MinGW-w64 (i686). Its test
# programs run under 32-bit Wine in the same prefix as the 64-bit ones.
set(TRAILGLINT_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
