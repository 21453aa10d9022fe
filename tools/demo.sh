#!/usr/bin/env bash
# Installs what is missing, builds, starts the simulated interface bench and two program windows,
# one per simulated interface: the first window answers port 1, the second port 2.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/installer.sh
cmake --preset default >/dev/null
cmake --build --preset default --target optolink optolink-bench
bin=build/default/bin

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Aucun écran graphique (DISPLAY) : lancez cette commande depuis une session graphique." >&2
  exit 1
fi

"$bin/optolink-bench" --ports 1,2 --journal &
banc=$!
trap 'kill $banc 2>/dev/null; wait $banc 2>/dev/null' EXIT
sleep 1
echo "Fenêtre 1 : répondre 1 au numéro de port.  Fenêtre 2 : répondre 2."
"$bin/optolink" &
premier=$!
"$bin/optolink" &
second=$!
wait $premier $second
