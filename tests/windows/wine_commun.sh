# Sourced by the Windows tests: Wine as the Windows edition runs there (tools/windows/wine.sh), and
# a COM number of Wine's led to a port of the bench, through the key HKLM\Software\Wine\Ports that
# Wine reads when its server starts.
# Needs: $racine (the project's folder).
source "$racine/tools/windows/commun.sh"
# A prefix of their own: leading a COM number elsewhere restarts Wine's server, which must not end
# the Windows programs of other tests running meanwhile. The tests on the Windows bench alone lead
# no COM number: they share another prefix (PREFIXE_WINE=wine-banc), two of them at a time.
export WINEPREFIX="$CACHE_OPTOLINK/${PREFIXE_WINE:-wine-ports}"
wine_optolink() { "$racine/tools/windows/wine.sh" "$@"; }

# relier_com N CHEMIN...: COMn of the Windows programs is the device at CHEMIN (pairs of them). The
# key keeps the mapping when Wine makes its devices again; the link in dosdevices, made here too,
# holds at once, where Wine's own would come a moment after its server starts.
relier_com() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    while [ $# -ge 2 ]; do
        wine_optolink reg add 'HKLM\Software\Wine\Ports' /v "COM$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1
        ln -sfn "$2" "$WINEPREFIX/dosdevices/com$1"
        shift 2
    done
}

# A fresh folder ($travail) and the processes a test starts in the background ($pids), cleaned up
# when the test ends, however it ends.
preparer_travail() {
    travail=$(mktemp -d)
    pids=()
    trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; rm -rf "$travail"' EXIT
}
# A screen of the test's own, of the given size (WIDTHxHEIGHT): DISPLAY is set to it.
ecran_propre() {
    exec 3>"$travail/affichage"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$travail/affichage" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -1 "$travail/affichage")"
}
