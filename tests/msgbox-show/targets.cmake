# msgbox_show.exe: shows the tweaker's message box with the style, time-out,
# caption and text given on its command line and exits with the result code,
# so the end-to-end driver can photograph and press real boxes.
if(TRAY_BUILD STREQUAL "win64" AND NOT TRAY_WINE_TESTS)
  add_executable(msgbox_show
    ${CMAKE_SOURCE_DIR}/tests/msgbox-show/msgbox_show.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/ui/message_box.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/ui/message_box_layout.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/ui/help_ids.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/ui/window_placement.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/ui/win32/message_box_dialog.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/ui/win32/dialog_utils.cpp
    ${CMAKE_SOURCE_DIR}/tweaker/resources/msgbox.rc)
  target_include_directories(msgbox_show PRIVATE ${CMAKE_SOURCE_DIR}/tweaker/resources)
  tray_windows_program(msgbox_show)
  set_target_properties(msgbox_show PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
