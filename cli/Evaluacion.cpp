#include "Evaluacion.h"

#include "AnfitrionSinVentanas.h"
#include "CodificacionTexto.h"
#include "FicheroEjecutable.h"
#include "FicheroMicroprograma.h"
#include "Montaje.h"
#include "SesionSimulacion.h"
#include "UtilidadesStr.h"

#include <exception>

namespace velmo {
namespace {

/// The address of a word named by the exercise, in this executable. Descriptions keep at most 20 bytes,
/// and a label's keeps its colon.
std::optional<int> BuscaPalabra(const ImagenMemoria& palabras, const RefPalabra& ref) {
    if (ref.direccion >= 0) {
        return ref.direccion;
    }
    constexpr std::size_t kLargo = 20;
    const std::string variable = ref.nombre.substr(0, kLargo);
    const std::string etiqueta = (ref.nombre + ":").substr(0, kLargo);
    for (int dir = 0; dir < kPalabrasMemoria; ++dir) {
        const std::string& d = palabras[static_cast<std::size_t>(dir)].Descripcion;
        if (d == variable || d == etiqueta) {
            return dir;
        }
    }
    return std::nullopt;
}

std::string NoEsNombre(const RefPalabra& ref) {
    return "«" + ref.nombre + "» no es el nombre de ninguna palabra del ejecutable";
}

/// "memoria[52] (producto)", "memoria[53] (v[1])", "memoria[20]".
std::string NombrePalabra(const RefPalabra& ref, int direccion, std::size_t k) {
    std::string texto = "memoria[" + std::to_string(direccion) + "]";
    if (ref.direccion < 0) {
        texto += " (" + ref.nombre + (k > 0 ? "[" + std::to_string(k) + "]" : "") + ")";
    }
    return texto;
}

std::string Diferencia(const std::string& que, long long esperado, long long es) {
    return que + ": se esperaba " + std::to_string(esperado) + " y es " + std::to_string(es);
}

std::string ListaMensajes(const std::vector<std::string>& mensajes) {
    if (mensajes.empty()) {
        return "ninguno";
    }
    std::string texto;
    for (const auto& m : mensajes) {
        texto += (texto.empty() ? "«" : ", «") + m + "»";
    }
    return texto;
}

/// A case's words resolved in one executable: where each list of values lands.
struct PalabrasCaso {
    std::vector<int> inicial;  // one per caso.memoria entry
    std::vector<int> esperada; // one per caso.esperado.memoria entry
    int hasta = -1;
};

/// Resolves every name of `caso`; what cannot be resolved goes to `r` as a difference.
PalabrasCaso Resuelve(const CasoEjercicio& caso, const ImagenMemoria& palabras, ResultadoCaso& r) {
    PalabrasCaso p;
    const auto resuelve = [&](const RefPalabra& ref, std::size_t cuantas) {
        const auto dir = BuscaPalabra(palabras, ref);
        if (!dir) {
            r.nombresDesconocidos.push_back(ref.campo);
            r.diferencias.push_back(NoEsNombre(ref));
            return -1;
        }
        if (*dir + static_cast<int>(cuantas) > kPalabrasMemoria) {
            r.diferencias.push_back("«" + ref.Texto() + "»: la lista de " + std::to_string(cuantas) +
                                    " valores pasa de la dirección 127");
            return -1;
        }
        return *dir;
    };
    for (const auto& v : caso.memoria) {
        p.inicial.push_back(resuelve(v.donde, v.valores.size()));
    }
    for (const auto& v : caso.esperado.memoria) {
        p.esperada.push_back(resuelve(v.donde, v.valores.size()));
    }
    if (caso.modo == ModoCaso::Hasta) {
        p.hasta = resuelve(caso.hasta, 1);
    }
    return p;
}

/// What the state reached differs in from what the case expects.
std::vector<std::string> Compara(const CasoEjercicio& caso, const PalabrasCaso& p, const FotoEstado& f,
                                 const std::vector<std::string>& mensajes) {
    std::vector<std::string> d;
    const EsperadoCaso& e = caso.esperado;
    for (std::size_t i = 0; i < e.memoria.size(); ++i) {
        for (std::size_t k = 0; k < e.memoria[i].valores.size(); ++k) {
            const int dir = p.esperada[i] + static_cast<int>(k);
            const std::uint16_t es = f.memoria[static_cast<std::size_t>(dir)].valor;
            if (es != e.memoria[i].valores[k]) {
                d.push_back(
                    Diferencia(NombrePalabra(e.memoria[i].donde, dir, k), e.memoria[i].valores[k], es));
            }
        }
    }
    const std::pair<const char*, std::optional<std::uint16_t>> registros[] = {
        {"pc", e.pc}, {"ir", e.ir}, {"a", e.a}, {"b", e.b}, {"fz", e.fz}};
    const std::uint16_t valores[] = {f.pc, f.ir, f.a, f.b, f.fz};
    for (std::size_t i = 0; i < std::size(registros); ++i) {
        if (registros[i].second && *registros[i].second != valores[i]) {
            d.push_back(Diferencia(registros[i].first, *registros[i].second, valores[i]));
        }
    }
    if (e.regaux && *e.regaux != f.regAux) {
        d.push_back(Diferencia("regaux", *e.regaux, f.regAux));
    }
    if (e.ciclos && *e.ciclos != f.ciclos) {
        d.push_back(Diferencia("ciclos", *e.ciclos, f.ciclos));
    }
    if (e.instrucciones && *e.instrucciones != f.instrucciones) {
        d.push_back(Diferencia("instrucciones", *e.instrucciones, f.instrucciones));
    }
    if (e.mensajes && *e.mensajes != mensajes) {
        d.push_back("mensajes: se esperaba " + ListaMensajes(*e.mensajes) + " y es " +
                    ListaMensajes(mensajes));
    }
    return d;
}

/// Runs `caso` on a fresh machine opened from `bytes` under `control`; the differences found, or why the
/// run did not do what the case asks. `limite` is set when the cycle bound ended it.
std::vector<std::string> Corre(const Ejercicio& ejercicio, const CasoEjercicio& caso, const PalabrasCaso& p,
                               const std::string& nombre, const std::string& bytes, TTipoControl control,
                               const std::optional<Microprograma>& microprograma, bool& limite) {
    AnfitrionSinVentanas anfitrion;
    anfitrion.control = control;
    anfitrion.opcionesAlu = ejercicio.alu;
    if (microprograma) {
        anfitrion.microprograma = *microprograma;
    }
    std::optional<SesionSimulacion> sesion;
    try {
        sesion.emplace(anfitrion, OrigenSimulacion{nombre, bytes, microprograma}, false);
    } catch (const std::exception& e) {
        return {std::string("la simulación no se pudo abrir: ") + e.what()};
    }
    OpcionesEjecucion opciones;
    opciones.maxCiclos = caso.maxCiclos;
    ResultadoEjecucion r;
    switch (caso.modo) {
    case ModoCaso::Instrucciones:
        r = sesion->Instrucciones(caso.cuantos, opciones);
        break;
    case ModoCaso::Ciclos:
        r = sesion->Ciclos(caso.cuantos, opciones);
        break;
    case ModoCaso::Hasta: {
        // Set as a click on its row would set it (for a MOVD or ACUM, with its constant's row).
        TMemoriaVLM& memoria = sesion->Motor().FrameMemoria();
        if (!memoria.Haybreakpointbyindex(p.hasta)) {
            memoria.TablaMemoriaSelectCell(1, p.hasta);
        }
        r = sesion->HastaBreakpoint(opciones);
        break;
    }
    }

    if (r.fin == FinEjecucion::LimiteCiclos) {
        limite = true;
        return {"límite de ciclos: no ha terminado en " + std::to_string(caso.maxCiclos) + " ciclos"};
    }
    if (r.fin == FinEjecucion::Error) {
        return {"un ciclo ha fallado: " + r.error};
    }
    std::vector<std::string> d;
    if (caso.modo == ModoCaso::Hasta && r.fin != FinEjecucion::Breakpoint && !caso.esperado.mensajes) {
        d.push_back("no ha llegado a «" + caso.hasta.Texto() + "» (dirección " + std::to_string(p.hasta) +
                    ")");
    }
    if (r.fin == FinEjecucion::InstruccionIncompleta && !caso.esperado.mensajes) {
        d.push_back("una instrucción no se ha completado: " +
                    (anfitrion.Mensajes().empty() ? std::string() : anfitrion.Mensajes().back()));
    }
    const auto comparadas = Compara(caso, p, sesion->Foto(), anfitrion.Mensajes());
    d.insert(d.end(), comparadas.begin(), comparadas.end());
    return d;
}

/// A case that was not run, failed for `motivo`.
ResultadoCaso CasoFallido(const CasoEjercicio& caso, const std::string& motivo) {
    ResultadoCaso c;
    c.nombre = caso.nombre;
    c.maximo = caso.puntos;
    c.oculto = caso.oculto;
    c.diferencias.push_back(motivo);
    return c;
}

ResultadoCaso EvaluaCaso(const Ejercicio& ejercicio, const CasoEjercicio& caso, const std::string& nombre,
                         const LecturaEjecutable& lectura,
                         const std::optional<Microprograma>& microprograma) {
    ResultadoCaso r = CasoFallido(caso, "");
    r.diferencias.clear();
    const PalabrasCaso p = Resuelve(caso, lectura.palabras, r);
    r.nombresResueltos = true;
    if (r.diferencias.empty()) {
        // The case's memory goes into the image before the opening, so the opening fetch already sees it.
        ImagenMemoria palabras = lectura.palabras;
        for (std::size_t i = 0; i < caso.memoria.size(); ++i) {
            for (std::size_t k = 0; k < caso.memoria[i].valores.size(); ++k) {
                palabras[static_cast<std::size_t>(p.inicial[i]) + k].Valor = caso.memoria[i].valores[k];
            }
        }
        const std::string bytes = BytesEjecutable(lectura.cabecera, palabras);
        for (const TTipoControl control : ejercicio.controles) {
            auto d = Corre(ejercicio, caso, p, nombre, bytes, control, microprograma, r.limite);
            const std::string prefijo = ejercicio.controles.size() > 1
                                            ? "[" + std::string(NombreControl(control)) + "] "
                                            : std::string();
            for (auto& linea : d) {
                r.diferencias.push_back(prefijo + linea);
            }
        }
    }
    r.superado = r.diferencias.empty();
    r.puntos = r.superado ? caso.puntos : 0;
    return r;
}

ResultadoEntrega SinEjecutar(const Ejercicio& ejercicio, const std::string& nombre, EstadoEntrega estado,
                             const std::string& error) {
    ResultadoEntrega r;
    r.nombre = nombre;
    r.estado = estado;
    r.error = error;
    r.maximo = ejercicio.PuntosTotales();
    for (const auto& caso : ejercicio.casos) {
        r.casos.push_back(CasoFallido(caso, error));
    }
    return r;
}

} // namespace

bool ResultadoEntrega::TodoSuperado() const {
    for (const auto& c : casos) {
        if (!c.superado) {
            return false;
        }
    }
    return estado == EstadoEntrega::Evaluada;
}

ResultadoEntrega EntregaIlegible(const Ejercicio& ejercicio, const std::string& nombre,
                                 const std::string& error) {
    return SinEjecutar(ejercicio, nombre, EstadoEntrega::NoAbre, error);
}

ResultadoEntrega EvaluaEntrega(const Ejercicio& ejercicio, const Entrega& entrega) {
    std::string bytes;
    std::vector<std::string> mensajesMontaje;
    if (entrega.fuente) {
        AnfitrionSinVentanas anfitrion;
        const std::string programa = entrega.programa.empty() ? entrega.nombre : entrega.programa;
        const auto montaje = MontarEnMemoria(ConLineaFinal(TextoFuenteAUtf8(*entrega.fuente)),
                                             QuitaExtension(programa) + ".vlx", anfitrion);
        mensajesMontaje = montaje.mensajes;
        for (const auto& caja : anfitrion.Mensajes()) {
            mensajesMontaje.push_back("Montador: " + caja);
        }
        if (!montaje.correcto) {
            auto r = SinEjecutar(ejercicio, entrega.nombre, EstadoEntrega::NoMonta, "el fuente no se monta");
            r.mensajesMontaje = std::move(mensajesMontaje);
            return r;
        }
        bytes = montaje.ejecutable;
    } else if (entrega.ejecutable) {
        bytes = *entrega.ejecutable;
    } else {
        return EntregaIlegible(ejercicio, entrega.nombre, "no hay ningún fuente ni ejecutable");
    }

    const LecturaEjecutable lectura = LeeEjecutable(bytes);
    if (lectura.estado != EstadoLectura::Correcto) {
        return EntregaIlegible(ejercicio, entrega.nombre,
                               lectura.estado == EstadoLectura::CabeceraIncorrecta
                                   ? "el ejecutable no es de Velmo: su cabecera no es la de ninguna versión"
                                   : "el ejecutable está incompleto");
    }

    std::optional<Microprograma> microprograma;
    if (ejercicio.version == 3) {
        microprograma = ejercicio.microprograma;
        if (!microprograma) {
            if (!entrega.microprograma) {
                return EntregaIlegible(ejercicio, entrega.nombre, "falta el microprograma (.mpr)");
            }
            const auto lecturaMpr = LeeMicroprograma(*entrega.microprograma);
            if (lecturaMpr.estado != EstadoLecturaMpr::Correcto) {
                return EntregaIlegible(ejercicio, entrega.nombre, "el microprograma (.mpr) no es válido");
            }
            microprograma = lecturaMpr.microprograma;
        }
    }

    ResultadoEntrega r;
    r.nombre = entrega.nombre;
    r.mensajesMontaje = std::move(mensajesMontaje);
    r.maximo = ejercicio.PuntosTotales();
    const int version = lectura.version + 1;
    for (const auto& caso : ejercicio.casos) {
        if (version != ejercicio.version) {
            r.casos.push_back(CasoFallido(caso, Diferencia("versión", ejercicio.version, version)));
            continue;
        }
        r.casos.push_back(EvaluaCaso(ejercicio, caso, entrega.nombre, lectura, microprograma));
        r.puntos += r.casos.back().puntos;
    }
    return r;
}

} // namespace velmo
