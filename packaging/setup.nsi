; Vaultry's setup program, made by tools/make-dist.sh from the staged release:
;   makensis -DVERSION=0.1 -DFILES=<files.nsh> -DICON=<Vaultry.ico> -DOUTFILE=<setup.exe> setup.nsi
; files.nsh, written from the staged folder, holds the macros InstallFiles and
; DeleteFiles, so that the setup installs and removes exactly the zip's files.
;
; It installs for the current user (no administrator rights) into
; %LOCALAPPDATA%\Programs\Vaultry, or with /ALLUSERS for every user into
; %ProgramFiles%\Vaultry; /S runs it silently and /D=folder names another folder.
; The uninstaller removes what the setup made and nothing else: a database
; (.vty) or any other file left in the folder stays, and so does the folder.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include ${FILES}

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vaultry"
!define PUBLISHER "Quorlan Software"

Name "Vaultry ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "Vaultry ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey ProductName "Vaultry"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey FileDescription "Vaultry ${VERSION} Setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey LegalCopyright "Copyright (C) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var AllUsers

; A scope for all users needs administrator rights. Without them this step is
; started again through Windows' elevation prompt, or, when silent, ends with
; exit code 740 ("elevation required").
!macro RequireAdmin EXE PARAMS
  UserInfo::GetAccountType
  Pop $R9
  ${If} $R9 != "Admin"
    ${If} ${Silent}
      SetErrorLevel 740
    ${Else}
      ExecShell "runas" "${EXE}" "${PARAMS}"
    ${EndIf}
    Quit
  ${EndIf}
!macroend

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ALLUSERS" $1
  ${If} ${Errors}
    StrCpy $AllUsers 0
    SetShellVarContext current
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Vaultry"
    ${EndIf}
  ${Else}
    !insertmacro RequireAdmin "$EXEPATH" $0
    StrCpy $AllUsers 1
    SetShellVarContext all
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$PROGRAMFILES64\Vaultry"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Vaultry" SecVaultry
  !insertmacro InstallFiles
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Vaultry opens Vaultry.vty in the folder it starts in: from the Start menu,
  ; the user's Documents folder (for all users, each user's own).
  ${If} $AllUsers == 1
    StrCpy $OUTDIR "%USERPROFILE%\Documents"
  ${Else}
    StrCpy $OUTDIR "$DOCUMENTS"
  ${EndIf}
  CreateShortcut "$SMPROGRAMS\Vaultry.lnk" "$INSTDIR\Vaultry.exe" "" "$INSTDIR\Vaultry.exe" 0 \
      SW_SHOWNORMAL "" "Keeps your passwords in an enciphered file"
  SetOutPath "$INSTDIR"

  ; SHCTX is HKCU or HKLM, after the scope chosen in .onInit.
  SectionGetSize ${SecVaultry} $0
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Vaultry"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vaultry.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The uninstaller belongs to the scope whose Uninstall entry names its folder.
Function un.onInit
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    !insertmacro RequireAdmin "$INSTDIR\Uninstall.exe" ""
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Vaultry.lnk"
  !insertmacro DeleteFiles
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"

  ; Vaultry registers the .vty file type for the user who starts it. When the
  ; registration opens this copy, it goes too; a type that another copy or
  ; program owns stays. The program's settings keys go while they are empty.
  ReadRegStr $0 HKCU "Software\Classes\Vaultry.Document\shell\open\command" ""
  ${If} $0 == '"$INSTDIR\Vaultry.exe" "%1"'
    DeleteRegKey HKCU "Software\Classes\Vaultry.Document"
    ReadRegStr $0 HKCU "Software\Classes\.vty" ""
    ${If} $0 == "Vaultry.Document"
      DeleteRegKey HKCU "Software\Classes\.vty"
    ${EndIf}
  ${EndIf}
  DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}\Vaultry\Settings"
  DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}\Vaultry"
  DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}"
SectionEnd
