#include "DibujoCables.h"

#include "UtilidadesStr.h"
#include "Utils.h"
#include <QStringList>

#include <cstddef>

namespace velmo {

namespace {

QPoint Punto(PuntoDibujo p) {
    return {p.x, p.y};
}

TRegCable Convierte(const CableDibujo& d) {
    TRegCable c;
    for (const PuntoDibujo& p : d.puntos) {
        c.puntos.push_back(Punto(p));
    }
    c.Monitorizable = d.monitorizable;
    c.PtoConexionProbeOrigen = Punto(d.probeOrigen);
    c.PtoConexionProbeDestino = Punto(d.probeDestino);
    c.PtoProbe = Punto(d.probeCaja);
    return c;
}

template <std::size_t N> std::array<TRegCable, N> Convierte(const std::array<CableDibujo, N>& datos) {
    std::array<TRegCable, N> cables;
    for (std::size_t i = 0; i < N; ++i) {
        cables[i] = Convierte(datos[i]);
    }
    return cables;
}

} // namespace

std::array<TRegCable, kNumCablesOrg> CreaDibujoCablesOrg() {
    return Convierte(DatosCablesOrg());
}

std::array<TRegCable, kNumCablesControl> CreaDibujoCablesControl(TTipoControl tipo) {
    return Convierte(DatosCablesControl(tipo));
}

QFont FuenteSans8() {
    QFont fuente(QStringLiteral("MS Sans Serif"), 8);
    fuente.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    return fuente;
}

CajaProbe CalculaProbe(TFormato formato, QPoint ptoProbe, int bits, std::int16_t valor) {
    const int x = ptoProbe.x();
    const int y = ptoProbe.y();
    const auto sinSigno = static_cast<std::uint16_t>(valor);
    CajaProbe p;
    switch (formato) {
    case Tbin:
        p.caja = QRect(QPoint(x, y), QSize(6 * bits + 8, 15));
        p.texto = QString::fromStdString(Int2Bin(valor, bits));
        p.posTexto = QPoint(x + 4, y + 1);
        break;
    case THex:
        p.caja = QRect(QPoint(x + 5, y), QSize(6 * bits / 4 + 21, 15));
        p.texto = QStringLiteral("0x") +
                  QStringLiteral("%1").arg(sinSigno, bits / 4, 16, QLatin1Char('0')).toUpper();
        p.posTexto = QPoint(x + 7, y + 1);
        break;
    case Tint:
        p.caja = QRect(QPoint(x + 5, y), QSize(2 * bits + 12, 15));
        p.texto = QString::number(sinSigno);
        p.posTexto = QPoint(x + 8, y + 1);
        break;
    }
    return p;
}

} // namespace velmo
