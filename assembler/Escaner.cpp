#include "Escaner.h"

#include <array>
#include <cctype>
#include <string_view>

namespace velmo {
namespace {

constexpr int kFin = -1;

bool EsBlanco(int c) {
    return c == ' ' || c == '\t' || c == '\r'; // a carriage return reads as a blank
}

bool EsDigito(int c) {
    return c >= '0' && c <= '9';
}

bool EsInicioIdent(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool EsCaracterIdent(int c) {
    return EsInicioIdent(c) || EsDigito(c);
}

std::string Mayusculas(std::string_view s) {
    std::string r(s);
    for (auto& c : r) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return r;
}

struct PalabraClave {
    const char* texto;
    int codigo;
};

// In rule order, so that an identifier of the same length as a keyword is the keyword.
constexpr std::array<PalabraClave, 13> kPalabrasClave{{
    {"ADD", tkADD},
    {"BEQ", tkBEQ},
    {"CMP", tkCMP},
    {"MOV", tkMOV},
    {"VECTOR", tkVECTOR},
    {"CLEAR", tkCLEAR},
    {"MOVD", tkMOVD},
    {"ACUM", tkACUM},
    {"INST0", tkINST0},
    {"INST1", tkINST1},
    {"INST2", tkINST2},
    {"INST3", tkINST3},
    {"DW", tkDW},
}};

constexpr std::array<PalabraClave, 4> kDirectivas{{
    {"VER", tkVER},
    {"CODE", tkCODE},
    {"DATA", tkDATA},
    {"CONF", tkCONF},
}};

// Length in bytes of the UTF-8 sequence starting at `i`; a broken sequence counts as one byte.
std::size_t LongitudSecuencia(const std::string& s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = 1;
    unsigned char min2 = 0x80, max2 = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        min2 = b == 0xE0 ? 0xA0 : 0x80;
        max2 = b == 0xED ? 0x9F : 0xBF;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        min2 = b == 0xF0 ? 0x90 : 0x80;
        max2 = b == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 1;
    }
    if (i + n > s.size()) {
        return 1;
    }
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        const unsigned char lo = k == 1 ? min2 : 0x80;
        const unsigned char hi = k == 1 ? max2 : 0xBF;
        if (c < lo || c > hi) {
            return 1;
        }
    }
    return n;
}

} // namespace

void TEscaner::Reinicia(const std::string& texto) {
    texto_ = texto;
    inicios_.clear();
    for (std::size_t i = 0; i < texto_.size(); i += LongitudSecuencia(texto_, i)) {
        inicios_.push_back(i);
    }
    inicios_.push_back(texto_.size());
    lectura_ = 0;
    posicionAbsoluta_ = 0;
    yytext_.clear();
    valorNumero_ = 0;
}

int TEscaner::Codigo(std::size_t i) const {
    if (i + 1 >= inicios_.size()) {
        return kFin;
    }
    return static_cast<unsigned char>(texto_[inicios_[i]]);
}

std::string TEscaner::TextoDe(std::size_t desde, std::size_t hasta) const {
    return texto_.substr(inicios_[desde], inicios_[hasta] - inicios_[desde]);
}

void TEscaner::Lee(std::size_t cuantos) {
    lectura_ += cuantos;
    posicionAbsoluta_ += cuantos;
}

void TEscaner::Devuelve(std::size_t cuantos) {
    if (cuantos > kMaximoDevueltos) {
        throw ErrorLexLib("LexLib: input buffer overflow");
    }
    lectura_ -= cuantos;
    posicionAbsoluta_ -= cuantos;
}

void TEscaner::LimitaToken(std::size_t longitud) const {
    if (longitud > kLongitudMaximaToken) {
        throw ErrorLexLib("LexLib: yytext overflow");
    }
}

int TEscaner::yylex() {
    for (;;) {
        const std::size_t inicio = lectura_;
        const int c = Codigo(inicio);
        if (c == kFin) {
            // Back to the top for the next pass; the absolute position stays where it is.
            lectura_ = 0;
            yytext_.clear();
            return 0;
        }
        const Token token = Reconoce(inicio, c);
        Lee(token.examinados);
        Devuelve(token.examinados - token.longitud);
        yytext_ = TextoDe(inicio, inicio + token.longitud);
        if (token.saltar) {
            continue;
        }
        if (token.resultado == tkNUMERO) {
            if (token.longitud > kMaximoDigitos) {
                if (informe_) {
                    informe_("Numero " + yytext_ + " demasiado grande");
                }
                continue;
            }
            valorNumero_ = std::stoi(yytext_);
        }
        return token.resultado;
    }
}

