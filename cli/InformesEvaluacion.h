#pragma once
// The grading of several submissions written for people and for the tools around them: a readable table,
// CSV for a gradebook, JUnit XML for course platforms and continuous integration, one JSON line per
// submission.

#include "Evaluacion.h"

#include <string>
#include <vector>

namespace velmo {

/// Per submission: its score, then a row per case (result, points) with the differences under it.
std::string TablaEvaluacion(const Ejercicio& ejercicio, const std::vector<ResultadoEntrega>& entregas);

/// Header "entrega,caso,resultado,puntos,maximo,diferencias"; one row per submission and case, then one
/// "(total)" row per submission. Differences are joined with " | ".
std::string CsvEvaluacion(const std::vector<ResultadoEntrega>& entregas);

/// A test suite per submission, a test case per case: failures carry the differences, submissions that did
/// not assemble or open give an error in every case.
std::string JUnitEvaluacion(const Ejercicio& ejercicio, const std::vector<ResultadoEntrega>& entregas);

/// One line of compact JSON (without the line end).
std::string JsonEntrega(const ResultadoEntrega& entrega);

/// "correcto", "fallo", "límite de ciclos", "no se monta" or "no se abre".
std::string TextoResultado(const ResultadoEntrega& entrega, const ResultadoCaso& caso);

} // namespace velmo
