// How the main window arranges the simulation's child windows: cascade, side by side, all minimised, and
// "Ajustar a la pantalla" (every window whole, none covering another).

#include "AjustePantalla.h"
#include "VentanaMemoria.h"
#include "VentanaPrincipal.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include <algorithm>

namespace velmo {

void TVentanaPrincipal::Cascada() {
    Mdi->cascadeSubWindows();
}

void TVentanaPrincipal::ApilarVertical() {
    // Side by side, each child the full height of the frame.
    QList<QMdiSubWindow*> hijas;
    for (QMdiSubWindow* hija : Mdi->subWindowList()) {
        if (hija->isVisible() && !hija->isMinimized()) {
            hijas << hija;
        }
    }
    if (hijas.isEmpty()) {
        return;
    }
    const QRect zona = Mdi->viewport()->rect();
    const int ancho = zona.width() / static_cast<int>(hijas.size());
    int x = 0;
    for (QMdiSubWindow* hija : hijas) {
        hija->showNormal();
        hija->setGeometry(x, 0, ancho, zona.height());
        x += ancho;
    }
}

QList<QPair<QMdiSubWindow*, QRect>> TVentanaPrincipal::ColocacionAjustada() const {
    if (!SimuladorVelmo) {
        return {};
    }
    // The largest window first (the datapath), the memory view beside it, then the rest by height.
    QList<QMdiSubWindow*> hijas;
    QMdiSubWindow* memoria = nullptr;
    for (QMdiSubWindow* hija : Mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!hija->isVisible() || hija->isMinimized()) {
            continue;
        }
        if (qobject_cast<VentanaMemoria*>(hija->widget()) != nullptr) {
            memoria = hija;
        } else {
            hijas << hija;
        }
    }
    std::stable_sort(hijas.begin(), hijas.end(), [](const QMdiSubWindow* a, const QMdiSubWindow* b) {
        const auto area = [](const QMdiSubWindow* h) { return h->width() * h->height(); };
        return area(a) > area(b) || (area(a) == area(b) && a->height() > b->height());
    });
    if (hijas.size() > 1) {
        std::stable_sort(hijas.begin() + 1, hijas.end(), [](const QMdiSubWindow* a, const QMdiSubWindow* b) {
            return a->height() > b->height();
        });
    }
    std::vector<PiezaAjuste> piezas;
    for (QMdiSubWindow* hija : hijas) {
        piezas.push_back({hija->size(), false});
    }
    if (memoria != nullptr) {
        const QMargins marco = memoria->contentsMargins();
        const int ancho =
            static_cast<VentanaMemoria*>(memoria->widget())->AnchoColumnas() + marco.left() + marco.right();
        const auto sitio = std::min<qsizetype>(1, hijas.size());
        hijas.insert(sitio, memoria);
        piezas.insert(piezas.begin() + sitio, {QSize(ancho, memoria->height()), true});
    }
    const std::vector<QRect> sitios = ColocaEnColumnas(piezas, Mdi->viewport()->height());
    QList<QPair<QMdiSubWindow*, QRect>> colocacion;
    for (qsizetype i = 0; i < hijas.size(); ++i) {
        colocacion.append({hijas[i], sitios[static_cast<std::size_t>(i)]});
    }
    return colocacion;
}

void TVentanaPrincipal::AjustarPantallaClick() {
    for (QMdiSubWindow* hija : Mdi->subWindowList()) {
        if (hija->isMinimized()) {
            hija->showNormal();
        }
    }
    Mdi->horizontalScrollBar()->setValue(0);
    Mdi->verticalScrollBar()->setValue(0);
    for (const auto& [hija, sitio] : ColocacionAjustada()) {
        hija->setGeometry(sitio);
    }
}

void TVentanaPrincipal::MinimizarTodas() {
    for (QMdiSubWindow* hija : Mdi->subWindowList()) {
        hija->showMinimized();
    }
}

} // namespace velmo
