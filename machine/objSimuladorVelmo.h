#pragma once
// The Velmo simulation: builds the datapath and its control unit, wires them by signal index and runs
// them one clock cycle, one instruction or up to a breakpoint at a time.

#include "EjecucionPorTramos.h"
#include "ObjAlu.h"
#include "ObjIncrementador.h"
#include "ObjMemoria.h"
#include "ObjMux.h"
#include "ObjRegistro.h"
#include "ObjUCCableada.h"
#include "ObjUCMicroprogramada.h"
#include "ObjUnidadControl.h"
#include "ResultadoEjecucion.h"
#include "objSimulador.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <variant>

namespace velmo {

class Historia;

class TSimuladorVelmo : public TSimulador {
public:
    /// Everything a cycle changes, as plain values: the elements, the engine's own fields, the counters
    /// and what every window shows. Restoring one puts the simulation back at that moment.
    struct Instantanea {
        std::variant<TUCCableada, TUCMicroProgramada> uc;
        TRegistro pc, a, b, ir, fz;
        TMux mux;
        TAlu alu;
        TMemoria memoria;
        TIncrementador incrementador;
        std::int32_t numCiclos, numInst;
        bool findeinstruccion, isCopModif;
        std::int32_t regAux, estadoActual, currentPc;
        TMemoriaVLM::Datos vistaMemoria;
        TablaNombreValor::Datos registros, cablesMem, cablesCtrl;
        TEstadoDeEjecucion::Datos estado;
        TOrganizacion::Datos up;
        TFrameControl::Datos unidadControl;
    };

    /// The values of one element that a cycle changes: its ports and whether it has behaved.
    struct PuertosCompactos {
        std::array<std::int16_t, 14> valor{};
        std::uint16_t activado = 0; // bit i: port i
        bool comportado = false;
    };
    struct RegistroCompacto {
        PuertosCompactos puertos;
        std::uint16_t valorIn = 0, valorOut = 0, permisoCarga = 0;
        bool isCopModif = false;
    };
    struct CeldaCompacta {
        ValorCelda::Forma forma = ValorCelda::Texto;
        std::uint8_t digitos = 0;
        std::int32_t numero = 0;
    };
    struct TablaCompacta {
        std::vector<CeldaCompacta> celdas;
        // The cells whose text is not their initial one (a text set by name), by cell index.
        std::vector<std::pair<std::uint8_t, std::string>> textos;
    };
    /// The same moment as an Instantanea, as values only: names and the texts of memory words are not kept
    /// (a word is its file word, or that word rewritten by its current value). What the history keeps.
    struct InstantaneaCompacta {
        PuertosCompactos uc, mux, alu, memoria, incrementador;
        std::uint8_t ucActual = 0, ucSiguiente = 0, ucAnterior = 0;
        std::int32_t copaux = 0;
        std::array<RegistroCompacto, 5> registros; // PC, A, B, IR, FZ
        std::uint16_t muxOut = 0, regauxin = 0, aluOut = 0, memOut = 0, memPermiso = 0;
        std::uint16_t incIn = 0, incOut = 0;
        bool memCopModif = false;
        std::array<std::uint16_t, kPalabrasMemoria> palabras{};
        TMemoria::Escritas escritas{}; // the words written since the opening
        std::int32_t numCiclos = 0, numInst = 0;
        bool findeinstruccion = false, isCopModif = false;
        std::int32_t regAux = 0, estadoActual = 0, currentPc = 0;
        std::uint16_t filaMemoria = 0;
        TablaCompacta tablaRegistros, tablaCablesMem, tablaCablesCtrl;
        TEstadoDeEjecucion::Datos estado;
        TOrganizacion::Datos up;
        std::uint16_t filaMicro = 0;
        std::array<bool, kCablesFrameControl> activadoControl{};
    };

    /// Opens `fichero`, asks the host for the control unit or the microprogram, builds the machine and
    /// runs the opening cycle (the fetch of address 0). Throws ErrorAperturaEjecutable when the file
    /// cannot be opened; an exception out of the opening cycle reaches the caller too.
    TSimuladorVelmo(AnfitrionMaquina& anfitrion, const std::string& fichero);
    /// The same over the bytes of an executable held in memory (no file is read); `nombre` stands for its
    /// file name in the trace and in the history's silent copy.
    TSimuladorVelmo(AnfitrionMaquina& anfitrion, const std::string& nombre, std::string bytes);

    void EjecutaCiclo() override;
    void Monitoriza() override;
    /// Cycles up to the next instruction fetch; false when none completed within the limit (20 cycles for a
    /// user microprogram, with its warning; 100 for the fixed control units).
    bool EjecutaInstruccion() override;
    void MostrarMicroprograma() override;
    void MostrarMaquinaEstados() override;
    void EjecutaHastaBreakpoint() override;

