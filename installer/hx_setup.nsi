; The setup program hx_setup.exe: installs 沐杉电脑助手 for the current user into a folder the user
; can write (the program writes its pages and pictures beside itself), with a Start-menu entry, a
; desktop shortcut and an uninstaller registered for the current user. "/S" installs silently and
; "/D=FOLDER" names the folder: the updater uses both.
; Defines given by the build: VERSION (1.2.3), VERSION_TEXT (1.23), PROGRAM, REPORT_TOOL, DICTIONARY,
; COPY_BUTTON (the files to install), SITE (the product web site), OUTFILE, TARGET (amd64-unicode for
; the 64-bit program, x86-unicode for the 32-bit one).
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS all

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT "沐杉电脑助手"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\hwdex"
!define SETTINGS_KEY "Software\hwdex"

Name "${PRODUCT}"
Caption "${PRODUCT} ${VERSION_TEXT} 安装"
UninstallCaption "${PRODUCT} 卸载"
BrandingText "${PRODUCT} ${VERSION_TEXT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\hwdex"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"

!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\hwdex.exe"
!define MUI_FINISHPAGE_RUN_TEXT "运行${PRODUCT}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "${PRODUCT}安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "沐杉"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "沐杉"

; Files cannot be replaced or removed while the program runs: it holds the mutex "hwdex" until it ends.
!macro RefuseWhileRunning TEXT
  System::Call 'kernel32::OpenMutex(i 0x00100000, i 0, t "hwdex") p .r0'
  ${If} $0 P<> 0
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_OK|MB_ICONEXCLAMATION "${TEXT}" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
!macroend

Function .onInit
  !insertmacro RefuseWhileRunning "${PRODUCT}正在运行，请先关闭它再安装。"
FunctionEnd

Function un.onInit
  !insertmacro RefuseWhileRunning "${PRODUCT}正在运行，请先关闭它再卸载。"
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "/oname=hwdex.exe" "${PROGRAM}"
  File "/oname=hx.dll" "${REPORT_TOOL}"
  File "/oname=dic" "${DICTIONARY}"
  File "/oname=copy.gif" "${COPY_BUTTON}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\hwdex.exe" "" "$INSTDIR\hwdex.exe" 0
  CreateShortCut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\hwdex.exe" "" "$INSTDIR\hwdex.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION_TEXT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "沐杉"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${SITE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\hwdex.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; What was installed, and every file the program, its report tool and the updater write beside
; themselves (pages under their finished and temporary names, the picture's bitmap, the update
; files). Files the user saved there, and "hwdex.ini", stay; so does the folder then.
Section "Uninstall"
  Delete "$INSTDIR\hwdex.exe"
  Delete "$INSTDIR\hx.dll"
  Delete "$INSTDIR\dic"
  Delete "$INSTDIR\copy.gif"
  Delete "$INSTDIR\~temp.htm"
  Delete "$INSTDIR\~temp.htm.part"
  Delete "$INSTDIR\pc.htm"
  Delete "$INSTDIR\pc.htm.new"
  Delete "$INSTDIR\config.htm"
  Delete "$INSTDIR\config.htm.new"
  Delete "$INSTDIR\view.htm"
  Delete "$INSTDIR\view.htm.new"
  Delete "$INSTDIR\cf.bmp"
  Delete "$INSTDIR\hxver.rar"
  Delete "$INSTDIR\hx_up.exe"
  Delete "$INSTDIR\hx_setup.exe"
  Delete "$INSTDIR\hwdex.exe.old"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegValue HKCU "${SETTINGS_KEY}" "up"
  DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
SectionEnd
