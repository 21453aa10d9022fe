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

# The first window answered as the launcher says, up to its main window.
# Wine gives a window the keys once it is its active window: a click in its corner (no button
# there) makes it so, as a user's click does. The launcher may still be moving the window when the
# click comes, and the key is then lost: as a user would, the box is answered again until it goes.
activer() { # window id
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null || true
    xdotool mousemove --window "$1" 6 6 click 1
    sleep 0.4
}
visible() { xdotool search --onlyvisible --name "" 2>/dev/null | grep -qxF "$1"; }
repondre() { # title keys...: the first such box, answered by the keys until it has gone
    local titre=$1 id essai
    shift
    id=$(timeout 60 xdotool search --sync --onlyvisible --name "$titre" | head -1) || echec "boîte « $titre » absente"
    for essai in 1 2 3 4; do
        activer "$id"
        "$@"
        for _ in $(seq 20); do visible "$id" || return 0; sleep 0.2; done
        echo "boîte « $titre » toujours là après la réponse n° $essai" >&2
    done
    echec "boîte « $titre » sans réponse"
}
touches() { xdotool key --clearmodifiers "$@"; }
numero_1() { touches ctrl+a; xdotool type --delay 80 1; touches Return; }
repondre "Choix du type de code" touches Return
repondre "Attention à la priorité" touches Return
repondre "N° de port" numero_1
repondre "Branchement du matériel" touches Return
repondre "Test du montage" touches Escape
repondre "ATTENTION : MESURE" touches Return
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
