; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer. scripts/windows.sh runs makensis with:
;   /DVERSION=x.y.z  /DPUBLISHER=...  /DHOMEPAGE=...  /DSTAGING=<the installed tree>  /DICON=<cantorix2.ico>
;   /DOUTFILE=<dist/Cantorix2-x.y.z-setup.exe>
; The tree holds cantorix2.exe, LICENSE.txt, README.md, samples\ and licenses\ (Qt's licence texts and where its
; source is).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "x64.nsh"

!define APPKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Cantorix2"
!define PROGID "Cantorix2.HymnFile"

Name "Cantorix2"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Cantorix2"
InstallDirRegKey HKLM "${APPKEY}" "InstallLocation"
RequestExecutionLevel admin
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Cantorix2"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "Cantorix2 setup"
VIAddVersionKey "LegalCopyright" "GNU General Public License, version 3 or later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\cantorix2.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "$\"$INSTDIR\samples\ServiceLog.txt$\""
!insertmacro MUI_PAGE_LICENSE "${STAGING}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "Cantorix2 needs a 64-bit Windows."
        Abort
    ${EndIf}
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Cantorix2" SectionProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File /r "${STAGING}\*.*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Cantorix2.lnk" "$INSTDIR\cantorix2.exe" "" "$INSTDIR\cantorix2.exe" 0

    ; Apps & features: name, version, publisher, size, and how to remove it.
    WriteRegStr HKLM "${APPKEY}" "DisplayName" "Cantorix2"
    WriteRegStr HKLM "${APPKEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${APPKEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${APPKEY}" "URLInfoAbout" "${HOMEPAGE}"
    WriteRegStr HKLM "${APPKEY}" "DisplayIcon" "$INSTDIR\cantorix2.exe,0"
    WriteRegStr HKLM "${APPKEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${APPKEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${APPKEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${APPKEY}" "NoModify" 1
    WriteRegDWORD HKLM "${APPKEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKLM "${APPKEY}" "EstimatedSize" "$0"
SectionEnd

; Offered in "Open with" for text files; the user's default program for .txt is never changed.
Section "Offer Cantorix2 in Open with for .txt files" SectionOpenWith
    WriteRegStr HKLM "Software\Classes\${PROGID}" "" "Hymn file"
    WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\cantorix2.exe,0"
    WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\cantorix2.exe" "%1"'
    WriteRegStr HKLM "Software\Classes\.txt\OpenWithProgids" "${PROGID}" ""
    WriteRegStr HKLM "Software\Classes\Applications\cantorix2.exe\shell\open\command" "" '"$INSTDIR\cantorix2.exe" "%1"'
    WriteRegStr HKLM "Software\Classes\Applications\cantorix2.exe\SupportedTypes" ".txt" ""
    WriteRegStr HKLM "Software\Classes\Applications\cantorix2.exe" "FriendlyAppName" "Cantorix2"
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Cantorix2.lnk"
    DeleteRegValue HKLM "Software\Classes\.txt\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKLM "Software\Classes\.txt\OpenWithProgids"
    DeleteRegKey HKLM "Software\Classes\${PROGID}"
    DeleteRegKey HKLM "Software\Classes\Applications\cantorix2.exe"
    DeleteRegKey HKLM "${APPKEY}"
    ; Only what the installer put there: a file the user saved in the program's folder stays.
    Delete "$INSTDIR\cantorix2.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.md"
    Delete "$INSTDIR\samples\ServiceLog.txt"
    Delete "$INSTDIR\samples\Hymnal.txt"
    Delete "$INSTDIR\samples\BibleBooks.txt"
    Delete "$INSTDIR\samples\Lectionary.txt"
    RMDir "$INSTDIR\samples"
    RMDir /r "$INSTDIR\licenses"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
