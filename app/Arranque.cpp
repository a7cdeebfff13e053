#include "Arranque.h"

#include "FrameInicio.h"
#include "Plataforma.h"
#include "VentanaPrincipal.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace velmo {

void PreparaAplicacion(QApplication& aplicacion) {
    QApplication::setApplicationName(QStringLiteral("Velmo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmo"));
    CargaTraducciones(aplicacion);
    // The dialogs are laid out for this face; fontconfig maps it to a metric-compatible one.
    QFont letra(QStringLiteral("MS Sans Serif"), 8);
    letra.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    QApplication::setFont(letra);
}

int EjecutaVelmo(QApplication& aplicacion) {
    PreparaAplicacion(aplicacion);

    TFrameInicio inicio;
    inicio.MuestraYPinta();

    TVentanaPrincipal ventana;
    QStringList argumentos = QApplication::arguments();
    if (!argumentos.isEmpty()) {
        argumentos.removeFirst();
    }
    ventana.Arranca(argumentos);

    // The start-up picture stays a moment, painting but taking no input.
    QEventLoop espera;
    QTimer::singleShot(500, &espera, &QEventLoop::quit);
    espera.exec(QEventLoop::ExcludeUserInputEvents);
    inicio.close();

    ventana.showMaximized();
    return QApplication::exec();
}

} // namespace velmo
