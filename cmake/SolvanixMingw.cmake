# Shared by the mingw-w64 toolchain files, which set SOLVANIX_MINGW_TRIPLET and
# CMAKE_SYSTEM_PROCESSOR first. Debian's g++-mingw-w64-*-posix compilers (the ones with
# std::thread), static runtime, headers and libraries from the target tree only.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${SOLVANIX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SOLVANIX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${SOLVANIX_MINGW_TRIPLET}-windres)

# The target's tree; the host's /usr/include holds glibc headers and must never be searched.
# Header-only host packages such as fast_float are looked up by name where they are used.
set(CMAKE_FIND_ROOT_PATH /usr/${SOLVANIX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# printf and strtod from mingw-w64's own C99 implementation rather than msvcrt's, whose "%G"
# writes three exponent digits.
set(CMAKE_C_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1")
set(CMAKE_CXX_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1")
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  # Plain double arithmetic as on x86-64: the x87 unit keeps 80-bit intermediates and rounds
  # twice, which changes some results and makes decimal reading one unit in the last place off.
  string(APPEND CMAKE_C_FLAGS_INIT " -msse2 -mfpmath=sse")
  string(APPEND CMAKE_CXX_FLAGS_INIT " -msse2 -mfpmath=sse")
endif()

# One self-contained .exe: libgcc, libstdc++ and winpthread linked in, only Windows' DLLs left.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Lets ctest run the target's programs under wine, in the build tree's own prefix (the one that
# scripts/windows prepares) rather than ~/.wine.
find_program(SOLVANIX_WINE wine)
if(SOLVANIX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all
      ${SOLVANIX_WINE})
endif()
