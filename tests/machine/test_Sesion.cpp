// One simulation driven through its session: opened from bytes with no file, stepped back after the file
// is gone, and every command's result as data.

#include "AnfitrionMaquinaGrabador.h"
#include "ProgramaPrueba.h"
#include "SesionSimulacion.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmo::pruebas {
namespace {

// A loop that never ends: add, copy, compare equal, jump back to 0.
ProgramaPrueba Bucle() {
    ProgramaPrueba p;
    p.Add(0, 10, 11).Mov(1, 11, 12).Cmp(2, 11, 12).Beq(3, 0);
    p.Dato(10, 5).Dato(11, 7).Dato(12, 0);
    return p;
}

TEST(Sesion, FromBytesWithNoFileStepsBackLikeTheFileAfterItIsDeleted) {
    const ProgramaPrueba p = Bucle();
    const std::string ruta = p.Guarda();
    AnfitrionMaquinaGrabador hostFichero, hostBytes;
    SesionSimulacion fichero(hostFichero, {ruta, std::nullopt, std::nullopt});
    SesionSimulacion bytes(hostBytes, {"ninguno/programa.vlx", p.Bytes(), std::nullopt});
    ASSERT_FALSE(std::filesystem::exists("ninguno/programa.vlx"));
    EXPECT_EQ(bytes.Foto(), fichero.Foto());
    EXPECT_EQ(bytes.Apertura(), EstadoApertura::Correcto);

    EXPECT_EQ(bytes.Instrucciones(3), fichero.Instrucciones(3));
    const FotoEstado tras3 = fichero.Foto();
    EXPECT_EQ(bytes.Foto(), tras3);
    // The picture holds what the windows' states show.
    const TSimuladorVelmo& m = fichero.Motor();
    for (int fila = 0; fila < kPalabrasMemoria; ++fila) {
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(tras3.memoria.at(fila).textos.at(c - 1), m.FrameMemoria().TextoCelda(c, fila));
        }
    }
    for (int i = 0; i < m.FrameCablesCtrl().NumCables(); ++i) {
        EXPECT_EQ(tras3.senalesControl.at(i).valor, m.FrameCablesCtrl().ValorCable(i));
    }
    for (int i = 0; i < TOrganizacion::kNumCables; ++i) {
        EXPECT_EQ(tras3.senales.at(i).valor, m.FrameUP().Valor(i));
        EXPECT_EQ(tras3.senales.at(i).activa, m.FrameUP().Activado(i));
    }
    EXPECT_EQ(tras3.ciclos, m.FrameEstado().prNumCiclos());
    EXPECT_EQ(bytes.Ciclos(7), fichero.Ciclos(7));
    EXPECT_EQ(bytes.Foto(), fichero.Foto());

    std::filesystem::remove(ruta);
    // Back over the cycles of a partial instruction and a whole one, replayed from the bytes held.
    for (int i = 0; i < 5; ++i) {
        const ResultadoEjecucion r = fichero.CicloAnterior();
        EXPECT_EQ(r.fin, FinEjecucion::Completada);
        EXPECT_EQ(r.ciclos, 1);
        EXPECT_EQ(bytes.CicloAnterior(), r);
        EXPECT_EQ(bytes.Foto(), fichero.Foto());
    }
    while (fichero.Motor().NumCiclos() > tras3.ciclos) {
        ASSERT_EQ(fichero.InstruccionAnterior().fin, FinEjecucion::Completada);
        ASSERT_EQ(bytes.InstruccionAnterior().fin, FinEjecucion::Completada);
    }
    EXPECT_EQ(fichero.Foto(), tras3);
    EXPECT_EQ(bytes.Foto(), tras3);

    // Reset reads the file again, which is gone; the bytes stay.
    EXPECT_THROW(fichero.Reinicia(), ErrorAperturaEjecutable);
    EXPECT_EQ(fichero.Foto(), tras3);
    bytes.Reinicia();
    EXPECT_EQ(bytes.Foto().ciclos, 0);
    EXPECT_EQ(bytes.CicloAnterior().fin, FinEjecucion::NadaQueDeshacer);
}

