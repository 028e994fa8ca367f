; What the uninstaller removes only when the user asks for it: both programs'
; settings and Vidarix's scheme file. The display driver's own keys (its
; settings, the refresh-rate "MODES", the MiniGL key) belong to the driver
; and are never touched.

!define VIDARIX_KEY "Software\Tessaly\Vidarix"   ; holds the per-card keys too
!define MAKER_KEY "Software\Tessaly"
!define MEMTIDY_KEY "Software\Memtidy"

; The scheme file Vidarix uses: its "SchemeFile" preference when that is an
; absolute path (drive letter, colon, backslash), else Vidarix.dat in the
; system folder, which is how Vidarix itself resolves it.
Function un.SchemeFilePath
  Push $0
  Push $1
  ReadRegStr $0 HKLM "${VIDARIX_KEY}" "SchemeFile"
  StrCpy $1 $0 2 1
  StrCmp $1 ":\" +2
    StrCpy $0 "$SYSDIR\Vidarix.dat"
  Pop $1
  Exch $0
FunctionEnd

Function un.RemoveSettings
  Push $0
  Call un.SchemeFilePath
  Pop $0
  DetailPrint "Removing the settings and the scheme file $0"
  Delete $0
  DeleteRegKey HKLM "${VIDARIX_KEY}"
  DeleteRegKey /ifempty HKLM "${MAKER_KEY}"
  DeleteRegKey HKCU "${MEMTIDY_KEY}"
  Pop $0
FunctionEnd
