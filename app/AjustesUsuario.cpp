#include "AjustesUsuario.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace velmo {

namespace {

struct Almacen {
    std::unique_ptr<QSettings> ajustes;
    QString prefijo; // group that holds the values inside the store
};

Almacen AbreAlmacen() {
    Almacen almacen;
#ifdef Q_OS_WIN
    almacen.ajustes = std::make_unique<QSettings>(UbicacionAjustes(), QSettings::NativeFormat);
#else
    almacen.ajustes = std::make_unique<QSettings>(UbicacionAjustes(), QSettings::IniFormat);
    almacen.prefijo = QStringLiteral("Velmo/");
#endif
    return almacen;
}

} // namespace

QString UbicacionAjustes() {
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Velmo");
#else
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Velmo.ini"));
#endif
}

bool LeeAjuste(const QString& nombre, bool porDefecto) {
    const Almacen almacen = AbreAlmacen();
    const QVariant valor = almacen.ajustes->value(almacen.prefijo + nombre);
    if (!valor.isValid()) {
        return porDefecto;
    }
    bool ok = false;
    const qlonglong numero = valor.toString().trimmed().toLongLong(&ok);
    return ok ? numero != 0 : porDefecto;
}

void EscribeAjuste(const QString& nombre, bool valor) {
    const Almacen almacen = AbreAlmacen();
    almacen.ajustes->setValue(almacen.prefijo + nombre, valor ? QStringLiteral("1") : QStringLiteral("0"));
    almacen.ajustes->sync();
}

} // namespace velmo
