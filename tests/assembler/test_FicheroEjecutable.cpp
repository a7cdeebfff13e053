#include "FicheroEjecutable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace velmo;
namespace fs = std::filesystem;

namespace {

class FicheroEjecutableTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("velmo_ejecutable_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Ruta(const std::string& nombre) const { return (dir_ / nombre).string(); }

    static std::string Bytes(const std::string& ruta) {
        std::ifstream in(ruta, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
};

ImagenMemoria ProgramaDePrueba() {
    auto imagen = ImagenLibre();
    imagen[0].cop = "ADD";
    imagen[0].op1 = 10;
    imagen[0].op2 = 11;
    imagen[0].destino = 10;
    imagen[0].Valor = 10 * 128 + 11;
    imagen[10].Valor = kPalabraSinValor;
    imagen[10].Descripcion = "x";
    return imagen;
}

} // namespace

TEST(NombresDeVersion, CorrespondenciaConLaVersionYElCodigoDeLaVista) {
    EXPECT_EQ(NombreVersion(1), "VLM1");
    EXPECT_EQ(NombreVersion(2), "VLM1Modif");
    EXPECT_EQ(NombreVersion(3), "VLMConfigurable");
    EXPECT_EQ(NombreVersion(4), "");
    EXPECT_EQ(CodigoVersionVL("VLM1"), 0);
    EXPECT_EQ(CodigoVersionVL("VLM1Modif"), 1);
    EXPECT_EQ(CodigoVersionVL("VLMConfigurable"), 2);
    EXPECT_EQ(CodigoVersionVL("vlm1"), -1);
    EXPECT_EQ(CodigoVersionVL("VLM1 "), -1);
}

TEST_F(FicheroEjecutableTest, EscribeYLee129Registros) {
    const auto ruta = Ruta("p.vlx");
    const auto cabecera = CabeceraEjecutable("VLM1", "/un/camino/muy/largo/p.vlx.txt");
    ASSERT_TRUE(GuardaFicheroEjecutable(ruta, cabecera, ProgramaDePrueba()));
    const auto bytes = Bytes(ruta);
    ASSERT_EQ(bytes.size(), 7740u);
    EXPECT_EQ(bytes[38], 20); // header description: first 20 characters of the listing's path
    EXPECT_EQ(bytes.substr(39, 20), "/un/camino/muy/largo");
    EXPECT_EQ(bytes.substr(60 + 60 * 10 + 36, 2), "\x1B\x41"); // 16667, little-endian

    const auto lectura = LeeFicheroEjecutable(ruta);
    EXPECT_EQ(lectura.estado, EstadoLectura::Correcto);
    EXPECT_EQ(lectura.version, 0);
    EXPECT_EQ(lectura.palabrasLeidas, 128);
    auto esperado = ProgramaDePrueba();
    EXPECT_EQ(lectura.palabras, esperado);
}

TEST_F(FicheroEjecutableTest, CabeceraDesconocidaNoLeePalabras) {
    const auto ruta = Ruta("mala.vlx");
    ASSERT_TRUE(GuardaFicheroEjecutable(ruta, CabeceraEjecutable("VLM2", "x"), ProgramaDePrueba()));
    const auto lectura = LeeFicheroEjecutable(ruta);
    EXPECT_EQ(lectura.estado, EstadoLectura::CabeceraIncorrecta);
    EXPECT_EQ(lectura.palabrasLeidas, 0);
    EXPECT_EQ(lectura.palabras, ImagenLibre());
}

TEST_F(FicheroEjecutableTest, FicheroCortoConservaLoLeidoYDejaLibreElResto) {
    const auto ruta = Ruta("corto.vlx");
    ASSERT_TRUE(GuardaFicheroEjecutable(ruta, CabeceraEjecutable("VLM1Modif", "x"), ProgramaDePrueba()));
    fs::resize_file(ruta, 60 + 60 * 5 + 30); // header, five words and half of the sixth
    const auto lectura = LeeFicheroEjecutable(ruta);
    EXPECT_EQ(lectura.estado, EstadoLectura::Corrupto);
    EXPECT_EQ(lectura.version, 1);
    EXPECT_EQ(lectura.palabrasLeidas, 5);
    EXPECT_EQ(lectura.palabras[0].cop, "ADD");
    EXPECT_EQ(lectura.palabras[5], PalabraLibre(5));
    EXPECT_EQ(lectura.palabras[10], PalabraLibre(10));
}

TEST_F(FicheroEjecutableTest, FicheroVacioOInexistente) {
    const auto vacio = Ruta("vacio.vlx");
    std::ofstream(vacio).close();
    EXPECT_EQ(LeeFicheroEjecutable(vacio).estado, EstadoLectura::CabeceraIncorrecta);
    EXPECT_EQ(LeeFicheroEjecutable(Ruta("no-existe.vlx")).estado, EstadoLectura::NoSePuedeAbrir);
    EXPECT_FALSE(GuardaFicheroEjecutable(Ruta("no/existe/p.vlx"), TregInst{}, ImagenLibre()));
}
