#include "VelmoHighlighter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace velmo {
namespace {

using Token = std::pair<std::string, TtkTokenKind>;

std::vector<Token> Tokens(const std::string& linea) {
    TSynVelmo syn;
    std::vector<Token> tokens;
    syn.SetLine(linea, 1);
    while (!syn.GetEol()) {
        tokens.emplace_back(syn.GetToken(), syn.GetTokenID());
        syn.Next();
    }
    return tokens;
}

TtkTokenKind KindOf(const std::string& palabra) {
    const auto tokens = Tokens(palabra);
    EXPECT_EQ(tokens.size(), 1u) << palabra;
    return tokens.empty() ? tkNull : tokens.front().second;
}

TEST(TSynVelmo, ReservedWordsIgnoreCaseAndNeedTheirExactLength) {
    for (const char* palabra : {"MOV", "Mov", "mov", "add", "ADD", "beq", "cmp", "dw", "DW", "acum", "clear",
                                "movd", "vector", "caca", "inst0", "INST3"}) {
        EXPECT_EQ(KindOf(palabra), tkKey) << palabra;
    }
    for (const char* palabra : {"movx", "move", "mo", "adds", "x", "uno", "var1", "_mov", "ver", "code"}) {
        EXPECT_EQ(KindOf(palabra), tkIdentifier) << palabra;
    }
}

TEST(TSynVelmo, DigitsCompareEqualInsideKeywords) {
    EXPECT_EQ(KindOf("inst7"), tkKey);
    EXPECT_EQ(KindOf("inst9"), tkKey);
    // Same hash as "inst0" but a letter where the digit should be.
    EXPECT_EQ(KindOf("instA"), tkIdentifier);
    // Hash above the table: never a keyword.
    EXPECT_EQ(KindOf("zzzz"), tkIdentifier);
}

TEST(TSynVelmo, CommentRunsToTheEndOfTheLine) {
    const auto tokens = Tokens("add uno, aux ;suma");
    ASSERT_FALSE(tokens.empty());
    EXPECT_EQ(tokens.back(), Token(";suma", tkComment));
    const std::vector<Token> esperado = {{"add", tkKey},   {" ", tkSpace},      {"uno", tkIdentifier},
                                         {",", tkUnknown}, {" ", tkSpace},      {"aux", tkIdentifier},
                                         {" ", tkSpace},   {";suma", tkComment}};
    EXPECT_EQ(tokens, esperado);
    // A comment stops before a line break that the editor hands over with the line.
    const auto conFin = Tokens("; hola . 12 mov\r\n");
    const std::vector<Token> esperadoConFin = {{"; hola . 12 mov", tkComment}, {"\r\n", tkSpace}};
    EXPECT_EQ(conFin, esperadoConFin);
}

TEST(TSynVelmo, DirectiveLineWithComment) {
    const std::vector<Token> esperado = {{".data 15 ", tkDirectiva}, {";dirección", tkComment}};
    EXPECT_EQ(Tokens(".data 15 ;dirección"), esperado);
}

TEST(TSynVelmo, BlanksBeforeADirective) {
    const std::vector<Token> esperado = {{"   ", tkSpace}, {".code", tkDirectiva}};
    EXPECT_EQ(Tokens("   .code"), esperado);
    const std::vector<Token> tabulado = {{"\t ", tkSpace}, {".ver 1", tkDirectiva}, {"\n", tkSpace}};
    EXPECT_EQ(Tokens("\t .ver 1\n"), tabulado);
}

TEST(TSynVelmo, DotOutsideADirectiveLineIsUnknown) {
    const std::vector<Token> esperado = {{"mov", tkKey},     {" ", tkSpace}, {"a", tkIdentifier},
                                         {",", tkUnknown},   {" ", tkSpace}, {".", tkUnknown},
                                         {"b", tkIdentifier}};
    EXPECT_EQ(Tokens("mov a, .b"), esperado);
}

TEST(TSynVelmo, NumbersFollowedByLettersAreUnknown) {
    const std::vector<Token> esperado = {{"12", tkUnknown}, {"abc", tkIdentifier}};
    EXPECT_EQ(Tokens("12abc"), esperado);
    const std::vector<Token> subrayado = {{"7", tkUnknown}, {"_x", tkIdentifier}};
    EXPECT_EQ(Tokens("7_x"), subrayado);
    const std::vector<Token> numeros = {{"86", tkNumber}, {",", tkUnknown}, {"0", tkNumber}};
    EXPECT_EQ(Tokens("86,0"), numeros);
}

TEST(TSynVelmo, LineBreaksAndOtherCharacters) {
    const std::vector<Token> cr = {{"a", tkIdentifier}, {"\r", tkSpace}, {"b", tkIdentifier}};
    EXPECT_EQ(Tokens("a\rb"), cr);
    const std::vector<Token> lf = {{"\n", tkSpace}, {"\n", tkSpace}};
    EXPECT_EQ(Tokens("\n\n"), lf);
    // Every other character is one unknown token, a multi-byte character as a whole.
    const std::vector<Token> raros = {{"?", tkUnknown}, {":", tkUnknown}, {"ñ", tkUnknown}, {"€", tkUnknown}};
    EXPECT_EQ(Tokens("?:ñ€"), raros);
    // A broken sequence still moves on, one byte at a time, never past the end.
    const std::vector<Token> roto = {{"\xC3", tkUnknown}};
    EXPECT_EQ(Tokens("\xC3"), roto);
    EXPECT_TRUE(Tokens("").empty());
}

TEST(TSynVelmo, TokenPositionsCoverTheLineAndNoRangeCarriesOver) {
    TSynVelmo syn;
    const std::string linea = "eti:\tinst2 uno, aux ;c";
    syn.SetLine(linea, 9);
    EXPECT_EQ(syn.GetLineNumber(), 9);
    int esperado = 0;
    while (!syn.GetEol()) {
        EXPECT_EQ(syn.GetTokenPos(), esperado);
        esperado += static_cast<int>(syn.GetToken().size());
        EXPECT_EQ(syn.GetTokenKind(), static_cast<int>(syn.GetTokenID()));
        syn.Next();
    }
    EXPECT_EQ(esperado, static_cast<int>(linea.size()));
    EXPECT_EQ(syn.GetRange(), rsUnKnown);
    EXPECT_EQ(syn.GetTokenAttribute(), nullptr);
    // The end of the line stays put.
    syn.Next();
    EXPECT_TRUE(syn.GetEol());
    EXPECT_EQ(syn.GetTokenPos(), static_cast<int>(linea.size()));
}

TEST(TSynVelmo, AnyBytesAreCoveredByTokensUpToTheFirstNul) {
    TSynVelmo syn;
    std::mt19937 azar(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> largo(0, 40);
    for (int vuelta = 0; vuelta < 2000; ++vuelta) {
        std::string linea(static_cast<std::size_t>(largo(azar)), ' ');
        for (char& c : linea) {
            c = static_cast<char>(byte(azar));
        }
        const std::size_t hastaNul = std::min(linea.size(), linea.find('\0'));
        syn.SetLine(linea, vuelta);
        std::size_t cubierto = 0;
        int tokens = 0;
        while (!syn.GetEol() && tokens <= 100) {
            ASSERT_EQ(syn.GetTokenPos(), static_cast<int>(cubierto));
            ASSERT_FALSE(syn.GetToken().empty());
            cubierto += syn.GetToken().size();
            ++tokens;
            syn.Next();
        }
        ASSERT_EQ(cubierto, hastaNul);
    }
}

TEST(TSynVelmo, AttributesAndTheirDefaults) {
    TSynVelmo syn;
    const auto& atributos = syn.Atributos();
    const char* nombres[] = {"Comment", "Directiva", "Identifier", "Reserved Word",
                             "Number",  "Space",     "String"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(atributos[i]->Name(), nombres[i]);
        EXPECT_EQ(atributos[i]->Background(), clNone);
    }
    EXPECT_EQ(syn.fCommentAttri.Foreground(), 0x000080);
    EXPECT_TRUE(syn.fCommentAttri.Cursiva());
    EXPECT_FALSE(syn.fCommentAttri.Negrita());
    EXPECT_EQ(syn.fDirectivaAttri.Foreground(), 0x008000);
    EXPECT_EQ(syn.fIdentifierAttri.Foreground(), clNone);
    EXPECT_EQ(syn.fKeyAttri.Foreground(), clNone);
    EXPECT_TRUE(syn.fKeyAttri.Negrita());
    EXPECT_FALSE(syn.fKeyAttri.Cursiva());
    EXPECT_EQ(syn.fNumberAttri.Foreground(), 0x800080);
    EXPECT_EQ(syn.fSpaceAttri.Foreground(), clNone);
    EXPECT_EQ(syn.fStringAttri.Foreground(), 0xFF0000);

    EXPECT_EQ(syn.GetDefaultAttribute(0), &syn.fCommentAttri);
    EXPECT_EQ(syn.GetDefaultAttribute(1), &syn.fIdentifierAttri);
    EXPECT_EQ(syn.GetDefaultAttribute(2), &syn.fKeyAttri);
    EXPECT_EQ(syn.GetDefaultAttribute(3), &syn.fStringAttri);
    EXPECT_EQ(syn.GetDefaultAttribute(4), &syn.fSpaceAttri);
    EXPECT_EQ(syn.GetDefaultAttribute(5), nullptr);
    EXPECT_EQ(syn.GetDefaultAttribute(-1), nullptr);
}

TEST(TSynVelmo, TokenAttributeFollowsTheKind) {
    TSynVelmo syn;
    const std::vector<std::pair<std::string, const TAtributoResaltado*>> casos = {
        {";c", &syn.fCommentAttri},  {".code", &syn.fDirectivaAttri}, {"uno", &syn.fIdentifierAttri},
        {"beq", &syn.fKeyAttri},     {"15", &syn.fNumberAttri},       {"  ", &syn.fSpaceAttri},
        {"#", &syn.fIdentifierAttri}};
    for (const auto& [texto, atributo] : casos) {
        syn.SetLine(texto, 1);
        EXPECT_EQ(syn.GetTokenAttribute(), atributo) << texto;
    }
}

TEST(TSynVelmo, ChangingAnAttributeAsksForARepaint) {
    TSynVelmo syn;
    int avisos = 0;
    syn.SetOnAttributeChange([&] { ++avisos; });
    syn.fKeyAttri.SetCursiva(true);
    syn.fStringAttri.SetForeground(0x00FF00);
    syn.fSpaceAttri.SetBackground(0xFFFFFF);
    syn.fCommentAttri.SetNegrita(true);
    EXPECT_EQ(avisos, 4);
    // Setting the value already held changes nothing.
    syn.fNumberAttri.SetForeground(0x800080);
    EXPECT_EQ(avisos, 4);
}

TEST(TSynVelmo, LanguageSampleFilterAndIdentChars) {
    TSynVelmo syn;
    EXPECT_EQ(TSynVelmo::GetLanguageName(), "Velmo");
    EXPECT_EQ(TSynVelmo::GetSampleSource(),
              ".ver 1\r\n.data\r\ncosa dw ?\r\nperro dw 9\r\n.code\r\ncosa:\r\nadd casa, "
              "86 ;Sumar 86\r\nmov casa, perro\r\ninst0 78, 34");
    EXPECT_EQ(TSynVelmo::GetIdentChars(), "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(syn.GetDefaultFilter(), "All files (*.vls)|*.vls");
    EXPECT_FALSE(syn.IsFilterStored());
    syn.SetDefaultFilter("Fuentes (*.asm)|*.asm");
    EXPECT_TRUE(syn.IsFilterStored());
    syn.SetDefaultFilter("All files (*.vls)|*.vls");
    EXPECT_FALSE(syn.IsFilterStored());
}

TEST(TSynVelmo, RangeCanBeSetAndReset) {
    TSynVelmo syn;
    syn.SetRange(rsSingleLineComment);
    EXPECT_EQ(syn.GetRange(), rsSingleLineComment);
    syn.ResetRange();
    EXPECT_EQ(syn.GetRange(), rsUnKnown);
    // Every token starts unknown, even right after a comment.
    syn.SetLine(";x", 1);
    EXPECT_EQ(syn.GetRange(), rsSingleLineComment);
    syn.Next();
    EXPECT_EQ(syn.GetRange(), rsUnKnown);
}

} // namespace
} // namespace velmo
