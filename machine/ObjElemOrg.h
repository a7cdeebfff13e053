#pragma once
// Base of every datapath element and control unit.

#include "Anfitrion.h"
#include "LineaTraza.h"
#include "ObjElemento.h"

#include <string>

namespace velmo {

class TElemOrg : public TElemento {
public:
    bool Comportado = false;
    std::string tipo; // "Registro", "Memoria", "Alu", "Mux", "Incrementador" or "UCcableada"

    /// Computes the outputs from the ports; sets Comportado.
    virtual void Comportamiento() = 0;

    /// Prepares the outputs of a new cycle.
    virtual void SetUp() {}

    void IniciaCiclo() { Comportado = false; }

protected:
    /// The host receives the element's boxes and trace lines; it must outlive the element.
    TElemOrg(Anfitrion& anfitrion, std::string tipoElemento, std::uint16_t ncables)
        : TElemento(ncables), tipo(std::move(tipoElemento)), m_anfitrion(&anfitrion) {
        IniciaCiclo();
    }
    TElemOrg(const TElemOrg&) = default;
    // Assigning a saved element puts back its values only: the element keeps answering to the host of the
    // simulation it belongs to, so a silent copy of the machine stays silent and the live one does not.
    TElemOrg& operator=(const TElemOrg& o) {
        TElemento::operator=(o);
        Comportado = o.Comportado;
        tipo = o.tipo;
        return *this;
    }

    Anfitrion& anfitrion() const { return *m_anfitrion; }

    /// Constant trace lines: no text is made while tracing is off.
    void Traza(const char* linea) const {
        if (m_anfitrion->TrazaActiva()) {
            m_anfitrion->AnadeLineaTraza((LineaTraza::Nueva() << linea).Texto());
        }
    }

private:
    Anfitrion* m_anfitrion;
};

} // namespace velmo
