#!/usr/bin/env bash
# The installer as a teacher runs it, silently (/S) under Wine, over an older version (made here from
# the same files, plus one that this version no longer has): it waits while the older program runs,
# then that version's files go, its own included; the files in Program Files, the
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
version=$(basename "$installateur" | sed 's/^optolink-\(.*\)-installation\.exe$/\1/')
version_installee() { wine_optolink reg query "$cle" /v DisplayVersion 2>/dev/null | tr -d '\r' | awk '/DisplayVersion/ { print $3 }'; }

# The older version: the folder of this one, and a notice that this one has dropped.
paquet=$(dirname "$installateur")/paquet/optolink-$version
cp -r "$paquet" "$travail/ancienne"
echo "notice de l'ancienne version" >"$travail/ancienne/notice.txt"
faire_installateur 2.0 "$travail/ancienne" "$travail/ancienne-installation.exe" \
    "$(dirname "$installateur")/optolink/optolink.ico" -X"SetCompressor /FINAL zlib" >/dev/null
wine_optolink "$travail/ancienne-installation.exe" /S
[ "$(version_installee)" = 2.0 ] && [ -f "$dossier/notice.txt" ] || echec "l'ancienne version ne s'est pas installée"

# The older program open: the installation is given up, nothing replaced.
ecran_propre 1024x768
(cd "$dossier" && wine_optolink ./optolink.exe) >"$travail/ancien.log" 2>&1 &
pids+=($!)
timeout 60 xdotool search --sync --onlyvisible --name "Choix du type" >/dev/null || echec "l'ancien programme n'a pas démarré"
if wine_optolink "$installateur" /S; then echec "installé par-dessus le programme ouvert"; fi
[ "$(version_installee)" = 2.0 ] || echec "la version a changé sous le programme ouvert"
kill "${pids[-1]}" 2>/dev/null || true
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
echo "programme ouvert : l'installation attend qu'on le ferme"

wine_optolink "$installateur" /S
[ "$(version_installee)" = "$version" ] || echec "version installée : $(version_installee)"
[ ! -e "$dossier/notice.txt" ] || echec "le fichier de l'ancienne version est resté"
echo "mise à jour depuis la version 2.0 : ses fichiers retirés, la version $version en place"
for f in optolink.exe optolink-decode.exe optolink-bench.exe optolink-demonstration.exe Qt6Core.dll Qt6Widgets.dll plugins/platforms/qwindows.dll \
         plugins/styles/qwindowsvistastyle.dll translations/qtbase_fr.qm exemples/morse-rapide-sos.rrr \
         carte/optolink-carte.hex licence.txt desinstaller.exe; do
    [ -f "$dossier/$f" ] || echec "$f n'est pas installé"
done
[ -f "$menu" ] || echec "pas d'entrée « Communication par laser » dans le menu Démarrer"
[ -f "$menu_demonstration" ] || echec "pas d'entrée de la démonstration dans le menu Démarrer"
wine_optolink reg query "$cle" /v DisplayName | grep -q "Communication par laser" || echec "absent des applications"
if wine_optolink reg query 'HKCR\.rrr' >/dev/null 2>&1; then echec "les fichiers *.rrr ont été pris"; fi

# What Windows shows of each program: its version and its description in French; a manifest that
# declares it drawn for each screen's scaling; the installer's too.
for f in optolink optolink-decode optolink-bench optolink-demonstration; do
    infos=$(wrestool -x --raw -t 16 "$dossier/$f.exe" | tr -d '\0')
    for champ in "ProductName" "Communication par laser" "FileVersion" "$version" "OriginalFilename" "$f.exe"; do
        grep -aqF "$champ" <<<"$infos" || echec "$f.exe : « $champ » absent de ses informations de version"
    done
    wrestool -x --raw -t 24 "$dossier/$f.exe" | grep -aq PerMonitorV2 || echec "$f.exe : manifeste sans PerMonitorV2"
done
wrestool -x --raw -t 24 "$installateur" | grep -aqi "dpiAware" || echec "installateur : manifeste sans dpiAware"

# The installed decoder, from its own folder as a shortcut starts it.
(cd "$dossier" && wine_optolink ./optolink-decode.exe --version) | grep -q "optolink-decode" || echec "optolink-decode --version"
lu=$(cd "$dossier" && wine_optolink ./optolink-decode.exe --morse 'exemples\morse-rapide-sos.rrr' 2>/dev/null | tr -d '\r')
[ "$(printf '%s' "$lu" | sed 's/ *$//')" = sos ] || echec "l'exemple installé se lit « $lu »"

# The installed program: its first box must come, with its plugins found.
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
