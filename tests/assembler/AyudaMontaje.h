#pragma once
// Shared helpers of the assembler tests: a temporary folder per test and the assembly of a source in it.

#include "AnfitrionGrabador.h"
#include "Montaje.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace velmo::pruebas {

class MontajeTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("velmo_montaje_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        salida_ = (dir_ / "prog.vlx").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    ResultadoMontaje Monta(const std::string& fuente) { return Montar(fuente, salida_, anfitrion_); }

    static std::string Bytes(const std::string& ruta) {
        std::ifstream in(ruta, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    bool HayEjecutable() const { return std::filesystem::exists(salida_); }

    std::filesystem::path dir_;
    std::string salida_;
    AnfitrionGrabador anfitrion_;
};

} // namespace velmo::pruebas
