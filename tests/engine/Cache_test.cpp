// The compiled-form cache must be invisible: every value, flag and message equals
// what normalising and parsing the text afresh gives.
#include "engine/UFunktionsParser.h"
#include "engine/UTermProgramm.h"
#include "graphics/U_KOS.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

struct Ergebnis {
    Extended wert;
    Parserzustand zustand;
};

Ergebnis auswerten(bool frisch, const std::string& term, Extended x, Extended t) {
    Parser = Parserzustand{};
    Parser.Term_Fehlertext = "alt";
    Parser.Sprungstelle = Parser.Knickstelle = true;   // a normalisation error leaves them
    Extended v = frisch ? Term_auswerten_frisch(term, x, t) : Term_auswerten(term, x, t);
    return {v, Parser};
}

void gleich(const Ergebnis& a, const Ergebnis& b, const std::string& wo) {
    ASSERT_EQ(std::memcmp(&a.wert, &b.wert, 10), 0) << wo << ": " << double(a.wert) << " vs " << double(b.wert);
    ASSERT_EQ(a.zustand.Term_Fehler, b.zustand.Term_Fehler) << wo;
    ASSERT_EQ(a.zustand.Term_Fehlertext, b.zustand.Term_Fehlertext) << wo;
    ASSERT_EQ(a.zustand.Sprungstelle, b.zustand.Sprungstelle) << wo;
    ASSERT_EQ(a.zustand.Signum_Null, b.zustand.Signum_Null) << wo;
    ASSERT_EQ(a.zustand.Knickstelle, b.zustand.Knickstelle) << wo;
}

const char* const Terme[] = {
    "-0,2tx³+0,4t²x", "x·cos(x)²-0,5t", "sgn(x+1,5)", "kx(1-x)", "w(abs(x))·sin(3x)/(1+x²)",
    "1/x", "tan(x)", "floor(x)", "abs(x-1)", "ln(x)", "sqrt(x)", "x^(1/3)", "x^t", "(-x)^0,5",
    "sqr(x)^200", "10^(x·400)", "gauf(x)", "normal(x·t)", "arcsin(x/5)", "arcoth(x)", "coth(x)",
    "cot(x)", "ln(0)+1/x", "x23", "sinx", "mod(5)", "", "()", "2x y", "1..2", "(x+1", "x)+1",
    "x^7-x^-3+t^-2", "-x^2*-t", "random(x+10)*0", "2*)", "x+.", "(-8)^(1/3)+x^(2/3)",
    "tt", "ttx", "Exp(x)", "e^x-x^e", "2,5E-3x", "cosh(x·3000)", "arcosh(x)", "artanh(x/8)",
};

TEST(Termspeicher, GleichtFrischerAuswertung) {
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> verteilung(-9, 9);
    for (int runde = 0; runde < 3; ++runde) {
        for (const char* term : Terme) {
            for (int i = 0; i < 60; ++i) {
                Extended x = i < 20 ? Extended(i - 10) / 4 : Extended(verteilung(zufall));
                Extended t = i % 3 == 0 ? 0 : Extended(verteilung(zufall));
                auto a = auswerten(false, term, x, t);
                auto b = auswerten(true, term, x, t);
                gleich(a, b, std::string(term) + " x=" + std::to_string(double(x)));
            }
        }
        if (runde == 1) Termspeicher_leeren();
    }
}

