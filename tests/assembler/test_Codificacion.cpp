// Exact executable bytes and listings of programs that use every instruction form of each version.

#include "AyudaMontaje.h"
#include "CodificacionTexto.h"
#include "FicheroEjecutable.h"
#include "Listado.h"

#include <vector>

using namespace velmo;
using velmo::pruebas::MontajeTest;

namespace {

TregInst W(int dir, const std::string& cop, int op1, int op2, int destino, int valor,
           const std::string& desc) {
    TregInst r;
    r.direccion = dir;
    r.cop = cop;
    r.op1 = static_cast<std::uint16_t>(op1);
    r.op2 = static_cast<std::uint16_t>(op2);
    r.destino = destino;
    r.Valor = static_cast<std::uint16_t>(valor);
    r.Descripcion = desc;
    return r;
}

TregInst Dato(int dir, int valor, const std::string& desc) {
    return W(dir, "---", 0, 0, 0, valor, desc);
}

class Codificacion : public MontajeTest {
protected:
    // Checks the executable byte for byte and the listing line for line. `intermedios` are the records in
    // the order pass 2 wrote them; `imagen` the final memory.
    void Comprueba(const std::string& version, const std::vector<TregInst>& intermedios,
                   const ImagenMemoria& imagen) {
        const auto cabecera = CabeceraEjecutable(version, salida_ + ".txt");
        std::string esperado;
        for (const auto& b : SerializaRegInst(cabecera)) {
            esperado.push_back(static_cast<char>(b));
        }
        for (const auto& palabra : imagen) {
            for (const auto& b : SerializaRegInst(palabra)) {
                esperado.push_back(static_cast<char>(b));
            }
        }
        const std::string bytes = Bytes(salida_);
        ASSERT_EQ(bytes.size(), 7740u);
        EXPECT_EQ(bytes, esperado);
        // The header keeps the first 20 characters of the listing's path.
        EXPECT_EQ(LeeFicheroEjecutable(salida_).cabecera.Descripcion, (salida_ + ".txt").substr(0, 20));

        std::string listado = CabeceraListado();
        for (const auto& r : intermedios) {
            listado += RegistroListado(r);
        }
        listado += SeparadorListado();
        for (const auto& palabra : imagen) {
            listado += RegistroListado(palabra);
        }
        EXPECT_EQ(Bytes(salida_ + ".txt"), listado);
    }
};

TEST_F(Codificacion, PlainMachineEveryForm) {
    const auto r = Monta(".ver 1\n"
                         ".data 20\n"
                         "dw a 5\n"
                         "dw b ?\n"
                         "vector v 1, 2, 65535\n"
                         "dw nombre_de_variable_largo 7\n"
                         ".code\n"
                         "ini: add a, b\n"
                         "\tcmp 20, 21\n"
                         "\tmov v, b\n"
                         "\tBEQ ini\n"
                         "\tbeq 3\n"
                         "fin: beq fin\n"
                         "\tadd 0, 127\n");
    ASSERT_TRUE(r.correcto);
    EXPECT_EQ(r.mensajes,
              (std::vector<std::string>{"Compilación correcta", "Generado el fichero: " + salida_}));
    EXPECT_EQ(r.lineaPrimerError, -1);

    const std::vector<TregInst> codigo{
        W(0, "ADD", 20, 21, 20, 20 * 128 + 21, "---"),
        W(1, "CMP", 20, 21, 20, 16384 + 20 * 128 + 21, "---"),
        W(2, "MOV", 22, 21, 22, 32768 + 22 * 128 + 21, "---"),
        W(3, "BEQ", 0, 0, 0, 49152, "---"),
        W(4, "BEQ", 3, 3, 3, 49152 + 3 * 128 + 3, "---"),
        W(5, "BEQ", 5, 5, 5, 49152 + 5 * 128 + 5, "---"),
        W(6, "ADD", 0, 127, 0, 127, "---"),
    };
    auto imagen = ImagenLibre();
    for (const auto& w : codigo) {
        imagen[static_cast<std::size_t>(w.direccion)] = w;
    }
    imagen[0].Descripcion = "ini:";
    imagen[5].Descripcion = "fin:";
    imagen[20] = Dato(20, 5, "a");
    imagen[21] = Dato(21, 16667, "b");
    imagen[22] = Dato(22, 1, "v");
    imagen[23] = Dato(23, 2, "[]");
    imagen[24] = Dato(24, 65535, "[]");
    imagen[25] = Dato(25, 7, "nombre_de_variable_l");
    Comprueba("VLM1", codigo, imagen);
}

TEST_F(Codificacion, ModifiedMachineEveryForm) {
    const auto r = Monta(".ver 2\n"
                         ".data 30\n"
                         "dw x 1\n"
                         "dw y ?\n"
                         ".code\n"
                         "e: clear x\n"
                         "\tmovd 300, y\n"
                         "\tacum 70000, x\n"
                         "\tclear 0\n"
                         "\tclear 127\n"
                         "\tbeq 40\n"
                         "\tadd x, y\n");
    ASSERT_TRUE(r.correcto);
    EXPECT_EQ(r.mensajes,
              (std::vector<std::string>{"Compilación correcta", "Generado el fichero: " + salida_}));

    const std::vector<TregInst> intermedios{
        W(0, "CLEAR", 30, 30, 30, 0xD000 + 30, "---"),
        W(1, "MOVD", 300, 31, 300, 0xE000 + 31, "---"),
        W(2, "---", 300, 0, 0, 300, "CONST"),
        W(3, "ACUM", 70000 & 0xFFFF, 30, 70000, 0xF000 + 30, "---"),
        W(4, "---", 70000 & 0xFFFF, 0, 0, 70000 & 0xFFFF, "CONST"),
        W(5, "CLEAR", 0, 0, 0, 0xD000, "---"),
        W(6, "CLEAR", 127, 127, 127, 0xD07F, "---"),
        W(7, "BEQ", 40, 40, 40, 49152 + 40 * 128 + 40, "---"),
        W(8, "ADD", 30, 31, 30, 30 * 128 + 31, "---"),
    };
    auto imagen = ImagenLibre();
    for (auto w : intermedios) {
        if (w.Descripcion == "CONST") {
            w.Descripcion = "---"; // the mark lives only in the first section of the listing
        }
        imagen[static_cast<std::size_t>(w.direccion)] = w;
    }
    imagen[0].Descripcion = "e:";
    imagen[30] = Dato(30, 1, "x");
    imagen[31] = Dato(31, 16667, "y");
    Comprueba("VLM1Modif", intermedios, imagen);
}

TEST_F(Codificacion, ConfigurableMachineEveryForm) {
    const auto r = Monta(".ver 3\n"
                         ".conf\n"
                         "inst0 1\n"
                         "inst1 2\n"
                         "inst2 3\n"
                         "inst3 2\n"
                         ".data 40\n"
                         "dw p 1\n"
                         "dw q 2\n"
                         ".code\n"
                         "uno: inst0 p\n"
                         "\tinst1 p, q\n"
                         "\tinst2 p, q, 300\n"
                         "\tINST3 uno, q\n");
    ASSERT_TRUE(r.correcto);
    EXPECT_EQ(r.mensajes, (std::vector<std::string>{
                              "Warning: en la línea --> 14", "> El operador es una etiqueta (zona de código)",
                              "Compilación correcta", "Generado el fichero: " + salida_}));
    EXPECT_EQ(r.lineaPrimerError, 14);

    const std::vector<TregInst> codigo{
        W(0, "0", 0, 40, 0, 40, "---"),
        W(1, "1", 40, 41, 40, 16384 + 40 * 128 + 41, "---"),
        W(2, "2", 40, 41, 40, 32768 + 40 * 128 + 41, "---"),
        W(3, "CTE", 0, 300, 0, 300, "---"),
        W(4, "3", 0, 41, 0, 49152 + 41, "---"),
    };
    auto imagen = ImagenLibre();
    for (const auto& w : codigo) {
        imagen[static_cast<std::size_t>(w.direccion)] = w;
    }
    imagen[0].Descripcion = "uno:";
    imagen[40] = Dato(40, 1, "p");
    imagen[41] = Dato(41, 2, "q");
    Comprueba("VLMConfigurable", codigo, imagen);
}

TEST_F(Codificacion, InstructionOnADataWordKeepsTheVariableName) {
    const auto r = Monta(".ver 1\n.data 1\ndw x 9\n.code\n\tadd x, x\n\tmov x, x\n");
    ASSERT_TRUE(r.correcto);
    // The word at the .data address is the first to overlap: one warning, without a line.
    EXPECT_EQ(r.mensajes,
              (std::vector<std::string>{"Warning: la zona de código se solapa con la de datos",
                                        "Compilación correcta", "Generado el fichero: " + salida_}));
    EXPECT_EQ(r.lineaPrimerError, -1);
    const auto lectura = LeeFicheroEjecutable(salida_);
    EXPECT_EQ(lectura.palabras[1], W(1, "MOV", 1, 1, 1, 32768 + 128 + 1, "x"));
}

TEST_F(Codificacion, EmptyProgramStillFillsTheWholeMemory) {
    ASSERT_TRUE(Monta(".ver 1\n.data 0\n.code\n").correcto);
    const auto lectura = LeeFicheroEjecutable(salida_);
    ASSERT_EQ(lectura.estado, EstadoLectura::Correcto);
    EXPECT_EQ(lectura.cabecera.cop, "VLM1");
    EXPECT_EQ(lectura.palabras, ImagenLibre());
}

TEST_F(Codificacion, ForwardReferencesResolveInThePassThatWrites) {
    const auto r =
        Monta(".ver 1\n.data 10\ndw a 1\n.code\n"
              "\tmov luego, a\n" // a label used as an operand before its line: warning, its address
              "\tbeq luego\n"
              "\tadd a, a\n"
              "luego: add a, a\n");
    ASSERT_TRUE(r.correcto);
    EXPECT_EQ(r.mensajes, (std::vector<std::string>{
                              "Warning: en la línea --> 5", "> El operador es una etiqueta (zona de código)",
                              "Compilación correcta", "Generado el fichero: " + salida_}));
    const auto lectura = LeeFicheroEjecutable(salida_);
    EXPECT_EQ(lectura.palabras[0].Valor, 32768 + 3 * 128 + 10);
    EXPECT_EQ(lectura.palabras[1].Valor, 49152 + 3 * 128 + 3);
    EXPECT_EQ(lectura.palabras[3].Descripcion, "luego:");
}

TEST_F(Codificacion, JumpToAVariableWarnsAndKeepsItsAddress) {
    const auto r = Monta(".ver 1\n.data 10\ndw a 1\n.code\n\tbeq a\n");
    ASSERT_TRUE(r.correcto);
    EXPECT_EQ(r.mensajes,
              (std::vector<std::string>{"Warning: en la línea --> 5", "> Destino de salto en zona de datos",
                                        "Compilación correcta", "Generado el fichero: " + salida_}));
    EXPECT_EQ(r.lineaPrimerError, 5);
    EXPECT_EQ(LeeFicheroEjecutable(salida_).palabras[0].Valor, 49152 + 10 * 128 + 10);
}

TEST_F(Codificacion, NonAsciiListingPathIsCutAfterConversion) {
    salida_ = (dir_ / "año_programa_de_prueba.vlx").string();
    ASSERT_TRUE(Monta(".ver 1\n.data 0\ndw x 1\n.code\n").correcto);
    const std::string esperado = Cp1252AUtf8(Utf8ACp1252(salida_ + ".txt").substr(0, 20));
    EXPECT_EQ(LeeFicheroEjecutable(salida_).cabecera.Descripcion, esperado);
    EXPECT_TRUE(std::filesystem::exists(salida_ + ".txt"));
}

} // namespace
