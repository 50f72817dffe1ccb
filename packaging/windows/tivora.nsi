; Tivora's installer: for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Tivora, with a Start-menu shortcut and an entry in "Apps & features".
; /S installs and uninstalls silently. The user's alarms and settings, in %LOCALAPPDATA%\Tivora,
; are the program's and stay when it is removed.
;
;   makensis -DVERSION=2.0.0 -DDIST=<laid-out program> -DFILES=<its uninstall list>
;            -DICON=<.ico> -DOUTFILE=<setup.exe> tivora.nsi
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tivora"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "Tivora"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tivora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Tivora"
VIAddVersionKey /LANG=0 "CompanyName" "Quorvane"
VIAddVersionKey /LANG=0 "LegalCopyright" "© Quorvane"
VIAddVersionKey /LANG=0 "FileDescription" "Tivora setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tivora.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The program's two languages; the installer speaks the one Windows does.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Norwegian"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${DIST}/*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Tivora.lnk" "$INSTDIR\tivora.exe" "" "$INSTDIR\tivora.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tivora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tivora.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Quorvane"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    ; Only what the installer put there: the folder may have been chosen with other files in it.
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Tivora.lnk"
    ; Start at login would run a program that is gone.
    DeleteRegValue HKCU "${RUN_KEY}" "Tivora"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
