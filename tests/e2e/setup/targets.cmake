# The end-to-end driver of the setup program and its uninstaller (run by
# tests/suites/60-setup.sh against the 64-bit test setup of tools/setup/, and
# built for win32 by tests/suites/65-x86.sh against the shipping setup).
if((TRAY_BUILD STREQUAL "win64" OR TRAY_BUILD STREQUAL "win32") AND NOT TRAY_WINE_TESTS)
  tray_e2e_dir(E2E_DIR)
  tray_glob(SETUP_E2E_SOURCES tests/e2e/setup/*.cpp tests/e2e/common/*.cpp)
  add_executable(setup_e2e ${SETUP_E2E_SOURCES})
  tray_windows_test_program(setup_e2e)
  set_target_properties(setup_e2e PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${E2E_DIR})
endif()
