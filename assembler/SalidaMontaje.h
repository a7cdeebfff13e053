#pragma once
// Where one assembly leaves its executable and listing: files beside each other, or bytes in memory. The
// assembler writes through this seam only, so both give exactly the same bytes.

#include "RegInst.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace velmo {

/// The output could not be created or written; the assembly ends. what() is the Spanish line for the
/// message list.
class ErrorFicheroMontaje : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SalidaMontaje {
public:
    virtual ~SalidaMontaje() = default;
    /// Before the first pass. Throws ErrorFicheroMontaje when the executable cannot be created.
    virtual void Crea() = 0;
    /// One record as the second pass translates it; false when it could not be kept.
    virtual bool AnadeRegistro(const TregInst& reg) = 0;
    /// The listing and the executable of a finished second pass. Throws ErrorFicheroMontaje.
    virtual void Termina(const std::string& listado, const std::string& ejecutable) = 0;
    /// The assembly failed: no executable may remain. True when one this assembly made is gone now.
    virtual bool Descarta() = 0;
};

/// The executable at `ruta`, the listing at `ruta` + ".txt". What stands at `ruta` when this assembly
/// could not create its file there (a folder, someone else's file) is never removed.
class SalidaFichero : public SalidaMontaje {
public:
    explicit SalidaFichero(std::string ruta) : ruta_(std::move(ruta)) {}
    void Crea() override;
    bool AnadeRegistro(const TregInst& reg) override;
    void Termina(const std::string& listado, const std::string& ejecutable) override;
    bool Descarta() override;

private:
    std::string ruta_;
    std::fstream fichero_;
    bool creado_ = false;
};

/// Both kept as bytes; nothing touches the disk.
class SalidaMemoria : public SalidaMontaje {
public:
    void Crea() override {}
    bool AnadeRegistro(const TregInst&) override { return true; }
    void Termina(const std::string& listado, const std::string& ejecutable) override {
        listado_ = listado;
        ejecutable_ = ejecutable;
    }
    bool Descarta() override {
        const bool habia = !ejecutable_.empty();
        ejecutable_.clear();
        return habia;
    }

    const std::string& Listado() const { return listado_; }
    const std::string& Ejecutable() const { return ejecutable_; }

private:
    std::string listado_;
    std::string ejecutable_;
};

} // namespace velmo
