#!/usr/bin/env bash
# Random use of the real program: two processes over the simulated bench, under Xvfb, driven for a
# given time as nobody would drive them on purpose: clicks anywhere in every window they show (any
# button, double clicks), keys (letters, Return, Escape, Tab, arrows, Ctrl+C/V/X/Z, the access
# keys of the menus and buttons), menus opened and entries chosen at random, boxes and dialogs
# answered or closed at random, the clipboard emptied or filled with something that is not text,
# and sends started in every coding. A press on Quitter (or any normal end) is no failure: the
# program is started again, through the start-up boxes answered at random, and counted.
#
# Checks: no process ends by a signal, an abort or a sanitizer's report; none keeps a core busy for
# long outside a send (its share of a core is sampled every second, and printed); its window keeps
# answering (a _NET_WM_PING, outside a send); and at the end, every box closed and both stations set
# to the same coding and speed through the menus, a message still goes through.
#
# Every step is written to the journal (actions.log) as a line that --rejouer plays again: a failure
# is replayed from its journal, whatever the seed chose. What random use shows without failing (a
# box under another window, the keyboard focus on no window) is counted as observations.
#
# usage: hasard.sh [--duree S] [--graine N] [--rejouer JOURNAL] [--garder DOSSIER] [--codage C]
#                  OPTOLINK OPTOLINK_BENCH OPTOLINK_X11
#   --codage: the coding of the final exchange (morse, binaire, morse-rapide, binaire-rapide);
#   drawn from the seed among all four by default.
set -uo pipefail
duree=60 graine=1 rejouer="" garder="" codage_final=""
while [ $# -gt 3 ]; do
    case $1 in
    --duree) duree=$2 ;;
    --graine) graine=$2 ;;
    --rejouer) rejouer=$(realpath "$2") ;;
    --garder) garder=$2 ;;
    --codage) codage_final=$2 ;;
    *) echo "option inconnue : $1" >&2; exit 2 ;;
    esac
    shift 2
done
programme=$1 banc=$2 x11=$3
RANDOM=$graine

travail=$(mktemp -d)
pids=()
declare -A pid=() port=() relances=() envois=() observations=()
constats=()
actions=0
finir() {
    for p in "${pid[@]}" "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    if [ -n "$garder" ]; then mkdir -p "$garder" && cp -r "$travail"/. "$garder"/; fi
    rm -rf "$travail"
}
trap finir EXIT
source "$(dirname "$0")/ecran_et_banc.sh"
ecran_et_banc 1700x700
port[A]=$portA port[B]=$portB
journal=$travail/actions.log
: >"$journal"

# The station's window layout: the client area under the two rows of the menu bar.
menus=38
titre_principal="Communication entre deux ordinateurs"

tirer() { R=$((RANDOM % $1)); } # never inside $(...): the draw would not advance here
un_parmi() { tirer $#; local i=$((R + 1)); CHOIX=${!i}; }

micro() { echo "${EPOCHREALTIME/./}"; }
debut=$(micro)
instant() { local t=$((($(micro) - debut) / 1000)); printf '%d.%03d' $((t / 1000)) $((t % 1000)); }

vivant() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat"; }

# The windows of a station, bottom to top: "id pid x y w h popup modal title".
fenetres() { "$x11" fenetres "${pid[$1]}" 2>/dev/null; }
# The topmost window of the station whose title is the given one ("" for any): sets F_ID, F_X...
trouver() { # station title
    F_ID=""
    local id p x y w h popup modale titre
    while read -r id p x y w h popup modale titre; do
        if [ -z "$2" ] || [ "$titre" = "$2" ]; then
            F_ID=$id F_X=$x F_Y=$y F_W=$w F_H=$h F_TITRE=$titre F_POPUP=$popup
        fi
    done < <(fenetres "$1")
    [ -n "$F_ID" ]
}
principale() { # station: the main window, whatever its coding says in its title
    F_ID=""
    local id p x y w h popup modale titre
    while read -r id p x y w h popup modale titre; do
        case $titre in "$titre_principal"*) F_ID=$id F_X=$x F_Y=$y F_W=$w F_H=$h F_TITRE=$titre ;; esac
    done < <(fenetres "$1")
    [ -n "$F_ID" ]
}