TEST(Sesion, RunsEndAsAskedAndSayWhy) {
    const ProgramaPrueba p = Bucle();
    AnfitrionMaquinaGrabador host;
    SesionSimulacion s(host, {"bucle.vlx", p.Bytes(), std::nullopt}, false);

    // Asked after every 50 instructions, never after the last one.
    ResultadoEjecucion r = s.Instrucciones(150);
    EXPECT_EQ(r.fin, FinEjecucion::Completada);
    EXPECT_EQ(r.instrucciones, 150);
    EXPECT_EQ(host.preguntas.size(), 2u);
    EXPECT_EQ(host.preguntas[0], "Velmo: Ejecutadas 50 instrucciones\r\n¿Desea seguir ejecutando?");
    host.respuestas = {Respuesta::Si, Respuesta::No};
    r = s.Instrucciones(1000);
    EXPECT_EQ(r.fin, FinEjecucion::DetenidaPorUsuario);
    EXPECT_EQ(r.instrucciones, 100);

    // The cycle bound: a run of N cycles that fits is complete; instruction runs stop at it.
    EXPECT_EQ(s.Ciclos(10, {10, {}}).fin, FinEjecucion::Completada);
    r = s.Ciclos(11, {10, {}});
    EXPECT_EQ(r.fin, FinEjecucion::LimiteCiclos);
    EXPECT_EQ(r.ciclos, 10);
    r = s.Instrucciones(1000, {37, {}});
    EXPECT_EQ(r.fin, FinEjecucion::LimiteCiclos);
    EXPECT_EQ(r.ciclos, 37);
    EXPECT_EQ(s.Instrucciones(5, {0, {}}).ciclos, 0);

    // A stop asked for while the run goes on ends it after that cycle; progress comes after each one.
    std::int64_t vistos = 0;
    r = s.HastaBreakpoint({-1, [&](const ResultadoEjecucion& hasta) {
                               vistos = hasta.ciclos;
                               if (hasta.ciclos == 5) {
                                   s.Detener();
                               }
                           }});
    EXPECT_EQ(r.fin, FinEjecucion::SinBreakpoints);
    EXPECT_EQ(s.Mensajes(),
              std::vector<std::string>{
                  "No hay breakpoints definidos. Haga clic en la instruccion en la que quiere parar"});
    s.Motor().FrameMemoria().TablaMemoriaSelectCell(1, 2);
    r = s.Ciclos(100, {-1, [&](const ResultadoEjecucion& hasta) {
                           vistos = hasta.ciclos;
                           if (hasta.ciclos == 5) {
                               s.Detener();
                           }
                       }});
    EXPECT_EQ(r.fin, FinEjecucion::DetenidaPorUsuario);
    EXPECT_EQ(vistos, 5);
    EXPECT_TRUE(s.Mensajes().empty());
    r = s.HastaBreakpoint();
    EXPECT_EQ(r.fin, FinEjecucion::Breakpoint);
    EXPECT_EQ(s.Foto().filaActual, 2);
    EXPECT_EQ(s.CicloAnterior().fin, FinEjecucion::NadaQueDeshacer);
}

// A run advanced a slice at a time ends exactly as the same run in one call: result, questions, picture.
TEST(Sesion, RunsInSlicesEndAsTheWholeRuns) {
    const ProgramaPrueba p = Bucle();
    AnfitrionMaquinaGrabador hostEntera, hostTramos;
    SesionSimulacion entera(hostEntera, {"bucle.vlx", p.Bytes(), std::nullopt});
    SesionSimulacion tramos(hostTramos, {"bucle.vlx", p.Bytes(), std::nullopt});
    struct Orden {
        TipoEjecucion tipo;
        std::int64_t n;
        std::int64_t maxCiclos;
    };
    const Orden ordenes[] = {
        {TipoEjecucion::Instrucciones, 120, -1},  {TipoEjecucion::Ciclos, 23, -1},
        {TipoEjecucion::Instrucciones, 1000, 37}, {TipoEjecucion::HastaBreakpoint, 0, -1},
        {TipoEjecucion::HastaBreakpoint, 0, -1},  {TipoEjecucion::Ciclos, 9, 4}};
    std::int64_t tramo = 1;
    for (const Orden& o : ordenes) {
        if (o.tipo == TipoEjecucion::HastaBreakpoint) {
            entera.Motor().FrameMemoria().TablaMemoriaSelectCell(1, 2);
            tramos.Motor().FrameMemoria().TablaMemoriaSelectCell(1, 2);
        }
        hostEntera.respuestas = hostTramos.respuestas = {Respuesta::Si, Respuesta::No};
        const ResultadoEjecucion r = entera.PorTramos(o.tipo, o.n, {o.maxCiclos, {}}).Avanza().value();
        EjecucionPorTramos e = tramos.PorTramos(o.tipo, o.n, {o.maxCiclos, {}});
        std::optional<ResultadoEjecucion> t;
        int llamadas = 0;
        while (!(t = e.Avanza(tramo))) {
            ++llamadas;
        }
        EXPECT_EQ(*t, r);
        EXPECT_EQ(e.Avanza(tramo), r); // an ended run keeps its result and runs nothing more
        EXPECT_GE(llamadas, (r.ciclos - 1) / tramo);
        EXPECT_EQ(tramos.Foto(), entera.Foto());
        EXPECT_EQ(hostTramos.preguntas, hostEntera.preguntas);
        tramo = tramo % 7 + 2;
    }
    EXPECT_EQ(tramos.CicloAnterior(), entera.CicloAnterior());

    // A stop between two slices ends the run without another cycle; one before any, with none at all.
    EjecucionPorTramos e = tramos.PorTramos(TipoEjecucion::Ciclos, 100);
    EXPECT_FALSE(e.Avanza(3));
    e.Detener();
    EXPECT_EQ(e.Avanza(3).value().fin, FinEjecucion::DetenidaPorUsuario);
    EXPECT_EQ(e.Avanza(3).value().ciclos, 3);
    EjecucionPorTramos nada = tramos.PorTramos(TipoEjecucion::Instrucciones, 5);
    nada.Detener();
    EXPECT_EQ(nada.Avanza(3).value(), (ResultadoEjecucion{FinEjecucion::DetenidaPorUsuario, 0, 0, ""}));
}

TEST(Sesion, OpeningReportsAWrongOrCorruptFileAsAStatus) {
    AnfitrionMaquinaGrabador host;
    const std::string completo = Bucle().Bytes();
    SesionSimulacion corto(host, {"corto.vlx", completo.substr(0, 60 * 40 + 9), std::nullopt}, false);
    EXPECT_EQ(corto.Apertura(), EstadoApertura::Corrupto);
    ASSERT_EQ(corto.Foto().mensajes.size(), 1u);
    SesionSimulacion otro(host, {"otro.vlx", std::string(500, 'x'), std::nullopt}, false);
    EXPECT_EQ(otro.Apertura(), EstadoApertura::CabeceraIncorrecta);
    EXPECT_EQ(otro.Foto().memoria[3].textos[0], "   3");
}

} // namespace
} // namespace velmo::pruebas
