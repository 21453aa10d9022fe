#!/usr/bin/env bash
# The Windows serial port, test_com_win32.exe under Wine, against optolink-bench running on Linux:
# COM5 and COM6 lead to the bench's interfaces A and B. The bench is stopped a few seconds into
# the last test, which waits for the loss of the port.
# usage: com_win32.sh TEST_COM_WIN32.exe OPTOLINK_BENCH
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
source "$racine/tests/windows/wine_commun.sh"

base=$((20000 + ($$ % 6000) * 2))
"$banc" --ports "$base,$((base + 1))" >"$travail/banc.log" 2>&1 &
pid_banc=$!
for _ in $(seq 50); do grep -q "Ctrl-C" "$travail/banc.log" && break; sleep 0.1; done
dossier="${TMPDIR:-/tmp}/optolink-$(id -u)"
relier_com 5 "$dossier/COM$base" 6 "$dossier/COM$((base + 1))"
export OPTOLINK_COM_A=5 OPTOLINK_COM_B=6

wine_optolink "$essai" --gtest_filter=-*BancArrete*
wine_optolink "$essai" --gtest_filter=*BancArrete* >"$travail/perte.log" 2>&1 &
essai_perte=$!
for _ in $(seq 300); do grep -q "RUN" "$travail/perte.log" && break; sleep 0.1; done
sleep 2
kill "$pid_banc"
statut=0
wait "$essai_perte" || statut=$?
cat "$travail/perte.log"
exit "$statut"
