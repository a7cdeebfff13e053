#include "AsociacionFicheros.h"

#include <QDir>
#include <QFile>
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

QByteArray EscapeXml(const QString& texto) {
    return texto.toHtmlEscaped().toUtf8();
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
    const QString tipo = QString::fromLatin1(kTipoMimeVlx);

    const QString mime = datos.filePath(QStringLiteral("mime/packages/velmo.xml"));
    const QByteArray xml = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                             "<mime-info xmlns=\"http://www.freedesktop.org/standards/"
                                             "shared-mime-info\">\n  <mime-type type=\"") +
                           EscapeXml(tipo) +
                           QByteArrayLiteral("\">\n"
                                             "    <comment>Ejecutable de Velmo</comment>\n"
                                             "    <icon name=\"velmo\"/>\n"
                                             "    <glob pattern=\"*.vlx\"/>\n"
                                             "  </mime-type>\n"
                                             "</mime-info>\n");
    if (EscribeFichero(mime, xml)) {
        escritos << mime;
    }

    const QString icono = datos.filePath(QStringLiteral("icons/hicolor/scalable/apps/velmo.svg"));
    QFile original(QStringLiteral(":/velmo/icons/velmo.svg"));
    if (original.open(QIODevice::ReadOnly) && EscribeFichero(icono, original.readAll())) {
        escritos << icono;
    }

    const QString entrada = datos.filePath(QStringLiteral("applications/velmo.desktop"));
    const QByteArray escritorio = QByteArrayLiteral("[Desktop Entry]\n"
                                                    "Type=Application\n"
                                                    "Name=Velmo\n"
                                                    "Comment=Montador y simulador del computador Velmo\n"
                                                    "Exec=") +
                                  LineaExecEscritorio(programa).toUtf8() +
                                  QByteArrayLiteral("\n"
                                                    "Icon=velmo\n"
                                                    "Terminal=false\n"
                                                    "Categories=Education;Development;\n"
                                                    "MimeType=") +
                                  tipo.toUtf8() + QByteArrayLiteral(";\n");
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
