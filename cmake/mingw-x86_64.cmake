# Cross-compiles for 64-bit Windows with MinGW-w64 (the build the Wine tests run).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TESSIVAR_MINGW_TRIPLET x86_64-w64-mingw32)
set(TESSIVAR_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
