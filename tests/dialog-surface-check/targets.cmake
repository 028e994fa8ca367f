# dialog_surface_check.exe: the Win32 dialog surface on a real dialog with
# every kind of control it serves, checked under Wine (run by the Vidarix
# end-to-end suite). Prints "dialog-surface: N passed, N failed".
if(TRAY_BUILD STREQUAL "win64" AND NOT TRAY_WINE_TESTS)
  add_executable(dialog_surface_check
    ${CMAKE_SOURCE_DIR}/tests/dialog-surface-check/dialog_surface_check.cpp
    ${CMAKE_SOURCE_DIR}/tests/dialog-surface-check/surface_dialog.rc
    ${CMAKE_SOURCE_DIR}/tweaker/ui/win32/win32_dialog_surface.cpp)
  tray_windows_test_program(dialog_surface_check)
  target_compile_definitions(dialog_surface_check PRIVATE ${TRAY_WIN_DEFINES})
  set_target_properties(dialog_surface_check PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
