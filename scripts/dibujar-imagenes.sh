#!/bin/sh
# Renders every SVG picture under resources/ to PNG with the same renderer the program uses (QSvgRenderer),
# at the picture's own pixel size, so the drawings can be checked by eye.
# Usage: scripts/dibujar-imagenes.sh [output folder] [scale]   (default: build/imagenes, 1)
set -e
raiz=$(cd "$(dirname "$0")/.." && pwd)
salida=${1:-"$raiz/build/imagenes"}
escala=${2:-1}
mkdir -p "$salida"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cat >"$tmp/render.cpp" <<'CPP'
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) return 2;
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "no se puede leer %s\n", argv[1]);
        return 1;
    }
    const double escala = QString::fromLocal8Bit(argv[3]).toDouble();
    const QSize tam = svg.defaultSize();
    QImage img(tam * escala, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    svg.render(&p);
    p.end();
    std::printf("%s %dx%d\n", argv[1], tam.width(), tam.height());
    return img.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
CPP
g++ -std=c++20 -fPIC "$tmp/render.cpp" -o "$tmp/render" $(pkg-config --cflags --libs Qt6Gui Qt6Svg)
cd "$raiz/resources"
find . -name '*.svg' | sort | while read -r f; do
    destino="$salida/$(echo "${f#./}" | sed 's|/|_|g; s|\.svg$|.png|')"
    XDG_RUNTIME_DIR="$tmp" QT_QPA_PLATFORM=offscreen "$tmp/render" "$f" "$destino" "$escala"
done
