#pragma once
// The data the simulation's diagrams and windows are drawn from, free of any GUI library: where each
// signal's polylines run over its picture, where the datapath's probes go, the pictures and their sizes,
// each window's context help and the colours. The desktop's Qt windows and the browser page draw from
// these same tables.

#include "TiposMaquina.h"

#include <array>
#include <string_view>
#include <vector>

namespace velmo {

struct PuntoDibujo {
    int x = 0;
    int y = 0;

    bool operator==(const PuntoDibujo&) const = default;
};

/// One signal as a diagram draws it, and on the datapath where its probe's lead and label box go.
struct CableDibujo {
    std::vector<PuntoDibujo> puntos;
    bool monitorizable = false; // only five datapath signals have a probe place
    PuntoDibujo probeOrigen;
    PuntoDibujo probeDestino;
    PuntoDibujo probeCaja;
};

inline constexpr int kNumCablesOrg = 23;
inline constexpr int kNumCablesControl = 5;

/// The 23 datapath signals in map order, over the datapath picture.
std::array<CableDibujo, kNumCablesOrg> DatosCablesOrg();
/// The probe of the configurable machine's auxiliary register (it has no wire of its own on the picture).
CableDibujo DatosSondaRegAux();
/// The five signals of the control-unit picture of `tipo` (the optimized unit has one flip-flop less).
std::array<CableDibujo, kNumCablesControl> DatosCablesControl(TTipoControl tipo);

/// The pictures (files of resources/) and the size the diagrams are drawn at.
inline constexpr std::string_view kImagenUnidadProceso = "VELMO.svg";
inline constexpr int kAnchoUnidadProceso = 580;
inline constexpr int kAltoUnidadProceso = 610;
/// UCCABLEV1.svg, UCCABLEOPT.svg or UCMICRO.svg.
std::string_view ImagenUnidadControl(TTipoControl tipo);
inline constexpr int kAnchoUnidadControl = 325;
inline constexpr int kAltoUnidadControl = 228;

/// One output of a hard-wired unit's state diagram: its name and its value in each state ("X" = don't care).
struct FilaSalidas {
    std::string_view nombre;
    std::string_view valores; // one character per state
};

/// The state diagram a click on a hard-wired unit's ROM opens: its caption, its picture (a file of
/// resources/) and the list of its control outputs per state, top to bottom. The lists are explanation for
/// the student, kept as they were written for them.
struct MapaEstados {
    std::string_view titulo;
    std::string_view imagen;
    std::array<FilaSalidas, 10> salidas;
};
/// The state diagram of `tipo`; null for the microprogrammed units, which have none.
const MapaEstados* MapaEstadosDe(TTipoControl tipo);

/// The context help ("¿Qué es esto?") of each simulation window.
enum class VentanaAyuda {
    UnidadProceso,
    UnidadControl,
    Memoria,
    Registros,
    CablesMemoria,
    CablesControl,
    Estado
};
inline constexpr std::array<VentanaAyuda, 7> kVentanasAyuda{
    VentanaAyuda::UnidadProceso, VentanaAyuda::UnidadControl, VentanaAyuda::Memoria, VentanaAyuda::Registros,
    VentanaAyuda::CablesMemoria, VentanaAyuda::CablesControl, VentanaAyuda::Estado};
std::string_view TextoAyuda(VentanaAyuda ventana);
/// A stable name of the window, for the page: "unidadProceso", "memoria"...
std::string_view NombreVentanaAyuda(VentanaAyuda ventana);

/// Colours of the diagrams and windows, as 0xRRGGBB.
inline constexpr unsigned kRojoCable = 0xFF3300;          // active signal
inline constexpr unsigned kAmarilloReloj = 0xFFFF00;      // clock flash
inline constexpr unsigned kAmarilloProbe = 0xFFFFE1;      // probe box
inline constexpr unsigned kAzulCable = 0x0066CC;          // idle wires of the overlays
inline constexpr unsigned kAzulCielo = 0xA6CAF0;          // picture ground
inline constexpr unsigned kAmarilloFilaActual = 0xFFFF00; // memory row being executed
inline constexpr unsigned kRojoBreakpoint = 0xFF0000;     // memory row with a breakpoint (white text)
inline constexpr unsigned kAzulNombreTabla = 0x0066CC;    // names in the tables, addresses in memory
inline constexpr unsigned kNegroValorTabla = 0x000000;    // values in the tables

/// The colours above with a stable name each, for the page.
struct ColorDibujo {
    std::string_view nombre;
    unsigned rgb;
};
inline constexpr std::array<ColorDibujo, 9> kColoresDibujo{{
    {"cableActivo", kRojoCable},
    {"reloj", kAmarilloReloj},
    {"cajaSonda", kAmarilloProbe},
    {"cableInactivo", kAzulCable},
    {"fondo", kAzulCielo},
    {"filaActual", kAmarilloFilaActual},
    {"breakpoint", kRojoBreakpoint},
    {"nombreTabla", kAzulNombreTabla},
    {"valorTabla", kNegroValorTabla},
}};

} // namespace velmo
