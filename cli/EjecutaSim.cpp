#include "EjecutaSim.h"

#include "ArgumentosSim.h"
#include "ComparacionSim.h"
#include "EscrituraSegura.h"
#include "EstadoEsperado.h"
#include "InformeSim.h"
#include "LoteSim.h"
#include "ProgramaSim.h"

#include <filesystem>
#include <memory>
#include <ostream>

namespace velmo {
namespace {

// Whether `x` and `y` name the same file: the same file on disk when both exist, otherwise the same path
// once made absolute and normalised.
bool MismoFichero(const std::filesystem::path& x, const std::filesystem::path& y) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(x, ec) && fs::exists(y, ec)) {
        return fs::equivalent(x, y, ec);
    }
    return fs::weakly_canonical(fs::absolute(x, ec), ec).lexically_normal() ==
           fs::weakly_canonical(fs::absolute(y, ec), ec).lexically_normal();
}

// A trace file must never land on a file the run reads, nor on the other trace.
bool SalidasSeparadas(const ArgumentosSim& a, std::ostream& errores) {
    const std::vector<std::string> entradas = {a.ejecutable, a.microprograma, a.esperado};
    std::vector<std::string> salidas;
    for (const auto& ruta : {a.trazaCsv, a.vcd}) {
        if (ruta.empty()) {
            continue;
        }
        // The file a symbolic link leads to is the one a save replaces.
        const auto destino = EscrituraSegura(ruta).Destino();
        for (const auto& entrada : entradas) {
            if (!entrada.empty() && MismoFichero(destino, entrada)) {
                errores << "El fichero de traza " << ruta << " es el fichero de entrada " << entrada << '\n';
                return false;
            }
        }
        for (const auto& otra : salidas) {
            if (MismoFichero(destino, otra)) {
                errores << "--traza-csv y --vcd no pueden escribir el mismo fichero " << ruta << '\n';
                return false;
            }
        }
        salidas.push_back(destino.string());
    }
    return true;
}

// The trace files of a single run. They are written as the run goes, so a long run never holds them in
// memory; they are created only once the simulation has opened and replace what was there only once the
// run is over.
class TrazasGrabadas {
public:
    TrazasGrabadas(const ArgumentosSim& a, std::ostream& errores) : a_(a), errores_(errores) {}

    /// Creates the files and adds their writers; false, with the reason written, when one cannot be made.
    bool Abre(std::vector<EscritorTraza*>& escritores) {
        for (const auto& [ruta, esVcd] : {std::pair{a_.trazaCsv, false}, std::pair{a_.vcd, true}}) {
            if (ruta.empty()) {
                continue;
            }
            ficheros_.push_back(std::make_unique<EscrituraSegura>(ruta));
            if (!ficheros_.back()->Abrir()) {
                errores_ << TextoFalloEscritura(ficheros_.back()->Fallo(), ruta) << '\n';
                return false;
            }
            std::ostream& flujo = ficheros_.back()->Flujo();
            escritores_.push_back(esVcd ? std::unique_ptr<EscritorTraza>(std::make_unique<TrazaVcd>(flujo))
                                        : std::make_unique<TrazaCsv>(flujo));
            escritores.push_back(escritores_.back().get());
        }
        return true;
    }

    /// Puts every file in place; false, with the reason written, when one could not be written.
    bool Confirma() {
        escritores_.clear();
        for (const auto& f : ficheros_) {
            if (!f->Confirmar()) {
                errores_ << "Error al escribir la traza: "
                         << TextoFalloEscritura(f->Fallo(), f->Destino().string()) << '\n';
                return false;
            }
        }
        return true;
    }

private:
    const ArgumentosSim& a_;
    std::ostream& errores_;
    std::vector<std::unique_ptr<EscrituraSegura>> ficheros_;
    std::vector<std::unique_ptr<EscritorTraza>> escritores_;
};

// One executable, as the simulator opens it, with its traces and its expected state.
int EjecutaUnico(const ArgumentosSim& a, const std::optional<Microprograma>& microprograma,
                 const std::optional<EstadoEsperado>& esperado, std::ostream& salida, std::ostream& errores) {
    if (!SalidasSeparadas(a, errores)) {
        return 2;
    }
    TrazasGrabadas trazas(a, errores);
    auto r =
        EjecutaPrograma(a, ProgramaSim{a.ejecutable, std::nullopt, a.control, microprograma}, errores,
                        [&](std::vector<EscritorTraza*>& escritores) { return trazas.Abre(escritores); });
    if (!r.foto) {
        return CodigoSalida(r.desenlace);
    }
    if (!trazas.Confirma()) {
        return CodigoSalida({.entradaNoValida = true});
    }
    (a.json ? salida << InformeJson(*r.foto) << '\n' : salida << InformeLegible(*r.foto, a.ejecutable));
    if (esperado) {
        const auto d = DiferenciasEstado(*esperado, *r.foto);
        (a.json ? errores : salida) << TextoDiferencias(d);
        r.desenlace.difiere = !d.empty();
    }
    return CodigoSalida(r.desenlace);
}

} // namespace

int EjecutaVelmoSim(const std::vector<std::string>& args, std::ostream& salida, std::ostream& errores) {
    const auto analisis = AnalizaArgumentosSim(args);
    if (!analisis.argumentos) {
        (analisis.codigoSalida == 0 ? salida : errores) << analisis.texto << '\n';
        return analisis.codigoSalida;
    }
    const ArgumentosSim& a = *analisis.argumentos;

    std::optional<Microprograma> microprograma;
    if (!a.microprograma.empty() && !CargaMicroprograma(a.microprograma, microprograma, errores)) {
        return 2;
    }
    std::optional<EstadoEsperado> esperado;
    if (!a.esperado.empty()) {
        std::string error;
        esperado = LeeEstadoEsperado(a.esperado, error);
        if (!esperado) {
            errores << error << '\n';
            return 2;
        }
    }
    if (!a.lote.empty()) {
        return EjecutaLote(a, microprograma, esperado, salida, errores);
    }
    if (a.comparar) {
        return EjecutaComparacion(a, salida, errores);
    }
    return EjecutaUnico(a, microprograma, esperado, salida, errores);
}

} // namespace velmo
