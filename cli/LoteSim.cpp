#include "LoteSim.h"

#include "CodificacionTexto.h"
#include "InformeSim.h"
#include "LecturaAcotada.h"
#include "Montaje.h"
#include "ProgramaSim.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <sstream>

namespace velmo {
namespace {

namespace fs = std::filesystem;

// Boxes of the assembler of a batch are part of its message list.
class AnfitrionMontajeLote : public Anfitrion {
public:
    std::vector<std::string> mensajes;
    void MuestraMensaje(const std::string& texto, const std::string&, IconoMensaje) override {
        mensajes.push_back(texto);
    }
    bool PreguntaSiNo(const std::string&, const std::string&) override { return false; }
    Respuesta PreguntaSiNoCancelar(const std::string&, const std::string&) override { return Respuesta::No; }
    bool TrazaActiva() const override { return false; }
    void AnadeLineaTraza(const std::string&) override {}
};

std::string Minusculas(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The sources and executables of the batch folder, by name.
std::optional<std::vector<fs::path>> ProgramasDeCarpeta(const std::string& carpeta) {
    std::error_code ec;
    std::vector<fs::path> ficheros;
    for (fs::directory_iterator it(carpeta, ec), fin; !ec && it != fin; it.increment(ec)) {
        const auto ext = Minusculas(it->path().extension().string());
        if (it->is_regular_file(ec) && (ext == ".asm" || ext == ".s" || ext == ".vlx")) {
            ficheros.push_back(it->path());
        }
    }
    if (ec) {
        return std::nullopt;
    }
    std::sort(ficheros.begin(), ficheros.end());
    return ficheros;
}

// Assembles the source `fichero` in memory into `programa`, with the assembly's outcome in `linea`. Nothing
// is written: the batch folder is left as it was. The executable takes the source's name, so every message
// names the source. False when there is nothing to run.
bool MontaFuente(const fs::path& fichero, ProgramaSim& programa, nlohmann::ordered_json& linea,
                 std::ostream& errores, Desenlace& d) {
    const auto lectura = LeeFicheroAcotado(fichero, kLimiteFuente);
    linea["montaje"] = "error";
    linea["mensajes_montaje"] = nlohmann::ordered_json::array();
    if (lectura.estado != EstadoLecturaAcotada::Correcto) {
        errores << TextoFalloLectura(lectura.estado, fichero.string(), kLimiteFuente) << '\n';
        d.entradaNoValida = true;
        return false;
    }
    const std::string texto = TextoFuenteAUtf8(lectura.bytes);
    if (!EsTextoFuente(texto)) {
        errores << "El fichero " << fichero.string() << " no es un fuente de texto\n";
        d.entradaNoValida = true;
        return false;
    }
    AnfitrionMontajeLote anfitrion;
    const auto montaje = MontarEnMemoria(ConLineaFinal(texto), fichero.string(), anfitrion);
    auto mensajes = anfitrion.mensajes;
    for (const auto& m : montaje.registros) {
        mensajes.push_back(m.texto);
    }
    linea["montaje"] = montaje.correcto ? "correcto" : "error";
    linea["mensajes_montaje"] = mensajes;
    if (!montaje.correcto) {
        d.ficheroIncorrecto = true;
        return false;
    }
    programa.bytes = montaje.ejecutable;
    return true;
}

// The expected state of `fichero`: its own beside it wins over the common one.
std::optional<EstadoEsperado> EsperadoDe(const fs::path& fichero, const std::optional<EstadoEsperado>& comun,
                                         std::ostream& errores, Desenlace& d) {
    const auto propio = fichero.parent_path() / (fichero.stem().string() + ".esperado.json");
    std::error_code ec;
    if (!fs::exists(propio, ec)) {
        return comun;
    }
    std::string error;
    auto esperado = LeeEstadoEsperado(propio.string(), error);
    if (!esperado) {
        errores << error << '\n';
        d.entradaNoValida = true;
    }
    return esperado;
}

// The JSON line of one program of the batch, with its exit status as "codigo".
nlohmann::ordered_json LineaLote(const ArgumentosSim& a, const fs::path& fichero,
                                 const std::optional<Microprograma>& mpComun,
                                 const std::optional<EstadoEsperado>& esperadoComun) {
    nlohmann::ordered_json linea;
    linea["fichero"] = fichero.filename().string();
    std::ostringstream errores;
    Desenlace d;
    ProgramaSim programa{fichero.string(), std::nullopt, a.control, mpComun};
    // A version-3 program runs under the microprogram beside it, when there is one.
    std::error_code ec;
    const auto mprPropio = fichero.parent_path() / (fichero.stem().string() + ".mpr");
    bool listo =
        !fs::exists(mprPropio, ec) || CargaMicroprograma(mprPropio.string(), programa.microprograma, errores);
    d.entradaNoValida = !listo;
    if (listo && Minusculas(fichero.extension().string()) != ".vlx") {
        listo = MontaFuente(fichero, programa, linea, errores, d);
    }
    if (listo) {
        const auto r = EjecutaPrograma(a, programa, errores);
        d = r.desenlace;
        if (r.foto) {
            linea["informe"] = nlohmann::ordered_json::parse(InformeJson(*r.foto));
            if (const auto esperado = EsperadoDe(fichero, esperadoComun, errores, d)) {
                const auto diferencias = DiferenciasEstado(*esperado, *r.foto);
                linea["diferencias"] = diferencias;
                d.difiere = !diferencias.empty();
            }
            linea["limite"] = r.desenlace.limite;
        }
    }
    std::string lineasError = errores.str();
    if (!lineasError.empty() && lineasError.back() == '\n') {
        lineasError.pop_back();
    }
    linea["errores"] = lineasError;
    linea["codigo"] = CodigoSalida(d);
    return linea;
}

} // namespace

int EjecutaLote(const ArgumentosSim& a, const std::optional<Microprograma>& mpComun,
                const std::optional<EstadoEsperado>& esperadoComun, std::ostream& salida,
                std::ostream& errores) {
    const auto ficheros = ProgramasDeCarpeta(a.lote);
    if (!ficheros) {
        errores << "No se puede leer la carpeta " << a.lote << '\n';
        return 2;
    }
    if (ficheros->empty()) {
        errores << "La carpeta " << a.lote << " no tiene ningún fichero .asm, .s ni .vlx\n";
        return 2;
    }
    int peor = 0;
    for (const auto& fichero : *ficheros) {
        const auto linea = LineaLote(a, fichero, mpComun, esperadoComun);
        salida << linea.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
        peor = std::max(peor, linea["codigo"].get<int>());
    }
    return peor;
}

} // namespace velmo
