; Ends running copies of both programs before their files are replaced or
; removed: a running program's file cannot be overwritten or deleted.
; Vidarix is sent its own Exit command, so it leaves as it does from its
; tray menu; Memtidy's window is closed, which ends Memtidy.

!define VIDARIX_WINDOW_CLASS "VidarixCls"
; "E&xit" in Vidarix's tray menu, by its name in the ids header.
!searchparse /file "${__FILEDIR__}/../../tweaker/resources/command_ids.h" `#define IDM_EXIT ` VIDARIX_EXIT_COMMAND
!define MEMTIDY_WINDOW_CLASS "TForm1"
!define MEMTIDY_WINDOW_TITLE "Memtidy Manager"

; Declares EndRunningCopies for the installer ("") or the uninstaller ("un.").
!macro END_RUNNING_COPIES_FUNCTION PREFIX
Function ${PREFIX}EndRunningCopies
  Push $0
  Push $1
  FindWindow $0 "${VIDARIX_WINDOW_CLASS}"
  StrCmp $0 0 +3
    DetailPrint "Ending Vidarix"
    SendMessage $0 ${WM_COMMAND} ${VIDARIX_EXIT_COMMAND} 0 /TIMEOUT=5000
  FindWindow $0 "${MEMTIDY_WINDOW_CLASS}" "${MEMTIDY_WINDOW_TITLE}"
  StrCmp $0 0 +3
    DetailPrint "Ending Memtidy"
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  ; The windows go first; the processes end a moment later and only then
  ; release their program files. Wait up to five seconds for each.
  StrCpy $1 0
  wait:
    FindWindow $0 "${VIDARIX_WINDOW_CLASS}"
    StrCmp $0 0 0 again
    FindWindow $0 "${MEMTIDY_WINDOW_CLASS}" "${MEMTIDY_WINDOW_TITLE}"
    StrCmp $0 0 released
  again:
    IntOp $1 $1 + 1
    IntCmp $1 50 released
    Sleep 100
    Goto wait
  released:
  Push "$INSTDIR\Vidarix.exe"
  Call ${PREFIX}WaitUntilWritable
  Push "$INSTDIR\Memtidy.exe"
  Call ${PREFIX}WaitUntilWritable
  Pop $1
  Pop $0
FunctionEnd

; Waits (up to five seconds) until the file on the stack can be opened for
; writing, that is until no process runs from it. A missing file is no wait.
Function ${PREFIX}WaitUntilWritable
  Exch $0
  Push $1
  Push $2
  IfFileExists $0 0 done
  StrCpy $2 0
  try:
    ClearErrors
    FileOpen $1 $0 a
    IfErrors 0 opened
    IntOp $2 $2 + 1
    IntCmp $2 50 done
    Sleep 100
    Goto try
  opened:
    FileClose $1
  done:
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
