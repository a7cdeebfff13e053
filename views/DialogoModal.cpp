#include "DialogoModal.h"

#include "UtilidadesVentana.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace velmo {

namespace {

/// Texts carry CR LF line ends; a box breaks lines on LF alone.
QString ParaCaja(QString texto) {
    return texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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

QString Elegido(QFileDialog& dialogo, const QString& extension, const QString& actual, QString* tipo) {
    dialogo.setDefaultSuffix(extension);
    ProponFichero(dialogo, actual);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return QString();
    }
    if (tipo != nullptr) {
        *tipo = dialogo.selectedNameFilter();
    }
    return dialogo.selectedFiles().constFirst();
}

DialogoModal ModalReal() {
    DialogoModal m;
    m.ejecuta = [](QDialog& dialogo) { return dialogo.exec(); };
    m.mensaje = [](QWidget* padre, const QString& texto, const QString& titulo, IconoMensaje icono) {
        QMessageBox caja(IconoQt(icono), titulo, ParaCaja(texto), QMessageBox::Ok, padre);
        caja.exec();
    };
    m.pregunta = [](QWidget* padre, const QString& texto, const QString& titulo, bool conCancelar) {
        auto botones = QMessageBox::Yes | QMessageBox::No;
        if (conCancelar) {
            botones |= QMessageBox::Cancel;
        }
        QMessageBox caja(QMessageBox::Question, titulo, ParaCaja(texto), botones, padre);
        switch (caja.exec()) {
        case QMessageBox::Yes:
            return Respuesta::Si;
        case QMessageBox::No:
            return Respuesta::No;
        default:
            // Escape or the close box: No where there is no Cancel button.
            return conCancelar ? Respuesta::Cancelar : Respuesta::No;
        }
    };
    m.abreFichero = [](QWidget* padre, const QString& titulo, const QString& filtro, const QString& extension,
                       const QString& actual) {
        QFileDialog dialogo(padre, titulo, QString(), filtro);
        dialogo.setAcceptMode(QFileDialog::AcceptOpen);
        dialogo.setFileMode(QFileDialog::ExistingFile);
        return Elegido(dialogo, extension, actual, nullptr);
    };
    m.guardaFichero = [](QWidget* padre, const QString& titulo, const QString& filtro,
                         const QString& extension, const QString& actual, QString* tipo) {
        QFileDialog dialogo(padre, titulo, QString(), filtro);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setFileMode(QFileDialog::AnyFile);
        return Elegido(dialogo, extension, actual, tipo);
    };
    return m;
}

} // namespace

DialogoModal& Modal() {
    static DialogoModal modal = ModalReal();
    return modal;
}

void RestauraModalReal() {
    Modal() = ModalReal();
}

} // namespace velmo
