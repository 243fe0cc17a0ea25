; Setup and uninstaller of Oracline.
;
; The build passes VERSION (x.y.z), PROGRAM (the built Oracline.exe), SIGNS
; (the folder of the twelve sign images), ICON and OUTFILE; see
; cmake/Installer.cmake.
;
; The folder is fixed: the scheduled jobs start the exe in
; "C:\Program Files\Oracline\", and earlier versions kept every account's
; data there, so setup offers no choice of folder. Each account keeps its
; data in folders of its own; this one is written by administrators only.

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
!define FILE_ATTRIBUTE_REPARSE_POINT 0x400
; The account's mail password, a generic credential (CRED_TYPE_GENERIC).
!define MAIL_CREDENTIAL "Oracline Mail"
!define CRED_TYPE_GENERIC 1

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
; Deletes what the folder holds under the name, then writes the new file:
; a file that is already there keeps its owner, who could change its list
; again. Either the new file is in place or the setup stops.
!macro ReplaceFile Name Source
  StrCpy $R8 "${Name}"
  Delete "$INSTDIR\${Name}"
  IfFileExists "$INSTDIR\${Name}" 0 +2
    Call CannotReplace
  ClearErrors
  File "/oname=${Name}" "${Source}"
  IfErrors 0 +2
    Call CannotReplace
!macroend
!macro ReplaceSign Image
  !insertmacro ReplaceFile ${Image} "${SIGNS}\${Image}"
!macroend
!macro RemoveFileIn Folder Name
  Delete "${Folder}\${Name}"
!macroend
!macro RemoveFile Name
  !insertmacro RemoveFileIn "$INSTDIR" ${Name}
!macroend
!macro RemoveAccountFile Name
  !insertmacro RemoveFileIn "$APPDATA\Oracline" ${Name}
!macroend
!macro RemovePageFile Name
  !insertmacro RemoveFileIn "$LOCALAPPDATA\Oracline\Pages" ${Name}
!macroend

; Every file the setup puts into the folder. No other account may change
; any of them: uninstall.exe runs elevated when an administrator removes
; Oracline, Oracline.exe runs as everyone who starts it.
!macro ProgramFiles Do
  !insertmacro ${Do} Oracline.exe
  !insertmacro SignImages ${Do}
  !insertmacro ${Do} Readme.txt
  !insertmacro ${Do} uninstall.exe
!macroend

; The pages the program writes into the account's pages folder.
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
  !insertmacro ${Do} mail_e.htm
  !insertmacro ${Do} mail_r.htm
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

; Earlier versions let the Users group change the folder, and every user
; could own files and folders in it, links among them. Taking such a folder
; back in place cannot be made safe: a recursive change of owners or lists
; walks into any junction planted deep inside (another account's profile,
; say), and a handle opened before the change keeps its rights, so a link
; swept away could be planted again. So nothing recursive is ever run: the
; old folder is set aside whole, under a new name beside it, and the setup
; installs into a folder made anew, which Program Files lets only
; administrators write and whose list it hands down unchanged. Of the old
; folder only the program's own kinds of data are copied (the .ini files,
; task.dtr, the .jpg reports in Reports\), each through one handle opened on
; the name itself, never through a link: a file that is a reparse point, has
; a second name elsewhere, or whose final path is not the very name asked
; for (a junction on the way) is left where it is. Then the program's files
; and those copies go from the old folder, deleted through such handles too,
; and the old folder goes when nothing else is left in it.
!define GENERIC_READ 0x80000000
!define GENERIC_WRITE 0x40000000
!define DELETE_ACCESS 0x10000
!define FILE_SHARE_ALL 7
!define OPEN_EXISTING 3
!define CREATE_NEW 1
!define FILE_FLAG_OPEN_REPARSE_POINT 0x00200000
!define REPARSE_POINT_OR_DIRECTORY 0x410
!define FileDispositionInfo 4
; The largest file copied: a report is far smaller.
!define MAX_COPIED_BYTES 33554432
Var Aside

