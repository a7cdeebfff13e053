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

TEST(CodificacionTexto, LaMarcaDeOrdenNoEsTexto) {
    using namespace std::string_view_literals;
    EXPECT_EQ(TextoFuenteAUtf8("\xEF\xBB\xBF; a\xC3\xB1o"), "; año");
    // UTF-16 little and big endian, a pair for a character beyond the first plane, a lone half.
    EXPECT_EQ(TextoFuenteAUtf8("\xFF\xFE;\0\xF1\0\x3D\xD8\x00\xDE"sv), ";ñ\xF0\x9F\x98\x80");
    EXPECT_EQ(TextoFuenteAUtf8("\xFE\xFF\0;\xD8\x3D\0a"sv), ";\xEF\xBF\xBD"
                                                            "a");
    EXPECT_FALSE(EsTextoFuente(TextoFuenteAUtf8("\xFF\xFE\0\0"sv)));
    EXPECT_TRUE(EsTextoFuente(TextoFuenteAUtf8("\xFF\xFE"
                                               "a\0"sv)));
}
