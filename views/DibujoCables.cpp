#include "DibujoCables.h"

#include "UtilidadesStr.h"
#include "Utils.h"
#include <QStringList>

#include <initializer_list>

namespace velmo {

namespace {

std::vector<QPoint> Linea(std::initializer_list<QPoint> puntos) {
    return {puntos};
}

TRegCable Cable(std::initializer_list<QPoint> puntos) {
    TRegCable c;
    c.puntos = Linea(puntos);
    return c;
}

TRegCable ConProbe(std::initializer_list<QPoint> puntos, QPoint origen, QPoint destino, QPoint caja) {
    TRegCable c = Cable(puntos);
    c.Monitorizable = true;
    c.PtoConexionProbeOrigen = origen;
    c.PtoConexionProbeDestino = destino;
    c.PtoProbe = caja;
    return c;
}

} // namespace

std::array<TRegCable, kNumCablesOrg> CreaDibujoCablesOrg() {
    return {{
        Cable({{52, 23}, {503, 23}, {503, 36}}),                                // wPmem
        ConProbe({{226, 99}, {177, 99}}, {200, 98}, {200, 50}, {180, 45}),      // wSumPc
        Cable({{128, 98}, {108, 98}, {108, 190}, {186, 190}}),                  // wPcMux
        Cable({{87, 180}, {149, 180}, {149, 171}}),                             // wPPcIn
        Cable({{269, 229}, {298, 229}, {298, 98}, {278, 98}}),                  // wMuxoutSum
        ConProbe({{269, 229}, {442, 229}}, {298, 230}, {298, 250}, {290, 250}), // wMuxoutMem
        Cable({{501, 289}, {501, 381}, {179, 381}}),                            // wMemOutIr
        ConProbe({{501, 289}, {501, 381}, {432, 381}, {432, 421}}, {442, 380}, {442, 350},
                 {395, 340}),                                                   // wMoutB
        Cable({{501, 289}, {501, 381}, {285, 381}, {285, 421}}),                // wMoutA
        Cable({{126, 343}, {108, 343}, {108, 270}, {187, 270}}),                // wIrDMux3
        Cable({{126, 386}, {98, 386}, {98, 240}, {187, 240}}),                  // wIRFMux2
        Cable({{127, 421}, {72, 421}}),                                         // wIrCO
        Cable({{67, 446}, {150, 446}}),                                         // wPIr
        Cable({{67, 462}, {218, 462}}),                                         // wPA
        Cable({{67, 488}, {359, 488}, {359, 451}, {366, 451}}),                 // wPB
        Cable({{285, 472}, {285, 491}}),                                        // wAAlU
        Cable({{434, 471}, {434, 491}}),                                        // wBAlu
        Cable({{177, 525}, {55, 525}}),                                         // wFZOut
        Cable({{67, 556}, {195, 556}}),                                         // wPFZ
        ConProbe({{254, 525}, {218, 525}}, {230, 525}, {230, 540}, {225, 540}), // wAluZFZ
        Cable({{68, 568}, {272, 568}}),                                         // wAluOP
        ConProbe({{359, 572}, {359, 591}, {537, 591}, {537, 300}}, {245, 583}, {357, 583},
                 {235, 576}),           // wAluOutMem
        Cable({{72, 305}, {234, 305}}), // wMux10
    }};
}

TRegCable CreaSondaRegAux() {
    return ConProbe({}, {24, 239}, {24, 211}, {14, 196});
}

std::array<TRegCable, kNumCablesControl> CreaDibujoCablesControl(TTipoControl tipo) {
    if (!EsCableado(tipo)) {
        return {{
            Cable({{7, 63}, {48, 63}, {48, 136}}),                 // wFromUP
            Cable({{222, 113}, {222, 138}, {284, 138}}),           // wToUP
            Cable({{82, 141}, {82, 54}}),                          // w@Rom
            Cable({{131, 113}, {131, 208}, {88, 208}, {88, 200}}), // wSalto
            Cable({{143, 113}, {143, 218}, {53, 218}, {53, 200}}), // wTest
        }};
    }
    std::array<TRegCable, kNumCablesControl> cables{{
        Cable({{42, 33}, {88, 33}}),
        Cable({{215, 109}, {215, 141}, {274, 141}}),
        Cable({{134, 209},
               {98, 209},
               {113, 209},
               {113, 184},
               {99, 184},
               {113, 184},
               {113, 159},
               {99, 159},
               {113, 159},
               {113, 134},
               {99, 134}}),
        Cable({{130, 108},
               {130, 123},
               {99, 123},
               {130, 123},
               {130, 148},
               {99, 148},
               {130, 148},
               {130, 173},
               {99, 173},
               {130, 173},
               {130, 198},
               {99, 198}}),
        Cable({{97, 92},
               {53, 92},
               {53, 134},
               {78, 134},
               {53, 134},
               {53, 159},
               {78, 159},
               {53, 159},
               {53, 184},
               {78, 184},
               {53, 184},
               {53, 209},
               {78, 209}}),
    }};
    if (tipo == toptimizado) {
        // No fourth flip-flop: the clock skips its tooth, the state lines stop one tooth short.
        auto& reloj = cables[2].puntos;
        reloj.erase(reloj.begin() + 1);
        cables[3].puntos.resize(10);
        cables[4].puntos.resize(11);
    }
    return cables;
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
