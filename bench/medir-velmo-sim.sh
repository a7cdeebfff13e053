#!/bin/bash
# CPU time of velmo-sim for the engine's figures: ten million cycles with the trace off, and a million
# cycles with the text trace (to /dev/null), the CSV trace and the VCD trace (to temporary files).
# Usage: bench/medir-velmo-sim.sh [BUILD_DIR] (default: build). Each figure is the median of three runs.
set -euo pipefail
build=${1:-build}
montador=$build/cli/velmo-montador
sim=$build/cli/velmo-sim
carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
fuente=$(dirname "$0")/../examples/bucle_v1.asm
"$montador" "$fuente" -o "$carpeta/bucle.vlx" > /dev/null

# CPU seconds (user + system) of one run.
cpu() {
    TIMEFORMAT='%3U %3S'
    { time "$@" > /dev/null 2>&1; } 2> "$carpeta/tiempo"
    awk '{printf "%.3f", $1 + $2}' "$carpeta/tiempo"
}

mediana() {
    local a b c
    a=$(cpu "$@"); b=$(cpu "$@"); c=$(cpu "$@")
    printf '%s\n%s\n%s\n' "$a" "$b" "$c" | sort -n | sed -n 2p
}

for control in normal optimizado microprogramado; do
    echo "ciclos 10000000 ($control): $(mediana "$sim" "$carpeta/bucle.vlx" --control "$control" --ciclos 10000000) s"
done
echo "traza 1000000 a /dev/null: $(mediana sh -c "\"$sim\" \"$carpeta/bucle.vlx\" --ciclos 1000000 --traza 2> /dev/null") s"
echo "traza-csv 1000000: $(mediana "$sim" "$carpeta/bucle.vlx" --ciclos 1000000 --traza-csv "$carpeta/t.csv") s"
echo "vcd 1000000: $(mediana "$sim" "$carpeta/bucle.vlx" --ciclos 1000000 --vcd "$carpeta/t.vcd") s"
