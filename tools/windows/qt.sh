#!/usr/bin/env bash
# Cross-builds, once per machine, the Qt that optolink's Windows edition needs: Debian's own qt6-base
# source, compiled by MinGW-w64 into a cache folder outside the project (nothing of Qt is committed).
#   bash tools/windows/qt.sh            builds it if it is not already there, and prints its folder
#   OPTOLINK_QT_WINDOWS=/chemin ...     builds it elsewhere (default ~/.cache/optolink/qt6-windows)
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/windows/commun.sh

if [ -f "$QT_WINDOWS/.complet" ]; then
  echo "$QT_WINDOWS"
  exit 0
fi
bash tools/windows/installer.sh

travail="$CACHE_OPTOLINK/qt6-base-source"
mkdir -p "$travail"
if [ ! -d "$travail/source" ]; then
  # Debian's source, through a private apt configuration: the system's lists stay as they are.
  apt_prive="$travail/apt"
  mkdir -p "$apt_prive/sources.list.d" "$apt_prive/lists/partial"
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
    > "$apt_prive/sources.list.d/debian.sources"
  options=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_prive/sources.list.d"
           -o Dir::State::Lists="$apt_prive/lists")
  apt-get "${options[@]}" update -qq
  (cd "$travail" && rm -rf telechargement && mkdir telechargement && cd telechargement \
     && apt-get "${options[@]}" source -qq --download-only qt6-base >/dev/null \
     && dpkg-source -x --no-check ./*.dsc ../source >/dev/null)
fi

echo "Construction de Qt pour Windows dans $QT_WINDOWS : environ 40 minutes sur deux cœurs, une seule fois."
debut=$(date +%s)
construction="$travail/build"
rm -rf "$construction"
# Qt's own toolchain file keeps the path of this one: a copy beside Qt outlives any clone of the project.
mkdir -p "$QT_WINDOWS"
cp cmake/mingw-w64.cmake "$QT_WINDOWS/mingw-w64.cmake"
cmake -S "$travail/source" -B "$construction" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$QT_WINDOWS/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$QT_WINDOWS" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
  -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF \
  -DFEATURE_freetype=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF -DFEATURE_system_textmarkdownreader=OFF \
  >"$travail/configuration.log"
cmake --build "$construction" --parallel 2 >"$travail/construction.log"
cmake --install "$construction" >/dev/null
rm -rf "$construction"
touch "$QT_WINDOWS/.complet"
echo "Qt pour Windows construit en $(( ($(date +%s) - debut) / 60 )) minutes : $(du -sh "$QT_WINDOWS" | cut -f1)." >&2
echo "$QT_WINDOWS"
