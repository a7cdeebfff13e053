#pragma once
// Hand-made executables for the command-line tests: words placed one by one, written with the project's
// own executable writer into a folder that disappears with the test.

#include "CarpetaTemporal.h"
#include "FicheroEjecutable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

namespace velmo::pruebas {

class ProgramaPrueba {
public:
    TregInst cabecera;
    ImagenMemoria palabras = ImagenLibre();

    /// `version` 1, 2 or 3, as `.ver` writes it.
    explicit ProgramaPrueba(int version)
        : cabecera(CabeceraEjecutable(NombreVersion(version), "prueba.vlx.txt")) {}

    // Two-operand instructions: opcode in bits 15-14, source in 13-7, destination in 6-0.
    ProgramaPrueba& Add(int dir, int a, int b) { return Instruccion(dir, "ADD", 0, a, b); }
    ProgramaPrueba& Cmp(int dir, int a, int b) { return Instruccion(dir, "CMP", 1, a, b); }
    ProgramaPrueba& Mov(int dir, int a, int b) { return Instruccion(dir, "MOV", 2, a, b); }
    ProgramaPrueba& Beq(int dir, int t) { return Instruccion(dir, "BEQ", 3, t, t); }

    // The modified machine's words: 4-bit opcode, address in the low bits, the constant in the next word.
    ProgramaPrueba& Clear(int dir, int a) { return Extendida(dir, "CLEAR", 0xD000, a, a, a); }
    ProgramaPrueba& Movd(int dir, int v, int a) {
        return Extendida(dir, "MOVD", 0xE000, v, a, v).Dato(dir + 1, v);
    }
    ProgramaPrueba& Acum(int dir, int v, int a) {
        return Extendida(dir, "ACUM", 0xF000, v, a, v).Dato(dir + 1, v);
    }

    /// A configurable instruction `instK a, b` of the microprogrammable machine.
    ProgramaPrueba& InstK(int dir, int k, int a, int b) {
        return Palabra(dir, std::to_string(k), static_cast<std::uint16_t>(k * 16384 + a * 128 + b), a, b, a);
    }

    ProgramaPrueba& Dato(int dir, int valor) {
        return Palabra(dir, kMarcaVacia, static_cast<std::uint16_t>(valor), 0, 0, 0);
    }

    /// Writes the executable; fails the test when it cannot.
    void Guarda(const std::string& ruta) const {
        ASSERT_TRUE(GuardaFicheroEjecutable(ruta, cabecera, palabras)) << ruta;
    }

private:
    ProgramaPrueba& Instruccion(int dir, const char* cop, int codigo, int a, int b) {
        return Palabra(dir, cop, static_cast<std::uint16_t>(codigo * 16384 + a * 128 + b), a, b, a);
    }

    ProgramaPrueba& Extendida(int dir, const char* cop, int base, int op1, int a, int destino) {
        return Palabra(dir, cop, static_cast<std::uint16_t>(base + a), op1, a, destino);
    }

    ProgramaPrueba& Palabra(int dir, const std::string& cop, std::uint16_t valor, int op1, int op2,
                            int destino) {
        TregInst& r = palabras.at(static_cast<std::size_t>(dir));
        r.direccion = dir;
        r.cop = cop;
        r.op1 = static_cast<std::uint16_t>(op1);
        r.op2 = static_cast<std::uint16_t>(op2);
        r.destino = destino;
        r.Valor = valor;
        return *this;
    }
};

} // namespace velmo::pruebas
