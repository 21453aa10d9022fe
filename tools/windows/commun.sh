# The folders the Windows scripts share; sourced, not run.
CACHE_OPTOLINK="${XDG_CACHE_HOME:-$HOME/.cache}/optolink"
QT_WINDOWS="${OPTOLINK_QT_WINDOWS:-$CACHE_OPTOLINK/qt6-windows}"
# Wine's prefix for the Windows edition's tests and tools, made once.
export WINEPREFIX="${WINEPREFIX:-$CACHE_OPTOLINK/wine}"

# faire_installateur VERSION FOLDER INSTALLER.exe ICON.ico [makensis options...]: the installer of
# the folder's files, whose uninstaller removes exactly the files installed, then the folders they
# leave empty.
faire_installateur() {
  local version=$1 dossier=$2 sortie=$3 icone=$4 liste
  shift 4
  liste=$(mktemp --suffix=.nsh)
  (cd "$dossier"
   find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
   find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') >"$liste"
  makensis -V2 "$@" -DVERSION="$version" -DDOSSIER="$(realpath "$dossier")" -DFICHIERS_INSTALLES="$liste" \
    -DICONE="$(realpath "$icone")" -DSORTIE="$(realpath -m "$sortie")" \
    "$(dirname "${BASH_SOURCE[0]}")/../../packaging/windows/optolink.nsi"
  rm -f "$liste"
}
