; The installer, for individuals: per machine, into Program Files, with a
; Start-menu shortcut, an entry in Apps & features and an uninstaller that
; removes all it installed. tools/package builds it with makensis and defines:
;   VERSION   the project version (CMakeLists.txt)
;   STAGE     the folder holding Quillmere.exe, Quillmere.com, README.txt and LICENSE.txt
; The console program comes along without a change to PATH: makensis cuts
; strings at 1,024 characters, and a longer PATH would be lost. The MSI adds
; the folder to PATH.
;   PICTURES  the folder holding quillmere.ico and the installer's two pictures
;   WEB_SITE  the address Apps & features links to
;   OUTFILE   the installer to write
;   SIGN      (optional) a command that signs the file %1, for the uninstaller

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
; The same files make the same installer: no file times inside.
SetDateSave off
RequestExecutionLevel admin

Name "Quillmere"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quillmere"
InstallDirRegKey HKLM "Software\Quillmere" ""
BrandingText "Quillmere ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Quillmere"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Quillmere installer"
VIAddVersionKey /LANG=1033 "CompanyName" "Quillmere"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 the Quillmere developers"

; A signer that fails stops the build rather than leave the uninstaller unsigned.
!ifdef SIGN
!uninstfinalize '${SIGN}' = 0
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmere"

!include "MUI2.nsh"
!define MUI_ICON "${PICTURES}\quillmere.ico"
!define MUI_UNICON "${PICTURES}\quillmere.ico"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${PICTURES}\installer-header.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "${PICTURES}\installer-header.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${PICTURES}\installer-side.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${PICTURES}\installer-side.bmp"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "This will install Quillmere ${VERSION}, which builds one-sentence metaphors and similes from three words you pick.$\r$\n$\r$\nClick Next to continue."
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quillmere.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Quillmere"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Quillmere"
    SetOutPath "$INSTDIR"
    File "${STAGE}\Quillmere.exe"
    File "${STAGE}\Quillmere.com"
    File "${STAGE}\README.txt"
    File "${STAGE}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Quillmere.lnk" "$INSTDIR\Quillmere.exe"

    WriteRegStr HKLM "Software\Quillmere" "" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quillmere"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quillmere"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quillmere.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB_SITE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Quillmere.lnk"
    Delete "$INSTDIR\Quillmere.exe"
    Delete "$INSTDIR\Quillmere.com"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\Quillmere"
SectionEnd
