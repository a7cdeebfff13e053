#!/usr/bin/env bash
# Installs what is missing, builds everything (the WebAssembly build and the web site too) and runs every
# test, those of the command-line tools against both builds and the site's in a headless browser; then runs
# the whole native suite again, the window tests included (offscreen), under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/instalar-dependencias.sh"

# Repeated runs on one machine reuse what they compiled before, whatever folder the checkout is in.
lanzador=()
if command -v ccache > /dev/null; then
    export CCACHE_BASEDIR="$raiz"
    lanzador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

bash "$raiz/scripts/web.sh" --solo-compilar
cmake -S "$raiz" -B "$raiz/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMO_COMPILACION_WEB="$raiz/build-web" \
    "${lanzador[@]}"
cmake --build "$raiz/build"
ctest --test-dir "$raiz/build" --output-on-failure
# The web site in Debian's Chromium, headless.
(cd "$raiz/web" && node --test --test-concurrency=1 pruebas/)

# No benchmarks and no libFuzzer targets in this tree: it only runs the tests. The tools under Node were
# tested above; the sanitizers watch the native code.
cmake -S "$raiz" -B "$raiz/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMO_SANITIZE=ON \
    -DVELMO_GUI=ON -DVELMO_BENCHMARKS=OFF -DVELMO_FUZZ=OFF "${lanzador[@]}"
cmake --build "$raiz/build-sanitize"
ctest --test-dir "$raiz/build-sanitize" --output-on-failure -LE web
