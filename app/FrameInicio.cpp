#include "FrameInicio.h"

#include "UtilidadesVentana.h"

#include <QCoreApplication>
#include <QPainter>

namespace velmo {

TFrameInicio::TFrameInicio(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(kAncho, kAlto);
    imagen_ = ImagenSvg(QStringLiteral(":/velmo/INICIO.svg"), size(), devicePixelRatioF());
}

void TFrameInicio::MuestraYPinta() {
    CentraEnPantalla(*this);
    show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFrameInicio::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.drawPixmap(0, 0, imagen_);
}

} // namespace velmo
