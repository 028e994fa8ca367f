; What the setup program keeps right across an upgrade, a move to another
; folder and an uninstall that kept the settings: which programs start with
; Windows, the folder Memtidy records and its sound file, and which programs
; were running. Neither program looks at its folder again once it has
; recorded it, so the setup points every record at the folder it installs to.

; Vidarix keeps no setting of its own for "Auto start": the Run entry is the
; setting. An uninstall that keeps the settings leaves this mark in Vidarix's
; key instead, for the next installation.
!define VIDARIX_AUTOSTART_MARK "AutoStart"

Var VidarixWasRunning
Var MemtidyWasRunning
Var VidarixStarts     ; 1: give Vidarix a Run entry
Var MemtidyStarts     ; 1: give Memtidy a Run entry
Var OldInstDir        ; the folder of the copy being replaced

; Pushes 1 when the value exists under HKCU\KEY (of whatever type), else 0.
Function MemtidyValueExists
  Exch $0   ; the value name
  Push $1
  Push $2
  StrCpy $2 0
  ${Do}
    EnumRegValue $1 HKCU "${MEMTIDY_KEY}" $2
    ${If} $1 == ""
      StrCpy $0 0
      ${ExitDo}
    ${ElseIf} $1 == $0
      StrCpy $0 1
      ${ExitDo}
    ${EndIf}
    IntOp $2 $2 + 1
  ${Loop}
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Before the old copy ends: what runs, and what starts with Windows. A Run
; entry counts, and so do kept settings: Memtidy's "AutoStart" (absent means
; on, any value but 1 off, as Memtidy reads it) once Memtidy has run, and
; Vidarix's mark.
Function NoteProgramState
  Push $0
  FindWindow $0 "${VIDARIX_WINDOW_CLASS}"
  ${If} $0 <> 0
    StrCpy $VidarixWasRunning 1
  ${EndIf}
  FindWindow $0 "${MEMTIDY_WINDOW_CLASS}" "${MEMTIDY_WINDOW_TITLE}"
  ${If} $0 <> 0
    StrCpy $MemtidyWasRunning 1
  ${EndIf}

  ReadRegStr $0 HKLM "${RUN_KEY}" "Vidarix"
  ${If} $0 != ""
    StrCpy $VidarixStarts 1
  ${EndIf}
  ReadRegStr $0 HKLM "${VIDARIX_KEY}" "${VIDARIX_AUTOSTART_MARK}"
  ${If} $0 == "On"
    StrCpy $VidarixStarts 1
  ${EndIf}

  ReadRegStr $0 HKLM "${RUN_KEY}" "Memtidy"
  ${If} $0 != ""
    StrCpy $MemtidyStarts 1
  ${EndIf}
  Push "CurrentDir"
  Call MemtidyValueExists
  Pop $0
  ${If} $0 == 1
    ClearErrors
    ReadRegDWORD $0 HKCU "${MEMTIDY_KEY}" "AutoStart"
    ${IfNot} ${Errors}
      IntOp $0 $0 & 0xFFFF
      ${If} $0 = 1
        StrCpy $MemtidyStarts 1
      ${EndIf}
    ${Else}
      Push "AutoStart"
      Call MemtidyValueExists
      Pop $0
      ${If} $0 == 0
        StrCpy $MemtidyStarts 1
      ${EndIf}
    ${EndIf}
  ${EndIf}
  Pop $0
FunctionEnd

; An upgrade into another folder: the old copy goes first, with its Run
; entries (they name its folder; the sections write them anew).
Function RemoveOldCopy
  ReadRegStr $OldInstDir HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $OldInstDir == ""
  ${OrIf} $OldInstDir == $INSTDIR
  ${OrIfNot} ${FileExists} "$OldInstDir\*.*"
    StrCpy $OldInstDir ""
    Return
  ${EndIf}
  DetailPrint "Removing the copy in $OldInstDir"
  Push "$OldInstDir\Vidarix.exe"
  Call WaitUntilWritable
  Push "$OldInstDir\Memtidy.exe"
  Call WaitUntilWritable
  !insertmacro REMOVE_PROGRAM_COPY "$OldInstDir"
  DeleteRegValue HKLM "${RUN_KEY}" "Vidarix"
  DeleteRegValue HKLM "${RUN_KEY}" "Memtidy"
  SetOutPath "$INSTDIR"
FunctionEnd

Function PointVidarixRecords
  ${If} $VidarixStarts == 1
    WriteRegStr HKLM "${RUN_KEY}" "Vidarix" "$INSTDIR\Vidarix.exe"
  ${EndIf}
  DeleteRegValue HKLM "${VIDARIX_KEY}" "${VIDARIX_AUTOSTART_MARK}"
FunctionEnd

; Memtidy's folder record and the default sound file inside it follow the
; folder; a sound the user chose elsewhere stays. Before Memtidy's first
; start there is nothing to point: it records the folder its shortcut
; starts it in.
Function PointMemtidyRecords
  Push $0
  Push $1
  ReadRegStr $0 HKCU "${MEMTIDY_KEY}" "CurrentDir"
  ${If} $0 != ""
    WriteRegStr HKCU "${MEMTIDY_KEY}" "CurrentDir" "$INSTDIR"
    ReadRegStr $1 HKCU "${MEMTIDY_KEY}" "Music"
    ${If} $1 == "$0\confirmation.wav"
    ${OrIf} $1 == "$OldInstDir\confirmation.wav"
      WriteRegStr HKCU "${MEMTIDY_KEY}" "Music" "$INSTDIR\confirmation.wav"
    ${EndIf}
  ${EndIf}
  ${If} $MemtidyStarts == 1
    WriteRegStr HKLM "${RUN_KEY}" "Memtidy" '"$INSTDIR\Memtidy.exe"'
  ${EndIf}
  Pop $1
  Pop $0
FunctionEnd

; The programs that ran before the upgrade run again from the folder they
; are in now (a program left out of this installation stays where it was).
Function StartProgramsAgain
  SetOutPath "$INSTDIR"   ; the working folder of what is started
  ${If} $VidarixWasRunning == 1
  ${AndIf} ${FileExists} "$INSTDIR\Vidarix.exe"
    DetailPrint "Starting Vidarix again"
    Exec '"$INSTDIR\Vidarix.exe"'
  ${EndIf}
  ${If} $MemtidyWasRunning == 1
  ${AndIf} ${FileExists} "$INSTDIR\Memtidy.exe"
    DetailPrint "Starting Memtidy again"
    Exec '"$INSTDIR\Memtidy.exe"'
  ${EndIf}
FunctionEnd
