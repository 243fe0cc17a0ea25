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
; Built-in accounts by SID, so that the grants hold on every language of
; Windows: SYSTEM, Administrators, Users.
!define SYSTEM_SID "*S-1-5-18"
!define ADMINISTRATORS_SID "*S-1-5-32-544"
!define USERS_SID "*S-1-5-32-545"
!define FILE_ATTRIBUTE_REPARSE_POINT 0x400

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
!macro RemoveFile Name
  Delete "$INSTDIR\${Name}"
!macroend

; Every file the setup puts into the folder. Another account must not be
; able to change any of them: uninstall.exe runs elevated when an
; administrator removes Oracline, Oracline.exe runs as everyone who starts it.
!macro ProgramFiles Do
  !insertmacro ${Do} Oracline.exe
  !insertmacro SignImages ${Do}
  !insertmacro ${Do} Readme.txt
  !insertmacro ${Do} uninstall.exe
!macroend
; Its own list, nothing inherited from the folder that every user can write.
!macro ProtectFile Name
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$INSTDIR\${Name}" /inheritance:r /grant:r ${SYSTEM_SID}:F ${ADMINISTRATORS_SID}:F ${USERS_SID}:RX'
  Pop $0
  ${If} $0 != 0
    StrCpy $R9 unprotected
  ${EndIf}
!macroend

; The pages the program writes into its folder.
!macro PageFiles Do
  !insertmacro ${Do} effects.htm
  !insertmacro ${Do} reading.htm
  !insertmacro ${Do} help.htm
  !insertmacro ${Do} tip_e.htm
  !insertmacro ${Do} dream_e.htm
  !insertmacro ${Do} dream_r.htm
  !insertmacro ${Do} sign_e.htm
  !insertmacro ${Do} sign_r.htm
  !insertmacro ${Do} super_e.htm
  !insertmacro ${Do} super_r.htm
  !insertmacro ${Do} email_e.htm
  !insertmacro ${Do} email_r.htm
  !insertmacro ${Do} message.htm
!macroend

; Result is 1 when Path is a junction, a symbolic link or another reparse
; point: writing or deleting through it would reach some other folder.
!macro IsLinked Path Result
  System::Call 'kernel32::GetFileAttributesW(w "${Path}") i .s'
  Pop ${Result}
  ${If} ${Result} = -1
    StrCpy ${Result} 0
  ${Else}
    IntOp ${Result} ${Result} & ${FILE_ATTRIBUTE_REPARSE_POINT}
    ${If} ${Result} <> 0
      StrCpy ${Result} 1
    ${EndIf}
  ${EndIf}
!macroend

; A folder left behind by an earlier installation is writable by every user,
; who could have replaced it or its Reports folder by a link to elsewhere.
Function RefuseLinkedFolder
  !insertmacro IsLinked "$INSTDIR" $0
  !insertmacro IsLinked "$INSTDIR\Reports" $1
  ${If} $0 <> 0
  ${OrIf} $1 <> 0
    MessageBox MB_OK|MB_ICONSTOP "Oracline cannot be installed: $INSTDIR or its Reports folder is a link to another place.$\n$\nRemove the link and run Setup again." /SD IDOK
    Quit
  ${EndIf}
FunctionEnd

Function .onInit
  Call RefuseLinkedFolder
FunctionEnd

Section "Oracline" ProgramSection
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  ; Until the program files have lists of their own no other account may
  ; write here: a file made under an inherited write grant could be opened
  ; for writing meanwhile, and that handle would outlast the new list.
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$INSTDIR" /remove:g ${USERS_SID}'
  Pop $0
  Call RefuseLinkedFolder
  ; Only program files are written: an earlier installation's profiles,
  ; contacts, reports and schedule record stay as they are. Old ones are
  ; deleted first, since a file that is already there keeps its owner, who
  ; could change its list again.
  !insertmacro ProgramFiles RemoveFile
  File "/oname=Oracline.exe" "${PROGRAM}"
  !insertmacro SignImages InstallSign
  File "Readme.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  StrCpy $R9 protected
  !insertmacro ProtectFile Oracline.exe
  !insertmacro ProtectFile uninstall.exe
  !insertmacro ProtectFile Readme.txt
  ; The sign images in one call; a .gif another account left here gets the same list.
  !insertmacro ProtectFile *.gif
  CreateDirectory "$INSTDIR\Reports"

  ; The program writes its data here without elevation; the program files
  ; keep their own lists.
  ${If} $R9 == protected
    nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$INSTDIR" /grant ${USERS_SID}:(OI)(CI)M'
    Pop $0
  ${Else}
    StrCpy $0 "program files not protected"
  ${EndIf}
  ${If} $0 != 0
    DetailPrint "Could not give the Users group write access to $INSTDIR ($0)."
  ${EndIf}

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

  !insertmacro ProgramFiles RemoveFile
  ; Only the kinds of files the program makes, never whatever else another
  ; account put into the folder or linked into it.
  ${If} $R0 == remove
    Delete "$INSTDIR\*.ini"
    Delete "$INSTDIR\task.dtr"
    Delete "$INSTDIR\delivery.log"
    Delete "$INSTDIR\hourly.jpg"
    Delete "$INSTDIR\*.????????????.tmp"
    !insertmacro PageFiles RemoveFile
  ${EndIf}
  !insertmacro IsLinked "$INSTDIR\Reports" $0
  ${If} $0 = 0
    ${If} $R0 == remove
      Delete "$INSTDIR\Reports\*.jpg"
    ${EndIf}
    RMDir "$INSTDIR\Reports"
  ${EndIf}
  ; Removed only when empty, which keeps whatever the user made.
  RMDir "$INSTDIR"
SectionEnd
