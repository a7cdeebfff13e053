#include "Escaner.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace velmo;

namespace {

struct Token {
    int codigo;
    std::string texto;
    bool operator==(const Token&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Token& t) {
    return os << t.codigo << ":'" << t.texto << "'";
}

std::vector<Token> Tokens(TEscaner& escaner) {
    std::vector<Token> tokens;
    for (int codigo = escaner.yylex(); codigo != 0; codigo = escaner.yylex()) {
        tokens.push_back({codigo, escaner.yytext()});
    }
    return tokens;
}

std::vector<Token> Tokens(const std::string& texto, std::vector<std::string>* informes = nullptr) {
    TEscaner escaner;
    escaner.Reinicia(texto);
    escaner.SetInformeError([informes](const std::string& m) {
        if (informes != nullptr) {
            informes->push_back(m);
        }
    });
    return Tokens(escaner);
}

TEST(Escaner, KeywordsIgnoreCaseAndKeepTheirText) {
    const std::vector<Token> esperado{
        {tkMOV, "MOV"},     {tkMOV, "mov"},       {tkMOV, "MoV"},     {tkADD, "add"},     {tkBEQ, "Beq"},
        {tkCMP, "cmp"},     {tkVECTOR, "VECTOR"}, {tkCLEAR, "clear"}, {tkMOVD, "movD"},   {tkACUM, "acum"},
        {tkINST0, "inst0"}, {tkINST1, "INST1"},   {tkINST2, "Inst2"}, {tkINST3, "inst3"}, {tkDW, "Dw"}};
    EXPECT_EQ(Tokens("MOV mov MoV add Beq cmp VECTOR clear movD acum inst0 INST1 Inst2 inst3 Dw"), esperado);
}

TEST(Escaner, LongestMatchThenRuleOrder) {
    // A longer identifier beats a keyword; a colon makes a label even of a keyword's name.
    EXPECT_EQ(Tokens("addx add: inst4 inst Bucle_1"), (std::vector<Token>{{tkIDENT, "addx"},
                                                                          {tkETIQUETA, "add:"},
                                                                          {tkIDENT, "inst4"},
                                                                          {tkIDENT, "inst"},
                                                                          {tkIDENT, "Bucle_1"}}));
    EXPECT_EQ(Tokens("12ab"), (std::vector<Token>{{tkNUMERO, "12"}, {tkIDENT, "ab"}}));
    // A label's colon must follow the name directly.
    EXPECT_EQ(Tokens("eti :"), (std::vector<Token>{{tkIDENT, "eti"}, {':', ":"}}));
    EXPECT_EQ(Tokens("_a:x"), (std::vector<Token>{{tkETIQUETA, "_a:"}, {tkIDENT, "x"}}));
}

TEST(Escaner, DirectivesAndStrayDots) {
    EXPECT_EQ(
        Tokens(".ver .VER .code .Data .conf"),
        (std::vector<Token>{
            {tkVER, ".ver"}, {tkVER, ".VER"}, {tkCODE, ".code"}, {tkDATA, ".Data"}, {tkCONF, ".conf"}}));
    EXPECT_EQ(Tokens(".verx"), (std::vector<Token>{{tkVER, ".ver"}, {tkIDENT, "x"}}));
    EXPECT_EQ(Tokens(".ver1"), (std::vector<Token>{{tkVER, ".ver"}, {tkNUMERO, "1"}}));
    EXPECT_EQ(Tokens(".cod x"), (std::vector<Token>{{'.', "."}, {tkIDENT, "cod"}, {tkIDENT, "x"}}));
    EXPECT_EQ(Tokens("."), (std::vector<Token>{{'.', "."}}));
}

TEST(Escaner, PunctuationLineEndsAndUnexpectedCharacters) {
    EXPECT_EQ(
        Tokens("a,?\n-:"),
        (std::vector<Token>{
            {tkIDENT, "a"}, {tkCOMA, ","}, {tkINTERROG, "?"}, {tkFINLINEA, "\n"}, {'-', "-"}, {':', ":"}}));
}

TEST(Escaner, BlanksTabsAndCarriageReturnsAreSkipped) {
    EXPECT_EQ(Tokens(" \t add\r\n\rmov \r"),
              (std::vector<Token>{{tkADD, "add"}, {tkFINLINEA, "\n"}, {tkMOV, "mov"}}));
}

TEST(Escaner, CommentsEndAtLineEndOrDoubleQuote) {
    EXPECT_EQ(Tokens("add ; comentario, con mov\nmov"),
              (std::vector<Token>{{tkADD, "add"}, {tkFINLINEA, "\n"}, {tkMOV, "mov"}}));
    EXPECT_EQ(Tokens("; say \"x\""), (std::vector<Token>{{'"', "\""}, {tkIDENT, "x"}, {'"', "\""}}));
    EXPECT_EQ(Tokens("; año ñ"), std::vector<Token>{});
}

TEST(Escaner, NonAsciiCharacterIsOneUnexpectedCharacter) {
    const auto tokens = Tokens("niño");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0], (Token{tkIDENT, "ni"}));
    EXPECT_EQ(tokens[1].texto, "ñ");
    EXPECT_GT(tokens[1].codigo, 127);
    EXPECT_LT(tokens[1].codigo, 256);
    EXPECT_EQ(tokens[2], (Token{tkIDENT, "o"}));
    // A NUL inside the text does not end it early.
    EXPECT_EQ(Tokens(std::string("a\0b", 3)).size(), 3u);
}

