# Shared build rules. Sources are found by folder convention (see README,
# "Layout"), so adding a file to the right folder is all a change needs.

# -Wno-restrict: GCC 12 reports a false overlap in std::string's operator+ under
# C++20 (GCC bug 105329).
set(TRAY_WARNINGS -Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers -Wno-restrict)

# The Windows programs: ANSI, Windows 95-era headers, statically linked.
set(TRAY_WIN_DEFINES _WIN32_WINNT=0x0400 WINVER=0x0400 _WIN32_IE=0x0400 WIN32_LEAN_AND_MEAN NOMINMAX)
set(TRAY_WIN_LIBS user32 gdi32 shell32 advapi32 comdlg32 comctl32 winmm version)

# The shipping build is compiled for size: each function and datum in its own
# section, so the link can drop whatever nothing calls (see tray_windows_program;
# on PE, ld keeps every function an object's unwind tables refer to, so this
# pays off only in code built without exceptions).
if(TRAY_BUILD STREQUAL "win32")
  add_compile_options(-Os -ffunction-sections -fdata-sections)
endif()

# Globs the given patterns (relative to the source dir) into OUT.
function(tray_glob out)
  set(files)
  foreach(pattern ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${pattern})
    list(APPEND files ${found})
  endforeach()
  list(SORT files)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# An OBJECT library from the given sources, or nothing when there are none yet.
function(tray_objects name)
  if(ARGN)
    add_library(${name} OBJECT ${ARGN})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_compile_options(${name} PRIVATE ${TRAY_WARNINGS})
    if(NOT TRAY_BUILD STREQUAL "host")
      target_compile_definitions(${name} PRIVATE ${TRAY_WIN_DEFINES})
    endif()
  endif()
endfunction()

# Collects the object files of the named libraries that exist.
function(tray_objects_of out)
  set(objs)
  foreach(lib ${ARGN})
    if(TARGET ${lib})
      list(APPEND objs $<TARGET_OBJECTS:${lib}>)
    endif()
  endforeach()
  set(${out} ${objs} PARENT_SCOPE)
endfunction()

# Link options of a Windows GUI program; the win32 build is made loadable by
# Windows 95/98 (subsystem and OS version 4.0, no ASLR/NX flags, stripped),
# drops unreferenced sections and the relocations a program loaded at its own
# base never needs, and writes its link map to maps/<program>.map: where the
# bytes go (tools/map_summary.py reads it).
function(tray_windows_program target)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  target_compile_definitions(${target} PRIVATE ${TRAY_WIN_DEFINES})
  target_compile_options(${target} PRIVATE ${TRAY_WARNINGS})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  if(TRAY_BUILD STREQUAL "win32")
    target_link_options(${target} PRIVATE -s
      -Wl,--major-subsystem-version,4,--minor-subsystem-version,0,--major-os-version,4,--minor-os-version,0,--disable-dynamicbase,--disable-nxcompat
      -Wl,--gc-sections,--disable-reloc-section
      -Wl,-Map=${CMAKE_BINARY_DIR}/maps/${target}.map)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/maps)
  endif()
  target_link_libraries(${target} PRIVATE ${TRAY_WIN_LIBS})
endfunction()

# A Windows console test program (end-to-end drivers and the like).
function(tray_windows_test_program target)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${target} PRIVATE ${TRAY_WARNINGS})
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  target_link_libraries(${target} PRIVATE ${TRAY_WIN_LIBS} ole32 uuid)
endfunction()

# Where the end-to-end drivers go: bin/ in the win64 build, e2e/ in the win32
# build (everything in its bin/ ships).
function(tray_e2e_dir out)
  if(TRAY_BUILD STREQUAL "win32")
    set(${out} ${CMAKE_BINARY_DIR}/e2e PARENT_SCOPE)
  else()
    set(${out} ${CMAKE_BINARY_DIR}/bin PARENT_SCOPE)
  endif()
endfunction()

# Host test programs run with the address and undefined-behaviour sanitizers.
set(TRAY_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
