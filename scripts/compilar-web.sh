#!/usr/bin/env bash
# Builds the WebAssembly targets (Release) into build-web/ from the same CMake project, with Debian's
# Emscripten: the command-line tools run as `node build-web/cli/velmo-sim.js ARGUMENTOS`.
# Usage: scripts/compilar-web.sh [carpeta de compilación, por omisión build-web]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
destino="${1:-$raiz/build-web}"

for orden in emcmake node; do
    if ! command -v "$orden" > /dev/null; then
        echo "Falta $orden: ejecute scripts/instalar-dependencias.sh" >&2
        exit 1
    fi
done
# Emscripten's optimizer loads acorn, which Debian installs (node-acorn) outside Node's own search path.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

lanzador=()
if command -v ccache > /dev/null; then
    lanzador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
emcmake cmake -S "$raiz" -B "$destino" -G Ninja -DCMAKE_BUILD_TYPE=Release "${lanzador[@]}"
cmake --build "$destino"
