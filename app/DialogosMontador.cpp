#include "DialogosMontador.h"

#include "FormNuevoFichAMontar.h"
#include "Plataforma.h"
#include "UtilidadesVentana.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QUrl>

namespace velmo {

namespace {

QString ParaMostrar(const std::string& texto) {
    return QString::fromStdString(texto).replace("\r\n", "\n");
}

QMessageBox::Icon IconoQt(IconoMensaje icono) {
    switch (icono) {
    case IconoMensaje::Error:
        return QMessageBox::Critical;
    case IconoMensaje::Aviso:
        return QMessageBox::Warning;
    case IconoMensaje::Informacion:
        return QMessageBox::Information;
    case IconoMensaje::Pregunta:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

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
    QMessageBox caja(IconoQt(icono), QString::fromStdString(titulo), ParaMostrar(texto), QMessageBox::Ok,
                     QApplication::activeWindow());
    caja.exec();
}

bool TDialogosMontadorQt::PreguntaSiNo(const std::string& texto, const std::string& titulo) {
    if (fAnfitrion != nullptr) {
        return fAnfitrion->PreguntaSiNo(texto, titulo);
    }
    return QMessageBox::question(QApplication::activeWindow(), QString::fromStdString(titulo),
                                 ParaMostrar(texto), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Respuesta TDialogosMontadorQt::PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) {
    if (fAnfitrion != nullptr) {
        return fAnfitrion->PreguntaSiNoCancelar(texto, titulo);
    }
    const auto boton =
        QMessageBox::question(QApplication::activeWindow(), QString::fromStdString(titulo),
                              ParaMostrar(texto), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (boton == QMessageBox::Yes) {
        return Respuesta::Si;
    }
    return boton == QMessageBox::No ? Respuesta::No : Respuesta::Cancelar;
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
    const int resultado = fFormNuevo->exec();
    fFormNuevo->setParent(nullptr, fFormNuevo->windowFlags());
    if (resultado != QDialog::Accepted) {
        return std::nullopt;
    }
    return fFormNuevo->Eleccion();
}

QString TDialogosMontadorQt::FicheroAAbrir(QWidget* padre, const QString& filtro, const QString& actual) {
    QFileDialog dialogo(padre);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setNameFilter(FiltroQt(filtro));
    dialogo.setOption(QFileDialog::ReadOnly, false);
    ProponFichero(dialogo, actual);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogo.selectedFiles().constFirst();
}

QString TDialogosMontadorQt::FicheroAGuardar(QWidget* padre, const QString& filtro, const QString& extension,
                                             const QString& actual) {
    QFileDialog dialogo(padre);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilter(FiltroQt(filtro));
    dialogo.setDefaultSuffix(extension);
    ProponFichero(dialogo, actual);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogo.selectedFiles().constFirst();
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
    QMessageBox::about(padre, "Acerca de...", "Montador de Velmo");
}

} // namespace velmo
