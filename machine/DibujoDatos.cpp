#include "DibujoDatos.h"

#include "Utils.h"

#include <initializer_list>

namespace velmo {

namespace {

CableDibujo Cable(std::initializer_list<PuntoDibujo> puntos) {
    CableDibujo c;
    c.puntos = puntos;
    return c;
}

CableDibujo ConProbe(std::initializer_list<PuntoDibujo> puntos, PuntoDibujo origen, PuntoDibujo destino,
                     PuntoDibujo caja) {
    CableDibujo c = Cable(puntos);
    c.monitorizable = true;
    c.probeOrigen = origen;
    c.probeDestino = destino;
    c.probeCaja = caja;
    return c;
}

} // namespace

std::array<CableDibujo, kNumCablesOrg> DatosCablesOrg() {
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

CableDibujo DatosSondaRegAux() {
    // The lead leaves the top of the REGAUX box; the label sits in the free corner above it, clear of the
    // register's output path.
    return ConProbe({}, {24, 239}, {24, 211}, {14, 196});
}

std::array<CableDibujo, kNumCablesControl> DatosCablesControl(TTipoControl tipo) {
    if (!EsCableado(tipo)) {
        return {{
            Cable({{7, 63}, {48, 63}, {48, 136}}),                 // wFromUP
            Cable({{222, 113}, {222, 138}, {284, 138}}),           // wToUP
            Cable({{82, 141}, {82, 54}}),                          // w@Rom
            Cable({{131, 113}, {131, 208}, {88, 208}, {88, 200}}), // wSalto
            Cable({{143, 113}, {143, 218}, {53, 218}, {53, 200}}), // wTest
        }};
    }
    std::array<CableDibujo, kNumCablesControl> cables{{
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

const MapaEstados* MapaEstadosDe(TTipoControl tipo) {
    static constexpr MapaEstados kNormal{"Diagrama de estados",
                                         "ESTADOSNORMAL.svg",
                                         {{
                                             {"MX1", "0X111X111X11"},
                                             {"MX0", "0X000X111X11"},
                                             {"ALU1", "XXXXXXX0X01X"},
                                             {"ALU0", "XXXXXXX0X10X"},
                                             {"L/E", "000000010010"},
                                             {"PC <- @+1", "100000000001"},
                                             {"IR <- M", "100000000001"},
                                             {"A <- M", "000000101000"},
                                             {"B <- M", "001110000000"},
                                             {"FZ <- Z", "000000010110"},
                                         }}};
    static constexpr MapaEstados kOptimizada{"U.C. Cableada Optimizada: Máquina de Estados y Señales ",
                                             "ESTADOSOPTIMIZADA.svg",
                                             {{
                                                 {"MX1", "01111X1"},
                                                 {"MX0", "00111X1"},
                                                 {"ALU1", "XXXX001"},
                                                 {"ALU0", "XXXX010"},
                                                 {"L/E", "0000101"},
                                                 {"PC <- @+1", "1010000"},
                                                 {"IR <- M", "1010000"},
                                                 {"A <- M", "0001000"},
                                                 {"B <- M", "0100100"},
                                                 {"FZ <- Z", "0000111"},
                                             }}};
    static constexpr MapaEstados kModificada{"Diagrama de estados",
                                             "ESTADOSVL1MODIF.svg",
                                             {{
                                                 {"MX1", "01111X111111"},
                                                 {"MX0", "00111X111111"},
                                                 {"ALU1", "XXXX0011X1X0"},
                                                 {"ALU0", "XXXX0101X0X0"},
                                                 {"L/E", "000010110100"},
                                                 {"PC <- @+1", "101000001000"},
                                                 {"IR <- M", "101000000000"},
                                                 {"A <- M", "000100000010"},
                                                 {"B <- M", "010000001000"},
                                                 {"FZ <- Z", "000011100001"},
                                             }}};
    switch (tipo) {
    case tnormal:
        return &kNormal;
    case toptimizado:
        return &kOptimizada;
    case TVL1Modif:
        return &kModificada;
    case tMicroprogramado:
    case TMicroprogramable:
        break;
    }
    return nullptr;
}

std::string_view ImagenUnidadControl(TTipoControl tipo) {
    switch (tipo) {
    case tnormal:
    case TVL1Modif:
        return "UCCABLEV1.svg";
    case toptimizado:
        return "UCCABLEOPT.svg";
    case tMicroprogramado:
    case TMicroprogramable:
        return "UCMICRO.svg";
    }
    return "UCCABLEV1.svg";
}

std::string_view TextoAyuda(VentanaAyuda ventana) {
    switch (ventana) {
    case VentanaAyuda::UnidadProceso:
        return "Esta ventana nos muestra la organización de la Velmo. Presionando sobre cada elemento de la "
               "organización, aparece una ventana que nos muestra información sobre el mismo. Al simular, "
               "los "
               "cables activos en el ciclo actual de simulación, aparecen de color rojo. Para ver el "
               "contenido "
               "de los mismos, ejecute Ejecución | Monitorizar.";
    case VentanaAyuda::UnidadControl:
        return "Esta ventana nos muestra la unidad de control de la Velmo. Para ver el diagrama de "
               "estados o el microprograma, dependiendo del tipo de unidad de control, haga clic "
               "sobre la memoria ROM. ";
    case VentanaAyuda::Memoria:
        return "Esta ventana nos muestra la memoria de la Velmo. Se pueden poner puntos de ruptura "
               "(breakpoints) "
               "pinchando con el ratón sobre el número de la posición de memoria correspondiente. Para "
               "quitar un "
               "punto "
               "de ruptura basta con repetir la operación anterior. La instrucción que se está ejecutando "
               "está "
               "marcada "
               "en amarillo.";
    case VentanaAyuda::Registros:
        return "Esta ventana nos muestra el contenido de los registros de la Velmo.";
    case VentanaAyuda::CablesMemoria:
        return "Esta ventana nos muestra el valor de las señales que entran y salen de la memoria "
               "principal de la Velmo. ";
    case VentanaAyuda::CablesControl:
        return "Esta ventana nos el valor de las señales que la unidad de control envía a la unidad "
               "de proceso de la Velmo.";
    case VentanaAyuda::Estado:
        return "Esta ventana nos muestra el número de ciclos y de instrucciones que se han "
               "ejecutado hasta ahora.";
    }
    return {};
}

std::string_view NombreVentanaAyuda(VentanaAyuda ventana) {
    switch (ventana) {
    case VentanaAyuda::UnidadProceso:
        return "unidadProceso";
    case VentanaAyuda::UnidadControl:
        return "unidadControl";
    case VentanaAyuda::Memoria:
        return "memoria";
    case VentanaAyuda::Registros:
        return "registros";
    case VentanaAyuda::CablesMemoria:
        return "senalesMemoria";
    case VentanaAyuda::CablesControl:
        return "senalesControl";
    case VentanaAyuda::Estado:
        return "estado";
    }
    return {};
}

} // namespace velmo
