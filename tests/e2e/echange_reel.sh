#!/usr/bin/env bash
# A real-time exchange between two program processes over the simulated bench, driven only as a
# user drives them: answers to the start-up boxes, the speed menu, typing in the message box,
# the send button's access key. The text that appears in the receiving window is read back the
# way a user copies it: a triple click in the box, then the X selection.
#
# The slow codings run at speed x 2; the fast ones at x 1 (x 3 with VITESSE_RAPIDE=3), chosen from the
# "Type de codage" menu, and their received text is compared without the blanks that the silence after
# the message adds.
#
# With POSTE_WINDOWS=A or B, that station is the Windows edition (PROGRAMME_WINDOWS, optolink.exe)
# under Wine, its COM7 (A) or COM8 (B) led to the bench's port; it gives its received text through
# the clipboard, as Wine shares no X selection. With POSTE_WINDOWS=AB and the bench of Windows
# (OPTOLINK_BENCH ending in .exe), everything is the Windows edition under Wine. With DECODEURS="optolink-decode optolink-decode.exe"
# too, a fast reception is saved by B's save box, and both decoders must read the file alike.
#
# usage: echange_reel.sh (morse|binaire|morse-rapide|binaire-rapide) OPTOLINK OPTOLINK_BENCH MESSAGE ATTENDU
set -euo pipefail
codage=$1 programme=$2 banc=$3 message=$4 attendu=$5
windows=${POSTE_WINDOWS:-}

travail=$(mktemp -d)
pids=()
finir() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    [ -n "${GARDER_JOURNAUX:-}" ] && mkdir -p "$GARDER_JOURNAUX" && cp "$travail"/*.log "$GARDER_JOURNAUX/" 2>/dev/null
    rm -rf "$travail"
}
trap finir EXIT

racine=$(cd "$(dirname "$0")/../.." && pwd)
# All Windows, bench included, in a Wine prefix where no COM number is led anywhere: two such
# exchanges run at once, and the tests that lead COM numbers (restarting their own Wine server)
# leave it alone.
if [ "$windows" = AB ]; then
    export PREFIXE_WINE=wine-banc
    source "$racine/tests/windows/wine_commun.sh"
fi
source "$(dirname "$0")/ecran_et_banc.sh"
# Each program journals its ticks and the pulses it classified (poste/journal_reception.h), read
# when an exchange fails.
export QT_LOGGING_RULES="optolink.reception.debug=true"
ecran_et_banc 1700x700
declare -A commande=([A]="$programme" [B]="$programme")
declare -A port=([A]="$portA" [B]="$portB")
if [ "$windows" = AB ]; then
    # The bench's pipes are found under their own numbers.
    commande[A]="$racine/tools/windows/wine.sh $PROGRAMME_WINDOWS"
    commande[B]=${commande[A]}
elif [ -n "$windows" ]; then
    source "$racine/tests/windows/wine_commun.sh"
    declare -A com_windows=([A]=7 [B]=8)
    relier_com "${com_windows[$windows]}" "${TMPDIR:-/tmp}/optolink-$(id -u)/COM${port[$windows]}"
    commande[$windows]="$racine/tools/windows/wine.sh $PROGRAMME_WINDOWS"
    port[$windows]=${com_windows[$windows]}
fi

# Names the windows on screen and fails: a window that never comes must not hang the test.
absente() {
    echo "fenêtre attendue absente : $1" >&2
    echo "--- fenêtres à l'écran :" >&2
    xdotool search --onlyvisible --name "" getwindowname %@ >&2 2>/dev/null || true
    exit 1
}

# Waits for a window whose title holds the text, gives it the keyboard focus and echoes its id.
fenetre() {
    local id
    id=$(timeout 60 xdotool search --sync --onlyvisible --name "$1" | tail -1) || true
    [ -n "$id" ] || absente "$1"
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    # With two Windows programs on one screen, Wine gives the keys to its active window, which the X
    # focus alone does not make it: a click in the window's corner (no button there) does, as a
    # user's click does.
    [ "$windows" != AB ] || xdotool mousemove --window "$id" 6 6 click 1
    echo "$id"
}
touche() { fenetre "$1" >/dev/null; sleep 0.3; xdotool key --clearmodifiers "$2"; sleep 0.5; }

demarrer() { # station x-position
    # shellcheck disable=SC2086
    ${commande[$1]} >"$travail/programme$1.log" 2>&1 &
    pids+=($!)
    case $codage in
    morse*) touche "Choix du type" Return ;;
    *) touche "Choix du type" Escape ;;
    esac
    touche "Attention à la priorité" Return
    fenetre "N° de port" >/dev/null
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 50 "${port[$1]}"
    xdotool key --clearmodifiers Return
    sleep 0.5
    touche "Branchement du matériel" Return
    touche "Test du montage" Escape
    touche "ATTENTION : MESURE" Return
    sleep 2 # the threshold is measured over more than a second
    local id=""
    # The main window of this station: both have that title, and Wine's windows do not come in the
    # order of their creation, so the other station's window (principale) is left out.
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --name "Communication entre deux ordinateurs" 2>/dev/null \
            | grep -vxF -e "${principale:-aucune}" | tail -1) || true
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || absente "Communication entre deux ordinateurs"
    xdotool windowmove --sync "$id" "$2" 0
    echo "$id"
}

# An entry of the "vitesse d'émission" menu, so many entries down from its first: x 2 is the tenth,
# x 3 the eleventh.
vitesse() {
    xdotool windowfocus --sync "$1"
    xdotool key --clearmodifiers alt+v
    sleep 0.3
    for _ in $(seq "$2"); do xdotool key Down; sleep 0.05; done
    xdotool key Return
    sleep 0.3
}

# A fast coding from the "Type de codage" menu: its third or fourth entry, then "15 s".
codage_rapide() {
    xdotool windowfocus --sync "$1"
    xdotool key --clearmodifiers alt+t
    sleep 0.3
    local rang=2
    [ "$codage" = binaire-rapide ] && rang=3
    for _ in $(seq $rang); do xdotool key Down; sleep 0.05; done
    xdotool key Right
    sleep 0.2
    xdotool key Return
    sleep 0.3
}

fenetreB=$(demarrer B 850)
principale=$fenetreB
fenetreA=$(demarrer A 0)
for f in "$fenetreA" "$fenetreB"; do
    case $codage in
    *-rapide)
        codage_rapide "$f"
        if [ "${VITESSE_RAPIDE:-1}" = 3 ]; then vitesse "$f" 10; fi
        ;;
    *) vitesse "$f" 9 ;;
    esac
done

# With SIGNAL set, B shows its signal window after each reception: the third entry of its "Signal"
# menu.
if [ -n "${SIGNAL:-}" ]; then
    xdotool windowfocus --sync "$fenetreB"
    xdotool key --clearmodifiers alt+s
    sleep 0.3
    xdotool key Down Down Return
    sleep 0.3
fi

# With VEILLE=SECONDS, B's processor time is read from outside while it waits for light: the time
# its threads ran, as the scheduler counts it to the nanosecond (a monitor's user and system times
# are sampled at the kernel's tick, too coarse for a program that runs a tenth of a millisecond at a
# time), and how often they woke; once the caret has stopped blinking, as it does 10 s after the
# coding was chosen by the keyboard.
if [ -n "${VEILLE:-}" ]; then
    pidB=$(xdotool getwindowpid "$fenetreB")
    releve() {
        cat /proc/"$pidB"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.0f ", ns }'
        cat /proc/"$pidB"/task/*/status | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n }'
    }
    sleep 12 # the caret blinks for 10 s after the last key
    read -r ns0 reveils0 < <(releve)
    t0=$EPOCHREALTIME
    sleep "$VEILLE"
    read -r ns1 reveils1 < <(releve)
    t1=$EPOCHREALTIME
    awk -v ns="$((ns1 - ns0))" -v n="$((reveils1 - reveils0))" -v t0="$t0" -v t1="$t1" \
        'BEGIN { d = t1 - t0; printf "veille de B : %.2f %% d\x27un cœur, %.0f réveils par seconde, sur %.0f s\n", ns / 1e7 / d, n / d, d }'
