#include "RegInst.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace velmo;

namespace {

TregInst Ejemplo() {
    TregInst r;
    r.direccion = 0x01020304;
    r.cop = "MOV";
    r.op1 = 0xA1B2;
    r.op2 = kSinSegundoOperando;
    r.destino = -2;
    r.Valor = 0x8005;
    r.Descripcion = "bucle:";
    return r;
}

} // namespace

TEST(RegInst, DisposicionExactaDeLos60Bytes) {
    const auto b = SerializaRegInst(Ejemplo());
    const BytesRegInst esperado = {0x04, 0x03, 0x02, 0x01,                               // direccion
                                   3,    'M',  'O',  'V',  0,   0,   0,   0, 0, 0, 0, 0, // cop
                                   0,    0,    0,    0,    0,   0,   0,   0, 0,          //
                                   0,                                                    // padding
                                   0xB2, 0xA1,                                           // op1
                                   0x1A, 0x41,                                           // op2 = 16666
                                   0,    0,                                              // padding
                                   0xFE, 0xFF, 0xFF, 0xFF,                               // destino = -2
                                   0x05, 0x80,                                           // Valor
                                   6,    'b',  'u',  'c',  'l', 'e', ':', 0, 0, 0, 0, 0, // Descripcion
                                   0,    0,    0,    0,    0,   0,   0,   0, 0,          //
                                   0};                                                   // padding
    EXPECT_EQ(b, esperado);
    EXPECT_EQ(DeserializaRegInst(b), Ejemplo());
}

TEST(RegInst, CadenasEnWindows1252CortadasA20Bytes) {
    TregInst r = Ejemplo();
    r.Descripcion = "variable_de_nombre_largo"; // 24 characters
    r.cop = "año";
    const auto b = SerializaRegInst(r);
    EXPECT_EQ(b[4], 3);
    EXPECT_EQ(b[6], 0xF1);
    EXPECT_EQ(b[38], 20);
    const auto leido = DeserializaRegInst(b);
    EXPECT_EQ(leido.Descripcion, "variable_de_nombre_l");
    EXPECT_EQ(leido.cop, "año");
}

TEST(RegInst, LongitudDañadaNoLeeFueraDelCampo) {
    auto b = SerializaRegInst(Ejemplo());
    b[4] = 255;  // cop claims 255 characters
    b[38] = 200; // so does Descripcion
    const auto leido = DeserializaRegInst(b);
    EXPECT_EQ(leido.cop.size(), 20u);
    EXPECT_EQ(leido.cop.substr(0, 3), "MOV");
    EXPECT_EQ(leido.Descripcion.substr(0, 6), "bucle:");
    EXPECT_EQ(leido.Descripcion.size(), 20u);
}

TEST(RegInst, FlujoDeRegistrosYRegistroIncompleto) {
    std::stringstream s;
    ASSERT_TRUE(EscribeRegInst(s, Ejemplo()));
    ASSERT_TRUE(EscribeRegInst(s, PalabraLibre(7)));
    EXPECT_EQ(s.str().size(), 120u);
    TregInst r;
    ASSERT_TRUE(LeeRegInst(s, r));
    EXPECT_EQ(r, Ejemplo());
    ASSERT_TRUE(LeeRegInst(s, r));
    EXPECT_EQ(r, PalabraLibre(7));
    EXPECT_FALSE(LeeRegInst(s, r));

    std::stringstream corto(std::string(59, '\0'));
    r = Ejemplo();
    EXPECT_FALSE(LeeRegInst(corto, r));
    EXPECT_EQ(r, Ejemplo());
}
