# The folders the Windows scripts share; sourced, not run.
CACHE_OPTOLINK="${XDG_CACHE_HOME:-$HOME/.cache}/optolink"
QT_WINDOWS="${OPTOLINK_QT_WINDOWS:-$CACHE_OPTOLINK/qt6-windows}"
# Wine's prefix for the Windows edition's tests and tools, made once.
export WINEPREFIX="${WINEPREFIX:-$CACHE_OPTOLINK/wine}"
