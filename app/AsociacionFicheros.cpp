#include "AsociacionFicheros.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace velmo {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
namespace {

bool EscribeFichero(const QString& ruta, const QByteArray& contenido) {
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly)) {
        return false;
    }
    fichero.write(contenido);
    return fichero.commit();
}

/// Runs a desktop database tool when the system has it, without waiting for it.
void Actualiza(const QString& herramienta, const QString& carpeta) {
    const QString ruta = QStandardPaths::findExecutable(herramienta);
    if (!ruta.isEmpty()) {
        QProcess::startDetached(ruta, {carpeta});
    }
}

const QByteArray kXmlTipo = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                              "<mime-info xmlns=\"http://www.freedesktop.org/standards/"
                                              "shared-mime-info\">\n  <mime-type type=\"") +
                            QByteArray(kTipoMimeVlx) +
                            QByteArrayLiteral("\">\n"
                                              "    <comment>Ejecutable de Velmo</comment>\n"
                                              "    <icon name=\"velmo\"/>\n"
                                              "    <glob pattern=\"*.vlx\"/>\n"
                                              "  </mime-type>\n"
                                              "</mime-info>\n");

/// The package's desktop entry with the running program on its Exec line.
QByteArray EntradaEscritorio(const QString& programa) {
    return QByteArrayLiteral("[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Velmo\n"
                             "Comment=Montador y simulador del computador Velmo\n"
                             "Keywords=ensamblador;simulador;procesador;ruta de datos;microprograma;\n"
                             "Exec=") +
           LineaExecEscritorio(programa).toUtf8() +
           QByteArrayLiteral("\n"
                             "Icon=velmo\n"
                             "Terminal=false\n"
                             "Categories=Education;ComputerScience;\n"
                             "MimeType=") +
           QByteArray(kTipoMimeVlx) + QByteArrayLiteral(";\n");
}

/// At most `limite` bytes of a file; empty when it cannot be read.
QByteArray LeeHasta(const QString& ruta, qint64 limite) {
    QFile fichero(ruta);
    return fichero.open(QIODevice::ReadOnly) ? fichero.read(limite) : QByteArray();
}

} // namespace
#endif

QString LineaExecEscritorio(const QString& programa) {
    static const QString reservados = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool citar = false;
    for (const QChar c : programa) {
        if (reservados.contains(c)) {
            citar = true;
            break;
        }
    }
    QString argumento;
    if (citar) {
        argumento = QStringLiteral("\"");
        for (const QChar c : programa) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\')) {
                argumento += QLatin1Char('\\');
            }
            argumento += c;
        }
        argumento += QLatin1Char('"');
    } else {
        argumento = programa;
    }
    // A literal percent sign is doubled; then the value itself is escaped as a desktop-entry string.
    argumento.replace(QLatin1Char('%'), QStringLiteral("%%"));
    argumento.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    argumento.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return argumento + QStringLiteral(" %f");
}

bool InstaladoEnElSistema(const QString& programa) {
    const QFileInfo fichero(programa);
    QDir carpeta = fichero.absoluteDir();
    if (carpeta.dirName() != QStringLiteral("bin") || !carpeta.cdUp()) {
        return false;
    }
    const QFileInfo entrada(carpeta.filePath(QStringLiteral("share/applications/velmo.desktop")));
    if (!entrada.isFile()) {
        return false;
    }
    // Installed under the user's own data folder, that entry is the one the program would write.
    const QFileInfo delUsuario(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                                   .filePath(QStringLiteral("applications/velmo.desktop")));
    return entrada.canonicalFilePath() != delUsuario.canonicalFilePath();
}

QStringList EscribeAsociacionVlx(const QString& programa) {
    QStringList escritos;
#if defined(Q_OS_WIN)
    // The per-user classes tree needs no administrator rights and wins over the machine-wide one.
    QSettings clases(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
    const QString nativo = QDir::toNativeSeparators(programa);
    clases.setValue(QStringLiteral(".vlx/Default"), QStringLiteral(".vlx"));
    clases.setValue(QStringLiteral(".vlx/shell/open/command/Default"), nativo + QStringLiteral(" \"%1\""));
    clases.setValue(QStringLiteral(".vlx/DefaultIcon/Default"), nativo + QStringLiteral(",0"));
    clases.sync();
#elif defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QDir datos(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    const QString mime = datos.filePath(QStringLiteral("mime/packages/velmo.xml"));
    const QString icono = datos.filePath(QStringLiteral("icons/hicolor/scalable/apps/velmo.svg"));
    const QString entrada = datos.filePath(QStringLiteral("applications/velmo.desktop"));
    QByteArray imagen;
    QFile original(QStringLiteral(":/velmo/icons/velmo.svg"));
    if (original.open(QIODevice::ReadOnly)) {
        imagen = original.readAll();
    }
    const QByteArray escritorio = EntradaEscritorio(programa);

    if (InstaladoEnElSistema(programa)) {
        // The package's own files serve: copies for the user would outlive the package and shadow it.
        // Copies an earlier start wrote for this same program go; anything else is left alone.
        if (LeeHasta(entrada, escritorio.size() + 1) == escritorio) {
            QFile::remove(entrada);
            if (LeeHasta(mime, kXmlTipo.size() + 1) == kXmlTipo) {
                QFile::remove(mime);
            }
            if (!imagen.isEmpty() && LeeHasta(icono, imagen.size() + 1) == imagen) {
                QFile::remove(icono);
            }
            Actualiza(QStringLiteral("update-mime-database"), datos.filePath(QStringLiteral("mime")));
            Actualiza(QStringLiteral("update-desktop-database"),
                      datos.filePath(QStringLiteral("applications")));
        }
        return escritos;
    }

    if (EscribeFichero(mime, kXmlTipo)) {
        escritos << mime;
    }
    if (!imagen.isEmpty() && EscribeFichero(icono, imagen)) {
        escritos << icono;
    }
    if (EscribeFichero(entrada, escritorio)) {
        escritos << entrada;
    }

    Actualiza(QStringLiteral("update-mime-database"), datos.filePath(QStringLiteral("mime")));
    Actualiza(QStringLiteral("update-desktop-database"), datos.filePath(QStringLiteral("applications")));
#else
    Q_UNUSED(programa);
#endif
    return escritos;
}

} // namespace velmo
