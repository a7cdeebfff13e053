// Saving and reading the user's files: nothing lost on a failed save, nothing unbounded on a read.

#include "CarpetaTemporal.h"
#include "EscrituraSegura.h"
#include "LecturaAcotada.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace velmo {
namespace {

namespace fs = std::filesystem;
using pruebas::CarpetaTemporal;

std::string Contenido(const fs::path& ruta) {
    std::ifstream in(ruta, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::size_t Entradas(const fs::path& carpeta) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(carpeta), fs::directory_iterator()));
}

TEST(EscrituraSegura, ReplacesTheFileKeepingItsPermissionsAndWritesThroughLinks) {
    CarpetaTemporal dir;
    const std::string privado = dir.Escribe("privado.mpr", "viejo");
    fs::permissions(privado, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
    EXPECT_EQ(GuardaFicheroSeguro(privado, "nuevo"), FalloEscritura::Ninguno);
    EXPECT_EQ(Contenido(privado), "nuevo");
    EXPECT_EQ(fs::status(privado).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    fs::create_symlink("privado.mpr", dir.Ruta("enlace.mpr"));
    EXPECT_EQ(GuardaFicheroSeguro(dir.Ruta("enlace.mpr"), "por el enlace"), FalloEscritura::Ninguno);
    EXPECT_TRUE(fs::is_symlink(dir.Ruta("enlace.mpr")));
    EXPECT_EQ(Contenido(privado), "por el enlace");

    // A new file gets the ordinary permissions of a new file; no temporary file is left behind.
    EXPECT_EQ(GuardaFicheroSeguro(dir.Ruta("nuevo.asm"), "x"), FalloEscritura::Ninguno);
    EXPECT_EQ(Entradas(dir.Raiz()), 3u);
}

TEST(EscrituraSegura, RefusesWhatIsNotARegularFileAndKeepsTheOldFileOnFailure) {
    CarpetaTemporal dir;
    EXPECT_EQ(GuardaFicheroSeguro("/dev/null", "x"), FalloEscritura::NoEsFicheroNormal);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    fs::create_directory(dir.Ruta("carpeta"));
    EXPECT_EQ(GuardaFicheroSeguro(dir.Ruta("carpeta"), "x"), FalloEscritura::NoEsFicheroNormal);
    EXPECT_TRUE(fs::is_directory(dir.Ruta("carpeta")));
    EXPECT_EQ(GuardaFicheroSeguro(dir.Ruta("no/existe.vlx"), "x"), FalloEscritura::NoSePuedeCrear);

    // A write abandoned half-way (the caller found a fault) leaves the old file and no temporary one.
    const std::string viejo = dir.Escribe("prog.vlx", "viejo");
    {
        EscrituraSegura escritura(viejo);
        ASSERT_TRUE(escritura.Abrir());
        escritura.Flujo() << "a medias";
    }
    EXPECT_EQ(Contenido(viejo), "viejo");
    EXPECT_EQ(Entradas(dir.Raiz()), 2u);
    EXPECT_EQ(TextoFalloEscritura(FalloEscritura::NoEsFicheroNormal, "/dev/null"),
              "No se puede escribir en /dev/null: no es un fichero normal");
}

TEST(LecturaAcotada, StopsAtTheLimitWhateverTheFileIs) {
    CarpetaTemporal dir;
    const std::string justo = dir.Escribe("justo.asm", "12345");
    EXPECT_EQ(LeeFicheroAcotado(justo, 5).bytes, "12345");
    EXPECT_EQ(LeeFicheroAcotado(justo, 4).estado, EstadoLecturaAcotada::DemasiadoGrande);
    EXPECT_TRUE(LeeFicheroAcotado(justo, 4).bytes.empty());
    // Files of fixed records: only their first bytes are wanted, and a longer file is no fault.
    EXPECT_EQ(LeePrincipioDeFichero(justo, 3).bytes, "123");
    EXPECT_EQ(LeePrincipioDeFichero("/dev/zero", 7740).bytes, std::string(7740, '\0'));

    // An endless device ends at the limit instead of filling the memory.
    EXPECT_EQ(LeeFicheroAcotado("/dev/zero", 1 << 20).estado, EstadoLecturaAcotada::DemasiadoGrande);
    EXPECT_EQ(LeeFicheroAcotado(dir.Ruta("falta.asm"), 10).estado, EstadoLecturaAcotada::NoSePuedeAbrir);
    EXPECT_EQ(LeeFicheroAcotado(dir.Raiz(), 10).estado, EstadoLecturaAcotada::NoEsFicheroNormal);

    // The desktop program never opens a pipe (opening it would wait for a writer forever).
    ASSERT_EQ(mkfifo(dir.Ruta("tuberia").c_str(), 0600), 0);
    EXPECT_EQ(LeeFicheroAcotado(dir.Ruta("tuberia"), 10, TipoFicheroLeido::SoloNormal).estado,
              EstadoLecturaAcotada::NoEsFicheroNormal);
}

} // namespace
} // namespace velmo