# --- The steps, each written to the journal as "time station step args | window title" ---
noter() { printf '%s %s %s | %s\n' "$(instant)" "$1" "$2" "$3" >>"$journal"; }

# Plays one step on a station's window (its title, any main window for the main window's, "-" for
# none) and notes it. A replay waits for the window, which may come later than it did.
attente_fenetre=1
pas() { # station title step args...
    local st=$1 titre=$2 essai cherche
    shift 2
    noter "$st" "$*" "$titre"
    actions=$((actions + 1))
    read -r cherche <<<"$titre" # as read from the window list, without blanks at either end
    if [ "$titre" != "-" ]; then
        for ((essai = 0; essai < attente_fenetre * 5; essai++)); do
            case $titre in
            "$titre_principal"*) principale "$st" && break ;;
            *) trouver "$st" "$cherche" && break ;;
            esac
            sleep 0.2
        done
        if [ -z "$F_ID" ]; then
            noter "$st" "absente" "$titre"
            return 1
        fi
    fi
    # The threshold is measured on the dark photodiode: while the facing laser is lit or has just
    # changed, the user waits (the boxes say so).
    # A send waits behind a box opened during it, its laser as it was: after 20 s the user goes
    # to the other computer and closes its boxes.
    case $cherche in "ATTENTION : MESURE"* | "Mesure de la tension seuil"*)
        local attente=$((SECONDS + 300)) boites=$((SECONDS + 20))
        until laser_calme "$(facing "$st")" || ((SECONDS > attente)); do
            sleep 0.5
            ((SECONDS > boites)) && { fermer_boites "$(facing "$st")"; boites=$((SECONDS + 20)); }
        done ;;
    esac
    case $1 in
    clic) xdotool mousemove $((F_X + $2)) $((F_Y + $3)) click "$4" ;;
    double) xdotool mousemove $((F_X + $2)) $((F_Y + $3)) click --repeat 2 --delay 80 1 ;;
    triple) xdotool mousemove $((F_X + $2)) $((F_Y + $3)) click --repeat 3 --delay 80 1 ;;
    focus) xdotool windowfocus --sync "$F_ID" 2>/dev/null || xdotool windowfocus "$F_ID" ;;
    touches)
        shift
        # A menu opened from the keyboard under the pointer would take the hovered entry.
        case $1 in alt+*) xdotool mousemove 1690 690 ;; esac
        # A menu takes a moment to open, longer in the sanitizers' build: a Down sent before it is
        # lost, and the entry chosen is another.
        for k in "$@"; do
            xdotool key --clearmodifiers "$k"
            case $k in alt+*) sleep 0.5 ;; *) sleep 0.08 ;; esac
        done
        ;;
    texte) xdotool type --delay 40 -- "${*:2}" ;;
    port) xdotool type --delay 40 -- "$(printf "%${2}s" "")${port[$st]}" ;;
    fermer) "$x11" fermer "$F_ID" ;;
    deplacer) xdotool windowmove --sync "$F_ID" "$2" "$3" ;;
    presse)
        case $2 in
        vide) "$x11" vider ;;
        image) printf '\x89PNG\r\n\x1a\n' | xclip -selection clipboard -t image/png ;;
        fichier) printf 'file:///tmp/sos.rrr\r\n' | xclip -selection clipboard -t text/uri-list ;;
        texte) printf '%s' "${*:3}" | xclip -selection clipboard ;;
        esac
        ;;
    pause) sleep "$2" ;;
    relance) relancer "$st" ;;
    esac 2>/dev/null
    sleep 0.05
    return 0
}

