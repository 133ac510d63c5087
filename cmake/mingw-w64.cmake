# Cross build of the Windows program with MinGW-w64 (the posix thread model,
# which GoogleTest needs). Windows test programs run under Wine through ctest.
# The processor is x86_64 unless a toolchain file including this one chose
# another (mingw-w64-i686.cmake).
if(NOT DEFINED TRAILGLINT_MINGW_PROCESSOR)
  set(TRAILGLINT_MINGW_PROCESSOR x86_64)
endif()
set(triple ${TRAILGLINT_MINGW_PROCESSOR}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TRAILGLINT_MINGW_PROCESSOR})
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
