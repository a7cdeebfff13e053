#include "VelmoHighlighter.h"

#include <utility>

namespace velmo {

namespace {

constexpr int kMaxHash = 83;

constexpr bool EsIdentChar(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z');
}

constexpr int ValorLetra(unsigned char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 1;
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 1;
    }
    return c == '_' ? 31 : 0;
}

// Built once for the whole program: one look-up per character while scanning.
constexpr std::array<bool, 256> kIdentificadores = [] {
    std::array<bool, 256> t{};
    for (int c = 0; c < 256; ++c) {
        t[c] = EsIdentChar(static_cast<unsigned char>(c));
    }
    return t;
}();

constexpr std::array<int, 256> kValoresLetra = [] {
    std::array<int, 256> t{};
    for (int c = 0; c < 256; ++c) {
        t[c] = ValorLetra(static_cast<unsigned char>(c));
    }
    return t;
}();

constexpr int HashDe(std::string_view palabra) {
    int suma = 0;
    for (char c : palabra) {
        suma += kValoresLetra[static_cast<unsigned char>(c)];
    }
    return suma;
}

constexpr std::array<std::string_view, 14> kPalabrasReservadas = {
    "caca", "add",  "beq",   "dw",    "cmp",   "acum",  "clear",
    "mov",  "movd", "inst3", "inst0", "inst1", "inst2", "vector",
};

static_assert(HashDe("caca") == 8 && HashDe("add") == 9 && HashDe("beq") == 24 && HashDe("dw") == 27);
static_assert(HashDe("cmp") == 32 && HashDe("acum") == 38 && HashDe("clear") == 39 && HashDe("mov") == 50);
static_assert(HashDe("movd") == 54 && HashDe("inst0") == 62 && HashDe("inst3") == 62 &&
              HashDe("vector") == 83);

// The keyword-check table: for each hash value, the keywords that share it (at most four).
struct TClavesHash {
    std::array<std::string_view, 4> claves{};
    int cuantas = 0;
};

constexpr std::array<TClavesHash, kMaxHash + 1> kIdentFuncTable = [] {
    std::array<TClavesHash, kMaxHash + 1> t{};
    for (std::string_view palabra : kPalabrasReservadas) {
        auto& entrada = t[HashDe(palabra)];
        entrada.claves[entrada.cuantas++] = palabra;
    }
    return t;
}();

} // namespace

TAtributoResaltado::TAtributoResaltado(std::string nombre, TColorRGB frente, bool negrita, bool cursiva)
    : fNombre(std::move(nombre)), fFrente(frente), fNegrita(negrita), fCursiva(cursiva) {}

void TAtributoResaltado::SetForeground(TColorRGB color) {
    if (color != fFrente) {
        fFrente = color;
        Cambiado();
    }
}

void TAtributoResaltado::SetBackground(TColorRGB color) {
    if (color != fFondo) {
        fFondo = color;
        Cambiado();
    }
}

void TAtributoResaltado::SetNegrita(bool valor) {
    if (valor != fNegrita) {
        fNegrita = valor;
        Cambiado();
    }
}

void TAtributoResaltado::SetCursiva(bool valor) {
    if (valor != fCursiva) {
        fCursiva = valor;
        Cambiado();
    }
}

void TAtributoResaltado::Cambiado() {
    if (fAviso) {
        fAviso();
    }
}

TSynVelmo::TSynVelmo()
    : fCommentAttri("Comment", 0x000080, false, true), fDirectivaAttri("Directiva", 0x008000, false, false),
      fIdentifierAttri("Identifier", clNone, false, false), fKeyAttri("Reserved Word", clNone, true, false),
      fNumberAttri("Number", 0x800080, false, false), fSpaceAttri("Space", clNone, false, false),
      fStringAttri("String", 0xFF0000, false, false), fAtributos{&fCommentAttri,    &fDirectivaAttri,
                                                                 &fIdentifierAttri, &fKeyAttri,
                                                                 &fNumberAttri,     &fSpaceAttri,
                                                                 &fStringAttri} {
    for (TAtributoResaltado* atributo : fAtributos) {
        atributo->SetOnChange([this] {
            if (fAvisoAtributos) {
                fAvisoAtributos();
            }
        });
    }
}

const std::array<TSynVelmo::TProcToken, 256>& TSynVelmo::ProcTable() {
    static const std::array<TProcToken, 256> tabla = [] {
        std::array<TProcToken, 256> t{};
        for (int c = 0; c < 256; ++c) {
            TProcToken proc = &TSynVelmo::UnknownProc;
            if (c == 0) {
                proc = &TSynVelmo::NullProc;
            } else if (c == 10) {
                proc = &TSynVelmo::LFProc;
            } else if (c == 13) {
                proc = &TSynVelmo::CRProc;
            } else if (c <= 32) {
                proc = &TSynVelmo::SpaceProc;
            } else if (c == '.') {
                proc = &TSynVelmo::DirectivasProc;
            } else if (c >= '0' && c <= '9') {
                proc = &TSynVelmo::NumberProc;
            } else if (c == ';') {
                proc = &TSynVelmo::SingleLineCommentOpenProc;
            } else if (kIdentificadores[c]) {
                proc = &TSynVelmo::IdentProc;
            }
            t[c] = proc;
        }
        return t;
    }();
    return tabla;
}

void TSynVelmo::SetLine(std::string_view texto, int lineNumber) {
    fLine.assign(texto);
    fLineNumber = lineNumber;
    Run = 0;
    Next();
}

