# What the tray programs hold at rest, measured under Wine against the bare
# tray program (benchmarks/tweaker) by benchmarks/resident/run_wine_resident.sh.
if(TRAY_BUILD STREQUAL "win64" AND NOT TRAY_WINE_TESTS)
  add_executable(resident_probe benchmarks/resident/win32/resident_probe.cpp tests/e2e/common/handle_counts.cpp)
  tray_windows_test_program(resident_probe)
  target_link_libraries(resident_probe PRIVATE psapi)
  set_target_properties(resident_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