fi

# Put the message into A's message box, replacing what is there, and press the send button: by
# its access key for a slow coding; the fast buttons have none, so by the keyboard's tab order
# (Texte2, Quitter, Effacer, then the fast button) and the space bar.
xdotool windowfocus --sync "$fenetreA"
xdotool mousemove 300 140 click 1
sleep 0.2
xdotool key --clearmodifiers ctrl+a
# Accented capitals and "€" are pasted: typing them through a synthetic keyboard is not reliable.
printf '%s' "$message" | xclip -selection clipboard
xdotool key --clearmodifiers ctrl+v
sleep 0.3
debut_envoi=$EPOCHREALTIME
case $codage in
morse) xdotool key --clearmodifiers alt+n ;;
binaire) xdotool key --clearmodifiers alt+e ;;
*)
    for _ in 1 2 3 4; do xdotool key --clearmodifiers Tab; sleep 0.1; done
    xdotool key --clearmodifiers space
    ;;
esac

# SIGNAL=fichier.png keeps a picture of B's signal window as it opens at the end of the reception,
# moved over A's window for the picture, then off the screen: it is wider than A's window and would
# lie over B's text, which is read by clicking in it.
if [ -n "${SIGNAL:-}" ]; then
    id=$(timeout 120 xdotool search --sync --onlyvisible --name "^Signal$" | tail -1) || absente Signal
    xdotool windowmove --sync "$id" 0 0
    sleep 0.5
    import -window root -crop 1120x640+0+0 "$SIGNAL"
    xdotool windowmove "$id" 0 2000
fi

