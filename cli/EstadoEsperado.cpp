#include "EstadoEsperado.h"

#include "ArgumentosSim.h"
#include "LecturaAcotada.h"

#include <nlohmann/json.hpp>

#include <limits>
#include <map>

namespace velmo {
namespace {

using nlohmann::json;

// An expected state is a few hundred bytes; anything past this is not one.
constexpr std::size_t kLimiteEsperado = 1024 * 1024;

// The largest value each numeric key of the report can take (all start at 0): a value no run can reach
// is a mistake in the file, not a difference.
const std::map<std::string, long long> kNumericas{
    {"version", 3},
    {"ciclos", std::numeric_limits<std::int32_t>::max()},
    {"instrucciones", std::numeric_limits<std::int32_t>::max()},
    {"estado", 255},
    {"fila_actual", kPalabrasMemoria - 1},
    {"pc", kPalabrasMemoria - 1},
    {"ir", 0xFFFF},
    {"a", 0xFFFF},
    {"b", 0xFFFF},
    {"fz", 1},
    {"regaux", kPalabrasMemoria - 1},
};

bool EsNatural(const json& v, long long maximo) {
    if (v.is_number_unsigned()) {
        return v.get<unsigned long long>() <= static_cast<unsigned long long>(maximo);
    }
    return v.is_number_integer() && v.get<long long>() >= 0 && v.get<long long>() <= maximo;
}

bool EsNombreControl(const std::string& nombre) {
    for (const TTipoControl c : {tnormal, toptimizado, tMicroprogramado, TVL1Modif, TMicroprogramable}) {
        if (nombre == NombreControl(c)) {
            return true;
        }
    }
    return false;
}

// Why the expected state is not usable, or empty.
std::string Comprueba(const json& j) {
    if (!j.is_object()) {
        return "debe ser un objeto JSON";
    }
    for (const auto& [clave, valor] : j.items()) {
        if (const auto numerica = kNumericas.find(clave); numerica != kNumericas.end()) {
            if (!valor.is_number_integer()) {
                return "\"" + clave + "\" debe ser un número entero";
            }
            if (!EsNatural(valor, numerica->second)) {
                return "\"" + clave + "\" debe ir de 0 a " + std::to_string(numerica->second);
            }
        } else if (clave == "control") {
            if (!valor.is_string() || !EsNombreControl(valor.get<std::string>())) {
                return "\"control\" debe ser normal, optimizado, microprogramado, modificado o "
                       "microprogramable";
            }
        } else if (clave == "mensajes") {
            if (!valor.is_array()) {
                return "\"mensajes\" debe ser una lista de textos";
            }
            for (const auto& m : valor) {
                if (!m.is_string()) {
                    return "\"mensajes\" debe ser una lista de textos";
                }
            }
        } else if (clave == "memoria") {
            if (valor.is_array()) {
                if (valor.size() != kPalabrasMemoria) {
                    return "la lista \"memoria\" debe tener 128 palabras";
                }
                for (const auto& p : valor) {
                    if (!EsNatural(p, 0xFFFF)) {
                        return "cada palabra de \"memoria\" debe ir de 0 a 65535";
                    }
                }
            } else if (valor.is_object()) {
                for (const auto& [dir, p] : valor.items()) {
                    std::size_t fin = 0;
                    int d = -1;
                    try {
                        d = std::stoi(dir, &fin);
                    } catch (const std::exception&) {
                        fin = 0;
                    }
                    if (fin != dir.size() || dir.empty() || dir[0] == '-' || dir[0] == '+' || d < 0 ||
                        d >= kPalabrasMemoria) {
                        return "dirección de \"memoria\" incorrecta: \"" + dir + "\" (de 0 a 127)";
                    }
                    if (!EsNatural(p, 0xFFFF)) {
                        return "la palabra de la dirección " + dir + " debe ir de 0 a 65535";
                    }
                }
            } else {
                return "\"memoria\" debe ser una lista o un objeto de direcciones";
            }
        } else {
            return "clave desconocida \"" + clave + "\"";
        }
    }
    return {};
}

std::string Texto(const json& v) {
    return v.dump(-1, ' ', false, json::error_handler_t::replace);
}

} // namespace

std::optional<EstadoEsperado> LeeEstadoEsperado(const std::string& ruta, std::string& error) {
    const auto lectura = LeeFicheroAcotado(ruta, kLimiteEsperado);
    if (lectura.estado == EstadoLecturaAcotada::NoSePuedeAbrir) {
        error = "No se puede abrir el fichero de estado esperado " + ruta;
        return std::nullopt;
    }
    if (lectura.estado != EstadoLecturaAcotada::Correcto) {
        error = TextoFalloLectura(lectura.estado, ruta, kLimiteEsperado);
        return std::nullopt;
    }
    const json j = json::parse(lectura.bytes, nullptr, false);
    if (j.is_discarded()) {
        error = "El fichero de estado esperado " + ruta + " no es JSON válido";
        return std::nullopt;
    }
    const auto motivo = Comprueba(j);
    if (!motivo.empty()) {
        error = "Estado esperado incorrecto en " + ruta + ": " + motivo;
        return std::nullopt;
    }
    return EstadoEsperado{lectura.bytes};
}

std::vector<std::string> DiferenciasEstado(const EstadoEsperado& esperado, const FotoEstado& informe) {
    const json e = json::parse(esperado.texto);
    const json real = json::parse(InformeJson(informe));
    std::vector<std::string> d;
    // In the order of the report, so the list reads the same way every time.
    for (const auto& [clave, obtenido] : real.items()) {
        if (!e.contains(clave)) {
            continue;
        }
        const json& quiere = e.at(clave);
        if (clave == "memoria") {
            for (int dir = 0; dir < kPalabrasMemoria; ++dir) {
                const auto k = static_cast<std::size_t>(dir);
                const json* p = nullptr;
                if (quiere.is_array()) {
                    p = &quiere[k];
                } else if (quiere.contains(std::to_string(dir))) {
                    p = &quiere.at(std::to_string(dir));
                }
                if (p != nullptr && *p != obtenido[k]) {
                    d.push_back("memoria[" + std::to_string(dir) + "]: se esperaba " + Texto(*p) + " y es " +
                                Texto(obtenido[k]));
                }
            }
        } else if (quiere != obtenido) {
            d.push_back(clave + ": se esperaba " + Texto(quiere) + " y es " + Texto(obtenido));
        }
    }
    return d;
}

std::string TextoDiferencias(const std::vector<std::string>& diferencias) {
    if (diferencias.empty()) {
        return "El estado final coincide con el esperado.\n";
    }
    std::string t = "El estado final difiere del esperado en " + std::to_string(diferencias.size()) +
                    (diferencias.size() == 1 ? " punto:\n" : " puntos:\n");
    for (const auto& linea : diferencias) {
        t += "  - " + linea + "\n";
    }
    return t;
}

} // namespace velmo
