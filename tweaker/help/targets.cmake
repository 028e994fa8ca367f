# Vidarix.hlp, the help file the program opens from "%s\HELP\Vidarix.hlp" in
# the Windows folder, written by the Windows builds into bin/ beside the
# programs. halibut makes the WinHelp file from vidarix.but; add_context_map.py
# then fills its context-number map from the program's help table, so a
# control's help id opens that control's topic. The step fails the build when
# a help id has no topic or a topic has an id no control has.
if(TRAY_BUILD STREQUAL "host" OR TRAY_WINE_TESTS)
  return()
endif()
find_program(TRAY_HALIBUT halibut)
if(NOT TRAY_HALIBUT)
  message(FATAL_ERROR "halibut not found: tools/install-deps.sh installs it")
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)

file(STRINGS ${CMAKE_SOURCE_DIR}/versions.h version_line REGEX "^#define VIDARIX_VERSION_TEXT ")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" vidarix_version "${version_line}")
set(help_dir ${CMAKE_BINARY_DIR}/help)
set(help_source ${CMAKE_CURRENT_LIST_DIR}/vidarix.but)
set(help_ids ${CMAKE_SOURCE_DIR}/tweaker/ui/help_ids.cpp)
set(help_tool ${CMAKE_SOURCE_DIR}/tools/help/add_context_map.py)
set(help_file ${CMAKE_BINARY_DIR}/bin/Vidarix.hlp)
# The version the help names, from versions.h.
file(WRITE ${help_dir}/version.but.new "\\define{vdxversion} ${vidarix_version}\n")
file(COPY_FILE ${help_dir}/version.but.new ${help_dir}/version.but ONLY_IF_DIFFERENT)

add_custom_command(OUTPUT ${help_file} ${help_dir}/topics.txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
  COMMAND ${TRAY_HALIBUT} --winhelp=${help_dir}/halibut.hlp ${help_dir}/version.but ${help_source}
  COMMAND ${Python3_EXECUTABLE} ${help_tool} ${help_source} ${help_ids} ${help_dir}/halibut.hlp
          ${help_file} ${help_dir}/topics.txt
  DEPENDS ${help_source} ${help_ids} ${help_tool} ${help_dir}/version.but
  COMMENT "Making Vidarix.hlp"
  VERBATIM)
add_custom_target(vidarix_help ALL DEPENDS ${help_file})
