; The Windows installer: Vellorin for every user of the machine, a Start-menu entry, .ses files
; opening in Vellorin, and an uninstaller that takes away all of that and nothing else (the
; user's own tables, cues and log in %APPDATA%\Vellorin stay).
;   makensis -DSTAGE=<folder with vellorin.exe> -DOUTFILE=<installer.exe> vellorin.nsi
Target amd64-unicode  ; a 64-bit installer for a 64-bit program
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define VERSION "1.00"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vellorin"
!define SESSION_CLASS "Vellorin.Session"

Name "Vellorin ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Vellorin"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!include "MUI2.nsh"
!define MUI_ICON "${STAGE}\vellorin.ico"
!define MUI_UNICON "${STAGE}\vellorin.ico"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "1.0.0.0"
VIAddVersionKey "ProductName" "Vellorin"
VIAddVersionKey "FileDescription" "Vellorin ${VERSION} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Vellorin developers"

Section "Vellorin"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Vellorin.lnk" "$INSTDIR\vellorin.exe"

  WriteRegStr HKLM "Software\Classes\.ses" "" "${SESSION_CLASS}"
  WriteRegStr HKLM "Software\Classes\${SESSION_CLASS}" "" "Vellorin session"
  WriteRegStr HKLM "Software\Classes\${SESSION_CLASS}\DefaultIcon" "" "$INSTDIR\vellorin.exe,0"
  WriteRegStr HKLM "Software\Classes\${SESSION_CLASS}\shell\open\command" "" \
    '"$INSTDIR\vellorin.exe" "%1"'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vellorin"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Vellorin developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vellorin.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; Explorer shows the new icon and the new way to open .ses files at once.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Vellorin.lnk"
  ; Only what the installer put there: a folder chosen by the user may hold more.
  !include "${FILE_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  ReadRegStr $0 HKLM "Software\Classes\.ses" ""
  StrCmp $0 "${SESSION_CLASS}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.ses"
  DeleteRegKey HKLM "Software\Classes\${SESSION_CLASS}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
