#pragma once
// Colouring of Velmo assembly source in the workbench editor: a small table-driven tokenizer that splits
// one editor line at a time into tokens and gives each token a kind and its display attributes. It does
// not check the language; the assembler's own scanner does that, by rules of its own.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmo {

enum TtkTokenKind {
    tkComment,
    tkDirectiva,
    tkIdentifier,
    tkKey,
    tkNull,
    tkNumber,
    tkSpace,
    tkString,
    tkUnknown,
};

enum TRangeState {
    rsUnKnown,
    rsSingleLineComment,
};

/// A colour as 0xRRGGBB, or clNone for "whatever the editor uses by default".
using TColorRGB = std::int32_t;
constexpr TColorRGB clNone = -1;

/// One named set of display attributes. Every change is reported to the owner so the editor repaints.
class TAtributoResaltado {
public:
    TAtributoResaltado(std::string nombre, TColorRGB frente, bool negrita, bool cursiva);

    const std::string& Name() const { return fNombre; }
    TColorRGB Foreground() const { return fFrente; }
    TColorRGB Background() const { return fFondo; }
    bool Negrita() const { return fNegrita; }
    bool Cursiva() const { return fCursiva; }

    void SetForeground(TColorRGB color);
    void SetBackground(TColorRGB color);
    void SetNegrita(bool valor);
    void SetCursiva(bool valor);

    /// Called after every change that alters the attribute.
    void SetOnChange(std::function<void()> aviso) { fAviso = std::move(aviso); }

private:
    void Cambiado();

    std::string fNombre;
    TColorRGB fFrente;
    TColorRGB fFondo = clNone;
    bool fNegrita;
    bool fCursiva;
    std::function<void()> fAviso;
};

class TSynVelmo {
public:
    static constexpr std::string_view kFiltroPorDefecto = "All files (*.vls)|*.vls";

    TSynVelmo();
    TSynVelmo(const TSynVelmo&) = delete;
    TSynVelmo& operator=(const TSynVelmo&) = delete;

    // Scanning, one line at a time; no token spans lines.
    void SetLine(std::string_view texto, int lineNumber);
    void Next();
    bool GetEol() const { return fTokenID == tkNull; }
    std::string GetToken() const;
    int GetTokenPos() const { return fTokenPos; }
    TtkTokenKind GetTokenID() const { return fTokenID; }
    int GetTokenKind() const { return static_cast<int>(fTokenID); }
    /// The attributes of the current token's kind; null for the end of the line.
    const TAtributoResaltado* GetTokenAttribute() const;
    int GetLineNumber() const { return fLineNumber; }

    TRangeState GetRange() const { return fRange; }
    void SetRange(TRangeState rango) { fRange = rango; }
    void ResetRange() { fRange = rsUnKnown; }

    /// 0 comment, 1 identifier, 2 reserved word, 3 string, 4 whitespace; null for any other index.
    TAtributoResaltado* GetDefaultAttribute(int index);
    /// The attributes in creation order (comment, directive, identifier, reserved word, number, space,
    /// string); a position in this list is what the editor uses as the style number.
    const std::array<TAtributoResaltado*, 7>& Atributos() const { return fAtributos; }

    static std::string GetIdentChars();
    static std::string GetLanguageName() { return "Velmo"; }
    static std::string GetSampleSource();

    const std::string& GetDefaultFilter() const { return fFiltro; }
    void SetDefaultFilter(std::string filtro) { fFiltro = std::move(filtro); }
    /// The filter counts as changed only when it differs from the default one.
    bool IsFilterStored() const { return fFiltro != kFiltroPorDefecto; }

    /// Called whenever any attribute changes.
    void SetOnAttributeChange(std::function<void()> aviso) { fAvisoAtributos = std::move(aviso); }

    TAtributoResaltado fCommentAttri;
    TAtributoResaltado fDirectivaAttri;
    TAtributoResaltado fIdentifierAttri;
    TAtributoResaltado fKeyAttri;
    TAtributoResaltado fNumberAttri;
    TAtributoResaltado fSpaceAttri;
    TAtributoResaltado fStringAttri;

private:
    using TProcToken = void (TSynVelmo::*)();

    unsigned char Actual() const { return static_cast<unsigned char>(fLine[Run]); }

    void NullProc();
    void SpaceProc();
    void LFProc();
    void CRProc();
    void DirectivasProc();
    void NumberProc();
    void SingleLineCommentOpenProc();
    void IdentProc();
    void UnknownProc();

    int KeyHash(int desde);
    bool KeyComp(std::string_view clave) const;
    TtkTokenKind IdentKind(int desde);

    static const std::array<TProcToken, 256>& ProcTable();

    std::string fLine; // the line's characters; c_str() supplies the closing NUL
    int fLineNumber = 0;
    int Run = 0;
    int fTokenPos = 0;
    TtkTokenKind fTokenID = tkNull;
    TRangeState fRange = rsUnKnown;
    int fToIdent = 0;
    int fStringLen = 0;
    std::string fFiltro{kFiltroPorDefecto};
    std::array<TAtributoResaltado*, 7> fAtributos;
    std::function<void()> fAvisoAtributos;
};

} // namespace velmo