// Fused and unfused programs, folded and unfolded, agree exactly with each other
// and with single fresh evaluations, over blocks with t once and per point.
TEST(Termspeicher, VerschmolzenGleichtUnverschmolzen) {
    std::mt19937 zufall(815);
    std::uniform_real_distribution<double> verteilung(-9, 9);
    constexpr size_t n = 150;
    for (const char* term : Terme) {
        std::shared_ptr<const Programm> form[] = {Programm_uebersetzen(term, {true, true}),
                                                  Programm_uebersetzen(term, {false, false}),
                                                  Programm_uebersetzen(term, {true, false})};
        std::vector<Extended> x(n), t(n);
        for (size_t i = 0; i < n; ++i) {
            x[i] = i % 7 == 3 ? Extended(int(i % 3) - 1) : Extended(verteilung(zufall));
            t[i] = i % 4 == 0 ? 0 : Extended(verteilung(zufall));
        }
        for (bool t_je_punkt : {false, true}) {
            Extended y[3][n];
            uint8_t m[3][n];
            Termfehler f[3][n];
            for (int k = 0; k < 3; ++k) {
                Zufall_setzen(7);
                form[k]->reihe(x.data(), t.data(), t_je_punkt, n, y[k], m[k], f[k]);
            }
            Zufall_setzen(7);
            for (size_t i = 0; i < n; ++i) {
                std::string wo = std::string(term) + " i=" + std::to_string(i) + (t_je_punkt ? " t je Punkt" : "");
                Parser = Parserzustand{};
                Extended frisch = Term_auswerten_frisch(term, x[i], t[t_je_punkt ? i : 0]);
                for (int k = 0; k < 3; ++k) {
                    ASSERT_EQ(std::memcmp(&y[k][i], &frisch, 10), 0) << wo << " Form " << k;
                    ASSERT_EQ(m[k][i] & ~Marke_Fehler,
                              uint8_t(Parser.Sprungstelle * Marke_Sprungstelle | Parser.Signum_Null * Marke_Signum_Null |
                                      Parser.Knickstelle * Marke_Knickstelle)) << wo;
                    ASSERT_EQ(bool(m[k][i] & Marke_Fehler), Parser.Term_Fehler) << wo;
                    ASSERT_EQ(f[k][i], Letzte_Fehlerart()) << wo;
                }
            }
        }
    }
}

// A batch gives every point exactly what single calls in order give: values
// bitwise, the four flags, Parser afterwards and the RANDOM generator. Lengths
// cross block boundaries; failing points sit between good ones.
TEST(Termreihe, GleichtEinzelaufrufen) {
    std::mt19937 zufall(99);
    std::uniform_real_distribution<double> verteilung(-9, 9);
    const size_t laengen[] = {1, 7, 300};
    for (int runde = 0; runde < 2; ++runde) {
        for (const char* term : Terme) {
            for (size_t n : laengen) {
                for (bool t_je_punkt : {false, true}) {
                    std::vector<Extended> x(n), t(t_je_punkt ? n : 1);
                    for (size_t i = 0; i < n; ++i)   // every fifth point on 0 or an integer
                        x[i] = i % 5 == 2 ? Extended(int(i % 3) - 1) : Extended(verteilung(zufall));
                    for (auto& w : t) w = Extended(verteilung(zufall)) / 2;
                    std::vector<Extended> y(n);
                    std::vector<uint8_t> marken(n);
                    Parser = Parserzustand{};
                    Parser.Term_Fehlertext = "alt";
                    Parser.Sprungstelle = true;
                    Zufall_setzen(31);
                    Term_auswerten_Reihe(term, x, t, y, marken);
                    const Parserzustand nach_reihe = Parser;
                    const Extended zufall_reihe = Term_auswerten("random(1e9)", 0, 0);
                    Parser = Parserzustand{};
                    Parser.Term_Fehlertext = "alt";
                    Parser.Sprungstelle = true;
                    Zufall_setzen(31);
                    std::string wo = std::string(term) + " n=" + std::to_string(n) +
                                     (t_je_punkt ? " t je Punkt" : " t einmal");
                    for (size_t i = 0; i < n; ++i) {
                        Extended v = Term_auswerten(term, x[i], t[t_je_punkt ? i : 0]);
                        ASSERT_EQ(std::memcmp(&v, &y[i], 10), 0) << wo << " i=" << i;
                        uint8_t m = uint8_t(Parser.Term_Fehler * Marke_Fehler | Parser.Sprungstelle * Marke_Sprungstelle |
                                            Parser.Signum_Null * Marke_Signum_Null |
                                            Parser.Knickstelle * Marke_Knickstelle);
                        ASSERT_EQ(m, marken[i]) << wo << " i=" << i;
                    }
                    gleich({0, nach_reihe}, {0, Parser}, wo);
                    ASSERT_EQ(zufall_reihe, Term_auswerten("random(1e9)", 0, 0)) << wo;
                }
            }
        }
        Termspeicher_leeren();
    }
}

