#!/usr/bin/env bash
# Engine speed (processor time), native against WebAssembly under Node, one run each: velmo-sim native, velmo-sim.js under
# Node (the same program), and the page module (bench/bench-modulo.mjs, with its history); and the size
# of the page module's .wasm, raw and compressed.
# Usage: scripts/medir-web.sh [nativa, por omisión build] [web, por omisión build-web] [ciclos]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
nativa="${1:-$raiz/build}"
web="${2:-$raiz/build-web}"
ciclos="${3:-1000000}"
fuente="$raiz/examples/bucle_v1.asm"
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT

"$nativa/cli/velmo-montador" "$fuente" -o "$trabajo/bucle.vlx" > /dev/null
# Processor time (user + system), not wall time: the figure holds on a busy machine.
mide() {
    local etiqueta="$1"
    shift
    local TIMEFORMAT='%U %S' tiempos
    tiempos=$({ time "$@" "$trabajo/bucle.vlx" --ciclos "$ciclos" > /dev/null; } 2>&1)
    awk -v e="$etiqueta" -v c="$ciclos" -v t="$tiempos" 'BEGIN {
        split(t, p, " "); s = p[1] + p[2]
        printf "%s: %d ciclos en %.3f s de procesador: %d ciclos/s\n", e, c, s, c / s }'
}
mide "velmo-sim nativo" "$nativa/cli/velmo-sim"
mide "velmo-sim.js (Node)" node "$web/cli/velmo-sim.js"
node "$raiz/bench/bench-modulo.mjs" "$web/velmo.js" "$fuente" "$ciclos"
echo "velmo.wasm: $(stat -c %s "$web/velmo.wasm") bytes, $(gzip -9 -c "$web/velmo.wasm" | wc -c) con gzip -9"
