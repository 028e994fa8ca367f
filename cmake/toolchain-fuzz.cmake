# The parser harnesses of fuzz/: clang, for libFuzzer and its sanitizers.
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_FLAGS_INIT "-Wno-unknown-warning-option")
set(TRAY_FUZZ ON CACHE BOOL "" FORCE)
