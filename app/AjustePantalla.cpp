#include "AjustePantalla.h"

#include <algorithm>

namespace velmo {

std::vector<QRect> ColocaEnColumnas(const std::vector<PiezaAjuste>& piezas, int alto) {
    std::vector<QRect> sitios;
    sitios.reserve(piezas.size());
    int x = 0;
    int y = 0;
    int anchoColumna = 0;
    for (const PiezaAjuste& p : piezas) {
        const QSize tamano(p.tamano.width(),
                           p.llenaColumna ? std::max(alto, p.tamano.height()) : p.tamano.height());
        const bool columnaEmpezada = y > 0;
        if (columnaEmpezada && (p.llenaColumna || y + tamano.height() > alto)) {
            x += anchoColumna;
            y = 0;
            anchoColumna = 0;
        }
        sitios.emplace_back(QPoint(x, y), tamano);
        anchoColumna = std::max(anchoColumna, tamano.width());
        y += tamano.height();
    }
    return sitios;
}

} // namespace velmo
