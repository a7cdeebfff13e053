#pragma once
// One submission graded against an exercise: the source assembled in memory (its messages kept), then every
// case run on a fresh machine under each of the exercise's control units, with the differences from what the
// case expects. No files and no threads: the grading tool runs several submissions at once around it, and a
// browser page can run it as it is.

#include "Ejercicio.h"

#include <optional>
#include <string>
#include <vector>

namespace velmo {

/// One student's work, as text and bytes.
struct Entrega {
    /// Shown in the reports: the submitted file or folder.
    std::string nombre;
    /// The program's file name, for the assembler's messages ("Generado el fichero: suma.vlx"); empty:
    /// `nombre`.
    std::string programa;
    /// The source text (as read: UTF-8 or Windows-1252); none when an executable is given instead.
    std::optional<std::string> fuente;
    /// The executable's bytes, when no source is given.
    std::optional<std::string> ejecutable;
    /// The microprogram's bytes (`NOMBRE.mpr`), for an exercise whose students bring their own.
    std::optional<std::string> microprograma;
};

struct ResultadoCaso {
    std::string nombre;
    double puntos = 0; // those earned: all the case's points or none
    double maximo = 0; // the case's points
    bool oculto = false;
    bool superado = false;
    bool limite = false; // the run reached the case's cycle bound
    /// What differed, one readable line each ("memoria[20] (suma): se esperaba 8 y es 5").
    std::vector<std::string> diferencias;
    /// The exercise's fields whose word names this executable does not have ("casos[0].memoria.suma").
    std::vector<std::string> nombresDesconocidos;
    /// The case's names were looked up in this executable (false when the case could not get that far).
    bool nombresResueltos = false;
};

enum class EstadoEntrega {
    Evaluada, // every case was run
    NoMonta,  // the source has errors
    NoAbre,   // the executable, the microprogram or the files cannot be used
};

struct ResultadoEntrega {
    std::string nombre;
    EstadoEntrega estado = EstadoEntrega::Evaluada;
    /// The assembler's message list (sources only).
    std::vector<std::string> mensajesMontaje;
    /// Why the submission could not be run (NoAbre).
    std::string error;
    /// One per case of the exercise, in its order; all failed with no points when it was not run.
    std::vector<ResultadoCaso> casos;
    double puntos = 0;
    double maximo = 0;

    bool TodoSuperado() const;
};

ResultadoEntrega EvaluaEntrega(const Ejercicio& ejercicio, const Entrega& entrega);

/// A submission that could not be read at all: every case failed, `error` says why.
ResultadoEntrega EntregaIlegible(const Ejercicio& ejercicio, const std::string& nombre,
                                 const std::string& error);

} // namespace velmo
