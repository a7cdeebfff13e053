#include "ObjUCMicroprogramada.h"

#include <array>
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

namespace {

// The states of the fixed microprogram that go on to one state whatever the opcode and the zero flag, with
// their trace; a null trace marks a state that decides.
struct PasoFijo {
    std::uint8_t siguiente;
    const char* traza;
};

constexpr std::array<PasoFijo, 14> kPasosFijos = {{
    {1, "UCMicroprogramada:  fetch, estado siguiente: 1 decode "},
    {0, nullptr},
    {0, nullptr},
    {4, "UCMicroprogramada:  (ADD) cargar B"},
    {5, "UCMicroprogramada:  (ADD) cargar A"},
    {0, "UCMicroprogramada:  (ADD) ejecucion "},
    {7, "UCMicroprogramada:  cargado B  Estado siguiente ejecutar MOV"},
    {0, "UCMicroprogramada:  ejecución MOV  Estado siguiente 0"},
    {0, nullptr},
    {10, "UCMicroprogramada: Cmp, cargar B"},
    {11, "UCMicroprogramada:  Cmp, cargar A"},
    {0, "UCMicroprogramada:  Cmp, ejecutar "},
    {0, nullptr},
    {1, "UCMicroprogramada:  BEQ, salto  TOMADO (fetch<- dst)"},
}};

} // namespace

void TUCMicroProgramada::SiguienteFijo(int cop, int fz) {
    switch (EstadoActual) {
    case 1:
        if ((cop & 1) != 0) {
            DecideFijo(8, cop, "UCMicroprogramada:  decode, cop vale:", " estado siguiente 8 (CmP or BEQ) ");
        } else {
            DecideFijo(2, cop, "UCMicroprogramada:  decode,cop vale:", " estado siguiente 2  (ADD or MOV");
        }
        break;
    case 2:
        if (cop == 2) {
            DecideFijo(6, cop, "UCMicroprogramada:  decode cop vale:", " estado siguiente: 6 (mov)");
        } else {
            DecideFijo(3, cop, "UCMicroprogramada:  decode estado cop vale:", " siguiente: 3 (ADD)");
        }
        break;
    case 8:
        if (cop == 3) {
            DecideFijo(12, cop, "UCMicroprogramada:  decode,cop vale:", " Estadosiguiente 12 (BEQ)");
        } else {
            DecideFijo(9, cop, "UCMicroprogramada:  decode,cop vale:", " Estadosiguiente 9 (CMP)");
        }
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
    default:
        if (EstadoActual < kPasosFijos.size()) {
            const PasoFijo& paso = kPasosFijos[EstadoActual];
            EstadoSiguiente = paso.siguiente;
            Traza(paso.traza);
        }
        break;
    }
}

void TUCMicroProgramada::DecideFijo(std::uint8_t siguiente, int cop, const char* antes, const char* despues) {
    EstadoSiguiente = siguiente;
    if (anfitrion().TrazaActiva()) {
        anfitrion().AnadeLineaTraza((LineaTraza::Nueva() << antes << cop << despues).Texto());
    }
}

} // namespace velmo
