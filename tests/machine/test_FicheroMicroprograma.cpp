// The .mpr file: round trip, the header's magic, records out of range, short files and safe saving.

#include "DiscoLleno.h"
#include "FicheroMicroprograma.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace velmo {
namespace {

namespace fs = std::filesystem;

class Mpr : public ::testing::Test {
protected:
    fs::path carpeta;

    void SetUp() override {
        carpeta = fs::temp_directory_path() / ("velmo_mpr_" + std::to_string(std::random_device{}()));
        fs::create_directories(carpeta);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(carpeta, ec);
    }

    static Microprograma Ejemplo() {
        Microprograma m{};
        for (std::uint16_t i = 0; i < kMicroinstrucciones; ++i) {
            m[i] = {static_cast<std::uint16_t>(i % 4),
                    static_cast<std::uint16_t>(3 - i % 4),
                    1,
                    0,
                    static_cast<std::uint16_t>(i % 2),
                    1,
                    0,
                    1,
                    i,
                    static_cast<std::uint16_t>(i % 8),
                    static_cast<std::uint16_t>(i % 2)};
        }
        return m;
    }

    static std::vector<unsigned char> Bytes(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Escribe(const fs::path& p, const std::vector<unsigned char>& b) {
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    }
};

TEST_F(Mpr, SavedFileReadsBackWhole) {
    const auto ruta = (carpeta / "m.mpr").string();
    ASSERT_TRUE(GuardaFicheroMicroprograma(ruta, Ejemplo()));
    const auto bytes = Bytes(ruta);
    ASSERT_EQ(bytes.size(), 374u);
    EXPECT_EQ(bytes[18], 0xA6);
    EXPECT_EQ(bytes[19], 0x00);
    // Microinstruction 15 is the last record: Salto 15 at its byte 16.
    EXPECT_EQ(bytes[22 * 16 + 16], 15);
    const auto l = LeeFicheroMicroprograma(ruta);
    EXPECT_EQ(l.estado, EstadoLecturaMpr::Correcto);
    EXPECT_EQ(l.leidas, 16);
    EXPECT_EQ(l.microprograma, Ejemplo());
    EXPECT_FALSE(fs::exists(ruta + ".tmp~"));
}

TEST_F(Mpr, OnlyTheMagicInTheHeadersTestWordCounts) {
    const auto ruta = carpeta / "m.mpr";
    ASSERT_TRUE(GuardaFicheroMicroprograma(ruta.string(), Ejemplo()));
    auto bytes = Bytes(ruta);
    bytes[0] = 0xFF; // other header words carry no meaning
    bytes[20] = 0x33;
    Escribe(ruta, bytes);
    EXPECT_EQ(LeeFicheroMicroprograma(ruta.string()).estado, EstadoLecturaMpr::Correcto);
    bytes[19] = 0x01; // 0x01A6 is not 166
    Escribe(ruta, bytes);
    const auto l = LeeFicheroMicroprograma(ruta.string());
    EXPECT_EQ(l.estado, EstadoLecturaMpr::CabeceraIncorrecta);
    EXPECT_EQ(l.leidas, 0);
}

TEST_F(Mpr, AFieldOutOfRangeRefusesTheWholeFile) {
    const auto ruta = carpeta / "m.mpr";
    ASSERT_TRUE(GuardaFicheroMicroprograma(ruta.string(), Ejemplo()));
    const auto original = Bytes(ruta);
    const struct {
        std::size_t microinstruccion;
        std::size_t byte;
        unsigned char valor;
    } casos[] = {{3, 16, 200}, {0, 0, 7}, {15, 18, 8}, {9, 20, 2}, {5, 2, 4}, {7, 4, 2}};
    for (const auto& c : casos) {
        auto bytes = original;
        bytes[22 * (1 + c.microinstruccion) + c.byte] = c.valor;
        Escribe(ruta, bytes);
        const auto l = LeeFicheroMicroprograma(ruta.string());
        EXPECT_EQ(l.estado, EstadoLecturaMpr::FueraDeRango) << c.microinstruccion << "/" << c.byte;
        EXPECT_EQ(l.microprograma, Microprograma{});
    }
    EXPECT_TRUE(MicroinstruccionValida({3, 3, 1, 1, 1, 1, 1, 1, 15, 7, 1}));
}

TEST_F(Mpr, ShortFileReportsTheWholeRecordsRead) {
    const auto ruta = carpeta / "m.mpr";
    ASSERT_TRUE(GuardaFicheroMicroprograma(ruta.string(), Ejemplo()));
    fs::resize_file(ruta, 22 * 5 + 10);
    const auto l = LeeFicheroMicroprograma(ruta.string());
    EXPECT_EQ(l.estado, EstadoLecturaMpr::Incompleto);
    EXPECT_EQ(l.leidas, 4);
    EXPECT_EQ(l.microprograma[3], Ejemplo()[3]);
    EXPECT_EQ(l.microprograma[4], TMicroInstProgramable{});

    fs::resize_file(ruta, 10);
    EXPECT_EQ(LeeFicheroMicroprograma(ruta.string()).estado, EstadoLecturaMpr::CabeceraIlegible);
    EXPECT_EQ(LeeFicheroMicroprograma((carpeta / "nada.mpr").string()).estado,
              EstadoLecturaMpr::NoSePuedeAbrir);
}

TEST_F(Mpr, AFailedSaveLeavesTheOldFileAsItWas) {
    const auto ruta = carpeta / "m.mpr";
    ASSERT_TRUE(GuardaFicheroMicroprograma(ruta.string(), Ejemplo()));
    const auto antes = Bytes(ruta);
    {
        pruebas::DiscoLleno lleno(100); // a 374-byte file does not fit
        ASSERT_TRUE(lleno.Activo());
        EXPECT_FALSE(GuardaFicheroMicroprograma(ruta.string(), Microprograma{}));
    }
    EXPECT_EQ(Bytes(ruta), antes);
    EXPECT_FALSE(GuardaFicheroMicroprograma((carpeta / "no" / "hay.mpr").string(), Ejemplo()));
}

} // namespace
} // namespace velmo
