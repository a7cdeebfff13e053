#!/usr/bin/env bash
# Builds velmo-evaluar for Node (WebAssembly, with emcc) and checks that it grades the example exercises
# exactly as the native build does: the same table, CSV, JUnit and JSON, byte for byte.
#   bash scripts/evaluar-node.sh [carpeta de compilación nativa]
# Needs the packages emscripten and nodejs. Builds in build-node/.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
nativo="${1:-$raiz/build}/cli/velmo-evaluar"
destino="$raiz/build-node"
mkdir -p "$destino/inc" "$destino/paquetes/nlohmann_json" "$destino/paquetes/CLI11"

# The header-only libraries from the system, without the rest of /usr/include (the C library there is not
# the WebAssembly one).
ln -sfn /usr/include/nlohmann "$destino/inc/nlohmann"
ln -sfn /usr/include/CLI "$destino/inc/CLI"
for p in nlohmann_json:nlohmann_json CLI11:CLI11; do
    paquete="${p%%:*}"
    echo "add_library(${p/:/::} INTERFACE IMPORTED)
set_target_properties(${p/:/::} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES \"$destino/inc\")" \
        > "$destino/paquetes/$paquete/${paquete}Config.cmake"
done

# Link without the JavaScript optimizer (it needs the acorn module, which Debian's emscripten does not bring).
emcmake cmake -S "$raiz" -B "$destino/compilacion" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMO_GUI=OFF \
    -DVELMO_TESTS=OFF -DVELMO_BENCHMARKS=OFF -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=BOTH \
    -Dnlohmann_json_DIR="$destino/paquetes/nlohmann_json" -DCLI11_DIR="$destino/paquetes/CLI11" \
    "-DCMAKE_CXX_FLAGS=-pthread -fexceptions" \
    "-DCMAKE_EXE_LINKER_FLAGS_RELEASE=-O0" \
    "-DCMAKE_EXE_LINKER_FLAGS=-pthread -fexceptions -sNODERAWFS=1 -sPTHREAD_POOL_SIZE=4 -sINITIAL_MEMORY=268435456 -sEXIT_RUNTIME=1" \
    > "$destino/configuracion.log"
nice -n 5 cmake --build "$destino/compilacion" --target velmo-evaluar

# Node's own fetch would take the .wasm path for a URL.
node_evaluar=(node --no-experimental-fetch "$destino/compilacion/cli/velmo-evaluar.js")
cd "$raiz/examples/ejercicios"
fallos=0
for ejercicio in multiplicacion_v1 suma_v3; do
    for programa in nativo node; do
        if [ "$programa" = nativo ]; then orden=("$nativo"); else orden=("${node_evaluar[@]}"); fi
        set +e
        "${orden[@]}" "$ejercicio.json" "$ejercicio"/*/ --csv "$destino/$programa.csv" \
            --junit "$destino/$programa.xml" > "$destino/$programa.txt"
        echo $? >> "$destino/$programa.txt"
        "${orden[@]}" "$ejercicio.json" "$ejercicio"/*/ --json > "$destino/$programa.json"
        set -e
    done
    for f in txt csv xml json; do
        if ! cmp -s "$destino/nativo.$f" "$destino/node.$f"; then
            echo "$ejercicio: la salida $f de Node difiere de la nativa" >&2
            fallos=1
        fi
    done
done
[ $fallos -eq 0 ] && echo "Node y la compilación nativa evalúan igual los dos ejercicios de ejemplo."
exit $fallos
