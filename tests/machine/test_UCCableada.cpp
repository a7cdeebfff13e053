// State sequences, control words, trace lines and the instruction-end test of the hard-wired units.

#include "CablesMaquina.h"
#include "ObjUCCableada.h"

#include "AnfitrionMaquinaGrabador.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmo {
namespace {

using pruebas::AnfitrionMaquinaGrabador;

struct UCCableada : ::testing::Test {
    AnfitrionMaquinaGrabador anfitrion;
    TUCCableada uc{anfitrion, 14};
    std::vector<bool> fines;

    void Prepara(TTipoControl tipo) {
        uc.CreaCables(kPuertosUC);
        uc.Tipocontrol = tipo;
    }

    // One cycle as the engine runs it: control word, inputs, next state, end test, advance.
    int Ciclo(int cop, int fz) {
        const int estado = uc.EstadoActual;
        uc.IniciaCiclo();
        uc.SetUp();
        uc.LosCables[puertoUC::Co10].Valor = static_cast<std::int16_t>(cop);
        uc.LosCables[puertoUC::wFZOut].Valor = static_cast<std::int16_t>(fz);
        uc.Comportamiento();
        fines.push_back(uc.IsFinInstruccion());
        uc.SetEstadoActual(uc.EstadoSiguiente);
        return estado;
    }

    std::vector<int> Estados(int ciclos, int cop, int fz) {
        std::vector<int> r;
        for (int i = 0; i < ciclos; ++i) {
            r.push_back(Ciclo(cop, fz));
        }
        return r;
    }

