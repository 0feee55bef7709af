#include "engine/UFunktionsParser.h"

#include <gtest/gtest.h>

namespace {

struct Umschrift { const char* term; const char* kanonisch; };

class Normalform : public ::testing::TestWithParam<Umschrift> {};

TEST_P(Normalform, GibtKanonischenText) {
    SCOPED_TRACE(GetParam().term);
    std::string k;
    Parser = Parserzustand{};
    ASSERT_TRUE(Term_normalisieren(GetParam().term, k)) << Parser.Term_Fehlertext;
    EXPECT_EQ(k, GetParam().kanonisch);
    EXPECT_FALSE(Parser.Term_Fehler);
}

INSTANTIATE_TEST_SUITE_P(Beispiele, Normalform, ::testing::Values(
    Umschrift{"-tx³+2tx", "0-K*X^3+2*K*X"},
    Umschrift{"x·cos(x)²-0,5t", "X*COS(X)^2-0.5*K"},
    Umschrift{"x^2", "X^2"}, Umschrift{"x²", "X^2"}, Umschrift{"2x²", "2*X^2"},
    Umschrift{"sin(30°)", "SIN(30*.0174532925)"},
    Umschrift{"pi/2", "P/2"}, Umschrift{"p/2", "P/2"}, Umschrift{"PI/2", "P/2"},
    Umschrift{"w(x)+w(x)+w(x)", "SQRT(X)+SQRT(X)+SQRT(X)"}, Umschrift{"w2", "SQRT2"},
    Umschrift{"exp(x)", "E^(X)"}, Umschrift{"2exp(x)", "2*E^(X)"},
    Umschrift{"2,5E-3", "2.5*10^-3"}, Umschrift{"2.5e-3", "2.5*E-3"},
    Umschrift{"2,05E17", "2.05*10^17"},
    Umschrift{"tx", "K*X"}, Umschrift{"xt", "X*K"}, Umschrift{"tt", "KT"}, Umschrift{"ttx", "TK*X"},
    Umschrift{"t", "K"}, Umschrift{"n", "K"}, Umschrift{"k", "K"},
    Umschrift{"sqrt(tx)", "SQRT(K*X)"}, Umschrift{"sin(t)", "SIN(K)"}, Umschrift{"tan(n)", "TAN(K)"},
    Umschrift{"[x+1]*2", "(X+1)*2"}, Umschrift{"(-x)", "(0-X)"}, Umschrift{"+x", "X"},
    Umschrift{"xxx", "X*X*X"}, Umschrift{"2(x+1)", "2*(X+1)"}, Umschrift{"(x+1)(x-1)", "(X+1)*(X-1)"},
    Umschrift{"2p", "2*P"}, Umschrift{"2sin(x)", "2SIN(X)"}, Umschrift{"²x", "²X"},
    // Steps that see what the earlier ones made of the text: the character after a
    // dropped I is no I of "PI"; "EXP" after "PI"; the family parameter left to right;
    // E notation on the decoded text (an overlong UTF-8 "E").
    Umschrift{"pii", "PI"}, Umschrift{"expi(x)", "E^(X)"}, Umschrift{"pipi", "P*P"},
    Umschrift{"ttt", "TKT"}, Umschrift{"tn", "TK"}, Umschrift{"2\xC1\x85" "5", "2*10^5"},
    Umschrift{"2E5E3", "2*10^5*10^3"}, Umschrift{"(-x)²", "(0-X)^2"},
    Umschrift{"w(x)°", "SQRT(X)*.0174532925"}));

struct Ablehnung { const char* term; const char* meldung; };

class Normalfehler : public ::testing::TestWithParam<Ablehnung> {};

TEST_P(Normalfehler, LehntMitMeldungAb) {
    SCOPED_TRACE(GetParam().term);
    std::string k = "unberührt";
    Parser = Parserzustand{};
    EXPECT_FALSE(Term_normalisieren(GetParam().term, k));
    EXPECT_TRUE(Parser.Term_Fehler);
    EXPECT_EQ(Parser.Term_Fehlertext, GetParam().meldung);
    EXPECT_EQ(k, "unberührt");
}

INSTANTIATE_TEST_SUITE_P(Beispiele, Normalfehler, ::testing::Values(
    Ablehnung{"", "Kette leer"},
    Ablehnung{"x+", "Operand erwartet"}, Ablehnung{"3,", "Operand erwartet"},
    Ablehnung{"x^", "Operand erwartet"},
    Ablehnung{"w", "Wurzelterm ungültig"}, Ablehnung{"W", "Wurzelterm ungültig"},
    Ablehnung{"Exp(x)", "Falsche Verwendung von E (=10^)"},
    Ablehnung{"xE", "Falsche Verwendung von E (=10^)"},
    Ablehnung{"2E+5", "Falsche Verwendung von E (=10^)"},
    Ablehnung{"xE5", "Falsche Verwendung von E (=10^)"},
    Ablehnung{"2Exp(x)", "Falsche Verwendung von E (=10^)"},
    Ablehnung{"2x y", "falsche Zeichen"}, Ablehnung{"y", "falsche Zeichen"},
    Ablehnung{"x=1", "falsche Zeichen"}, Ablehnung{"x;1", "falsche Zeichen"},
    Ablehnung{"x€", "falsche Zeichen"}, Ablehnung{"ä", "falsche Zeichen"},
    Ablehnung{"()", "falscher Klammerterm"}, Ablehnung{"x+()*2", "falscher Klammerterm"},
    // The first refusal in the order of the steps, wherever it stands in the text.
    Ablehnung{"[]", "falscher Klammerterm"}, Ablehnung{"2Ex;", "Falsche Verwendung von E (=10^)"},
    Ablehnung{"x;()", "falsche Zeichen"}, Ablehnung{"2Ex+", "Operand erwartet"}));

TEST(Zeichen_entfernen, SchneidetRaenderUndEntferntZeichen) {
    EXPECT_EQ(Zeichen_entfernen("  2 x + 1 \t", ' '), "2x+1");
    EXPECT_EQ(Zeichen_entfernen("\r\n( )\n", ' '), "()");
    EXPECT_EQ(Zeichen_entfernen("1;2;3", ';'), "123");
    EXPECT_EQ(Zeichen_entfernen("   ", ' '), "");
}

}  // namespace
