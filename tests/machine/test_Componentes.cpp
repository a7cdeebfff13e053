// Arithmetic, outputs, trace lines and messages of the datapath elements.

#include "CablesMaquina.h"
#include "ObjAlu.h"
#include "ObjIncrementador.h"
#include "ObjMemoria.h"
#include "ObjMux.h"
#include "ObjRegistro.h"

#include "AnfitrionMaquinaGrabador.h"

#include <gtest/gtest.h>

namespace velmo {
namespace {

using pruebas::AnfitrionMaquinaGrabador;

std::uint16_t Sin(std::int16_t v) {
    return static_cast<std::uint16_t>(v);
}

struct Registros : ::testing::Test {
    AnfitrionMaquinaGrabador anfitrion;

    TRegistro Crea(const char* nombre, std::uint16_t puertos, int bits,
                   std::span<const TRegConfCable> tabla) {
        TRegistro r(anfitrion, nombre, puertos, bits);
        r.CreaCables(tabla);
        return r;
    }
};

TEST_F(Registros, LoadEnableLatchesIntoPermisoCargaWithItsTraceLine) {
    auto a = Crea("ALU-> A", 3, 16, kPuertosA);
    EXPECT_EQ(a.tipo, "Registro");
    a.LosCables[0].Valor = 1;
    a.Comportamiento();
    EXPECT_TRUE(a.Comportado);
    EXPECT_EQ(a.PermisoCarga, 1);
    a.LosCables[0].Valor = 2; // only exactly 1 loads
    a.Comportamiento();
    EXPECT_EQ(a.PermisoCarga, 0);
    EXPECT_EQ(anfitrion.traza, (std::vector<std::string>{"pongo permiso carga a true del reg: ALU-> A",
                                                         "pongo permiso carga a false del reg: ALU-> A"}));
    anfitrion.trazaActiva = false;
    a.Comportamiento();
    EXPECT_EQ(anfitrion.traza.size(), 2u);
}

TEST_F(Registros, SetUpPresentsTheLoadedValueAtTheOutputPort) {
    auto b = Crea("ALU-> B", 3, 16, kPuertosB);
    b.SetValorIn(0xBEEF);
    b.Comportamiento();
    EXPECT_EQ(Sin(b.LosCables[2].Valor), 0) << "the new value shows only after SetUp";
    b.SetUp();
    b.Comportamiento();
    EXPECT_EQ(b.ValorOUT, 0xBEEF);
    EXPECT_EQ(Sin(b.LosCables[2].Valor), 0xBEEF);
    b.Inicializa();
    EXPECT_EQ(b.ValorIN, 0);
    EXPECT_EQ(b.ValorOUT, 0);
}

TEST_F(Registros, InstructionRegisterSplitsItsWordWithTwoOrFourOpcodeBits) {
    auto ir = Crea("IR", 5, 16, kPuertosIR);
    ir.SetValorOut(0xD005);
    ir.IsCopModif = true;
    ir.Comportamiento();
    EXPECT_EQ(ir.LosCables[4].Valor, 13);
    EXPECT_EQ(ir.LosCables[3].Valor, 32);
    EXPECT_EQ(ir.LosCables[2].Valor, 5);
    EXPECT_FALSE(ir.IsCopModif);
    ir.Comportamiento();
    EXPECT_EQ(ir.LosCables[4].Valor, 3);
    // The top bit must shift in as zero.
    ir.SetValorOut(0xFFFF);
    ir.Comportamiento();
    EXPECT_EQ(ir.LosCables[4].Valor, 3);
    EXPECT_EQ(ir.LosCables[3].Valor, 0x7F);
    EXPECT_EQ(ir.LosCables[2].Valor, 0x7F);
    ir.IsCopModif = true;
    ir.Comportamiento();
    EXPECT_EQ(ir.LosCables[4].Valor, 15);
}

TEST(Memoria, StartsFreeAndReadsTheAddressedWord) {
    AnfitrionMaquinaGrabador anfitrion;
    TMemoria m(anfitrion, 6);
    m.CreaCables(kPuertosMemoria);
    EXPECT_EQ(m.tipo, "Memoria");
    EXPECT_EQ(m.PermisoCarga, 0);
    EXPECT_EQ(m.IndiceCableOutIR, 6);
    EXPECT_EQ(m.IndiceCableOutB, 7);
    EXPECT_EQ(m.IndiceCableOutA, 8);
    EXPECT_EQ(m.IndiceCablein, 21);
    EXPECT_EQ(m.VectorReginst[127], PalabraLibre(127));

    TregInst palabra = PalabraLibre(9);
    palabra.Valor = 0x8102;
    palabra.cop = "MOV";
    ASSERT_TRUE(m.EscribirInstruccion(palabra, 9));
    m.LosCables[1].Valor = 9;
    m.Comportamiento();
    EXPECT_TRUE(m.Comportado);
    EXPECT_EQ(m.ValorOUT, 0x8102);
    for (int puerto : {2, 3, 4}) {
        EXPECT_EQ(Sin(m.LosCables[static_cast<std::size_t>(puerto)].Valor), 0x8102);
    }
    EXPECT_FALSE(m.IsCopModif);
    EXPECT_TRUE(anfitrion.mensajes.empty());
}

TEST(Memoria, ReadingAModifiedMachineInstructionArmsTheFourBitDecode) {
    AnfitrionMaquinaGrabador anfitrion;
    TMemoria m(anfitrion, 6);
    m.CreaCables(kPuertosMemoria);
    for (const char* cop : {"MOVD", "CLEAR", "ACUM"}) {
        TregInst palabra = PalabraLibre(5);
        palabra.cop = cop;
        m.EscribirInstruccion(palabra, 5);
        m.LosCables[1].Valor = 5;
        m.Comportamiento();
        EXPECT_TRUE(m.IsCopModif) << cop;
    }
    m.LosCables[1].Valor = 6; // a data word
    m.Comportamiento();
    EXPECT_FALSE(m.IsCopModif);
}

TEST(Memoria, AnAddressAbove127IsReportedAndReadsZero) {
    AnfitrionMaquinaGrabador anfitrion;
    TMemoria m(anfitrion, 6);
    m.CreaCables(kPuertosMemoria);
    m.EscribirValor(77, 0);
    m.LosCables[1].Valor = 0;
    m.Comportamiento();
    ASSERT_EQ(m.ValorOUT, 77);

    m.LosCables[1].Valor = 200;
    m.Comportamiento();
    ASSERT_EQ(anfitrion.mensajes.size(), 1u);
    EXPECT_EQ(anfitrion.mensajes[0].texto,
              "Error en tiempo de ejecución\r\nSe está intentando acceder a la dirección 200 de memoria.");
    EXPECT_EQ(anfitrion.mensajes[0].titulo, "Velmo");
    EXPECT_EQ(anfitrion.mensajes[0].icono, IconoMensaje::Error);
    EXPECT_EQ(m.ValorOUT, 0);
    EXPECT_EQ(m.LosCables[2].Valor, 0);
    EXPECT_EQ(m.LosCables[4].Valor, 0);

    // A negative signal value is an address read as unsigned.
    m.LosCables[1].Valor = -1;
    m.Comportamiento();
    ASSERT_EQ(anfitrion.mensajes.size(), 2u);
    EXPECT_NE(anfitrion.mensajes[1].texto.find("dirección 65535 de"), std::string::npos);
}

TEST(Memoria, WritesOutsideTheMemoryAreRefusedWithoutTouchingAnyWord) {
    AnfitrionMaquinaGrabador anfitrion;
    TMemoria m(anfitrion, 6);
    const auto antes = m.VectorReginst;
    EXPECT_FALSE(m.EscribirValor(5, 128));
    EXPECT_FALSE(m.EscribirValor(5, -1));
    EXPECT_FALSE(m.EscribirValor(5, 65535));
    EXPECT_FALSE(m.EscribirInstruccion(PalabraLibre(0), 300));
    EXPECT_FALSE(m.EscribirInstruccion(PalabraLibre(0), -5));
    EXPECT_EQ(m.VectorReginst, antes);
    TregInst leido;
    leido.cop = "sin tocar";
    EXPECT_FALSE(m.LeerInstruccion(128, leido));
    EXPECT_FALSE(m.LeerInstruccion(-1, leido));
    EXPECT_EQ(leido.cop, "sin tocar");
    EXPECT_TRUE(m.LeerInstruccion(127, leido));
    EXPECT_EQ(leido, PalabraLibre(127));
}

TEST(Memoria, WrittenValueRederivesTheWordDescriptionForTheVersion) {
    AnfitrionMaquinaGrabador anfitrion;
    TMemoria m(anfitrion, 6);
    TregInst palabra = PalabraLibre(3);
    palabra.cop = "ADD";
    m.EscribirInstruccion(palabra, 3);
    m.SetVersionVL(1);
    ASSERT_TRUE(m.EscribirValor(0xE085, 3));
    EXPECT_EQ(m.VectorReginst[3].Valor, 0xE085);
    EXPECT_EQ(m.VectorReginst[3].cop, "MOVD");
    EXPECT_EQ(m.VectorReginst[3].op1, 0x41) << "bits 13-12 belong to both the long opcode and op1";
    EXPECT_EQ(m.VectorReginst[3].op2, 5);
    m.SetVersionVL(2);
    m.EscribirValor(0x4000, 3);
    EXPECT_EQ(m.VectorReginst[3].cop, "1");
    // A data word stays a data word whatever value it gets.
    m.EscribirValor(0xD005, 4);
    EXPECT_EQ(m.VectorReginst[4].cop, "---");
    EXPECT_EQ(m.VectorReginst[4].Valor, 0xD005);
}

struct Alu : ::testing::Test {
    AnfitrionMaquinaGrabador anfitrion;
    TAlu alu{anfitrion, 5};

