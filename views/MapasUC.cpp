#include "MapasUC.h"

#include "DibujoCables.h"
#include "UtilidadesVentana.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace velmo {

TMapaUC::TMapaUC(const Forma& forma, const MapaEstados& mapa, QWidget* padre) : QDialog(padre) {
    const auto& filas = mapa.salidas;
    setWindowTitle(QString::fromUtf8(mapa.titulo.data(), static_cast<qsizetype>(mapa.titulo.size())));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(forma.cliente);

    setFont(FuenteSans8());

    const int estados = static_cast<int>(filas[0].valores.size());
    Lista = new QTableWidget(static_cast<int>(filas.size()), estados + 1, this);
    Lista->setGeometry(forma.lista);
    Lista->setShowGrid(true);
    Lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    Lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lista->verticalHeader()->hide();
    Lista->verticalHeader()->setMinimumSectionSize(10);
    Lista->verticalHeader()->setDefaultSectionSize(15);
    Lista->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Lista->horizontalHeader()->setFixedHeight(17);
    Lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Lista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Lista->setTextElideMode(Qt::ElideNone);
    Lista->setWordWrap(false);
    Lista->horizontalHeader()->setMinimumSectionSize(10);
    Lista->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Lista->horizontalHeader()->setHighlightSections(false);
    Lista->setColumnWidth(0, 60);
    Lista->setHorizontalHeaderItem(0, new QTableWidgetItem(QString()));
    for (int e = 0; e < estados; ++e) {
        Lista->setColumnWidth(e + 1, 29);
        Lista->setHorizontalHeaderItem(e + 1, new QTableWidgetItem(QStringLiteral("s%1").arg(e)));
    }
    for (int f = 0; f < static_cast<int>(filas.size()); ++f) {
        const FilaSalidas& fila = filas[static_cast<std::size_t>(f)];
        Lista->setItem(f, 0, new QTableWidgetItem(QString::fromUtf8(fila.nombre.data(), fila.nombre.size())));
        for (int e = 0; e < estados; ++e) {
            const auto i = static_cast<std::size_t>(e);
            const QString valor = i < fila.valores.size() ? QString(QChar(fila.valores[i])) : QString();
            Lista->setItem(f, e + 1, new QTableWidgetItem(valor));
        }
    }

    auto* panel = new QFrame(this);
    panel->setGeometry(forma.panel);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    if (forma.fondoAzul) {
        panel->setAutoFillBackground(true);
        QPalette azul = panel->palette();
        azul.setColor(QPalette::Window, QColor(166, 202, 240));
        panel->setPalette(azul);
    }
    auto* imagen = new QLabel(panel);
    const QString recurso = QStringLiteral(":/velmo/") +
                            QString::fromUtf8(mapa.imagen.data(), static_cast<qsizetype>(mapa.imagen.size()));
    imagen->setPixmap(ImagenSvg(recurso, forma.tamanoImagen, devicePixelRatioF()));
    imagen->setGeometry(QRect(QPoint(1, 1), forma.panel.size() - QSize(2, 2)));
    imagen->setAlignment(Qt::AlignCenter);

    BotonVolver = new QPushButton(QStringLiteral("Volver"), this);
    BotonVolver->setGeometry(QRect(forma.boton, QSize(75, 25)));
    BotonVolver->setDefault(true);
    connect(BotonVolver, &QPushButton::clicked, this, &QDialog::accept);
    CentraEnPantalla(*this);
}

TMapaUCNormal::TMapaUCNormal(QWidget* padre)
    : TMapaUC({{536, 553}, {16, 16, 417, 169}, {16, 192, 417, 345}, {448, 15}, {417, 345}, true},
              *MapaEstadosDe(tnormal), padre) {}

TMapaUCOptimizada::TMapaUCOptimizada(QWidget* padre)
    : TMapaUC({{716, 345}, {16, 16, 273, 169}, {304, 16, 395, 315}, {16, 303}, {395, 315}, false},
              *MapaEstadosDe(toptimizado), padre) {}

TMapaUcVl1Modif::TMapaUcVl1Modif(QWidget* padre)
    : TMapaUC({{537, 569}, {16, 16, 417, 169}, {16, 192, 417, 361}, {448, 15}, {417, 361}, true},
              *MapaEstadosDe(TVL1Modif), padre) {}

} // namespace velmo
