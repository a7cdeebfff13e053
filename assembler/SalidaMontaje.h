#pragma once
// Where one assembly leaves its executable and listing: files beside each other, or bytes in memory. The
// assembler writes through this seam only, so both give exactly the same bytes.

#include "EscrituraSegura.h"
#include "RegInst.h"

#include <memory>
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
    /// The listing and the executable of a finished second pass. Throws ErrorFicheroMontaje.
    virtual void Termina(const std::string& listado, const std::string& ejecutable) = 0;
    /// The assembly succeeded: its executable takes its place. False when it could not.
    virtual bool Confirma() = 0;
    /// The assembly failed: no executable may remain. True when one this assembly made is gone now.
    virtual bool Descarta() = 0;
};

/// The executable at `ruta`, the listing at `ruta` + ".txt", both saved safely. The executable goes to a
/// temporary file beside its path and replaces what stands there only once confirmed: a failed assembly
/// leaves the path as it found it (an older executable, a link, a device). The listing is put in place when
/// it is finished, also for an assembly that then fails on a semantic error, as it always was.
class SalidaFichero : public SalidaMontaje {
public:
    explicit SalidaFichero(std::string ruta) : ruta_(std::move(ruta)) {}
    void Crea() override;
    void Termina(const std::string& listado, const std::string& ejecutable) override;
    bool Confirma() override;
    bool Descarta() override;

private:
    std::string ruta_;
    std::unique_ptr<EscrituraSegura> ejecutable_;
};

/// Both kept as bytes; nothing touches the disk.
class SalidaMemoria : public SalidaMontaje {
public:
    void Crea() override {}
    void Termina(const std::string& listado, const std::string& ejecutable) override {
        listado_ = listado;
        ejecutable_ = ejecutable;
    }
    bool Confirma() override { return true; }
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
