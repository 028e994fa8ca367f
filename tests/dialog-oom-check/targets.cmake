# dialog_oom_check.exe: opens the Gamma and Refresh Rates dialogs on their real resources
# while the memory for the dialog's state cannot be had, and checks that each
# dialog ends with 2 and the program goes on (run by the Vidarix end-to-end
# suite). Prints "dialog-oom: N passed, N failed".
if(TRAY_BUILD STREQUAL "win64" AND NOT TRAY_WINE_TESTS AND TARGET tweaker_seam_win32)
  add_executable(dialog_oom_check
    ${CMAKE_SOURCE_DIR}/tests/dialog-oom-check/dialog_oom_check.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/display/win32/gamma_dialog_proc.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/ui/win32/dialog_host.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/ui/win32/dialog_utils.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/ui/win32/win32_dialog_surface.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/resources/gamma.rc
    ${CMAKE_SOURCE_DIR}/tweaker/resources/refresh_rates.rc
    $<TARGET_OBJECTS:tweaker_core> $<TARGET_OBJECTS:tweaker_seam_win32>)
  target_include_directories(dialog_oom_check PRIVATE ${CMAKE_SOURCE_DIR}/tweaker/resources)
  tray_windows_test_program(dialog_oom_check)
  target_compile_definitions(dialog_oom_check PRIVATE ${TRAY_WIN_DEFINES})
  set_target_properties(dialog_oom_check PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
