#include "TablaSimbolos.h"

#include <gtest/gtest.h>

using namespace velmo;

namespace {

TEST(TablaSimbolos, HashOfUpperCasedKeyKeepsTwentyEightBits) {
    TTablaSimbolos tabla;
    EXPECT_EQ(tabla.hash("ab"), 1106u);
    EXPECT_EQ(tabla.hash("AB"), 1106u);
    EXPECT_EQ(tabla.hash("ABCDEFGH"), 108567224u);
    EXPECT_EQ(tabla.hash("bucle"), 4691973u);
    EXPECT_EQ(tabla.hash(""), 0u);
    EXPECT_EQ(TListaHash::AMayusculas("a_z9ñ"), "A_Z9ñ");
    EXPECT_EQ(tabla.HashSize(), 4004);
}

TEST(TablaSimbolos, NamesAreOneWhateverTheirCase) {
    TTablaSimbolos tabla;
    auto& bucle = tabla.CreaSimbolo("Bucle", kSimboloEtiqueta, 0, 7);
    EXPECT_EQ(bucle.prFlags(), kSimboloEtiqueta);
    TSimbolo* encontrado = nullptr;
    EXPECT_EQ(tabla.BuscarSimbolo("BUCLE", encontrado), 7);
    EXPECT_EQ(encontrado, &bucle);
    EXPECT_EQ(tabla.BuscarSimbolo("bucle", encontrado), 7);
    tabla.CreaSimbolo("_a", kSimboloVariable, 1, 20);
    EXPECT_EQ(tabla.BuscarSimbolo("_A", encontrado), 20);
    EXPECT_EQ(tabla.BuscarSimbolo("otro", encontrado), -1);
    EXPECT_EQ(encontrado, nullptr);
    EXPECT_EQ(tabla.TotalItems(), 2);
}

TEST(TablaSimbolos, RedefinitionMarksKindEightAndKeepsTheFirstAddress) {
    TTablaSimbolos tabla;
    tabla.CreaSimbolo("x", kSimboloVariable, 5, 15);
    auto& otra = tabla.CreaSimbolo("X", kSimboloEtiqueta, 0, 3);
    EXPECT_EQ(otra.prFlags(), kSimboloRedefinido);
    EXPECT_EQ(otra.prAddr(), 15);
    EXPECT_EQ(otra.prValor(), 5);
    EXPECT_EQ(tabla.TotalItems(), 1);
    TSimbolo* encontrado = nullptr;
    EXPECT_EQ(tabla.BuscarSimbolo("x", encontrado), 15);
}

TEST(TablaSimbolos, LongNamesAreFoundAndRedefinedByTheirFirstTwentyCharacters) {
    TTablaSimbolos tabla;
    const std::string largo = "nombre_muy_largo_de_variable"; // 28 characters
    auto& simbolo = tabla.CreaSimbolo(largo, kSimboloVariable, 0, 30);
    EXPECT_EQ(simbolo.prName(), "nombre_muy_largo_de_");
    TSimbolo* encontrado = nullptr;
    EXPECT_EQ(tabla.BuscarSimbolo(largo, encontrado), 30);
    EXPECT_EQ(tabla.CreaSimbolo("nombre_muy_largo_de_otra", kSimboloVariable, 0, 31).prFlags(),
              kSimboloRedefinido);
}

TEST(TablaSimbolos, ManyNamesInOneBucketKeepInsertionOrder) {
    TTablaSimbolos tabla;
    // "ab" and "msv" fall in the same bucket (1106 and 21126, both 1106 modulo 4004).
    tabla.CreaSimbolo("ab", kSimboloVariable, 0, 1);
    tabla.CreaSimbolo("msv", kSimboloVariable, 0, 2);
    for (int i = 0; i < 200; ++i) {
        tabla.CreaSimbolo("v" + std::to_string(i), kSimboloVariable, 0, i);
    }
    TSimbolo* encontrado = nullptr;
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(tabla.BuscarSimbolo("V" + std::to_string(i), encontrado), i);
    }
    EXPECT_EQ(tabla.BuscarSimbolo("AB", encontrado), 1);
    EXPECT_EQ(tabla.BuscarSimbolo("MSV", encontrado), 2);
    EXPECT_EQ(tabla.hash("msv") % 4004, tabla.hash("ab") % 4004);
    tabla.Limpiar();
    EXPECT_EQ(tabla.TotalItems(), 0);
    EXPECT_EQ(tabla.BuscarSimbolo("ab", encontrado), -1);
}

} // namespace
