#pragma once
// The names of one assembly (variables and labels) with their addresses: a chained hash table whose
// keys compare without regard to case.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velmo {

/// Kinds of symbol (`LosFlags`).
inline constexpr std::uint16_t kSimboloVariable = 1;
inline constexpr std::uint16_t kSimboloEtiqueta = 2;
inline constexpr std::uint16_t kSimboloRedefinido = 8;

class THashElement {
public:
    virtual ~THashElement() = default;
    /// The element's key, at most 100 characters.
    virtual std::string HashKey() const = 0;
};

class TListaHash {
public:
    static constexpr std::size_t kLongitudClave = 100;

    explicit TListaHash(int hashSize);
    virtual ~TListaHash() = default;
    TListaHash(const TListaHash&) = delete;
    TListaHash& operator=(const TListaHash&) = delete;

    /// Letters a-z become A-Z; every other character is kept.
    static std::string AMayusculas(const std::string& texto);

    virtual std::uint32_t hash(const std::string& clave) const;

    void Limpiar();
    /// Appends to the bucket of the element's key; no duplicate check.
    void Insertar(std::unique_ptr<THashElement> elemento);
    /// First element of the key's bucket whose key equals it, case aside; nullptr when none.
    THashElement* BuscarElemento(const std::string& clave) const;

    int TotalItems() const { return TotalItems_; }
    int HashSize() const { return HashSize_; }

protected:
    std::size_t Cubo(const std::string& clave) const;

private:
    int TotalItems_ = 0;
    int HashSize_;
    std::vector<std::vector<std::unique_ptr<THashElement>>> ListaHash;
};

class TSimbolo : public THashElement {
public:
    TSimbolo(const std::string& nombre, std::uint16_t flags, std::int16_t valor, std::int32_t direccion);

    std::string HashKey() const override { return Nombre; }

    const std::string& prName() const { return Nombre; }
    std::int32_t prAddr() const { return Direccion; }
    std::uint16_t prFlags() const { return LosFlags; }
    std::int16_t prValor() const { return Valor; }

    void SetNombre(const std::string& nombre);
    void SetFlags(std::uint16_t flags) { LosFlags = flags; }

private:
    std::string Nombre;
    std::int32_t Direccion;
    std::uint16_t LosFlags;
    std::int16_t Valor;
};

class TTablaSimbolos : public TListaHash {
public:
    static constexpr int kCubos = 4004;
    /// Names keep their first 20 characters; searches cut the searched name the same way.
    static constexpr std::size_t kLongitudNombre = 20;

    TTablaSimbolos();

    /// A new symbol, or the existing one of that name marked as defined twice (its address and value
    /// stay those of its first definition).
    TSimbolo& CreaSimbolo(const std::string& nombre, std::uint16_t flags, int valor, int direccion);

    /// The symbol's address, or -1 (and `simbolo` null) when the name is absent.
    int BuscarSimbolo(const std::string& nombre, TSimbolo*& simbolo) const;
};

} // namespace velmo
