#pragma once
// Test double of the host: records every box, question and trace line, and answers questions from a
// script (Yes once the script runs out).

#include "Anfitrion.h"

#include <deque>
#include <string>
#include <vector>

namespace velmo::pruebas {

struct MensajeMostrado {
    std::string texto;
    std::string titulo;
    IconoMensaje icono;
};

class AnfitrionGrabador : public virtual Anfitrion {
public:
    std::vector<MensajeMostrado> mensajes;
    std::vector<std::string> preguntas;
    std::vector<std::string> traza;
    std::deque<Respuesta> respuestas;
    bool trazaActiva = true;

    void MuestraMensaje(const std::string& texto, const std::string& titulo, IconoMensaje icono) override {
        mensajes.push_back({texto, titulo, icono});
    }

    bool PreguntaSiNo(const std::string& texto, const std::string& titulo) override {
        return PreguntaSiNoCancelar(texto, titulo) == Respuesta::Si;
    }

    Respuesta PreguntaSiNoCancelar(const std::string& texto, const std::string& titulo) override {
        preguntas.push_back(titulo + ": " + texto);
        if (respuestas.empty()) {
            return Respuesta::Si;
        }
        const auto r = respuestas.front();
        respuestas.pop_front();
        return r;
    }

    bool TrazaActiva() const override { return trazaActiva; }

    void AnadeLineaTraza(const std::string& linea) override { traza.push_back(linea); }
};

} // namespace velmo::pruebas
