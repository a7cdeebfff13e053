#pragma once
// State of the datapath diagram: the 23 shared signals with their values and active flags, the
// auxiliary-register flags of the configurable machine, and the control kind that picks the overlays.
// Drawing (polylines, probes) belongs to the window.

#include "EstadoVentana.h"
#include "ObjCable.h"
#include "TiposMaquina.h"

#include <array>
#include <cstdint>

namespace velmo {

inline constexpr int kCablesOrganizacion = 23;

struct DatosOrganizacion {
    std::array<std::int16_t, kCablesOrganizacion> Valor{};
    std::array<bool, kCablesOrganizacion> activado{};
    TTipoControl tipocontrol = tMicroprogramado;
    bool RegAuxActivo = false;
    bool RegauxLeido = false;
    std::uint16_t RegAux = 0; // the auxiliary register's output, for its probe
    bool operator==(const DatosOrganizacion&) const = default;
};

class TOrganizacion : public EstadoVentanaConDatos<DatosOrganizacion> {
public:
    static constexpr int kNumCables = kCablesOrganizacion;

    TOrganizacion() { SetCaption("UnidadProceso"); }

    /// The 23 signals: values 0, none active.
    void CreaCablesOrg();

    /// Name, width and kind of signal `indice`.
    static const TRegConfCable& Cable(int indice);

    std::int16_t Valor(int indice) const { return datos_.Valor[static_cast<std::size_t>(indice)]; }
    void SetValor(int indice, std::int16_t v) { datos_.Valor[static_cast<std::size_t>(indice)] = v; }
    /// Direct access for the engine, which moves values by index every cycle.
    std::array<std::int16_t, kNumCables>& Loscables() { return datos_.Valor; }

    bool Activado(int indice) const { return datos_.activado[static_cast<std::size_t>(indice)]; }
    void SetActivado(int indice, bool a) { datos_.activado[static_cast<std::size_t>(indice)] = a; }
    /// Every active flag at once, signal i from bit i.
    void SetActivados(std::uint32_t mascara);
    void DesactivaTodos() { datos_.activado.fill(false); }

    TTipoControl prtipocontrol() const { return datos_.tipocontrol; }
    void Settipocontrol(TTipoControl t) { datos_.tipocontrol = t; }
    bool prRegAuxActivo() const { return datos_.RegAuxActivo; }
    bool prRegAuxLeido() const { return datos_.RegauxLeido; }
    void SetRegAuxActivo(bool v) { datos_.RegAuxActivo = v; }
    void SetRegauxLeido(bool v) { datos_.RegauxLeido = v; }
    std::uint16_t ValorRegAux() const { return datos_.RegAux; }
    void SetValorRegAux(std::uint16_t v) { datos_.RegAux = v; }

    /// The engine flagged this cycle's signals: the window redraws them.
    void ActualizaBitmap() const { Avisa(Aviso::ActualizaBitmap); }

private:
};

} // namespace velmo
