#include "FormSecuenciador.h"

#include "UtilidadesVentana.h"

#include <QPainter>
#include <QPushButton>

namespace velmo {

TTformSecuenciador::TTformSecuenciador(QWidget* padre) : QDialog(padre) {
    setWindowTitle(QStringLiteral("Detalles del Secuenciador"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(288, 226);
    imagen_ = ImagenSvg(QStringLiteral(":/velmo/MAPASECU.svg"), QSize(290, 245), devicePixelRatioF());
    BotonVolver = new QPushButton(QStringLiteral("Volver"), this);
    BotonVolver->setGeometry(16, 15, 75, 25);
    BotonVolver->setDefault(true);
    connect(BotonVolver, &QPushButton::clicked, this, &QDialog::accept);
    CentraEnPantalla(*this);
}

void TTformSecuenciador::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.drawPixmap(QPoint(0, 0), imagen_);
}

} // namespace velmo
