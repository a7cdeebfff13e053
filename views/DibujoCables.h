#pragma once
// Drawing records of the diagrams' signals: where each polyline runs over its picture and, on the
// datapath, where a probe's lead and label box go and in which base the user wants it. The values and
// active flags live in the machine's window state; this is what only the window needs.

#include "DibujoDatos.h"
#include "TiposMaquina.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace velmo {

/// One signal as a diagram draws it. Whether it is active is the machine's state, not kept here.
struct TRegCable {
    std::vector<QPoint> puntos;
    bool Monitorizable = false; // only five datapath signals have a probe place
    bool ProbeActivado = false;
    QPoint PtoConexionProbeOrigen;
    QPoint PtoConexionProbeDestino;
    QPoint PtoProbe;
    TFormato Formato = Tbin;
};

/// The 23 datapath signals in map order (DatosCablesOrg), probes off and in binary.
std::array<TRegCable, kNumCablesOrg> CreaDibujoCablesOrg();

/// The five signals of the control-unit picture of `tipo` (DatosCablesControl).
std::array<TRegCable, kNumCablesControl> CreaDibujoCablesControl(TTipoControl tipo);

/// A probe's label: box, text and where the text starts, for a signal of `bits` bits holding `valor`.
struct CajaProbe {
    QRect caja; // right and bottom edges excluded
    QString texto;
    QPoint posTexto;
};
CajaProbe CalculaProbe(TFormato formato, QPoint ptoProbe, int bits, std::int16_t valor);

/// The classic 8-point sans of the diagrams and their dialogs, with its metric-compatible stand-ins first:
/// probe digits and list cells are sized for it.
QFont FuenteSans8();

} // namespace velmo
