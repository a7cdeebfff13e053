#include "UtilidadesStr.h"

#include <gtest/gtest.h>

using namespace velmo;

TEST(UtilidadesStr, CharHexaToStrBinCubreLosDigitosYRechazaElResto) {
    EXPECT_EQ(CharHexaToStrBin('0'), "0000");
    EXPECT_EQ(CharHexaToStrBin('9'), "1001");
    EXPECT_EQ(CharHexaToStrBin('A'), "1010");
    EXPECT_EQ(CharHexaToStrBin('f'), "1111");
    try {
        CharHexaToStrBin('g');
        FAIL() << "se esperaba un error de conversión";
    } catch (const ErrorConversion& e) {
        EXPECT_STREQ(e.what(), "g no es un valor hexadecimal válido.");
    }
}

TEST(UtilidadesStr, Int2BinTomaLosBitsBajosDelComplementoADos) {
    EXPECT_EQ(Int2Bin(5, 4), "0101");
    EXPECT_EQ(Int2Bin(0xC000 + 5 * 128 + 9, 16), "1100001010001001");
    EXPECT_EQ(Int2Bin(0x1234, 8), "00110100");
    EXPECT_EQ(Int2Bin(-1, 16), "1111111111111111");
    EXPECT_EQ(Int2Bin(-1, 20), "00001111111111111111");
    EXPECT_EQ(Int2Bin(0x10005, 4), "0101");
    EXPECT_EQ(Int2Bin(1, 1), "1");
    EXPECT_EQ(Int2Bin(300, 7), "0101100");
    EXPECT_EQ(Int2Bin(7, 0), "");
}

TEST(UtilidadesStr, QuitaExtensionSoloQuitaLaUltimaExtensionDelNombre) {
    EXPECT_EQ(QuitaExtension("a.b.s"), "a.b");
    EXPECT_EQ(QuitaExtension("programa"), "programa");
    EXPECT_EQ(QuitaExtension("/home/ana.v/programa"), "/home/ana.v/programa");
    EXPECT_EQ(QuitaExtension("C:\\cursos.2026\\suma"), "C:\\cursos.2026\\suma");
    EXPECT_EQ(QuitaExtension("C:\\cursos\\suma.asm"), "C:\\cursos\\suma");
    EXPECT_EQ(QuitaExtension("/tmp/suma.asm"), "/tmp/suma");
    EXPECT_EQ(QuitaExtension(".asm"), ".asm");
    EXPECT_EQ(QuitaExtension(""), "");
}
