// The engine over whole hand-made programs: opening, cycle order, instructions, breakpoint runs,
// the microprogrammable machine's limits and the animation flags.

#include "AnfitrionMaquinaGrabador.h"
#include "ProgramaPrueba.h"
#include "TrazaCiclos.h"
#include "objSimuladorVelmo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace velmo::pruebas {
namespace {

std::set<int> Activas(const TOrganizacion& up) {
    std::set<int> s;
    for (int i = 0; i < TOrganizacion::kNumCables; ++i) {
        if (up.Activado(i)) {
            s.insert(i);
        }
    }
    return s;
}

// ADD 10,11 ; then data. M[10] = 3, M[11] = 4.
ProgramaPrueba ProgramaAdd() {
    ProgramaPrueba p;
    p.Inst(0, "ADD", 10, 11).Inst(1, "ADD", 10, 11).Dato(10, 3).Dato(11, 4);
    return p;
}

class Motor : public ::testing::Test {
protected:
    AnfitrionMaquinaGrabador host;
    std::unique_ptr<TSimuladorVelmo> sim;

    void Abre(const ProgramaPrueba& p, TTipoControl control = tnormal) {
        host.control = control;
        sim = std::make_unique<TSimuladorVelmo>(host, p.Guarda());
    }
    int Ciclos() const { return sim->NumCiclos(); }
};

TEST_F(Motor, AfterOpeningCountersReadZeroAndTheUnitStandsAtDecode) {
    Abre(ProgramaAdd());
    EXPECT_EQ(sim->NumCiclos(), 0);
    EXPECT_EQ(sim->NumInst(), 0);
    EXPECT_EQ(sim->FrameEstado().prNumCiclos(), 0);
    EXPECT_EQ(sim->FrameEstado().TextoCelda(1, 1), "0");
    EXPECT_EQ(sim->FrameMemoria().prFilaActual(), 0);
    EXPECT_EQ(sim->EstadoActual(), 0);
    EXPECT_EQ(sim->UnidadControl().EstadoActual, 1);
    EXPECT_EQ(host.eleccionesControl, 1);
    EXPECT_EQ(host.reiniciosTraza, 1);
    EXPECT_TRUE(host.mensajes.empty());
    // The fetch lit the eight signals of state 0.
    EXPECT_EQ(Activas(sim->FrameUP()), (std::set<int>{1, 2, 3, 4, 5, 6, 12, 22}));
    EXPECT_EQ(sim->FrameUnidadDeControl().Ventana().Caption, "Unidad de Control Cableada Vl1");
    EXPECT_EQ(sim->FrameUP().Ventana().Caption, "Unidad de proceso Vl1");
    EXPECT_EQ(host.destellos, 1);
}

TEST_F(Motor, AddTakesFiveCyclesNormalFourOptimizedSixOnTheFixedMicroprogram) {
    const struct {
        TTipoControl control;
        int ciclos;
    } casos[] = {{tnormal, 5}, {toptimizado, 4}, {tMicroprogramado, 6}};
    for (const auto& c : casos) {
        Abre(ProgramaAdd(), c.control);
        EXPECT_TRUE(sim->EjecutaInstruccion());
        EXPECT_EQ(sim->NumCiclos(), c.ciclos) << c.control;
        EXPECT_EQ(sim->NumInst(), 1);
        EXPECT_EQ(sim->FrameMemoria().prFilaActual(), 1);
        // The sum is written at the next clock edge: the following instruction shows it.
        EXPECT_TRUE(sim->EjecutaInstruccion());
        EXPECT_EQ(sim->Memoria().VectorReginst[11].Valor, 10);
        EXPECT_EQ(sim->FrameMemoria().GetDatos().VectorReginst[11].Valor, 10);
    }
}

TEST_F(Motor, BeqTakenFetchesTheTargetItselfAndNotTakenFallsThrough) {
    // CMP 10,10 sets FZ; BEQ to 5 is then taken. CMP 10,11 (3 != 4) clears it.
    ProgramaPrueba tomado;
    tomado.Inst(0, "CMP", 10, 10).Inst(1, "BEQ", 0, 5).Inst(5, "ADD", 10, 11).Dato(10, 3).Dato(11, 4);
    Abre(tomado);
    ASSERT_TRUE(sim->EjecutaInstruccion()); // CMP
    const int antes = Ciclos();
    ASSERT_TRUE(sim->EjecutaInstruccion()); // BEQ: decode, 5, 11, 1
    EXPECT_EQ(Ciclos() - antes, 4);
    EXPECT_EQ(sim->FrameMemoria().prFilaActual(), 5);
    EXPECT_EQ(sim->RegPC().ValorOUT, 6);

    ProgramaPrueba noTomado;
    noTomado.Inst(0, "CMP", 10, 11).Inst(1, "BEQ", 0, 5).Inst(2, "ADD", 10, 11).Dato(10, 3).Dato(11, 4);
    Abre(noTomado);
    ASSERT_TRUE(sim->EjecutaInstruccion());
    const int antes2 = Ciclos();
    ASSERT_TRUE(sim->EjecutaInstruccion()); // decode, 5, 0
    EXPECT_EQ(Ciclos() - antes2, 3);
    EXPECT_EQ(sim->FrameMemoria().prFilaActual(), 2);
}

TEST_F(Motor, ModifiedMachineRunsClearMovdAndAcum) {
    ProgramaPrueba p(kNombreVLM1Modif);
    p.Clear(0, 20).ConConstante(1, "MOVD", 300, 21).ConConstante(3, "ACUM", 5, 21).Inst(5, "ADD", 22, 22);
    p.Dato(20, 77).Dato(22, 1);
    Abre(p);
    EXPECT_EQ(host.eleccionesControl, 0);
    EXPECT_EQ(host.tiposMapaAlu, (std::vector<TTipoControl>{TVL1Modif}));
    EXPECT_EQ(sim->FrameUP().Ventana().Caption, "Unidad de proceso VL1Modif");
    EXPECT_EQ(sim->FrameUP().prtipocontrol(), TVL1Modif);

    int antes = Ciclos();
    ASSERT_TRUE(sim->EjecutaInstruccion()); // CLEAR: 1, 7, 0
    EXPECT_EQ(Ciclos() - antes, 3);
    EXPECT_EQ(sim->FrameMemoria().prFilaActual(), 1);
    antes = Ciclos();
    ASSERT_TRUE(sim->EjecutaInstruccion()); // MOVD: 1, 8, 9, 0 (the constant is skipped)
    EXPECT_EQ(Ciclos() - antes, 4);
    EXPECT_EQ(sim->FrameMemoria().prFilaActual(), 3);
    EXPECT_EQ(sim->Memoria().VectorReginst[20].Valor, 0);
    EXPECT_EQ(sim->Memoria().VectorReginst[21].Valor, 300);
    antes = Ciclos();
    ASSERT_TRUE(sim->EjecutaInstruccion()); // ACUM: 1, 8, 10, 11, 0
    EXPECT_EQ(Ciclos() - antes, 5);
    EXPECT_EQ(sim->FrameMemoria().prFilaActual(), 5);
    EXPECT_EQ(sim->Memoria().VectorReginst[21].Valor, 305);
    EXPECT_EQ(sim->FrameMemoria().GetDatos().VectorReginst[21].Valor, 305);
    // A data word written by the program stays a data word in the view.
    EXPECT_EQ(sim->FrameMemoria().GetDatos().VectorReginst[21].cop, "---");
}

TEST_F(Motor, OnlyAnInstructionFetchArmsTheFourBitDecode) {
    // ADD 40,41 on the modified machine where M[40] holds a MOVD word read as an operand. Its source
    // field makes the ADD word's top four bits 0001: were the decode armed, state 3 would take it for
    // a CMP and nothing would be written.
    ProgramaPrueba p(kNombreVLM1Modif);
    p.Inst(0, "ADD", 40, 41).Inst(1, "ADD", 22, 23).ConConstante(40, "MOVD", 9, 5).Dato(22, 1).Dato(23, 2);
    Abre(p);
    const int antes = Ciclos();
    ASSERT_TRUE(sim->EjecutaInstruccion()); // 1, 3, 4, 0
    EXPECT_EQ(Ciclos() - antes, 4);
    EXPECT_EQ(sim->Memoria().VectorReginst[41].Valor, static_cast<std::uint16_t>(0xE005 + 9));
    ASSERT_TRUE(sim->EjecutaInstruccion());
    EXPECT_EQ(sim->Memoria().VectorReginst[23].Valor, 3);
}

TEST_F(Motor, LoadsAndWritesShowOnlyAfterTheNextClockEdge) {
    Abre(ProgramaAdd());
    sim->EjecutaCiclo(); // decode
    sim->EjecutaCiclo(); // state 2: B <- M[10] decided
    EXPECT_EQ(sim->RegB().ValorOUT, 0);
    EXPECT_EQ(sim->FrameRegistros().ValorCable(3), "0000000000000000");
    sim->EjecutaCiclo(); // state 6: the load of B takes effect
    EXPECT_EQ(sim->RegB().ValorOUT, 3);
    EXPECT_EQ(sim->FrameRegistros().ValorCable(3), "0000000000000011");
    sim->EjecutaCiclo(); // state 7: the write is decided
    EXPECT_EQ(sim->FrameMemoria().GetDatos().VectorReginst[11].Valor, 4);
    // "Ent" shows the ALU output of the previous cycle: A was still 0 in state 6.
    EXPECT_EQ(sim->FrameCablesMEm().ValorCable(1), "0000000000000011");
    sim->EjecutaCiclo(); // fetch: the write takes effect
    EXPECT_EQ(sim->FrameMemoria().GetDatos().VectorReginst[11].Valor, 7);
    EXPECT_EQ(sim->FrameCablesMEm().ValorCable(1), "0000000000000111");
    EXPECT_EQ(sim->FrameCablesMEm().ValorCable(0), "1");
    EXPECT_EQ(sim->FrameRegistros().ValorCable(0), "0000001");
}

TEST_F(Motor, ControlSignalTableShowsThePortsWithPfzUnderItsName) {
    Abre(ProgramaAdd());
    const TCablesCtrl& t = sim->FrameCablesCtrl();
    // State 0 of the normal control: pPC 1, pIR 1 (2 bits wide), nothing else.
    EXPECT_EQ(t.ValorCable(t.IndiceDe("pPC")), "1");
    EXPECT_EQ(t.ValorCable(t.IndiceDe("pIR")), "01");
    EXPECT_EQ(t.ValorCable(t.IndiceDe("Mux10")), "00");
    EXPECT_EQ(t.ValorCable(t.IndiceDe("@uProg")), "--");
    ASSERT_TRUE(sim->EjecutaInstruccion());
    sim->EjecutaCiclo(); // decode
    sim->EjecutaCiclo(); // 2
    sim->EjecutaCiclo(); // 6
    sim->EjecutaCiclo(); // 7: pFZ 1, L/E 1, Mux10 11
    EXPECT_EQ(t.ValorCable(t.IndiceDe("pFZ")), "1");
    EXPECT_EQ(t.ValorCable(t.IndiceDe("L/E")), "1");
    EXPECT_EQ(t.ValorCable(t.IndiceDe("Mux10")), "11");
}

TEST_F(Motor, BreakpointRunStopsWhenABreakpointRowBecomesCurrent) {
    Abre(ProgramaAdd());
    sim->FrameMemoria().TablaMemoriaSelectCell(1, 1);
    EXPECT_EQ(host.avisosBreakpoint, 1);
    sim->EjecutaHastaBreakpoint();
    EXPECT_EQ(sim->NumInst(), 1);
    EXPECT_EQ(sim->FrameMemoria().prFilaActual(), 1);

    // A breakpoint on the current row is seen only when the row becomes current again.
    ProgramaPrueba bucle;
    bucle.Inst(0, "CMP", 10, 10).Inst(1, "BEQ", 0, 0).Dato(10, 3);
    Abre(bucle);
    sim->FrameMemoria().TablaMemoriaSelectCell(0, 0);
    sim->EjecutaHastaBreakpoint();
    EXPECT_EQ(sim->NumInst(), 2);
    EXPECT_EQ(sim->FrameMemoria().prFilaActual(), 0);
}

TEST_F(Motor, BreakpointRunWithoutBreakpointsRunsNothing) {
    Abre(ProgramaAdd());
    sim->EjecutaHastaBreakpoint();
    EXPECT_EQ(sim->NumCiclos(), 0);
    ASSERT_EQ(host.mensajes.size(), 1u);
    EXPECT_EQ(host.mensajes[0].texto,
              "No hay breakpoints definidos. Haga clic en la instruccion en la que quiere parar");
    EXPECT_EQ(host.mensajes[0].icono, IconoMensaje::Informacion);
}

TEST_F(Motor, UnreachableBreakpointAsksEveryFiftyAndEndsAtTenThousand) {
    ProgramaPrueba bucle;
    bucle.Inst(0, "CMP", 10, 10).Inst(1, "BEQ", 0, 0).Dato(10, 3);
    Abre(bucle, toptimizado);
    sim->FrameMemoria().TablaMemoriaSelectCell(0, 100);
    sim->EjecutaHastaBreakpoint();
    EXPECT_EQ(sim->NumInst(), 10000);
    EXPECT_EQ(host.preguntas.size(), 200u);
    EXPECT_EQ(host.preguntas.front(), "Velmo: Ejecutadas 50 instrucciones\r\n¿Desea seguir ejecutando?");

    // Answering No stops the run at once.
    AnfitrionMaquinaGrabador otro;
    otro.respuestas = {Respuesta::Si, Respuesta::No};
    otro.control = toptimizado;
    TSimuladorVelmo s2(otro, bucle.Guarda());
    s2.FrameMemoria().TablaMemoriaSelectCell(0, 100);
    s2.EjecutaHastaBreakpoint();
    EXPECT_EQ(s2.NumInst(), 100);
    EXPECT_EQ(otro.preguntas.size(), 2u);
}

TEST_F(Motor, WrongHeaderOpensAnEmptyMachineAndShortFileKeepsWhatWasRead) {
    const auto ruta = ProgramaAdd().Guarda();
    {
        // Same words, unknown header.
        ImagenMemoria imagen = ProgramaAdd().Imagen();
        GuardaFicheroEjecutable(ruta, CabeceraEjecutable("VLM9", "x.txt"), imagen);
    }
    sim = std::make_unique<TSimuladorVelmo>(host, ruta);
    ASSERT_FALSE(host.mensajes.empty());
    EXPECT_EQ(host.mensajes[0].texto,
              "Fichero incorrecto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto");
    EXPECT_EQ(host.mensajes[0].titulo, "Velmo");
    EXPECT_EQ(sim->FrameMemoria().GetVersionVL(), 2);
    EXPECT_EQ(host.eleccionesControl, 1);
    EXPECT_EQ(sim->FrameMemoria().GetDatos().VectorReginst[10].Valor, 0);

    AnfitrionMaquinaGrabador h2;
    const auto corto = ProgramaAdd().Guarda();
    std::filesystem::resize_file(corto, kTamRegInst * (1 + 11) + 7);
    TSimuladorVelmo s2(h2, corto);
    ASSERT_EQ(h2.mensajes.size(), 1u);
    EXPECT_EQ(h2.mensajes[0].texto,
              "Fichero corrupto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto");
    EXPECT_EQ(s2.FrameMemoria().GetDatos().VectorReginst[10].Valor, 3); // word 10 was read
    EXPECT_EQ(s2.FrameMemoria().GetDatos().VectorReginst[11].cop, "---");
    EXPECT_EQ(s2.FrameMemoria().GetDatos().VectorReginst[11].Valor, 0); // word 11 was cut short
}

TEST_F(Motor, AFileThatCannotBeOpenedIsAnErrorForTheCaller) {
    const auto ruta = (std::filesystem::temp_directory_path() / "velmo_no_existe" / "nada.vlx").string();
    EXPECT_THROW(TSimuladorVelmo(host, ruta), ErrorAperturaEjecutable);
    EXPECT_TRUE(host.mensajes.empty());
}

TEST_F(Motor, AnimationLightsTheSignalsOfEachKindAndState) {
    Abre(ProgramaAdd());
    sim->EjecutaCiclo(); // decode of the normal control
    EXPECT_EQ(Activas(sim->FrameUP()), std::set<int>{11});
    sim->AnimaUnidadProceso(42, 0); // a state outside the table lights nothing
    EXPECT_TRUE(Activas(sim->FrameUP()).empty());

    Abre(ProgramaAdd(), toptimizado);
    sim->EjecutaCiclo(); // state 1 of the optimized control
    EXPECT_EQ(Activas(sim->FrameUP()), (std::set<int>{5, 7, 10, 11, 14, 17, 22}));

    Abre(ProgramaAdd(), tMicroprogramado);
    sim->EjecutaCiclo(); // 1
    sim->EjecutaCiclo(); // 2
    sim->EjecutaCiclo(); // 3: B <- M[src]
    EXPECT_EQ(Activas(sim->FrameUP()), (std::set<int>{5, 7, 14, 22}));
    EXPECT_EQ(sim->FrameCablesCtrl().ValorCable(9), "3");
    EXPECT_EQ(sim->FrameUnidadDeControl().FilaActual(), 3);
    EXPECT_EQ(host.destellos, 4); // two cycles of each hard-wired machine flashed, none of the other
}

// --- The microprogrammable machine -------------------------------------------------------------------

TMicroInstProgramable Mi(std::uint16_t mx, std::uint16_t alu, std::uint16_t le, std::uint16_t ppc,
                         std::uint16_t pir, std::uint16_t pa, std::uint16_t pb, std::uint16_t pfz,
                         std::uint16_t salto, std::uint16_t test, std::uint16_t paux = 0) {
    return {mx, alu, le, ppc, pir, pa, pb, pfz, salto, test, paux};
}

const TMicroInstProgramable kFetch = Mi(0, 0, 0, 1, 1, 0, 0, 0, 0, 7);
const TMicroInstProgramable kSigue = Mi(0, 0, 0, 0, 0, 0, 0, 0, 0, 7);

class Microprogramable : public Motor {
protected:
    void AbreCon(const Microprograma& m, const ProgramaPrueba& p) {
        host.microprograma = m;
        sim = std::make_unique<TSimuladorVelmo>(host, p.Guarda());
    }
    static ProgramaPrueba Programa() {
        ProgramaPrueba p(kNombreVLMConfigurable);
        p.Inst(0, "0", 5, 6).Inst(1, "0", 5, 6).Dato(5, 9).Dato(9, 1234);
        return p;
    }
};

TEST_F(Microprogramable, OpeningUsesTheEditorsMicroprogramAndTheConfigurableWindows) {
    Microprograma m{};
    m.fill(kSigue);
    m[0] = kFetch;
    AbreCon(m, Programa());
    EXPECT_EQ(host.edicionesMicroprograma, 1);
    EXPECT_EQ(host.eleccionesControl, 0);
    EXPECT_EQ(host.tiposMapaAlu, (std::vector<TTipoControl>{TMicroprogramable}));
    EXPECT_EQ(sim->FrameUnidadDeControl().VectorMicroInst(), m);
    EXPECT_EQ(sim->FrameUnidadDeControl().Ventana().Caption, "Unidad de Control Microprogramable");
    EXPECT_EQ(sim->FrameUP().Ventana().Caption, "Unidad de proceso VL Configurable");
    EXPECT_EQ(sim->FrameMemoria().GetDatos().VectorReginst[0].cop, "0");
    EXPECT_EQ(host.destellos, 0);
}

TEST_F(Microprogramable, RegAuxLoadsAtTheNextEdgeAndAddressesTheMemory) {
    // 1: RegAux <- M[src] ; 2: B <- M[RegAux] ; 3: M[dst] <- B, back to 0.
    Microprograma m{};
    m.fill(kSigue);
    m[0] = kFetch;
    m[1] = Mi(2, 0, 0, 0, 0, 0, 0, 0, 0, 7, 1);
    m[2] = Mi(1, 0, 0, 0, 0, 0, 1, 0, 0, 7);
    m[3] = Mi(3, 2, 1, 0, 0, 0, 0, 0, 0, 3);
    AbreCon(m, Programa());
    // The register table lists it after the fixed rows, and grows by a row for it.
    const TRegRdD& tabla = sim->FrameRegistros();
    ASSERT_EQ(tabla.NumCables(), 6);
    EXPECT_EQ(tabla.NombreCable(4), "FZ");
    EXPECT_EQ(tabla.NombreCable(5), "RegAux");
    EXPECT_EQ(tabla.Ventana().colocacion, (Colocacion{590, 533, 114, 200, 195, 107}));
    sim->EjecutaCiclo(); // microaddress 1
    EXPECT_EQ(sim->RegAux(), 0);
    EXPECT_EQ(tabla.ValorCable(5), "0000000");
    EXPECT_TRUE(sim->FrameUP().prRegAuxActivo());
    EXPECT_FALSE(sim->FrameUP().prRegAuxLeido());
    sim->EjecutaCiclo(); // microaddress 2: RegAux took M[5] at this edge
    EXPECT_EQ(sim->RegAux(), 9);
    EXPECT_EQ(tabla.ValorCable(5), "0001001");
    EXPECT_EQ(sim->FrameUP().ValorRegAux(), 9); // what its probe shows
    EXPECT_EQ(ValoresMuestra(TomaMuestra(*sim)).back(), 9u);
    EXPECT_EQ(ColumnasTraza().back().nombre, "RegAux");
    EXPECT_TRUE(sim->FrameUP().prRegAuxLeido());
    EXPECT_FALSE(sim->FrameUP().prRegAuxActivo());
    EXPECT_EQ(Activas(sim->FrameUP()), (std::set<int>{5, 7, 11, 14, 17, 22}));
    ASSERT_TRUE(sim->EjecutaInstruccion());
    ASSERT_TRUE(sim->EjecutaInstruccion());
    EXPECT_EQ(sim->Memoria().VectorReginst[6].Valor, 1234);
}

TEST_F(Microprogramable, AllZeroMicroinstructionLightsTheFixedFourAndClearsTheAuxFlags) {
    Microprograma m{};
    m[0] = kFetch;
    m[1] = Mi(0, 0, 0, 0, 0, 0, 0, 0, 0, 0); // Test 0 with cop 0: jumps to 0
    AbreCon(m, Programa());
    sim->EjecutaCiclo();
    EXPECT_EQ(Activas(sim->FrameUP()), (std::set<int>{2, 11, 17, 22}));
    EXPECT_FALSE(sim->FrameUP().prRegAuxActivo());
    EXPECT_FALSE(sim->FrameUP().prRegAuxLeido());
}

// 1: B <- M[src] (9); 2: FZ <- 1 (ALU '0'); 3..10 a loop whose end leaves when FZ is 0; 11: FZ <- 0
// (ALU 'Reg B'), then back to 3, through 12 when `largo`. The instruction takes 20 cycles, or 21.
Microprograma Bucle(bool largo) {
    Microprograma m{};
    m.fill(kSigue);
    m[0] = kFetch;
    m[1] = Mi(2, 0, 0, 0, 0, 0, 1, 0, 0, 7);
    m[2] = Mi(0, 3, 0, 0, 0, 0, 0, 1, 0, 7);
    m[10] = Mi(0, 0, 0, 0, 0, 0, 0, 0, 0, 2);
    m[11] = largo ? Mi(0, 2, 0, 0, 0, 0, 0, 1, 0, 7) : Mi(0, 2, 0, 0, 0, 0, 0, 1, 3, 3);
    m[12] = Mi(0, 0, 0, 0, 0, 0, 0, 0, 3, 3);
    return m;
}

TEST_F(Microprogramable, TwentyCyclesWithoutAnInstructionWarnButTheTwentiethMayComplete) {
    AbreCon(Bucle(false), Programa());
    EXPECT_TRUE(sim->EjecutaInstruccion());
    EXPECT_EQ(sim->NumCiclos(), 20);
    EXPECT_TRUE(host.mensajes.empty());

    AnfitrionMaquinaGrabador h2;
    h2.microprograma = Bucle(true);
    TSimuladorVelmo s2(h2, Programa().Guarda());
    EXPECT_FALSE(s2.EjecutaInstruccion());
    EXPECT_EQ(s2.NumCiclos(), 20);
    ASSERT_EQ(h2.mensajes.size(), 1u);
    EXPECT_EQ(h2.mensajes[0].texto, "Se han ejecutado 20 ciclos y no se ha completado ninguna instrucción. "
                                    "Revise el Microprograma");
    EXPECT_EQ(h2.mensajes[0].icono, IconoMensaje::Aviso);

    // A breakpoint run stops on it too.
    s2.FrameMemoria().TablaMemoriaSelectCell(0, 50);
    s2.EjecutaHastaBreakpoint();
    EXPECT_EQ(h2.mensajes.size(), 2u);
    EXPECT_TRUE(h2.preguntas.empty());
}

TEST_F(Microprogramable, DivisionByZeroIsReportedAndGivesOne) {
    host.opcionesAlu = {0, 1, 0, 0}; // opcode 1 divides
    Microprograma m{};
    m.fill(kSigue);
    m[0] = kFetch;
    m[1] = Mi(3, 1, 1, 0, 0, 0, 0, 0, 0, 3); // M[dst] <- B div A with A = 0
    AbreCon(m, Programa());
    sim->EjecutaCiclo();
    ASSERT_EQ(host.mensajes.size(), 1u);
    EXPECT_EQ(host.mensajes[0].texto, "División por cero.\r\nSalida de la ALU puesta a 1");
    EXPECT_EQ(host.mensajes[0].titulo, "Error");
    sim->EjecutaCiclo();
    EXPECT_EQ(sim->Memoria().VectorReginst[6].Valor, 1);
}

TEST_F(Motor, WindowCommandsGoThroughTheHost) {
    Abre(ProgramaAdd());
    sim->MostrarMicroprograma();
    ASSERT_EQ(host.mensajes.size(), 1u);
    EXPECT_EQ(host.mensajes[0].texto, "La unidad de control no es microprogramada");
    EXPECT_EQ(host.microprogramasMostrados, 0);
    sim->MostrarMaquinaEstados();
    EXPECT_EQ(host.maquinasEstados, std::vector<TTipoControl>{tnormal});
    sim->Monitoriza();
    EXPECT_EQ(host.monitorizaciones, 1);

    Abre(ProgramaAdd(), tMicroprogramado);
    host.mensajes.clear();
    sim->MostrarMicroprograma();
    EXPECT_EQ(host.microprogramasMostrados, 1);
    sim->MostrarMaquinaEstados();
    ASSERT_EQ(host.mensajes.size(), 1u);
    EXPECT_EQ(host.mensajes[0].texto, "La unidad de control no es cableada");
    EXPECT_EQ(host.maquinasEstados.size(), 1u);
}

TEST_F(Motor, InitialWindowsReturnToTheirPlaces) {
    Abre(ProgramaAdd());
    auto& mem = sim->FrameMemoria();
    mem.SetPosicion(10, 10);
    mem.SetEstadoNormal(false);
    sim->VentanasIniciales();
    EXPECT_EQ(mem.Ventana().colocacion, (Colocacion{605, 0, 205, 380, -1, -1}));
    EXPECT_TRUE(mem.Ventana().EstadoNormal);
    EXPECT_EQ(sim->FrameRegistros().Ventana().colocacion, (Colocacion{590, 533, 114, 200, 195, 90}));
    EXPECT_EQ(sim->FrameRegistros().NumCables(), 5); // no auxiliary register on this machine
    EXPECT_EQ(sim->FrameEstado().Ventana().colocacion, (Colocacion{600, 465, -1, -1, 170, 42}));
    EXPECT_EQ(sim->FrameUnidadDeControl().Ventana().colocacion, (Colocacion{625, 208, -1, -1, 325, 228}));
    EXPECT_TRUE(sim->FrameUP().Ventana().Visible);
}

TEST_F(Motor, NoTraceTextWhileTracingIsOffAndTheExpectedLinesWhileOn) {
    host.trazaActiva = false;
    Abre(ProgramaAdd());
    sim->EjecutaInstruccion();
    EXPECT_TRUE(host.traza.empty());

    AnfitrionMaquinaGrabador h2;
    const auto ruta = ProgramaAdd().Guarda();
    TSimuladorVelmo s2(h2, ruta);
    EXPECT_EQ(h2.traza.front(), "ejecución del fichero: " + ruta);
    const auto tiene = [&h2](const std::string& l) {
        return std::find(h2.traza.begin(), h2.traza.end(), l) != h2.traza.end();
    };
    EXPECT_TRUE(tiene(" @Mem= 0"));
    EXPECT_TRUE(tiene("La unidad de control calcula estado siguiente"));
    s2.EjecutaInstruccion();
    EXPECT_TRUE(tiene("El Reg tiene permiso carga (nombre, valor) ALU-> B  ,  0000000000000011"));
    EXPECT_TRUE(tiene("IR Cop: 0"));
}

} // namespace
} // namespace velmo::pruebas

