#include "engine/UFunktionsParser.h"
#include "graphics/U_KOS.h"
#include "platform/Dialoge_Skript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>
#include <numbers>

namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

struct Wert { const char* term; Extended x, t, erwartet; };

class Werte : public ::testing::TestWithParam<Wert> {};

TEST_P(Werte, RechnetRichtig) {
    KOS = Koordinatensystem{};
    const auto& w = GetParam();
    SCOPED_TRACE(w.term);
    Extended v = Term_auswerten(w.term, w.x, w.t);
    ASSERT_FALSE(Parser.Term_Fehler) << Parser.Term_Fehlertext;
    EXPECT_NEAR(double(v), double(w.erwartet), 1e-12 * std::max(1.0, std::fabs(double(w.erwartet))));
}

INSTANTIATE_TEST_SUITE_P(Rechenregeln, Werte, ::testing::Values(
    Wert{"2^3^2", 0, 0, 64}, Wert{"-2^2", 0, 0, -4}, Wert{"2*-3^2", 0, 0, 18},
    Wert{"2*-x^2", 3, 0, 18}, Wert{"x^-2", 2, 0, 0.25L}, Wert{"-x^2", 3, 0, -9},
    Wert{"(-x^2)", 3, 0, -9}, Wert{"2-3-4", 0, 0, -5}, Wert{"2/4/2", 0, 0, 0.25L},
    Wert{"2+3*4^2", 0, 0, 50}, Wert{"2*(3+4)+1", 0, 0, 15}, Wert{"1,5E3", 0, 0, 1500},
    Wert{"(-8)^(1/3)", 0, 0, -2}, Wert{"(-8)^(2/3)", 0, 0, 4}, Wert{"0^0", 0, 0, 1},
    Wert{"x^(4/5)", -32, 0, 16}, Wert{"x^0,8", -32, 0, 16}, Wert{"x^3", -2, 0, -8},
    Wert{"10^-5000", 0, 0, 0}, Wert{"1E-4000*1E-4000", 0, 0, 0},
    Wert{"-tx³+2tx", 2, 3, -12}, Wert{"x·cos(x)²-0,5t", 1, 2, std::cos(1.0L) * std::cos(1.0L) - 1},
    Wert{"s(3)", 0, 0, 9}, Wert{"x2", 5, 0, 5}, Wert{"(x+1", 2, 0, 3}, Wert{"x)+1", 2, 0, 2},
    Wert{"2(3", 0, 0, 6}, Wert{"tt", 0, 7, 7}, Wert{"kx(1-x)", 0.5L, 4, 1},
    Wert{"exp(1)", 0, 0, std::numbers::e_v<Extended>}, Wert{"e", 0, 0, std::numbers::e_v<Extended>},
    Wert{"sin(30°)", 0, 0, std::sin(30 * 0.0174532925L)}, Wert{"w(2)", 0, 0, std::numbers::sqrt2_v<Extended>},
    Wert{"gauf(0)", 0, 0, 0.5L}, Wert{"normal(0)", 0, 0, 1 / std::sqrt(2 * Pi)},
    Wert{"arccot(0)", 0, 0, Pi / 2}, Wert{"arccot(-1)", 0, 0, 3 * Pi / 4}, Wert{"arccot(1)", 0, 0, Pi / 4},
    Wert{"arcsin(1)", 0, 0, Pi / 2}, Wert{"arccos(-1)", 0, 0, Pi}, Wert{"lg(1000)", 0, 0, 3},
    Wert{"ld(8)", 0, 0, 3}, Wert{"cosh(0)", 0, 0, 1}, Wert{"tanh(0)", 0, 0, 0},
    Wert{"arsinh(sinh(2))", 0, 0, 2}, Wert{"arcosh(cosh(2))", 0, 0, 2},
    Wert{"artanh(tanh(0,5))", 0, 0, 0.5L}, Wert{"arcoth(coth(2))", 0, 0, 2},
    Wert{"floor(-2,5)", 0, 0, -3}, Wert{"cot(1)", 0, 0, 1 / std::tan(1.0L)}));

struct Fehler { const char* term; Extended x; const char* meldung; };

class Fehlschlaege : public ::testing::TestWithParam<Fehler> {};

TEST_P(Fehlschlaege, MeldetUndGibtFehlerwert) {
    KOS = Koordinatensystem{};
    SCOPED_TRACE(GetParam().term);
    Parser.Term_Fehlertext = "vorher";
    Extended v = Term_auswerten(GetParam().term, GetParam().x, 1);
    EXPECT_TRUE(Parser.Term_Fehler);
    EXPECT_EQ(Parser.Term_Fehlertext, GetParam().meldung);
    EXPECT_EQ(v, Fehlerwert);
}

