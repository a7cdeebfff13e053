#include "DialogosMontador.h"

#include "DialogoModal.h"
#include "FormNuevoFichAMontar.h"
#include "Plataforma.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace velmo {

QString FiltroQt(const QString& filtro) {
    const QStringList partes = filtro.split('|');
    QStringList salida;
    for (int i = 0; i + 1 < partes.size(); i += 2) {
        QString nombre = partes[i];
        nombre.remove(QRegularExpression(R"(\s*\([^()]*\)\s*$)"));
        const QString patrones = partes[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
        salida << nombre + " (" + patrones + ")";
    }
    return salida.join(";;");
}

TDialogosMontadorQt::TDialogosMontadorQt(Anfitrion* anfitrionPrograma) : fAnfitrion(anfitrionPrograma) {}

TDialogosMontadorQt::~TDialogosMontadorQt() {
    delete fFormNuevo;
}

void TDialogosMontadorQt::MuestraMensaje(const std::string& texto, const std::string& titulo,
                                         IconoMensaje icono) {
    if (fAnfitrion != nullptr) {
        fAnfitrion->MuestraMensaje(texto, titulo, icono);
        return;
    }
    Modal().mensaje(QApplication::activeWindow(), QString::fromStdString(texto),
                    QString::fromStdString(titulo), icono);
}

bool TDialogosMontadorQt::PreguntaSiNo(const std::string& texto, const std::string& titulo) {
    if (fAnfitrion != nullptr) {
        return fAnfitrion->PreguntaSiNo(texto, titulo);
    }
    return Modal().pregunta(QApplication::activeWindow(), QString::fromStdString(texto),
                            QString::fromStdString(titulo), false) == Respuesta::Si;
}

Respuesta TDialogosMontadorQt::PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) {
    if (fAnfitrion != nullptr) {
        return fAnfitrion->PreguntaSiNoCancelar(texto, titulo);
    }
    return Modal().pregunta(QApplication::activeWindow(), QString::fromStdString(texto),
                            QString::fromStdString(titulo), true);
}

bool TDialogosMontadorQt::TrazaActiva() const {
    return fAnfitrion != nullptr && fAnfitrion->TrazaActiva();
}

void TDialogosMontadorQt::AnadeLineaTraza(const std::string& linea) {
    if (fAnfitrion != nullptr) {
        fAnfitrion->AnadeLineaTraza(linea);
    }
}

std::optional<int> TDialogosMontadorQt::EligeVersion(QWidget* padre) {
    if (fFormNuevo == nullptr) {
        fFormNuevo = new TFormNuevoFichAMontar;
    }
    fFormNuevo->setParent(padre, fFormNuevo->windowFlags());
    const int resultado = Modal().ejecuta(*fFormNuevo);
    fFormNuevo->setParent(nullptr, fFormNuevo->windowFlags());
    if (resultado != QDialog::Accepted) {
        return std::nullopt;
    }
    return fFormNuevo->Eleccion();
}

QString TDialogosMontadorQt::FicheroAAbrir(QWidget* padre, const QString& filtro, const QString& actual) {
    return Modal().abreFichero(padre, QString(), FiltroQt(filtro), QString(), actual);
}

QString TDialogosMontadorQt::FicheroAGuardar(QWidget* padre, const QString& filtro, const QString& extension,
                                             const QString& actual) {
    return Modal().guardaFichero(padre, QString(), FiltroQt(filtro), extension, actual, nullptr);
}

void TDialogosMontadorQt::AbreAyuda() {
    // Beside the program in the build tree, in the data folder once installed.
    AbreDocumento(RutaDocumento(QStringLiteral("montador.html")));
}

void TDialogosMontadorQt::AcercaDe(QWidget* padre) {
    if (fAcercaDe) {
        fAcercaDe(padre);
        return;
    }
    Modal().mensaje(padre, QStringLiteral("Montador de Velmo"), QStringLiteral("Acerca de..."),
                    IconoMensaje::Informacion);
}

} // namespace velmo
