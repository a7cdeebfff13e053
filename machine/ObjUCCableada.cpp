#include "ObjUCCableada.h"

#include "CablesMaquina.h"

#include <span>
#include <string>

namespace velmo {

TUCCableada::TUCCableada(Anfitrion& anfitrion, std::uint16_t ncables) : TUnidadControl(anfitrion, ncables) {
    EstadoActual = 0;
    EstadoAnterior = 0;
}

void TUCCableada::SetUp() {
    std::span<const TRegCAblesUP> tabla;
    switch (Tipocontrol) {
    case toptimizado:
        tabla = kControlOptimizado;
        break;
    case TVL1Modif:
        tabla = kControlVL1Modif;
        break;
    default:
        tabla = kControlNormal;
        break;
    }
    // A state outside the table (only reachable through SetEstadoActual) drives nothing new.
    if (EstadoActual < tabla.size()) {
        PonPalabraControl(tabla[EstadoActual]);
    }
    LosCables[puertoUC::wFromUP].Activado = true;
    LosCables[puertoUC::wToUP].Activado = true;
}

void TUCCableada::Comportamiento() {
    Comportado = true;
    const int cop = Cop();
    const int fz = Fz();
    switch (Tipocontrol) {
    case toptimizado:
        SiguienteOptimizado(cop, fz);
        break;
    case TVL1Modif:
        SiguienteVL1Modif(cop, fz);
        break;
    default:
        SiguienteNormal(cop, fz);
        break;
    }
    LosCables[puertoUC::RegsIn].Valor = EstadoSiguiente;
}

void TUCCableada::Pasa(std::uint8_t siguiente, const char* linea) {
    EstadoSiguiente = siguiente;
    Traza(linea);
}

void TUCCableada::SiguienteNormal(int cop, int fz) {
    switch (EstadoActual) {
    case 0:
        Pasa(1, "Control Cableado Normal: Fetch completado (ESTADO 0)");
        break;
    case 1:
        // An opcode outside 0..3 (a word decoded with four bits) has no row: the state stays as it was.
        if (cop >= 0 && cop <= 3) {
            EstadoSiguiente = static_cast<std::uint8_t>(2 + cop);
        }
        Traza("Control Cableado Normal: Decode completado (ESTADO 1)");
        break;
    case 2:
        Pasa(6, "Control Cableado Normal: Busqueda operando M->B (add)(ESTADO 2)");
        break;
    case 3:
        Pasa(8, "Control Cableado Normal: Busqueda operando M->B (cmp)(ESTADO 3)");
        break;
    case 4:
        Pasa(10, "Control Cableado Normal: Busqueda operando M->B (mov)(ESTADO 4)");
        break;
    case 5:
        Pasa(fz != 0 ? 11 : 0,
             "Control Cableado Normal: BEQ decisión si se toma el salto (Segun FZ) (ESTADO 5)");
        break;
    case 6:
        Pasa(7, "Control Cableado Normal: Busqueda operando M->A (Add)(ESTADO 6)");
        break;
    case 7:
        Pasa(0, "Control Cableado Normal: (Add) EJecución (ESTADO 7)");
        break;
    case 8:
        Pasa(9, "Control Cableado Normal: Busqueda operando M->A (CMP)(ESTADO 8)");
        break;
    case 9:
        Pasa(0, "Control Cableado Normal: (CMP) EJecución (ESTADO 9)");
        break;
    case 10:
        Pasa(0, "Control Cableado Normal: (Mov) EJecución (ESTADO 10)");
        break;
    case 11:
        Pasa(1, "Control Cableado Normal: (BEQ) Salto tomado (ESTADO 11)");
        break;
    default:
        break;
    }
}

bool TUCCableada::DecodeComun(int cop, int fz) {
    if (cop == 3 && fz == 0) {
        Pasa(0, "fz vale 0 el salto no sera tomado (ESTADO 1,Siguiente=0)");
    } else if (cop == 3) {
        Pasa(2, "fz vale 1 salto  tomado (ESTADO 1,Siguiente=2)");
    } else if (cop == 2) {
        Pasa(6, "es un mov (ESTADO 1,Siguiente=6)");
    } else {
        return false;
    }
    return true;
}

void TUCCableada::SiguienteOptimizado(int cop, int fz) {
    switch (EstadoActual) {
    case 0:
        Pasa(1, "Control Cableado Optimizado: Fetch completado (ESTADO 0)");
        break;
    case 1:
        if (!DecodeComun(cop, fz)) {
            Pasa(3, "decode add or cmp (ESTADO 1,Siguiente=3)");
        }
        break;
    case 2:
        Pasa(1, "Control Cableado Optimizado: ejecucion de BEQ (ESTADO 2,Siguiente=1)");
        break;
    case 3:
        if (cop != 0) {
            Pasa(5, "Control Cableado Optimizado: Fin de Decode cop=Cmp (ESTADO 3,Siguiente=5)");
        } else {
            Pasa(4, "Control Cableado Optimizado: Fin de Decode cop=ADD (ESTADO 3,Siguiente=4)");
        }
        break;
    case 4:
        Pasa(0, "Control Cableado Optimizado: Ejecucion de ADD (ESTADO 4,Siguiente=0)");
        break;
    case 5:
        Pasa(0, "Control Cableado Optimizado: Ejecucion de CMP (ESTADO 5,Siguiente=0)");
        break;
    case 6:
        Pasa(0, "Control Cableado Optimizado: Ejecucion de MOV (ESTADO 6,Siguiente=0)");
        break;
    default:
        break;
    }
}

void TUCCableada::SiguienteVL1Modif(int cop, int fz) {
    switch (EstadoActual) {
    case 0:
        Pasa(1, "Control Cableado VL1Modif: Fetch completado (ESTADO 0)");
        break;
    case 1:
        if (DecodeComun(cop, fz)) {
            break;
        }
        if (cop == 0 || cop == 1 || cop == 4) {
            Pasa(3, "decode add or cmp (ESTADO 1,Siguiente=3)");
        } else if (cop == 13) {
            Pasa(7, "es un clear (ESTADO 1,Siguiente=7)");
        } else {
            copaux = cop;
            EstadoSiguiente = 8;
            if (anfitrion().TrazaActiva()) {
                anfitrion().AnadeLineaTraza(
                    (LineaTraza::Nueva() << "es un movd o acum (ESTADO 1,Siguiente=8)y cop vale:" << cop)
                        .Texto());
            }
        }
        break;
    case 2:
        Pasa(1, "Control Cableado VL1Modif: ejecucion de BEQ (ESTADO 2,Siguiente=1)");
        break;
    case 3:
        if (cop != 0) {
            Pasa(5, "Control Cableado VL1Modif: Fin de Decode cop=Cmp (ESTADO 3,Siguiente=5)");
        } else {
            Pasa(4, "Control Cableado VL1Modif: Fin de Decode cop=ADD (ESTADO 3,Siguiente=4)");
        }
        break;
    case 4:
        Pasa(0, "Control Cableado VL1Modif: Ejecucion de ADD (ESTADO 4,Siguiente=0)");
        break;
    case 5:
        Pasa(0, "Control Cableado VL1Modif: Ejecucion de CMP (ESTADO 5,Siguiente=0)");
        break;
    case 6:
        Pasa(0, "Control Cableado VL1Modif: Ejecucion de MOV (ESTADO 6,Siguiente=0)");
        break;
    case 7:
        Pasa(0, "Control Cableado VL1Modif: Ejecucion de Clear (ESTADO 7,Siguiente=0)");
        break;
    case 8:
        if (copaux == 15) {
            EstadoSiguiente = 10;
        } else if (copaux == 14) {
            EstadoSiguiente = 9;
        }
        Traza("Control Cableado VL1Modif: Carga de la Constante en B (ESTADO 8,");
        break;
    case 9:
        Pasa(0, "Control Cableado VL1Modif: Ejecucion de MOVD (ESTADO 9,Siguiente=0)");
        break;
    case 10:
        EstadoSiguiente = 11;
        break;
    case 11:
        Pasa(0, "Control Cableado VL1Modif: Ejecucion de ACUM,[D]<-A+B (ESTADO 11,Siguiente=0)");
        break;
    default:
        break;
    }
}

} // namespace velmo
