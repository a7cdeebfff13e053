#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, and only those that are missing.
set -euo pipefail

paquetes=(g++ cmake ninja-build bison qt6-base-dev qt6-svg-dev qt6-translations-l10n libqscintilla2-qt6-dev
    libqscintilla2-qt6-l10n fonts-liberation2 libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
    xvfb xauth xdotool imagemagick clang-14 libclang-rt-14-dev emscripten node-acorn nodejs chromium)

# xmllint: the tests check the grading tool's JUnit report against its schema.
paquetes+=(libxml2-utils)

faltan=()
# Some Node.js packages bring npm with them; Debian's own needs its separate package.
if ! command -v npm > /dev/null; then
    faltan+=(npm)
fi
for p in "${paquetes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        faltan+=("$p")
    fi
done

if [ ${#faltan[@]} -eq 0 ]; then
    exit 0
fi

echo "Instalando: ${faltan[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
