#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: normal build, then under ASan + UBSan;
# then a short run of every fuzzing harness.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/installer.sh
for preset in default sanitize; do
  echo "== préréglage $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
echo "== fuzzing"
bash tools/fuzz.sh 20
