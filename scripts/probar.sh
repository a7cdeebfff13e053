#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then runs the whole suite again, the
# window tests included (offscreen), under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/instalar-dependencias.sh"

cmake -S "$raiz" -B "$raiz/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$raiz/build"
ctest --test-dir "$raiz/build" --output-on-failure

# No benchmarks and no libFuzzer targets in this tree: it only runs the tests.
cmake -S "$raiz" -B "$raiz/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMO_SANITIZE=ON \
    -DVELMO_GUI=ON -DVELMO_BENCHMARKS=OFF -DVELMO_FUZZ=OFF
cmake --build "$raiz/build-sanitize"
ctest --test-dir "$raiz/build-sanitize" --output-on-failure
