#!/usr/bin/env bash
# Screenshot of the assembler workbench under a virtual X server: opens a source with an error, assembles
# it and captures the coloured text with the error line marked.
# Usage: scripts/captura-montador.sh [build folder] [picture.png]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$raiz/build}"
salida="${2:-$raiz/build/captura-montador.png}"
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT

cat > "$trabajo/error.asm" <<'FUENTE'
.ver 1
.data 20
dw a 5
dw b ?
.code
bucle: add a, b
       mov b, c
       beq bucle
FUENTE
mkdir -p "$trabajo/config"
printf '[Velmo]\nshowWelcome=0\n' > "$trabajo/config/Velmo.ini"

export HOME="$trabajo" XDG_CONFIG_HOME="$trabajo/config" XDG_DATA_HOME="$trabajo/data"
export salida build trabajo
xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
    "$build/app/velmo" &
    programa=$!
    sleep 3
    # No window manager: windows are clicked before they take keys. The tool buttons open the
    # workbench, then its "Abrir" and "Montar".
    xdotool mousemove 16 33 click 1; sleep 2
    xdotool mousemove 53 37 click 1; sleep 2
    xdotool type --delay 20 "$trabajo/error.asm"; xdotool key Return; sleep 2
    xdotool mousemove 200 37 click 1; sleep 2
    xdotool key Return; sleep 1
    import -window root "$salida"
    kill "$programa"
'
echo "$salida"
