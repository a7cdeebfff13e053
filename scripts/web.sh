#!/usr/bin/env bash
# Builds the Velmo web site (the WebAssembly module and the page) into build-web/sitio/ and serves it on
# localhost. The folder build-web/sitio/ is the whole site: copy it to any static host, in any sub-folder.
# Usage: scripts/web.sh [--solo-compilar] [--puerto N]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
solo_compilar=0
puerto=8080
while [ $# -gt 0 ]; do
    case "$1" in
        --solo-compilar) solo_compilar=1 ;;
        --puerto) puerto="$2"; shift ;;
        *) echo "Uso: scripts/web.sh [--solo-compilar] [--puerto N]" >&2; exit 2 ;;
    esac
    shift
done

bash "$raiz/scripts/compilar-web.sh" "$raiz/build-web"
cd "$raiz/web"
# The lock file fixes every package; npm ci downloads no browser (playwright-core brings none).
if [ ! -d node_modules ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
    npm ci --no-audit --no-fund
fi
npx tsc --noEmit -p .
npx vite build --logLevel warn
node herramientas/completar-sitio.mjs "$raiz/build-web/sitio" "$raiz/build-web"

if [ "$solo_compilar" = 0 ]; then
    exec node herramientas/servidor.mjs "$raiz/build-web/sitio" "$puerto"
fi