TEST(Termreihe, LeereUndUnpassendeReihenAendernNichts) {
    Parser = Parserzustand{};
    Parser.Term_Fehlertext = "alt";
    std::vector<Extended> x{1, 2, 3}, t{1, 2}, y{7, 7, 7};
    std::vector<uint8_t> marken{9, 9, 9};
    Term_auswerten_Reihe("1/0", {}, t, {}, {});
    Term_auswerten_Reihe("1/0", x, t, y, marken);                     // t neither one nor three
    Term_auswerten_Reihe("1/0", x, std::span(t).first(1), std::span(y).first(2), marken);
    EXPECT_EQ(y, (std::vector<Extended>{7, 7, 7}));
    EXPECT_EQ(marken, (std::vector<uint8_t>{9, 9, 9}));
    EXPECT_FALSE(Parser.Term_Fehler);
    EXPECT_EQ(Parser.Term_Fehlertext, "alt");
}

TEST(Termspeicher, ToleranzWirdBeimAuswertenGelesen) {
    KOS = Koordinatensystem{};
    auto vorher = auswerten(false, "sgn(x)", 0.005L, 0);
    EXPECT_FALSE(vorher.zustand.Signum_Null);
    KOS.xli = -100;
    KOS.xre = 100;
    auto nachher = auswerten(false, "sgn(x)", 0.005L, 0);
    EXPECT_TRUE(nachher.zustand.Signum_Null);
    gleich(nachher, auswerten(true, "sgn(x)", 0.005L, 0), "breites Fenster");
    // A batch keeps subterms of t from the call before only for the same tolerance.
    const std::vector<Extended> x{1, 2};
    const Extended t = 0.01L;
    std::vector<Extended> y(2);
    std::vector<uint8_t> marken(2);
    for (Extended breite : {8, 100, 8}) {
        KOS.xli = -breite;
        KOS.xre = breite;
        Term_auswerten_Reihe("sgn(t-0,005)x", x, {&t, 1}, y, marken);
        for (size_t i = 0; i < 2; ++i) {
            const Ergebnis e = auswerten(true, "sgn(t-0,005)x", x[i], t);
            EXPECT_EQ(std::memcmp(&e.wert, &y[i], 10), 0) << breite;
            EXPECT_EQ(e.zustand.Signum_Null, bool(marken[i] & Marke_Signum_Null)) << breite;
        }
    }
    KOS = Koordinatensystem{};
}

// Single calls keep subterms of t folded only while t and the jump tolerance are
// what they were: runs of one t (zeros of both signs, a NaN, values where the folded
// part fails or raises a flag), the window widened and narrowed under an unchanged t.
TEST(Termspeicher, GefalteteEinzelaufrufeGleichenFrischen) {
    const char* const terme[] = {"-0,2tx³+0,4t²x", "sgn(t-1,01)·x+abs(t-1,01)", "ln(t)+x", "x/(t-2)+1/t",
                                 "floor(t)·x", "random(t+5)·x+t²", "sqrt(t)·x^t", "2t", "x·cos(t)²-0,5t"};
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended ts[] = {2, 2, 0, 0, 1.02L, 1.02L, 1.02L, 1.02L, -0.0L, -0.0L, nan, nan, -1, 2, 1e-4000L, 1e-4000L};
    for (const char* term : terme) {
        Termspeicher_leeren();
        for (int runde = 0; runde < 2; ++runde) {
            for (size_t k = 0; k < std::size(ts); ++k) {
                KOS = Koordinatensystem{};
                if (k % 4 >= 2) KOS.xli = -100, KOS.xre = 100;
                for (Extended x : {-1.5L, 0.0L, 2.25L}) {
                    Zufall_setzen(uint32_t(k));
                    auto a = auswerten(false, term, x, ts[k]);
                    Zufall_setzen(uint32_t(k));
                    gleich(a, auswerten(true, term, x, ts[k]),
                           std::string(term) + " k=" + std::to_string(k) + " x=" + std::to_string(double(x)));
                }
            }
        }
    }
    KOS = Koordinatensystem{};
}

TEST(Termspeicher, VieleVerschiedeneTermeBleibenBegrenzt) {
    // Every text is new: the cache must keep answering correctly past its bound.
    for (int i = 0; i < 5000; ++i) {
        std::string term = "x+" + std::to_string(i);
        ASSERT_EQ(Term_auswerten(term, 1, 0), 1 + i);
    }
    EXPECT_EQ(Term_auswerten("x+17", 1, 0), 18);
}

}  // namespace
