#!/usr/bin/env bash
# tools/fuzz.sh [SECONDES [HARNAIS...]]: builds the fuzz preset and runs each harness (all of them
# by default) for SECONDES (20 by default), with a time limit per input and leak detection, two
# at a time; then prints per harness the inputs executed, the coverage reached (libFuzzer's
# cov and ft) and the findings. Exits non-zero on any finding; the input that caused it is kept in
# build/fuzz/artefacts/, the fuzzer's output in build/fuzz/journaux/.
set -euo pipefail
cd "$(dirname "$0")/.."
duree=${1:-20}
shift $(($# > 0 ? 1 : 0))
harnais=("$@")
[ ${#harnais[@]} -gt 0 ] || harnais=(fuzz_rrr fuzz_telechargement fuzz_reponse_ea0 fuzz_commandes fuzz_noms)
limite_entree_s=5
build=build/fuzz

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p "$build/artefacts" "$build/journaux"
"$build/bin/fuzz_semences" "$build/corpus" exemples/*.rrr

# The reader of a file allocates a 16 KiB buffer for every line: with the default quarantine and
# the filling of new blocks, page faults and memset took most of the time.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=8:max_malloc_fill_size=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

compter() { find "$build/artefacts" -name "$1-$2-*" | wc -l; }
# Two harnesses at a time, one per core; each keeps its exit status beside its journal.
lancer() { # harness
  local h=$1 statut=0 corpus=("$build/corpus/$1")
  [ -d "tests/fuzz/corpus/$h" ] && corpus+=("tests/fuzz/corpus/$h")
  nice -n 10 "$build/bin/$h" -max_total_time="$duree" -timeout="$limite_entree_s" -detect_leaks=1 \
    -print_final_stats=1 -artifact_prefix="$build/artefacts/$h-" "${corpus[@]}" >"$build/journaux/$h.txt" 2>&1 \
    || statut=$?
  echo "$statut" >"$build/journaux/$h.statut"
}
en_cours=0
for h in "${harnais[@]}"; do
  rm -f "$build/artefacts/$h-"*
  mkdir -p "$build/corpus/$h"
  echo "== $h, $duree s"
  if ((en_cours == 2)); then wait -n; en_cours=1; fi
  lancer "$h" &
  en_cours=$((en_cours + 1))
done
wait

lignes=()
echec=0
for h in "${harnais[@]}"; do
  journal="$build/journaux/$h.txt"
  statut=$(cat "$build/journaux/$h.statut")
  entrees=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal" | tail -n 1)
  couverture=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$journal" | tail -n 1 || true)
  plantages=$(($(compter "$h" crash) + $(compter "$h" oom) + $(compter "$h" deadly)))
  blocages=$(compter "$h" timeout)
  fuites=$(compter "$h" leak)
  if [ "$statut" -ne 0 ] || [ $((plantages + blocages + fuites)) -ne 0 ]; then
    echec=1
    tail -n 40 "$journal"
  fi
  lignes+=("$(printf '%-20s %12s %8s %8s %10s %9s %7s %7s' "$h" "${entrees:-?}" \
    "$(awk '{print $2}' <<<"$couverture")" "$(awk '{print $4}' <<<"$couverture")" \
    "$plantages" "$blocages" "$fuites" "$statut")")
done

printf '\n%-20s %12s %8s %8s %10s %9s %7s %7s\n' harnais entrées cov ft plantages blocages fuites sortie
printf '%s\n' "${lignes[@]}"
exit "$echec"