# --- Start-up: the boxes answered, mostly as a user following them ---
facing() { [ "$1" = A ] && echo B || echo A; }
laser_calme() { # station: its laser off and still for 3 s
    local ligne
    ligne=$(grep " laser $1 " "$travail/banc.log" | tail -1)
    [ -z "$ligne" ] && return 0
    case $ligne in *allumé*) return 1 ;; esac
    local t=${ligne%% *}
    (($(micro) - ${t/./} > 3000000))
}

allume_depuis() { # station epoch: its laser lit at that time or since
    awk -v t="$2" -v st="$1" '$4 == "laser" && $5 == st { if ($1 <= t) avant = $6; else if ($6 == "allumé") oui = 1 }
        END { exit !(oui || avant == "allumé") }' "$travail/banc.log"
}

relancer() { # station
    vivant "${pid[$1]:-0}" && return
    "$programme" >>"$travail/programme$1.log" 2>&1 &
    pid[$1]=$!
    echo "${pid[A]:-0} ${pid[B]:-0}" >"$travail/pids"
}

# Answers the start-up boxes until the main window is on screen; with sage set, the way that goes
# on. Returns 1 when the program ended on the way (an answer that ends it) or never showed it.
sage=""
demarrer() { # station
    local st=$1 limite=$((SECONDS + 90)) choix
    while ((SECONDS < limite)); do
        vivant "${pid[$st]}" || return 1
        if principale "$st"; then
            local x=0
            [ "$st" = B ] && x=850
            [ "$F_X" = "$x" ] || pas "$st" "$F_TITRE" deplacer "$x" 0
            return 0
        fi
        if ! trouver "$st" ""; then sleep 0.2; continue; fi
        local titre=$F_TITRE
        pas "$st" "$titre" focus
        tirer 100
        case $titre in
        "Choix du type"*) un_parmi Return Escape; pas "$st" "$titre" touches "$CHOIX" ;;
        "N° de port"*)
            if [ -z "$sage" ] && ((R < 3)); then
                pas "$st" "$titre" touches Escape
            else
                pas "$st" "$titre" touches ctrl+a
                tirer 3
                pas "$st" "$titre" port "$R"
                pas "$st" "$titre" touches Return
            fi
            ;;
        "Test du montage"*) if [ -z "$sage" ] && ((R < 25)); then choix=Return; else choix=Escape; fi
            pas "$st" "$titre" touches "$choix" ;;
        "Branchement"* | "Résultat du test : INCORRECT"*)
            if [ -z "$sage" ] && ((R < 3)); then choix=Escape; else choix=Return; fi
            pas "$st" "$titre" touches "$choix" ;;
        "Mesure de la tension seuil"*) pas "$st" "$titre" touches Return; sleep 1.5 ;;
        "ATTENTION : MESURE"*)
            local t0=$EPOCHREALTIME
            pas "$st" "$titre" touches Return
            sleep 2.5
            # A send of the facing station may begin within the measurement: the user measures
            # again, through Quitter and a new start.
            if allume_depuis "$(facing "$st")" "$t0" && principale "$st"; then
                noter "$st" "seuil mesuré sous la lumière" -
                pas "$st" "$F_TITRE" fermer
                sleep 1
            fi
            ;;
        *) pas "$st" "$titre" touches Return ;;
        esac
        sleep 0.3
    done
    constats+=("$st : fenêtre principale absente 90 s après le démarrage")
    kill "${pid[$st]}"
    return 1
}

# How a process ended: normally (Quitter, the frame's close button, Annuler at start-up), which is
# counted, or otherwise, which is a finding.
fini() { # station
    local rc
    wait "${pid[$1]}" 2>/dev/null
    rc=$?
    noter "$1" "fin $rc" "-"
    if [ "$rc" -eq 0 ]; then
        relances[$1]=$((${relances[$1]:-0} + 1))
        return
    fi
    local cause="code de sortie $rc"
    ((rc > 128)) && cause="signal $((rc - 128)) ($(kill -l $((rc - 128)) 2>/dev/null))"
    constats+=("$1 : le programme s'est arrêté, $cause, à l'action $actions (voir programme$1.log)")
}

