#include "Ejercicio.h"

#include "FicheroMicroprograma.h"
#include "RegInst.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <set>

namespace velmo {
namespace {

using nlohmann::json;

/// A field that is wrong: where, and why. Caught by LeeEjercicio and turned into its message.
struct ErrorCampo {
    std::string campo;
    std::string motivo;
};

[[noreturn]] void Falla(const std::string& campo, const std::string& motivo) {
    throw ErrorCampo{campo, motivo};
}

std::string Hijo(const std::string& campo, const std::string& clave) {
    return campo.empty() ? clave : campo + "." + clave;
}

std::string Elemento(const std::string& campo, std::size_t i) {
    return campo + "[" + std::to_string(i) + "]";
}

void SoloClaves(const json& objeto, const std::string& campo, std::initializer_list<const char*> claves) {
    for (const auto& [clave, valor] : objeto.items()) {
        bool conocida = false;
        for (const char* c : claves) {
            conocida = conocida || clave == c;
        }
        if (!conocida) {
            Falla(Hijo(campo, clave), "clave desconocida");
        }
    }
}

const json& Objeto(const json& j, const std::string& campo) {
    if (!j.is_object()) {
        Falla(campo, "debe ser un objeto JSON");
    }
    return j;
}

const json& Requerido(const json& objeto, const std::string& campo, const char* clave) {
    const auto it = objeto.find(clave);
    if (it == objeto.end()) {
        Falla(Hijo(campo, clave), "falta este campo");
    }
    return *it;
}

std::int64_t Entero(const json& v, const std::string& campo, std::int64_t minimo, std::int64_t maximo) {
    const std::string rango =
        "debe ser un número entero de " + std::to_string(minimo) + " a " + std::to_string(maximo);
    if (v.is_number_unsigned()) {
        if (v.get<std::uint64_t>() > static_cast<std::uint64_t>(maximo)) {
            Falla(campo, rango);
        }
        return static_cast<std::int64_t>(v.get<std::uint64_t>());
    }
    if (!v.is_number_integer() || v.get<std::int64_t>() < minimo || v.get<std::int64_t>() > maximo) {
        Falla(campo, rango);
    }
    return v.get<std::int64_t>();
}

/// A 16-bit word as a teacher writes it: 0..65535, or negative down to -32768 (two's complement).
std::uint16_t Palabra(const json& v, const std::string& campo) {
    return static_cast<std::uint16_t>(Entero(v, campo, -32768, 65535) & 0xFFFF);
}

std::string Texto(const json& v, const std::string& campo) {
    if (!v.is_string()) {
        Falla(campo, "debe ser un texto");
    }
    return v.get<std::string>();
}

bool EsDireccion(const std::string& clave) {
    return !clave.empty() && clave.size() <= 3 && clave.find_first_not_of("0123456789") == std::string::npos;
}

/// Memory words by name or decimal address, each a value or a list of consecutive values.
std::vector<ValoresMemoria> Memoria(const json& j, const std::string& campo) {
    Objeto(j, campo);
    std::vector<ValoresMemoria> memoria;
    for (const auto& [clave, valor] : j.items()) {
        const std::string donde = Hijo(campo, clave);
        ValoresMemoria v;
        v.donde.campo = donde;
        if (EsDireccion(clave)) {
            v.donde.direccion = std::stoi(clave);
            if (v.donde.direccion >= kPalabrasMemoria) {
                Falla(donde, "la dirección debe ir de 0 a 127");
            }
        } else if (clave.empty() || (clave[0] >= '0' && clave[0] <= '9')) {
            Falla(donde, "debe ser una dirección de 0 a 127 o el nombre de una palabra");
        } else {
            v.donde.nombre = clave;
        }
        if (valor.is_array()) {
            if (valor.empty()) {
                Falla(donde, "la lista de valores está vacía");
            }
            for (std::size_t i = 0; i < valor.size(); ++i) {
                v.valores.push_back(Palabra(valor[i], Elemento(donde, i)));
            }
        } else {
            v.valores.push_back(Palabra(valor, donde));
        }
        if (v.donde.direccion >= 0 &&
            v.donde.direccion + static_cast<int>(v.valores.size()) > kPalabrasMemoria) {
            Falla(donde, "la lista pasa de la dirección 127");
        }
        memoria.push_back(std::move(v));
    }
    return memoria;
}

EsperadoCaso Esperado(const json& j, const std::string& campo) {
    Objeto(j, campo);
    SoloClaves(j, campo,
               {"memoria", "pc", "ir", "a", "b", "fz", "regaux", "ciclos", "instrucciones", "mensajes"});
    EsperadoCaso e;
    if (j.contains("memoria")) {
        e.memoria = Memoria(j["memoria"], Hijo(campo, "memoria"));
    }
    const auto registro = [&](const char* clave, std::optional<std::uint16_t>& destino, std::int64_t maximo) {
        if (j.contains(clave)) {
            destino = maximo == 0xFFFF
                          ? Palabra(j[clave], Hijo(campo, clave))
                          : static_cast<std::uint16_t>(Entero(j[clave], Hijo(campo, clave), 0, maximo));
        }
    };
    registro("pc", e.pc, kPalabrasMemoria - 1);
    registro("ir", e.ir, 0xFFFF);
    registro("a", e.a, 0xFFFF);
    registro("b", e.b, 0xFFFF);
    registro("fz", e.fz, 1);
    registro("regaux", e.regaux, kPalabrasMemoria - 1);
    const auto contador = [&](const char* clave, std::optional<std::int32_t>& destino) {
        if (j.contains(clave)) {
            destino = static_cast<std::int32_t>(
                Entero(j[clave], Hijo(campo, clave), 0, std::numeric_limits<std::int32_t>::max()));
        }
    };
    contador("ciclos", e.ciclos);
    contador("instrucciones", e.instrucciones);
    if (j.contains("mensajes")) {
        const std::string donde = Hijo(campo, "mensajes");
        if (!j["mensajes"].is_array()) {
            Falla(donde, "debe ser una lista de textos ([] para ninguno)");
        }
        e.mensajes.emplace();
        for (std::size_t i = 0; i < j["mensajes"].size(); ++i) {
            e.mensajes->push_back(Texto(j["mensajes"][i], Elemento(donde, i)));
        }
    }
    return e;
}

CasoEjercicio Caso(const json& j, const std::string& campo) {
    Objeto(j, campo);
    SoloClaves(j, campo,
               {"nombre", "puntos", "oculto", "memoria", "instrucciones", "ciclos", "hasta", "max_ciclos",
                "esperado"});
    CasoEjercicio c;
    c.nombre = Texto(Requerido(j, campo, "nombre"), Hijo(campo, "nombre"));
    if (c.nombre.empty()) {
        Falla(Hijo(campo, "nombre"), "no puede estar vacío");
    }
    const json& puntos = Requerido(j, campo, "puntos");
    if (!puntos.is_number() || !std::isfinite(puntos.get<double>()) || puntos.get<double>() < 0) {
        Falla(Hijo(campo, "puntos"), "debe ser un número mayor o igual que 0");
    }
    c.puntos = puntos.get<double>();
    if (j.contains("oculto")) {
        if (!j["oculto"].is_boolean()) {
            Falla(Hijo(campo, "oculto"), "debe ser true o false");
        }
        c.oculto = j["oculto"].get<bool>();
    }
    if (j.contains("memoria")) {
        c.memoria = Memoria(j["memoria"], Hijo(campo, "memoria"));
    }

    const int modos = static_cast<int>(j.contains("instrucciones")) + static_cast<int>(j.contains("ciclos")) +
                      static_cast<int>(j.contains("hasta"));
    if (modos != 1) {
        Falla(campo, "debe dar una sola forma de ejecutar: \"instrucciones\", \"ciclos\" o \"hasta\"");
    }
    constexpr std::int64_t kMaximo = std::numeric_limits<std::int32_t>::max();
    if (j.contains("instrucciones")) {
        c.modo = ModoCaso::Instrucciones;
        c.cuantos = Entero(j["instrucciones"], Hijo(campo, "instrucciones"), 1, kMaximo);
    } else if (j.contains("ciclos")) {
        c.modo = ModoCaso::Ciclos;
        c.cuantos = Entero(j["ciclos"], Hijo(campo, "ciclos"), 1, kMaximo);
    } else {
        c.modo = ModoCaso::Hasta;
        const json& hasta = j["hasta"];
        c.hasta.campo = Hijo(campo, "hasta");
        if (hasta.is_string()) {
            c.hasta.nombre = hasta.get<std::string>();
            if (c.hasta.nombre.empty()) {
                Falla(c.hasta.campo, "no puede estar vacío");
            }
        } else if (hasta.is_number()) {
            c.hasta.direccion = static_cast<int>(Entero(hasta, c.hasta.campo, 0, kPalabrasMemoria - 1));
        } else {
            Falla(c.hasta.campo, "debe ser una dirección de 0 a 127 o el nombre de una etiqueta");
        }
    }
    c.maxCiclos = j.contains("max_ciclos") ? Entero(j["max_ciclos"], Hijo(campo, "max_ciclos"), 1, kMaximo)
                                           : kMaxCiclosPorOmision;
    c.esperado = Esperado(Requerido(j, campo, "esperado"), Hijo(campo, "esperado"));
    return c;
}

Microprograma MicroprogramaDelEjercicio(const json& j, const std::string& campo) {
    if (!j.is_array() || j.size() != kMicroinstrucciones) {
        Falla(campo, "debe ser \"alumno\" o una lista de 16 microinstrucciones");
    }
    Microprograma mp;
    for (std::size_t i = 0; i < mp.size(); ++i) {
        const std::string donde = Elemento(campo, i);
        const json& fila = j[i];
        if (!fila.is_array() || fila.size() != 11) {
            Falla(donde, "debe ser una lista de 11 números: MX10, ALU10, L/E, pPC, pIR, pA, pB, pFZ, Salto, "
                         "Test, pAux");
        }
        std::uint16_t* campos[] = {&mp[i].MX10,  &mp[i].ALU10, &mp[i].LorWmem, &mp[i].pPc,
                                   &mp[i].pIr,   &mp[i].pA,    &mp[i].pB,      &mp[i].pFz,
                                   &mp[i].Salto, &mp[i].Test,  &mp[i].pAux};
        for (std::size_t k = 0; k < 11; ++k) {
            *campos[k] = static_cast<std::uint16_t>(Entero(fila[k], Elemento(donde, k), 0, 15));
        }
        if (!MicroinstruccionValida(mp[i])) {
            Falla(donde,
                  "tiene un campo fuera de su rango (MX10 y ALU10 de 0 a 3, los bits 0 o 1, Salto de 0 "
                  "a 15, Test de 0 a 7)");
        }
    }
    return mp;
}

Ejercicio Lee(const json& j) {
    Objeto(j, "");
    SoloClaves(j, "", {"titulo", "version", "controles", "microprograma", "alu", "casos"});
    Ejercicio e;
    e.titulo = Texto(Requerido(j, "", "titulo"), "titulo");
    e.version = static_cast<int>(Entero(Requerido(j, "", "version"), "version", 1, 3));

    if (j.contains("controles")) {
        if (e.version != 1) {
            Falla("controles", "solo se elige la unidad de control en la versión 1");
        }
        const json& controles = j["controles"];
        if (!controles.is_array() || controles.empty()) {
            Falla("controles", "debe ser una lista con \"normal\", \"optimizado\" o \"microprogramado\"");
        }
        for (std::size_t i = 0; i < controles.size(); ++i) {
            const std::string nombre = Texto(controles[i], Elemento("controles", i));
            TTipoControl c = tnormal;
            if (nombre == "normal") {
                c = tnormal;
            } else if (nombre == "optimizado") {
                c = toptimizado;
            } else if (nombre == "microprogramado") {
                c = tMicroprogramado;
            } else {
                Falla(Elemento("controles", i),
                      "\"" + nombre + "\" no es \"normal\", \"optimizado\" ni \"microprogramado\"");
            }
            for (const TTipoControl ya : e.controles) {
                if (ya == c) {
                    Falla(Elemento("controles", i), "\"" + nombre + "\" está repetido");
                }
            }
            e.controles.push_back(c);
        }
    } else {
        e.controles = {e.version == 1 ? tnormal : e.version == 2 ? TVL1Modif : TMicroprogramable};
    }

    if (j.contains("microprograma")) {
        if (e.version != 3) {
            Falla("microprograma", "solo la versión 3 lleva microprograma");
        }
        if (!(j["microprograma"].is_string() && j["microprograma"].get<std::string>() == "alumno")) {
            e.microprograma = MicroprogramaDelEjercicio(j["microprograma"], "microprograma");
        }
    }
    if (j.contains("alu")) {
        if (e.version != 3) {
            Falla("alu", "solo la versión 3 tiene ALU configurable");
        }
        // Groups '00' and '01' offer four operations, '10' and '11' three; -1: none selected.
        constexpr std::array<int, 4> kOpciones{4, 4, 3, 3};
        if (!j["alu"].is_array() || j["alu"].size() != 4) {
            Falla("alu", "debe ser una lista de cuatro opciones, una por grupo");
        }
        for (std::size_t i = 0; i < 4; ++i) {
            e.alu[i] = static_cast<int>(Entero(j["alu"][i], Elemento("alu", i), -1, kOpciones[i] - 1));
        }
    }

    const json& casos = Requerido(j, "", "casos");
    if (!casos.is_array() || casos.empty()) {
        Falla("casos", "debe ser una lista con al menos un caso");
    }
    std::set<std::string> nombres;
    for (std::size_t i = 0; i < casos.size(); ++i) {
        e.casos.push_back(Caso(casos[i], Elemento("casos", i)));
        if (!nombres.insert(e.casos.back().nombre).second) {
            Falla(Elemento("casos", i) + ".nombre", "\"" + e.casos.back().nombre + "\" ya lo usa otro caso");
        }
    }
    return e;
}

} // namespace

double Ejercicio::PuntosTotales() const {
    double total = 0;
    for (const auto& c : casos) {
        total += c.puntos;
    }
    return total;
}

std::optional<Ejercicio> LeeEjercicio(const std::string& texto, std::string& error) {
    const json j = json::parse(texto, nullptr, false);
    if (j.is_discarded()) {
        error = "no es un texto JSON válido";
        return std::nullopt;
    }
    try {
        return Lee(j);
    } catch (const ErrorCampo& e) {
        error = e.campo.empty() ? e.motivo : e.campo + ": " + e.motivo;
        return std::nullopt;
    }
}

std::string TextoPuntos(double puntos) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.2f", puntos);
    std::string t = texto;
    while (!t.empty() && t.back() == '0') {
        t.pop_back();
    }
    if (!t.empty() && t.back() == '.') {
        t.pop_back();
    }
    return t;
}

} // namespace velmo
