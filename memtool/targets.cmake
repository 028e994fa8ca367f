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
