#!/usr/bin/env bash
# Wall time of velmo-evaluar over N generated submissions (500 by default) of the version-1 example
# exercise: correct ones, wrong ones that run into the cycle bound, and some that do not assemble, each in
# its own folder as a teacher collects them.
#   bash bench/evaluar_entregas.sh [carpeta de compilación] [N] [-j N]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$raiz/build}"
n="${2:-500}"
shift $(( $# > 2 ? 2 : $# ))
ejercicios="$raiz/examples/ejercicios"
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT

for ((i = 0; i < n; i++)); do
    carpeta="$trabajo/entregas/alumno$(printf %03d "$i")"
    mkdir -p "$carpeta"
    case $((i % 5)) in
    0 | 1 | 2) cp "$ejercicios/multiplicacion_v1/correcta/multiplicacion.asm" "$carpeta/" ;;
    3) cp "$ejercicios/multiplicacion_v1/incorrecta/multiplicacion.asm" "$carpeta/" ;;
    4) sed 's/^bucle:/bucle /' "$ejercicios/multiplicacion_v1/correcta/multiplicacion.asm" > "$carpeta/multiplicacion.asm" ;;
    esac
    # Every student leaves a comment of their own: no two sources are the same bytes.
    echo "; alumno $i" >> "$carpeta/multiplicacion.asm"
done

inicio=$(date +%s.%N)
set +e
"$build/cli/velmo-evaluar" "$ejercicios/multiplicacion_v1.json" "$trabajo"/entregas/* \
    --csv "$trabajo/notas.csv" --junit "$trabajo/notas.xml" "$@" > "$trabajo/tabla.txt"
codigo=$?
set -e
fin=$(date +%s.%N)
echo "$n entregas evaluadas en $(echo "$fin - $inicio" | bc) s (código de salida $codigo)"
echo "$(grep -c ',(total),correcto,' "$trabajo/notas.csv") con todo correcto," \
     "$(grep -c 'no se monta' "$trabajo/notas.csv") filas de entregas que no se montan"