    // ---- Runs. Each reports how it ended as data; a cycle that fails ends it with FinEjecucion::Error
    // (the engine has shown "Excepción: Reinicializando" and the simulation must be reset).
    /// `n` cycles.
    ResultadoEjecucion EjecutaCiclos(std::int64_t n, const OpcionesEjecucion& opciones = {});
    /// Up to `n` instructions; stops when one does not complete, and asks the host after every 50 whether
    /// to go on (not after the last one).
    ResultadoEjecucion EjecutaInstrucciones(std::int64_t n, const OpcionesEjecucion& opciones = {});
    /// Instructions until the row reached has a breakpoint; asks the host after every 50 whether to go on;
    /// at most 10000 instructions.
    ResultadoEjecucion EjecutaHastaBreakpoint(const OpcionesEjecucion& opciones);
    /// The run under way ends with DetenidaPorUsuario after its current cycle (a Stop command). A run
    /// started later is not affected.
    void Detener() { detener_ = true; }

    Instantanea TomaInstantanea() const;
    InstantaneaCompacta TomaCompacta() const;
    /// Only for a moment of this same simulation; as RestauraInstantanea.
    void RestauraCompacta(const InstantaneaCompacta& i);
    /// Only for a snapshot of this same simulation; breakpoints stay as they are; the windows repaint.
    void RestauraInstantanea(const Instantanea& i);

    /// The history told of every cycle at its end, once the windows were told; null for none. A direct
    /// call rather than a general observer: it runs after every cycle.
    void SetHistoria(Historia* historia) { historia_ = historia; }

    /// The datapath signals the state (hard-wired) or microaddress just executed used.
    void AnimaUnidadProceso(int estado, int microdireccion);

    bool findeinstruccion() const { return findeinstruccion_; }
    bool IsCopModif() const { return isCopModif_; }
    std::int32_t RegAux() const { return regAux_; }
    std::int32_t EstadoActual() const { return estadoActual_; }
    std::int32_t currentPc() const { return currentPc_; }

    const TRegistro& RegPC() const { return *pc_; }
    const TRegistro& RegIR() const { return *ir_; }
    const TRegistro& RegA() const { return *a_; }
    const TRegistro& RegB() const { return *b_; }
    const TRegistro& RegFZ() const { return *fz_; }
    const TMemoria& Memoria() const { return *memoria_; }
    const TUnidadControl& UnidadControl() const { return *uc_; }

private:
    friend class EjecucionPorTramos; // the runs drive the cycles and read the instruction end

    template <class I> void RestauraContadores(const I& i);
    void Arranca();
    void CreaElemOrg();
    /// The control unit the chosen control asks for, with its microprogram when it is configurable.
    std::unique_ptr<TUnidadControl> CreaUnidadControl(TTipoControl tipo);
    void ResuelveFilas();
    void Ciclo(bool traza);
    // The four phases of a cycle, in order, on the datapath's wire values.
    using MapaCables = std::array<std::int16_t, TOrganizacion::kNumCables>;
    void FlancoReloj(MapaCables& map, bool traza);
    void PresentaValores(MapaCables& map);
    /// True when the IR loads in this cycle (an instruction fetch).
    bool ComportamientoRegistros(MapaCables& map, bool traza);
    bool ComportamientoIR(MapaCables& map, bool traza);
    void ComportamientoCombinacional(MapaCables& map, bool traza, bool irCarga);
    void AccesoMemoria(MapaCables& map, bool traza, bool irCarga);
    void Traza(const std::string& linea) const;
    void Traza(const char* linea) const;

    bool findeinstruccion_ = false;
    bool isCopModif_ = false;
    std::int32_t regAux_ = 0;
    std::int32_t estadoActual_ = 0;
    std::int32_t currentPc_ = 0;

    // The elements of the list, by kind; the list owns them.
    TUnidadControl* uc_ = nullptr;
    TRegistro* pc_ = nullptr;
    TRegistro* a_ = nullptr;
    TRegistro* b_ = nullptr;
    TRegistro* ir_ = nullptr;
    TRegistro* fz_ = nullptr;
    TMux* mux_ = nullptr;
    TAlu* alu_ = nullptr;
    TMemoria* memoria_ = nullptr;
    TIncrementador* incrementador_ = nullptr;
    std::array<TRegistro*, 5> registros_{};
    Historia* historia_ = nullptr;
    std::atomic<bool> detener_ = false;

    // Names resolved once: the table entry of each register and of each control-unit port (-1: not shown).
    std::array<int, 5> filaRegistro_{};
    int filaRegAux_ = -1; // the auxiliary register's row, on the configurable machine only
    std::array<int, 10> filaPuertoUC_{};
    int filaUProg_ = -1;
    int filaEnt_ = -1;
    int filaMem_ = -1;
    int filaSal_ = -1;
};

} // namespace velmo
