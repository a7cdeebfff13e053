#include "TrazaCiclos.h"

#include "CablesMaquina.h"

#include <bit>
#include <charconv>
#include <ostream>

namespace velmo {
namespace {

std::uint32_t Corta(std::int32_t valor, int bits) {
    return static_cast<std::uint32_t>(valor) & ((bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1u));
}

constexpr int kBitsContador = 32;

template <class N> void AnadeNumero(std::string& s, N n) {
    char cifras[24];
    const auto fin = std::to_chars(cifras, cifras + sizeof cifras, n).ptr;
    s.append(cifras, fin);
}

} // namespace

MuestraCiclo TomaMuestra(const TSimuladorVelmo& sim) {
    MuestraCiclo m;
    m.ciclo = sim.NumCiclos();
    m.instrucciones = sim.NumInst() < 0 ? 0 : sim.NumInst();
    m.estado = sim.EstadoActual();
    const TOrganizacion& up = sim.FrameUP();
    for (int i = 0; i < mapa::kNumCables; ++i) {
        const auto k = static_cast<std::size_t>(i);
        m.senales[k] = static_cast<std::uint16_t>(Corta(up.Valor(i), kMapaUP[k].NumBits));
        m.activas[k] = up.Activado(i);
    }
    m.pc = sim.RegPC().ValorOUT;
    m.ir = sim.RegIR().ValorOUT;
    m.a = sim.RegA().ValorOUT;
    m.b = sim.RegB().ValorOUT;
    m.fz = sim.RegFZ().ValorOUT;
    const TMemoria& memoria = sim.Memoria();
    m.direccion = static_cast<std::uint16_t>(Corta(memoria.LosCables[1].Valor, 7));
    m.entrada = static_cast<std::uint16_t>(up.Valor(mapa::wAluOutMem));
    m.salida = memoria.ValorOUT;
    m.escritura = memoria.PermisoCarga == 1;
    m.regAux = static_cast<std::uint16_t>(Corta(sim.RegAux(), 7));
    return m;
}

const std::vector<ColumnaTraza>& ColumnasTraza() {
    static const std::vector<ColumnaTraza> columnas = [] {
        std::vector<ColumnaTraza> c{
            {"ciclo", kBitsContador}, {"instrucciones", kBitsContador}, {"estado", 8}};
        for (const auto& cable : kMapaUP) {
            c.push_back({std::string(cable.Nombre), cable.NumBits});
        }
        for (const auto& cable : kMapaUP) {
            c.push_back({std::string(cable.Nombre) + "_activa", 1});
        }
        for (const ColumnaTraza& r : {ColumnaTraza{"PC", 7},
                                      {"IR", 16},
                                      {"A", 16},
                                      {"B", 16},
                                      {"FZ", 1},
                                      {"mem_dir", 7},
                                      {"mem_entrada", 16},
                                      {"mem_salida", 16},
                                      {"mem_escritura", 1},
                                      // Last, so every column before it keeps its place.
                                      {"RegAux", 7}}) {
            c.push_back(r);
        }
        return c;
    }();
    return columnas;
}

std::vector<std::uint32_t> ValoresMuestra(const MuestraCiclo& m) {
    std::vector<std::uint32_t> v;
    ValoresMuestra(m, v);
    return v;
}

void ValoresMuestra(const MuestraCiclo& m, std::vector<std::uint32_t>& v) {
    v.clear();
    v.insert(v.end(), {static_cast<std::uint32_t>(m.ciclo), static_cast<std::uint32_t>(m.instrucciones),
                       Corta(m.estado, 8)});
    for (const auto s : m.senales) {
        v.push_back(s);
    }
    for (const bool a : m.activas) {
        v.push_back(a ? 1 : 0);
    }
    for (const std::uint32_t x :
         {Corta(m.pc, 7), std::uint32_t{m.ir}, std::uint32_t{m.a}, std::uint32_t{m.b}, Corta(m.fz, 1),
          Corta(m.direccion, 7), std::uint32_t{m.entrada}, std::uint32_t{m.salida},
          std::uint32_t{m.escritura ? 1u : 0u}, std::uint32_t{m.regAux}}) {
        v.push_back(x);
    }
}

TrazaCsv::TrazaCsv(std::ostream& salida) : salida_(salida) {
    const auto& columnas = ColumnasTraza();
    for (std::size_t i = 0; i < columnas.size(); ++i) {
        salida_ << (i == 0 ? "" : ",") << columnas[i].nombre;
    }
    salida_ << '\n';
}

void TrazaCsv::Escribe(const MuestraCiclo& m) {
    ValoresMuestra(m, valores_);
    // At most ten digits and a separator per value.
    linea_.resize(valores_.size() * 11 + 1);
    char* p = linea_.data();
    char* const fin = p + linea_.size();
    for (std::size_t i = 0; i < valores_.size(); ++i) {
        if (i != 0) {
            *p++ = ',';
        }
        // Most columns are flags and one-digit states.
        if (valores_[i] < 10) {
            *p++ = static_cast<char>('0' + valores_[i]);
        } else {
            p = std::to_chars(p, fin, valores_[i]).ptr;
        }
    }
    *p++ = '\n';
    salida_.write(linea_.data(), p - linea_.data());
}

std::string TrazaVcd::Identificador(std::size_t i) {
    // Printable characters '!' to '~', two of them past the 94th column.
    constexpr std::size_t kCaracteres = 94;
    std::string id(1, static_cast<char>('!' + i % kCaracteres));
    if (i >= kCaracteres) {
        id += static_cast<char>('!' + i / kCaracteres - 1);
    }
    return id;
}

TrazaVcd::TrazaVcd(std::ostream& salida) : salida_(salida) {
    salida_ << "$version velmo $end\n$timescale 1 ns $end\n$scope module velmo $end\n";
    const auto& columnas = ColumnasTraza();
    // The cycle number is the time; it is not a variable of its own.
    for (std::size_t i = 1; i < columnas.size(); ++i) {
        salida_ << "$var wire " << columnas[i].bits << ' ' << Identificador(i) << ' ' << columnas[i].nombre
                << " $end\n";
    }
    salida_ << "$upscope $end\n$enddefinitions $end\n";
}

void TrazaVcd::Escribe(const MuestraCiclo& m) {
    const auto& columnas = ColumnasTraza();
    if (identificadores_.empty()) {
        for (std::size_t i = 0; i < columnas.size(); ++i) {
            identificadores_.push_back(Identificador(i));
        }
    }
    ValoresMuestra(m, valores_);
    linea_.clear();
    linea_.push_back('#');
    AnadeNumero(linea_, static_cast<std::int64_t>(m.ciclo));
    linea_.push_back('\n');
    if (primera_) {
        linea_ += "$dumpvars\n";
    }
    for (std::size_t i = 1; i < valores_.size(); ++i) {
        if (!primera_ && valores_[i] == anteriores_[i]) {
            continue;
        }
        if (columnas[i].bits == 1) {
            if (valores_[i] < 10) {
                linea_.push_back(static_cast<char>('0' + valores_[i]));
            } else {
                AnadeNumero(linea_, valores_[i]);
            }
            linea_ += identificadores_[i];
            linea_.push_back('\n');
            continue;
        }
        // 'b', the binary digits without leading zeros ("0" for zero), a space.
        char binario[40];
        char* p = binario;
        *p++ = 'b';
        const std::uint32_t v = valores_[i];
        for (int bit = v == 0 ? 0 : std::bit_width(v) - 1; bit >= 0; --bit) {
            *p++ = static_cast<char>('0' + ((v >> bit) & 1U));
        }
        *p++ = ' ';
        linea_.append(binario, p);
        linea_ += identificadores_[i];
        linea_.push_back('\n');
    }
    if (primera_) {
        linea_ += "$end\n";
        primera_ = false;
    }
    salida_.write(linea_.data(), static_cast<std::streamsize>(linea_.size()));
    anteriores_.swap(valores_);
}

} // namespace velmo
