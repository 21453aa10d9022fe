; The French installer of the Windows edition, made by makensis from the folder that
; `cmake --install` fills (tools/windows/construire.sh):
;   makensis -DVERSION=2.1 -DDOSSIER=<folder> -DFICHIERS_INSTALLES=<list.nsh> -DICONE=<icon.ico>
;            -DSORTIE=<installer.exe> optolink.nsi
; For all users, in Program Files; the Start menu entries « Communication par laser » and its
; demonstration without hardware (the simulated bench and two program windows), a desktop
; shortcut if asked, an uninstaller listed among Windows' applications. It leaves *.rrr files to
; whatever opens them now (Regressi, on a teacher's computer).
; A 64-bit installer for a 64-bit program: it runs wherever the program does.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

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
!define MUI_FINISHPAGE_RUN "$INSTDIR\optolink.exe"
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
FunctionEnd

Section "${NOM} (programme et exemples)" SecProgramme
  SectionIn RO
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