INSTANTIATE_TEST_SUITE_P(Meldungen, Fehlschlaege, ::testing::Values(
    Fehler{"1/0", 0, "Division durch Null"}, Fehler{"1/(x-1)", 1, "Division durch Null"},
    Fehler{"", 0, "Kette leer"}, Fehler{"(-8)^0,5", 0, "Fehler beim Potenzieren"},
    Fehler{"0^(-1)", 0, "Fehler beim Potenzieren"}, Fehler{"x^(1/2)", -4, "Fehler beim Potenzieren"},
    Fehler{"10^5000", 0, "Fehler beim Potenzieren"},
    Fehler{"1E4000*1E4000", 0, "Fehler bei der Multiplikation"},
    Fehler{"1E4932+1E4932", 0, "Fehler bei der Addition"},
    Fehler{"0-1E4932-1E4932", 0, "Fehler bei der Subtraktion"},
    Fehler{"ln(0)", 0, "ln(a<=0) nicht erlaubt"}, Fehler{"lg(-1)", 0, "lg(a<=0) nicht erlaubt"},
    Fehler{"ld(0)", 0, "ld(a<=0) nicht erlaubt"}, Fehler{"sqrt(-1)", 0, "Radikand kleiner als Null"},
    Fehler{"arcsin(2)", 0, "|a|>1 nicht erlaubt bei arcsin"},
    Fehler{"arccos(-1,5)", 0, "|a|>1 nicht erlaubt bei arccos"},
    Fehler{"artanh(1)", 0, "|a|>=1 nicht erlaubt bei artanh"},
    Fehler{"arcoth(0,5)", 0, "|a|<=1 nicht erlaubt bei arcoth"},
    Fehler{"arcosh(0,5)", 0, "a<1 oder a zu groß bei arcosh"},
    Fehler{"coth(0)", 0, "a=0 oder a zu groß bei coth"},
    Fehler{"cosh(20000)", 0, "a zu groß für cosh"}, Fehler{"sinh(-20000)", 0, "a zu groß für sinh"},
    Fehler{"tanh(20000)", 0, "a zu groß für tanh"}, Fehler{"cot(0)", 0, "cot(n*pi) nicht erlaubt"},
    Fehler{"mod(5)", 0, "ungültiger Funktionsaufruf"}, Fehler{"mod(5)+1", 0, "ungültiger Funktionsaufruf"},
    Fehler{"sinx", 0, "ungültiger Funktionsaufruf"}, Fehler{"ttx", 0, "ungültiger Funktionsaufruf"},
    Fehler{"w2", 0, "ungültiger Funktionsaufruf"}, Fehler{"2sin(x)", 0, "Operator erwartet"},
    Fehler{"x23", 0, "Operator erwartet"}, Fehler{"1..2", 0, "fehlerhafte Zahl"},
    Fehler{"x+.", 0, "fehlerhafte Zahl"}, Fehler{"2*)", 0, "Operand erwartet"},
    Fehler{"y", 0, "falsche Zeichen"},
    // a later failure replaces the earlier message
    Fehler{"ln(0)+1/0", 0, "Division durch Null"}, Fehler{"sqrt(-1)+ln(0)", 0, "ln(a<=0) nicht erlaubt"},
    // a failed argument does not raise a second message in the function that receives it
    Fehler{"ln(sqrt(-1))", 0, "Radikand kleiner als Null"},
    // failures without a message of their own keep the earlier text
    Fehler{"sqr(1E3000)", 0, "vorher"}, Fehler{"floor(1E20)", 0, "vorher"},
    Fehler{"random(0)", 0, "vorher"}, Fehler{"random(-3)", 0, "vorher"}));

struct Flaggen { const char* term; Extended x, erwartet; bool sprung, signum, knick; };

