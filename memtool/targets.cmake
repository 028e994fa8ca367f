# The sound Memtidy plays at each recovery: its default "Music" is
# confirmation.wav beside the program, so every build puts one in bin/.
find_program(TRAY_SOX sox)
if(TRAY_SOX)
  set(MEMTIDY_SOUND ${CMAKE_BINARY_DIR}/bin/confirmation.wav)
  # A short rising chime: 0.3 s, 11025 Hz, 8-bit mono, about 3 KB.
  add_custom_command(
    OUTPUT ${MEMTIDY_SOUND}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
    COMMAND ${TRAY_SOX} -n -r 11025 -b 8 -c 1 ${MEMTIDY_SOUND} synth 0.3 sine 660:990 fade 0.01 0.3 0.1 vol 0.5
    COMMENT "Making confirmation.wav"
    VERBATIM)
  add_custom_target(memtidy_sound ALL DEPENDS ${MEMTIDY_SOUND})
else()
  message(WARNING "sox not found: no confirmation.wav beside Memtidy (tools/install-deps.sh installs it)")
endif()

# The end-to-end driver of the tray menu, the Cache tab and the description
# panel (run by tests/suites/41-e2e-memtool-tray.sh, and built for win32 by
# tests/suites/65-x86.sh). It shares the session helpers of the main Memtidy
# driver.
if((TRAY_BUILD STREQUAL "win64" OR TRAY_BUILD STREQUAL "win32") AND NOT TRAY_WINE_TESTS)
  tray_e2e_dir(E2E_DIR)
  tray_glob(MEMTIDY_TRAY_E2E_SOURCES tests/e2e/memtool_tray/*.cpp tests/e2e/common/*.cpp
                                     tests/e2e/memtool/memtidy_session.cpp)
  add_executable(memtidy_tray_e2e ${MEMTIDY_TRAY_E2E_SOURCES})
  tray_windows_test_program(memtidy_tray_e2e)
  target_link_libraries(memtidy_tray_e2e PRIVATE psapi)
  set_target_properties(memtidy_tray_e2e PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${E2E_DIR})
endif()
