# Cross-compiling Ovix for 64-bit Windows with Debian's mingw-w64 (posix threads flavour).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(OVIX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${OVIX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OVIX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${OVIX_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${OVIX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Every Windows executable (the program and the test drivers) runs through our Wine runner.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
