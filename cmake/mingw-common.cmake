# The i686 release build uses the win32 thread model, which needs no threading runtime at all.
# The x86_64 build, which also carries the Wine tests, uses the posix model because GoogleTest
# needs std::mutex; everything is linked statically either way.
if(NOT DEFINED TESSIVAR_MINGW_THREADS)
  set(TESSIVAR_MINGW_THREADS win32)
endif()
set(CMAKE_C_COMPILER ${TESSIVAR_MINGW_TRIPLET}-gcc-${TESSIVAR_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${TESSIVAR_MINGW_TRIPLET}-g++-${TESSIVAR_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${TESSIVAR_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TESSIVAR_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
