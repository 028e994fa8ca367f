; The files one copy of the programs consists of, removed by the uninstaller
; and, when an upgrade goes into another folder, by the setup program for the
; copy it replaces.

; Removes the copy in DIR: its files, its uninstaller, the folder (files of
; the user's own keep it) and the Start menu entries. A program file still in
; use goes when Windows restarts, and only then is the folder left to that
; restart too; a folder that merely holds other files asks for no restart.
!macro REMOVE_PROGRAM_COPY DIR
  Delete /REBOOTOK "${DIR}\Vidarix.exe"
  Delete /REBOOTOK "${DIR}\Memtidy.exe"
  Delete "${DIR}\confirmation.wav"
  Delete "${DIR}\Readme.txt"
  Delete "${DIR}\uninstall.exe"
  ; A folder that is the working folder cannot be removed.
  SetOutPath "$TEMP"
  ${If} ${RebootFlag}
    RMDir /REBOOTOK "${DIR}"
  ${Else}
    RMDir "${DIR}"
  ${EndIf}
  Delete "${STARTMENU}\Vidarix.lnk"
  Delete "${STARTMENU}\Memtidy.lnk"
  Delete "${STARTMENU}\Readme.lnk"
  Delete "${STARTMENU}\Uninstall ${PRODUCT}.lnk"
  RMDir "${STARTMENU}"
!macroend