remettre() { # station: started again until its main window is on screen
    pas "$1" - relance
    until demarrer "$1"; do
        fini "$1"
        pas "$1" - relance
    done
}

# A replay starts the programs again where its journal does.
declare -A fin_vue=()
verifier() {
    local st
    for st in A B; do
        [ -n "${pid[$st]:-}" ] || continue
        vivant "${pid[$st]}" && continue
        [ "${fin_vue[$st]:-}" = "${pid[$st]}" ] || fini "$st"
        fin_vue[$st]=${pid[$st]}
        if [ -z "$rejouer" ] || [ -n "$sage" ]; then remettre "$st"; fi
    done
}

# --- Random steps ---
touches_seules=(a b e o s z 1 7 space Return Escape Tab shift+Tab Up Down Left Right Home End BackSpace Delete
    ctrl+c ctrl+v ctrl+x ctrl+z ctrl+a shift+Insert F1 alt+c alt+r alt+v alt+p alt+t alt+s alt+a alt+n alt+e
    alt+f Menu)
mnemoniques=(c r v p t s)
textes=(sos e ok 73 "a b" "Été" 12345)
codages=(morse binaire morse-rapide binaire-rapide morse-rapide-30 binaire-rapide-30)

# The "Type de codage" menu, its first entry active once opened.
touches_codage() {
    case $1 in
    morse) T=(alt+t Return) ;;
    binaire) T=(alt+t Down Return) ;;
    morse-rapide) T=(alt+t Down Down Right Return) ;;
    morse-rapide-30) T=(alt+t Down Down Right Down Return) ;;
    binaire-rapide) T=(alt+t Down Down Down Right Return) ;;
    binaire-rapide-30) T=(alt+t Down Down Down Right Down Return) ;;
    esac
}

# A coding from the menu, a short message typed in Texte1, and a click on the coding's send button
# (the Morse buttons share the left place, the binary ones the next).
envoyer() { # station coding text
    principale "$1" || return
    local titre=$F_TITRE
    pas "$1" "$titre" focus
    touches_codage "$2"
    pas "$1" "$titre" touches "${T[@]}"
    principale "$1" || return
    titre=$F_TITRE
    pas "$1" "$titre" clic 300 $((menus + 100)) 1
    pas "$1" "$titre" touches ctrl+a
    pas "$1" "$titre" texte "$3"
    local x=110
    case $2 in binaire*) x=330 ;; esac
    pas "$1" "$titre" clic $x $((menus + 216)) 1
    envois[$2]=$((${envois[$2]:-0} + 1))
}

au_hasard() { # station
    local st=$1 n=0 ids=() titres=() xs=() ys=() ws=() hs=() id p x y w h popup modale titre
    while read -r id p x y w h popup modale titre; do
        ids+=("$id") titres+=("$titre") ws+=("$w") hs+=("$h")
        n=$((n + 1))
    done < <(fenetres "$st")
    ((n > 0)) || return
    tirer "$n"
    local i=$R
    titre=${titres[$i]}
    tirer 100
    if ((R < 32)); then
        local bx by
        tirer "${ws[$i]}"; bx=$R
        tirer "${hs[$i]}"; by=$R
        tirer 20
        if ((R < 2)); then pas "$st" "$titre" double "$bx" "$by"
        else un_parmi 1 1 1 1 1 1 1 3 2; pas "$st" "$titre" clic "$bx" "$by" "$CHOIX"; fi
    elif ((R < 57)); then
        tirer 2; ((R)) && pas "$st" "$titre" focus
        un_parmi "${touches_seules[@]}"
        pas "$st" - touches "$CHOIX"
    elif ((R < 69)); then
        principale "$st" || return
        un_parmi "${mnemoniques[@]}"
        T=(alt+"$CHOIX")
        tirer 12; for ((k = 0; k < R; k++)); do T+=(Down); done
        tirer 3; ((R == 0)) && T+=(Right Down)
        un_parmi Return Return Escape
        T+=("$CHOIX")
        pas "$st" "$F_TITRE" focus
        pas "$st" "$F_TITRE" touches "${T[@]}"
    elif ((R < 77)); then
        tirer 2; ((R)) && pas "$st" - touches ctrl+a
        un_parmi "${textes[@]}"
        pas "$st" - texte "$CHOIX"
    elif ((R < 82)); then
        un_parmi vide vide image fichier texte
        if [ "$CHOIX" = texte ]; then pas "$st" - presse texte "sos"; else pas "$st" - presse "$CHOIX"; fi
    elif ((R < 88)); then
        un_parmi "${codages[@]}"
        local c=$CHOIX
        un_parmi "${textes[@]}"
        envoyer "$st" "$c" "$CHOIX"
    elif ((R < 92)); then
        case $titre in "$titre_principal"*) tirer 8; ((R)) && return ;; esac
        pas "$st" "$titre" fermer
    else
        un_parmi 0.3 0.5 1 2
        pas "$st" - pause "$CHOIX"
    fi
}

