// The help documents and the manual pages cannot drift from the program: every source they show is
// assembled (and run to the memory it promises, or made to fail with the message it explains), their
// worked microprograms are the ones those sources run under, every command they show runs, and every
// assembler message they quote is a text the assembler really writes.

#include "EjemplosYManuales.h"
#include "FicheroMicroprograma.h"
#include "TablaMicroprograma.h"

#include <algorithm>
#include <cstring>
#include <regex>

namespace velmo::pruebas {
namespace {

const std::string kRaiz = VELMO_RAIZ;

std::string DesescapaHtml(std::string texto) {
    const std::pair<const char*, const char*> entidades[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&nbsp;", " "}, {"&amp;", "&"}};
    for (const auto& [entidad, caracter] : entidades) {
        for (auto pos = texto.find(entidad); pos != std::string::npos; pos = texto.find(entidad, pos + 1)) {
            texto.replace(pos, std::strlen(entidad), caracter);
        }
    }
    return texto;
}

/// One marked block of a help document: its kind ("fuente", "microprograma", "ordenes"), its attributes
/// and its text.
struct Bloque {
    std::string clase;
    std::map<std::string, std::string> atributos;
    std::string texto;
    std::string Atributo(const std::string& nombre, const std::string& omision = {}) const {
        const auto it = atributos.find(nombre);
        return it == atributos.end() ? omision : it->second;
    }
};

std::vector<Bloque> Bloques(const std::string& html) {
    std::vector<Bloque> bloques;
    const std::regex apertura(R"re(<pre class="velmo-([a-z]+)"([^>]*)>)re");
    const std::regex atributo(R"re(([a-z-]+)="([^"]*)")re");
    for (std::sregex_iterator it(html.begin(), html.end(), apertura), fin; it != fin; ++it) {
        Bloque b;
        b.clase = (*it)[1];
        const std::string atributos = (*it)[2];
        for (std::sregex_iterator a(atributos.begin(), atributos.end(), atributo); a != fin; ++a) {
            std::string clave = (*a)[1];
            if (clave.rfind("data-", 0) == 0) {
                clave.erase(0, 5);
            }
            b.atributos[clave] = DesescapaHtml((*a)[2]);
        }
        const auto inicio = static_cast<std::size_t>(it->position() + it->length());
        const auto cierre = html.find("</pre>", inicio);
        b.texto = DesescapaHtml(html.substr(inicio, cierre - inicio));
        if (!b.texto.empty() && b.texto.front() == '\n') {
            b.texto.erase(0, 1);
        }
        bloques.push_back(std::move(b));
    }
    return bloques;
}

/// The assembler's sources: the quoted messages must be found in them.
std::string TextoDelMontador() {
    std::string texto;
    for (const auto& e : std::filesystem::directory_iterator(kRaiz + "/assembler")) {
        const auto ext = e.path().extension();
        if (ext == ".cpp" || ext == ".h" || ext == ".y") {
            texto += LeeFichero(e.path().string());
        }
    }
    return texto;
}

/// Runs the "$ " lines of a block of commands in `carpeta` with both tools first in PATH.
void EjecutaOrdenes(const Carpeta& carpeta, const std::string& texto, int estadoEsperado,
                    const std::string& donde) {
    std::istringstream s(texto);
    std::string linea;
    int ordenes = 0;
    while (std::getline(s, linea)) {
        if (linea.rfind("$ ", 0) != 0) {
            continue;
        }
        ++ordenes;
        const std::string herramientas =
            std::filesystem::path(Herramienta("velmo-montador", VELMO_MONTADOR)).parent_path().string() +
            ":" + std::filesystem::path(Herramienta("velmo-sim", VELMO_SIM)).parent_path().string();
        const std::string orden = "cd '" + carpeta.Raiz().string() + "' && PATH='" + herramientas +
                                  "':\"$PATH\" " + linea.substr(2) + " > salida-orden.txt 2>&1";
        const int r = std::system(orden.c_str());
        EXPECT_EQ(WIFEXITED(r) ? WEXITSTATUS(r) : -1, estadoEsperado)
            << donde << ": " << linea << "\n"
            << LeeFichero(carpeta.Ruta("salida-orden.txt"));
    }
    EXPECT_GT(ordenes, 0) << donde << ": un bloque de órdenes sin órdenes";
}

// With the exercises' folders: the commands grade their submissions.
void CopiaEjemplos(const Carpeta& carpeta) {
    std::filesystem::copy(VELMO_EJEMPLOS, carpeta.Raiz(), std::filesystem::copy_options::recursive);
}

class Manuales : public ::testing::TestWithParam<std::string> {};

TEST_P(Manuales, SusFuentesMicroprogramasYOrdenesFuncionan) {
    const std::string documento = GetParam();
    const auto bloques = Bloques(LeeFichero(kRaiz + "/resources/ayuda/" + documento));
    ASSERT_FALSE(bloques.empty());
    Carpeta carpeta;
    CopiaEjemplos(carpeta);

    // Microprograms and exercises first: the sources and the commands name them.
    for (const auto& b : bloques) {
        if (b.clase == "ejercicio") {
            EscribeFichero(carpeta.Ruta(b.Atributo("nombre") + ".json"), b.texto);
        }
        if (b.clase != "microprograma") {
            continue;
        }
        std::istringstream tabla(b.texto);
        const auto micro = MicroprogramaDeComentarios(tabla);
        ASSERT_TRUE(micro.has_value())
            << documento << ": la tabla " << b.Atributo("nombre") << " no está completa";
        ASSERT_TRUE(GuardaFicheroMicroprograma(carpeta.Ruta(b.Atributo("nombre") + ".mpr"), *micro));
    }

    int fuentes = 0;
    for (const auto& b : bloques) {
        const std::string nombre = b.Atributo("nombre");
        if (b.clase == "ordenes") {
            EjecutaOrdenes(carpeta, b.texto, std::stoi(b.Atributo("estado", "0")), documento);
            continue;
        }
        if (b.clase != "fuente") {
            continue;
        }
        ++fuentes;
        ASSERT_FALSE(nombre.empty()) << documento << ": fuente sin nombre";
        const std::string donde = documento + ", " + nombre;
        const std::string asm_ = carpeta.Ruta(nombre + ".asm");
        EscribeFichero(asm_, b.texto);
        const auto montaje = Monta(carpeta, asm_, carpeta.Ruta(nombre + ".vlx"));

        const std::string mensaje = b.Atributo("mensaje");
        if (!mensaje.empty()) {
            // A source that explains a message: it gives exactly that message at the line it says.
            EXPECT_EQ(montaje.estado, std::stoi(b.Atributo("estado", "1"))) << donde << "\n"
                                                                            << montaje.salida;
            EXPECT_NE(montaje.salida.find(mensaje), std::string::npos) << donde << "\n" << montaje.salida;
            const std::string linea = b.Atributo("linea");
            if (!linea.empty()) {
                EXPECT_NE(montaje.salida.find("--> " + linea + "\n"), std::string::npos) << donde << "\n"
                                                                                         << montaje.salida;
            }
            continue;
        }
        ASSERT_EQ(montaje.estado, 0) << donde << "\n" << montaje.salida;
        const std::string memoria = b.Atributo("memoria");
        if (memoria.empty()) {
            continue;
        }
        const auto esperada = LeeMemoria(memoria);
        ASSERT_TRUE(esperada.has_value()) << donde;
        std::vector<std::string> args{carpeta.Ruta(nombre + ".vlx"), "--json"};
        for (const char* opcion : {"control", "alu", "instrucciones", "ciclos"}) {
            if (!b.Atributo(opcion).empty()) {
                args.insert(args.end(), {std::string("--") + opcion, b.Atributo(opcion)});
            }
        }
        if (!b.Atributo("microprograma").empty()) {
            args.insert(args.end(), {"--microprograma", carpeta.Ruta(b.Atributo("microprograma") + ".mpr")});
        }
        const auto j = Simula(args);
        EXPECT_TRUE(j["mensajes"].empty()) << donde << ": " << j["mensajes"].dump();
        if (!b.Atributo("instrucciones").empty()) {
            EXPECT_EQ(j["instrucciones"], std::stoi(b.Atributo("instrucciones"))) << donde;
        }
        if (!b.Atributo("total-ciclos").empty()) {
            EXPECT_EQ(j["ciclos"], std::stoi(b.Atributo("total-ciclos"))) << donde;
        }
        CompruebaMemoria(j, *esperada, donde);
    }
    EXPECT_GT(fuentes, 0) << documento << " no muestra ningún fuente";
}

TEST_P(Manuales, LosMensajesCitadosSonLosDelMontador) {
    const std::string html = LeeFichero(kRaiz + "/resources/ayuda/" + GetParam());
    const std::string montador = TextoDelMontador();
    const std::regex cita(R"re(<code class="velmo-mensaje">([^<]*)</code>)re");
    for (std::sregex_iterator it(html.begin(), html.end(), cita), fin; it != fin; ++it) {
        // A line break inside the quotation is a blank when the page is shown.
        std::string mensaje = DesescapaHtml((*it)[1]);
        std::replace(mensaje.begin(), mensaje.end(), '\n', ' ');
        EXPECT_NE(montador.find(mensaje), std::string::npos) << "el montador no escribe: " << mensaje;
    }
}

TEST_P(Manuales, LasImagenesQueMuestraExisten) {
    const std::string html = LeeFichero(kRaiz + "/resources/ayuda/" + GetParam());
    const std::regex imagen(R"re(<img src="([^"]+)")re");
    for (std::sregex_iterator it(html.begin(), html.end(), imagen), fin; it != fin; ++it) {
        EXPECT_TRUE(std::filesystem::exists(kRaiz + "/resources/ayuda/" + (*it)[1].str())) << (*it)[1];
    }
}

INSTANTIATE_TEST_SUITE_P(Ayuda, Manuales, ::testing::Values("simulador.html", "montador.html"),
                         [](const auto& info) { return info.param.substr(0, info.param.find('.')); });

/// The examples of the manual pages (the "$ " lines between .EX and .EE) run as they are written.
TEST(PaginasDeManual, SusEjemplosFuncionan) {
    for (const char* pagina : {"velmo-montador.1", "velmo-sim.1", "velmo-evaluar.1"}) {
        const std::string texto = LeeFichero(kRaiz + "/man/" + pagina);
        ASSERT_FALSE(texto.empty()) << pagina;
        std::string ejemplos;
        bool dentro = false;
        std::istringstream s(texto);
        for (std::string linea; std::getline(s, linea);) {
            if (linea.rfind(".EX", 0) == 0) {
                dentro = true;
            } else if (linea.rfind(".EE", 0) == 0) {
                dentro = false;
            } else if (dentro) {
                for (auto pos = linea.find("\\-"); pos != std::string::npos; pos = linea.find("\\-", pos)) {
                    linea.erase(pos, 1);
                }
                for (auto pos = linea.find("\\e"); pos != std::string::npos;
                     pos = linea.find("\\e", pos + 1)) {
                    linea.replace(pos, 2, "\\");
                }
                ejemplos += linea + "\n";
            }
        }
        Carpeta carpeta;
        CopiaEjemplos(carpeta);
        EjecutaOrdenes(carpeta, ejemplos, 0, pagina);
    }
}

} // namespace
} // namespace velmo::pruebas
