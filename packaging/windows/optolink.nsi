; The French installer of the Windows edition, made by makensis from the folder that
; `cmake --install` fills (tools/windows/construire.sh):
;   makensis -DVERSION=2.1 -DDOSSIER=<folder> -DFICHIERS_INSTALLES=<list.nsh> -DICONE=<icon.ico>
;            -DSORTIE=<installer.exe> optolink.nsi
; For all users, in Program Files; the Start menu entries « Communication par laser » and its
; demonstration without hardware (the simulated bench and two program windows), a desktop
; shortcut if asked, an uninstaller listed among Windows' applications. It leaves *.rrr files to
; whatever opens them now (Regressi, on a teacher's computer).
; Over an older version, it runs that version's uninstaller first; it waits while a program of the
; folder runs; its finish page starts the program as the user who opened the session.
; A 64-bit installer for a 64-bit program: it runs wherever the program does.
Target amd64-unicode
SetCompressor /SOLID lzma
; Drawn for the screen's scaling, not stretched as a bitmap at 125 or 150 %.
ManifestDPIAware true
!include "MUI2.nsh"
!include "LogicLib.nsh"

!define NOM "Communication par laser"
!define NOM_DEMONSTRATION "Communication par laser — démonstration sans matériel"
!define CLE_DESINSTALLATION "Software\Microsoft\Windows\CurrentVersion\Uninstall\optolink"

Name "${NOM}"
OutFile "${SORTIE}"
InstallDir "$PROGRAMFILES64\optolink"
InstallDirRegKey HKLM "Software\optolink" "Dossier"
RequestExecutionLevel admin
BrandingText "optolink ${VERSION}"

!define MUI_ABORTWARNING
!define MUI_ICON "${ICONE}"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION LancerCommeUtilisateur
!define MUI_FINISHPAGE_RUN_TEXT "Lancer ${NOM}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${DOSSIER}\licence.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductName" "${NOM}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileDescription" "Installation de ${NOM}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "LegalCopyright" "Équipe optolink"

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
  Call un.AttendreFermeture
FunctionEnd

; The installer runs as the administrator who typed the password: the program started from its
; finish page would run as that account, with its files and rights. The session's shell starts it
; as the user instead.
Function LancerCommeUtilisateur
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\optolink.exe"'
FunctionEnd

; A program that runs holds its file: Windows refuses to open it for writing. Pushes 1 when the
; file given is held so, 0 otherwise.
; $1 becomes 1 when the program's file is held.
!macro OUVERT_DANS_1 un fichier
  Push "${fichier}"
  Call ${un}EstOuvert
  Pop $2
  IntOp $1 $1 | $2
!macroend

!macro FONCTIONS_FERMETURE un
Function ${un}EstOuvert
  Exch $0
  Push $1
  StrCpy $1 0
  ${If} ${FileExists} $0
    ClearErrors
    FileOpen $0 $0 a
    ${If} ${Errors}
      StrCpy $1 1
    ${Else}
      FileClose $0
    ${EndIf}
  ${EndIf}
  StrCpy $0 $1
  Pop $1
  Exch $0
FunctionEnd

; Replacing or removing the files of a program that runs would fail half-way: while one runs,
; the user is asked to close it, or the whole operation is given up (as it is when silent).
Function ${un}AttendreFermeture
  Push $1
  Push $2
  ${Do}
    StrCpy $1 0
    !insertmacro OUVERT_DANS_1 "${un}" "$INSTDIR\optolink.exe"
    !insertmacro OUVERT_DANS_1 "${un}" "$INSTDIR\optolink-demonstration.exe"
    !insertmacro OUVERT_DANS_1 "${un}" "$INSTDIR\optolink-bench.exe"
    ${If} $1 == 0
      ${ExitDo}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${NOM} est ouvert sur cet ordinateur (le programme, sa démonstration ou son banc simulé). Fermez-le, puis cliquez sur Réessayer." /SD IDCANCEL IDRETRY encore
    SetErrorLevel 2
    Quit
    encore:
  ${Loop}
  Pop $2
  Pop $1
FunctionEnd
!macroend
!insertmacro FONCTIONS_FERMETURE ""
!insertmacro FONCTIONS_FERMETURE "un."

; An older version: its own uninstaller removes its files first, so that a file this version no
; longer has does not stay behind. Run in place (_?=) so that it is waited for.
Function DesinstallerAncienneVersion
  Push $0
  ReadRegStr $0 HKLM "${CLE_DESINSTALLATION}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\desinstaller.exe"
    ExecWait '"$0\desinstaller.exe" /S _?=$0'
    Delete "$0\desinstaller.exe"
    RMDir "$0"
  ${EndIf}
  Pop $0
FunctionEnd

Section "${NOM} (programme et exemples)" SecProgramme
  SectionIn RO
  Call AttendreFermeture
  Call DesinstallerAncienneVersion
  SetOutPath "$INSTDIR"
  File /r "${DOSSIER}\*.*"
  WriteUninstaller "$INSTDIR\desinstaller.exe"
  WriteRegStr HKLM "Software\optolink" "Dossier" "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${NOM}.lnk" "$INSTDIR\optolink.exe"
  CreateShortcut "$SMPROGRAMS\${NOM_DEMONSTRATION}.lnk" "$INSTDIR\optolink-demonstration.exe"
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "DisplayName" "${NOM}"
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "Publisher" "Équipe optolink"
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "DisplayIcon" "$INSTDIR\optolink.exe"
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "UninstallString" '"$INSTDIR\desinstaller.exe"'
  WriteRegStr HKLM "${CLE_DESINSTALLATION}" "QuietUninstallString" '"$INSTDIR\desinstaller.exe" /S'
  WriteRegDWORD HKLM "${CLE_DESINSTALLATION}" "NoModify" 1
  WriteRegDWORD HKLM "${CLE_DESINSTALLATION}" "NoRepair" 1
SectionEnd

Section /o "Raccourci sur le bureau" SecBureau
  CreateShortcut "$DESKTOP\${NOM}.lnk" "$INSTDIR\optolink.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgramme} "Le programme, sa démonstration sans matériel (banc simulé), le décodeur optolink-decode, les enregistrements d'exemple et le micrologiciel de la carte Arduino."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecBureau} "Une icône sur le bureau de chaque utilisateur pour lancer le programme."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Everything the installer wrote, and nothing else: a file the user saved in the folder stays.
Section "Uninstall"
  Delete "$SMPROGRAMS\${NOM}.lnk"
  Delete "$SMPROGRAMS\${NOM_DEMONSTRATION}.lnk"
  Delete "$DESKTOP\${NOM}.lnk"
  !include "${FICHIERS_INSTALLES}"
  Delete "$INSTDIR\desinstaller.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${CLE_DESINSTALLATION}"
  DeleteRegKey HKLM "Software\optolink"
SectionEnd