    void SetUp() override { alu.CreaCables(kPuertosAlu); }

    std::uint16_t Opera(int op, std::uint16_t a, std::uint16_t b) {
        alu.LosCables[0].Valor = static_cast<std::int16_t>(op);
        alu.LosCables[2].Valor = static_cast<std::int16_t>(a);
        alu.LosCables[3].Valor = static_cast<std::int16_t>(b);
        alu.Comportamiento();
        return alu.ValorOUT;
    }
    int Cero() const { return alu.LosCables[4].Valor; }
};

TEST_F(Alu, FixedOperationsCutTo16BitsAndSetTheZeroFlag) {
    EXPECT_EQ(alu.tipo, "Alu");
    EXPECT_EQ(alu.IndiceCableOut, 21);
    EXPECT_EQ(Opera(0, 0x8000, 0x8000), 0);
    EXPECT_EQ(Cero(), 1);
    EXPECT_EQ(Opera(0, 3, 4), 7);
    EXPECT_EQ(Cero(), 0);
    EXPECT_EQ(Opera(1, 0x1234, 0x1234), 0);
    EXPECT_EQ(Cero(), 1);
    EXPECT_EQ(Opera(1, 0xF0F0, 0x0FF0), 0xFF00);
    EXPECT_EQ(Opera(2, 9, 0xABCD), 0xABCD);
    EXPECT_EQ(Opera(3, 9, 8), 0);
    EXPECT_EQ(Cero(), 1);
    EXPECT_EQ(Opera(7, 9, 8), 0);
    EXPECT_TRUE(anfitrion.mensajes.empty());
}

TEST_F(Alu, ConfigurableOperationsFollowTheSelectedItemOfEachGroup) {
    alu.tipocontrol = TMicroprogramable;
    struct Caso {
        int op, item;
        std::uint16_t a, b, r;
    };
    const Caso casos[] = {
        {0, 0, 0xFFFF, 2, 1},
        {0, 1, 0xFFFF, 0xFFFF, 1},
        {0, 1, 300, 300, static_cast<std::uint16_t>(90000)},
        {0, 2, 0, 0x8003, 0x2000},
        {0, 3, 0xF0F0, 0x3C3C, 0x3030},
        {1, 0, 0xF0F0, 0x0FF0, 0xFF00},
        {1, 1, 7, 50, 7},
        {1, 1, 2, 0xFFFF, 0x7FFF},
        {1, 2, 0, 0xC001, 0x0004},
        {1, 3, 0x00F0, 0x0F00, 0x0FF0},
        {2, 0, 1, 0xABCD, 0xABCD},
        {2, 1, 0xABCD, 1, 0xABCD},
        {2, 2, 7, 50, 1},
        {2, 2, 3, 0xFFFF, 0},
        {3, 0, 5, 5, 0},
        {3, 1, 5, 5, 1},
        {3, 2, 0, 0x00FF, 0xFF00},
    };
    for (const auto& c : casos) {
        anfitrion.opcionesAlu[static_cast<std::size_t>(c.op)] = c.item;
        EXPECT_EQ(Opera(c.op, c.a, c.b), c.r) << "op " << c.op << " item " << c.item;
        EXPECT_EQ(Cero(), c.r == 0 ? 1 : 0);
    }
    EXPECT_TRUE(anfitrion.mensajes.empty());
}

TEST_F(Alu, DivisionOrRemainderByZeroIsReportedAndGivesOne) {
    alu.tipocontrol = TMicroprogramable;
    anfitrion.opcionesAlu = {0, 1, 2, 0};
    EXPECT_EQ(Opera(1, 0, 40), 1);
    EXPECT_EQ(Cero(), 0);
    EXPECT_EQ(Opera(2, 0, 40), 1);
    ASSERT_EQ(anfitrion.mensajes.size(), 2u);
    for (const auto& m : anfitrion.mensajes) {
        EXPECT_EQ(m.texto, "División por cero.\r\nSalida de la ALU puesta a 1");
        EXPECT_EQ(m.titulo, "Error");
        EXPECT_EQ(m.icono, IconoMensaje::Error);
    }
}

TEST_F(Alu, WithNothingSelectedTheOutputKeepsItsValue) {
    alu.tipocontrol = TMicroprogramable;
    anfitrion.opcionesAlu = {0, -1, 3, 3};
    EXPECT_EQ(Opera(0, 20, 22), 42);
    EXPECT_EQ(Opera(1, 1, 1), 42);
    EXPECT_EQ(Cero(), 0);
    // Groups '10' and '11' have no fourth item; an opcode outside the four groups selects nothing.
    EXPECT_EQ(Opera(2, 1, 1), 42);
    EXPECT_EQ(Opera(3, 1, 1), 42);
    EXPECT_EQ(Opera(6, 1, 1), 42);
}

TEST(Mux, SelectsPcAuxiliaryRegisterOrAnInstructionField) {
    AnfitrionMaquinaGrabador anfitrion;
    TMux mux(anfitrion, 6);
    mux.CreaCables(kPuertosMux);
    EXPECT_EQ(mux.tipo, "Mux");
    EXPECT_EQ(mux.IndiceCableOutSum, 4);
    EXPECT_EQ(mux.IndiceCableOutMem, 5);
    mux.LosCables[1].Valor = 11; // PC
    mux.LosCables[4].Valor = 44; // IR destination
    mux.LosCables[5].Valor = 55; // IR source
    const std::pair<int, int> casos[] = {{0, 11}, {1, 0}, {2, 55}, {3, 44}, {9, 44}, {-1, 44}};
    for (const auto& [sel, esperado] : casos) {
        mux.LosCables[0].Valor = static_cast<std::int16_t>(sel);
        mux.Comportamiento();
        EXPECT_EQ(mux.ValorOUT, esperado) << "select " << sel;
    }
    mux.SetRegauxin(99);
    mux.LosCables[0].Valor = 1;
    mux.Comportamiento();
    EXPECT_EQ(mux.ValorOUT, 99);
}

TEST(Incrementador, AddsOneAndWrapsAt128) {
    AnfitrionMaquinaGrabador anfitrion;
    TIncrementador inc(anfitrion, 2);
    EXPECT_EQ(inc.tipo, "Incrementador");
    EXPECT_EQ(inc.IndiceCableOut, 1);
    EXPECT_EQ(inc.IndiceCableIN, 4);
    const std::pair<std::uint16_t, std::uint16_t> casos[] = {{0, 1}, {126, 127}, {127, 0}};
    for (const auto& [entrada, salida] : casos) {
        inc.SetValorIn(entrada);
        inc.Comportamiento();
        EXPECT_EQ(inc.ValorOUT, salida);
    }
    EXPECT_TRUE(inc.Comportado);
}

TEST(Elementos, CopiesCarryTheWholeStateAndAreIndependent) {
    AnfitrionMaquinaGrabador anfitrion;
    TMemoria m(anfitrion, 6);
    m.EscribirValor(5, 1);
    TMemoria copia = m;
    copia.EscribirValor(6, 1);
    EXPECT_EQ(m.VectorReginst[1].Valor, 5);
    EXPECT_EQ(copia.VectorReginst[1].Valor, 6);
    copia.IniciaCiclo();
    m.Comportado = true;
    EXPECT_FALSE(copia.Comportado);
}

} // namespace
} // namespace velmo
