#pragma once
// One open simulation: the executable it was opened from, the state of every window it shows, the
// counters and the list of datapath elements. TSimuladorVelmo builds and runs the Velmo on it.

#include "AnfitrionMaquina.h"
#include "FrameCablesControl.h"
#include "FrameCablesMemoria.h"
#include "FrameEstadoDeEjecucion.h"
#include "FrameMemoria.h"
#include "FrameRegistrosRdD.h"
#include "FrameUC.h"
#include "FrameUP.h"
#include "ObjElemOrg.h"
#include "RegInst.h"
#include "TiposMaquina.h"

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmo {

/// The executable cannot be opened at all (missing, unreadable): nothing was simulated.
class ErrorAperturaEjecutable : public std::runtime_error {
public:
    explicit ErrorAperturaEjecutable(const std::string& ruta)
        : std::runtime_error("No se puede abrir el fichero " + ruta), ruta_(ruta) {}
    const std::string& Ruta() const { return ruta_; }

private:
    std::string ruta_;
};

/// What the opening found in the executable, besides the boxes it showed.
enum class EstadoApertura {
    Correcto,
    CabeceraIncorrecta, // "Fichero incorrecto...": nothing read, a plain machine runs free words
    Corrupto,           // "Fichero corrupto...": the words read are loaded, the rest are free
};

class TSimulador {
public:
    TSimulador(const TSimulador&) = delete;
    TSimulador& operator=(const TSimulador&) = delete;
    virtual ~TSimulador() = default;

    /// The refresh that ends every cycle: diagrams, the clock flash of a hard-wired unit, counters, grids.
    virtual void EjecutaCiclo();
    virtual void Monitoriza() {}
    virtual bool EjecutaInstruccion() { return false; }
    virtual void MostrarMicroprograma() {}
    virtual void MostrarMaquinaEstados() {}
    virtual void EjecutaHastaBreakpoint() {}

    /// Every window back to its opening place and size, in the normal state, shown.
    void VentanasIniciales();

    /// Declared for the main window; a reset rebuilds the simulation from the file instead.
    void Resetea() {}

    const std::string& NomFichVelmo() const { return nomFichVelmo_; }
    /// The executable's bytes as they were read when the simulation opened.
    const std::string& BytesEjecutable() const { return bytesEjecutable_; }
    EstadoApertura Apertura() const { return apertura_; }
    std::int32_t NumCiclos() const { return numCiclos_; }
    std::int32_t NumInst() const { return numInst_; }
    TTipoControl TipoControl() const { return tipoControl_; }
    /// The words read from the file.
    const std::array<TregInst, kPalabrasMemoria>& VectorReginst() const { return vectorReginst_; }

    TEstadoDeEjecucion& FrameEstado() { return *frameEstado_; }
    TOrganizacion& FrameUP() { return *frameUP_; }
    TFrameControl& FrameUnidadDeControl() { return *frameUnidadDeControl_; }
    TRegRdD& FrameRegistros() { return *frameRegistros_; }
    TMemoriaVLM& FrameMemoria() { return *frameMemoria_; }
    TCablesMem& FrameCablesMEm() { return *frameCablesMEm_; }
    TCablesCtrl& FrameCablesCtrl() { return *frameCablesCtrl_; }
    const TEstadoDeEjecucion& FrameEstado() const { return *frameEstado_; }
    const TOrganizacion& FrameUP() const { return *frameUP_; }
    const TFrameControl& FrameUnidadDeControl() const { return *frameUnidadDeControl_; }
    const TRegRdD& FrameRegistros() const { return *frameRegistros_; }
    const TMemoriaVLM& FrameMemoria() const { return *frameMemoria_; }
    const TCablesMem& FrameCablesMEm() const { return *frameCablesMEm_; }
    const TCablesCtrl& FrameCablesCtrl() const { return *frameCablesCtrl_; }

    /// The elements in evaluation order: control unit, PC, A, B, IR, FZ, multiplexer, ALU, memory,
    /// incrementer.
    const std::vector<std::unique_ptr<TElemOrg>>& ListaElementosOrg() const { return listaElementosOrg_; }

protected:
    /// Opens the executable and prepares every window; the subclass builds the machine. Throws
    /// ErrorAperturaEjecutable when the file cannot be opened.
    TSimulador(AnfitrionMaquina& anfitrion, const std::string& fichero);
    /// The same over the bytes of an executable held in memory; `nombre` stands for its file name.
    TSimulador(AnfitrionMaquina& anfitrion, const std::string& nombre, std::string bytes);

    AnfitrionMaquina& anfitrion_;
    std::string nomFichVelmo_;
    std::string bytesEjecutable_;
    EstadoApertura apertura_ = EstadoApertura::Correcto;
    std::array<TregInst, kPalabrasMemoria> vectorReginst_;
    std::unique_ptr<TEstadoDeEjecucion> frameEstado_;
    std::unique_ptr<TOrganizacion> frameUP_;
    std::unique_ptr<TFrameControl> frameUnidadDeControl_;
    std::unique_ptr<TRegRdD> frameRegistros_;
    std::unique_ptr<TMemoriaVLM> frameMemoria_;
    std::unique_ptr<TCablesMem> frameCablesMEm_;
    std::unique_ptr<TCablesCtrl> frameCablesCtrl_;
    std::int32_t numCiclos_ = -1;
    std::int32_t numInst_ = -1;
    TTipoControl tipoControl_ = tnormal;
    std::vector<std::unique_ptr<TElemOrg>> listaElementosOrg_;

private:
    TSimulador(AnfitrionMaquina& anfitrion, const std::string& nombre, std::string bytes, bool leeFichero);
    void Abre(bool leeFichero);
    /// Reads the executable into memory and takes the control unit its version asks for.
    void CargaEjecutable(bool leeFichero);
    /// Asks the host for what the executable leaves open: the control unit or the microprogram.
    Microprograma PideControl();
    void InicializaMarcos();
    /// Sets the control unit and the datapath up for the chosen control, with their captions.
    void PreparaUnidades(const Microprograma& microprograma);
    void ColocaVentanas();
};

} // namespace velmo
