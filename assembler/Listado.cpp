#include "Listado.h"

#include "UtilidadesStr.h"

namespace velmo {
namespace {

constexpr const char* kFinLinea = "\r\n";
constexpr const char* kLineaAsteriscos = "      *********************************************************";

std::string Linea(const std::string& texto) {
    return texto + kFinLinea;
}

} // namespace

std::string CabeceraListado() {
    return Linea(kLineaAsteriscos) + Linea("      *   Ejecutable de Velmo  V1.0             ****") +
           Linea("      *   -------------------------------------               *") +
           Linea(kLineaAsteriscos) + Linea("");
}

std::string RegistroListado(const TregInst& reg) {
    return Linea("#Direccion " + std::to_string(reg.direccion)) + Linea("Cop " + reg.cop) +
           Linea(" Op1    : " + std::to_string(reg.op1)) + Linea(" Op2    :" + std::to_string(reg.op2)) +
           Linea(" Destino    :  " + std::to_string(reg.destino)) +
           Linea(" Valor    :  " + std::to_string(reg.Valor)) +
           Linea(" Valor en Binario:  " + Int2Bin(reg.Valor, 16)) +
           Linea(" Descripción:  " + reg.Descripcion) + Linea("---------------");
}

std::string SeparadorListado() {
    return Linea("---------------") + Linea("HASTA AQUI LO QUE TIENE EL PARSER") + Linea("---------------");
}

} // namespace velmo
