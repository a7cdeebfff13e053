#include "ObjUCMicroprogramada.h"

#include <string>

namespace velmo {

TUCMicroProgramada::TUCMicroProgramada(Anfitrion& anfitrion, std::uint16_t ncables)
    : TUnidadControl(anfitrion, ncables) {
    EstadoActual = 0;
}

void TUCMicroProgramada::SetMicroinst(int direccion, const TMicroInstProgramable& mi) {
    if (direccion < 0 || direccion >= kMicroinstrucciones) {
        anfitrion().MuestraMensaje("Dirección incorrecta para microinstrucción", "Velmo",
                                   IconoMensaje::Error);
        return;
    }
    VectorMicroInst[static_cast<std::size_t>(direccion)] = mi;
}

void TUCMicroProgramada::SetUp() {
    if (microeditable) {
        if (EstadoActual < VectorMicroInst.size()) {
            const TMicroInstProgramable& m = VectorMicroInst[EstadoActual];
            PonPalabraControl(static_cast<std::int16_t>(m.MX10), static_cast<std::int16_t>(m.ALU10),
                              static_cast<std::int16_t>(m.LorWmem), static_cast<std::int16_t>(m.pPc),
                              static_cast<std::int16_t>(m.pIr), static_cast<std::int16_t>(m.pA),
                              static_cast<std::int16_t>(m.pB), static_cast<std::int16_t>(m.pFz));
        }
    } else if (EstadoActual < kMicroprogramaFijo.size()) {
        PonPalabraControl(kMicroprogramaFijo[EstadoActual]);
    }
}

void TUCMicroProgramada::Comportamiento() {
    Comportado = true;
    const int cop = Cop();
    const int fz = Fz();
    if (microeditable) {
        SiguienteEditable(cop, fz);
    } else {
        SiguienteFijo(cop, fz);
    }
}

bool TUCMicroProgramada::SaltoTomado(std::uint16_t test, int cop, int fz) {
    const int d = test & 1;
    const int s = (test >> 1) & 1;
    const int v = (test >> 2) & 1;
    const auto ucop = static_cast<std::uint16_t>(cop);
    if (s == 0) {
        return d == 0 ? (ucop & 1) == v : (ucop >> 1) == v;
    }
    return d == 0 ? fz == v : v == 0;
}

void TUCMicroProgramada::SiguienteEditable(int cop, int fz) {
    if (EstadoActual >= VectorMicroInst.size()) {
        ErrorMicroprograma(EstadoActual);
        return;
    }
    const TMicroInstProgramable& m = VectorMicroInst[EstadoActual];
    if (SaltoTomado(m.Test, cop, fz)) {
        const int destino = m.Salto & 0xFF;
        if (destino < kMicroinstrucciones) {
            EstadoSiguiente = static_cast<std::uint8_t>(destino);
        } else {
            // A jump outside the microprogram is treated as falling off its end: the unit stays here.
            ErrorMicroprograma(EstadoActual);
        }
    } else if (EstadoActual < kMicroinstrucciones - 1) {
        EstadoSiguiente = static_cast<std::uint8_t>(EstadoActual + 1);
    } else {
        ErrorMicroprograma(EstadoActual);
    }
}

void TUCMicroProgramada::ErrorMicroprograma(int direccion) {
    anfitrion().MuestraMensaje("Error en el Microprograma: destino de salto fuera de rango\r\nRevise la "
                               "microinstrucción " +
                                   std::to_string(direccion),
                               "Velmo", IconoMensaje::Error);
    EstadoSiguiente =
        static_cast<std::uint8_t>(direccion < kMicroinstrucciones ? direccion : kMicroinstrucciones - 1);
}

void TUCMicroProgramada::SiguienteFijo(int cop, int fz) {
    const bool traza = anfitrion().TrazaActiva();
    switch (EstadoActual) {
    case 0:
        EstadoSiguiente = 1;
        Traza("UCMicroprogramada:  fetch, estado siguiente: 1 decode ");
        break;
    case 1:
        if ((cop & 1) != 0) {
            EstadoSiguiente = 8;
            if (traza) {
                anfitrion().AnadeLineaTraza((LineaTraza::Nueva()
                                             << "UCMicroprogramada:  decode, cop vale:" << cop
                                             << " estado siguiente 8 (CmP or BEQ) ")
                                                .Texto());
            }
        } else {
            EstadoSiguiente = 2;
            if (traza) {
                anfitrion().AnadeLineaTraza((LineaTraza::Nueva() << "UCMicroprogramada:  decode,cop vale:"
                                                                 << cop << " estado siguiente 2  (ADD or MOV")
                                                .Texto());
            }
        }
        break;
    case 2:
        if (cop == 2) {
            EstadoSiguiente = 6;
            if (traza) {
                anfitrion().AnadeLineaTraza((LineaTraza::Nueva() << "UCMicroprogramada:  decode cop vale:"
                                                                 << cop << " estado siguiente: 6 (mov)")
                                                .Texto());
            }
        } else {
            EstadoSiguiente = 3;
            if (traza) {
                anfitrion().AnadeLineaTraza((LineaTraza::Nueva()
                                             << "UCMicroprogramada:  decode estado cop vale:" << cop
                                             << " siguiente: 3 (ADD)")
                                                .Texto());
            }
        }
        break;
    case 3:
        EstadoSiguiente = 4;
        Traza("UCMicroprogramada:  (ADD) cargar B");
        break;
    case 4:
        EstadoSiguiente = 5;
        Traza("UCMicroprogramada:  (ADD) cargar A");
        break;
    case 5:
        EstadoSiguiente = 0;
        Traza("UCMicroprogramada:  (ADD) ejecucion ");
        break;
    case 6:
        EstadoSiguiente = 7;
        Traza("UCMicroprogramada:  cargado B  Estado siguiente ejecutar MOV");
        break;
    case 7:
        EstadoSiguiente = 0;
        Traza("UCMicroprogramada:  ejecución MOV  Estado siguiente 0");
        break;
    case 8:
        if (cop == 3) {
            EstadoSiguiente = 12;
            if (traza) {
                anfitrion().AnadeLineaTraza((LineaTraza::Nueva() << "UCMicroprogramada:  decode,cop vale:"
                                                                 << cop << " Estadosiguiente 12 (BEQ)")
                                                .Texto());
            }
        } else {
            EstadoSiguiente = 9;
            if (traza) {
                anfitrion().AnadeLineaTraza((LineaTraza::Nueva() << "UCMicroprogramada:  decode,cop vale:"
                                                                 << cop << " Estadosiguiente 9 (CMP)")
                                                .Texto());
            }
        }
        break;
    case 9:
        EstadoSiguiente = 10;
        Traza("UCMicroprogramada: Cmp, cargar B");
        break;
    case 10:
        EstadoSiguiente = 11;
        Traza("UCMicroprogramada:  Cmp, cargar A");
        break;
    case 11:
        EstadoSiguiente = 0;
        Traza("UCMicroprogramada:  Cmp, ejecutar ");
        break;
    case 12:
        if (fz != 0) {
            EstadoSiguiente = 13;
            Traza("UCMicroprogramada:  BEQ, salto SERÁ TOMADO");
        } else {
            EstadoSiguiente = 0;
            Traza("UCMicroprogramada:  BEQ, salto NO tomado");
        }
        break;
    case 13:
        EstadoSiguiente = 1;
        Traza("UCMicroprogramada:  BEQ, salto  TOMADO (fetch<- dst)");
        break;
    default:
        break;
    }
}

} // namespace velmo
