#include "MapasUC.h"

#include "DibujoCables.h"
#include "UtilidadesVentana.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace velmo {

const std::array<FilaSalidas, 10>& SalidasUCOptimizada() {
    static const std::array<FilaSalidas, 10> filas{{
        {"MX1", "01111X1"},
        {"MX0", "00111X1"},
        {"ALU1", "XXXX001"},
        {"ALU0", "XXXX010"},
        {"L/E", "0000101"},
        {"PC <- @+1", "1010000"},
        {"IR <- M", "1010000"},
        {"A <- M", "0001000"},
        {"B <- M", "0100100"},
        {"FZ <- Z", "0000111"},
    }};
    return filas;
}

const std::array<FilaSalidas, 10>& SalidasUCNormal() {
    static const std::array<FilaSalidas, 10> filas{{
        {"MX1", "0X111X111X11"},
        {"MX0", "0X000X111X11"},
        {"ALU1", "XXXXXXX0X01X"},
        {"ALU0", "XXXXXXX0X10X"},
        {"L/E", "000000010010"},
        {"PC <- @+1", "100000000001"},
        {"IR <- M", "100000000001"},
        {"A <- M", "000000101000"},
        {"B <- M", "001110000000"},
        {"FZ <- Z", "000000010110"},
    }};
    return filas;
}

const std::array<FilaSalidas, 10>& SalidasUcVl1Modif() {
    static const std::array<FilaSalidas, 10> filas{{
        {"MX1", "01111X111111"},
        {"MX0", "00111X111111"},
        {"ALU1", "XXXX0011X1X0"},
        {"ALU0", "XXXX0101X0X0"},
        {"L/E", "000010110100"},
        {"PC <- @+1", "101000001000"},
        {"IR <- M", "101000000000"},
        {"A <- M", "000100000010"},
        {"B <- M", "010000001000"},
        {"FZ <- Z", "000011100001"},
    }};
    return filas;
}

TMapaUC::TMapaUC(const Forma& forma, const std::array<FilaSalidas, 10>& filas, QWidget* padre)
    : QDialog(padre) {
    setWindowTitle(QString::fromUtf8(forma.titulo));
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
    imagen->setPixmap(ImagenSvg(QString::fromUtf8(forma.imagen), forma.tamanoImagen, devicePixelRatioF()));
    imagen->setGeometry(QRect(QPoint(1, 1), forma.panel.size() - QSize(2, 2)));
    imagen->setAlignment(Qt::AlignCenter);

    BotonVolver = new QPushButton(QStringLiteral("Volver"), this);
    BotonVolver->setGeometry(QRect(forma.boton, QSize(75, 25)));
    BotonVolver->setDefault(true);
    connect(BotonVolver, &QPushButton::clicked, this, &QDialog::accept);
    CentraEnPantalla(*this);
}

TMapaUCNormal::TMapaUCNormal(QWidget* padre)
    : TMapaUC({"Diagrama de estados",
               {536, 553},
               {16, 16, 417, 169},
               {16, 192, 417, 345},
               {448, 15},
               ":/velmo/ESTADOSNORMAL.svg",
               {417, 345},
               true},
              SalidasUCNormal(), padre) {}

TMapaUCOptimizada::TMapaUCOptimizada(QWidget* padre)
    : TMapaUC({"U.C. Cableada Optimizada: Máquina de Estados y Señales ",
               {716, 345},
               {16, 16, 273, 169},
               {304, 16, 395, 315},
               {16, 303},
               ":/velmo/ESTADOSOPTIMIZADA.svg",
               {395, 315},
               false},
              SalidasUCOptimizada(), padre) {}

TMapaUcVl1Modif::TMapaUcVl1Modif(QWidget* padre)
    : TMapaUC({"Diagrama de estados",
               {537, 569},
               {16, 16, 417, 169},
               {16, 192, 417, 361},
               {448, 15},
               ":/velmo/ESTADOSVL1MODIF.svg",
               {417, 361},
               true},
              SalidasUcVl1Modif(), padre) {}

} // namespace velmo
