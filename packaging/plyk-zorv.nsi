; The installer of Plyk2 and Zorv2 (NSIS 3, UTF-8; scripts/package.sh runs makensis).
; Installs for the current user, without administrator rights, into the user's
; programs folder: the programs keep their settings files beside themselves, so the
; folder must stay writable. Registers .plk, .pal and .zrv the way the programs do on
; their first run, and leaves an uninstaller in the list of installed programs.
;
; Defined by package.sh: VERSION, TARGET (x86-unicode or amd64-unicode), STAGE (the
; folder with the files of the release), FILES and REMOVE (File and Delete lines
; made from STAGE, so the zip and the installer hold the same files), OUTFILE.

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS all

!include "MUI2.nsh"

!define PRODUCT "Plyk2 Zorv2"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\PlykZorv"
!define MENU_FOLDER "$SMPROGRAMS\Plyk2 Zorv2"
!define MANUAL_LINK "사용 설명서"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\PlykZorv"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1042 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1042 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1042 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1042 "FileDescription" "${PRODUCT} 설치 프로그램"
VIAddVersionKey /LANG=1042 "LegalCopyright" "Copyright (c) 2026 the Plyk2 and Zorv2 developers, MIT License"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Korean"

; One association key: its default value, as the programs write it.
!macro ClassKey KEY VALUE
  WriteRegStr HKCU "Software\Classes\${KEY}" "" `${VALUE}`
!macroend

; An extension key goes only while it still names our class.
!macro RemoveExtension EXT CLASS
  ReadRegStr $0 HKCU "Software\Classes\${EXT}" ""
  StrCmp $0 "${CLASS}" 0 +2
  DeleteRegKey HKCU "Software\Classes\${EXT}"
!macroend

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetOutPath "$INSTDIR"
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\Plyk2.lnk" "$INSTDIR\Plyk2.exe"
  CreateShortcut "${MENU_FOLDER}\Zorv2.lnk" "$INSTDIR\Zorv2.exe"
  CreateShortcut "${MENU_FOLDER}\${MANUAL_LINK}.lnk" "$INSTDIR\manual\index.html"

  ; The same keys, values and quoting as the programs' first run.
  !insertmacro ClassKey ".plk" "plyk_key"
  !insertmacro ClassKey "plyk_key" "Plyk2 스프라이트 파일"
  !insertmacro ClassKey "plyk_key\Shell\Open\Command" '"$INSTDIR\Plyk2.exe" "%1"'
  !insertmacro ClassKey "plyk_key\DefaultIcon" '"$INSTDIR\Plyk2.exe",1'
  !insertmacro ClassKey ".pal" "pal_key"
  !insertmacro ClassKey "pal_key" "팔레트 파일"
  !insertmacro ClassKey "pal_key\DefaultIcon" '"$INSTDIR\Plyk2.exe",3'
  !insertmacro ClassKey ".zrv" "zorv_key"
  !insertmacro ClassKey "zorv_key" "Zorv2 동작 파일"
  !insertmacro ClassKey "zorv_key\Shell\Open\Command" '"$INSTDIR\Zorv2.exe" "%1"'
  !insertmacro ClassKey "zorv_key\DefaultIcon" '"$INSTDIR\Zorv2.exe",3'
  ; SHCNE_ASSOCCHANGED: Explorer shows the new icons and open commands at once.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Plyk2.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Our files by name, and the settings files the programs wrote: documents the
  ; user saved in these folders stay, and so do the folders holding them.
  !include "${REMOVE}"
  Delete "$INSTDIR\PlykII.cfg"
  Delete "$INSTDIR\ZorvII.cfg"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "${MENU_FOLDER}\Plyk2.lnk"
  Delete "${MENU_FOLDER}\Zorv2.lnk"
  Delete "${MENU_FOLDER}\${MANUAL_LINK}.lnk"
  RMDir "${MENU_FOLDER}"

  !insertmacro RemoveExtension ".plk" "plyk_key"
  !insertmacro RemoveExtension ".pal" "pal_key"
  !insertmacro RemoveExtension ".zrv" "zorv_key"
  DeleteRegKey HKCU "Software\Classes\plyk_key"
  DeleteRegKey HKCU "Software\Classes\pal_key"
  DeleteRegKey HKCU "Software\Classes\zorv_key"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
