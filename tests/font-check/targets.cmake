# font_check.exe: asks the prefix for every face the programs draw with and
# reports the face each resolves to (run by tests/suites/37-wine-fonts.sh).
# Prints "wine-fonts: N passed, N failed".
if(TRAY_BUILD STREQUAL "win64" AND NOT TRAY_WINE_TESTS)
  add_executable(font_check ${CMAKE_SOURCE_DIR}/tests/font-check/font_check.cpp)
  tray_windows_test_program(font_check)
  set_target_properties(font_check PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
