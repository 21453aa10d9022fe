#!/usr/bin/env bash
# Installs what is missing, builds, and starts the demonstration without hardware: the simulated
# bench and two program windows, with the launcher's window that says what to answer in each
# (1 in the first, 2 in the second). Closing the launcher's window stops everything.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/installer.sh
cmake --preset default >/dev/null
cmake --build --preset default --target optolink optolink-bench optolink-demonstration

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Aucun écran graphique (DISPLAY) : lancez cette commande depuis une session graphique." >&2
  exit 1
fi
exec build/default/bin/optolink-demonstration
