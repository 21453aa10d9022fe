# Sourced by the real-time tests: a free Xvfb display of the given size, two port numbers no other
# run uses (within the 16-bit range the port question accepts), and optolink-bench on them with
# its journal of the lasers, each line stamped with the epoch time it was written at; BANC_OPTIONS
# adds options to the bench's command line (--usb…).
# Needs: $travail (a fresh folder), $banc (the bench) and the array pids, which gets the servers.
ecran_et_banc() { # WIDTHxHEIGHT
    exec 3>"$travail/affichage"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$travail/affichage" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -1 "$travail/affichage")"
    base=$((20000 + ($$ % 6000) * 2))
    portA=$base portB=$((base + 1))
    # The bench of Windows (optolink-bench.exe) runs under Wine; its lines end in CR LF.
    local commande=("$banc")
    case $banc in *.exe) commande=("$(dirname "${BASH_SOURCE[0]}")/../../tools/windows/wine.sh" "$banc") ;; esac
    # shellcheck disable=SC2086
    "${commande[@]}" --ports "$portA,$portB" --journal-ea0 ${BANC_OPTIONS:-} \
        > >(while IFS= read -r ligne; do printf '%s %s\n' "$EPOCHREALTIME" "${ligne%$'\r'}"; done >"$travail/banc.log") 2>&1 &
    pids+=($!)
    for _ in $(seq 300); do grep -q "Ctrl-C" "$travail/banc.log" 2>/dev/null && break; sleep 0.1; done
}
