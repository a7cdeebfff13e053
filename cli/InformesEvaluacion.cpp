#include "InformesEvaluacion.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>

namespace velmo {
namespace {

using json = nlohmann::ordered_json;

/// Characters on screen: UTF-8 continuation bytes take no column.
std::size_t Columnas(const std::string& texto) {
    return static_cast<std::size_t>(std::count_if(
        texto.begin(), texto.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Rellena(const std::string& texto, std::size_t ancho) {
    const std::size_t columnas = Columnas(texto);
    return texto + std::string(columnas < ancho ? ancho - columnas : 0, ' ');
}

/// "1 caso", "3 casos", "1.5 puntos".
std::string Cuenta(double n, const std::string& singular, const std::string& plural) {
    return TextoPuntos(n) + " " + (n == 1 ? singular : plural);
}

std::string DePuntos(double puntos, double maximo) {
    return TextoPuntos(puntos) + " de " + TextoPuntos(maximo);
}

std::string CampoCsv(const std::string& texto) {
    if (texto.find_first_of(",\"\r\n") == std::string::npos) {
        return texto;
    }
    std::string t = "\"";
    for (const char c : texto) {
        t += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return t + "\"";
}

std::string Une(const std::vector<std::string>& lineas, const std::string& separador) {
    std::string t;
    for (const auto& l : lineas) {
        t += (t.empty() ? "" : separador) + l;
    }
    return t;
}

/// Text for an attribute or an element of XML 1.0: the markup escaped, control characters it cannot hold
/// left out.
std::string Xml(const std::string& texto) {
    std::string t;
    for (const char c : texto) {
        switch (c) {
        case '&':
            t += "&amp;";
            break;
        case '<':
            t += "&lt;";
            break;
        case '>':
            t += "&gt;";
            break;
        case '"':
            t += "&quot;";
            break;
        case '\'':
            t += "&apos;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t') {
                t += c;
            }
        }
    }
    return t;
}

json Puntos(double puntos) {
    if (std::floor(puntos) == puntos && std::fabs(puntos) < 1e15) {
        return static_cast<std::int64_t>(puntos);
    }
    return puntos;
}

const char* NombreEstado(EstadoEntrega estado) {
    switch (estado) {
    case EstadoEntrega::Evaluada:
        return "evaluada";
    case EstadoEntrega::NoMonta:
        return "no_monta";
    case EstadoEntrega::NoAbre:
        return "no_abre";
    }
    return "";
}

} // namespace

std::string TextoResultado(const ResultadoEntrega& entrega, const ResultadoCaso& caso) {
    switch (entrega.estado) {
    case EstadoEntrega::NoMonta:
        return "no se monta";
    case EstadoEntrega::NoAbre:
        return "no se abre";
    case EstadoEntrega::Evaluada:
        break;
    }
    return caso.superado ? "correcto" : caso.limite ? "límite de ciclos" : "fallo";
}

std::string TablaEvaluacion(const Ejercicio& ejercicio, const std::vector<ResultadoEntrega>& entregas) {
    std::string t = "Ejercicio: " + ejercicio.titulo + " (" +
                    Cuenta(ejercicio.PuntosTotales(), "punto", "puntos") + ", " +
                    Cuenta(static_cast<double>(ejercicio.casos.size()), "caso", "casos") + ")\n";
    std::size_t anchoCaso = Columnas("Caso");
    for (const auto& c : ejercicio.casos) {
        anchoCaso = std::max(anchoCaso, Columnas(c.nombre + (c.oculto ? " (oculto)" : "")));
    }
    const std::size_t anchoResultado = Columnas("límite de ciclos");
    int superadas = 0;
    int sinEjecutar = 0;
    for (const auto& e : entregas) {
        superadas += e.TodoSuperado() ? 1 : 0;
        sinEjecutar += e.estado == EstadoEntrega::Evaluada ? 0 : 1;
        t += "\n" + e.nombre + ": " + DePuntos(e.puntos, e.maximo) + " puntos";
        if (e.estado != EstadoEntrega::Evaluada) {
            t += " (" + e.error + ")";
        }
        t += "\n";
        for (const auto& m : e.mensajesMontaje) {
            if (e.estado == EstadoEntrega::NoMonta) {
                t += "    " + m + "\n";
            }
        }
        if (e.estado != EstadoEntrega::Evaluada) {
            continue;
        }
        t += "  " + Rellena("Caso", anchoCaso) + "  " + Rellena("Resultado", anchoResultado) + "  Puntos\n";
        for (const auto& c : e.casos) {
            t += "  " + Rellena(c.nombre + (c.oculto ? " (oculto)" : ""), anchoCaso) + "  " +
                 Rellena(TextoResultado(e, c), anchoResultado) + "  " + DePuntos(c.puntos, c.maximo) + "\n";
            for (const auto& d : c.diferencias) {
                t += "      " + d + "\n";
            }
        }
    }
    t += "\nResumen: " + Cuenta(static_cast<double>(entregas.size()), "entrega", "entregas") + ", " +
         std::to_string(superadas) + " con todos los casos superados, " + std::to_string(sinEjecutar) +
         " sin ejecutar.\n";
    return t;
}

std::string CsvEvaluacion(const std::vector<ResultadoEntrega>& entregas) {
    std::string t = "entrega,caso,resultado,puntos,maximo,diferencias\n";
    for (const auto& e : entregas) {
        for (const auto& c : e.casos) {
            t += CampoCsv(e.nombre) + "," + CampoCsv(c.nombre) + "," + CampoCsv(TextoResultado(e, c)) + "," +
                 TextoPuntos(c.puntos) + "," + TextoPuntos(c.maximo) + "," +
                 CampoCsv(Une(c.diferencias, " | ")) + "\n";
        }
        t += CampoCsv(e.nombre) + ",(total)," + (e.TodoSuperado() ? "correcto" : "fallo") + "," +
             TextoPuntos(e.puntos) + "," + TextoPuntos(e.maximo) + ",\n";
    }
    return t;
}

std::string JUnitEvaluacion(const Ejercicio& ejercicio, const std::vector<ResultadoEntrega>& entregas) {
    std::size_t pruebas = 0, fallos = 0, errores = 0;
    std::string suites;
    for (const auto& e : entregas) {
        std::size_t fallosEntrega = 0, erroresEntrega = 0;
        std::string casos;
        for (const auto& c : e.casos) {
            casos += "    <testcase name=\"" + Xml(c.nombre) + "\" classname=\"" + Xml(e.nombre) + "\"";
            if (c.superado) {
                casos += "/>\n";
                continue;
            }
            const bool error = e.estado != EstadoEntrega::Evaluada;
            (error ? erroresEntrega : fallosEntrega) += 1;
            const std::string etiqueta = error ? "error" : "failure";
            const std::string tipo = error      ? NombreEstado(e.estado)
                                     : c.limite ? "limite_ciclos"
                                                : "diferencias";
            const std::string mensaje = DePuntos(c.puntos, c.maximo) + " puntos: " + TextoResultado(e, c);
            std::vector<std::string> detalle = c.diferencias;
            if (e.estado == EstadoEntrega::NoMonta) {
                detalle.insert(detalle.end(), e.mensajesMontaje.begin(), e.mensajesMontaje.end());
            }
            casos += ">\n      <" + etiqueta + " message=\"" + Xml(mensaje) + "\" type=\"" + tipo + "\">" +
                     Xml(Une(detalle, "\n")) + "</" + etiqueta + ">\n    </testcase>\n";
        }
        pruebas += e.casos.size();
        fallos += fallosEntrega;
        errores += erroresEntrega;
        suites += "  <testsuite name=\"" + Xml(e.nombre) + "\" tests=\"" + std::to_string(e.casos.size()) +
                  "\" failures=\"" + std::to_string(fallosEntrega) + "\" errors=\"" +
                  std::to_string(erroresEntrega) +
                  "\">\n    <properties>\n      <property name=\"puntos\" value=\"" + TextoPuntos(e.puntos) +
                  "\"/>\n      <property name=\"maximo\" value=\"" + TextoPuntos(e.maximo) +
                  "\"/>\n    </properties>\n" + casos + "  </testsuite>\n";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites name=\"" + Xml(ejercicio.titulo) +
           "\" tests=\"" + std::to_string(pruebas) + "\" failures=\"" + std::to_string(fallos) +
           "\" errors=\"" + std::to_string(errores) + "\">\n" + suites + "</testsuites>\n";
}

std::string JsonEntrega(const ResultadoEntrega& entrega) {
    json casos = json::array();
    for (const auto& c : entrega.casos) {
        casos.push_back({{"nombre", c.nombre},
                         {"resultado", TextoResultado(entrega, c)},
                         {"superado", c.superado},
                         {"puntos", Puntos(c.puntos)},
                         {"maximo", Puntos(c.maximo)},
                         {"oculto", c.oculto},
                         {"limite", c.limite},
                         {"diferencias", c.diferencias}});
    }
    json j = {{"entrega", entrega.nombre},
              {"estado", NombreEstado(entrega.estado)},
              {"puntos", Puntos(entrega.puntos)},
              {"maximo", Puntos(entrega.maximo)},
              {"superada", entrega.TodoSuperado()}};
    if (!entrega.error.empty()) {
        j["error"] = entrega.error;
    }
    if (!entrega.mensajesMontaje.empty()) {
        j["mensajes_montaje"] = entrega.mensajesMontaje;
    }
    j["casos"] = std::move(casos);
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace velmo
