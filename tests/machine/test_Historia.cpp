// Stepping back through a simulation's history: every moment comes back exactly, going forward again
// repeats the first run, and the history stays bounded.

#include "AnfitrionMaquinaGrabador.h"
#include "AnfitrionSinVentanas.h"
#include "Historia.h"
#include "ProgramaPrueba.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <vector>

namespace velmo::pruebas {
namespace {

using Foto = TSimuladorVelmo::Instantanea;

void Registro(std::ostringstream& d, const char* nombre, const TRegistro& a, const TRegistro& b) {
    if (a.ValorIN != b.ValorIN || a.ValorOUT != b.ValorOUT || a.PermisoCarga != b.PermisoCarga) {
        d << nombre << ' ';
    }
}

// Names of the parts of two snapshots that differ (breakpoints excluded: they are the user's).
std::string Diferencias(const Foto& a, const Foto& b) {
    std::ostringstream d;
    if (a.numCiclos != b.numCiclos || a.numInst != b.numInst) {
        d << "contadores ";
    }
    if (a.findeinstruccion != b.findeinstruccion || a.isCopModif != b.isCopModif || a.regAux != b.regAux ||
        a.estadoActual != b.estadoActual || a.currentPc != b.currentPc) {
        d << "motor ";
    }
    Registro(d, "pc", a.pc, b.pc);
    Registro(d, "a", a.a, b.a);
    Registro(d, "b", a.b, b.b);
    Registro(d, "ir", a.ir, b.ir);
    Registro(d, "fz", a.fz, b.fz);
    if (a.memoria.VectorReginst != b.memoria.VectorReginst || a.memoria.ValorOUT != b.memoria.ValorOUT ||
        a.memoria.PermisoCarga != b.memoria.PermisoCarga) {
        d << "memoria ";
    }
    if (a.alu.ValorOUT != b.alu.ValorOUT || a.mux.ValorOUT != b.mux.ValorOUT ||
        a.incrementador.ValorOUT != b.incrementador.ValorOUT) {
        d << "combinacionales ";
    }
    const auto estadoUC = [](const Foto& f) {
        return std::visit(
            [](const auto& uc) {
                return std::pair{uc.EstadoActual, uc.EstadoSiguiente};
            },
            f.uc);
    };
    if (estadoUC(a) != estadoUC(b)) {
        d << "uc ";
    }
    if (a.vistaMemoria.VectorReginst != b.vistaMemoria.VectorReginst ||
        a.vistaMemoria.FilaActual != b.vistaMemoria.FilaActual) {
        d << "vista-memoria ";
    }
    if (a.registros != b.registros || a.cablesMem != b.cablesMem || a.cablesCtrl != b.cablesCtrl) {
        d << "tablas ";
    }
    if (a.estado != b.estado || a.up != b.up || a.unidadControl != b.unidadControl) {
        d << "diagramas ";
    }
    return d.str();
}

// Random words of the modified machine: every instruction kind, self-modifying code included.
ProgramaPrueba ProgramaAleatorio(unsigned semilla) {
    std::mt19937 azar(semilla);
    std::uniform_int_distribution<int> dir(0, 127);
    ProgramaPrueba p(kNombreVLM1Modif);
    const char* cops[] = {"ADD", "CMP", "MOV", "BEQ"};
    for (int i = 0; i < 120;) {
        const int tipo = static_cast<int>(azar() % 7);
        if (tipo < 4) {
            p.Inst(i, cops[tipo], dir(azar), dir(azar));
            ++i;
        } else if (tipo == 4) {
            p.Clear(i, dir(azar));
            ++i;
        } else {
            p.ConConstante(i, tipo == 5 ? "MOVD" : "ACUM", static_cast<int>(azar() % 1000), dir(azar));
            i += 2;
        }
    }
    return p;
}

class PasoAtras : public ::testing::Test {
protected:
    AnfitrionMaquinaGrabador host;
    std::unique_ptr<TSimuladorVelmo> sim;