void TSynVelmo::Next() {
    fTokenPos = Run;
    fRange = rsUnKnown;
    (this->*ProcTable()[Actual()])();
}

std::string TSynVelmo::GetToken() const {
    return fLine.substr(fTokenPos, Run - fTokenPos);
}

const TAtributoResaltado* TSynVelmo::GetTokenAttribute() const {
    switch (fTokenID) {
    case tkComment:
        return &fCommentAttri;
    case tkDirectiva:
        return &fDirectivaAttri;
    case tkIdentifier:
    case tkUnknown:
        return &fIdentifierAttri;
    case tkKey:
        return &fKeyAttri;
    case tkNumber:
        return &fNumberAttri;
    case tkSpace:
        return &fSpaceAttri;
    case tkString:
        return &fStringAttri;
    case tkNull:
        return nullptr;
    }
    return nullptr;
}

TAtributoResaltado* TSynVelmo::GetDefaultAttribute(int index) {
    switch (index) {
    case 0:
        return &fCommentAttri;
    case 1:
        return &fIdentifierAttri;
    case 2:
        return &fKeyAttri;
    case 3:
        return &fStringAttri;
    case 4:
        return &fSpaceAttri;
    default:
        return nullptr;
    }
}

std::string TSynVelmo::GetIdentChars() {
    std::string conjunto;
    for (int c = 0; c < 256; ++c) {
        if (kIdentificadores[c]) {
            conjunto.push_back(static_cast<char>(c));
        }
    }
    return conjunto;
}

std::string TSynVelmo::GetSampleSource() {
    return ".ver 1\r\n.data\r\ncosa dw ?\r\nperro dw 9\r\n.code\r\ncosa:\r\nadd casa, 86 ;Sumar 86\r\nmov "
           "casa, "
           "perro\r\ninst0 78, 34";
}

void TSynVelmo::NullProc() {
    fTokenID = tkNull;
}

void TSynVelmo::SpaceProc() {
    fTokenID = tkSpace;
    do {
        ++Run;
    } while (Actual() >= 1 && Actual() <= 32);
}

void TSynVelmo::LFProc() {
    fTokenID = tkSpace;
    ++Run;
}

void TSynVelmo::CRProc() {
    fTokenID = tkSpace;
    ++Run;
    if (Actual() == 10) {
        ++Run;
    }
}

void TSynVelmo::DirectivasProc() {
    ++Run;
    // Only a line whose first non-blank character is "." holds directives.
    std::size_t primero = 0;
    while (primero < fLine.size() && static_cast<unsigned char>(fLine[primero]) <= 32) {
        ++primero;
    }
    if (primero < fLine.size() && fLine[primero] == '.') {
        fTokenID = tkDirectiva;
        while (Actual() != 0 && Actual() != ';' && Actual() != 13 && Actual() != 10) {
            ++Run;
        }
    } else {
        fTokenID = tkUnknown;
    }
}

void TSynVelmo::NumberProc() {
    fTokenID = tkNumber;
    do {
        ++Run;
    } while (Actual() >= '0' && Actual() <= '9');
    if (kIdentificadores[Actual()]) {
        // Letters glued to a number make no number; they start a token of their own.
        fTokenID = tkUnknown;
    }
}

void TSynVelmo::SingleLineCommentOpenProc() {
    ++Run;
    fRange = rsSingleLineComment;
    while (Actual() != 0 && Actual() != 13 && Actual() != 10) {
        ++Run;
    }
    fTokenID = tkComment;
}

int TSynVelmo::KeyHash(int desde) {
    fToIdent = desde;
    int suma = 0;
    int i = desde;
    while (kIdentificadores[static_cast<unsigned char>(fLine.c_str()[i])]) {
        suma += kValoresLetra[static_cast<unsigned char>(fLine[i])];
        ++i;
    }
    fStringLen = i - desde;
    return suma;
}

bool TSynVelmo::KeyComp(std::string_view clave) const {
    if (static_cast<int>(clave.size()) != fStringLen) {
        return false;
    }
    for (int i = 0; i < fStringLen; ++i) {
        if (kValoresLetra[static_cast<unsigned char>(clave[i])] !=
            kValoresLetra[static_cast<unsigned char>(fLine[fToIdent + i])]) {
            return false;
        }
    }
    return true;
}

TtkTokenKind TSynVelmo::IdentKind(int desde) {
    const int hash = KeyHash(desde);
    if (hash > kMaxHash) {
        return tkIdentifier;
    }
    const TClavesHash& entrada = kIdentFuncTable[hash];
    for (int i = 0; i < entrada.cuantas; ++i) {
        if (KeyComp(entrada.claves[i])) {
            return tkKey;
        }
    }
    return tkIdentifier;
}

void TSynVelmo::IdentProc() {
    fTokenID = IdentKind(Run);
    Run += fStringLen;
}

void TSynVelmo::UnknownProc() {
    fTokenID = tkUnknown;
    // One character: a multi-byte UTF-8 character stays whole.
    const unsigned char primero = Actual();
    ++Run;
    if (primero >= 0xC0) {
        int resto = primero >= 0xF0 ? 3 : (primero >= 0xE0 ? 2 : 1);
        while (resto-- > 0 && (Actual() & 0xC0) == 0x80) {
            ++Run;
        }
    }
}

} // namespace velmo
