#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/instalar-dependencias.sh"
cmake -S "$raiz" -B "$raiz/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$raiz/build"
exec "$raiz/build/app/velmo" "$@"
