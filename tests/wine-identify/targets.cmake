# wine_identify.exe: identifies the simulated adapter in the provisioned
# Windows 98 prefix and checks the record against the card it was given
# (tests/suites/35-wine-identify.sh). Test program only; never shipped.
if(TRAY_BUILD STREQUAL "win64" AND NOT TRAY_WINE_TESTS AND TARGET tweaker_sim AND TARGET tweaker_seam_win32)
  add_executable(wine_identify ${CMAKE_SOURCE_DIR}/tests/wine-identify/wine_identify.cpp
                 ${CMAKE_SOURCE_DIR}/tests/wine-identify/expected_cards.cpp
                 $<TARGET_OBJECTS:tweaker_core> $<TARGET_OBJECTS:tweaker_seam_win32> $<TARGET_OBJECTS:tweaker_sim>)
  tray_windows_test_program(wine_identify)
  target_compile_definitions(wine_identify PRIVATE ${TRAY_WIN_DEFINES})
  set_target_properties(wine_identify PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