; Opens $Aside\$R5 for the work in $R4 ("copy" or "delete") and leaves the
; handle in $R3 when it is a plain file of one name whose final path is the
; name itself; -1 otherwise. Its size is then in $R2.
Function OpenPlainFileAside
  StrCpy $R2 0
  ${If} $R4 == copy
    StrCpy $R1 ${GENERIC_READ}
  ${Else}
    IntOp $R1 ${GENERIC_READ} | ${DELETE_ACCESS}
  ${EndIf}
  System::Call 'kernel32::CreateFileW(w "$Aside\$R5", i R1, i ${FILE_SHARE_ALL}, p 0, i ${OPEN_EXISTING}, i ${FILE_FLAG_OPEN_REPARSE_POINT}, p 0) p .R3'
  ${If} $R3 = -1
    Return
  ${EndIf}
  ; BY_HANDLE_FILE_INFORMATION: attributes, three times, volume, size high
  ; and low, number of names, index.
  System::Call '*(&i52) p .R0'
  System::Call 'kernel32::GetFileInformationByHandle(p R3, p R0) i .R1'
  ${If} $R1 <> 0
    System::Call '*$R0(i .R1, i, i, i, i, i, i, i, i .R6, i .R2, i .R7)'
    IntOp $R1 $R1 & ${REPARSE_POINT_OR_DIRECTORY}
    ${If} $R1 <> 0
    ${OrIf} $R6 <> 0
    ${OrIf} $R7 <> 1
    ${OrIf} $R2 > ${MAX_COPIED_BYTES}
      StrCpy $R1 0
    ${Else}
      System::Call 'kernel32::GetFinalPathNameByHandleW(p R3, w .R6, i ${NSIS_MAX_STRLEN}, i 0) i .R1'
      ; Letter case aside, as Windows compares names.
      ${If} $R1 <> 0
      ${AndIf} $R6 != "\\?\$Aside\$R5"
        StrCpy $R1 0
      ${EndIf}
    ${EndIf}
  ${EndIf}
  System::Free $R0
  ${If} $R1 = 0
    System::Call 'kernel32::CloseHandle(p R3)'
    StrCpy $R3 -1
  ${EndIf}
FunctionEnd

; Copies $Aside\$R5 to $INSTDIR\$R5, a new file there, when it is a plain file.
Function CopyFromAside
  StrCpy $R4 copy
  Call OpenPlainFileAside
  ${If} $R3 = -1
    Return
  ${EndIf}
  System::Alloc $R2
  Pop $R0
  System::Call 'kernel32::ReadFile(p R3, p R0, i R2, *i .R1, p 0) i .R6'
  System::Call 'kernel32::CloseHandle(p R3)'
  ${If} $R6 <> 0
  ${AndIf} $R1 = $R2
    System::Call 'kernel32::CreateFileW(w "$INSTDIR\$R5", i ${GENERIC_WRITE}, i 0, p 0, i ${CREATE_NEW}, i 0, p 0) p .R3'
    ${If} $R3 <> -1
      System::Call 'kernel32::WriteFile(p R3, p R0, i R2, *i .R1, p 0) i .R6'
      System::Call 'kernel32::CloseHandle(p R3)'
      ${If} $R6 = 0
      ${OrIf} $R1 <> $R2
        Delete "$INSTDIR\$R5"
      ${EndIf}
    ${EndIf}
  ${EndIf}
  System::Free $R0
FunctionEnd

; Deletes $Aside\$R5 when it is a plain file: through the handle that was
; checked, so no link swapped in meanwhile is ever what goes.
Function DeleteFromAside
  StrCpy $R4 delete
  Call OpenPlainFileAside
  ${If} $R3 <> -1
    System::Call 'kernel32::SetFileInformationByHandle(p R3, i ${FileDispositionInfo}, *i 1, i 4) i .R1'
    System::Call 'kernel32::CloseHandle(p R3)'
  ${EndIf}
FunctionEnd

