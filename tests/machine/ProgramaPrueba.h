#pragma once
// Hand-made executables for the engine's tests: words are encoded here as the assembler would, and the
// file goes through the real executable writer.

#include "FicheroEjecutable.h"
#include "RegInst.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

namespace velmo::pruebas {

class ProgramaPrueba {
public:
    explicit ProgramaPrueba(std::string version = kNombreVLM1) : version_(std::move(version)) {}

    /// A two-operand instruction of the plain machine (ADD, CMP, MOV, BEQ) or configurable "0".."3".
    ProgramaPrueba& Inst(int dir, const std::string& cop, int op1, int op2) {
        int codigo = 0;
        if (cop == "ADD" || cop == "0") {
            codigo = 0;
        } else if (cop == "CMP" || cop == "1") {
            codigo = 1;
        } else if (cop == "MOV" || cop == "2") {
            codigo = 2;
        } else {
            codigo = 3;
        }
        return Pon(dir, cop, static_cast<std::uint16_t>((codigo << 14) | (op1 << 7) | op2), op1, op2);
    }

    /// CLEAR a, or MOVD/ACUM v, a with the constant in the following word.
    ProgramaPrueba& Clear(int dir, int a) {
        return Pon(dir, "CLEAR", static_cast<std::uint16_t>(0xD000 + a), a, a);
    }
    ProgramaPrueba& ConConstante(int dir, const std::string& cop, int v, int a) {
        Pon(dir, cop, static_cast<std::uint16_t>((cop == "MOVD" ? 0xE000 : 0xF000) + a), v, a);
        return Pon(dir + 1, kMarcaVacia, static_cast<std::uint16_t>(v), v, 0);
    }

    ProgramaPrueba& Dato(int dir, std::uint16_t valor) { return Pon(dir, kMarcaVacia, valor, 0, 0); }

    /// Writes the file into a fresh temporary folder and returns its path.
    std::string Guarda(const std::string& nombre = "programa.vlx") const {
        // Tests run as parallel processes: the folder name must not depend on a per-process counter only.
        static const std::string sufijo = std::to_string(std::random_device{}());
        const auto carpeta = std::filesystem::temp_directory_path() /
                             ("velmo_motor_" + sufijo + "_" + std::to_string(++contador_));
        std::filesystem::create_directories(carpeta);
        const auto ruta = (carpeta / nombre).string();
        GuardaFicheroEjecutable(ruta, CabeceraEjecutable(version_, "programa.vlx.txt"), imagen_);
        return ruta;
    }

    const ImagenMemoria& Imagen() const { return imagen_; }

private:
    ProgramaPrueba& Pon(int dir, const std::string& cop, std::uint16_t valor, int op1, int op2) {
        TregInst& r = imagen_[static_cast<std::size_t>(dir)];
        r.direccion = dir;
        r.cop = cop;
        r.op1 = static_cast<std::uint16_t>(op1);
        r.op2 = static_cast<std::uint16_t>(op2);
        r.destino = op1;
        r.Valor = valor;
        return *this;
    }

    std::string version_;
    ImagenMemoria imagen_ = ImagenLibre();
    inline static int contador_ = 0;
};

} // namespace velmo::pruebas