    void Abre(const ProgramaPrueba& p, TTipoControl control = tnormal) {
        host.control = control;
        sim = std::make_unique<TSimuladorVelmo>(host, p.Guarda());
    }
};

TEST_F(PasoAtras, BackNCyclesGivesTheOpeningAndForwardRepeatsTheRun) {
    for (unsigned semilla : {1u, 2u, 3u}) {
        SCOPED_TRACE(semilla);
        Abre(ProgramaAleatorio(semilla));
        Historia h(*sim, host, 100'000, 16);
        const Foto apertura = sim->TomaInstantanea();
        constexpr int kN = 300;
        std::vector<Foto> ida;
        for (int i = 0; i < kN; ++i) {
            sim->EjecutaCiclo();
            ida.push_back(sim->TomaInstantanea());
        }
        const auto mensajes = host.mensajes.size();
        // Every step back lands exactly on the moment before.
        for (int i = kN - 1; i >= 0; --i) {
            ASSERT_TRUE(h.RetrocedeCiclo());
            ASSERT_EQ(Diferencias(sim->TomaInstantanea(), i == 0 ? apertura : ida[i - 1]), "") << i;
        }
        EXPECT_FALSE(h.RetrocedeCiclo());
        EXPECT_EQ(host.mensajes.size(), mensajes) << "a replayed cycle showed a box again";
        for (int i = 0; i < kN; ++i) {
            sim->EjecutaCiclo();
            ASSERT_EQ(Diferencias(sim->TomaInstantanea(), ida[i]), "") << i;
        }
        EXPECT_EQ(h.CiclosAtras(), kN);
    }
}

TEST_F(PasoAtras, HandMadeWordsComeBackAsTheyWereWrittenOrRead) {
    // The history keeps memory values only: a word's texts must come back from the file's word, whether
    // its mnemonic disagrees with its value, is kept on a write ("CTE"), or is decoded anew.
    ProgramaPrueba p;
    p.Inst(0, "ADD", 20, 21).Inst(1, "MOV", 22, 23).Inst(2, "CMP", 0, 0).Inst(3, "BEQ", 0, 0).Dato(20, 1);
    const auto pon = [&p](int dir, const char* cop, int valor, int op1) {
        TregInst& w = p.palabras[static_cast<std::size_t>(dir)];
        w.cop = cop;
        w.Valor = static_cast<std::uint16_t>(valor);
        w.op1 = static_cast<std::uint16_t>(op1);
        w.Descripcion = "a mano";
    };
    pon(21, "CMP", 0xC005, 99);
    pon(22, "CTE", 7, 0);
    pon(23, "MOV", 0x8000, 1);
    pon(24, "CTE", 0, 3); // never written
    Abre(p);
    Historia h(*sim, host, 1000, 4);
    std::vector<Foto> ida{sim->TomaInstantanea()};
    for (int i = 0; i < 60; ++i) {
        sim->EjecutaCiclo();
        ida.push_back(sim->TomaInstantanea());
    }
    ASSERT_NE(ida.back().memoria.VectorReginst[21], ida.front().memoria.VectorReginst[21]);
    ASSERT_NE(ida.back().memoria.VectorReginst[23].cop, "MOV");
    for (int i = 59; i >= 0; --i) {
        ASSERT_TRUE(h.RetrocedeCiclo());
        ASSERT_EQ(Diferencias(sim->TomaInstantanea(), ida[static_cast<std::size_t>(i)]), "") << i;
    }
}

TEST_F(PasoAtras, EveryControlUnitComesBackExactly) {
    ProgramaPrueba p;
    p.Inst(0, "ADD", 10, 11).Inst(1, "MOV", 10, 12).Inst(2, "CMP", 10, 11).Inst(3, "BEQ", 0, 0);
    p.Dato(10, 3).Dato(11, 4);
    for (TTipoControl control : {tnormal, toptimizado, tMicroprogramado}) {
        SCOPED_TRACE(static_cast<int>(control));
        Abre(p, control);
        Historia h(*sim, host, 1000, 8);
        for (int i = 0; i < 37; ++i) {
            sim->EjecutaCiclo();
        }
        const Foto en37 = sim->TomaInstantanea();
        for (int i = 0; i < 20; ++i) {
            sim->EjecutaCiclo();
        }
        for (int i = 0; i < 20; ++i) {
            ASSERT_TRUE(h.RetrocedeCiclo());
        }
        EXPECT_EQ(Diferencias(sim->TomaInstantanea(), en37), "");
    }
}

TEST_F(PasoAtras, TheMicroprogrammableMachineComesBackWithItsAluChoices) {
    std::mt19937 azar(11);
    ProgramaPrueba p(kNombreVLMConfigurable);
    for (int i = 0; i < 100; ++i) {
        p.Inst(i, std::to_string(azar() % 4), static_cast<int>(azar() % 128), static_cast<int>(azar() % 128));
    }
    host.microprograma = AnfitrionSinVentanas().microprograma; // the editor's initial one
    host.opcionesAlu = {1, 2, 0, 1};
    sim = std::make_unique<TSimuladorVelmo>(host, p.Guarda());
    Historia h(*sim, host, 1000, 32);
    std::vector<Foto> ida{sim->TomaInstantanea()};
    for (int i = 0; i < 150; ++i) {
        sim->EjecutaCiclo();
        ida.push_back(sim->TomaInstantanea());
    }
    for (int i = 149; i >= 0; i -= 7) {
        while (sim->NumCiclos() > i) {
            ASSERT_TRUE(h.RetrocedeCiclo());
        }
        ASSERT_EQ(Diferencias(sim->TomaInstantanea(), ida[static_cast<std::size_t>(i)]), "") << i;
    }
}

TEST_F(PasoAtras, AnInstructionBackEndsWhereThePreviousInstructionEnded) {
    ProgramaPrueba p;
    p.Inst(0, "ADD", 10, 11).Inst(1, "ADD", 10, 11).Inst(2, "ADD", 10, 11).Dato(10, 3).Dato(11, 4);
    Abre(p);
    Historia h(*sim, host, 1000, 4);
    const Foto apertura = sim->TomaInstantanea();
    sim->EjecutaInstruccion();
    const Foto tras1 = sim->TomaInstantanea();
    sim->EjecutaInstruccion();
    // Mid-instruction, a step back undoes the part run so far.
    sim->EjecutaCiclo();
    sim->EjecutaCiclo();
    ASSERT_TRUE(h.RetrocedeInstruccion());
    EXPECT_EQ(sim->NumInst(), 2);
    ASSERT_TRUE(h.RetrocedeInstruccion());
    EXPECT_EQ(Diferencias(sim->TomaInstantanea(), tras1), "");
    ASSERT_TRUE(h.RetrocedeInstruccion());
    EXPECT_EQ(Diferencias(sim->TomaInstantanea(), apertura), "");
    EXPECT_FALSE(h.RetrocedeInstruccion());
}

TEST_F(PasoAtras, InstructionEndsHoldAcrossManyWordsCutsAndDroppedBlocks) {
    // Hundreds of cycles: the instruction ends span many packed words, a step back cuts them mid-word and
    // old blocks are dropped from the front while the run goes on.
    Abre(ProgramaAleatorio(7));
    Historia h(*sim, host, 200, 16);
    std::vector<std::int32_t> fines; // NumCiclos at every instruction end
    const auto avanza = [&](int instrucciones) {
        for (int i = 0; i < instrucciones; ++i) {
            sim->EjecutaInstruccion();
            fines.push_back(sim->NumCiclos());
        }
    };
    const auto retrocede = [&](int instrucciones) {
        for (int i = 0; i < instrucciones; ++i) {
            ASSERT_TRUE(h.RetrocedeInstruccion());
            fines.pop_back();
            ASSERT_EQ(sim->NumCiclos(), fines.back()) << i;
        }
    };
    avanza(150);
    retrocede(13);
    avanza(40);
    retrocede(30);
    avanza(5);
    // Back to the oldest moment held, never past it.
    while (h.RetrocedeInstruccion()) {
        ASSERT_GE(sim->NumCiclos(), h.PrimerCiclo());
    }
    EXPECT_EQ(sim->NumCiclos(), h.PrimerCiclo());
    EXPECT_GT(h.PrimerCiclo(), 0);
}

TEST_F(PasoAtras, BreakpointsStayAndTheWindowsAreToldToRepaint) {
    Abre(ProgramaAleatorio(7));
    Historia h(*sim, host, 1000, 16);
    for (int i = 0; i < 10; ++i) {
        sim->EjecutaCiclo();
    }
    sim->FrameMemoria().TablaMemoriaSelectCell(1, 50);
    int repintados = 0;
    sim->FrameRegistros().Avisos().Suscribe([&](Aviso a) { repintados += a == Aviso::Repinta ? 1 : 0; });
    ASSERT_TRUE(h.RetrocedeCiclo());
    EXPECT_TRUE(sim->FrameMemoria().Haybreakpointbyindex(50));
    EXPECT_GT(repintados, 0);
    // The live machine still answers to its own host after a moment rebuilt on the silent copy.
    const auto fines = host.finesDeCiclo;
    sim->EjecutaCiclo();
    EXPECT_EQ(host.finesDeCiclo, fines + 1);
}

TEST_F(PasoAtras, OldBlocksAreDroppedAndAnotherPathClearsNothingItShouldKeep) {
    Abre(ProgramaAleatorio(4));
    Historia h(*sim, host, 100, 16);
    for (int i = 0; i < 1000; ++i) {
        sim->EjecutaCiclo();
    }
    EXPECT_GE(h.CiclosAtras(), 100);
    EXPECT_LT(h.CiclosAtras(), 100 + 16);
    const auto bytes = h.BytesOcupados();
    for (int i = 0; i < 1000; ++i) {
        sim->EjecutaCiclo();
    }
    EXPECT_GE(h.CiclosAtras(), 100);
    EXPECT_LT(h.CiclosAtras(), 100 + 16);
    EXPECT_LT(h.BytesOcupados(), bytes + bytes / 2);
    // Replaying from the oldest moment visits every one held.
    std::vector<std::int32_t> ciclos;
    ASSERT_TRUE(h.Recorre([&](const TSimuladorVelmo& s) { ciclos.push_back(s.NumCiclos()); }));
    ASSERT_EQ(ciclos.size(), static_cast<std::size_t>(h.CiclosAtras() + 1));
    EXPECT_EQ(ciclos.front(), h.PrimerCiclo());
    EXPECT_EQ(ciclos.back(), sim->NumCiclos());
    h.Vacia();
    EXPECT_EQ(h.CiclosAtras(), 0);
    EXPECT_FALSE(h.RetrocedeCiclo());
}

TEST_F(PasoAtras, TheDefaultIntervalKeepsAMillionCyclesWithinBudget) {
    Abre(ProgramaAleatorio(5));
    Historia h(*sim, host);
    for (int i = 0; i < 500; ++i) {
        sim->EjecutaCiclo();
    }
    // Values only: a snapshot holds no names and no texts the values give again.
    const auto porFoto = Historia::BytesInstantanea(sim->TomaCompacta());
    EXPECT_LE(porFoto, std::size_t{2048});
    const auto fotos = static_cast<std::size_t>(Historia::kCiclosMinimos / h.Intervalo() + 2);
    EXPECT_LE(fotos * porFoto + static_cast<std::size_t>(Historia::kCiclosMinimos), std::size_t{8} << 20);
}

} // namespace
} // namespace velmo::pruebas
