// The state behind the simulation windows: breakpoints, the current row, cell texts, name/value tables
// and the counters.

#include "AnfitrionMaquinaGrabador.h"
#include "FrameCablesControl.h"
#include "FrameCablesMemoria.h"
#include "FrameEstadoDeEjecucion.h"
#include "FrameMemoria.h"
#include "FrameRegistrosRdD.h"
#include "FrameUC.h"

#include <gtest/gtest.h>

namespace velmo::pruebas {
namespace {

TregInst Palabra(int dir, const std::string& cop, int op1, int op2, std::uint16_t valor) {
    TregInst r = PalabraLibre(dir);
    r.cop = cop;
    r.op1 = static_cast<std::uint16_t>(op1);
    r.op2 = static_cast<std::uint16_t>(op2);
    r.Valor = valor;
    return r;
}

class MemoriaVista : public ::testing::Test {
protected:
    AnfitrionMaquinaGrabador host;
    TMemoriaVLM vista{&host};
    int repintados = 0;

    void SetUp() override {
        vista.Avisos().Suscribe([this](Aviso a) {
            if (a == Aviso::Repinta) {
                ++repintados;
            }
        });
    }
};

TEST_F(MemoriaVista, FreshViewHasNoBreakpointAndRowZeroCurrent) {
    vista.Inicializa();
    EXPECT_FALSE(vista.prHayBreakpoints());
    EXPECT_EQ(vista.prFilaActual(), 0);
    EXPECT_EQ(vista.ImagenDeFila(0), TMemoriaVLM::ImagenActual);
    EXPECT_EQ(vista.ImagenDeFila(1), TMemoriaVLM::SinImagen);
    EXPECT_EQ(vista.Ventana().Caption, "Memoria");
}

TEST_F(MemoriaVista, ClickingTwiceSetsAndClearsWithTheNoticeOnlyWhenSetting) {
    vista.TablaMemoriaSelectCell(2, 7);
    EXPECT_TRUE(vista.Haybreakpointbyindex(7));
    EXPECT_TRUE(vista.prHayBreakpoints());
    EXPECT_EQ(host.avisosBreakpoint, 1);
    vista.TablaMemoriaSelectCell(4, 7);
    EXPECT_FALSE(vista.Haybreakpointbyindex(7));
    EXPECT_FALSE(vista.prHayBreakpoints());
    EXPECT_EQ(host.avisosBreakpoint, 1);
    EXPECT_EQ(repintados, 2);
}

TEST_F(MemoriaVista, HayBreakpointFollowsTheLastRemainingOneAtAddress127Too) {
    vista.TablaMemoriaSelectCell(0, 127);
    vista.TablaMemoriaSelectCell(0, 3);
    vista.TablaMemoriaSelectCell(0, 3);
    EXPECT_TRUE(vista.prHayBreakpoints());
    vista.TablaMemoriaSelectCell(0, 127);
    EXPECT_FALSE(vista.prHayBreakpoints());
}

TEST_F(MemoriaVista, MovdAndAcumCarryTheirConstantRowAlong) {
    vista.EscribirInstruccion(Palabra(10, "MOVD", 300, 20, 0xE014), 10);
    vista.EscribirInstruccion(Palabra(127, "ACUM", 1, 20, 0xF014), 127);
    vista.TablaMemoriaSelectCell(0, 10);
    EXPECT_TRUE(vista.Haybreakpointbyindex(11));
    EXPECT_EQ(vista.ImagenDeFila(11), TMemoriaVLM::ImagenBreakpoint);
    vista.TablaMemoriaSelectCell(0, 10);
    EXPECT_FALSE(vista.Haybreakpointbyindex(11));
    // At the last address there is no following row to mark.
    vista.TablaMemoriaSelectCell(0, 127);
    EXPECT_TRUE(vista.Haybreakpointbyindex(127));
    EXPECT_FALSE(vista.Haybreakpointbyindex(128));
    EXPECT_FALSE(vista.Haybreakpointbyindex(-1));
    vista.TablaMemoriaSelectCell(0, 127);
    EXPECT_FALSE(vista.prHayBreakpoints());
}

TEST_F(MemoriaVista, CurrentRowWithBreakpointShowsBothInTheGutter) {
    vista.TablaMemoriaSelectCell(0, 0);
    vista.Inicializa();
    EXPECT_EQ(vista.ImagenDeFila(0), TMemoriaVLM::ImagenActualBreakpoint);
}

TEST_F(MemoriaVista, SetFilaActualScrollsTheRowIntoView) {
    vista.SetFilasVisibles(0, 20);
    vista.SetFilaActual(30); // below: becomes the last visible row
    EXPECT_EQ(vista.GetDatos().PrimeraFilaVisible, 11);
    vista.SetFilaActual(15); // visible: no scroll
    EXPECT_EQ(vista.GetDatos().PrimeraFilaVisible, 11);
    vista.SetFilaActual(4); // above: becomes the first
    EXPECT_EQ(vista.GetDatos().PrimeraFilaVisible, 4);
}

TEST_F(MemoriaVista, EscribirValorDecodesTheWordForTheVersion) {
    vista.SetVersionVL(0);
    vista.EscribirInstruccion(Palabra(5, "ADD", 0, 0, 0), 5);
    vista.EscribirValor(0xD005, 5);
    TregInst r;
    vista.LeerInstruccion(5, r);
    EXPECT_EQ(r.cop, "CLEAR");
    EXPECT_EQ(r.op1, 32);
    EXPECT_EQ(r.op2, 5);
    EXPECT_EQ(r.Valor, 0xD005);
    // A data word stays one.
    vista.EscribirValor(0x8081, 6);
    vista.LeerInstruccion(6, r);
    EXPECT_EQ(r.cop, "---");
    EXPECT_EQ(r.op1, 1);
    EXPECT_EQ(r.op2, 1);
}

TEST_F(MemoriaVista, CellTextsOfEveryKindOfWord) {
    TregInst add = Palabra(1, "ADD", 10, 11, 0x050B);
    add.Descripcion = "inicio:";
    vista.EscribirInstruccion(add, 1);
    vista.EscribirInstruccion(Palabra(2, "BEQ", 0, 9, 0xC009), 2);
    vista.EscribirInstruccion(Palabra(3, "CLEAR", 20, 20, 0xD014), 3);
    vista.EscribirInstruccion(Palabra(4, "MOVD", 300, 20, 0xE014), 4);
    vista.EscribirInstruccion(Palabra(5, "2", 7, kSinSegundoOperando, 0x8380), 5);
    vista.EscribirInstruccion(Palabra(6, "1", 7, 8, 0x4388), 6);
    vista.EscribirInstruccion(Palabra(7, "---", 0, 0, kPalabraSinValor), 7);
    vista.EscribirInstruccion(Palabra(8, "---", 0, 0, 42), 8);

    EXPECT_EQ(vista.TextoCelda(1, 1), "   1");
    EXPECT_EQ(vista.TextoCelda(2, 1), "inicio:");
    EXPECT_EQ(vista.TextoCelda(3, 1), "  0000010100001011  ");
    EXPECT_EQ(vista.TextoCelda(4, 1), "   ADD  10,11");
    EXPECT_EQ(vista.TextoCelda(4, 2), "   BEQ  0");
    EXPECT_EQ(vista.TextoCelda(4, 3), "   CLEAR 20");
    EXPECT_EQ(vista.TextoCelda(4, 4), "   MOVD 300,20");
    EXPECT_EQ(vista.TextoCelda(4, 5), "  Inst2  7");
    EXPECT_EQ(vista.TextoCelda(4, 6), "  Inst1  7,8");
    EXPECT_EQ(vista.TextoCelda(4, 7), "   ---");
    EXPECT_EQ(vista.TextoCelda(4, 8), "   42");
}

TEST(Tablas, SetValorCablesByNameMatchesExactlyAndIgnoresUnknownNames) {
    TRegRdD reg;
    reg.Inicializa();
    const auto antes = reg.GetDatos();
    reg.SetValorCablesByName("1111111", "pc");
    reg.SetValorCablesByName("1111111", "XX");
    EXPECT_EQ(reg.GetDatos(), antes);
    reg.SetValorCablesByName("0000011", "PC");
    EXPECT_EQ(reg.ValorCable(0), "0000011");
    EXPECT_EQ(reg.TextoCelda(0, 0), "  PC");
    EXPECT_EQ(reg.TextoCelda(1, 0), "  0000011");
    EXPECT_EQ(reg.TextoCelda(1, 2), "  0000000000000000");
}

TEST(Tablas, NumbersAreWrittenOnlyWhenAsked) {
    TCablesMem mem;
    mem.Inicializa();
    EXPECT_EQ(mem.ValorCable(mem.IndiceDe("@Mem")), "   0   ");
    mem.SetValorDecimal(mem.IndiceDe("@Mem"), 37);
    mem.SetValorBinario(mem.IndiceDe("Sal"), -1, 16);
    EXPECT_EQ(mem.ValorCable(0), "37");
    EXPECT_EQ(mem.ValorCable(2), "1111111111111111");
    // Inicializa puts the first texts back.
    mem.Inicializa();
    EXPECT_EQ(mem.ValorCable(2), "0000000000000000");
}

TEST(Tablas, OnlyTheControlTableRepaintsOnEveryCall) {
    TCablesCtrl ctrl;
    TRegRdD reg;
    int repCtrl = 0;
    int repReg = 0;
    ctrl.Avisos().Suscribe([&repCtrl](Aviso) { ++repCtrl; });
    reg.Avisos().Suscribe([&repReg](Aviso) { ++repReg; });
    ctrl.SetValorCablesByName("1", "L/E");
    ctrl.SetValorCablesByName("1", "nadie");
    reg.SetValorCablesByName("1", "FZ");
    EXPECT_EQ(repCtrl, 2);
    EXPECT_EQ(repReg, 0);
}

TEST(Tablas, ControlTableCellsRunAlongTwoRowPairs) {
    TCablesCtrl ctrl;
    ctrl.Inicializa();
    EXPECT_EQ(ctrl.TextoCelda(0, 0), "  L/E");
    EXPECT_EQ(ctrl.TextoCelda(4, 1), "  00");
    EXPECT_EQ(ctrl.TextoCelda(2, 2), "  pFZ");
    EXPECT_EQ(ctrl.TextoCelda(4, 3), "  --");
}

TEST(Tablas, CountersShowANegativeInstructionCountAsZero) {
    TEstadoDeEjecucion e;
    e.SetNumCiclos(-1);
    e.SetNumInstrucciones(-1);
    EXPECT_EQ(e.TextoCelda(1, 0), "-1");
    EXPECT_EQ(e.TextoCelda(1, 1), "0");
    EXPECT_EQ(e.TextoCelda(0, 0), "  Nº Ciclos: ");
    e.SetNumInstrucciones(12);
    EXPECT_EQ(e.TextoCelda(1, 1), "12");
}

TEST(DiagramaControl, SignalsDependOnTheKindAndStartActive) {
    TFrameControl uc;
    uc.Settipocontrol(toptimizado);
    uc.CreaCablesControl();
    EXPECT_EQ(uc.Cable(2).Nombre, "wClock");
    EXPECT_TRUE(uc.Activado(4));
    uc.Settipocontrol(TMicroprogramable);
    EXPECT_EQ(uc.Cable(2).Nombre, "w@Rom");
    EXPECT_EQ(uc.Cable(4).Nombre, "wTest");
}

TEST(Notificador, AListenerRemovedIsNoLongerCalled) {
    Notificador n;
    int a = 0;
    int b = 0;
    const int clave = n.Suscribe([&a](Aviso) { ++a; });
    n.Suscribe([&b](Aviso) { ++b; });
    n.Avisa(Aviso::Repinta);
    n.Anula(clave);
    n.Avisa(Aviso::Ventana);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
}

} // namespace
} // namespace velmo::pruebas