    TRegCAblesUP Palabra() const {
        const auto v = [this](int p) { return uc.LosCables[static_cast<std::size_t>(p)].Valor; };
        return {v(puertoUC::Mux10), v(puertoUC::Alu10), v(puertoUC::LE), v(puertoUC::pPC),
                v(puertoUC::pIR),   v(puertoUC::pA),    v(puertoUC::pB), v(puertoUC::wPFZ)};
    }
};

using V = std::vector<int>;

TEST_F(UCCableada, NormalControlRunsEachInstructionThroughItsStates) {
    Prepara(tnormal);
    EXPECT_EQ(uc.tipo, "UCcableada");
    EXPECT_EQ(Estados(5, 0, 0), (V{0, 1, 2, 6, 7}));
    EXPECT_EQ(Estados(5, 1, 0), (V{0, 1, 3, 8, 9}));
    EXPECT_EQ(Estados(5, 2, 0), (V{0, 1, 4, 10, 0}));
    EXPECT_EQ(Estados(3, 3, 0), (V{1, 5, 0}));
    EXPECT_EQ(Estados(5, 3, 1), (V{1, 5, 11, 1, 5}));
}

TEST_F(UCCableada, NormalJumpEndsAnInstructionAtFetchAndAtDecodeAfterTheTakenJump) {
    Prepara(tnormal);
    EXPECT_EQ(Estados(4, 3, 0), (V{0, 1, 5, 0}));
    EXPECT_EQ(fines, (std::vector<bool>{true, false, false, true}));
    fines.clear();
    EXPECT_EQ(Estados(4, 3, 1), (V{1, 5, 11, 1}));
    EXPECT_EQ(fines, (std::vector<bool>{false, false, false, true}));
}

TEST_F(UCCableada, ControlWordsReachTheirPortsAndTheStateGoesToRegsIn) {
    Prepara(tnormal);
    for (int estado = 0; estado < 12; ++estado) {
        uc.EstadoActual = static_cast<std::uint8_t>(estado);
        uc.SetUp();
        EXPECT_EQ(Palabra(), TUCCableada::kControlNormal[static_cast<std::size_t>(estado)]) << estado;
    }
    EXPECT_TRUE(uc.LosCables[puertoUC::wFromUP].Activado);
    EXPECT_TRUE(uc.LosCables[puertoUC::wToUP].Activado);
    EXPECT_FALSE(uc.LosCables[puertoUC::RegsIn].Activado);
    uc.EstadoActual = 7;
    uc.SetUp();
    EXPECT_EQ(Palabra(), (TRegCAblesUP{3, 0, 1, 0, 0, 0, 0, 1}));
    uc.Comportamiento();
    EXPECT_EQ(uc.LosCables[puertoUC::RegsIn].Valor, 0);
    uc.EstadoActual = 2;
    uc.Comportamiento();
    EXPECT_EQ(uc.LosCables[puertoUC::RegsIn].Valor, 6);
    EXPECT_TRUE(uc.Comportado);
}

TEST_F(UCCableada, NormalTraceLinesNameEachState) {
    Prepara(tnormal);
    Estados(5, 3, 1);
    EXPECT_EQ(anfitrion.traza,
              (std::vector<std::string>{
                  "Control Cableado Normal: Fetch completado (ESTADO 0)",
                  "Control Cableado Normal: Decode completado (ESTADO 1)",
                  "Control Cableado Normal: BEQ decisión si se toma el salto (Segun FZ) (ESTADO 5)",
                  "Control Cableado Normal: (BEQ) Salto tomado (ESTADO 11)",
                  "Control Cableado Normal: Decode completado (ESTADO 1)",
              }));
    anfitrion.trazaActiva = false;
    Estados(3, 3, 1);
    EXPECT_EQ(anfitrion.traza.size(), 5u);
}

TEST_F(UCCableada, AnOpcodeWithoutARowLeavesTheNextStateAsItWas) {
    Prepara(tnormal);
    Ciclo(0, 0); // fetch: next state 1
    EXPECT_EQ(Ciclo(13, 0), 1);
    EXPECT_EQ(uc.EstadoActual, 1);
    // An unlisted state changes nothing and writes no line.
    uc.EstadoActual = 20;
    uc.EstadoSiguiente = 4;
    const auto lineas = anfitrion.traza.size();
    uc.Comportamiento();
    EXPECT_EQ(uc.EstadoSiguiente, 4);
    EXPECT_EQ(anfitrion.traza.size(), lineas);
}

TEST_F(UCCableada, OptimizedControlSharesDecodeWithTheSourceRead) {
    Prepara(toptimizado);
    EXPECT_EQ(Estados(5, 0, 0), (V{0, 1, 3, 4, 0}));
    EXPECT_EQ(Estados(4, 1, 0), (V{1, 3, 5, 0}));
    EXPECT_EQ(Estados(3, 2, 0), (V{1, 6, 0}));
    EXPECT_EQ(Estados(2, 3, 0), (V{1, 0}));
    fines.clear();
    EXPECT_EQ(Estados(4, 3, 1), (V{1, 2, 1, 2}));
    EXPECT_EQ(fines, (std::vector<bool>{false, false, true, false}));
    uc.EstadoActual = 5;
    uc.SetUp();
    EXPECT_EQ(Palabra(), (TRegCAblesUP{0, 1, 0, 0, 0, 0, 0, 1}));
}

TEST_F(UCCableada, OptimizedDecodeLinesTellTheChosenBranch) {
    Prepara(toptimizado);
    Estados(4, 0, 0);
    Estados(3, 1, 0); // 0, 1, 3
    Estados(2, 3, 0); // 5, 0
    EXPECT_EQ(anfitrion.traza,
              (std::vector<std::string>{
                  "Control Cableado Optimizado: Fetch completado (ESTADO 0)",
                  "decode add or cmp (ESTADO 1,Siguiente=3)",
                  "Control Cableado Optimizado: Fin de Decode cop=ADD (ESTADO 3,Siguiente=4)",
                  "Control Cableado Optimizado: Ejecucion de ADD (ESTADO 4,Siguiente=0)",
                  "Control Cableado Optimizado: Fetch completado (ESTADO 0)",
                  "decode add or cmp (ESTADO 1,Siguiente=3)",
                  "Control Cableado Optimizado: Fin de Decode cop=Cmp (ESTADO 3,Siguiente=5)",
                  "Control Cableado Optimizado: Ejecucion de CMP (ESTADO 5,Siguiente=0)",
                  "Control Cableado Optimizado: Fetch completado (ESTADO 0)",
              }));
    anfitrion.traza.clear();
    Ciclo(3, 1);
    Ciclo(3, 1);
    Ciclo(3, 0);
    Ciclo(2, 0);
    EXPECT_EQ(anfitrion.traza, (std::vector<std::string>{
                                   "fz vale 1 salto  tomado (ESTADO 1,Siguiente=2)",
                                   "Control Cableado Optimizado: ejecucion de BEQ (ESTADO 2,Siguiente=1)",
                                   "fz vale 0 el salto no sera tomado (ESTADO 1,Siguiente=0)",
                                   "Control Cableado Optimizado: Fetch completado (ESTADO 0)",
                               }));
}

TEST_F(UCCableada, ModifiedMachineRunsClearMovdAndAcum) {
    Prepara(TVL1Modif);
    EXPECT_EQ(Estados(3, 13, 0), (V{0, 1, 7}));
    uc.EstadoActual = 7;
    uc.SetUp();
    EXPECT_EQ(Palabra(), (TRegCAblesUP{3, 3, 1, 0, 0, 0, 0, 0})) << "CLEAR writes the ALU's zero";
    uc.EstadoActual = 0;
    EXPECT_EQ(Estados(4, 14, 0), (V{0, 1, 8, 9}));
    EXPECT_EQ(uc.copaux, 14);
    uc.EstadoActual = 8;
    uc.SetUp();
    EXPECT_EQ(Palabra(), (TRegCAblesUP{0, 0, 0, 1, 0, 0, 1, 0})) << "B takes the constant, PC skips it";
    uc.EstadoActual = 0;
    EXPECT_EQ(Estados(6, 15, 0), (V{0, 1, 8, 10, 11, 0}));
    EXPECT_EQ(uc.copaux, 15);
    // The basic instructions keep the optimized sequences.
    EXPECT_EQ(Estados(4, 0, 0), (V{1, 3, 4, 0}));
    EXPECT_EQ(Estados(3, 4, 0), (V{1, 3, 5})) << "opcode 4 decodes as ADD/CMP";
    uc.EstadoActual = 0;
    EXPECT_EQ(Estados(4, 3, 1), (V{0, 1, 2, 1}));
    uc.EstadoActual = 0;
    EXPECT_EQ(Estados(4, 2, 0), (V{0, 1, 6, 0}));
    EXPECT_EQ(Estados(3, 3, 0), (V{1, 0, 1}));
}

TEST_F(UCCableada, ModifiedMachineTraceLinesAndAStrayConstantState) {
    Prepara(TVL1Modif);
    Estados(4, 14, 0);
    Estados(6, 15, 0);
    EXPECT_EQ(anfitrion.traza,
              (std::vector<std::string>{
                  "Control Cableado VL1Modif: Fetch completado (ESTADO 0)",
                  "es un movd o acum (ESTADO 1,Siguiente=8)y cop vale:14",
                  "Control Cableado VL1Modif: Carga de la Constante en B (ESTADO 8,",
                  "Control Cableado VL1Modif: Ejecucion de MOVD (ESTADO 9,Siguiente=0)",
                  "Control Cableado VL1Modif: Fetch completado (ESTADO 0)",
                  "es un movd o acum (ESTADO 1,Siguiente=8)y cop vale:15",
                  "Control Cableado VL1Modif: Carga de la Constante en B (ESTADO 8,",
                  "Control Cableado VL1Modif: Ejecucion de ACUM,[D]<-A+B (ESTADO 11,Siguiente=0)",
                  "Control Cableado VL1Modif: Fetch completado (ESTADO 0)",
              }));
    anfitrion.traza.clear();
    Estados(3, 13, 0);
    EXPECT_EQ(anfitrion.traza.at(0), "es un clear (ESTADO 1,Siguiente=7)");
    EXPECT_EQ(anfitrion.traza.at(1), "Control Cableado VL1Modif: Ejecucion de Clear (ESTADO 7,Siguiente=0)");

    // State 8 with a kept opcode other than MOVD or ACUM leaves the next state as it was.
    uc.EstadoActual = 8;
    uc.copaux = 12;
    uc.EstadoSiguiente = 8;
    uc.Comportamiento();
    EXPECT_EQ(uc.EstadoSiguiente, 8);
}

TEST_F(UCCableada, SetEstadoActualKeepsThePreviousState) {
    Prepara(tnormal);
    EXPECT_EQ(uc.EstadoActual, 0);
    EXPECT_EQ(uc.EstadoAnterior, 0);
    EXPECT_TRUE(uc.IsFinInstruccion());
    uc.SetEstadoActual(1);
    EXPECT_FALSE(uc.IsFinInstruccion()) << "decode after fetch is no instruction end";
    uc.SetEstadoActual(5);
    uc.SetEstadoActual(1);
    EXPECT_EQ(uc.EstadoAnterior, 5);
    EXPECT_TRUE(uc.IsFinInstruccion());
}

} // namespace
} // namespace velmo
