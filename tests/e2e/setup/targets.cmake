# The end-to-end driver of the setup program and its uninstaller (run by
# tests/suites/60-setup.sh against the 64-bit test setup of tools/setup/).
if(TRAY_BUILD STREQUAL "win64" AND NOT TRAY_WINE_TESTS)
  tray_glob(SETUP_E2E_SOURCES tests/e2e/setup/*.cpp tests/e2e/common/*.cpp)
  add_executable(setup_e2e ${SETUP_E2E_SOURCES})
  tray_windows_test_program(setup_e2e)
  set_target_properties(setup_e2e PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
