#include "CodificacionTexto.h"

#include <gtest/gtest.h>

using namespace velmo;

TEST(CodificacionTexto, DistingueUtf8ValidoDelQueNoLoEs) {
    EXPECT_TRUE(EsUtf8Valido("año"));
    EXPECT_TRUE(EsUtf8Valido(""));
    EXPECT_FALSE(EsUtf8Valido("a\xF1o"));       // Windows-1252 ñ
    EXPECT_FALSE(EsUtf8Valido("\xC0\xAF"));     // overlong "/"
    EXPECT_FALSE(EsUtf8Valido("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(EsUtf8Valido("\xE2\x82"));     // cut sequence
}

TEST(CodificacionTexto, IdaYVueltaEntreWindows1252YUtf8) {
    EXPECT_EQ(Cp1252AUtf8("a\xF1o \x80"), "año €");
    EXPECT_EQ(Utf8ACp1252("año €"), "a\xF1o \x80");
    EXPECT_EQ(Utf8ACp1252("π≠"), "??");
    EXPECT_EQ(Utf8ACp1252("a\xFF"), "a?");
    EXPECT_EQ(TextoFuenteAUtf8("dw a\xF1o 3"), "dw año 3");
    EXPECT_EQ(TextoFuenteAUtf8("dw año 3"), "dw año 3");
}
