; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer. scripts/windows.sh runs makensis with:
;   /DVERSION=x.y.z  /DPUBLISHER=...  /DHOMEPAGE=...  /DSTAGING=<the installed tree>  /DICON=<cantorix2.ico>
;   /DOUTFILE=<dist/Cantorix2-x.y.z-setup.exe>
;   /DFILES=<an .nsh file that windows.sh makes from the tree>: the macros CX_INSTALL_FILES, which puts each file
;   of the tree in place (the samples read-only), and CX_REMOVE_FILES, which names each with its size and SHA-256
;   for CX_REMOVE_IF_AS_INSTALLED below and then the folders to remove when empty.
; The tree holds cantorix2.exe, LICENSE.txt, README.txt, docs\ (the user guide's page and its pictures), samples\
; (the templates the program copies into each user's Documents\Cantorix2) and licenses\ (Qt's licence texts and
; where its source is).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

!define APPKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Cantorix2"
!define PROGID "Cantorix2.HymnFile"
; The mutex the running program holds (src/platform/runningmark_win.cpp).
!define RUNNING "Cantorix2.Running"

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
; "Run Cantorix2": its first start copies the samples into the user's Documents\Cantorix2 and opens the log there.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsTheUser
!insertmacro MUI_PAGE_LICENSE "${STAGING}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!include "${__FILEDIR__}/installer-languages.nsh"

!include "${FILES}"

; Waits until no copy of the program runs (its mutex, in this session or another user's), asking the user to close
; it; Cancel, or a silent run, stops here with nothing changed. A mutex this process may not open is there all the
; same (error 5, access denied).
!macro CX_CLOSE_PROGRAM_FIRST
    ${Do}
        StrCpy $2 0
        ${ForEach} $3 0 1 + 1
            ${If} $3 == 0
                StrCpy $4 "${RUNNING}"
            ${Else}
                StrCpy $4 "Global\${RUNNING}"
            ${EndIf}
            System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w r4) p.r0 ?e'
            Pop $1
            ${If} $0 != 0
                System::Call 'kernel32::CloseHandle(p r0)'
                StrCpy $2 1
            ${ElseIf} $1 == 5
                StrCpy $2 1
            ${EndIf}
        ${Next}
        ${If} $2 == 0
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(CxRunning)" /SD IDCANCEL IDRETRY +2
        Abort
    ${Loop}
!macroend

; Deletes $INSTDIR\<path> only when the installed program says it still holds the size and SHA-256 it was
; installed with: a file that was changed, or that cannot be checked, stays.
!macro CX_REMOVE_IF_AS_INSTALLED path size sha256
    ClearErrors
    ExecWait '"$INSTDIR\cantorix2.exe" --matches "$INSTDIR\${path}" ${size} ${sha256}' $0
    ${IfNot} ${Errors}
    ${AndIf} $0 == 0
        SetFileAttributes "$INSTDIR\${path}" NORMAL
        Delete "$INSTDIR\${path}"
    ${EndIf}
!macroend

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "$(Cx64Bit)"
        Abort
    ${EndIf}
    SetRegView 64
    ; Installed for every user of the machine: the Start menu entry too.
    SetShellVarContext all
    !insertmacro CX_CLOSE_PROGRAM_FIRST
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
    !insertmacro CX_CLOSE_PROGRAM_FIRST
FunctionEnd

; The installer runs as an administrator; started through the desktop's shell the program runs as the user who is
; signed in, so that the samples go into that user's documents.
Function RunAsTheUser
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\cantorix2.exe"'
FunctionEnd

Section "Cantorix2" SectionProgram
    SectionIn RO
    !insertmacro CX_INSTALL_FILES
    SetOutPath "$INSTDIR"
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
Section "$(CxOpenWith)" SectionOpenWith
    WriteRegStr HKLM "Software\Classes\${PROGID}" "" "$(CxHymnFile)"
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
    ; Only what the installer put there, and each only as it was installed: a file the user changed or saved in
    ; the program's folder stays, and so does the folder holding it. The users' copies of the samples in their
    ; documents are theirs, never touched.
    !insertmacro CX_REMOVE_FILES
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${APPKEY}"
SectionEnd
