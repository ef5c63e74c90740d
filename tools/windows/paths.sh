# Where the Windows build keeps what outlives a build directory. Sourced by the Windows scripts.
tessary_win_cache=${XDG_CACHE_HOME:-$HOME/.cache}/tessary-windows
tessary_win_qt=$tessary_win_cache/qt-6.4.2-mingw
tessary_win_gtest=$tessary_win_cache/googletest-mingw
tessary_win_toolchain=$tessary_win_cache/mingw-toolchain.cmake
tessary_win_mingw_runtime=("/usr/lib/gcc/x86_64-w64-mingw32/12-posix" "/usr/x86_64-w64-mingw32/lib")