TEST(Escaner, NumbersUpToFiveDigits) {
    TEscaner escaner;
    escaner.Reinicia("99999 007 0");
    EXPECT_EQ(escaner.yylex(), tkNUMERO);
    EXPECT_EQ(escaner.ValorNumero(), 99999);
    EXPECT_EQ(escaner.yylex(), tkNUMERO);
    EXPECT_EQ(escaner.ValorNumero(), 7);
    EXPECT_EQ(escaner.yytext(), "007");
    EXPECT_EQ(escaner.yylex(), tkNUMERO);
    EXPECT_EQ(escaner.ValorNumero(), 0);
}

TEST(Escaner, NumberWithSixDigitsIsReportedAndDropped) {
    std::vector<std::string> informes;
    EXPECT_EQ(Tokens("mov 100000, x", &informes),
              (std::vector<Token>{{tkMOV, "mov"}, {tkCOMA, ","}, {tkIDENT, "x"}}));
    EXPECT_EQ(informes, std::vector<std::string>{"Numero 100000 demasiado grande"});
}

TEST(Escaner, RewindsAfterTheEndSoTheSecondPassSeesTheSameTokens) {
    TEscaner escaner;
    escaner.Reinicia(".ver 1\neti: mov a, b\n");
    const auto primera = Tokens(escaner);
    const auto segunda = Tokens(escaner);
    EXPECT_EQ(primera.size(), 9u);
    EXPECT_EQ(primera, segunda);
}

TEST(Escaner, TokenLengthLimit) {
    // A comment of 254 characters after the semicolon is a 255-character token: accepted.
    EXPECT_EQ(Tokens(";" + std::string(254, 'x') + "\n"), (std::vector<Token>{{tkFINLINEA, "\n"}}));
    try {
        Tokens(";" + std::string(255, 'x') + "\n");
        FAIL() << "no overflow";
    } catch (const ErrorLexLib& e) {
        EXPECT_STREQ(e.what(), "LexLib: yytext overflow");
    }
    EXPECT_EQ(Tokens(std::string(255, 'a')).at(0).texto.size(), 255u);
    EXPECT_THROW(Tokens(std::string(256, 'a')), ErrorLexLib);
    EXPECT_THROW(Tokens(std::string(255, 'a') + ":"), ErrorLexLib);
    EXPECT_THROW(Tokens(std::string(256, ' ')), ErrorLexLib);
    EXPECT_THROW(Tokens(std::string(256, '1')), ErrorLexLib);
}

TEST(Escaner, LineAndColumnOfTheLastCharacterRead) {
    TEscaner escaner;
    escaner.Reinicia("uno\r\nañ add x\nfin");
    escaner.yylex(); // uno
    EXPECT_EQ(escaner.LineaActual(), "uno");
    EXPECT_EQ(escaner.ColumnaActual(), 2u);
    escaner.yylex(); // line end: the caret stands just after the line it closes
    EXPECT_EQ(escaner.LineaActual(), "uno");
    EXPECT_EQ(escaner.ColumnaActual(), 3u);
    escaner.yylex(); // a
    escaner.yylex(); // ñ counts as one character
    escaner.yylex(); // add
    EXPECT_EQ(escaner.LineaActual(), "añ add x");
    EXPECT_EQ(escaner.ColumnaActual(), 5u);
    EXPECT_EQ(escaner.PosicionAbsoluta(), 11u);
    escaner.yylex(); // x
    escaner.yylex(); // line end
    escaner.yylex(); // fin
    EXPECT_EQ(escaner.yylex(), 0);
    // The end does not move the position back: the report still points at the last token.
    EXPECT_EQ(escaner.LineaActual(), "fin");
    EXPECT_EQ(escaner.ColumnaActual(), 2u);
    escaner.ReiniciaPosicionAbsoluta();
    EXPECT_EQ(escaner.PosicionAbsoluta(), 0u);
}

TEST(Escaner, LineEndsForTheReport) {
    EXPECT_TRUE(TEscaner::esFinLinea(10));
    EXPECT_TRUE(TEscaner::esFinLinea(13));
    EXPECT_FALSE(TEscaner::esFinLinea(' '));
}

} // namespace
