#pragma once
// The scanner of Velmo assembly sources: longest match, and among equal lengths the rule listed first.
// It reads the whole source from memory and rewinds after delivering the end, so the second pass reads
// the same text again.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmo {

/// Token codes shared with the grammar (0 is the end of the text; other single characters are returned as
/// their own code, below 256).
enum CodigoToken : int {
    tkNUMERO = 258,
    tkBEQ = 259,
    tkADD = 260,
    tkMOV = 261,
    tkCMP = 262,
    tkCOMA = 263,
    tkVER = 266,
    tkDW = 267,
    tkCODE = 268,
    tkDATA = 269,
    tkIDENT = 270,
    tkETIQUETA = 271,
    tkINTERROG = 272,
    tkVECTOR = 273,
    tkCLEAR = 274,
    tkMOVD = 275,
    tkACUM = 276,
    tkCONF = 277,
    tkINST0 = 278,
    tkINST1 = 279,
    tkINST2 = 280,
    tkINST3 = 281,
    tkFINLINEA = 282,
};

/// A limit of the scanner was passed; the assembly stops. what() is the whole text ("LexLib: ...").
class ErrorLexLib : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TEscaner {
public:
    static constexpr std::size_t kLongitudMaximaToken = 255;
    static constexpr std::size_t kMaximoDevueltos = 2048;
    static constexpr std::size_t kMaximoDigitos = 5;

    /// Called with the text of a report the scanner makes itself (a number with too many digits).
    using InformeError = std::function<void(const std::string&)>;

    /// Takes a new source and clears the whole scanner state, the absolute position included.
    void Reinicia(const std::string& texto);

    /// Starts a pass: the absolute position goes back to the start of the text.
    void ReiniciaPosicionAbsoluta() { posicionAbsoluta_ = 0; }

    void SetInformeError(InformeError informe) { informe_ = std::move(informe); }

    /// The next token code; 0 at the end of the text, after which the next call starts again at the top.
    int yylex();

    /// Text of the token just scanned (labels keep their colon, identifiers their case).
    const std::string& yytext() const { return yytext_; }

    /// Value of the last number token.
    std::int32_t ValorNumero() const { return valorNumero_; }

    /// Characters read minus characters given back, counted from the start of the text in this pass.
    std::size_t PosicionAbsoluta() const { return posicionAbsoluta_; }

    /// The source line holding the last character read, and that character's column in it (both in
    /// characters: a whole UTF-8 sequence is one character).
    std::string LineaActual() const;
    std::size_t ColumnaActual() const;

    static bool esFinLinea(int c) { return c == 13 || c == 10; }

private:
    // What the characters at the read position make: `longitud` of them form the token, `examinados` were
    // read to decide it; a skipped token (blanks, a comment) is not returned.
    struct Token {
        std::size_t longitud;
        std::size_t examinados;
        int resultado;
        bool saltar;
    };

    Token Reconoce(std::size_t inicio, int c) const;
    // An identifier already read: a label when a colon follows, else a keyword or a plain identifier.
    void ReconocePalabra(std::size_t inicio, Token& token) const;
    void ReconoceDirectiva(std::size_t inicio, Token& token) const;
    // One character of the source: a byte, or a whole UTF-8 sequence.
    int Codigo(std::size_t i) const;
    std::string TextoDe(std::size_t desde, std::size_t hasta) const;
    void Lee(std::size_t cuantos);
    void Devuelve(std::size_t cuantos);
    void LimitaToken(std::size_t longitud) const;
    void UbicaLinea(std::size_t& inicio, std::size_t& fin, std::size_t& ultimo) const;

    std::string texto_;
    std::vector<std::size_t> inicios_; // byte offset of every character, plus one past the end
    std::size_t lectura_ = 0;          // index of the next character to read
    std::size_t posicionAbsoluta_ = 0;
    std::string yytext_;
    std::int32_t valorNumero_ = 0;
    InformeError informe_;
};

/// The scanner's next token for the generated parser, whose own macros rename `yylex`.
int SiguienteToken(TEscaner& escaner);

} // namespace velmo
