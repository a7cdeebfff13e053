#include "ObjParserFun.h"

#include "Listado.h"

namespace velmo {
namespace {

constexpr const char* kSolapamiento = "Warning: la zona de código se solapa con la de datos";
constexpr const char* kSinEspacioCodigo = "> No hay espacio suficiente en la memoria de Velmo para el código";

int Opcode(const std::string& cop) {
    if (cop == "ADD" || cop == "0" || cop == "CTE") {
        return 0;
    }
    if (cop == "CMP" || cop == "1") {
        return 1;
    }
    if (cop == "MOV" || cop == "2") {
        return 2;
    }
    if (cop == "BEQ" || cop == "3") {
        return 3;
    }
    if (cop == "CLEAR") {
        return 13;
    }
    if (cop == "MOVD") {
        return 14;
    }
    if (cop == "ACUM") {
        return 15;
    }
    return 0;
}

std::string Corta(const std::string& texto) {
    return texto.substr(0, kLongitudMaximaCadena);
}

bool EsDireccion(int a) {
    return a >= 0 && a < kPalabrasMemoria;
}

} // namespace

TObjParserFun::TObjParserFun(Anfitrion& anfitrionMontaje) : anfitrion(anfitrionMontaje) {
    try {
        TablaSimbolos = std::make_unique<TTablaSimbolos>();
    } catch (const std::bad_alloc&) {
        anfitrion.MuestraMensaje("Error en la tabla de símbolos", kTituloMontador, IconoMensaje::Error);
        throw;
    }
}

TObjParserFun::~TObjParserFun() = default;

void TObjParserFun::InsertarError(int linea, bool warning) {
    ListaErr.push_back({warning ? ClaseMensaje::Aviso : ClaseMensaje::Error, linea,
                        (warning ? "Warning: en la línea --> " : "Error semántico: en la línea --> ") +
                            std::to_string(linea)});
    if (lineaPrimerError == -1) {
        lineaPrimerError = linea;
    }
}

int TObjParserFun::SetVersion(int n) {
    const std::string nombre = NombreVersion(n);
    if (nombre.empty()) {
        return -1;
    }
    Version = nombre;
    return 1;
}

int TObjParserFun::Configurarinstrucciones(int n0, int n1, int n2, int n3) {
    const std::array<int, 4> cuentas{n0, n1, n2, n3};
    for (const int n : cuentas) {
        if (n < 1 || n > 3) {
            VectorNumOps = {-1, -1, -1, -1};
            return -1;
        }
    }
    VectorNumOps = cuentas;
    return 1;
}

bool TObjParserFun::Variable(const std::string& nombre, int direccion, int valor) {
    if (!EnPasada(1)) {
        return true;
    }
    Simboloaux = &TablaSimbolos->CreaSimbolo(nombre, kSimboloVariable, valor, direccion);
    if (EsDireccion(direccion)) {
        auto& palabra = VectorReginst[static_cast<std::size_t>(direccion)];
        palabra.Descripcion = Corta(nombre);
        palabra.Valor = valor == -1 ? kPalabraSinValor : static_cast<std::uint16_t>(valor);
    }
    return Simboloaux->prFlags() != kSimboloRedefinido;
}

void TObjParserFun::ComponenteVector(int direccion, int valor) {
    if (!EnPasada(1) || !EsDireccion(direccion)) {
        return;
    }
    auto& palabra = VectorReginst[static_cast<std::size_t>(direccion)];
    palabra.Descripcion = "[]";
    palabra.Valor = static_cast<std::uint16_t>(valor);
}

bool TObjParserFun::Etiqueta(const std::string& textoEtiqueta, int direccion) {
    if (!EnPasada(1)) {
        return true;
    }
    const std::string nombre = textoEtiqueta.substr(0, textoEtiqueta.find(':'));
    Simboloaux = &TablaSimbolos->CreaSimbolo(nombre, kSimboloEtiqueta, 0, direccion);
    // A label past the last word names nothing in memory.
    if (EsDireccion(direccion)) {
        VectorReginst[static_cast<std::size_t>(direccion)].Descripcion = Corta(textoEtiqueta);
    }
    return Simboloaux->prFlags() != kSimboloRedefinido;
}

int TObjParserFun::TraduceEtiq(const std::string& nombre, int linea) {
    const int direccion = TablaSimbolos->BuscarSimbolo(nombre, Simboloaux);
    if (Simboloaux == nullptr) {
        if (EnPasada(2)) {
            InsertarError(linea + 1, false);
            AnadeDetalle("> Etiqueta indefinida");
        }
        return -1;
    }
    if (Simboloaux->prFlags() == kSimboloVariable && EnPasada(2)) {
        InsertarError(linea + 1, true);
        AnadeDetalle("> Destino de salto en zona de datos");
    }
    return direccion;
}

int TObjParserFun::TraduceVariable(const std::string& nombre, int linea) {
    const int direccion = TablaSimbolos->BuscarSimbolo(nombre, Simboloaux);
    if (Simboloaux == nullptr) {
        if (EnPasada(2)) {
            InsertarError(linea, false);
            AnadeDetalle("> Identificador '" + nombre + "' no declarado");
        }
        return -1;
    }
    if (Simboloaux->prFlags() == kSimboloEtiqueta && EnPasada(2)) {
        InsertarError(linea, true);
        AnadeDetalle("> El operador es una etiqueta (zona de código)");
    }
    return direccion;
}

int TObjParserFun::TratarInst(const std::string& cop, int direccion, int op1, int op2) {
    if (EnPasada(2)) {
        EscribeInstruccion(cop, direccion, op1, op2);
    }
    return 0;
}

int TObjParserFun::TratarSalto(const std::string& cop, int direccion, int destino) {
    if (!EnPasada(2)) {
        return 0;
    }
    if (!EsDireccion(destino)) {
        return -1;
    }
    EscribeInstruccion(cop, direccion, destino, destino);
    return 0;
}

int TObjParserFun::TratarClear(int direccion, int a) {
    // Every address 0..127 is a valid operand.
    if (EnPasada(2) && EsDireccion(a)) {
        EscribeInstruccion("CLEAR", direccion, a, a);
        return 1;
    }
    return (a >= kPalabrasMemoria || (EnPasada(2) && a < 0)) ? -1 : 0;
}

int TObjParserFun::TratarMOVD(int direccion, int v, int a) {
    if (!EnPasada(2)) {
        return 0;
    }
    if (!EsDireccion(a)) {
        return -1;
    }
    EscribeInstruccion("MOVD", direccion, v, a);
    return 1;
}

int TObjParserFun::TratarACUM(int direccion, int v, int a) {
    if (!EnPasada(2)) {
        return 0;
    }
    if (!EsDireccion(a)) {
        return -1;
    }
    EscribeInstruccion("ACUM", direccion, v, a);
    return 1;
}

int TObjParserFun::TratarInstConfigurable(const std::string& cop, int direccion, int op1, int op2,
                                          int constante) {
    const int k = Opcode(cop);
    const int cuenta = VectorNumOps[static_cast<std::size_t>(k)];
    if (cuenta == -1) {
        return 0; // the configuration failed and was already reported
    }
    if (cuenta == 1 && op2 == -1 && constante == -1) {
        EscribeInstruccion(cop, direccion, 0, op1);
    } else if (cuenta == 2 && op2 != -1 && constante == -1) {
        EscribeInstruccion(cop, direccion, op1, op2);
    } else if (cuenta == 3 && op2 != -1 && constante != -1) {
        EscribeInstruccion(cop, direccion, op1, op2);
        EscribeInstruccion("CTE", direccion + 1, 0, constante);
    } else {
        return -1;
    }
    return 0;
}

bool TObjParserFun::DentroDeMemoria(int direccion) {
    if (EsDireccion(direccion)) {
        return true;
    }
    if (!codigoFueraDeMemoria) {
        codigoFueraDeMemoria = true;
        InsertarError(lineaActual, false);
        AnadeDetalle(kSinEspacioCodigo);
    }
    return false;
}

void TObjParserFun::CreafichInst(SalidaMontaje& salida) {
    Fichinst = &salida;
    salida.Crea();
    registros.clear();
    VectorReginst = ImagenLibre();
}

void TObjParserFun::Escribe(const TregInst& reg) {
    // Kept in memory until the executable is complete: nothing reaches its path before then.
    registros.push_back(reg);
}

void TObjParserFun::EscribeInstruccion(const std::string& cop, int direccion, int op1, int op2) {
    // Nothing is written outside the 128-word memory.
    if (!DentroDeMemoria(direccion)) {
        return;
    }
    if (direccion >= InicioDatos + 1 && !warningSolapamiento) {
        ListaErr.push_back({ClaseMensaje::Aviso, -1, kSolapamiento});
        warningSolapamiento = true;
    }
    const int opcode = Opcode(cop);
    RegInst.direccion = direccion;
    RegInst.cop = cop;
    RegInst.op1 = static_cast<std::uint16_t>(op1);
    RegInst.op2 = static_cast<std::uint16_t>(op2);
    RegInst.destino = op1;
    RegInst.Valor = static_cast<std::uint16_t>(op1 * 128 + op2 + opcode * 16384);
    RegInst.Descripcion = kMarcaVacia;
    if (op2 == -1) {
        RegInst.op2 = kSinSegundoOperando;
        RegInst.Valor = static_cast<std::uint16_t>(op1);
    }
    const bool cuatroBits = cop == "CLEAR" || cop == "MOVD" || cop == "ACUM";
    if (Version == kNombreVLM1Modif && cuatroBits) {
        RegInst.Valor = static_cast<std::uint16_t>(opcode * 4096 + RegInst.op2);
    }
    Escribe(RegInst);
    if (Version == kNombreVLM1Modif && (cop == "MOVD" || cop == "ACUM")) {
        if (!DentroDeMemoria(direccion + 1)) {
            return;
        }
        RegInst.direccion = direccion + 1;
        RegInst.cop = kMarcaVacia;
        RegInst.op2 = 0;
        RegInst.destino = 0;
        RegInst.Valor = static_cast<std::uint16_t>(op1);
        RegInst.Descripcion = "CONST";
        Escribe(RegInst);
    }
}

void TObjParserFun::LeeEjecutable(const std::string& nombreListado) {
    std::string listado = CabeceraListado();
    for (const auto& reg : registros) {
        if (EsDireccion(reg.direccion)) {
            // The word keeps the name or label text placed in pass 1.
            auto& palabra = VectorReginst[static_cast<std::size_t>(reg.direccion)];
            palabra.cop = reg.cop;
            palabra.op1 = reg.op1;
            palabra.op2 = reg.op2;
            palabra.destino = reg.destino;
            palabra.Valor = reg.Valor;
        }
        listado += RegistroListado(reg);
    }
    listado += SeparadorListado();
    for (const auto& palabra : VectorReginst) {
        listado += RegistroListado(palabra);
    }
    Fichinst->Termina(listado, BytesEjecutable(CabeceraEjecutable(Version, nombreListado), VectorReginst));
}

bool TObjParserFun::ConfirmaFichinst() {
    return Fichinst != nullptr && Fichinst->Confirma();
}

bool TObjParserFun::BorraFichinst() {
    return Fichinst != nullptr && Fichinst->Descarta();
}

} // namespace velmo
