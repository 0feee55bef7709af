// The compiled-form cache must be invisible: every value, flag and message equals
// what normalising and parsing the text afresh gives.
#include "engine/UFunktionsParser.h"
#include "engine/UTermProgramm.h"
#include "graphics/U_KOS.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

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

// Deeply nested terms run as a step program instead of the tree: both forms of
// every term must agree exactly.
TEST(Termspeicher, SchrittprogrammGleichtBaum) {
    std::mt19937 zufall(815);
    std::uniform_real_distribution<double> verteilung(-9, 9);
    for (const char* term : Terme) {
        auto p = Programm_uebersetzen(term);
        for (int i = 0; i < 40; ++i) {
            Extended x = Extended(verteilung(zufall)), t = i % 4 == 0 ? 0 : Extended(verteilung(zufall));
            Ergebnis e[2];
            for (int k = 0; k < 2; ++k) {
                Parser = Parserzustand{};
                Parser.Term_Fehlertext = "alt";
                Zufall_setzen(7);
                Extended v = p->ausfuehren(x, t, k == 1);
                e[k] = {v, Parser};
            }
            gleich(e[0], e[1], std::string(term) + " x=" + std::to_string(double(x)));
        }
    }
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
