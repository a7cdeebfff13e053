#include "Listado.h"

#include <gtest/gtest.h>

using namespace velmo;

TEST(Listado, CabeceraYSeparadorConFinDeLineaCrLf) {
    EXPECT_EQ(CabeceraListado(), "      *********************************************************\r\n"
                                 "      *   Ejecutable de Velmo  V1.0             ****\r\n"
                                 "      *   -------------------------------------               *\r\n"
                                 "      *********************************************************\r\n"
                                 "\r\n");
    EXPECT_EQ(SeparadorListado(),
              "---------------\r\nHASTA AQUI LO QUE TIENE EL PARSER\r\n---------------\r\n");
}

TEST(Listado, NueveLineasPorRegistroConNumerosSinYConSigno) {
    TregInst r;
    r.direccion = 3;
    r.cop = "BEQ";
    r.op1 = 65535;
    r.op2 = kSinSegundoOperando;
    r.destino = -1;
    r.Valor = 0xC289;
    r.Descripcion = "fin:";
    EXPECT_EQ(RegistroListado(r), "#Direccion 3\r\n"
                                  "Cop BEQ\r\n"
                                  " Op1    : 65535\r\n"
                                  " Op2    :16666\r\n"
                                  " Destino    :  -1\r\n"
                                  " Valor    :  49801\r\n"
                                  " Valor en Binario:  1100001010001001\r\n"
                                  " Descripción:  fin:\r\n"
                                  "---------------\r\n");
}
