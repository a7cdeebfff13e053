#include "AnfitrionSinVentanas.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmo {
namespace {

TEST(AnfitrionSinVentanas, GuardaLasCajasEnOrdenYContestaSiALasPreguntas) {
    AnfitrionSinVentanas a;
    a.MuestraMensaje("uno", "Velmo", IconoMensaje::Error);
    EXPECT_TRUE(a.PreguntaSiNo("¿Seguir?", "Velmo"));
    a.MuestraMensaje("dos", "Velmo", IconoMensaje::Aviso);
    EXPECT_EQ(a.PreguntaSiNoCancelar("¿Guardar?", "Velmo"), Respuesta::Si);
    a.MuestraMensaje("tres", "Error", IconoMensaje::Informacion);
    EXPECT_EQ(a.Mensajes(), (std::vector<std::string>{"uno", "dos", "tres"}));
    EXPECT_EQ(a.PreguntasContestadas(), 2);
}

TEST(AnfitrionSinVentanas, LaTrazaSoloSaleSiHayDondeEscribirla) {
    AnfitrionSinVentanas callado;
    EXPECT_FALSE(callado.TrazaActiva());
    callado.AnadeLineaTraza("nada"); // must not fail without a stream

    std::ostringstream salida;
    AnfitrionSinVentanas hablador(&salida);
    EXPECT_TRUE(hablador.TrazaActiva());
    hablador.AnadeLineaTraza("IR Cop: 2");
    hablador.AnadeLineaTraza("");
    EXPECT_EQ(salida.str(), "IR Cop: 2\n\n");
}

TEST(AnfitrionSinVentanas, ContestaConSusAjustesYNoPausaElReloj) {
    AnfitrionSinVentanas a;
    EXPECT_FALSE(a.PausaReloj());
    EXPECT_EQ(a.EligeControl(), tnormal);
    a.control = tMicroprogramado;
    EXPECT_EQ(a.EligeControl(), tMicroprogramado);

    a.opcionesAlu = {3, -1, 2, 1};
    EXPECT_EQ(a.OpcionAlu(0), 3);
    EXPECT_EQ(a.OpcionAlu(1), -1);
    EXPECT_EQ(a.OpcionAlu(3), 1);
    EXPECT_EQ(a.OpcionAlu(4), -1);
    EXPECT_EQ(a.OpcionAlu(-1), -1);
}

TEST(AnfitrionSinVentanas, SinMicroprogramaDadoUsaElInicialDelEditor) {
    AnfitrionSinVentanas a;
    const Microprograma p = a.EditaMicroprograma();
    for (const auto& m : p) {
        EXPECT_EQ(m.MX10, 1);
        EXPECT_EQ(m.ALU10, 1);
        EXPECT_EQ(m.LorWmem, 0);
        EXPECT_EQ(m.pPc, 0);
        EXPECT_EQ(m.pIr, 1);
        EXPECT_EQ(m.pA + m.pB + m.pFz + m.pAux, 0);
        EXPECT_EQ(m.Salto, 1);
        EXPECT_EQ(m.Test, 1);
    }
    a.microprograma[15].Salto = 7;
    EXPECT_EQ(a.EditaMicroprograma()[15].Salto, 7);
}

} // namespace
} // namespace velmo
