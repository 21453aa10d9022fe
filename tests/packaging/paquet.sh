#!/usr/bin/env bash
# The Debian package as a school's technician uses it: built by CPack, installed with dpkg (its
# dependencies must be met by what the system has), its files checked by the desktop's own
# validators, its programs started from where the package put them, then removed.
# Installing into the system needs root, as CI has; a machine that already has the package
# keeps it, and the test is then skipped.
#
# usage: paquet.sh BUILD_DIR
set -euo pipefail
construction=$1

if [ "$(id -u)" -ne 0 ]; then
    echo "ce test installe le paquet dans le système : il se lance en root, comme la CI" >&2
    exit 77
fi
if dpkg-query -W -f='${Status}' optolink 2>/dev/null | grep -q "install ok installed"; then
    echo "le paquet optolink est déjà installé sur cette machine : le test ne le remplace pas" >&2
    exit 77
fi

travail=$(mktemp -d)
installe=""
finir() {
    if [ -n "$installe" ]; then dpkg -r optolink >/dev/null || echo "dpkg -r optolink a échoué" >&2; fi
    rm -rf "$travail"
}
trap finir EXIT
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

cpack --config "$construction/CPackConfig.cmake" -G DEB -B "$travail" >"$travail/cpack.log" 2>&1 \
    || { cat "$travail/cpack.log"; echec "cpack n'a pas construit le paquet"; }
paquet=$(ls "$travail"/optolink_*.deb)
dpkg -i "$paquet" >"$travail/dpkg.log" 2>&1 || { cat "$travail/dpkg.log"; echec "dpkg -i"; }
installe=oui
version=$(dpkg-query -W -f='${Version}' optolink)
echo "paquet $(basename "$paquet") installé : $(dpkg-query -W -f='${Depends}' optolink)"

for programme in optolink-bench optolink-decode; do
    [ "$(command -v $programme)" = /usr/bin/$programme ] || echec "$programme n'est pas dans /usr/bin"
    [ "$($programme --version)" = "$programme $version" ] || echec "$programme --version : $($programme --version)"
done

# The example recordings, read by the installed decoder as the open dialog reads them.
exemples=/usr/share/optolink/exemples
decode() { optolink-decode "$1" "$exemples/$2" | sed 's/ *$//'; }
[ "$(decode --morse morse-rapide-sos.rrr)" = "sos" ] || echec "exemple morse-rapide-sos.rrr : $(decode --morse morse-rapide-sos.rrr)"
[ "$(decode --morse morse-rapide-30s.rrr)" = "bonjour la classe" ] || echec "exemple morse-rapide-30s.rrr"
[ "$(decode --binaire binaire-rapide-ete.rrr)" = "Été 25 €" ] || echec "exemple binaire-rapide-ete.rrr"

# The board's firmware, when the build made it (avr-gcc present): avrdude's file, the page that goes
# with it, and the bench's simulated board starting from the installed ELF.
if [ -f "$construction/firmware/optolink-carte.hex" ]; then
    carte=/usr/share/optolink/carte
    for fichier in optolink-carte.hex optolink-carte.elf carte-arduino.md carte-arduino-branchement.svg; do
        [ -s "$carte/$fichier" ] || echec "$carte/$fichier absent du paquet"
    done
    cmp -s "$carte/optolink-carte.hex" "$construction/firmware/optolink-carte.hex" \
        || echec "$carte/optolink-carte.hex n'est pas le micrologiciel construit"
    head -1 "$carte/optolink-carte.hex" | grep -q '^:' || echec "$carte/optolink-carte.hex n'est pas au format Intel hex"
    if grep -q '^SIMAVR_LIBRARY:FILEPATH=/' "$construction/CMakeCache.txt"; then
        TMPDIR="$travail" optolink-bench --carte AB --ports 41001,41002 >"$travail/banc.log" 2>&1 &
        banc=$!
        for _ in $(seq 100); do grep -q "Ctrl-C" "$travail/banc.log" && break; sleep 0.1; done
        kill "$banc"; wait "$banc" || true
        grep -q "Carte B" "$travail/banc.log" || { cat "$travail/banc.log"; echec "optolink-bench --carte AB n'a pas démarré"; }
    fi
fi

entree=/usr/share/applications/fr.optolink.optolink.desktop
desktop-file-validate "$entree" || echec "desktop-file-validate $entree"
icone=$(sed -n 's/^Icon=//p' "$entree")
[ -f "/usr/share/icons/hicolor/scalable/apps/$icone.svg" ] || echec "icône $icone absente"
commande=$(sed -n 's/^Exec=//p' "$entree")
[ "$(command -v "$commande")" = /usr/bin/optolink ] || echec "Exec=$commande ne lance pas /usr/bin/optolink"
appstreamcli validate --no-net /usr/share/metainfo/fr.optolink.optolink.metainfo.xml || echec "appstreamcli validate"

for page in optolink optolink-bench optolink-decode optolink-demonstration; do
    [ "$(man -w $page)" = "/usr/share/man/man1/$page.1" ] || echec "man ne trouve pas la page $page"
    avertissements=$(man --warnings -l "/usr/share/man/man1/$page.1" 2>&1 >/dev/null)
    [ -z "$avertissements" ] || echec "page $page : $avertissements"
done

# The program started from the menu's command, on a screen of its own: its first start-up box comes.
cd "$travail"
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
    "$1" & programme=$!
    timeout 60 xdotool search --sync --onlyvisible --name "Choix du type de code MORSE ou BINAIRE" >/dev/null
    trouve=$?
    kill $programme
    exit $trouve' _ "$(command -v "$commande")" || echec "la première boîte du démarrage n'est pas apparue"

# The demonstration from its menu entry: the bench and two program windows come with the launcher's
# window; the launcher stopped as the session's end stops it, nothing it started is left.
demonstration=/usr/share/applications/fr.optolink.optolink-demonstration.desktop
desktop-file-validate "$demonstration" || echec "desktop-file-validate $demonstration"
commande=$(sed -n 's/^Exec=//p' "$demonstration")
[ "$(command -v "$commande")" = /usr/bin/optolink-demonstration ] || echec "Exec=$commande ne lance pas la démonstration"
TMPDIR="$travail" xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" bash -c '
    "$1" & lanceur=$!
    timeout 60 xdotool search --sync --onlyvisible --name "démonstration sans matériel" >/dev/null || exit 1
    for _ in $(seq 300); do
        [ "$(xdotool search --onlyvisible --name "Choix du type de code" 2>/dev/null | wc -l)" -ge 2 ] && break
        sleep 0.1
    done
    [ "$(xdotool search --onlyvisible --name "Choix du type de code" | wc -l)" -ge 2 ] || exit 2
    enfants=$(pgrep -P $lanceur)
    [ "$(printf "%s\n" $enfants | wc -l)" -eq 3 ] || exit 3
    kill -HUP $lanceur
    wait $lanceur
    for _ in $(seq 50); do
        restants=0
        for p in $enfants; do [ -e /proc/$p ] && restants=1; done
        [ $restants -eq 0 ] && exit 0
        sleep 0.1
    done
    exit 4' _ "$(command -v "$commande")" || echec "la démonstration n'a pas démarré ou s'est mal arrêtée (code $?)"

dpkg -r optolink >/dev/null
installe=""
[ ! -e /usr/bin/optolink ] || echec "dpkg -r a laissé /usr/bin/optolink"
echo "paquet vérifié puis retiré"
