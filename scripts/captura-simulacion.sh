#!/usr/bin/env bash
# Screenshot of a running simulation under a virtual X server: assembles an example, opens it in the
# program, runs a few instructions, sets a breakpoint with a click on the memory view and captures the
# screen, then opens the ALU details and captures again. Usage: scripts/captura-simulacion.sh [build folder] [picture.png]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$raiz/build}"
salida="${2:-$raiz/build/captura-simulacion.png}"
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT

cp "$raiz/examples/suma_vector_v2.asm" "$trabajo/"
"$build/cli/velmo-montador" "$trabajo/suma_vector_v2.asm" > /dev/null

# The user's settings live in the temporary folder: no welcome dialog, no breakpoint notice.
mkdir -p "$trabajo/config"
printf '[Velmo]\nshowWelcome=0\nnoInfoBreakpoint=1\n' > "$trabajo/config/Velmo.ini"

export HOME="$trabajo" XDG_CONFIG_HOME="$trabajo/config" XDG_DATA_HOME="$trabajo/data"
export salida build trabajo
xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
    "$build/app/velmo" "$trabajo/suma_vector_v2.vlx" &
    programa=$!
    sleep 4
    ventana=$(xdotool search --onlyvisible --name "^Velmo$" | head -1)
    # No window manager: the frame is sized by hand and clicked before it takes keys.
    xdotool windowsize "$ventana" 1280 1000
    sleep 1
    xdotool mousemove 300 300 click 1
    for i in 1 2 3 4; do xdotool key F7; sleep 0.3; done
    # The address of row 5 of the memory view: a breakpoint there.
    xdotool mousemove 640 169 click 1
    sleep 1
    import -window root "$salida"
    # The ALU tool button: the modified machine'"'"'s ALU with its constant 0.
    xdotool mousemove 361 32 click 1
    sleep 1
    import -window root "${salida%.png}-alu.png"
    kill "$programa"
'
echo "$salida ${salida%.png}-alu.png"
