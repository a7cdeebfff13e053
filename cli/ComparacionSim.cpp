#include "ComparacionSim.h"

#include "ProgramaSim.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace velmo {
namespace {

// Instructions each control unit runs when no --instrucciones is given.
constexpr int kInstruccionesComparacion = 1000;

// What differs among the three final states. What a program can observe (where it goes on, the zero flag,
// the memory) decides; IR, A and B may hold different leftovers of the same instructions, so their
// differences are listed for information only.
struct Diferencias {
    std::vector<std::string> registros, informativos;
    std::vector<int> direcciones;
    bool Coinciden() const { return registros.empty() && direcciones.empty(); }
};

Diferencias Compara(const std::vector<FotoEstado>& fotos) {
    Diferencias d;
    const auto compara = [&](std::vector<std::string>& lista, const char* nombre, auto campo) {
        if (campo(fotos[0]) != campo(fotos[1]) || campo(fotos[0]) != campo(fotos[2])) {
            lista.push_back(nombre);
        }
    };
    compara(d.registros, "PC", [](const FotoEstado& f) { return f.pc; });
    compara(d.informativos, "IR", [](const FotoEstado& f) { return f.ir; });
    compara(d.informativos, "A", [](const FotoEstado& f) { return f.a; });
    compara(d.informativos, "B", [](const FotoEstado& f) { return f.b; });
    compara(d.registros, "FZ", [](const FotoEstado& f) { return f.fz; });
    const std::size_t filas =
        std::min({fotos[0].memoria.size(), fotos[1].memoria.size(), fotos[2].memoria.size()});
    for (std::size_t dir = 0; dir < filas; ++dir) {
        const auto valor = fotos[0].memoria[dir].valor;
        if (valor != fotos[1].memoria[dir].valor || valor != fotos[2].memoria[dir].valor) {
            d.direcciones.push_back(static_cast<int>(dir));
        }
    }
    return d;
}

std::string Cpi(std::int32_t ciclos, std::int32_t instrucciones) {
    if (instrucciones <= 0) {
        return "-";
    }
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.3f", static_cast<double>(ciclos) / instrucciones);
    return texto;
}

void EscribeJson(int pedidas, const std::vector<FotoEstado>& fotos, const Diferencias& d, bool limite,
                 std::ostream& salida) {
    nlohmann::ordered_json j;
    j["instrucciones_pedidas"] = pedidas;
    j["unidades"] = nlohmann::ordered_json::array();
    for (const auto& f : fotos) {
        nlohmann::ordered_json u;
        u["control"] = NombreControl(f.control);
        u["ciclos"] = f.ciclos;
        u["instrucciones"] = f.instrucciones;
        u["cpi"] = f.instrucciones > 0 ? static_cast<double>(f.ciclos) / f.instrucciones : 0.0;
        j["unidades"].push_back(u);
    }
    j["coinciden"] = d.Coinciden();
    j["registros_distintos"] = d.registros;
    j["otros_registros_distintos"] = d.informativos;
    j["direcciones_distintas"] = d.direcciones;
    j["limite"] = limite;
    salida << j.dump() << '\n';
}

template <class Lista> void EscribeLista(const char* titulo, const Lista& elementos, std::ostream& salida) {
    if (elementos.empty()) {
        return;
    }
    salida << titulo;
    for (const auto& e : elementos) {
        salida << ' ' << e;
    }
    salida << '\n';
}

void EscribeTabla(const std::string& fichero, const std::vector<FotoEstado>& fotos, const Diferencias& d,
                  std::ostream& salida) {
    salida << "Fichero: " << fichero << "\n";
    salida << "Unidad de control   Ciclos  Instrucciones  Ciclos/instrucción\n";
    for (const auto& f : fotos) {
        char fila[128];
        std::snprintf(fila, sizeof fila, "%-18s %7d %14d  %s\n", NombreControl(f.control), f.ciclos,
                      f.instrucciones, Cpi(f.ciclos, f.instrucciones).c_str());
        salida << fila;
    }
    salida << (d.Coinciden() ? "El PC, FZ y la memoria finales coinciden en las tres.\n"
                             : "El PC, FZ y la memoria finales no coinciden.\n");
    EscribeLista("Registros distintos:", d.registros, salida);
    EscribeLista("Direcciones distintas:", d.direcciones, salida);
    EscribeLista("Otros registros distintos (no cuentan para la comparación):", d.informativos, salida);
}

// A box text on one line of its own per piece: boxes break lines with CR LF.
std::string SinRetornos(std::string texto) {
    texto.erase(std::remove(texto.begin(), texto.end(), '\r'), texto.end());
    return texto;
}

} // namespace

int EjecutaComparacion(const ArgumentosSim& a, std::ostream& salida, std::ostream& errores) {
    ArgumentosSim base = a;
    if (base.modo == ModoEjecucion::SoloApertura) {
        base.modo = ModoEjecucion::Instrucciones;
        base.cantidad = kInstruccionesComparacion;
    }
    std::vector<FotoEstado> fotos;
    Desenlace desenlace;
    for (const TTipoControl control : {tnormal, toptimizado, tMicroprogramado}) {
        auto r =
            EjecutaPrograma(base, ProgramaSim{a.ejecutable, std::nullopt, control, std::nullopt}, errores);
        if (r.foto && r.desenlace.ficheroIncorrecto) {
            // The boxes the opening showed say what is wrong with the file.
            for (const auto& m : r.foto->mensajes) {
                errores << SinRetornos(m) << '\n';
            }
        }
        if (!r.foto || r.desenlace.entradaNoValida || r.desenlace.ficheroIncorrecto) {
            return CodigoSalida(r.desenlace);
        }
        if (r.foto->version != 1) {
            errores << "--comparar necesita un ejecutable de versión 1\n";
            return CodigoSalida({.entradaNoValida = true});
        }
        desenlace.limite = desenlace.limite || r.desenlace.limite;
        fotos.push_back(std::move(*r.foto));
    }
    const Diferencias d = Compara(fotos);
    if (a.json) {
        EscribeJson(base.cantidad, fotos, d, desenlace.limite, salida);
    } else {
        EscribeTabla(a.ejecutable, fotos, d, salida);
    }
    desenlace.difiere = !d.Coinciden();
    return CodigoSalida(desenlace);
}

} // namespace velmo
