#include "LexerVelmo.h"

#include <Qsci/qsciscintilla.h>

#include <QByteArray>

namespace velmo {

namespace {

QColor ColorDe(TColorRGB rgb, const QColor& porDefecto) {
    return rgb == clNone ? porDefecto : QColor::fromRgb(static_cast<QRgb>(rgb));
}

} // namespace

TLexerVelmo::TLexerVelmo(const QFont& fuenteBase, QObject* parent)
    : QsciLexerCustom(parent), fFuenteBase(fuenteBase), fCaracteresPalabra(TSynVelmo::GetIdentChars()) {
    setDefaultFont(fuenteBase);
    // A changed attribute reaches the editor through the lexer's own signals, which repaint it.
    fSyn.SetOnAttributeChange([this] { AplicaAtributos(); });
}

const char* TLexerVelmo::language() const {
    return "Velmo";
}

const TAtributoResaltado* TLexerVelmo::AtributoDe(int style) const {
    if (style < 0 || style >= kNumEstilos) {
        return nullptr;
    }
    return fSyn.Atributos()[static_cast<std::size_t>(style)];
}

QString TLexerVelmo::description(int style) const {
    const TAtributoResaltado* atributo = AtributoDe(style);
    return atributo ? QString::fromStdString(atributo->Name()) : QString();
}

QColor TLexerVelmo::defaultColor(int style) const {
    const TAtributoResaltado* atributo = AtributoDe(style);
    return atributo ? ColorDe(atributo->Foreground(), QsciLexerCustom::defaultColor())
                    : QsciLexerCustom::defaultColor(style);
}

QColor TLexerVelmo::defaultPaper(int style) const {
    const TAtributoResaltado* atributo = AtributoDe(style);
    return atributo ? ColorDe(atributo->Background(), QsciLexerCustom::defaultPaper())
                    : QsciLexerCustom::defaultPaper(style);
}

QFont TLexerVelmo::defaultFont(int style) const {
    QFont fuente = fFuenteBase;
    if (const TAtributoResaltado* atributo = AtributoDe(style)) {
        fuente.setBold(atributo->Negrita());
        fuente.setItalic(atributo->Cursiva());
    }
    return fuente;
}

const char* TLexerVelmo::wordCharacters() const {
    return fCaracteresPalabra.c_str();
}

void TLexerVelmo::AplicaAtributos() {
    for (int estilo = 0; estilo < kNumEstilos; ++estilo) {
        setColor(defaultColor(estilo), estilo);
        setPaper(defaultPaper(estilo), estilo);
        setFont(defaultFont(estilo), estilo);
    }
}

int TLexerVelmo::EstiloDe(TtkTokenKind tipo) {
    switch (tipo) {
    case tkComment:
        return esComentario;
    case tkDirectiva:
        return esDirectiva;
    case tkIdentifier:
    case tkUnknown:
        return esIdentificador;
    case tkKey:
        return esReservada;
    case tkNumber:
        return esNumero;
    case tkString:
        return esCadena;
    case tkSpace:
    case tkNull:
        return esEspacio;
    }
    return esEspacio;
}

QString TLexerVelmo::TextoEjemplo() {
    return QString::fromStdString(TSynVelmo::GetSampleSource());
}

void TLexerVelmo::styleText(int start, int end) {
    QsciScintilla* ed = editor();
    if (ed == nullptr || end <= start) {
        return;
    }
    const int primera = static_cast<int>(ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start));
    const int ultima = static_cast<int>(ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, end - 1));
    for (int linea = primera; linea <= ultima; ++linea) {
        const int inicio =
            static_cast<int>(ed->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, linea));
        const int largo = static_cast<int>(ed->SendScintilla(QsciScintillaBase::SCI_LINELENGTH, linea));
        QByteArray bytes(largo, '\0');
        if (largo > 0) {
            ed->SendScintilla(QsciScintillaBase::SCI_GETLINE, linea, bytes.data());
        }
        startStyling(inicio);
        int estilado = 0;
        fSyn.SetLine(std::string_view(bytes.constData(), static_cast<std::size_t>(largo)), linea + 1);
        while (!fSyn.GetEol()) {
            const int tamano = static_cast<int>(fSyn.GetToken().size());
            setStyling(tamano, EstiloDe(fSyn.GetTokenID()));
            estilado += tamano;
            fSyn.Next();
        }
        // A NUL inside the line ends the tokens early; the rest keeps the plain look.
        if (estilado < largo) {
            setStyling(largo - estilado, esEspacio);
        }
    }
}

} // namespace velmo
