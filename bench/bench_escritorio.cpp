// Cost of the desktop program: CPU time of one drawn cycle (the cycle, every window told, and the paint that
// follows, without the clock's designed pause), the CPU time of a cycle in a run that draws nothing until its
// end, and the resident memory with a simulation open and a million cycles of history. A plain timing
// program: Qt's offscreen platform, no window on screen.
// Usage: velmo-bench-escritorio [CICLOS_DIBUJADOS [CICLOS_DE_HISTORIA]]

#include "AnfitrionGUI.h"
#include "DialogoModal.h"
#include "FicheroEjecutable.h"
#include "FormEligeSim.h"
#include "SimulacionVelmo.h"
#include "VentanaPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

using namespace velmo;

namespace {

double SegundosCpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double MiBResidentes() {
    std::ifstream estado("/proc/self/status");
    std::string linea;
    while (std::getline(estado, linea)) {
        if (linea.rfind("VmRSS:", 0) == 0) {
            return std::stod(linea.substr(6)) / 1024.0;
        }
    }
    return -1;
}

// ADD 10,11; MOV 11,12; CMP 11,12; BEQ 0: an endless loop that writes memory every turn.
std::string Programa(const QString& carpeta) {
    auto m = ImagenLibre();
    const auto pon = [&m](int dir, const char* cop, int valor) {
        m[static_cast<std::size_t>(dir)].cop = cop;
        m[static_cast<std::size_t>(dir)].Valor = static_cast<std::uint16_t>(valor);
    };
    pon(0, "ADD", 10 * 128 + 11);
    pon(1, "MOV", 2 * 16384 + 11 * 128 + 12);
    pon(2, "CMP", 16384 + 11 * 128 + 12);
    pon(3, "BEQ", 3 * 16384);
    pon(10, "---", 5);
    const std::string ruta = (carpeta + QStringLiteral("/escritorio.vlx")).toStdString();
    GuardaFicheroEjecutable(ruta, CabeceraEjecutable(NombreVersion(1), "escritorio.txt"), m);
    return ruta;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir carpeta;
    // The user's settings are not touched.
    qputenv("HOME", carpeta.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (carpeta.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (carpeta.path() + QStringLiteral("/data")).toUtf8());
    QApplication aplicacion(argc, argv);
    const int dibujados = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const int historia = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1'000'000;

    const QString ruta = QString::fromStdString(Programa(carpeta.path()));
    Modal().ejecuta = [](QDialog& d) {
        return int(qobject_cast<TFormElige*>(&d) != nullptr ? QDialog::Accepted : QDialog::Rejected);
    };
    Modal().mensaje = [](QWidget*, const QString&, const QString&, IconoMensaje) {};
    Modal().pregunta = [](QWidget*, const QString&, const QString&, bool) { return Respuesta::Si; };
    Modal().abreFichero = [ruta](QWidget*, const QString&, const QString&, const QString&, const QString&) {
        return ruta;
    };

    TVentanaPrincipal ventana;
    ventana.Anfitrion().SetPausaReloj(false);
    ventana.resize(1280, 1024);
    ventana.show();
    QApplication::processEvents();
    const double mibAntes = MiBResidentes();
    ventana.CargarEjecutableVelmo1->trigger();
    QApplication::processEvents();
    auto* sim = dynamic_cast<SimulacionVelmo*>(ventana.SimuladorVelmo.get());
    if (sim == nullptr) {
        std::fprintf(stderr, "no se abrió la simulación\n");
        return 1;
    }

    // Drawn cycles: each one as the Ciclo command runs it, then every paint it asked for.
    for (int i = 0; i < 20; ++i) {
        ventana.Ciclo->trigger();
        QApplication::processEvents();
    }
    std::vector<double> tandas;
    for (int tanda = 0; tanda < 5; ++tanda) {
        const double inicio = SegundosCpu();
        for (int i = 0; i < dibujados / 5; ++i) {
            ventana.Ciclo->trigger();
            QApplication::processEvents();
        }
        tandas.push_back((SegundosCpu() - inicio) * 1e3 / (dibujados / 5));
    }
    std::sort(tandas.begin(), tandas.end());
    std::printf("ciclo dibujado: %.3f ms de CPU (mediana de 5 tandas de %d)\n", tandas[2], dibujados / 5);
    std::fflush(stdout);

    // A million cycles of history behind the open simulation, run the way "Lo más rápido posible" runs them:
    // the windows are told of every cycle and paint once, at the end.
    const double inicioRapido = SegundosCpu();
    sim->Motor().EjecutaCiclos(historia);
    QApplication::processEvents();
    std::printf("ciclo sin dibujar: %.2f us de CPU (%d seguidos)\n",
                (SegundosCpu() - inicioRapido) * 1e6 / historia, historia);
    std::printf("memoria residente: %.1f MiB con la simulación abierta y %lld ciclos de historia "
                "(%.1f MiB antes de abrirla)\n",
                MiBResidentes(), static_cast<long long>(sim->Historial().CiclosAtras()), mibAntes);
    return 0;
}
