#include "Arranque.h"

#include "AboutBox.h"
#include "AnfitrionGUI.h"
#include "AsociacionFicheros.h"
#include "Debug.h"
#include "DialogoModal.h"
#include "DialogosMontador.h"
#include "FramePrincipal.h"

#include "FrameInicio.h"
#include "Plataforma.h"
#include "RegistroGlobal.h"
#include "VentanaPrincipal.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QIcon>
#include <QTimer>

namespace velmo {
namespace {

// The workbench opens as its own window, modal over the main window: while it is up the simulator takes
// no commands. A new one is made each time; it is gone once closed.
void AbreMontadorModal(TVentanaPrincipal& ventana, TDialogosMontadorQt& dialogos, InicioMontador inicio) {
    auto* montador = new TFramePrincipal(dialogos, &ventana);
    montador->setWindowFlag(Qt::Window);
    montador->setAttribute(Qt::WA_DeleteOnClose);
    montador->setWindowModality(Qt::ApplicationModal);
    switch (inicio) {
    case InicioMontador::ProgramaNuevo:
        montador->SetStartupAction(acMontadorProgramaNuevo);
        break;
    case InicioMontador::FuenteExistente:
        montador->SetStartupAction(acMontadorFuenteExistente);
        break;
    case InicioMontador::Ninguno:
        montador->SetStartupAction(acMontadorNone);
        break;
    }
    ventana.FrameMontador = montador;
    QEventLoop bucle;
    QObject::connect(montador, &TFramePrincipal::cerrado, &bucle, &QEventLoop::quit);
    QObject::connect(montador, &QObject::destroyed, &bucle, &QEventLoop::quit);
    montador->show();
    bucle.exec();
}

} // namespace

// ---- the main window's start-up roads

void TVentanaPrincipal::RegistrarTipoenWindows() {
    Debug->anade_linea(QStringLiteral("Registrando el tipo \".vlx\" en Windows"));
    RegistroGlobal().FicheroAyuda = RutaDocumento(QStringLiteral("simulador.html"));
    Debug->anade_linea(QStringLiteral("Fichero de Ayuda: ") + RegistroGlobal().FicheroAyuda);
    EscribeAsociacionVlx(QCoreApplication::applicationFilePath());
}

void TVentanaPrincipal::Arranca(const QStringList& argumentos) {
    if (argumentos.size() == 1) {
        ArrancaConFichero(argumentos.front());
    } else {
        ArrancaSinFichero();
    }
}

void TVentanaPrincipal::ArrancaSinFichero() {
    RegistrarTipoenWindows();
}

void PreparaAplicacion(QApplication& aplicacion) {
    // Only the name: a display name would be appended to every caption, and captions stand as given.
    QApplication::setApplicationName(QStringLiteral("Velmo"));
    CargaTraducciones(aplicacion);
    // The dialogs are laid out for this face; fontconfig maps it to a metric-compatible one.
    QFont letra(QStringLiteral("MS Sans Serif"), 8);
    letra.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    QApplication::setFont(letra);
    // Every window without an icon of its own takes this one: without it a child window created before
    // it has a parent shows the toolkit's logo.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmo/icons/velmo.svg")));
}

int EjecutaVelmo(QApplication& aplicacion) {
    PreparaAplicacion(aplicacion);

    TFrameInicio inicio;
    inicio.MuestraYPinta();

    TVentanaPrincipal ventana;
    TDialogosMontadorQt dialogosMontador(&ventana.Anfitrion());
    dialogosMontador.SetAcercaDe([&ventana](QWidget*) { Modal().ejecuta(*ventana.AboutBox); });
    ventana.SetAbreMontador([&dialogosMontador](TVentanaPrincipal& principal, InicioMontador inicio) {
        AbreMontadorModal(principal, dialogosMontador, inicio);
    });
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
