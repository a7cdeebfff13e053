// File faults the program meets when students open and write files anywhere: folders that cannot be
// written, a full disk, a file replaced by a folder, a file that vanishes, an executable rewritten under
// an open simulation. Each fault ends with a clear message and leaves the user's files as they were.
// Root ignores permission bits, so the faults are made by means that fail for root too: paths under a
// regular file, folders in the place of files, and a file-size limit standing for a full disk.

#include "AnfitrionMaquinaGrabador.h"
#include "DiscoLleno.h"
#include "FicheroEjecutable.h"
#include "FicheroMicroprograma.h"
#include "Montaje.h"
#include "objSimuladorVelmo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace velmo {
namespace {

namespace fs = std::filesystem;
using pruebas::AnfitrionMaquinaGrabador;
using pruebas::DiscoLleno;

const std::string kSuma = ".ver 1\n.data 20\ndw a 5\ndw b 7\n.code\n\tadd a, b\n\tbeq 0\n";
const std::string kCopia = ".ver 1\n.data 20\ndw a 5\ndw b 7\n.code\n\tmov a, b\n\tmov b, a\n\tbeq 0\n";

std::string Bytes(const fs::path& ruta) {
    std::ifstream in(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Escribe(const fs::path& ruta, const std::string& bytes) {
    std::ofstream out(ruta, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.flush());
}

class FallosFicheros : public ::testing::Test {
protected:
    fs::path dir;

    void SetUp() override {
        dir = fs::temp_directory_path() / ("velmo_fallos_" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }

    // A regular file: nothing can be created under it, whoever runs the test.
    fs::path FicheroComoCarpeta() {
        const fs::path f = dir / "no_es_carpeta";
        Escribe(f, "datos del usuario");
        return f;
    }

    ResultadoMontaje Monta(const std::string& fuente, const fs::path& salida) {
        pruebas::AnfitrionGrabador anfitrion;
        return Montar(fuente, salida.string(), anfitrion);
    }

    fs::path Ejecutable(const std::string& fuente, const std::string& nombre) {
        const fs::path salida = dir / nombre;
        EXPECT_TRUE(Monta(fuente, salida).correcto);
        return salida;
    }
};

// ---- Assembler ----

TEST_F(FallosFicheros, OutputFolderThatCannotBeWrittenFailsTheAssemblyAndKeepsWhatWasThere) {
    const fs::path falsa = FicheroComoCarpeta();
    const fs::path salida = falsa / "prog.vlx";
    const auto r = Monta(kSuma, salida);
    EXPECT_FALSE(r.correcto);
    EXPECT_EQ(r.mensajes.back(), "Error: no se puede crear el fichero " + salida.string());
    EXPECT_EQ(Bytes(falsa), "datos del usuario");

    if (geteuid() != 0) {
        // Without root, a folder without write permission fails the same way.
        const fs::path cerrada = dir / "cerrada";
        fs::create_directories(cerrada);
        fs::permissions(cerrada, fs::perms::owner_read | fs::perms::owner_exec);
        const auto r2 = Monta(kSuma, cerrada / "prog.vlx");
        EXPECT_FALSE(r2.correcto);
        EXPECT_EQ(r2.mensajes.back(),
                  "Error: no se puede crear el fichero " + (cerrada / "prog.vlx").string());
    }
}

TEST_F(FallosFicheros, AFolderInThePlaceOfTheExecutableIsNeverRemoved) {
    // The assembly could not create its file there, so nothing there is its to delete.
    const fs::path salida = dir / "prog.vlx";
    fs::create_directories(salida);
    const auto r = Monta(kSuma, salida);
    EXPECT_FALSE(r.correcto);
    EXPECT_EQ(r.mensajes.back(), "Error: no se puede crear el fichero " + salida.string());
    EXPECT_TRUE(fs::is_directory(salida));

    fs::create_directories(salida / "dentro");
    EXPECT_FALSE(Monta(kSuma, salida).correcto);
    EXPECT_TRUE(fs::is_directory(salida / "dentro"));
}

TEST_F(FallosFicheros, FullDiskFailsTheAssemblyWithoutAHalfWrittenExecutable) {
    const fs::path fuente = dir / "prog.asm";
    Escribe(fuente, kSuma);
    const fs::path salida = dir / "prog.vlx";
    // The final executable (129 records of 60 bytes) does not fit; the listing never starts.
    {
        DiscoLleno lleno(4000);
        ASSERT_TRUE(lleno.Activo());
        const auto r = Monta(kSuma, salida);
        EXPECT_FALSE(r.correcto);
        EXPECT_EQ(r.mensajes.back(), "Error: no se puede escribir el fichero " + salida.string());
    }
    EXPECT_FALSE(fs::exists(salida));
    // The executable fits but its listing does not.
    {
        DiscoLleno lleno(9000);
        const auto r = Monta(kSuma, salida);
        EXPECT_FALSE(r.correcto);
        EXPECT_EQ(r.mensajes.back(), "Error: no se puede escribir el fichero " + salida.string() + ".txt");
    }
    EXPECT_FALSE(fs::exists(salida));
    EXPECT_EQ(Bytes(fuente), kSuma);
    // Space again: the same assembly succeeds.
    EXPECT_TRUE(Monta(kSuma, salida).correcto);
    EXPECT_EQ(LeeFicheroEjecutable(salida.string()).estado, EstadoLectura::Correcto);
}

// ---- Simulator: opening and Reset ----

TEST_F(FallosFicheros, ExecutableThatVanishedOrBecameAFolderCannotBeOpened) {
    const fs::path vlx = Ejecutable(kSuma, "prog.vlx");
    fs::remove(vlx); // chosen in the dialog, gone before it is read
    AnfitrionMaquinaGrabador anfitrion;
    try {
        TSimuladorVelmo sim(anfitrion, vlx.string());
        FAIL() << "se abrió un fichero que no existe";
    } catch (const ErrorAperturaEjecutable& e) {
        EXPECT_EQ(std::string(e.what()), "No se puede abrir el fichero " + vlx.string());
    }

    fs::create_directories(vlx);
    EXPECT_EQ(LeeFicheroEjecutable(vlx.string()).estado, EstadoLectura::NoSePuedeAbrir);
    EXPECT_THROW(TSimuladorVelmo(anfitrion, vlx.string()), ErrorAperturaEjecutable);
    EXPECT_TRUE(anfitrion.mensajes.empty());
}

TEST_F(FallosFicheros, ResetRereadsTheExecutableAsItNowStandsWithoutDisturbingTheOpenSimulation) {
    const fs::path vlx = Ejecutable(kSuma, "prog.vlx");
    AnfitrionMaquinaGrabador anfitrion;
    TSimuladorVelmo abierta(anfitrion, vlx.string());
    TregInst palabra;
    abierta.FrameMemoria().LeerInstruccion(1, palabra);
    ASSERT_EQ(palabra.cop, "BEQ");

    // Reassembled from another source while the simulation runs: Reset shows the new program.
    Ejecutable(kCopia, "prog.vlx");
    for (int i = 0; i < 20; ++i) {
        abierta.EjecutaCiclo();
    }
    abierta.FrameMemoria().LeerInstruccion(1, palabra);
    EXPECT_EQ(palabra.cop, "BEQ") << "la simulación abierta no vuelve a leer el fichero";
    {
        TSimuladorVelmo reset(anfitrion, vlx.string());
        reset.FrameMemoria().LeerInstruccion(1, palabra);
        EXPECT_EQ(palabra.cop, "MOV");
    }
    EXPECT_TRUE(anfitrion.mensajes.empty());

    // Cut short by a write that did not finish: the words read are kept and the user is told.
    const std::string completo = Bytes(vlx);
    Escribe(vlx, completo.substr(0, 60 * 50 + 17));
    {
        TSimuladorVelmo reset(anfitrion, vlx.string());
        ASSERT_EQ(anfitrion.mensajes.size(), 1u);
        EXPECT_EQ(anfitrion.mensajes[0].texto,
                  "Fichero corrupto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto");
        EXPECT_EQ(anfitrion.mensajes[0].titulo, "Velmo");
        reset.FrameMemoria().LeerInstruccion(0, palabra);
        EXPECT_EQ(palabra.cop, "MOV");
        for (int i = 0; i < 50; ++i) {
            reset.EjecutaCiclo();
        }
    }

    // Overwritten by something else altogether.
    Escribe(vlx, std::string(7740, 'x'));
    anfitrion.mensajes.clear();
    { TSimuladorVelmo reset(anfitrion, vlx.string()); }
    ASSERT_FALSE(anfitrion.mensajes.empty());
    EXPECT_EQ(anfitrion.mensajes[0].texto,
              "Fichero incorrecto.\r\nSe aconseja cerrar esta simulación y cargar un fichero correcto");

    // Deleted: Reset cannot open it, and says so.
    fs::remove(vlx);
    EXPECT_THROW(TSimuladorVelmo(anfitrion, vlx.string()), ErrorAperturaEjecutable);
    for (int i = 0; i < 20; ++i) {
        abierta.EjecutaCiclo();
    }
}

// ---- Microprogram files ----

Microprograma Alterno() {
    Microprograma m{};
    for (std::uint16_t i = 0; i < kMicroinstrucciones; ++i) {
        m[i].MX10 = i % 4;
        m[i].Salto = static_cast<std::uint16_t>(15 - i);
        m[i].Test = i % 8;
    }
    return m;
}

TEST_F(FallosFicheros, MicroprogramSaveThatFailsKeepsTheOldFileAndLeavesNoLitter) {
    const fs::path mpr = dir / "micro.mpr";
    ASSERT_TRUE(GuardaFicheroMicroprograma(mpr.string(), Alterno()));
    const std::string antes = Bytes(mpr);

    {
        DiscoLleno lleno(100); // a 374-byte file does not fit
        ASSERT_TRUE(lleno.Activo());
        EXPECT_FALSE(GuardaFicheroMicroprograma(mpr.string(), Microprograma{}));
    }
    EXPECT_EQ(Bytes(mpr), antes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);

    // Into a folder that cannot be written, and over a folder.
    const fs::path falsa = FicheroComoCarpeta();
    EXPECT_FALSE(GuardaFicheroMicroprograma((falsa / "micro.mpr").string(), Alterno()));
    EXPECT_EQ(Bytes(falsa), "datos del usuario");
    const fs::path carpeta = dir / "carpeta.mpr";
    fs::create_directories(carpeta / "dentro");
    EXPECT_FALSE(GuardaFicheroMicroprograma(carpeta.string(), Alterno()));
    EXPECT_TRUE(fs::is_directory(carpeta / "dentro"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 3);

    const auto lectura = LeeFicheroMicroprograma(mpr.string());
    ASSERT_EQ(lectura.estado, EstadoLecturaMpr::Correcto);
    EXPECT_EQ(lectura.microprograma[3].Salto, 12);
}

TEST_F(FallosFicheros, MicroprogramSaveKeepsPermissionsFollowsLinksAndUsesAFreshTemporaryFile) {
    const fs::path mpr = dir / "micro.mpr";
    ASSERT_TRUE(GuardaFicheroMicroprograma(mpr.string(), Microprograma{}));
    fs::permissions(mpr, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
    const fs::path enlace = dir / "enlace.mpr";
    fs::create_symlink("micro.mpr", enlace);
    // A link planted under a temporary name someone could guess is never written through.
    const fs::path ajeno = dir / "ajeno";
    Escribe(ajeno, "datos del usuario");
    fs::create_symlink(ajeno, dir / "micro.mpr.tmp~");

    ASSERT_TRUE(GuardaFicheroMicroprograma(enlace.string(), Alterno()));
    EXPECT_TRUE(fs::is_symlink(enlace));
    EXPECT_EQ(LeeFicheroMicroprograma(mpr.string()).microprograma[3].Salto, 12);
    EXPECT_EQ(fs::status(mpr).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Bytes(ajeno), "datos del usuario");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 4);
}

TEST_F(FallosFicheros, EndlessDevicesAreReadOnlyAsFarAsTheFixedSizes) {
    // The readers stop at the records they need: an endless device gives a wrong header at once.
    EXPECT_EQ(LeeFicheroEjecutable("/dev/zero").estado, EstadoLectura::CabeceraIncorrecta);
    EXPECT_EQ(LeeFicheroMicroprograma("/dev/zero").estado, EstadoLecturaMpr::CabeceraIncorrecta);
}

TEST_F(FallosFicheros, MicroprogramThatVanishedOrBecameAFolderCannotBeOpened) {
    const fs::path mpr = dir / "micro.mpr";
    EXPECT_EQ(LeeFicheroMicroprograma(mpr.string()).estado, EstadoLecturaMpr::NoSePuedeAbrir);
    fs::create_directories(mpr);
    EXPECT_EQ(LeeFicheroMicroprograma(mpr.string()).estado, EstadoLecturaMpr::NoSePuedeAbrir);
}

} // namespace
} // namespace velmo