; Calls Function for every name in $Aside matching Pattern (a wildcard of
; the folder's own files, or of those in Reports\), in $R5 relative to it.
!macro ForEachAside Pattern Prefix Function
  ClearErrors
  FindFirst $R9 $R8 "$Aside\${Pattern}"
  ${DoUntil} ${Errors}
    ${If} $R8 != ""
      StrCpy $R5 "${Prefix}$R8"
      Call ${Function}
    ${EndIf}
    FindNext $R9 $R8
  ${Loop}
  FindClose $R9
!macroend

!macro ForEachDataFile Function
  !insertmacro ForEachAside "*.ini" "" ${Function}
  !insertmacro ForEachAside "task.dtr" "" ${Function}
  !insertmacro ForEachAside "Reports\*.jpg" "Reports\" ${Function}
!macroend
; A program file that is still there, and no link, is held open by a
; running program: $0 becomes 1.
!macro DeleteProgramFileAside Name
  StrCpy $R5 "${Name}"
  Call DeleteFromAside
  !insertmacro IsLinked "$Aside\${Name}" $1
  ${If} $1 = 0
  ${AndIf} ${FileExists} "$Aside\${Name}"
    StrCpy $0 1
  ${EndIf}
!macroend

; $0 is 0 when the folder was set aside (or there was none) and a fresh one
; made.
Function SetOldFolderAside
  StrCpy $0 0
  IfFileExists "$INSTDIR" 0 fresh
  StrCpy $1 0
  ${Do}
    IntOp $1 $1 + 1
    StrCpy $Aside "$INSTDIR (set aside $1)"
  ${LoopWhile} ${FileExists} "$Aside"
  ClearErrors
  Rename "$INSTDIR" "$Aside"
  ${If} ${Errors}
    StrCpy $0 1
    Return
  ${EndIf}
  ; Where a running program keeps the folder's name from being moved at
  ; all, Windows refuses the rename; where it does not, a program file that
  ; cannot go puts the folder back, and the setup stops as it would there.
  !insertmacro ProgramFiles DeleteProgramFileAside
  ${If} $0 <> 0
    Rename "$Aside" "$INSTDIR"
    Return
  ${EndIf}
  CreateDirectory "$INSTDIR"
  ${If} ${FileExists} "$Aside\Reports\*.jpg"
    CreateDirectory "$INSTDIR\Reports"
  ${EndIf}
  !insertmacro ForEachDataFile CopyFromAside
  !insertmacro ForEachDataFile DeleteFromAside
  RMDir "$Aside\Reports"
  RMDir "$Aside"
  RMDir "$INSTDIR\Reports"
  Return
fresh:
  CreateDirectory "$INSTDIR"
FunctionEnd


; A link in Program Files' place of the folder would take the setup
; elsewhere.
Function RefuseLinkedFolder
  !insertmacro IsLinked "$INSTDIR" $0
  ${If} $0 <> 0
    MessageBox MB_OK|MB_ICONSTOP "Oracline cannot be installed: $INSTDIR is a link to another place.$\n$\nRemove the link and run Setup again." /SD IDOK
    Quit
  ${EndIf}
FunctionEnd

Function .onInit
  Call RefuseLinkedFolder
FunctionEnd


Function CannotReplace
  MessageBox MB_OK|MB_ICONSTOP "Setup cannot replace $INSTDIR\$R8: another program holds it open.$\n$\nClose that program, or restart Windows, and run Setup again." /SD IDOK
  SetErrorLevel 2
  Quit
FunctionEnd

Section "Oracline" ProgramSection
  SectionIn RO
  SetShellVarContext all
  SetOverwrite try
  ; Before anything is written: no other account may keep or gain a way to
  ; change what follows.
  Call RefuseLinkedFolder
  Call SetOldFolderAside
  ${If} $0 != 0
    MessageBox MB_OK|MB_ICONSTOP "Setup cannot set the earlier $INSTDIR aside: another program holds a file in it.$\n$\nClose that program, or restart Windows, and run Setup again." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  SetOutPath "$INSTDIR"
  ; Only program files are written: the data an earlier version kept here
  ; stays as it was, for each account's first start to copy.
  !insertmacro ReplaceFile Oracline.exe "${PROGRAM}"
  !insertmacro SignImages ReplaceSign
  !insertmacro ReplaceFile Readme.txt "Readme.txt"
  StrCpy $R8 uninstall.exe
  Delete "$INSTDIR\uninstall.exe"
  IfFileExists "$INSTDIR\uninstall.exe" 0 +2
    Call CannotReplace
  ClearErrors
  WriteUninstaller "$INSTDIR\uninstall.exe"
  IfErrors 0 +2
    Call CannotReplace

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

; Every account's job "Daily Analysis Report ..." (and the one job of
; earlier versions): none could start the program once it is gone. Through
; Task Scheduler 1.0, which keeps the jobs the program registered; schtasks
; only where that interface is missing.
Function un.DeleteScheduledJobs
  System::Call 'ole32::CoInitialize(p 0)'
  ; CLSID_CTaskScheduler, IID_ITaskScheduler, CLSCTX_INPROC_SERVER
  System::Call 'ole32::CoCreateInstance(g "{148BD52A-A2AB-11CE-B11F-00AA00530503}", p 0, i 1, g "{148BD527-A2AB-11CE-B11F-00AA00530503}", *p .r1) i .r0'
  ${If} $0 = 0
    ; ITaskScheduler::Enum, then IEnumWorkItems::Next one name at a time
    System::Call '$1->5(*p .r2) i .r0'
    ${If} $0 = 0
      ${Do}
        System::Call '$2->3(i 1, *p .r3, *i .r4) i .r0'
        ${If} $0 <> 0
        ${OrIf} $4 = 0
          ${Break}
        ${EndIf}
        System::Call '*$3(p .r5)'
        System::Call '*$5(&w${NSIS_MAX_STRLEN} .r6)'
        System::Call 'ole32::CoTaskMemFree(p r5)'
        System::Call 'ole32::CoTaskMemFree(p r3)'
        StrLen $7 "${JOB_NAME}"
        StrCpy $8 $6 $7
        ${If} $8 == "${JOB_NAME}"
          ; The names come with their ".job"; the scheduler takes them without.
          StrCpy $8 $6 "" -4
          ${If} $8 == ".job"
            StrCpy $6 $6 -4
          ${EndIf}
          ; ITaskScheduler::Delete
          System::Call '$1->7(w r6) i .r0'
        ${EndIf}
      ${Loop}
      System::Call '$2->2()'
    ${EndIf}
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
      "Do you also want to remove your profiles, contacts, mail settings and password, saved reports and daily e-mail schedule?$\n$\nOnly your own are removed; other accounts keep theirs. Choose No to keep yours for a later installation of Oracline." \
      /SD IDNO IDNO +2
  StrCpy $R0 remove

  ; The folder is one the setup made anew: only administrators could ever
  ; write in it, so only the program's own files are removed, by name.
  Call un.DeleteScheduledJobs
  Delete "$SMPROGRAMS\Oracline.lnk"
  Delete "$DESKTOP\Oracline.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  !insertmacro ProgramFiles RemoveFile
  ; What earlier versions kept here is every account's: it stays, and so
  ; does the folder then. Removed only when empty.
  RMDir "$INSTDIR\Reports"
  RMDir "$INSTDIR"

  ; Only the running account's own data, and of it only the kinds of files
  ; the program makes: never another account's, never what the user put
  ; beside them.
  ${If} $R0 == remove
    SetShellVarContext current
    Delete "$APPDATA\Oracline\*.ini"
    Delete "$APPDATA\Oracline\*.????????????.tmp"
    !insertmacro RemoveAccountFile task.dtr
    !insertmacro RemoveAccountFile delivery.log
    !insertmacro RemoveAccountFile copied.txt
    !insertmacro RemoveAccountFile reported.txt
    RMDir "$APPDATA\Oracline"
    !insertmacro PageFiles RemovePageFile
    !insertmacro RemovePageFile hourly.jpg
    RMDir "$LOCALAPPDATA\Oracline\Pages"
    RMDir "$LOCALAPPDATA\Oracline"
    ; The Credential Manager answers for the account that runs this, so
    ; only its own password can go.
    System::Call 'advapi32::CredDeleteW(w "${MAIL_CREDENTIAL}", i ${CRED_TYPE_GENERIC}, i 0) i .r0'
    !insertmacro IsLinked "$PICTURES\Oracline Reports" $0
    ${If} $0 = 0
      Delete "$PICTURES\Oracline Reports\*.jpg"
      RMDir "$PICTURES\Oracline Reports"
    ${EndIf}
  ${EndIf}
SectionEnd
