#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: normal build, then under ASan + UBSan;
# then a short run of every fuzzing harness; then, where the Qt for Windows has been built on this
# machine (tools/windows/qt.sh), the Windows edition under Wine. Here, as in CI, a warning is an error
# (the firmware's too); the presets alone keep them warnings, so that work in progress still builds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/installer.sh
for preset in default sanitize; do
  echo "== préréglage $preset"
  cmake --preset "$preset" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
echo "== fuzzing"
bash tools/fuzz.sh 20
echo "== édition Windows"
source tools/windows/commun.sh
if [ -f "$QT_WINDOWS/.complet" ]; then
  CI=true bash tools/windows/construire.sh
  OPTOLINK_QT_WINDOWS="$QT_WINDOWS" ctest --preset windows
else
  echo "Tests Windows non lancés : le Qt pour Windows n'est pas construit sur cette machine" \
       "(bash tools/windows/qt.sh, environ 40 minutes, une seule fois)."
fi
