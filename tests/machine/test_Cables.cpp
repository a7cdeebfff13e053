// Signals, ports, the signal table, the instruction-word decoder and the hard-wired test.

#include "CablesMaquina.h"
#include "CablesVl0.h"
#include "ObjRegistro.h"
#include "Utils.h"

#include "AnfitrionMaquinaGrabador.h"

#include <gtest/gtest.h>

#include <set>
#include <span>

namespace velmo {
namespace {

TEST(Cable, SettersStoreValuesUnmaskedAndCopiesAreIndependent) {
    TCable cable(5);
    cable.SetNumBits(7);
    cable.SetValor(300);
    cable.SetNombre("wMuxoutMem");
    cable.SetActivado(true);
    EXPECT_EQ(cable.Valor, 300);
    EXPECT_EQ(cable.IndiceMapa, 5);
    cable.SetValor(-1);
    EXPECT_EQ(cable.Valor, -1);

    TCable copia = cable;
    copia.SetValor(7);
    copia.SetNombre("otro");
    EXPECT_EQ(cable.Valor, -1);
    EXPECT_EQ(cable.Nombre, "wMuxoutMem");
}

TEST(Cable, PortsAreMadeFromTheirTableAndCheckedAgainstTheirRoom) {
    pruebas::AnfitrionMaquinaGrabador anfitrion;
    TRegistro ir(anfitrion, "IR", 5, 16);
    ir.CreaCables(kPuertosIR);
    ASSERT_EQ(ir.LosCables.size(), 5u);
    EXPECT_EQ(ir.Ncables, 5);
    EXPECT_EQ(ir.LosCables[1].Nombre, "wMemOutIr");
    EXPECT_EQ(ir.LosCables[1].NumBits, 16);
    EXPECT_EQ(ir.LosCables[1].IndiceMapa, 6);
    EXPECT_EQ(ir.LosCables[0].TipoCable, TControl);
    EXPECT_EQ(ir.LosCables[2].TipoCable, TDatos);
    EXPECT_FALSE(ir.LosCables[3].Activado);
    // Five ports do not fit a three-port register.
    TRegistro pc(anfitrion, "PC", 3, 7);
    EXPECT_THROW(pc.CreaCables(kPuertosIR), std::out_of_range);
}

TEST(Cable, DatapathMapHasItsTwentyThreeSignalsInIndexOrder) {
    const TCablesVl0 mapaUP(kMapaUP);
    ASSERT_EQ(mapaUP.NumCables, 23);
    ASSERT_EQ(mapaUP.Loscables.size(), 23u);
    for (int i = 0; i < 23; ++i) {
        EXPECT_EQ(mapaUP.Loscables[static_cast<std::size_t>(i)].IndiceMapa, i);
        EXPECT_EQ(mapaUP.Loscables[static_cast<std::size_t>(i)].FrameMapa, TUpVl0);
    }
    EXPECT_EQ(mapaUP.Loscables[mapa::wAluOutMem].Nombre, "wAluOutMem");
    EXPECT_EQ(mapaUP.Loscables[mapa::wMux10].NumBits, 7);
    EXPECT_EQ(mapaUP.Loscables[mapa::wAluOP].NumBits, 7);
    EXPECT_EQ(mapaUP.Loscables[mapa::wPFZ].TipoCable, TDatos);
    EXPECT_EQ(mapaUP.Loscables[mapa::wIrCO].TipoCable, TControl);
    std::set<std::string> nombres;
    for (const auto& c : mapaUP.Loscables) {
        nombres.insert(c.Nombre);
    }
    EXPECT_EQ(nombres.size(), 23u);
}

// A datapath element's port carries the map signal of the same name, so the engine's copies by index
// move the right value. The IR's opcode port is the one exception: it is wired by fixed index.
TEST(Cable, EveryElementPortNamesTheMapEntryItIsWiredTo) {
    const std::span<const TRegConfCable> tablas[] = {kPuertosPC,  kPuertosIR,  kPuertosA,
                                                     kPuertosB,   kPuertosFZ,  kPuertosMemoria,
                                                     kPuertosAlu, kPuertosMux, kPuertosIncrementador};
    for (const auto tabla : tablas) {
        for (const auto& puerto : tabla) {
            if (puerto.Nombre == "wIrCO") {
                EXPECT_EQ(puerto.IndiceMapa, mapa::wIRFMux2);
                continue;
            }
            ASSERT_LT(puerto.IndiceMapa, kMapaUP.size());
            EXPECT_EQ(kMapaUP[puerto.IndiceMapa].Nombre, puerto.Nombre) << puerto.Nombre;
            EXPECT_EQ(puerto.FrameMapa, TUpVl0);
        }
    }
    // The control unit's datapath ports land on the signals they drive.
    EXPECT_EQ(kPuertosUC[puertoUC::LE].IndiceMapa, mapa::wPmem);
    EXPECT_EQ(kPuertosUC[puertoUC::pPC].IndiceMapa, mapa::wPPcIn);
    EXPECT_EQ(kPuertosUC[puertoUC::Mux10].IndiceMapa, mapa::wMux10);
    EXPECT_EQ(kPuertosUC[puertoUC::Co10].IndiceMapa, mapa::wIrCO);
    EXPECT_EQ(kPuertosUC[puertoUC::pIR].IndiceMapa, mapa::wPIr);
    EXPECT_EQ(kPuertosUC[puertoUC::wFZOut].IndiceMapa, mapa::wFZOut);
    EXPECT_EQ(kPuertosUC[puertoUC::wPFZ].IndiceMapa, mapa::wPFZ);
    EXPECT_EQ(kPuertosUC[puertoUC::Alu10].IndiceMapa, mapa::wAluOP);
    for (int i = 0; i < kPuertosUCCableada; ++i) {
        const auto& p = kPuertosUC[static_cast<std::size_t>(i)];
        EXPECT_EQ(p.FrameMapa, i < kPuertosUCMicro ? TUpVl0 : TUCCableadaVl0);
        EXPECT_EQ(p.TipoCable, TControl);
    }
    EXPECT_EQ(kPuertosUC[puertoUC::RegsIn].IndiceMapa, 3);
    EXPECT_EQ(kNombresMapaUCCableada[kPuertosUC[puertoUC::RegsIn].IndiceMapa], "RegsIn");
    EXPECT_EQ(kNombresMapaUCCableada[kPuertosUC[puertoUC::RegsOut].IndiceMapa], "RegsOut");
    EXPECT_EQ(kNombresMapaUCMicro[2], "w@Rom");
}

TEST(UpdateRegInst, DecodesOpcodeByVersionAndOperandFields) {
    TregInst reg;
    reg.cop = "ADD";
    UpdateRegInst(0xD005, 0, reg);
    EXPECT_EQ(reg.cop, "CLEAR");
    EXPECT_EQ(reg.op1, 32);
    EXPECT_EQ(reg.op2, 5);
    EXPECT_EQ(reg.destino, 32);

    UpdateRegInst(0xD005, 1, reg);
    EXPECT_EQ(reg.cop, "CLEAR");
    UpdateRegInst(0xD005, 2, reg);
    EXPECT_EQ(reg.cop, "3");

    const std::pair<std::uint16_t, const char*> casos[] = {{0x0000, "ADD"},  {0x4000, "CMP"},
                                                           {0x8000, "MOV"},  {0xC000, "BEQ"},
                                                           {0xE000, "MOVD"}, {0xF000, "ACUM"}};
    for (const auto& [palabra, cop] : casos) {
        UpdateRegInst(palabra, 1, reg);
        EXPECT_EQ(reg.cop, cop);
    }
    UpdateRegInst(0x8FFF, 2, reg);
    EXPECT_EQ(reg.cop, "2");
    EXPECT_EQ(reg.op1, 0x1F);
    EXPECT_EQ(reg.op2, 0x7F);
    EXPECT_EQ(reg.Valor, 0) << "the value is the caller's";
}

TEST(UpdateRegInst, DataWordsAndConstantsKeepTheirMnemonic) {
    TregInst dato;
    dato.cop = "---";
    UpdateRegInst(0xC105, 0, dato);
    EXPECT_EQ(dato.cop, "---");
    EXPECT_EQ(dato.op1, 2);
    EXPECT_EQ(dato.op2, 5);
    EXPECT_EQ(dato.destino, 2);

    TregInst cte;
    cte.cop = "CTE";
    UpdateRegInst(0x4081, 2, cte);
    EXPECT_EQ(cte.cop, "CTE");
    EXPECT_EQ(cte.op1, 1);
    EXPECT_EQ(cte.op2, 1);
    // Only the exact markers are kept.
    TregInst casi;
    casi.cop = "CTE ";
    UpdateRegInst(0x4081, 0, casi);
    EXPECT_EQ(casi.cop, "CMP");
}

TEST(EsCableado, OnlyTheThreeHardWiredKinds) {
    EXPECT_FALSE(EsCableado(tMicroprogramado));
    EXPECT_TRUE(EsCableado(tnormal));
    EXPECT_TRUE(EsCableado(toptimizado));
    EXPECT_TRUE(EsCableado(TVL1Modif));
    EXPECT_FALSE(EsCableado(TMicroprogramable));
    EXPECT_EQ(static_cast<int>(TMicroprogramable), 4);
}

} // namespace
} // namespace velmo
