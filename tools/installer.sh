#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, or those given as arguments
# (tools/windows/installer.sh gives the Windows edition's). Quiet and quick when nothing is missing.
set -euo pipefail
paquets=("$@")
[ $# -gt 0 ] || paquets=(
  cmake ninja-build g++ pkg-config
  clang-14 libclang-rt-14-dev
  qt6-base-dev qt6-serialport-dev qt6-svg-dev libgl-dev libx11-dev
  qt6-translations-l10n qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool xclip poppler-utils
  fonts-liberation
  dpkg-dev file desktop-file-utils appstream man-db ccache
  gcc-avr avr-libc binutils-avr simavr libsimavr-dev arduino-core-avr
)
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installation de : ${manquants[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${manquants[@]}" >/dev/null
