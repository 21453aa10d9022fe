#!/usr/bin/env bash
# optolink-decode.exe under Wine and optolink-decode on Linux read the example recordings, and
# recordings with bytes changed, to the same bytes (but the console's CR LF on Windows): text, JSON
# with the reading, the spreadsheet's table. Run in the recordings' folder, so that the paths they print are the same.
# usage: decodage_identique.sh OPTOLINK_DECODE.exe OPTOLINK_DECODE
set -euo pipefail
racine=$(cd "$(dirname "$0")/../.." && pwd)
windows=$1 linux=$2
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
source "$racine/tests/windows/wine_commun.sh"

cp "$racine"/exemples/*.rrr "$travail"
cd "$travail"
# Recordings a careless hand changed: a line cut, a number in the middle replaced by text, CR LF
# become LF, the end gone.
for f in *.rrr; do
    base=${f%.rrr}
    sed '200s/.*/ 12x/' "$f" >"$base-texte.rrr"
    tr -d '\r' <"$f" >"$base-lf.rrr"
    head -c 30000 "$f" >"$base-coupe.rrr"
done

ecarts=0
comparer() { # NAME ARGUMENTS...
    local nom=$1
    shift
    # What they print and how they end; Wine's own notices on the error output are not the program's.
    local code=0
    "$linux" "$@" >"linux-$nom" 2>/dev/null || code=$?
    echo "fin : $code" >>"linux-$nom"
    code=0
    # A console program ends its lines with CR LF on Windows.
    wine_optolink "$windows" "$@" 2>/dev/null | tr -d '\r' >"windows-$nom" || code=$?
    echo "fin : $code" >>"windows-$nom"
    if ! cmp -s "linux-$nom" "windows-$nom"; then
        echo "différent : optolink-decode $*"
        diff "linux-$nom" "windows-$nom" | head -5
        ecarts=$((ecarts + 1))
    fi
}
n=0
for codage in --morse --binaire; do
    comparer "texte$codage" "$codage" ./*.rrr
    comparer "json$codage" --json --lecture "$codage" --periode 0.8 ./*.rrr
    comparer "direct$codage" --json --live 0.8 "$codage" ./*.rrr
    n=$((n + 3))
    for f in *.rrr; do
        "$linux" "$codage" --csv "linux-$f.csv" "$f" >/dev/null 2>&1 || true
        wine_optolink "$windows" "$codage" --csv "windows-$f.csv" "$f" >/dev/null 2>&1 || true
        cmp -s "linux-$f.csv" "windows-$f.csv" || { echo "tableau différent : $codage $f"; ecarts=$((ecarts + 1)); }
        n=$((n + 1))
    done
done
echo "$n comparaisons sur $(ls ./*.rrr | wc -l) enregistrements, $ecarts différentes"
[ "$ecarts" -eq 0 ]
