#!/usr/bin/env bash
# Pictures of the help documents, taken from the real program under a virtual X server so they show what
# the program really shows. Each picture comes from a fresh start of the program with its own temporary
# HOME and XDG folders: the user's real settings and file association are never touched.
# Usage: scripts/capturas-ayuda.sh [build folder]   (writes resources/ayuda/imagenes/*.png)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$raiz/build}" && pwd)"
destino="$raiz/resources/ayuda/imagenes"
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
mkdir -p "$destino"

for ejemplo in bucle_v1 suma_vector_v2 multiplicacion_v3; do
    cp "$raiz/examples/$ejemplo.asm" "$trabajo/"
    "$build/cli/velmo-montador" "$trabajo/$ejemplo.asm" > /dev/null
done
cp "$raiz/examples/multiplicacion_v3.mpr" "$trabajo/"

# Runs one capture session: $1 shows the welcome dialog (1/0), $2 is the session's bash code, which finds
# the program in $velmo, the work folder in $trabajo and writes its pictures to $capturas.
sesion() {
    local bienvenida="$1" codigo="$2" casa
    casa="$(mktemp -d -p "$trabajo")"
    mkdir -p "$casa/config"
    printf '[Velmo]\nshowWelcome=%s\nnoInfoBreakpoint=1\n' "$bienvenida" > "$casa/config/Velmo.ini"
    HOME="$casa" XDG_CONFIG_HOME="$casa/config" XDG_DATA_HOME="$casa/data" XDG_RUNTIME_DIR="$casa" \
        velmo="$build/app/velmo" trabajo="$trabajo" capturas="$destino" \
        xvfb-run -a -s '-screen 0 1280x1024x24' bash -euc "
        ventana() { for i in \$(seq 40); do
                        w=\$(xdotool search --onlyvisible --name \"\$1\" 2>/dev/null | head -1 || true)
                        [ -n \"\$w\" ] && { echo \"\$w\"; return; }; sleep 0.25; done; echo \"no aparece: \$1\" >&2; exit 1; }
        # No window manager: a window takes keys only after a click on it.
        enfoca() { xdotool windowactivate --sync \"\$1\" 2>/dev/null || true
                   eval \$(xdotool getwindowgeometry --shell \"\$1\")
                   xdotool mousemove \$((X + WIDTH / 2)) \$((Y + HEIGHT - 8)) click 1; sleep 0.3; }
        foto() { import -window \"\$1\" \"\$capturas/\$2\"; }
        $codigo"
}

# Welcome dialog.
sesion 1 '
    "$velmo" & programa=$!
    foto "$(ventana "^Bienvenido a Velmo$")" bienvenida.png
    kill $programa'

# The assembler workbench after assembling an example: open it, open the source with the tool button
# "Abrir" and the file dialog's name field, assemble.
sesion 0 '
    "$velmo" & programa=$!
    ventana "^Velmo$" > /dev/null
    xdotool mousemove 400 300 click 1; sleep 0.3; xdotool key ctrl+e; sleep 1.5
    montador=$(ventana "^Montador de Velmo")
    xdotool mousemove 53 37 click 1; sleep 1.5
    eval $(xdotool getwindowgeometry --shell "$(ventana "^Abrir")")
    xdotool mousemove $((X + 300)) $((Y + HEIGHT - 54)) click 1; sleep 0.3
    xdotool type --delay 20 "$trabajo/bucle_v1.asm"; xdotool key Return; sleep 1.5
    xdotool mousemove 300 200 click 1; xdotool key ctrl+m; sleep 1
    foto "$montador" montador.png
    kill $programa'

# A simulation of the modified machine: a few instructions, a breakpoint, then the ALU details.
sesion 0 '
    "$velmo" "$trabajo/suma_vector_v2.vlx" & programa=$!
    principal=$(ventana "^Velmo$"); xdotool windowsize "$principal" 1280 1000; sleep 1
    xdotool mousemove 300 300 click 1
    for i in 1 2 3 4; do xdotool key F7; sleep 0.3; done
    xdotool mousemove 640 169 click 1; sleep 1
    foto "$principal" simulacion.png
    xdotool mousemove 361 32 click 1; sleep 1
    foto "$(ventana "Alu|ALU")" alu.png
    kill $programa'

# The microprogram editor of a version-3 program, with the example's microprogram loaded through its
# "Abrir..." button and the file dialog's name field.
sesion 0 '
    "$velmo" "$trabajo/multiplicacion_v3.vlx" & programa=$!
    editor=$(ventana "^Microprograma - ")
    eval $(xdotool getwindowgeometry --shell "$editor")
    xdotool mousemove $((X + WIDTH / 2)) $((Y + 10)) click 1; sleep 0.3
    xdotool key alt+a; sleep 1.5
    eval $(xdotool getwindowgeometry --shell "$(ventana "^Abrir")")
    xdotool mousemove $((X + 300)) $((Y + HEIGHT - 54)) click 1; sleep 0.3
    xdotool type --delay 20 "$trabajo/multiplicacion_v3.mpr"; xdotool key Return; sleep 1.5
    foto "$(ventana "^Microprograma - ")" editor-microprograma.png
    kill $programa'

# The datapath and the state machine of the normal hard-wired control: the program's own pictures,
# drawn with the renderer the program uses.
dibujos="$trabajo/dibujos"
bash "$raiz/scripts/dibujar-imagenes.sh" "$dibujos" 1 > /dev/null
cp "$dibujos/VELMO.png" "$destino/ruta-datos.png"
cp "$dibujos/ESTADOSNORMAL.png" "$destino/estados-normal.png"

# Small files: 256 colours are plenty for window pictures.
for imagen in "$destino"/*.png; do
    convert "$imagen" -colors 256 -strip "PNG8:$imagen"
done
ls -l "$destino"
