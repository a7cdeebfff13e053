// Every message of an assembly with its exact text and line, and the order of the message list.

#include "AyudaMontaje.h"
#include "FicheroEjecutable.h"

#include <string>
#include <vector>

using namespace velmo;
using velmo::pruebas::MontajeTest;

namespace {

using Lineas = std::vector<std::string>;

const std::string kSemanticos = "Errores de compilación (semánticos)";

std::string Err(int linea) {
    return "Error semántico: en la línea --> " + std::to_string(linea);
}

std::string Aviso(int linea) {
    return "Warning: en la línea --> " + std::to_string(linea);
}

// A version-1 source: data a=1 at 20, b at 21; the code lines start at line 6.
std::string V1(const std::string& codigo) {
    return ".ver 1\n.data 20\ndw a 1\ndw b ?\n.code\n" + codigo;
}

class Mensajes : public MontajeTest {
protected:
    // A failed assembly: the message list, no executable, and the line to mark.
    void Falla(const std::string& fuente, const Lineas& esperados, int primeraLinea) {
        SCOPED_TRACE(fuente);
        const auto r = Monta(fuente);
        EXPECT_FALSE(r.correcto);
        EXPECT_EQ(r.mensajes, esperados);
        EXPECT_EQ(r.lineaPrimerError, primeraLinea);
        EXPECT_FALSE(HayEjecutable());
    }
    // A semantic failure: heading, errors, and the "Fichero no compilado" box.
    void FallaSemantica(const std::string& fuente, const Lineas& errores, int primeraLinea) {
        Lineas esperados{kSemanticos};
        esperados.insert(esperados.end(), errores.begin(), errores.end());
        anfitrion_.mensajes.clear();
        Falla(fuente, esperados, primeraLinea);
        ASSERT_EQ(anfitrion_.mensajes.size(), 1u);
        EXPECT_EQ(anfitrion_.mensajes[0].texto, "Fichero no compilado");
        EXPECT_EQ(anfitrion_.mensajes[0].titulo, "Montador");
        EXPECT_EQ(anfitrion_.mensajes[0].icono, IconoMensaje::Informacion);
    }
};

TEST_F(Mensajes, OperandAndJumpErrors) {
    FallaSemantica(V1("\tmov 128, a\n"), {Err(6), "> Operando 1 fuera de rango: 128"}, 6);
    FallaSemantica(V1("\tadd a, 00200\n"), {Err(6), "> Operando 2 fuera de rango: 00200"}, 6);
    FallaSemantica(V1("\tadd a, b\n\tbeq 200\n"), {Err(7), "> Salto fuera de rango"}, 7);
    FallaSemantica(V1("\tbeq nada\n"), {Err(6), "> Etiqueta indefinida"}, 6);
    FallaSemantica(V1("\tmov a, zz\n"), {Err(6), "> Identificador 'zz' no declarado"}, 6);
}

TEST_F(Mensajes, DefinitionErrors) {
    FallaSemantica(".ver 1\n.data 20\ndw x 1\ndw X 2\n.code\n", {Err(4), "> Variable ya definida: X"}, 4);
    FallaSemantica(".ver 1\n.data 20\ndw v 1\nvector v 1, 2\n.code\n", {Err(4), "> Variable ya definida : v"},
                   4);
    FallaSemantica(V1("eti: add a, b\neti: add a, b\n"), {Err(7), "> Etiqueta ya definida: eti:"}, 7);
}

TEST_F(Mensajes, LateStatementErrorsLandOnTheirOwnLine) {
    // Blank lines after the statement: the report still names the statement's line.
    FallaSemantica(".ver 4\n\n\n.data 20\n.code\n", {Err(1), "> Versión de ejecutable incorrecta .Ver4"}, 1);
    FallaSemantica(".ver 1\n.data 20\ndw x 1\ndw x 2\n\n\n; comentario\n.code\n",
                   {Err(4), "> Variable ya definida: x"}, 4);
}

TEST_F(Mensajes, DuplicatedVariableStillPlacesItsWord) {
    // Both words are placed; the assembly fails on the name alone.
    FallaSemantica(".ver 1\n.data 20\ndw x 1\ndw x 2\n.code\n\tadd x, x\n",
                   {Err(4), "> Variable ya definida: x"}, 4);
}

TEST_F(Mensajes, TooMuchDataIsReportedOnceAtItsDwLine) {
    Falla(".ver 1\n.data 126\ndw a 1\ndw b 2\ndw c 3\ndw d 4\n\n.code\n",
          {kSemanticos, Err(5), "> Hay demasiados datos. No hay espacio suficiente en la memoria de Velmo"},
          5);
    // Found in pass 1: no box, since no executable was ever finished.
    EXPECT_TRUE(anfitrion_.mensajes.empty());
    Falla(".ver 1\n.data 127\nvector v 1, 2, 3\n.code\n",
          {kSemanticos, Err(3), "> Hay demasiados datos. No hay espacio suficiente en la memoria de Velmo"},
          3);
}

TEST_F(Mensajes, VersionRestrictedInstructions) {
    FallaSemantica(V1("\tclear a\n\tmovd 1, a\n\tacum 1, a\n\tinst0 a\n"),
                   {Err(6), "> Instrucción CLEAR sólo permitida si .ver = 2", Err(7),
                    "> Instrucción MOVD sólo permitida si .ver = 2", Err(8),
                    "> Instrucción ACUM sólo permitida si .ver = 2", Err(9),
                    "> Instrucción INSTN sólo permitida si .ver = 3"},
                   6);
    const std::string conf = ".ver 3\n.conf\ninst0 1\ninst1 1\ninst2 1\ninst3 1\n.data 20\ndw a 1\n.code\n";
    FallaSemantica(conf + "\tadd a, a\n\tbeq 3\n\tbeq x\nx: inst0 a\n",
                   {Err(10), "> Instrucción no permitida si .ver = 3", Err(11),
                    "> Instrucción no permitida si .ver = 3", Err(12),
                    "> Instrucción no permitida si .ver = 3"},
                   10);
}

TEST_F(Mensajes, ConfigurationSection) {
    FallaSemantica(".ver 3\n.data 20\n.code\n", {Err(2), "> Debes configurar Inst0..Inst3 (nº de operandos)"},
                   2);
    // The configuration's errors keep the line count reached after the section.
    FallaSemantica(".ver 3\n.conf\ninst0 1\ninst1 1\ninst2 4\ninst3 1\n.data 20\ndw a 1\n.code\n\tinst0 a\n"
                   "\tinst2 a, a, 5\n",
                   {Err(6), "> Error al configurar Inst0..Inst3 (nº de operandos)"}, 6);
    FallaSemantica(".ver 1\n.conf\ninst0 1\ninst1 1\ninst2 1\ninst3 1\n.data 20\n.code\n",
                   {Err(6), "> Sólo hay que configurar las instrucciones si .Ver es 3"}, 6);
}

TEST_F(Mensajes, ConfigurableInstructionWithTheWrongOperandCount) {
    const std::string conf = ".ver 3\n.conf\ninst0 2\ninst1 1\ninst2 3\ninst3 1\n.data 20\ndw a 1\n.code\n";
    FallaSemantica(conf + "\tinst0 a\n\tinst1 a, a\n\tinst2 a, a\n\tinst3 a, a, 5\n\tinst0 a, zz\n",
                   {Err(10), "> Número de operandos incorrecto para Inst0 (configurada con 2)", Err(11),
                    "> Número de operandos incorrecto para Inst1 (configurada con 1)", Err(12),
                    "> Número de operandos incorrecto para Inst2 (configurada con 3)", Err(13),
                    "> Número de operandos incorrecto para Inst3 (configurada con 1)", Err(14),
                    "> Identificador 'zz' no declarado"},
                   10);
}

TEST_F(Mensajes, CodePastTheLastWordIsReportedOnce) {
    std::string codigo;
    for (int i = 0; i < 130; ++i) {
        codigo += (i == 129 ? "fin: add a, b\n" : "\tadd a, b\n");
    }
    // The first instruction (address 0) is on line 6, so address 128 is on line 134.
    FallaSemantica(".ver 1\n.data 0\ndw a 1\ndw b ?\n.code\n" + codigo,
                   {"Warning: la zona de código se solapa con la de datos", Err(134),
                    "> No hay espacio suficiente en la memoria de Velmo para el código"},
                   134);
    // A constant word that would not fit is caught as well.
    std::string relleno;
    for (int i = 0; i < 127; ++i) {
        relleno += "\tclear x\n";
    }
    FallaSemantica(".ver 2\n.data 127\ndw x 1\n.code\n" + relleno + "\tmovd 5, x\n",
                   {"Warning: la zona de código se solapa con la de datos", Err(132),
                    "> No hay espacio suficiente en la memoria de Velmo para el código"},
                   132);
}

TEST_F(Mensajes, OverlapWarnsOnceAtTheDataAddress) {
    std::string codigo;
    for (int i = 0; i < 11; ++i) {
        codigo += "\tadd a, a\n";
    }
    const auto r = Monta(".ver 1\n.data 10\ndw a 1\n.code\n" + codigo);
    EXPECT_TRUE(r.correcto);
    EXPECT_EQ(r.mensajes, (Lineas{"Warning: la zona de código se solapa con la de datos",
                                  "Compilación correcta", "Generado el fichero: " + salida_}));
    EXPECT_EQ(r.lineaPrimerError, -1);
}

TEST_F(Mensajes, SuccessListsWarningsInOrderThenTheTwoSuccessLines) {
    const auto r = Monta(V1("eti: add a, b\n\tbeq a\n\tmov eti, b\n"));
    EXPECT_TRUE(r.correcto);
    EXPECT_EQ(r.mensajes, (Lineas{Aviso(7), "> Destino de salto en zona de datos", Aviso(8),
                                  "> El operador es una etiqueta (zona de código)", "Compilación correcta",
                                  "Generado el fichero: " + salida_}));
    EXPECT_EQ(r.lineaPrimerError, 7);
    EXPECT_TRUE(HayEjecutable());
    EXPECT_TRUE(anfitrion_.mensajes.empty());
}

TEST_F(Mensajes, SemanticFailureListsErrorsAndWarningsInTheOrderFound) {
    FallaSemantica(V1("\tbeq a\n\tadd a, zz\n\tbeq 300\n"),
                   {Aviso(6), "> Destino de salto en zona de datos", Err(7),
                    "> Identificador 'zz' no declarado", Err(8), "> Salto fuera de rango"},
                   6);
    // The listing of the deleted executable stays.
    EXPECT_TRUE(std::filesystem::exists(salida_ + ".txt"));
}

TEST_F(Mensajes, SyntaxErrorReportShowsTheLineAndACaret) {
    Falla(V1("\tadd a b\n"), {"syntax error: en línea --> 6", "> \tadd a b", ">        ^"}, 6);
    // A comment ends before a double quote, which is then unexpected.
    Falla(V1("\tadd a, b ; di \"hola\"\n"),
          {"syntax error: en línea --> 6", "> \tadd a, b ; di \"hola\"", ">                ^"}, 6);
    // An accented letter is one character: the caret counts characters, not bytes.
    Falla(V1("\tadd a, ñb\n"), {"syntax error: en línea --> 6", "> \tadd a, ñb", ">         ^"}, 6);
    // Only one label per line.
    Falla(V1("x: y: add a, b\n"), {"syntax error: en línea --> 6", "> x: y: add a, b", ">     ^"}, 6);
    // A label alone on its line.
    Falla(V1("x:\n\tadd a, b\n"), {"syntax error: en línea --> 6", "> x:", ">   ^"}, 6);
}

TEST_F(Mensajes, SyntaxErrorsInTheHeaderHaveNoRecovery) {
    Falla("; comentario\n.ver 1\n.data 20\n.code\n",
          {"syntax error: en línea --> 1", "> ; comentario", ">             ^"}, 1);
    Falla(".ver 1\n.data 20\ndw a\ndw b ?\n.code\n", {"syntax error: en línea --> 3", "> dw a", ">     ^"},
          3);
    // Without a line end after the last statement.
    Falla(".ver 1\n.data 20\n.code\n\tadd a, b",
          {"syntax error: en línea --> 4", "> \tadd a, b", ">         ^"}, 4);
}

TEST_F(Mensajes, NumberTooBigFailsTheAssembly) {
    Falla(V1("\tmov 123456, a\n"),
          {"Numero 123456 demasiado grande: en línea --> 6", "> \tmov 123456, a", ">           ^",
           "syntax error: en línea --> 6", "> \tmov 123456, a", ">            ^"},
          6);
    // Where the grammar goes on without the number, the report alone fails the assembly.
    Falla(".ver 1\n.data 20\nvector v 1 123456\n.code\n",
          {"Numero 123456 demasiado grande: en línea --> 3", "> vector v 1 123456",
           "> " + std::string(16, ' ') + "^"},
          3);
}

TEST_F(Mensajes, ScannerLimitStopsTheAssembly) {
    Falla(V1("\tadd a, b ;" + std::string(300, 'x') + "\n"), {"LexLib: yytext overflow"}, 6);
}

TEST_F(Mensajes, RecoveryReportsEachBadLineAtItsOwnLine) {
    Falla(V1("\tadd a b\n\tmov a, b\n\tmov a, b\n\tcmp a b\n\tmov a, b\n"),
          {"syntax error: en línea --> 6", "> \tadd a b", ">        ^", "syntax error: en línea --> 9",
           "> \tcmp a b", ">        ^"},
          6);
    // Semantic errors of pass 1 are listed after the syntax reports.
    Falla(".ver 1\n.data 20\ndw a 1\ndw a 2\n.code\n\tadd a b\n",
          {"syntax error: en línea --> 6", "> \tadd a b", ">        ^", kSemanticos, Err(4),
           "> Variable ya definida: a"},
          4);
}

TEST_F(Mensajes, FailedAssemblyRemovesNothingItDidNotWrite) {
    namespace fs = std::filesystem;
    const auto entradas = [this] {
        return std::distance(fs::directory_iterator(dir_), fs::directory_iterator());
    };
    // An executable of an earlier assembly is only ever replaced by a complete one.
    ASSERT_TRUE(Monta(V1("\tadd a, b\n")).correcto);
    const std::string anterior = Bytes(salida_);
    EXPECT_FALSE(Monta(V1("\tadd a b\n")).correcto);
    EXPECT_FALSE(Monta(V1("\tbeq nada\n")).correcto);
    EXPECT_EQ(Bytes(salida_), anterior);
    EXPECT_EQ(entradas(), 2); // the executable and its listing: no temporary file is left

    // Through a link, a failed assembly leaves the link and its file as they were; a good one writes the
    // file.
    const std::string destino = (dir_ / "destino.vlx").string();
    fs::rename(salida_, destino);
    fs::create_symlink("destino.vlx", salida_);
    EXPECT_FALSE(Monta(V1("\tadd a b\n")).correcto);
    EXPECT_TRUE(fs::is_symlink(salida_));
    EXPECT_EQ(Bytes(destino), anterior);
    ASSERT_TRUE(Monta(V1("\tmov a, b\n")).correcto);
    EXPECT_TRUE(fs::is_symlink(salida_));
    EXPECT_NE(Bytes(destino), anterior);

    // A device is never written nor removed, nor the link to it.
    fs::remove(salida_);
    fs::create_symlink("/dev/null", salida_);
    anfitrion_.mensajes.clear();
    const auto r = Monta(V1("\tadd a, b\n"));
    EXPECT_FALSE(r.correcto);
    EXPECT_EQ(r.mensajes, Lineas{"Error: no se puede crear el fichero " + salida_});
    EXPECT_TRUE(anfitrion_.mensajes.empty());
    EXPECT_TRUE(fs::is_symlink(salida_));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(Mensajes, FileFaultsEndTheAssemblyWithoutAnExecutable) {
    salida_ = (dir_ / "no_existe" / "prog.vlx").string();
    Falla(V1("\tadd a, b\n"), {"Error: no se puede crear el fichero " + salida_}, -1);

    salida_ = (dir_ / "prog.vlx").string();
    std::filesystem::create_directories(salida_ + ".txt"); // the listing cannot be written
    Falla(V1("\tadd a, b\n"), {"Error: no se puede crear el fichero " + salida_ + ".txt"}, -1);
}

TEST_F(Mensajes, InMemoryGivesTheFilesBytesAndRecordsWithTheLinesTheyPointAt) {
    // Success with a warning: executable and listing byte for byte as the files.
    const std::string bueno = V1("\tbeq a\n\tadd a, b\n");
    const auto enFichero = Monta(bueno);
    const auto enMemoria = MontarEnMemoria(bueno, salida_, anfitrion_);
    ASSERT_TRUE(enMemoria.correcto);
    EXPECT_EQ(enMemoria.ejecutable, Bytes(salida_));
    EXPECT_EQ(enMemoria.listado, Bytes(salida_ + ".txt"));
    EXPECT_EQ(enMemoria.registros, enFichero.registros);
    EXPECT_EQ(enMemoria.mensajes, TextosMensajes(enMemoria.registros));
    EXPECT_EQ(enMemoria.registros.front(), (MensajeMontaje{ClaseMensaje::Aviso, 6, Aviso(6)}));
    EXPECT_EQ(enMemoria.registros.back().clase, ClaseMensaje::Informe);

    // A syntax error and a semantic one: the headings carry their line, the lines under them none.
    const auto malo = MontarEnMemoria(V1("\tadd a b\n"), salida_, anfitrion_);
    EXPECT_FALSE(malo.correcto);
    EXPECT_TRUE(malo.ejecutable.empty());
    ASSERT_EQ(malo.registros.size(), 3u);
    EXPECT_EQ(malo.registros[0].clase, ClaseMensaje::Error);
    EXPECT_EQ(malo.registros[0].linea, 6);
    EXPECT_EQ(malo.registros[1], (MensajeMontaje{ClaseMensaje::Detalle, -1, "> \tadd a b"}));
    const auto semantico = MontarEnMemoria(V1("\tmov 128, a\n"), salida_, anfitrion_);
    EXPECT_TRUE(semantico.ejecutable.empty());
    EXPECT_FALSE(semantico.listado.empty()); // as the listing file stays beside a failed executable
    EXPECT_EQ(semantico.registros,
              (std::vector<MensajeMontaje>{{ClaseMensaje::Encabezado, -1, kSemanticos},
                                           {ClaseMensaje::Error, 6, Err(6)},
                                           {ClaseMensaje::Detalle, -1, "> Operando 1 fuera de rango: 128"}}));
}

TEST(ConLineaFinal, AppendsOneEmptyLineOnlyAfterAFilledLastLine) {
    EXPECT_EQ(ConLineaFinal(""), "");
    EXPECT_EQ(ConLineaFinal("add a, b"), "add a, b\n");
    EXPECT_EQ(ConLineaFinal(".ver 1\nadd a, b"), ".ver 1\nadd a, b\n");
    EXPECT_EQ(ConLineaFinal(".ver 1\r\nadd a, b"), ".ver 1\r\nadd a, b\r\n");
    EXPECT_EQ(ConLineaFinal("add a, b\n"), "add a, b\n");
    EXPECT_EQ(ConLineaFinal("add a, b\n \t "), "add a, b\n \t ");
}

} // namespace
