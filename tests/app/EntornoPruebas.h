#pragma once
// What every window test shares: the user's folders in a temporary place, and a scripted answer to
// every modal window, recorded so the test can check what was asked.

#include "DialogoModal.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>

namespace velmo::pruebas {

/// Points HOME and the XDG folders at a fresh temporary folder before the application starts.
inline QTemporaryDir& CarpetaUsuario() {
    static QTemporaryDir carpeta;
    return carpeta;
}

inline void AislaCarpetasUsuario() {
    const QString raiz = CarpetaUsuario().path();
    qputenv("HOME", raiz.toUtf8());
    qputenv("XDG_CONFIG_HOME", (raiz + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (raiz + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_CACHE_HOME", (raiz + QStringLiteral("/cache")).toUtf8());
}

struct Caja {
    QString texto;
    QString titulo;
    IconoMensaje icono;
};

/// Installs itself as the modal seam for as long as it lives.
class GuionModal {
public:
    std::vector<QDialog*> dialogos;
    std::vector<Caja> mensajes;
    std::vector<QString> preguntas;
    std::deque<Respuesta> respuestas; // Yes once they run out
    std::deque<QString> ficheros;     // empty text: the user cancels
    int dialogosDeFichero = 0;
    std::vector<QString> propuestas; // where each file dialog started
    /// Plays the user's part in a dialog; returns its result. Default: reject it.
    std::function<int(QDialog&)> alDialogo = [](QDialog&) { return int(QDialog::Rejected); };

    GuionModal() {
        Modal().ejecuta = [this](QDialog& d) {
            dialogos.push_back(&d);
            return alDialogo(d);
        };
        Modal().mensaje = [this](QWidget*, const QString& texto, const QString& titulo, IconoMensaje icono) {
            mensajes.push_back({texto, titulo, icono});
        };
        Modal().pregunta = [this](QWidget*, const QString& texto, const QString& titulo, bool) {
            preguntas.push_back(titulo + QStringLiteral(": ") + texto);
            if (respuestas.empty()) {
                return Respuesta::Si;
            }
            const Respuesta r = respuestas.front();
            respuestas.pop_front();
            return r;
        };
        Modal().abreFichero = [this](QWidget*, const QString&, const QString&, const QString&,
                                     const QString& actual) {
            ++dialogosDeFichero;
            propuestas.push_back(actual);
            if (ficheros.empty()) {
                return QString();
            }
            const QString f = ficheros.front();
            ficheros.pop_front();
            return f;
        };
        Modal().guardaFichero = [this](QWidget*, const QString&, const QString&, const QString&,
                                       const QString& actual, QString*) {
            ++dialogosDeFichero;
            propuestas.push_back(actual);
            return QString(); // cancelled
        };
    }
    ~GuionModal() { RestauraModalReal(); }
    GuionModal(const GuionModal&) = delete;
    GuionModal& operator=(const GuionModal&) = delete;
};

} // namespace velmo::pruebas

#define VELMO_QTEST_MAIN(Clase)                                                                              \
    int main(int argc, char** argv) {                                                                        \
        velmo::pruebas::AislaCarpetasUsuario();                                                              \
        QApplication aplicacion(argc, argv);                                                                 \
        Clase pruebas;                                                                                       \
        return QTest::qExec(&pruebas, argc, argv);                                                           \
    }
