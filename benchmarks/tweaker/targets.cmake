# Windows-side timing programs for Vidarix, run under Wine by
# benchmarks/tweaker/run_wine_start.sh (they print figures, never fail).
if(TRAY_BUILD STREQUAL "win64" AND NOT TRAY_WINE_TESTS)
  add_executable(vidarix_start_to_tray benchmarks/tweaker/win32/start_to_tray.cpp)
  tray_windows_test_program(vidarix_start_to_tray)
  set_target_properties(vidarix_start_to_tray PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

  # Built like the programs (static, GUI), so only what it does differs.
  add_executable(vidarix_bare_tray WIN32 benchmarks/tweaker/win32/bare_tray.cpp)
  tray_windows_test_program(vidarix_bare_tray)
  target_compile_definitions(vidarix_bare_tray PRIVATE ${TRAY_WIN_DEFINES})
  set_target_properties(vidarix_bare_tray PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
