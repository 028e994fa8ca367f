# Stand-in driver files for the Wine prefix that looks like a Windows 98
# machine with a Savage card: resource-only PE files whose version resources
# carry the drivers' FileVersion texts. Built in the win64 tree into
# <build>/driverfiles/; tools/wine/provision-vidarix.sh copies them into the
# prefix's system directory.
if(TRAY_BUILD STREQUAL "win64" AND NOT TRAY_WINE_TESTS)
  # name | FileVersion text | FILEVERSION numbers | type (3 driver, 2 dll) | description
  set(TRAY_DRIVER_FILES
    "S3_6.DRV|4.11.01.2003-6.13.20|4,11,1,2003|0x3|Savage3D display driver"
    "S3GICD.DLL|4.11.01.2003-6.13.25|4,11,1,2003|0x2|Savage3D OpenGL driver"
    "S3_8.DRV|4.12.01.2068-8.20.15|4,12,1,2068|0x3|Savage4 display driver"
    "S3MICD.DLL|4.12.01.2068-8.20.13|4,12,1,2068|0x2|Savage4 OpenGL driver"
    "S3NB.DRV|4.12.01.2072-8.20.21|4,12,1,2072|0x3|SavageNB display driver"
    "S3_7.DRV|4.12.01.7013-7.13.8|4,12,1,7013|0x3|Savage/MX display driver"
    "S3_7IX.DRV|4.12.01.7008-7.3.8|4,12,1,7008|0x3|Savage/IX display driver"
    "MXICD.DLL|4.12.01.7013-7.1.20|4,12,1,7013|0x2|Savage/MX OpenGL driver"
    "SAVAGE2K.DRV|4.12.01.9110-9.10.15|4,12,1,9110|0x3|Savage 2000 display driver"
    "S2KICD.DLL|4.12.01.9110-9.51.1|4,12,1,9110|0x2|Savage 2000 OpenGL driver"
    "metal.dll|4.12.01.2068-1.0.6|4,12,1,2068|0x2|MeTaL interface"
    "qdvd.dll|4.12.01.2068-2.0.4|4,12,1,2068|0x2|DVD acceleration"
    "DDRAW.DLL|4.06.02.0436|4,6,2,436|0x2|Microsoft DirectDraw")
  set(driver_dir ${CMAKE_BINARY_DIR}/driverfiles)
  file(MAKE_DIRECTORY ${driver_dir})
  set(driver_outputs)
  foreach(row ${TRAY_DRIVER_FILES})
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 FILE_NAME)
    list(GET fields 1 FILE_VERSION)
    list(GET fields 2 FILE_NUMBERS)
    list(GET fields 3 FILE_TYPE)
    list(GET fields 4 FILE_DESCRIPTION)
    set(rc ${driver_dir}/${FILE_NAME}.rc)
    configure_file(${CMAKE_SOURCE_DIR}/tools/driverfiles/versioninfo.rc.in ${rc} @ONLY)
    set(out ${driver_dir}/${FILE_NAME})
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_RC_COMPILER} -O coff -i ${rc} -o ${out}.res.o
      COMMAND ${CMAKE_C_COMPILER} -nostdlib -shared -Wl,-e,0 -s -o ${out} ${out}.res.o
      DEPENDS ${rc} ${CMAKE_SOURCE_DIR}/tools/driverfiles/versioninfo.rc.in
      COMMENT "stand-in driver file ${FILE_NAME}")
    list(APPEND driver_outputs ${out})
  endforeach()
  add_custom_target(driverfiles ALL DEPENDS ${driver_outputs})
endif()
