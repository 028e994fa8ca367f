; Before anything is changed: can this user write where the setup writes?
; On NT a user who is no administrator can write neither the program folder
; nor HKEY_LOCAL_MACHINE, and would otherwise meet a failed copy for every
; file. A probe that succeeds is undone at once.

!define PROBE_VALUE "${PRODUCT} setup probe"

; The first place the user cannot write, in $0 ("" when every probe passes).
; With "registry" only HKEY_LOCAL_MACHINE is tried, else the folder too.
!macro WRITE_ACCESS_PROBE WHAT
  ClearErrors
  WriteRegStr HKLM "${UNINSTALL_PARENT_KEY}" "${PROBE_VALUE}" ""
  ${If} ${Errors}
    StrCpy $0 "HKEY_LOCAL_MACHINE\${UNINSTALL_PARENT_KEY}"
  ${Else}
    DeleteRegValue HKLM "${UNINSTALL_PARENT_KEY}" "${PROBE_VALUE}"
    StrCpy $0 ""
    !if "${WHAT}" != "registry"
      Call FolderWritable
      Pop $0
    !endif
  ${EndIf}
!macroend

; Pushes "" when $INSTDIR can be written, else the folder. A folder that
; does not exist yet is tried by creating its first missing level, which is
; then removed again, so nothing is left behind.
Function FolderWritable
  Push $0
  Push $1
  Push $2
  StrCpy $0 "$INSTDIR"
  StrCpy $1 ""
  ${DoUntil} ${FileExists} "$0\*.*"
    StrCpy $1 $0
    ${GetParent} $0 $0
    ${If} $0 == ""
      ${ExitDo}
    ${EndIf}
  ${Loop}
  ; Testing the error flag clears it: the answer goes into $0 at once.
  StrCpy $2 "$INSTDIR"
  ${If} $0 == ""
    StrCpy $0 $2            ; not even the drive is there
  ${ElseIf} $1 == ""
    StrCpy $0 $2
    ClearErrors
    FileOpen $1 "$INSTDIR\${PROBE_VALUE}.tmp" w
    ${IfNot} ${Errors}
      FileClose $1
      Delete "$INSTDIR\${PROBE_VALUE}.tmp"
      StrCpy $0 ""
    ${EndIf}
  ${Else}
    StrCpy $0 $2
    ClearErrors
    CreateDirectory $1
    ${IfNot} ${Errors}
      RMDir $1
      StrCpy $0 ""
    ${EndIf}
  ${EndIf}
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Ends the setup with one message when $0 names a place it cannot write.
Function RefuseWithoutWriteAccess
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP \
      "Setup cannot write to $0.$\n$\nAn administrator must run setup: log on as an administrator and start it again. Nothing has been changed." \
      /SD IDOK
    SetErrorLevel 5   ; ERROR_ACCESS_DENIED
    Quit
  ${EndIf}
FunctionEnd
