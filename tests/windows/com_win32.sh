#!/usr/bin/env bash
# The Windows serial port, test_com_win32.exe under Wine, against the simulated bench: the bench of
# Linux, COM5 and COM6 leading to its interfaces A and B; or the bench of Windows
# (optolink-bench.exe, under Wine too), whose named pipes the port rule finds under their own
# numbers. The bench is stopped a few seconds into the last test, which waits for the loss of the port.
# usage: com_win32.sh TEST_COM_WIN32.exe OPTOLINK_BENCH[.exe]
set -euo pipefail
racine=$(cd "$(dirname "$0")/../.." && pwd)
essai=$1 banc=$2
travail=$(mktemp -d)
pid_banc=
finir() {
    [ -z "$pid_banc" ] || kill "$pid_banc" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$travail"
}
trap finir EXIT
case $banc in *.exe) export PREFIXE_WINE=wine-banc ;; esac
source "$racine/tests/windows/wine_commun.sh"

base=$((20000 + ($$ % 6000) * 2))
if [ -n "${PREFIXE_WINE:-}" ]; then
    # Driven by its input, as the demonstration drives it: « quitter » stops it.
    mkfifo "$travail/commandes"
    wine_optolink "$banc" --ports "$base,$((base + 1))" --commandes <"$travail/commandes" >"$travail/banc.log" 2>&1 &
    pid_banc=$!
    exec 4>"$travail/commandes"
    arreter_banc() { echo quitter >&4; }
    export OPTOLINK_COM_A=$base OPTOLINK_COM_B=$((base + 1)) OPTOLINK_TUBES=1
else
    "$banc" --ports "$base,$((base + 1))" >"$travail/banc.log" 2>&1 &
    pid_banc=$!
    arreter_banc() { kill "$pid_banc"; }
fi
for _ in $(seq 300); do grep -q "Ctrl-C" "$travail/banc.log" && break; sleep 0.1; done
grep -q "Ctrl-C" "$travail/banc.log" || { cat "$travail/banc.log"; echo "le banc n'a pas démarré" >&2; exit 1; }
if [ -z "${PREFIXE_WINE:-}" ]; then
    dossier="${TMPDIR:-/tmp}/optolink-$(id -u)"
    relier_com 5 "$dossier/COM$base" 6 "$dossier/COM$((base + 1))"
    export OPTOLINK_COM_A=5 OPTOLINK_COM_B=6
fi

wine_optolink "$essai" --gtest_filter=-*BancArrete*
wine_optolink "$essai" --gtest_filter=*BancArrete* >"$travail/perte.log" 2>&1 &
essai_perte=$!
for _ in $(seq 300); do grep -q "RUN" "$travail/perte.log" && break; sleep 0.1; done
sleep 2
arreter_banc
statut=0
wait "$essai_perte" || statut=$?
cat "$travail/perte.log"
exit "$statut"
