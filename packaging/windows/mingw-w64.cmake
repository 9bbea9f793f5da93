# Cross-builds for 64-bit Windows with Debian's MinGW-w64, used both for Qt's own build and for the
# game's. The POSIX-threads flavour of the compilers, since the C++ library's threads need it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)

# Libraries and packages come from the Windows side only (MinGW's and, for the game, the Qt built
# for Windows that CMAKE_PREFIX_PATH names); programs run during the build come from this machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${_mingw} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
