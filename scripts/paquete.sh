#!/usr/bin/env bash
# Builds the Debian package of Velmo (program, command-line tools, help, examples, manual pages, desktop
# entry, icon, .vlx file type, copyright notice and changelog) in a hardened Release build folder of its
# own, unpacks it into a scratch root to run the installed tools on an installed example, runs lintian when
# present, and prints the package's path.
# Usage: scripts/paquete.sh [build folder]   (default: build-paquete)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$raiz/build-paquete}"

# With Debian's hardening flags; ccache when the machine has it.
cache=()
command -v ccache > /dev/null && cache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMO_TESTS=OFF -DVELMO_BENCHMARKS=OFF \
    -DVELMO_ENDURECER=ON "${cache[@]}"
cmake --build "$build" -j2
(cd "$build" && cpack -G DEB > cpack.log)
paquete="$(ls -t "$build"/velmo_*.deb | head -1)"
dpkg-deb --info "$paquete" | sed -n '/Depends/p'

# Check: unpack it into a scratch root with dpkg and run the installed tools on an installed example.
raizPrueba="$(mktemp -d)"
trap 'rm -rf "$raizPrueba"' EXIT
mkdir -p "$raizPrueba/var/lib/dpkg/info" "$raizPrueba/var/lib/dpkg/updates" "$raizPrueba/trabajo"
touch "$raizPrueba/var/lib/dpkg/status"
dpkg --root="$raizPrueba" --force-depends --force-not-root -i "$paquete" > /dev/null 2>&1
cp -r "$raizPrueba/usr/share/velmo/ejemplos/"* "$raizPrueba/trabajo/"
"$raizPrueba/usr/bin/velmo-montador" "$raizPrueba/trabajo/bucle_v1.asm" > /dev/null
"$raizPrueba/usr/bin/velmo-sim" "$raizPrueba/trabajo/bucle_v1.vlx" --instrucciones 30 --json |
    grep -q '"instrucciones":30'
"$raizPrueba/usr/bin/velmo-evaluar" "$raizPrueba/trabajo/ejercicios/suma_v3.json" \
    "$raizPrueba/trabajo/ejercicios/suma_v3/correcta" > /dev/null
for fichero in usr/bin/velmo usr/share/velmo/simulador.html usr/share/velmo/montador.html \
    usr/share/doc/velmo/copyright usr/share/doc/velmo/changelog.gz \
    usr/share/applications/velmo.desktop usr/share/mime/packages/velmo.xml \
    usr/share/icons/hicolor/scalable/apps/velmo.svg usr/share/man/man1/velmo-sim.1.gz \
    usr/share/man/man1/velmo-evaluar.1.gz; do
    test -f "$raizPrueba/$fichero" || { echo "falta /$fichero en el paquete" >&2; exit 1; }
done
# Debian's own checks, where installed (apt-get install lintian): any error fails the script.
if command -v lintian > /dev/null; then
    lintian --fail-on error "$paquete" >&2
fi
echo "$paquete"
