#!/usr/bin/env bash
# The installer as a teacher runs it, silently (/S) under Wine: the files in Program Files, the
# Start menu entries (the program and its demonstration), the entry among Windows' applications;
# the installed program opens its first box and the installed decoder reads an installed example;
# the uninstaller leaves nothing.
# usage: installation.sh INSTALLATEUR.exe
set -euo pipefail
racine=$(cd "$(dirname "$0")/../.." && pwd)
installateur=$1
source "$racine/tests/windows/wine_commun.sh"
preparer_travail
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

dossier="$WINEPREFIX/drive_c/Program Files/optolink"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Communication par laser.lnk"
menu_demonstration="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Communication par laser — démonstration sans matériel.lnk"
cle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\optolink'
rm -rf "$dossier"

wine_optolink "$installateur" /S
for f in optolink.exe optolink-decode.exe optolink-bench.exe optolink-demonstration.exe Qt6Core.dll Qt6Widgets.dll plugins/platforms/qwindows.dll \
         plugins/styles/qwindowsvistastyle.dll translations/qtbase_fr.qm exemples/morse-rapide-sos.rrr \
         carte/optolink-carte.hex licence.txt desinstaller.exe; do
    [ -f "$dossier/$f" ] || echec "$f n'est pas installé"
done
[ -f "$menu" ] || echec "pas d'entrée « Communication par laser » dans le menu Démarrer"
[ -f "$menu_demonstration" ] || echec "pas d'entrée de la démonstration dans le menu Démarrer"
wine_optolink reg query "$cle" /v DisplayName | grep -q "Communication par laser" || echec "absent des applications"
if wine_optolink reg query 'HKCR\.rrr' >/dev/null 2>&1; then echec "les fichiers *.rrr ont été pris"; fi

# The installed decoder, from its own folder as a shortcut starts it.
(cd "$dossier" && wine_optolink ./optolink-decode.exe --version) | grep -q "optolink-decode" || echec "optolink-decode --version"
lu=$(cd "$dossier" && wine_optolink ./optolink-decode.exe --morse 'exemples\morse-rapide-sos.rrr' 2>/dev/null | tr -d '\r')
[ "$(printf '%s' "$lu" | sed 's/ *$//')" = sos ] || echec "l'exemple installé se lit « $lu »"

# The installed program, on a screen of its own: its first box must come, with its plugins found.
ecran_propre 1024x768
(cd "$dossier" && wine_optolink ./optolink.exe) >"$travail/programme.log" 2>&1 &
pids+=($!)
timeout 60 xdotool search --sync --onlyvisible --name "Choix du type" >/dev/null \
    || { cat "$travail/programme.log"; echec "le programme installé n'a pas ouvert sa première boîte"; }
kill "${pids[-1]}" 2>/dev/null || true
wineserver -k 2>/dev/null || true

wine_optolink "$dossier/desinstaller.exe" /S
for _ in $(seq 100); do [ -e "$dossier" ] || break; sleep 0.2; done
[ ! -e "$dossier" ] || { find "$dossier"; echec "le désinstalleur a laissé des fichiers"; }
[ ! -e "$menu" ] || echec "le désinstalleur a laissé l'entrée du menu"
[ ! -e "$menu_demonstration" ] || echec "le désinstalleur a laissé l'entrée de la démonstration"
if wine_optolink reg query "$cle" >/dev/null 2>&1; then echec "le désinstalleur a laissé sa clé"; fi
echo "installation, lancement et désinstallation : bons"
