# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads).
# The compiler is chosen here: Qt's -xplatform alone would quietly use the host's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TAGLER_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAGLER_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAGLER_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TAGLER_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TAGLER_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