TEST(Sprungflaggen, FolgenDerToleranzDesFensters) {
    KOS = Koordinatensystem{};
    const Flaggen faelle[] = {
        {"sgn(x)", 0, 0, true, true, false},        {"sgn(x)", 0.001L, 0, true, true, false},
        {"sgn(x)", 0.002L, 1, false, false, false}, {"sgn(x)", -0.002L, -1, false, false, false},
        {"floor(x)", 2.0005L, 2, true, false, false}, {"floor(x)", 1.9995L, 1, false, false, false},
        {"abs(x)", 0.001L, 0.001L, false, false, true}, {"abs(x)", 0.002L, 0.002L, false, false, false},
        {"sgn(x+1,5)", -1.5L, 0, true, true, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.term) + " bei " + std::to_string(double(f.x)));
        Extended v = Term_auswerten(f.term, f.x, 0);
        EXPECT_FALSE(Parser.Term_Fehler);
        EXPECT_NEAR(double(v), double(f.erwartet), 1e-15);
        EXPECT_EQ(Parser.Sprungstelle, f.sprung);
        EXPECT_EQ(Parser.Signum_Null, f.signum);
        EXPECT_EQ(Parser.Knickstelle, f.knick);
    }
    EXPECT_NEAR(double(Sprungtoleranz()), 0.00125, 1e-18);
    KOS.xli = -80;
    KOS.xre = 80;   // ten times wider: the tolerance follows at once
    Term_auswerten("sgn(x)", 0.01L, 0);
    EXPECT_TRUE(Parser.Signum_Null);
    KOS = Koordinatensystem{};
    Term_auswerten("sgn(x)", 0.01L, 0);
    EXPECT_FALSE(Parser.Signum_Null);
}

TEST(Normalverteilung, BleibtWeitDraussenStabil) {
    Extended vorher = 0;
    for (int i = -400; i <= 400; ++i) {
        Extended a = i / 20.0L;
        Extended v = Term_auswerten("gauf(x)", a, 0);
        ASSERT_FALSE(Parser.Term_Fehler) << double(a);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 1);
        ASSERT_GE(v + 1e-12L, vorher) << "not monotone at " << double(a);
        vorher = v;
    }
    EXPECT_NEAR(double(Term_auswerten("gauf(1,96)", 0, 0)), 0.9750021048517795, 1e-9);
    EXPECT_NEAR(double(Term_auswerten("gauf(10)", 0, 0)), 1.0, 1e-15);
    EXPECT_NEAR(double(Term_auswerten("gauf(-10)", 0, 0)), 7.619853024160527e-24, 1e-30);
    EXPECT_NEAR(double(Term_auswerten("gauf(-6)", 0, 0)), 9.865876450376981e-10, 1e-16);
    // both methods agree where they meet
    EXPECT_NEAR(double(Term_auswerten("gauf(4,9999)", 0, 0)), double(Term_auswerten("gauf(5,0001)", 0, 0)), 1e-9);
}

TEST(Zufall, GanzeZahlenImBereich) {
    for (int i = 0; i < 200; ++i) {
        Extended v = Term_auswerten("random(5)", 0, 0);
        ASSERT_FALSE(Parser.Term_Fehler);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 4);
        ASSERT_EQ(v, std::floor(v));
    }
    EXPECT_EQ(Term_auswerten("random(0,4)", 0, 0), Fehlerwert);   // rounds to 0
    EXPECT_TRUE(Parser.Term_Fehler);
}

TEST(Schachtelung, TiefeKlammernEndenMitMeldung) {
    std::string tief = std::string(5000, '(') + "x" + std::string(5000, ')');
    EXPECT_EQ(Term_auswerten(tief, 1, 0), Fehlerwert);
    EXPECT_EQ(Parser.Term_Fehlertext, "falscher Klammerterm");
    std::string flach = std::string(100, '(') + "x" + std::string(100, ')');
    EXPECT_EQ(Term_auswerten(flach, 3, 0), 3);
    std::string kette = "x";
    for (int i = 0; i < 3000; ++i) kette += "^-x";
    Term_auswerten(kette, 1, 0);   // must end without exhausting the stack
}

TEST(Pruefen, NurSyntaxfehlerWerdenGemeldet) {
    Skript_Dialoge d;
    EXPECT_TRUE(Term_pruefen("1/(x-1)"));
    EXPECT_TRUE(Term_pruefen("ln(x-1)"));
    EXPECT_TRUE(Term_pruefen(""));
    EXPECT_TRUE(d.meldungen.empty());
    EXPECT_FALSE(Term_pruefen("sinx"));
    EXPECT_FALSE(Term_pruefen("x23"));
    EXPECT_FALSE(Term_pruefen("2x y"));
    ASSERT_EQ(d.meldungen.size(), 3u);
    EXPECT_EQ(d.meldungen[0], "ungültiger Funktionsaufruf");
    EXPECT_EQ(d.meldungen[1], "Operator erwartet");
    EXPECT_EQ(d.meldungen[2], "falsche Zeichen");
    // a failure without a message of its own is not mistaken for the older syntax message
    EXPECT_TRUE(Term_pruefen("floor(1E20)"));
    EXPECT_EQ(d.meldungen.size(), 3u);
}

