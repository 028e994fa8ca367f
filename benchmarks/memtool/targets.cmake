# Windows-side timing programs for Memtidy, run under Wine by hand or by
# benchmarks/memtool/run_wine_timings.sh (they print figures, never fail).
if(TRAY_BUILD STREQUAL "win64" AND NOT TRAY_WINE_TESTS AND TARGET memtool_core)
  tray_glob(MEMTOOL_FRONT_SOURCES memtool/win32/*.cpp memtool/resources/*.rc)
  list(FILTER MEMTOOL_FRONT_SOURCES EXCLUDE REGEX "/memtool/win32/main\\.cpp$")
  tray_objects_of(MEMTOOL_TIMING_OBJS memtool_core memtool_seam_win32)
  add_executable(memtool_tick_timing benchmarks/memtool/win32/tick_timing.cpp ${MEMTOOL_FRONT_SOURCES}
                 ${MEMTOOL_TIMING_OBJS})
  tray_windows_test_program(memtool_tick_timing)
  target_compile_definitions(memtool_tick_timing PRIVATE ${TRAY_WIN_DEFINES})
  set_target_properties(memtool_tick_timing PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

  add_executable(memtool_bare_timer WIN32 benchmarks/memtool/win32/bare_timer.cpp)
  tray_windows_test_program(memtool_bare_timer)
  target_compile_definitions(memtool_bare_timer PRIVATE ${TRAY_WIN_DEFINES})
  set_target_properties(memtool_bare_timer PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

  # The drawn-icon floor: Memtidy's icon drawn each tick, handed to the shell
  # only when its pixels change.
  tray_objects_of(MEMTOOL_DRAWN_ICON_OBJS memtool_core memtool_seam_win32)
  add_executable(memtool_drawn_icon_timer WIN32 benchmarks/memtool/win32/drawn_icon_timer.cpp
                 memtool/win32/icon_draw.cpp ${MEMTOOL_DRAWN_ICON_OBJS})
  tray_windows_test_program(memtool_drawn_icon_timer)
  target_compile_definitions(memtool_drawn_icon_timer PRIVATE ${TRAY_WIN_DEFINES})
  set_target_properties(memtool_drawn_icon_timer PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

  # Apply and Default of the Cache tab against the size of SYSTEM.INI.
  add_executable(memtool_disk_cache_timing benchmarks/memtool/win32/disk_cache_timing.cpp ${MEMTOOL_TIMING_OBJS})
  tray_windows_test_program(memtool_disk_cache_timing)
  target_compile_definitions(memtool_disk_cache_timing PRIVATE ${TRAY_WIN_DEFINES})
  set_target_properties(memtool_disk_cache_timing PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()
