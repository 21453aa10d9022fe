#!/usr/bin/env bash
# Cross-builds optolink for Windows and makes what a teacher installs:
#   build/windows/optolink-<version>-installation.exe   the French installer (NSIS)
#   build/windows/optolink-<version>-windows.zip        the same files, to unzip and run
# The first time, it builds the Qt for Windows (tools/windows/qt.sh), about 40 minutes.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/windows/commun.sh
bash tools/installer.sh
bash tools/windows/installer.sh
bash tools/windows/qt.sh >/dev/null
export OPTOLINK_QT_WINDOWS="$QT_WINDOWS"
cmake --preset windows ${CI:+-DCMAKE_COMPILE_WARNING_AS_ERROR=ON} >/dev/null
cmake --build --preset windows

version=$(sed -n 's/^project(optolink VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
sortie=build/windows
dossier=$sortie/paquet/optolink-$version
rm -rf "$sortie/paquet"
cmake --install "$sortie" --prefix "$dossier" >/dev/null
x86_64-w64-mingw32-strip "$dossier"/*.exe

faire_installateur "$version" "$dossier" "$sortie/optolink-$version-installation.exe" "$sortie/optolink/optolink.ico"
rm -f "$sortie/optolink-$version-windows.zip"
(cd "$sortie/paquet" && zip -qr "../optolink-$version-windows.zip" "optolink-$version")
ls -l "$sortie/optolink-$version-installation.exe" "$sortie/optolink-$version-windows.zip" | awk '{print $5, $9}'
