; The setup program of Vidarix and Memtidy: one installer for both programs,
; their uninstaller and the Add/Remove Programs entry.
;
;   makensis -DFILES=<folder> -DOUTFILE=<setup.exe> [-DTARGET=amd64-unicode]
;            [-DUNINSTALLER_COPY=<file>] setup.nsi
;
; FILES holds Vidarix.exe, Vidarix.hlp, Memtidy.exe, confirmation.wav and
; Readme.txt. The
; shipping setup is the default ANSI x86 one, for Windows 95/98/Me and NT;
; TARGET=amd64-unicode builds the same script around the 64-bit programs for
; test machines that run no 32-bit code. UNINSTALLER_COPY keeps a copy of the
; uninstaller as it is built, so it can be checked without installing.

!ifndef TARGET
  !define TARGET x86-ansi
!endif
!if "${TARGET}" == "x86-ansi"
  Unicode false   ; Windows 95/98/Me have only the ANSI API
!else
  Target ${TARGET}
!endif
!ifndef FILES | OUTFILE
  !error "define FILES and OUTFILE"
!endif

!searchparse /file "${__FILEDIR__}/../../versions.h" `#define RELEASE_VERSION_TEXT "` RELEASE_VERSION `"`
!searchparse /file "${__FILEDIR__}/../../versions.h" `#define RELEASE_VERSION_NUMBERS ` V1 `, ` V2 `, ` V3 `, ` V4

!define PRODUCT "Vidarix and Memtidy"
!define MAKER "Tessaly"
!define UNINSTALL_PARENT_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${UNINSTALL_PARENT_KEY}\VidarixMemtidy"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define STARTMENU "$SMPROGRAMS\${PRODUCT}"

SetCompressor /SOLID lzma
Name "${PRODUCT}"
OutFile "${OUTFILE}"
; An upgrade goes where the last installation went, so the settings that
; name the program folder stay right.
InstallDir "$PROGRAMFILES\${MAKER}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
; Both programs write machine-wide keys (their Run entries, Vidarix's settings).
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${RELEASE_VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${V1}.${V2}.${V3}.${V4}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${RELEASE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${RELEASE_VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${MAKER}"

!include MUI2.nsh
!include Sections.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include running_copies.nsh
!include settings_removal.nsh
!include program_files.nsh
!include install_records.nsh
!include write_access.nsh

; No welcome or finish page: those need a plug-in DLL, and every file the
; setup program runs must load on Windows 95.
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE ComponentsLeave
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!ifdef UNINSTALLER_COPY
  !uninstfinalize 'cp "%1" "${UNINSTALLER_COPY}"'
!endif

!insertmacro END_RUNNING_COPIES_FUNCTION ""
!insertmacro END_RUNNING_COPIES_FUNCTION "un."

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "-Prepare"
  SetOutPath "$INSTDIR"
  Call NoteProgramState
  Call EndRunningCopies
  Call RemoveOldCopy
SectionEnd

Section "Vidarix" SecVidarix
  SetOutPath "$INSTDIR"
  File "${FILES}/Vidarix.exe"
  CreateDirectory "${STARTMENU}"
  CreateShortCut "${STARTMENU}\Vidarix.lnk" "$INSTDIR\Vidarix.exe"
  ; Vidarix opens its help from the HELP folder of Windows.
  SetOutPath "$WINDIR\HELP"
  File "${FILES}/Vidarix.hlp"
  Call PointVidarixRecords
SectionEnd

Section "Memtidy" SecMemtidy
  SetOutPath "$INSTDIR"
  File "${FILES}/Memtidy.exe"
  File "${FILES}/confirmation.wav"
  CreateDirectory "${STARTMENU}"
  ; Memtidy records the folder it first starts in: the shortcut starts it in
  ; its own folder (the output path is the shortcut's working folder).
  CreateShortCut "${STARTMENU}\Memtidy.lnk" "$INSTDIR\Memtidy.exe"
  Call PointMemtidyRecords
SectionEnd

Section "-Readme, uninstaller and Add/Remove Programs entry"
  SetOutPath "$INSTDIR"
  File "${FILES}/Readme.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "${STARTMENU}"
  CreateShortCut "${STARTMENU}\Readme.lnk" "$INSTDIR\Readme.txt"
  CreateShortCut "${STARTMENU}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${RELEASE_VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\uninstall.exe"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "-Start the programs that ran before"
  Call StartProgramsAgain
SectionEnd

; After the sections: it names them.
Function .onInit
  SetShellVarContext all
  ; Vidarix is for Windows 95/98/Me only: on NT it is not offered.
  Push $0
  GetWinVer $0 Product
  ${If} $0 <> 0
    !insertmacro UnselectSection ${SecVidarix}
    SectionSetText ${SecVidarix} ""
  ${EndIf}
  ; A silent setup has no folder page: its folder is known now.
  ${If} ${Silent}
    !insertmacro WRITE_ACCESS_PROBE "all"
  ${Else}
    !insertmacro WRITE_ACCESS_PROBE "registry"
  ${EndIf}
  Call RefuseWithoutWriteAccess
  Pop $0
FunctionEnd

Function DirectoryLeave
  Push $0
  Call FolderWritable
  Pop $0
  Call RefuseWithoutWriteAccess
  Pop $0
FunctionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecVidarix} "Tweaker for S3 Savage display adapters (Windows 95/98/Me)."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecMemtidy} "Memory optimiser for Windows 95/98/Me and NT."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; A setup with neither program would install only the uninstaller.
Function ComponentsLeave
  Push $0
  Push $1
  SectionGetFlags ${SecVidarix} $0
  SectionGetFlags ${SecMemtidy} $1
  IntOp $0 $0 | $1
  IntOp $0 $0 & ${SF_SELECTED}
  Pop $1
  IntCmp $0 0 0 +4 +4
    Pop $0
    MessageBox MB_OK|MB_ICONEXCLAMATION "Choose at least one program to install."
    Abort
  Pop $0
FunctionEnd

Section "Uninstall"
  Call un.EndRunningCopies
  ; A copy that would not end keeps its file until Windows restarts.
  !insertmacro REMOVE_PROGRAM_COPY "$INSTDIR"
  ; The help file lives in the Windows HELP folder, with the index WinHelp
  ; makes beside a help file it has opened.
  Delete "$WINDIR\HELP\Vidarix.hlp"
  Delete "$WINDIR\HELP\Vidarix.gid"
  ; Vidarix's "Auto start" is its Run entry: kept settings keep it as a mark.
  ReadRegStr $0 HKLM "${RUN_KEY}" "Vidarix"
  ${If} $0 != ""
    WriteRegStr HKLM "${VIDARIX_KEY}" "${VIDARIX_AUTOSTART_MARK}" "On"
  ${EndIf}
  DeleteRegValue HKLM "${RUN_KEY}" "Vidarix"
  DeleteRegValue HKLM "${RUN_KEY}" "Memtidy"
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Remove your Vidarix and Memtidy settings too, Vidarix's schemes included?$\n$\nAnswer No to keep them for a later installation." \
    /SD IDNO IDNO keep
    Call un.RemoveSettings
  keep:
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  IfRebootFlag 0 +2
    MessageBox MB_OK|MB_ICONINFORMATION "A program that was still running is removed when Windows restarts." /SD IDOK
SectionEnd
