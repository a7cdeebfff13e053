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

} // namespace
} // namespace velmo
