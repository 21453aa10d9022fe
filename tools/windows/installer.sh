#!/usr/bin/env bash
# Installs the Debian packages the Windows edition is built and proved with: MinGW-w64, Wine, NSIS.
set -euo pipefail
exec bash "$(dirname "$0")/../installer.sh" \
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  wine wine64 nsis zip dpkg-dev qt6-base-dev-tools qt6-translations-l10n librsvg2-bin icoutils
