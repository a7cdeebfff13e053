#include "Plataforma.h"

#include "RegistroGlobal.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velmo {

QString CarpetaDatos() {
    const QDir programa(QCoreApplication::applicationDirPath());
    if (programa.exists(QStringLiteral("simulador.html"))) {
        return programa.absolutePath();
    }
    const QString instalada = programa.absoluteFilePath(QStringLiteral("../share/velmo"));
    if (QFileInfo::exists(instalada)) {
        return QDir::cleanPath(instalada);
    }
    return programa.absolutePath();
}

QString RutaDocumento(const QString& nombre) {
    return QDir(CarpetaDatos()).filePath(nombre);
}

void AbreDocumento(const QString& ruta) {
    if (ruta.isEmpty() || !QFileInfo(ruta).isFile()) {
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(ruta));
}

void AbreManualSimulador() {
    const QString ruta = RegistroGlobal().FicheroAyuda;
    AbreDocumento(ruta.isEmpty() ? RutaDocumento(QStringLiteral("simulador.html")) : ruta);
}

void NuevaRes(int ancho, int alto) {
#if defined(Q_OS_WIN)
    DEVMODEW modo{};
    modo.dmSize = sizeof(modo);
    if (EnumDisplaySettingsW(nullptr, 0, &modo)) {
        modo.dmPelsWidth = static_cast<DWORD>(ancho);
        modo.dmPelsHeight = static_cast<DWORD>(alto);
        modo.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        // Flags 0: a change for this session, not stored as the permanent setting.
        ChangeDisplaySettingsW(&modo, 0);
    }
#else
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return;
    }
    const QString xrandr = QStandardPaths::findExecutable(QStringLiteral("xrandr"));
    if (!xrandr.isEmpty()) {
        QProcess::startDetached(xrandr, {QStringLiteral("-s"), QStringLiteral("%1x%2").arg(ancho).arg(alto)});
    }
#endif
}

int CargaTraducciones(QCoreApplication& aplicacion) {
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    int cargadas = 0;
    for (const char* nombre : {"qtbase_es", "qscintilla_es"}) {
        auto* traductor = new QTranslator(&aplicacion);
        if (traductor->load(QString::fromLatin1(nombre), carpeta) ||
            traductor->load(QString::fromLatin1(nombre), QCoreApplication::applicationDirPath())) {
            QCoreApplication::installTranslator(traductor);
            ++cargadas;
        } else {
            delete traductor;
        }
    }
    return cargadas;
}

} // namespace velmo
