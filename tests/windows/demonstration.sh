#!/usr/bin/env bash
# The demonstration of the Windows edition under Wine, as a teacher meets it: the launcher starts
# the bench of Windows and two program windows; the first window is answered up to its main window,
# then the bench stops (as a crashed one would): that window shows the loss box. Closing the
# launcher's window, as its frame's button does, leaves no process of the demonstration behind.
# usage: demonstration.sh OPTOLINK-DEMONSTRATION.exe OPTOLINK-X11
set -euo pipefail
racine=$(cd "$(dirname "$0")/../.." && pwd)
lanceur=$1 x11=$2
export PREFIXE_WINE=wine-banc
source "$racine/tests/windows/wine_commun.sh"
preparer_travail
echec() { echo "ÉCHEC : $*" >&2; xdotool search --onlyvisible --name "" getwindowname %@ >&2 2>/dev/null || true; exit 1; }
restants() { pgrep -f 'optolink(-bench)?\.exe' || true; }

ecran_propre 1600x900
[ -z "$(restants)" ] || echec "des processus de la démonstration tournent déjà : $(restants)"

debut=$EPOCHREALTIME
wine_optolink "$lanceur" >"$travail/lanceur.log" 2>&1 &
pids+=($!)
id_lanceur=$(timeout 90 xdotool search --sync --onlyvisible --name "démonstration sans matériel" | head -1) \
    || echec "la fenêtre du lanceur n'est pas venue"
for _ in $(seq 600); do
    [ "$(xdotool search --onlyvisible --name "Choix du type de code" 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.1
done
[ "$(xdotool search --onlyvisible --name "Choix du type de code" | wc -l)" -ge 2 ] || echec "les deux fenêtres du programme ne sont pas venues"
awk -v d="$debut" -v f="$EPOCHREALTIME" 'BEGIN { printf "du lancement aux deux fenêtres du programme : %.1f s\n", f - d }'
pgrep -f 'optolink-bench\.exe --ports 1,2 --commandes' >/dev/null || echec "le banc de la démonstration ne tourne pas"

# The first window answered as the launcher says, up to its main window. Wine's windows take keys
# only with the X focus.
# Wine gives a window the keys once it is its active window: a click in its corner (no button
# there) makes it so, as a user's click does.
activer() { # title: echoes the window's id
    local id
    id=$(timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -1) || echec "boîte « $1 » absente"
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    xdotool mousemove --window "$id" 6 6 click 1
    sleep 0.4
    echo "$id"
}
touche() { # title key
    activer "$1" >/dev/null
    xdotool key --clearmodifiers "$2"
    sleep 0.8
}
touche "Choix du type de code" Return
touche "Attention à la priorité" Return
activer "N° de port" >/dev/null
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 80 1
xdotool key --clearmodifiers Return
sleep 0.8
touche "Branchement du matériel" Return
touche "Test du montage" Escape
touche "ATTENTION : MESURE" Return
timeout 60 xdotool search --sync --onlyvisible --name "Communication entre deux ordinateurs" >/dev/null \
    || echec "la fenêtre principale du poste 1 n'est pas venue"
sleep 1

# The bench gone under the waiting program: its loss, told once.
pkill -f 'optolink-bench\.exe --ports 1,2' || echec "banc introuvable"
timeout 30 xdotool search --sync --onlyvisible --name "Liaison avec Orphy GTS II perdue" >/dev/null \
    || echec "pas de boîte de perte de la liaison après l'arrêt du banc"
echo "banc arrêté : la boîte « Liaison avec Orphy GTS II perdue » est venue"

"$x11" fermer "$id_lanceur"
for _ in $(seq 150); do [ -z "$(restants)" ] && break; sleep 0.2; done
[ -z "$(restants)" ] || echec "la démonstration fermée a laissé : $(restants | tr '\n' ' ')"
echo "fenêtre du lanceur fermée : plus aucun processus de la démonstration"
