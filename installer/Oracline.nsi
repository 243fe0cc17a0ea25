; Setup and uninstaller of Oracline.
;
; The build passes VERSION (x.y.z), PROGRAM (the built Oracline.exe), SIGNS
; (the folder of the twelve sign images), ICON and OUTFILE; see
; cmake/Installer.cmake.
;
; The folder is fixed: the program keeps its data beside itself in
; "C:\Program Files\Oracline\" and the scheduled job starts the exe from
; there, so setup offers no choice of folder.

Unicode true
; Oracline.exe is a 64-bit program; a 64-bit setup sees the real Program
; Files, System32 and registry without redirection.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Oracline"
!define JOB_NAME "Daily Analysis Report"
; The built-in Users group, by SID so that it holds on every language of Windows.
!define USERS_SID "*S-1-5-32-545"

Name "Oracline"
Caption "Oracline ${VERSION} Setup"
UninstallCaption "Oracline Uninstall"
OutFile "${OUTFILE}"
InstallDir "C:\Program Files\Oracline"
BrandingText "Oracline ${VERSION}"
ShowInstDetails hide
ShowUninstDetails hide

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Oracline"
VIAddVersionKey /LANG=1033 "CompanyName" "Oracline"
VIAddVersionKey /LANG=1033 "FileDescription" "Oracline Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "See Readme.txt"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_LICENSE "Readme.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!macro SignImages Do
  !insertmacro ${Do} aries.gif
  !insertmacro ${Do} taurus.gif
  !insertmacro ${Do} gemini.gif
  !insertmacro ${Do} cancer.gif
  !insertmacro ${Do} leo.gif
  !insertmacro ${Do} virgo.gif
  !insertmacro ${Do} libra.gif
  !insertmacro ${Do} scorpio.gif
  !insertmacro ${Do} sagittarius.gif
  !insertmacro ${Do} capricorn.gif
  !insertmacro ${Do} aquarius.gif
  !insertmacro ${Do} pisces.gif
!macroend
!macro InstallSign Image
  File "${SIGNS}\${Image}"
!macroend
!macro RemoveSign Image
  Delete "$INSTDIR\${Image}"
!macroend

Section "Oracline" ProgramSection
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  ; Only program files are written: an earlier installation's profiles,
  ; contacts, reports and schedule record stay as they are.
  File "/oname=Oracline.exe" "${PROGRAM}"
  !insertmacro SignImages InstallSign
  File "Readme.txt"
  CreateDirectory "$INSTDIR\Reports"

  ; The program writes its data here without elevation.
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$INSTDIR" /grant ${USERS_SID}:(OI)(CI)M'
  Pop $0
  ${If} $0 != 0
    DetailPrint "Could not give the Users group write access to $INSTDIR ($0)."
  ${EndIf}

  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Oracline.lnk" "$INSTDIR\Oracline.exe"

  SectionGetSize ${ProgramSection} $0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Oracline"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Oracline"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Oracline.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Desktop shortcut" DesktopSection
  SetShellVarContext all
  CreateShortcut "$DESKTOP\Oracline.lnk" "$INSTDIR\Oracline.exe"
SectionEnd

; Through Task Scheduler 1.0, which keeps the job the program registered;
; schtasks only where that interface is missing.
Function un.DeleteScheduledJob
  System::Call 'ole32::CoInitialize(p 0)'
  ; CLSID_CTaskScheduler, IID_ITaskScheduler, CLSCTX_INPROC_SERVER
  System::Call 'ole32::CoCreateInstance(g "{148BD52A-A2AB-11CE-B11F-00AA00530503}", p 0, i 1, g "{148BD527-A2AB-11CE-B11F-00AA00530503}", *p .r1) i .r0'
  ${If} $0 = 0
    ; ITaskScheduler::Delete, then Release
    System::Call '$1->7(w "${JOB_NAME}") i .r0'
    System::Call '$1->2()'
  ${Else}
    nsExec::Exec '"$SYSDIR\schtasks.exe" /Delete /TN "${JOB_NAME}" /F'
    Pop $0
  ${EndIf}
  System::Call 'ole32::CoUninitialize()'
FunctionEnd

Section "Uninstall"
  SetShellVarContext all
  SetAutoClose true
  StrCpy $R0 keep
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Do you also want to remove your profiles, contacts, saved reports and daily e-mail schedule?$\n$\nChoose No to keep them for a later installation of Oracline." \
      /SD IDNO IDNO +2
  StrCpy $R0 remove

  Call un.DeleteScheduledJob
  Delete "$SMPROGRAMS\Oracline.lnk"
  Delete "$DESKTOP\Oracline.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  Delete "$INSTDIR\Oracline.exe"
  !insertmacro SignImages RemoveSign
  Delete "$INSTDIR\Readme.txt"
  Delete "$INSTDIR\uninstall.exe"
  ${If} $R0 == remove
    RMDir /r "$INSTDIR"
  ${Else}
    ; Removed only when empty, which keeps whatever the user made.
    RMDir "$INSTDIR\Reports"
    RMDir "$INSTDIR"
  ${EndIf}
SectionEnd
