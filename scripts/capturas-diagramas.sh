#!/usr/bin/env bash
# Screenshots of the datapath and control-unit diagrams under a virtual screen: for each kind of control
# unit, the simulation just opened (the fetch of address 0), after one more cycle (F6), and the state map
# or sequencer a click on the control unit opens; for the normal unit also the monitor dialog and probes.
# Usage: scripts/capturas-diagramas.sh [carpeta-de-salida]   (default build/capturas)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="$raiz/build"

if [[ "${1:-}" != "--dentro" ]]; then
    salida="$(realpath -m "${1:-$build/capturas}")"
    mkdir -p "$salida"
    cmake --build "$build" -j2 --target velmo velmo-montador
    trabajo="$(mktemp -d)"
    trap 'rm -rf "$trabajo"' EXIT
    "$build/cli/velmo-montador" "$raiz/examples/bucle_v1.asm" -o "$trabajo/v1.vlx" >/dev/null
    "$build/cli/velmo-montador" "$raiz/examples/suma_vector_v2.asm" -o "$trabajo/v2.vlx" >/dev/null
    "$build/cli/velmo-montador" "$raiz/examples/multiplicacion_v3.asm" -o "$trabajo/v3.vlx" >/dev/null
    # -noreset: the server would otherwise reset, and refuse the next program, each time one closes.
    xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' bash "$0" --dentro "$salida" "$trabajo"
    echo "Capturas en $salida"
    exit 0
fi

salida="$2"
trabajo="$3"
export HOME="$trabajo/home" XDG_CONFIG_HOME="$trabajo/home/config" XDG_DATA_HOME="$trabajo/home/data"
mkdir -p "$XDG_CONFIG_HOME"
# No welcome dialog in the way.
printf '[Velmo]\nshowWelcome=0\n' >"$XDG_CONFIG_HOME/Velmo.ini"

espera_ventana() { # name -> window id
    local id=""
    for _ in $(seq 1 100); do
        id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)"
        [[ -n "$id" ]] && break
        sleep 0.1
    done
    echo "$id"
}

# kind, file, click inside "Elige Control" (x y) or "" to accept the default
captura() {
    local nombre="$1" fichero="$2" clic="${3:-}"
    "$build/app/velmo" "$fichero" &
    local pid=$!
    local dialogo
    if [[ "$fichero" == *v1.vlx ]]; then
        dialogo="$(espera_ventana 'Elige Control')"
        if [[ -n "$clic" ]]; then
            # shellcheck disable=SC2086
            xdotool mousemove --window "$dialogo" $clic click 1
        fi
        xdotool mousemove --window "$dialogo" 90 163 click 1
    fi
    local principal
    principal="$(espera_ventana '^Velmo')"
    # No window manager here: give the main window the whole screen.
    xdotool windowmove "$principal" 0 0 windowsize "$principal" 1280 1000
    sleep 1
    import -window root "$salida/$nombre-apertura.png"
    xdotool windowfocus --sync "$principal" 2>/dev/null || true
    xdotool key --window "$principal" F6
    sleep 1
    import -window root "$salida/$nombre-ciclo.png"
    # The control unit's picture sits at (625, 208) of the frame's child area, which starts below the
    # menu and tool bars: a click on its ROM (hard-wired) or its sequencer (microprogrammed).
    local mapa boton
    case "$nombre" in
    normal | modificado) mapa='Diagrama de estados' boton='485 27' ;;
    optimizado) mapa='U.C. Cableada Optimizada' boton='53 315' ;;
    *) mapa='Detalles del Secuenciador' boton='53 27' ;;
    esac
    if [[ "$mapa" == Detalles* ]]; then
        xdotool mousemove 709 448 click 1
    else
        xdotool mousemove 829 338 click 1
    fi
    local ventana_mapa
    ventana_mapa="$(espera_ventana "$mapa")"
    if [[ -n "$ventana_mapa" ]]; then
        sleep 0.5
        import -window root "$salida/$nombre-mapa.png"
        # shellcheck disable=SC2086
        xdotool mousemove --window "$ventana_mapa" $boton click 1
        sleep 0.3
    fi
    if [[ "$nombre" == normal ]]; then
        # Every probe on, the memory output in hex and the ALU output in decimal.
        xdotool windowfocus --sync "$principal" 2>/dev/null || true
        xdotool key --window "$principal" F8
        local monitor
        monitor="$(espera_ventana 'Monitorización')"
        for y in 56 100 144 188 232; do
            xdotool mousemove --window "$monitor" 30 "$y" click 1
        done
        xdotool mousemove --window "$monitor" 262 141 click 1
        xdotool mousemove --window "$monitor" 310 233 click 1
        sleep 0.3
        import -window root "$salida/$nombre-monitorizacion.png"
        xdotool mousemove --window "$monitor" 131 276 click 1
        sleep 1
        import -window root "$salida/$nombre-sondas.png"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

captura normal "$trabajo/v1.vlx"
captura optimizado "$trabajo/v1.vlx" "60 88"
captura microprogramado "$trabajo/v1.vlx" "24 128"
captura modificado "$trabajo/v2.vlx"
captura microprogramable "$trabajo/v3.vlx"