namespace velmo::pruebas {
namespace {

TEST_F(Motor, AnExceptionInsideACycleIsReportedAndPassedOn) {
    struct TrazaRota : AnfitrionMaquinaGrabador {
        bool romper = false;
        void AnadeLineaTraza(const std::string& l) override {
            if (romper && l == "La unidad de control calcula estado siguiente") {
                throw std::runtime_error("traza");
            }
            AnfitrionMaquinaGrabador::AnadeLineaTraza(l);
        }
    } h;
    TSimuladorVelmo s(h, ProgramaAdd().Guarda());
    h.romper = true;
    EXPECT_THROW(s.EjecutaCiclo(), std::runtime_error);
    ASSERT_EQ(h.mensajes.size(), 1u);
    EXPECT_EQ(h.mensajes[0].texto, "Excepción: Reinicializando");
    EXPECT_EQ(h.mensajes[0].titulo, "Velmo");
    EXPECT_EQ(s.NumCiclos(), 0); // the refresh did not run
}

TEST_F(Motor, AStuckHardWiredControlEndsTheInstructionInsteadOfHanging) {
    // A hand-made word whose mnemonic says MOVD but whose top bits are 0101: the modified machine's control
    // waits in state 8 for an opcode that never comes.
    ProgramaPrueba p(kNombreVLM1Modif);
    p.ConConstante(0, "MOVD", 1, 5);
    ImagenMemoria imagen = p.Imagen();
    imagen[0].Valor = 0x5005;
    const auto ruta = p.Guarda();
    GuardaFicheroEjecutable(ruta, CabeceraEjecutable(kNombreVLM1Modif, "x.txt"), imagen);
    sim = std::make_unique<TSimuladorVelmo>(host, ruta);
    EXPECT_FALSE(sim->EjecutaInstruccion());
    EXPECT_EQ(sim->NumCiclos(), 100);
    EXPECT_EQ(sim->UnidadControl().EstadoActual, 8);
    ASSERT_EQ(host.mensajes.size(), 1u);
    EXPECT_EQ(host.mensajes[0].icono, IconoMensaje::Aviso);
}

TEST_F(Motor, RestoringASnapshotReplaysTheSameRun) {
    ProgramaPrueba p(kNombreVLM1Modif);
    p.Clear(0, 20).ConConstante(1, "MOVD", 300, 21).ConConstante(3, "ACUM", 5, 21).Inst(5, "ADD", 21, 21);
    p.Inst(6, "BEQ", 0, 0).Dato(20, 77);
    Abre(p);
    sim->EjecutaInstruccion();
    sim->FrameMemoria().TablaMemoriaSelectCell(0, 40);
    const auto foto = sim->TomaInstantanea();
    for (int i = 0; i < 4; ++i) {
        sim->EjecutaInstruccion();
    }
    const auto despues = sim->TomaInstantanea();
    sim->FrameMemoria().TablaMemoriaSelectCell(0, 41);

    sim->RestauraInstantanea(foto);
    EXPECT_EQ(sim->NumCiclos(), foto.numCiclos);
    EXPECT_EQ(sim->FrameMemoria().GetDatos().VectorReginst[21].Valor, 0);
    EXPECT_TRUE(sim->FrameMemoria().Haybreakpointbyindex(41)); // the user's breakpoints are kept
    for (int i = 0; i < 4; ++i) {
        sim->EjecutaInstruccion();
    }
    const auto otra = sim->TomaInstantanea();
    EXPECT_EQ(otra.numCiclos, despues.numCiclos);
    EXPECT_EQ(otra.memoria.VectorReginst, despues.memoria.VectorReginst);
    EXPECT_EQ(otra.up, despues.up);
    EXPECT_EQ(otra.registros, despues.registros);
    EXPECT_EQ(otra.cablesCtrl, despues.cablesCtrl);
    EXPECT_EQ(otra.estadoActual, despues.estadoActual);
    EXPECT_EQ(otra.pc.ValorOUT, despues.pc.ValorOUT);
    EXPECT_EQ(otra.vistaMemoria.VectorReginst, despues.vistaMemoria.VectorReginst);
    EXPECT_EQ(std::get<TUCCableada>(otra.uc).EstadoActual, std::get<TUCCableada>(despues.uc).EstadoActual);
}

} // namespace
} // namespace velmo::pruebas
