#pragma once
// The editor's side of the source colouring: QScintilla asks for styles and the Velmo tokenizer gives
// them, one style for each of its seven attributes.

#include "VelmoHighlighter.h"

#include <Qsci/qscilexercustom.h>

#include <QFont>
#include <string>

namespace velmo {

class TLexerVelmo : public QsciLexerCustom {
    Q_OBJECT
public:
    /// Style numbers: the attribute's position in TSynVelmo::Atributos().
    enum Estilo {
        esComentario = 0,
        esDirectiva = 1,
        esIdentificador = 2,
        esReservada = 3,
        esNumero = 4,
        esEspacio = 5,
        esCadena = 6,
    };
    static constexpr int kNumEstilos = 7;

    /// The font of every style, before the bold and italic of each attribute are applied.
    explicit TLexerVelmo(const QFont& fuenteBase, QObject* parent = nullptr);

    const char* language() const override;
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    QColor defaultPaper(int style) const override;
    QFont defaultFont(int style) const override;
    using QsciLexerCustom::defaultColor;
    using QsciLexerCustom::defaultFont;
    using QsciLexerCustom::defaultPaper;
    const char* wordCharacters() const override;
    void styleText(int start, int end) override;

    TSynVelmo& Resaltador() { return fSyn; }
    static int EstiloDe(TtkTokenKind tipo);
    static QString TextoEjemplo();

private:
    const TAtributoResaltado* AtributoDe(int style) const;
    void AplicaAtributos();

    TSynVelmo fSyn;
    QFont fFuenteBase;
    std::string fCaracteresPalabra;
};

} // namespace velmo
