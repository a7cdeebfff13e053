#include "TablaNombreValor.h"

#include "UtilidadesStr.h"

#include <utility>

namespace velmo {

std::string ValorCelda::Formatea() const {
    switch (forma) {
    case Texto:
        return texto;
    case Binario:
        return Int2Bin(numero, digitos);
    case Decimal:
        return std::to_string(numero);
    }
    return texto;
}

TablaNombreValor::TablaNombreValor(std::vector<Entrada> entradas) : entradas_(std::move(entradas)) {
    // Names exist from creation, so the engine can resolve them before Inicializa.
    for (const auto& e : entradas_) {
        datos_.NombreCables.emplace_back(e.nombre);
        datos_.ValorCables.push_back({ValorCelda::Texto, 0, 0, e.inicial});
    }
}

void TablaNombreValor::AnadeEntrada(Entrada entrada) {
    entradas_.push_back(entrada);
    datos_.NombreCables.emplace_back(entrada.nombre);
    datos_.ValorCables.push_back({ValorCelda::Texto, 0, 0, entrada.inicial});
}

void TablaNombreValor::Inicializa() {
    for (std::size_t i = 0; i < entradas_.size(); ++i) {
        datos_.NombreCables[i] = entradas_[i].nombre;
        datos_.ValorCables[i] = {ValorCelda::Texto, 0, 0, entradas_[i].inicial};
    }
    Repinta();
}

int TablaNombreValor::IndiceDe(const std::string& nombre) const {
    for (std::size_t i = 0; i < datos_.NombreCables.size(); ++i) {
        if (datos_.NombreCables[i] == nombre) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void TablaNombreValor::SetValorCablesByName(const std::string& valor, const std::string& nombre) {
    const int i = IndiceDe(nombre);
    if (i >= 0) {
        auto& celda = datos_.ValorCables[static_cast<std::size_t>(i)];
        celda.forma = ValorCelda::Texto;
        celda.texto = valor;
    }
    Cambiado();
}

void TablaNombreValor::SetValorBinario(int indice, int valor, int digitos) {
    if (indice >= 0 && indice < NumCables()) {
        auto& celda = datos_.ValorCables[static_cast<std::size_t>(indice)];
        celda.forma = ValorCelda::Binario;
        celda.numero = valor;
        celda.digitos = static_cast<std::uint8_t>(digitos);
    }
    Cambiado();
}

void TablaNombreValor::SetValorDecimal(int indice, int valor) {
    if (indice >= 0 && indice < NumCables()) {
        auto& celda = datos_.ValorCables[static_cast<std::size_t>(indice)];
        celda.forma = ValorCelda::Decimal;
        celda.numero = valor;
    }
    Cambiado();
}

std::string TablaNombreValor::TextoCelda(int columna, int fila) const {
    if (fila < 0 || fila >= NumCables() || columna < 0 || columna > 1) {
        return {};
    }
    return "  " + (columna == 0 ? NombreCable(fila) : ValorCable(fila));
}

void TablaNombreValor::Cambiado() const {
    if (RepintaCadaCambio()) {
        Repinta();
    }
}

} // namespace velmo
