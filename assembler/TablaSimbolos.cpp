#include "TablaSimbolos.h"

namespace velmo {

TListaHash::TListaHash(int hashSize)
    : HashSize_(hashSize), ListaHash(static_cast<std::size_t>(hashSize) + 1) {}

std::string TListaHash::AMayusculas(const std::string& texto) {
    std::string r = texto;
    for (auto& c : r) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return r;
}

std::uint32_t TListaHash::hash(const std::string& clave) const {
    const std::string texto = AMayusculas(clave.substr(0, kLongitudClave));
    std::uint32_t h = 0;
    for (const char c : texto) {
        h = ((h << 4) + static_cast<unsigned char>(c)) & 0x0FFFFFFFu;
    }
    return h;
}

std::size_t TListaHash::Cubo(const std::string& clave) const {
    return hash(clave) % static_cast<std::uint32_t>(HashSize_);
}

void TListaHash::Limpiar() {
    for (auto& cubo : ListaHash) {
        cubo.clear();
    }
    TotalItems_ = 0;
}

void TListaHash::Insertar(std::unique_ptr<THashElement> elemento) {
    auto& cubo = ListaHash[Cubo(elemento->HashKey())];
    cubo.push_back(std::move(elemento));
    ++TotalItems_;
}

THashElement* TListaHash::BuscarElemento(const std::string& clave) const {
    const std::string buscada = AMayusculas(clave.substr(0, kLongitudClave));
    for (const auto& elemento : ListaHash[Cubo(clave)]) {
        if (AMayusculas(elemento->HashKey().substr(0, kLongitudClave)) == buscada) {
            return elemento.get();
        }
    }
    return nullptr;
}

TSimbolo::TSimbolo(const std::string& nombre, std::uint16_t flags, std::int16_t valor, std::int32_t direccion)
    : Nombre(nombre.substr(0, TTablaSimbolos::kLongitudNombre)), Direccion(direccion), LosFlags(flags),
      Valor(valor) {}

void TSimbolo::SetNombre(const std::string& nombre) {
    Nombre = nombre.substr(0, TTablaSimbolos::kLongitudNombre);
}

TTablaSimbolos::TTablaSimbolos() : TListaHash(kCubos) {}

TSimbolo& TTablaSimbolos::CreaSimbolo(const std::string& nombre, std::uint16_t flags, int valor,
                                      int direccion) {
    TSimbolo* existente = nullptr;
    if (BuscarSimbolo(nombre, existente) != -1 || existente != nullptr) {
        existente->SetNombre(nombre);
        existente->SetFlags(kSimboloRedefinido);
        return *existente;
    }
    auto nuevo = std::make_unique<TSimbolo>(nombre, flags, static_cast<std::int16_t>(valor), direccion);
    TSimbolo& referencia = *nuevo;
    Insertar(std::move(nuevo));
    return referencia;
}

int TTablaSimbolos::BuscarSimbolo(const std::string& nombre, TSimbolo*& simbolo) const {
    simbolo = static_cast<TSimbolo*>(BuscarElemento(nombre.substr(0, kLongitudNombre)));
    return simbolo == nullptr ? -1 : simbolo->prAddr();
}

} // namespace velmo