TEscaner::Token TEscaner::Reconoce(std::size_t inicio, int c) const {
    Token token{1, 1, c, false};
    auto extiende = [&](auto pertenece) {
        while (pertenece(Codigo(inicio + token.longitud))) {
            ++token.longitud;
            LimitaToken(token.longitud);
        }
        token.examinados = token.longitud + (Codigo(inicio + token.longitud) == kFin ? 0 : 1);
    };

    if (c == ';') {
        extiende([](int x) { return x != kFin && x != '\n' && x != '"'; });
        token.saltar = true;
    } else if (EsDigito(c)) {
        extiende(EsDigito);
        token.resultado = tkNUMERO;
    } else if (EsBlanco(c)) {
        extiende(EsBlanco);
        token.saltar = true;
    } else if (EsInicioIdent(c)) {
        extiende(EsCaracterIdent);
        ReconocePalabra(inicio, token);
    } else if (c == '.') {
        ReconoceDirectiva(inicio, token);
    } else if (c == '\n') {
        token.resultado = tkFINLINEA;
    } else if (c == ',') {
        token.resultado = tkCOMA;
    } else if (c == '?') {
        token.resultado = tkINTERROG;
    } else if (c == 0) {
        token.resultado = 0x7F; // a NUL inside the text is an unexpected character, not the end of the text
    }
    // Any other character (a whole UTF-8 sequence counts as one) is returned as its own code.
    return token;
}

void TEscaner::ReconocePalabra(std::size_t inicio, Token& token) const {
    token.resultado = tkIDENT;
    if (Codigo(inicio + token.longitud) == ':') {
        ++token.longitud;
        LimitaToken(token.longitud);
        token.examinados = token.longitud + (Codigo(inicio + token.longitud) == kFin ? 0 : 1);
        token.resultado = tkETIQUETA;
        return;
    }
    const std::string palabra = Mayusculas(TextoDe(inicio, inicio + token.longitud));
    for (const auto& clave : kPalabrasClave) {
        if (palabra == clave.texto) {
            token.resultado = clave.codigo;
            break;
        }
    }
}

void TEscaner::ReconoceDirectiva(std::size_t inicio, Token& token) const {
    // A dot only starts a directive; otherwise it is an unexpected character of its own.
    std::size_t letras = 0;
    while (letras < 4 && EsInicioIdent(Codigo(inicio + 1 + letras)) && Codigo(inicio + 1 + letras) != '_') {
        ++letras;
    }
    token.examinados = 1 + letras + (letras < 4 && Codigo(inicio + 1 + letras) != kFin ? 1 : 0);
    const std::string letrasLeidas = Mayusculas(TextoDe(inicio + 1, inicio + 1 + letras));
    for (const auto& directiva : kDirectivas) {
        const std::string_view nombre = directiva.texto;
        if (letrasLeidas.starts_with(nombre)) {
            token.longitud = 1 + nombre.size();
            token.resultado = directiva.codigo;
            break;
        }
    }
}

void TEscaner::UbicaLinea(std::size_t& inicio, std::size_t& fin, std::size_t& ultimo) const {
    const std::size_t total = inicios_.size() - 1;
    ultimo = posicionAbsoluta_ == 0 ? 0 : posicionAbsoluta_ - 1;
    if (ultimo >= total) {
        ultimo = total == 0 ? 0 : total - 1;
    }
    // A line end read as the last character stands at the end of the line it closes.
    if (ultimo > 0 && Codigo(ultimo) == '\n' && Codigo(ultimo - 1) == '\r') {
        --ultimo;
    }
    inicio = ultimo;
    while (inicio > 0 && !esFinLinea(Codigo(inicio - 1))) {
        --inicio;
    }
    fin = ultimo;
    while (fin < total && !esFinLinea(Codigo(fin))) {
        ++fin;
    }
}

std::string TEscaner::LineaActual() const {
    std::size_t inicio = 0, fin = 0, ultimo = 0;
    UbicaLinea(inicio, fin, ultimo);
    return TextoDe(inicio, fin);
}

std::size_t TEscaner::ColumnaActual() const {
    std::size_t inicio = 0, fin = 0, ultimo = 0;
    UbicaLinea(inicio, fin, ultimo);
    return ultimo - inicio;
}

int SiguienteToken(TEscaner& escaner) {
    return escaner.yylex();
}

} // namespace velmo
