# The setup program, built by makensis from setup.nsi around the programs of
# this build:
#   win32  the release: <build>/win32/release/ holds the ANSI x86 setup
#          program, a zip of the same files and the readme; the uninstaller
#          the setup writes is kept in <build>/win32/setup/ for the PE audit.
#   win64  the same script around the 64-bit programs, for the Wine tests
#          only (this machine runs no 32-bit code): <build>/win64/setup/.
if(TRAY_BUILD STREQUAL "host" OR TRAY_WINE_TESTS)
  return()
endif()
find_program(TRAY_MAKENSIS makensis)
if(NOT TRAY_MAKENSIS)
  message(WARNING "makensis not found: no setup program (tools/install-deps.sh installs nsis)")
  return()
endif()

file(STRINGS ${CMAKE_SOURCE_DIR}/versions.h version_line REGEX "^#define RELEASE_VERSION_TEXT ")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" TRAY_RELEASE_VERSION "${version_line}")
set(release_name Vidarix-Memtidy-${TRAY_RELEASE_VERSION})
set(setup_dir ${CMAKE_BINARY_DIR}/setup)
set(files_dir ${setup_dir}/${release_name})
file(GLOB setup_includes CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.nsh)
set(setup_sources ${CMAKE_CURRENT_LIST_DIR}/setup.nsi ${setup_includes} ${CMAKE_SOURCE_DIR}/versions.h)

# The readme is read on Windows 95 with Notepad: CRLF line ends.
configure_file(${CMAKE_CURRENT_LIST_DIR}/readme.txt ${setup_dir}/Readme.txt @ONLY NEWLINE_STYLE CRLF)

set(shipped Vidarix.exe Vidarix.hlp Memtidy.exe confirmation.wav)
set(staged)
foreach(f ${shipped})
  add_custom_command(OUTPUT ${files_dir}/${f}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/bin/${f} ${files_dir}/${f}
    DEPENDS ${CMAKE_BINARY_DIR}/bin/${f}
    VERBATIM)
  list(APPEND staged ${files_dir}/${f})
endforeach()
add_custom_command(OUTPUT ${files_dir}/Readme.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${setup_dir}/Readme.txt ${files_dir}/Readme.txt
  DEPENDS ${setup_dir}/Readme.txt
  VERBATIM)
list(APPEND staged ${files_dir}/Readme.txt)
set_source_files_properties(${CMAKE_BINARY_DIR}/bin/Vidarix.exe ${CMAKE_BINARY_DIR}/bin/Vidarix.hlp
                            ${CMAKE_BINARY_DIR}/bin/Memtidy.exe
                            ${CMAKE_BINARY_DIR}/bin/confirmation.wav PROPERTIES GENERATED TRUE)

if(TRAY_BUILD STREQUAL "win32")
  set(release_dir ${CMAKE_BINARY_DIR}/release)
  set(setup_exe ${release_dir}/${release_name}-setup.exe)
  add_custom_command(OUTPUT ${setup_exe} ${setup_dir}/uninstall.exe
    COMMAND ${CMAKE_COMMAND} -E make_directory ${release_dir}
    COMMAND ${TRAY_MAKENSIS} -V2 -DFILES=${files_dir} -DOUTFILE=${setup_exe}
            -DUNINSTALLER_COPY=${setup_dir}/uninstall.exe ${CMAKE_CURRENT_LIST_DIR}/setup.nsi
    DEPENDS ${staged} ${setup_sources}
    COMMENT "Making ${release_name}-setup.exe"
    VERBATIM)
  # For people who want no installer: the same files in one folder.
  add_custom_command(OUTPUT ${release_dir}/${release_name}.zip ${release_dir}/Readme.txt
    COMMAND ${CMAKE_COMMAND} -E make_directory ${release_dir}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${release_dir}/${release_name}.zip --format=zip ${release_name}
    COMMAND ${CMAKE_COMMAND} -E copy ${setup_dir}/Readme.txt ${release_dir}/Readme.txt
    WORKING_DIRECTORY ${setup_dir}
    DEPENDS ${staged}
    COMMENT "Making ${release_name}.zip"
    VERBATIM)
  set(setup_target release)
  add_custom_target(release ALL DEPENDS ${setup_exe} ${release_dir}/${release_name}.zip ${release_dir}/Readme.txt)
else()
  set(setup_exe ${setup_dir}/${release_name}-setup-amd64.exe)
  add_custom_command(OUTPUT ${setup_exe}
    COMMAND ${TRAY_MAKENSIS} -V2 -DTARGET=amd64-unicode -DFILES=${files_dir} -DOUTFILE=${setup_exe}
            ${CMAKE_CURRENT_LIST_DIR}/setup.nsi
    DEPENDS ${staged} ${setup_sources}
    COMMENT "Making the 64-bit test setup"
    VERBATIM)
  set(setup_target wine_test_setup)
  add_custom_target(wine_test_setup ALL DEPENDS ${setup_exe})
endif()
add_dependencies(${setup_target} Vidarix Memtidy vidarix_help)
if(TARGET memtidy_sound)
  add_dependencies(${setup_target} memtidy_sound)
endif()
