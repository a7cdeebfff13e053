#!/usr/bin/env bash
# Runs the libFuzzer targets, one after another, for a given time each.
#   scripts/fuzz.sh [SEGUNDOS] [OBJETIVO...]   (objetivos: montador ejecutable microprograma resaltador)
# Each run starts from the committed corpus of its target (fuzz/corpus/OBJETIVO) plus its regression
# inputs, grows a working copy in build-fuzz/trabajo/OBJETIVO, and leaves any crashing input in
# build-fuzz/fallos/OBJETIVO. The committed corpus is never touched: minimise by hand with -merge=1.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
segundos="${1:-600}"
shift || true
objetivos=("$@")
if [ ${#objetivos[@]} -eq 0 ]; then
    objetivos=(montador ejecutable microprograma resaltador)
fi
construccion="$raiz/build-fuzz"

cmake -S "$raiz" -B "$construccion" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DVELMO_FUZZ=ON -DVELMO_GUI=OFF -DVELMO_TESTS=OFF \
    -DVELMO_BENCHMARKS=OFF >/dev/null
cmake --build "$construccion" -j2 --target $(printf 'fuzz_%s ' "${objetivos[@]}")

for objetivo in "${objetivos[@]}"; do
    trabajo="$construccion/trabajo/$objetivo"
    fallos="$construccion/fallos/$objetivo"
    mkdir -p "$trabajo" "$fallos"
    semillas=("$raiz/fuzz/corpus/$objetivo")
    if [ -d "$raiz/fuzz/regresiones/$objetivo" ]; then
        semillas+=("$raiz/fuzz/regresiones/$objetivo")
    fi
    echo "== $objetivo: $segundos s"
    # Long sources and files are cut to what the program reads anyway (a .vlx is 7740 bytes).
    "$construccion/fuzz/fuzz_$objetivo" "$trabajo" "${semillas[@]}" \
        -max_total_time="$segundos" -max_len=8192 -timeout=20 -rss_limit_mb=2048 \
        -artifact_prefix="$fallos/" -print_final_stats=1 2>&1 | tee "$construccion/$objetivo.log" |
        grep -E '^(#[0-9]+ +(INITED|DONE)|stat::|==[0-9]+==ERROR|SUMMARY|artifact)' || true
done
