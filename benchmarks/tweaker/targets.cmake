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

# Scheme costs against the scheme file's size, run by
# benchmarks/tweaker/run_wine_schemes.sh.
if(TRAY_BUILD STREQUAL "win64" AND NOT TRAY_WINE_TESTS)
  add_executable(vidarix_scheme_scale benchmarks/tweaker/win32/scheme_scale.cpp)
  tray_windows_test_program(vidarix_scheme_scale)
  set_target_properties(vidarix_scheme_scale PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()

# Host: the portable scheme costs against the scheme file's size, on the
# in-memory profile (its own program: it prints its own ratios).
if(TRAY_BUILD STREQUAL "host" AND TARGET tweaker_core)
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    tray_objects_of(TWEAKER_SCALE_OBJS tweaker_core)
    add_executable(tweaker_scheme_scale_bench benchmarks/tweaker/scale/scheme_scale_bench.cpp
                   tests/fakes/tweaker/fake_profile.cpp ${TWEAKER_SCALE_OBJS})
    target_include_directories(tweaker_scheme_scale_bench PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(tweaker_scheme_scale_bench PRIVATE benchmark::benchmark)
    set_target_properties(tweaker_scheme_scale_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  endif()
endif()
