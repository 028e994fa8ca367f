# The control ids each dialog resource of tweaker/resources declares, as a
# header the in-memory dialog surface reads (FakeDialogSurface::forDialog).
# Made again whenever a .rc file, resource.h or the generator changes.
if(TRAY_BUILD STREQUAL "host" AND TARGET tweaker_host_tests)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  tray_glob(TWEAKER_RC_FILES tweaker/resources/*.rc)
  set(rc_header_dir ${CMAKE_BINARY_DIR}/generated)
  set(rc_header ${rc_header_dir}/rc_dialog_controls.h)
  set(rc_tool ${CMAKE_SOURCE_DIR}/tools/rc_dialog_controls.py)
  add_custom_command(
    OUTPUT ${rc_header}
    COMMAND Python3::Interpreter ${rc_tool} ${rc_header}
            ${CMAKE_SOURCE_DIR}/tweaker/resources/resource.h ${TWEAKER_RC_FILES}
    DEPENDS ${rc_tool} ${CMAKE_SOURCE_DIR}/tweaker/resources/resource.h ${TWEAKER_RC_FILES}
    COMMENT "Reading the dialog resources' control ids"
    VERBATIM)
  add_custom_target(tweaker_rc_dialog_controls DEPENDS ${rc_header})
  add_dependencies(tweaker_host_tests tweaker_rc_dialog_controls)
  target_include_directories(tweaker_host_tests PRIVATE ${rc_header_dir})
endif()
