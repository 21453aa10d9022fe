#!/usr/bin/env bash
# Runs a program of the Windows edition under Wine, as the cross-build's emulator and the Windows
# tests do: its own Wine prefix, made once, the DLLs of the cross-built Qt and of the MinGW runtime
# within reach, and Wine's notices silenced.
#   tools/windows/wine.sh PROGRAMME.exe [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/commun.sh"
export WINEDEBUG="${WINEDEBUG:--all}"
# No offer to install Mono or Gecko: nothing here needs them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  (flock 9; [ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1; wineserver --wait) 9>"$WINEPREFIX.verrou"
fi
# Windows programs draw on the Windows platform of Qt, which Wine shows on X: a screen of their own
# when none is given, from a random first number so that two tests started together get two.
[ -n "${DISPLAY:-}" ] || exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
windows() { printf 'Z:%s' "${1//\//\\}"; }
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="$(windows "$QT_WINDOWS/bin");$(windows "$runtime");$(windows /usr/x86_64-w64-mingw32/lib)"
exec wine "$@"