# What random use shows without failing: a modal box with a window of its program above it, the
# keyboard focus on none of the programs' windows.
observer() {
    local id p x y w h popup modale titre lignes=() focus
    while read -r id p x y w h popup modale titre; do lignes+=("$modale $popup $p $titre"); done \
        < <("$x11" fenetres "${pid[A]:-0}" "${pid[B]:-0}" 2>/dev/null)
    local i j
    for ((i = 0; i < ${#lignes[@]}; i++)); do
        read -r modale popup p titre <<<"${lignes[$i]}"
        [ "$modale" = 1 ] || continue
        for ((j = i + 1; j < ${#lignes[@]}; j++)); do
            local m2 pop2 p2 t2
            read -r m2 pop2 p2 t2 <<<"${lignes[$j]}"
            [ "$p2" = "$p" ] && [ "$pop2" = 0 ] && [ "$m2" = 0 ] && {
                local cle="boîte « $titre » sous « $t2 »"
                observations[$cle]=$((${observations[$cle]:-0} + 1))
                noter - "observation $cle" -
            }
        done
    done
    focus=$(xdotool getwindowfocus 2>/dev/null)
    if ((${#lignes[@]} > 0)) && ! "$x11" fenetres "${pid[A]:-0}" "${pid[B]:-0}" 2>/dev/null | grep -q "^$focus "; then
        observations["clavier sur aucune fenêtre"]=$((${observations["clavier sur aucune fenêtre"]:-0} + 1))
    fi
}

# --- Each program's share of a core, every second, and whether its window answers ---
# Outside a send means: its laser off and still for 3 s (a fast send's message does not let its
# window answer, by design).
echantillonner() {
    local -A avant=() quand=()
    local st p ticks champs maintenant
    while sleep 1; do
        read -r pA pB <"$travail/pids" 2>/dev/null || continue
        for st in A B; do
            [ "$st" = A ] && p=$pA || p=$pB
            read -ra champs 2>/dev/null <"/proc/$p/stat" || continue
            ticks=$((champs[13] + champs[14])) maintenant=$(micro)
            local envoi=1
            laser_calme "$st" && envoi=0
            [ -n "${avant[$st$p]:-}" ] &&
                echo "$st $((ticks - avant[$st$p])) $((maintenant - quand[$st$p])) $envoi" >>"$travail/cpu.log"
            avant[$st$p]=$ticks quand[$st$p]=$maintenant
        done
    done
}
sonder() {
    local st p id
    while sleep 3; do
        read -r pA pB <"$travail/pids" 2>/dev/null || continue
        for st in A B; do
            [ "$st" = A ] && p=$pA || p=$pB
            laser_calme "$st" || continue
            id=$("$x11" fenetres "$p" | grep " $titre_principal" | cut -d' ' -f1)
            [ -n "$id" ] || continue
            if ! "$x11" ping "$id" 20000 && laser_calme "$st" && vivant "$p"; then
                echo "$st : sa fenêtre n'a pas répondu pendant 20 s hors d'un envoi" >>"$travail/muet.log"
            fi
        done
    done
}

# --- The exchange at the end ---
# Waits until neither laser has changed for long enough: 5 s, or 120 s after a fast send, whose
# receiver records and then downloads for up to a minute (longer in the sanitizers' build).
attendre_calme() {
    local limite=$((SECONDS + 600)) besoin
    while ((SECONDS < limite)); do
        besoin=$(awk -v m="$EPOCHREALTIME" '$4 == "laser" {
                if (($5 in der) && $1 - der[$5] < 0.09) rapide = $1
                der[$5] = $1; dernier = $1; etat[$5] = $6 }
            END {
                b = 0
                if (dernier != "" && m - dernier < 5) b = 5 - (m - dernier)
                if (rapide != "" && m - rapide < 120 && 120 - (m - rapide) > b) b = 120 - (m - rapide)
                for (s in etat) if (etat[s] == "allumé" && b < 1) b = 1
                printf "%d", b + 0.999 }' "$travail/banc.log")
        ((besoin == 0)) && return 0
        sleep "$besoin"
    done
    constats+=("les lasers changent encore 10 min après la fin de l'utilisation au hasard")
}

# Closes the topmost window of the station other than its main window; 1 when there is none.
fermer_une() { # station
    local id p x y w h popup modale titre
    while read -r id p x y w h popup modale titre; do
        case $titre in "$titre_principal"*) continue ;; esac
        if [ "$popup" = 1 ]; then pas "$1" - touches Escape; else pas "$1" "$titre" fermer; fi
        sleep 0.3
        return 0
    done < <(fenetres "$1" | tac)
    return 1
}
fermer_boites() { # station
    principale "$1" || return
    for _ in $(seq 30); do fermer_une "$1" || break; done
}

fermer_tout() {
    local st essai
    for st in A B; do
        for essai in $(seq 30); do
            principale "$st" || { vivant "${pid[$st]}" && demarrer "$st"; }
            verifier
            fermer_une "$st" || break
            verifier
        done
    done
}

echange_final() {
    local de=A vers=B
    tirer 2; ((R)) && de=B vers=A
    if [ -z "$codage_final" ]; then un_parmi morse binaire morse-rapide binaire-rapide; codage_final=$CHOIX; fi
    local message=sos attendu vitesse=(Down Down Down Down Down Down Down Down Down)
    case $codage_final in
    morse) attendu="... (s) --- (o) ... (s) = sos" ;;
    binaire) message=ok attendu=ok ;;
    morse-rapide) attendu=sos vitesse=(Down Down Down Down Down) ;;
    binaire-rapide) message="Ok 25" attendu="Ok 25" vitesse=(Down Down Down Down Down) ;;
    esac
    noter - "échange final $codage_final de $de vers $vers" -
    for st in A B; do
        principale "$st"
        pas "$st" "$F_TITRE" focus
        touches_codage "$codage_final"
        pas "$st" "$F_TITRE" touches "${T[@]}"
        principale "$st"
        pas "$st" "$F_TITRE" touches alt+v "${vitesse[@]}" Return
    done
    sleep 1
    fermer_tout # what a reception that ended meanwhile opened
    envoyer "$de" "$codage_final" "$message"
    local lu=""
    for _ in $(seq 60); do
        sleep 3
        verifier
        principale "$vers" || continue
        pas "$vers" "$F_TITRE" triple 300 $((menus + 430))
        lu=$(xclip -o -selection primary 2>/dev/null | tr -s ' ' | sed 's/^ //; s/ $//')
        [ "$lu" = "$attendu" ] && break
    done
    echo "échange final en $codage_final de $de vers $vers : reçu [$lu], attendu [$attendu]"
    if [ "$lu" != "$attendu" ]; then
        constats+=("échange final en $codage_final : reçu [$lu] au lieu de [$attendu]")
        "$x11" fenetres "${pid[A]}" "${pid[B]}" >"$travail/fenetres.txt"
        command -v import >/dev/null && import -window root "$travail/ecran.png"
    fi
}

# --- A run ---
[ -n "$rejouer" ] || for st in A B; do remettre "$st"; done
echantillonner &
pids+=($!)
sonder &
pids+=($!)

if [ -n "$rejouer" ]; then
    attente_fenetre=10
    while IFS= read -r ligne; do
        [[ $ligne == *" - fin du hasard | -" ]] && break
        [[ $ligne =~ ^[0-9.]+\ ([AB])\ (.*)\ \|\ (.*)$ ]] || continue
        st=${BASH_REMATCH[1]} etape=${BASH_REMATCH[2]} titre=${BASH_REMATCH[3]}
        case $etape in
        "fin "* | absente | observation*) continue ;;
        esac
        read -ra mots <<<"$etape"
        if [ "${mots[0]}" = texte ]; then
            pas "$st" "$titre" texte "${etape#texte }"
        else
            pas "$st" "$titre" "${mots[@]}"
        fi
        verifier
        observer
    done <"$rejouer"
else
    fin=$((SECONDS + duree))
    while ((SECONDS < fin)); do
        un_parmi A B
        au_hasard "$CHOIX"
        verifier
        observer
    done
fi
fin_hasard=$actions
noter - "fin du hasard" -
sage=1 attente_fenetre=1
# A send waits behind a box opened during it (the box's own loop runs above it): the boxes are
# closed first, then the sends they held finish, and what they left open is closed.
fermer_tout
attendre_calme
fermer_tout
echange_final
verifier

# --- Figures ---
[ -s "$travail/muet.log" ] && while IFS= read -r l; do constats+=("$l"); done <"$travail/muet.log"
hz=$(getconf CLK_TCK)
if [ -n "$rejouer" ]; then echo "rejeu de $rejouer : $fin_hasard actions"
else echo "graine $graine, $duree s d'utilisation au hasard : $fin_hasard actions"; fi
echo "$((actions - fin_hasard)) actions pour l'échange final"
echo "relances (Quitter ou autre fin normale) : A ${relances[A]:-0}, B ${relances[B]:-0}"
printf 'envois commencés :'
for c in "${codages[@]}"; do printf ' %s %s,' "$c" "${envois[$c]:-0}"; done
echo
awk -v hz="$hz" '$3 > 0 { pct = 100 * $2 / hz / ($3 / 1e6); if ($4 == 0) { n++; s += pct; if (pct > max) max = pct;
                       if (pct >= 50) haut++; suite[$1] = pct >= 90 ? suite[$1] + 1 : 0;
                       if (suite[$1] > long) long = suite[$1] } else { ne++; if (pct > maxe) maxe = pct } }
    END { printf "processeur hors envoi : %d s·poste, moyenne %.1f %%, maximum %.0f %%, %d s à 50 %% ou plus, plus longue suite à 90 %% ou plus : %d s\n", n, n ? s / n : 0, max, haut, long
          printf "processeur pendant un envoi : %d s·poste, maximum %.0f %%\n", ne, maxe
          exit long >= 5 }' "$travail/cpu.log" ||
    constats+=("un programme a gardé un cœur occupé 5 s ou plus hors d'un envoi (cpu.log)")
for o in "${!observations[@]}"; do echo "observation : $o (${observations[$o]} fois)"; done
for f in A B; do
    if grep -q "ERROR: AddressSanitizer\|runtime error:\|LeakSanitizer" "$travail/programme$f.log"; then
        constats+=("$f : rapport d'un sanitizer (programme$f.log)")
    fi
done
if ((${#constats[@]})); then
    printf 'CONSTAT : %s\n' "${constats[@]}"
    echo "journal des actions, pour --rejouer :"
    cat "$journal"
    [ -z "$garder" ] && garder=$(mktemp -d /tmp/hasard-XXXXXX) && echo "dossier gardé : $garder"
    exit 1
fi
echo "aucun constat"
