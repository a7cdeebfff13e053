#include "FicheroEjecutable.h"
#include "Herramientas.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

using namespace velmo;
namespace fs = std::filesystem;

namespace {

struct Ejecucion {
    int estado = -1;
    std::string salida;
    std::string errores;
};

class VelmoMontador : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("velmo_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string Lee(const fs::path& ruta) {
        std::ifstream in(ruta, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Runs the tool with the arguments (already quoted) and collects its exit status, stdout and stderr.
    Ejecucion Ejecuta(const std::string& argumentos) {
        const auto errores = dir_ / "stderr.txt";
        const std::string orden =
            pruebas::ComillasShell(pruebas::Herramienta("velmo-montador", VELMO_MONTADOR)) + " " +
            argumentos + " 2>'" + errores.string() + "'";
        Ejecucion e;
        FILE* tubo = popen(orden.c_str(), "r");
        if (tubo == nullptr) {
            return e;
        }
        std::array<char, 4096> bloque{};
        std::size_t n = 0;
        while ((n = fread(bloque.data(), 1, bloque.size(), tubo)) > 0) {
            e.salida.append(bloque.data(), n);
        }
        const int estado = pclose(tubo);
        e.estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
        e.errores = Lee(errores);
        return e;
    }

    fs::path Escribe(const std::string& nombre, const std::string& contenido) {
        const auto ruta = dir_ / nombre;
        std::ofstream(ruta, std::ios::binary) << contenido;
        return ruta;
    }

    static std::string Q(const fs::path& ruta) { return "'" + ruta.string() + "'"; }

    fs::path dir_;
};

TEST_F(VelmoMontador, EveryExampleAssembles) {
    int ejemplos = 0;
    for (const auto& entrada : fs::directory_iterator(VELMO_EJEMPLOS)) {
        if (entrada.path().extension() != ".asm") {
            continue;
        }
        SCOPED_TRACE(entrada.path().string());
        ++ejemplos;
        const auto salida = dir_ / (entrada.path().stem().string() + ".vlx");
        const auto e = Ejecuta(Q(entrada.path()) + " -o " + Q(salida));
        EXPECT_EQ(e.estado, 0);
        EXPECT_NE(e.salida.find("Compilación correcta\nGenerado el fichero: " + salida.string() + "\n"),
                  std::string::npos);
        EXPECT_EQ(e.errores, "");
        EXPECT_EQ(LeeFicheroEjecutable(salida.string()).estado, EstadoLectura::Correcto);
        EXPECT_TRUE(fs::exists(salida.string() + ".txt"));
    }
    EXPECT_GE(ejemplos, 7); // the folder grows; it must never lose the examples it had
}

TEST_F(VelmoMontador, SourceWithErrorsPrintsTheMessageListAndFails) {
    const auto fuente = Escribe("malo.s", ".ver 1\n.data 20\ndw a 1\n.code\n\tadd a b\n");
    const auto e = Ejecuta(Q(fuente));
    EXPECT_EQ(e.estado, 1);
    EXPECT_EQ(e.salida, "syntax error: en línea --> 5\n> \tadd a b\n>        ^\n");
    EXPECT_FALSE(fs::exists(dir_ / "malo.vlx"));
}

TEST_F(VelmoMontador, BoxesGoToStandardError) {
    const auto fuente = Escribe("malo.asm", ".ver 1\n.data 20\ndw a 1\n.code\n\tbeq nada\n");
    const auto e = Ejecuta(Q(fuente));
    EXPECT_EQ(e.estado, 1);
    EXPECT_EQ(
        e.salida,
        "Errores de compilación (semánticos)\nError semántico: en la línea --> 5\n> Etiqueta indefinida\n");
    EXPECT_EQ(e.errores, "Montador: Fichero no compilado\n");
    EXPECT_FALSE(fs::exists(dir_ / "malo.vlx"));
}

TEST_F(VelmoMontador, DefaultOutputNameAndMissingFinalLineEnd) {
    const auto fuente = Escribe("prog.v1.asm", ".ver 1\n.data 20\ndw a 1\n.code\n\tadd a, a");
    const auto e = Ejecuta(Q(fuente));
    EXPECT_EQ(e.estado, 0);
    const auto salida = dir_ / "prog.v1.vlx";
    EXPECT_EQ(e.salida, "Compilación correcta\nGenerado el fichero: " + salida.string() + "\n");
    EXPECT_EQ(LeeFicheroEjecutable(salida.string()).palabras[0].Valor, 20 * 128 + 20);
}

TEST_F(VelmoMontador, WindowsSourceIsReadAsWindows1252) {
    // "año" in Windows-1252 inside a comment, CR LF line ends.
    const auto fuente = Escribe("w.asm", ".ver 1\r\n.data 20\r\ndw a 1 ; a\xF1o\r\n.code\r\n\tadd a, a\r\n");
    const auto e = Ejecuta(Q(fuente));
    EXPECT_EQ(e.estado, 0);
    // An unexpected ñ in the code is quoted back in UTF-8.
    const auto malo = Escribe("m.asm", ".ver 1\r\n.data 20\r\ndw a 1\r\n.code\r\n\tadd a, \xF1\r\n");
    const auto f = Ejecuta(Q(malo));
    EXPECT_EQ(f.estado, 1);
    EXPECT_EQ(f.salida, "syntax error: en línea --> 5\n> \tadd a, ñ\n>         ^\n");
}

TEST_F(VelmoMontador, NeverWritesOverTheSource) {
    const std::string texto = ".ver 1\n.data 20\n.code\n";
    const auto fuente = Escribe("prog.vlx", texto);
    EXPECT_EQ(Ejecuta(Q(fuente)).estado, 2);
    EXPECT_EQ(Lee(fuente), texto);
    const auto otro = Escribe("p.vlx.txt", texto);
    EXPECT_EQ(Ejecuta(Q(otro) + " -o " + Q(dir_ / "p.vlx")).estado, 2);
    EXPECT_EQ(Lee(otro), texto);
}

// UTF-16 text as Windows editors save it "as Unicode": the mark, then two bytes a character.
std::string Utf16(const std::string& ascii, bool granExtremo) {
    std::string bytes = granExtremo ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii) {
        bytes += granExtremo ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return bytes;
}

TEST_F(VelmoMontador, ByteOrderMarksAreNotTextAndBinaryOrEndlessInputIsRefused) {
    const std::string texto = ".ver 1\r\n.data 20\r\ndw a 1\r\n.code\r\n\tadd a, a\r\n";
    for (const auto& [nombre, bytes] :
         {std::pair{"bom.asm", "\xEF\xBB\xBF" + texto}, std::pair{"le.asm", Utf16(texto, false)},
          std::pair{"be.asm", Utf16(texto, true)}}) {
        SCOPED_TRACE(nombre);
        const auto e = Ejecuta(Q(Escribe(nombre, bytes)));
        EXPECT_EQ(e.estado, 0) << e.salida;
    }

    // A NUL byte: not a source (the workbench refuses to open it as well); nothing is written.
    const auto nulo = Escribe("nulo.asm", texto + "; comentario " + '\0' + " cortado\r\n");
    auto e = Ejecuta(Q(nulo));
    EXPECT_EQ(e.estado, 2);
    EXPECT_EQ(e.errores, "velmo-montador: el fichero " + nulo.string() + " no es un fuente de texto\n");
    EXPECT_FALSE(fs::exists(dir_ / "nulo.vlx"));

    e = Ejecuta("/dev/zero -o " + Q(dir_ / "cero.vlx"));
    EXPECT_EQ(e.estado, 2);
    EXPECT_EQ(e.errores,
              "velmo-montador: El fichero /dev/zero es demasiado grande (más de 16777216 bytes)\n");
}

TEST_F(VelmoMontador, OutputIsARegularFileOrNothing) {
    const auto fuente = Escribe("prog.asm", ".ver 1\n.data 20\ndw a 1\n.code\n\tadd a, a\n");
    auto e = Ejecuta(Q(fuente) + " -o /dev/null");
    EXPECT_EQ(e.estado, 2);
    EXPECT_EQ(e.errores, "velmo-montador: No se puede escribir en /dev/null: no es un fichero normal\n");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_FALSE(fs::exists("/dev/null.txt"));

    // Through a link the executable lands in the linked file; the link stays.
    Escribe("destino.vlx", "viejo");
    fs::create_symlink("destino.vlx", dir_ / "enlace.vlx");
    e = Ejecuta(Q(fuente) + " -o " + Q(dir_ / "enlace.vlx"));
    EXPECT_EQ(e.estado, 0);
    EXPECT_TRUE(fs::is_symlink(dir_ / "enlace.vlx"));
    EXPECT_EQ(LeeFicheroEjecutable((dir_ / "destino.vlx").string()).estado, EstadoLectura::Correcto);
}

TEST_F(VelmoMontador, WrongArgumentsOrUnreadableSource) {
    EXPECT_EQ(Ejecuta("").estado, 2);
    EXPECT_EQ(Ejecuta(Q(dir_ / "no_existe.asm")).estado, 2);
    EXPECT_EQ(Ejecuta(Q(dir_)).estado, 2);
    EXPECT_EQ(Ejecuta("a.asm b.asm").estado, 2);
}

} // namespace
