#!/usr/bin/env bash
# Real-time exchanges between two program processes over optolink-bench, under Xvfb, as the
# end-to-end test runs them, repeated: prints how many arrive exactly, for each coding, and the
# bench's own worst lateness during each exchange.
#
# usage: tools/echanges_reels.sh [-n FOIS] [--x3] [--charge] [--usb] [--carte A|B|AB] [--chargeur FICHIER]
#                               [--priorite-ordinaire] [--programme DOSSIER] [--journaux DOSSIER] [CODAGE…]
#   -n FOIS            exchanges per coding (10 by default)
#   --x3               the fast codings at speed x 3 (x 1 by default)
#   --charge           two processes keep both cores busy at normal priority meanwhile
#   --usb              the bench models USB links (optolink-bench --usb)
#   --carte X          simulated boards in place of the interfaces A, B or both (optolink-bench --carte)
#   --chargeur FICHIER boards as sold, restarted in this loader at each opening (optolink-bench --chargeur)
#   --priorite-ordinaire the bench keeps the ordinary priority (optolink-bench --priorite-ordinaire)
#   --programme DOSSIER  where optolink and optolink-bench are (build/default/bin by default)
#   --journaux DOSSIER   keeps, for each exchange that failed, its output with the bench's journal
#                        and a picture of the receiver's signal window
#   CODAGE             morse, binaire, morse-rapide, binaire-rapide (the two fast ones by default)
set -euo pipefail
cd "$(dirname "$0")/.."
fois=10 charge=0 bin=build/default/bin journaux="" codages=()
export BANC_OPTIONS=""
while [ $# -gt 0 ]; do
    case $1 in
    -n) fois=$2; shift ;;
    --x3) export VITESSE_RAPIDE=3 ;;
    --charge) charge=1 ;;
    --usb) BANC_OPTIONS="$BANC_OPTIONS --usb" ;;
    --carte) BANC_OPTIONS="$BANC_OPTIONS --carte $2"; shift ;;
    --chargeur) BANC_OPTIONS="$BANC_OPTIONS --chargeur $2"; shift ;;
    --priorite-ordinaire) BANC_OPTIONS="$BANC_OPTIONS --priorite-ordinaire" ;;
    --programme) bin=$2; shift ;;
    --journaux) journaux=$2; shift; mkdir -p "$journaux" ;;
    *) codages+=("$1") ;;
    esac
    shift
done
BANC_OPTIONS=${BANC_OPTIONS# }
[ ${#codages[@]} -gt 0 ] || codages=(morse-rapide binaire-rapide)

charges=()
arreter() { for p in "${charges[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap arreter EXIT
if [ "$charge" = 1 ]; then
    for _ in 1 2; do
        bash -c 'while :; do :; done' &
        charges+=($!)
    done
fi

declare -A messages=([morse]="sos" [binaire]="a" [morse-rapide]="sos" [binaire-rapide]="Été 25 €")
declare -A attendus=([morse]="... (s) --- (o) ... (s)  =   sos" [binaire]="  a" [morse-rapide]="sos"
                     [binaire-rapide]="Été 25 €")
for codage in "${codages[@]}"; do
    reussis=0 retards=""
    for i in $(seq "$fois"); do
        image=""
        [ -n "$journaux" ] && image="$journaux/$codage-$i.png"
        if sortie=$(SIGNAL=$image bash tests/e2e/echange_reel.sh "$codage" "$bin/optolink" "$bin/optolink-bench" \
            "${messages[$codage]}" "${attendus[$codage]}" 2>&1); then
            reussis=$((reussis + 1))
            [ -n "$image" ] && rm -f "$image"
        else
            echo "  $codage, essai $i : $(echo "$sortie" | grep '^reçu' || echo "$sortie" | tail -1)"
            echo "    $(echo "$sortie" | grep '^VERDICT' || true)"
            [ -n "$journaux" ] && echo "$sortie" >"$journaux/$codage-$i.txt"
        fi
        retards="$retards $(echo "$sortie" | sed -nE "s/^retards du banc pendant l'échange : .*jusqu'à ([0-9.]+) ms/\1/p")"
    done
    echo "$codage${BANC_OPTIONS:+ ($BANC_OPTIONS)}$([ "$charge" = 1 ] && echo ", sous charge") : $reussis / $fois" \
         "(retard du banc le plus grand de chaque échange, ms :$retards)"
done
