// The fixed microprogram's sequences and lines, and the sequencing of a user microprogram.

#include "CablesMaquina.h"
#include "ObjUCMicroprogramada.h"

#include "AnfitrionMaquinaGrabador.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmo {
namespace {

using pruebas::AnfitrionMaquinaGrabador;
using V = std::vector<int>;

struct UCMicro : ::testing::Test {
    AnfitrionMaquinaGrabador anfitrion;
    TUCMicroProgramada uc{anfitrion};
    std::vector<bool> fines;

    void SetUp() override { uc.CreaCables(std::span(kPuertosUC).first(kPuertosUCMicro)); }

    std::vector<int> Estados(int ciclos, int cop, int fz) {
        std::vector<int> r;
        for (int i = 0; i < ciclos; ++i) {
            r.push_back(uc.EstadoActual);
            uc.IniciaCiclo();
            uc.SetUp();
            uc.LosCables[puertoUC::Co10].Valor = static_cast<std::int16_t>(cop);
            uc.LosCables[puertoUC::wFZOut].Valor = static_cast<std::int16_t>(fz);
            uc.Comportamiento();
            fines.push_back(uc.IsFinInstruccion());
            uc.SetEstadoActual(uc.EstadoSiguiente);
        }
        return r;
    }

    static TMicroInstProgramable Mi(std::uint16_t test, std::uint16_t salto) {
        TMicroInstProgramable m;
        m.Test = test;
        m.Salto = salto;
        return m;
    }
};

TEST_F(UCMicro, FixedMicroprogramRunsEachInstruction) {
    EXPECT_EQ(uc.tipo, "UCcableada");
    EXPECT_EQ(uc.Ncables, 10);
    EXPECT_EQ(Estados(6, 0, 0), (V{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Estados(6, 1, 0), (V{0, 1, 8, 9, 10, 11}));
    EXPECT_EQ(Estados(5, 2, 0), (V{0, 1, 2, 6, 7}));
    EXPECT_EQ(Estados(4, 3, 0), (V{0, 1, 8, 12}));
    fines.clear();
    EXPECT_EQ(Estados(6, 3, 1), (V{0, 1, 8, 12, 13, 1}));
    EXPECT_EQ(fines, (std::vector<bool>{true, false, false, false, false, true}));
}

TEST_F(UCMicro, FixedMicroprogramDrivesItsControlWords) {
    for (std::uint8_t a = 0; a < 14; ++a) {
        uc.EstadoActual = a;
        uc.SetUp();
        const auto v = [this](int p) { return uc.LosCables[static_cast<std::size_t>(p)].Valor; };
        const TRegCAblesUP palabra{v(puertoUC::Mux10), v(puertoUC::Alu10), v(puertoUC::LE),
                                   v(puertoUC::pPC),   v(puertoUC::pIR),   v(puertoUC::pA),
                                   v(puertoUC::pB),    v(puertoUC::wPFZ)};
        EXPECT_EQ(palabra, TUCMicroProgramada::kMicroprogramaFijo[a]) << int(a);
    }
    uc.EstadoActual = 13;
    uc.SetUp();
    EXPECT_EQ(uc.LosCables[puertoUC::pIR].Valor, 1);
    EXPECT_EQ(uc.LosCables[puertoUC::Mux10].Valor, 3);
}

TEST_F(UCMicro, FixedMicroprogramTraceLinesCarryTheOpcode) {
    Estados(6, 3, 1);
    Estados(2, 2, 0); // 8, 9
    EXPECT_EQ(anfitrion.traza, (std::vector<std::string>{
                                   "UCMicroprogramada:  fetch, estado siguiente: 1 decode ",
                                   "UCMicroprogramada:  decode, cop vale:3 estado siguiente 8 (CmP or BEQ) ",
                                   "UCMicroprogramada:  decode,cop vale:3 Estadosiguiente 12 (BEQ)",
                                   "UCMicroprogramada:  BEQ, salto SERÁ TOMADO",
                                   "UCMicroprogramada:  BEQ, salto  TOMADO (fetch<- dst)",
                                   "UCMicroprogramada:  decode, cop vale:3 estado siguiente 8 (CmP or BEQ) ",
                                   "UCMicroprogramada:  decode,cop vale:2 Estadosiguiente 9 (CMP)",
                                   "UCMicroprogramada: Cmp, cargar B",
                               }));
    anfitrion.traza.clear();
    uc.EstadoActual = 1;
    Estados(3, 0, 0);
    EXPECT_EQ(anfitrion.traza, (std::vector<std::string>{
                                   "UCMicroprogramada:  decode,cop vale:0 estado siguiente 2  (ADD or MOV",
                                   "UCMicroprogramada:  decode estado cop vale:0 siguiente: 3 (ADD)",
                                   "UCMicroprogramada:  (ADD) cargar B",
                               }));
}

TEST(SaltoTomado, EachTestDecodesItsCondition) {
    for (int cop = 0; cop < 4; ++cop) {
        for (int fz = 0; fz < 2; ++fz) {
            EXPECT_EQ(TUCMicroProgramada::SaltoTomado(0, cop, fz), (cop & 1) == 0);
            EXPECT_EQ(TUCMicroProgramada::SaltoTomado(4, cop, fz), (cop & 1) == 1);
            EXPECT_EQ(TUCMicroProgramada::SaltoTomado(1, cop, fz), cop < 2);
            EXPECT_EQ(TUCMicroProgramada::SaltoTomado(5, cop, fz), cop >= 2);
            EXPECT_EQ(TUCMicroProgramada::SaltoTomado(2, cop, fz), fz == 0);
            EXPECT_EQ(TUCMicroProgramada::SaltoTomado(6, cop, fz), fz == 1);
            EXPECT_TRUE(TUCMicroProgramada::SaltoTomado(3, cop, fz));
            EXPECT_FALSE(TUCMicroProgramada::SaltoTomado(7, cop, fz));
        }
    }
}

TEST_F(UCMicro, UserMicroprogramJumpsOrContinues) {
    uc.microeditable = true;
    for (int i = 0; i < 16; ++i) {
        uc.SetMicroinst(i, Mi(7, 0));
    }
    uc.SetMicroinst(3, Mi(7, 9)); // never jumps
    uc.EstadoActual = 3;
    EXPECT_EQ(Estados(2, 3, 1), (V{3, 4}));
    uc.SetMicroinst(5, Mi(3, 0)); // always back to 0
    EXPECT_EQ(Estados(2, 0, 0), (V{5, 0}));
    uc.SetMicroinst(1, Mi(1, 12)); // jump when cop >> 1 is 0
    uc.EstadoActual = 1;
    EXPECT_EQ(Estados(2, 1, 0), (V{1, 12}));
    uc.EstadoActual = 1;
    EXPECT_EQ(Estados(2, 2, 0), (V{1, 2}));
    // The jump target's low byte is the address.
    uc.SetMicroinst(6, Mi(3, 0x0109));
    uc.EstadoActual = 6;
    EXPECT_EQ(Estados(2, 0, 0), (V{6, 9}));
    EXPECT_TRUE(anfitrion.mensajes.empty());
}

TEST_F(UCMicro, UserMicroinstructionDrivesTheControlWord) {
    uc.microeditable = true;
    TMicroInstProgramable m;
    m.MX10 = 1;
    m.ALU10 = 3;
    m.LorWmem = 1;
    m.pPc = 1;
    m.pIr = 0;
    m.pA = 1;
    m.pB = 0;
    m.pFz = 1;
    uc.SetMicroinst(4, m);
    uc.EstadoActual = 4;
    uc.SetUp();
    EXPECT_EQ(uc.LosCables[puertoUC::Mux10].Valor, 1);
    EXPECT_EQ(uc.LosCables[puertoUC::Alu10].Valor, 3);
    EXPECT_EQ(uc.LosCables[puertoUC::LE].Valor, 1);
    EXPECT_EQ(uc.LosCables[puertoUC::pPC].Valor, 1);
    EXPECT_EQ(uc.LosCables[puertoUC::pIR].Valor, 0);
    EXPECT_EQ(uc.LosCables[puertoUC::pA].Valor, 1);
    EXPECT_EQ(uc.LosCables[puertoUC::pB].Valor, 0);
    EXPECT_EQ(uc.LosCables[puertoUC::wPFZ].Valor, 1);
}

TEST_F(UCMicro, FallingOffTheLastMicroinstructionIsReportedAndStays) {
    uc.microeditable = true;
    uc.SetMicroinst(15, Mi(7, 0));
    uc.EstadoActual = 15;
    EXPECT_EQ(Estados(2, 0, 0), (V{15, 15}));
    ASSERT_EQ(anfitrion.mensajes.size(), 2u);
    EXPECT_EQ(anfitrion.mensajes[0].texto,
              "Error en el Microprograma: destino de salto fuera de rango\r\nRevise la microinstrucción 15");
    EXPECT_EQ(anfitrion.mensajes[0].titulo, "Velmo");
    EXPECT_EQ(anfitrion.mensajes[0].icono, IconoMensaje::Error);
}

TEST_F(UCMicro, AJumpBeyondTheMicroprogramIsReportedAndStays) {
    uc.microeditable = true;
    uc.SetMicroinst(2, Mi(3, 16));
    uc.SetMicroinst(4, Mi(3, 255));
    uc.EstadoActual = 2;
    EXPECT_EQ(Estados(3, 0, 0), (V{2, 2, 2}));
    ASSERT_EQ(anfitrion.mensajes.size(), 3u);
    EXPECT_EQ(anfitrion.mensajes[0].texto,
              "Error en el Microprograma: destino de salto fuera de rango\r\nRevise la microinstrucción 2");
    uc.EstadoActual = 4;
    EXPECT_EQ(Estados(1, 0, 0), (V{4}));
    EXPECT_EQ(uc.EstadoActual, 4);
    EXPECT_EQ(anfitrion.mensajes.back().texto.back(), '4');
}

TEST_F(UCMicro, SetMicroinstRefusesAnAddressOutsideTheMicroprogram) {
    const Microprograma antes = uc.VectorMicroInst;
    uc.SetMicroinst(16, Mi(3, 5));
    uc.SetMicroinst(-1, Mi(3, 5));
    EXPECT_EQ(uc.VectorMicroInst, antes);
    ASSERT_EQ(anfitrion.mensajes.size(), 2u);
    EXPECT_EQ(anfitrion.mensajes[0].texto, "Dirección incorrecta para microinstrucción");
    EXPECT_EQ(anfitrion.mensajes[0].titulo, "Velmo");
    EXPECT_EQ(anfitrion.mensajes[0].icono, IconoMensaje::Error);
    uc.SetMicroinst(15, Mi(3, 5));
    EXPECT_EQ(uc.VectorMicroInst[15], Mi(3, 5));
}

} // namespace
} // namespace velmo
