#pragma once
// Hand-made executables for the tests: words are encoded here as the assembler would, and the bytes come
// from the project's own executable writer.

#include "FicheroEjecutable.h"
#include "RegInst.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

namespace velmo::pruebas {

class ProgramaPrueba {
public:
    TregInst cabecera;
    ImagenMemoria palabras = ImagenLibre();

    /// `nombreVersion` as the header names it ("VLM1", "VLM1Modif", "VLMConfigurable").
    explicit ProgramaPrueba(const std::string& nombreVersion = kNombreVLM1)
        : cabecera(CabeceraEjecutable(nombreVersion, "programa.vlx.txt")) {}
    /// `version` 1, 2 or 3, as `.ver` writes it.
    explicit ProgramaPrueba(int version) : ProgramaPrueba(NombreVersion(version)) {}

    /// A two-operand instruction of the plain machine (ADD, CMP, MOV, BEQ) or configurable "0".."3":
    /// opcode in bits 15-14, source in 13-7, destination in 6-0.
    ProgramaPrueba& Inst(int dir, const std::string& cop, int op1, int op2) {
        int codigo = 3;
        if (cop == "ADD" || cop == "0") {
            codigo = 0;
        } else if (cop == "CMP" || cop == "1") {
            codigo = 1;
        } else if (cop == "MOV" || cop == "2") {
            codigo = 2;
        }
        return Pon(dir, cop, static_cast<std::uint16_t>((codigo << 14) | (op1 << 7) | op2), op1, op2, op1);
    }
    ProgramaPrueba& Add(int dir, int a, int b) { return Inst(dir, "ADD", a, b); }
    ProgramaPrueba& Cmp(int dir, int a, int b) { return Inst(dir, "CMP", a, b); }
    ProgramaPrueba& Mov(int dir, int a, int b) { return Inst(dir, "MOV", a, b); }
    ProgramaPrueba& Beq(int dir, int t) { return Inst(dir, "BEQ", t, t); }
    /// A configurable instruction `instK a, b` of the microprogrammable machine.
    ProgramaPrueba& InstK(int dir, int k, int a, int b) { return Inst(dir, std::to_string(k), a, b); }

    /// The modified machine's words: 4-bit opcode, address in the low bits; MOVD and ACUM keep their
    /// constant in the next word (ConConstante records it there as the constant's operand too).
    ProgramaPrueba& Clear(int dir, int a) {
        return Pon(dir, "CLEAR", static_cast<std::uint16_t>(0xD000 + a), a, a, a);
    }
    ProgramaPrueba& ConConstante(int dir, const std::string& cop, int v, int a) {
        Pon(dir, cop, static_cast<std::uint16_t>((cop == "MOVD" ? 0xE000 : 0xF000) + a), v, a, v);
        return Pon(dir + 1, kMarcaVacia, static_cast<std::uint16_t>(v), v, 0, v);
    }
    ProgramaPrueba& Movd(int dir, int v, int a) { return ConConstante(dir, "MOVD", v, a).Dato(dir + 1, v); }
    ProgramaPrueba& Acum(int dir, int v, int a) { return ConConstante(dir, "ACUM", v, a).Dato(dir + 1, v); }

    ProgramaPrueba& Dato(int dir, int valor) {
        return Pon(dir, kMarcaVacia, static_cast<std::uint16_t>(valor), 0, 0, 0);
    }

    const ImagenMemoria& Imagen() const { return palabras; }
    /// The executable's bytes, as its file holds them.
    std::string Bytes() const { return BytesEjecutable(cabecera, palabras); }

    /// Writes the file into a fresh temporary folder and returns its path.
    std::string Guarda(const std::string& nombre = "programa.vlx") const {
        // Tests run as parallel processes: the folder name must not depend on a per-process counter only.
        static const std::string sufijo = std::to_string(std::random_device{}());
        const auto carpeta = std::filesystem::temp_directory_path() /
                             ("velmo_motor_" + sufijo + "_" + std::to_string(++contador_));
        std::filesystem::create_directories(carpeta);
        const auto ruta = (carpeta / nombre).string();
        GuardaEn(ruta);
        return ruta;
    }

    /// Writes the executable at `ruta`; an exception (a failed test) when it cannot.
    void GuardaEn(const std::string& ruta) const {
        if (!GuardaFicheroEjecutable(ruta, cabecera, palabras)) {
            throw std::runtime_error("No se puede escribir " + ruta);
        }
    }

private:
    ProgramaPrueba& Pon(int dir, const std::string& cop, std::uint16_t valor, int op1, int op2, int destino) {
        TregInst& r = palabras.at(static_cast<std::size_t>(dir));
        r.direccion = dir;
        r.cop = cop;
        r.op1 = static_cast<std::uint16_t>(op1);
        r.op2 = static_cast<std::uint16_t>(op2);
        r.destino = destino;
        r.Valor = valor;
        return *this;
    }

    inline static int contador_ = 0;
};

} // namespace velmo::pruebas