TEST(ZahlAusTerm, LiestKonstanteTerme) {
    Skript_Dialoge d;
    Extended w = -1;
    EXPECT_TRUE(Zahl_aus_Term("pi/2", w));
    EXPECT_NEAR(double(w), double(Pi / 2), 1e-18);
    EXPECT_TRUE(Zahl_aus_Term("w(2)", w));
    EXPECT_NEAR(double(w), std::sqrt(2.0), 1e-15);
    w = 7;
    EXPECT_FALSE(Zahl_aus_Term("x23", w));
    EXPECT_EQ(w, 7);
    EXPECT_EQ(d.meldungen.size(), 1u);
    EXPECT_EQ(d.piepser, 0);
    EXPECT_FALSE(Zahl_aus_Term("ln(x)", w));   // fine at 1, fails at 0
    EXPECT_EQ(w, Fehlerwert);
    EXPECT_EQ(d.piepser, 1);
    EXPECT_FALSE(Zahl_aus_Term("", w));
    EXPECT_EQ(d.piepser, 2);
    EXPECT_EQ(d.meldungen.size(), 1u);
}

TEST(Bruch, KettenbruchFindetZaehlerUndNenner) {
    struct Fall { Extended x; bool ok; int32_t z, n; };
    const Fall faelle[] = {
        {0.75L, true, 3, 4}, {-3.5L, true, -7, 2}, {0.333333333333333333L, true, 1, 3},
        {0, true, 0, 1}, {5, true, 5, 1}, {-0.125L, true, -1, 8}, {2.0L / 7, true, 2, 7},
        {1e30L, false, 0, 1}, {3e9L, false, 0, 1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(double(f.x));
        int32_t z = 99, n = 99;
        EXPECT_EQ(Bruch_naeherung(f.x, z, n), f.ok);
        EXPECT_EQ(z, f.z);
        EXPECT_EQ(n, f.n);
    }
    int32_t z, n;
    ASSERT_TRUE(Bruch_naeherung(std::numbers::sqrt2_v<Extended>, z, n));
    EXPECT_LT(std::fabs(Extended(z) / n - std::numbers::sqrt2_v<Extended>), 1e-14L);

    Extended a = 6, b = 4;
    EXPECT_TRUE(Bruch_kuerzen(a, b));
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 2);
    a = 1e20L; b = 1;
    EXPECT_FALSE(Bruch_kuerzen(a, b));
    EXPECT_EQ(a, 1e20L);
    EXPECT_EQ(b, 1);
}

TEST(Potenz, NegativeBasisNurMitUngeradenNennern) {
    struct Fall { Extended a, b; bool ok; Extended w; };
    const Fall faelle[] = {
        {-8, 1.0L / 3, true, -2}, {-8, 2.0L / 3, true, 4}, {-32, 0.8L, true, 16}, {-32, 0.2L, true, -2},
        {-4, 0.5L, false, 0}, {0, -1, false, 0}, {0, -0.5L, false, 0}, {0, 0, true, 1}, {0, 2.5L, true, 0},
        {2, 10, true, 1024}, {-2, 3, true, -8}, {-2, -2, true, 0.25L}, {10, 5000, false, 0},
        {2, 0.5L, true, std::numbers::sqrt2_v<Extended>},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(double(f.a)) + "^" + std::to_string(double(f.b)));
        Extended w = 12345;
        ASSERT_EQ(Potenz(f.a, f.b, w), f.ok);
        if (f.ok) {
            EXPECT_NEAR(double(w), double(f.w), 1e-15);
        }
    }
}

}  // namespace

namespace {

TEST(Zahlen, RundenWieDieBibliothek) {
    std::mt19937_64 zufall(99);
    for (int i = 0; i < 20000; ++i) {
        int vorne = int(zufall() % 12), hinten = int(zufall() % 32);
        std::string text;
        for (int k = 0; k < vorne; ++k) text += char('0' + zufall() % 10);
        if (hinten > 0 || vorne == 0) text += '.';
        for (int k = 0; k < hinten; ++k) text += char('0' + zufall() % 10);
        if (text == ".") continue;
        Extended erwartet = 0;
        auto [rest, ec] = std::from_chars(text.data(), text.data() + text.size(), erwartet,
                                          std::chars_format::fixed);
        ASSERT_EQ(ec, std::errc());
        std::string term = text;
        std::replace(term.begin(), term.end(), '.', ',');
        Extended v = Term_auswerten(term, 0, 0);
        ASSERT_FALSE(Parser.Term_Fehler) << text;
        ASSERT_EQ(v, erwartet) << text;
    }
}

}  // namespace