lu=""
for _ in $(seq 60); do
    sleep 2
    if [ "$windows" = AB ]; then
        # Two Windows programs: one click in B's box makes it Wine's active window, then the
        # keyboard selects all of it.
        xdotool mousemove $((850 + 300)) 450 click 1
        sleep 0.2
        xdotool windowfocus --sync "$fenetreB" 2>/dev/null || xdotool windowfocus "$fenetreB"
        xdotool key --clearmodifiers ctrl+a
        sleep 0.2
        xdotool key --clearmodifiers ctrl+c
        sleep 0.3
        lu=$(xclip -o -selection clipboard 2>/dev/null || true)
    else
        xdotool mousemove $((850 + 300)) 450 click --repeat 3 --delay 80 1
        sleep 0.2
        if [ "$windows" = B ]; then
            # Wine's windows take keys only with the X focus, which a click does not give without a
            # window manager.
            xdotool windowfocus --sync "$fenetreB" 2>/dev/null || xdotool windowfocus "$fenetreB"
            xdotool key --clearmodifiers ctrl+c
            sleep 0.3
            lu=$(xclip -o -selection clipboard 2>/dev/null || true)
        else
            lu=$(xclip -o -selection primary 2>/dev/null || true)
        fi
    fi
    case $codage in *-rapide) lu=$(printf '%s' "$lu" | sed 's/ *$//') ;; esac
    [ "$lu" = "$attendu" ] && break
done
# CAPTURE=fichier.png keeps a picture of both windows (ImageMagick's import), for the documentation.
[ -n "${CAPTURE:-}" ] && import -window root "$CAPTURE"
echo "reçu : [$lu]"
echo "attendu : [$attendu]"
# The bench tells each time it ran its events late (bytes, lasers, a board's step): the figure of
# the whole exchange, for tools/echanges_reels.sh.
retards=$(awk -v debut="$debut_envoi" '$1 >= debut && /retard du banc/' "$travail/banc.log")
pire=0
[ -n "$retards" ] && pire=$(printf '%s\n' "$retards" | sed -E 's/.*: ([0-9.]+) ms au pire.*/\1/' | sort -g | tail -1)
echo "retards du banc pendant l'échange : $(printf '%s' "$retards" | grep -c . || true), jusqu'à $pire ms"
# What each side did, from the journals: the sender against its nominal periods, the bench where
# its lateness falls on what the receiver times (a few milliseconds are the machine's, and the
# decoders bear them: a tenth of a 50 ms dot), the receiver against what it was shown. A failed
# exchange shows the whole of it and names the side that failed.
dureebit=0.5
case $codage in *-rapide) dureebit=$(awk -v v="${VITESSE_RAPIDE:-1}" 'BEGIN { print 1 / v }') ;; esac
QT_LOGGING_RULES= "$(dirname "$programme")/optolink-emission-nominale" "$codage" "$message" "$dureebit" >"$travail/nominales"
source "$(dirname "$0")/verdict_echange.sh"
verdict_echange "$travail/banc.log" "$travail/programmeB.log" "$debut_envoi" "$travail/nominales" 5 >"$travail/verdict"
if [ "$lu" != "$attendu" ]; then
    echo "--- journal du banc"; cat "$travail/banc.log"
    echo "--- l'échange"; cat "$travail/verdict"
    exit 1
fi
grep -E "^(émetteur|banc) :|^récepteur : [0-9]" "$travail/verdict"

# The save box opens in the user's Documents folder (the home folder without one): name the file,
# Enter for Ok.
if [ -n "${DECODEURS:-}" ]; then
    fenetre "Enregistrement d'un fichier" >/dev/null
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 50 optolink-essai-recu
    xdotool key --clearmodifiers Return
    maison=$HOME
    [[ $windows == *B ]] && maison="$WINEPREFIX/drive_c/users/$(id -un)"
    dossier_documents=$maison
    [ -d "$maison/Documents" ] && dossier_documents="$maison/Documents"
    fichier="$dossier_documents/optolink-essai-recu"
    for _ in $(seq 50); do [ -s "$fichier" ] && break; sleep 0.2; done
    mv "$fichier" "$travail/recu.rrr"
    read -r decodeur_linux decodeur_windows <<<"$DECODEURS"
    options=--morse
    [ "$codage" = binaire-rapide ] && options=--binaire
    (cd "$travail" && "$decodeur_linux" --json --lecture $options recu.rrr) >"$travail/decodage-linux.json"
    (cd "$travail" && "$racine/tools/windows/wine.sh" "$decodeur_windows" --json --lecture $options recu.rrr) \
        2>/dev/null | tr -d '\r' >"$travail/decodage-windows.json"
    cmp "$travail/decodage-linux.json" "$travail/decodage-windows.json"
    decode=$("$decodeur_linux" $options "$travail/recu.rrr" | sed 's/ *$//')
    echo "enregistré par $( [[ $windows == *B ]] && echo Windows || echo Linux ), décodé : [$decode]"
    [ "$decode" = "$attendu" ]
fi
