#!/usr/bin/env bash
# Builds the Debian package of Velmo (program, command-line tools, help, examples, manual pages, desktop
# entry, icon and .vlx file type) in a Release build folder of its own, and prints the package's path.
# Usage: scripts/paquete.sh [build folder]   (default: build-paquete)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$raiz/build-paquete}"

cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMO_TESTS=OFF -DVELMO_BENCHMARKS=OFF
cmake --build "$build" -j2
(cd "$build" && cpack -G DEB > cpack.log)
paquete="$(ls -t "$build"/velmo_*.deb | head -1)"
dpkg-deb --info "$paquete" | sed -n '/Depends/p'
echo "$paquete"
