#include "numeric/UMatheBasisOp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

struct Zelle { std::string text; bool zahl; Extended wert; int fehlerposition; };

std::ostream& operator<<(std::ostream& os, const Zelle& z) { return os << "«" << z.text << "»"; }

class Zellenregel : public ::testing::TestWithParam<Zelle> {};

TEST_P(Zellenregel, LiestWertOderFehlerstelle) {
    const auto& z = GetParam();
    Extended x = 123;
    int fehler = -1;
    EXPECT_EQ(Zelle_auswerten(z.text, x, fehler), z.zahl);
    EXPECT_EQ(fehler, z.fehlerposition);
    EXPECT_EQ(x, z.wert);
}

INSTANTIATE_TEST_SUITE_P(Zahlen, Zellenregel, ::testing::Values(
    Zelle{"3,731E-5", true, 3.731e-5L, 0}, Zelle{"3.731e-5", true, 3.731e-5L, 0},
    Zelle{" 12", true, 12, 0}, Zelle{"-7/2", true, -3.5L, 0}, Zelle{"5.", true, 5, 0},
    Zelle{".5", true, 0.5L, 0}, Zelle{"3/4", true, 0.75L, 0}, Zelle{"1,5/3", true, 0.5L, 0},
    Zelle{"+2", true, 2, 0}, Zelle{"1E+3", true, 1000, 0}, Zelle{"3/ 4", true, 0.75L, 0},
    Zelle{"-,25", true, -0.25L, 0}, Zelle{"0/5", true, 0, 0}, Zelle{"2,05E17", true, 2.05e17L, 0},
    Zelle{"1E-5000", true, 0, 0}, Zelle{"1,18973149535723176e4932", true, 1.18973149535723176e4932L, 0},
    Zelle{"0,1", true, 0.1L, 0}, Zelle{"123456789012345678901234567890", true, 123456789012345678901234567890.0L, 0}));

INSTANTIATE_TEST_SUITE_P(KeineZahlen, Zellenregel, ::testing::Values(
    Zelle{"12 ", false, 0, 3}, Zelle{"pi", false, 0, 1}, Zelle{"1/0", false, 0, 3},
    Zelle{"1/", false, 0, 3}, Zelle{"/2", false, 0, 1}, Zelle{"2/3/4", false, 0, 3},
    Zelle{"", false, 0, 1}, Zelle{"   ", false, 0, 4}, Zelle{"-", false, 0, 2}, Zelle{".", false, 0, 1},
    Zelle{"1e", false, 0, 3}, Zelle{"1e+", false, 0, 4}, Zelle{"1.2.3", false, 0, 4},
    Zelle{"1,2,3", false, 0, 4}, Zelle{"Matrix B", false, 0, 1}, Zelle{"a;b", false, 0, 1},
    Zelle{"3 /4", false, 0, 2}, Zelle{"1 2", false, 0, 2}, Zelle{"1/0,0", false, 0, 3},
    Zelle{"--1", false, 0, 2}, Zelle{"E5", false, 0, 1}, Zelle{"2\u00B2", false, 0, 2},
    // Positions count characters, not the bytes of «ä».
    Zelle{"\u00E4\u00E41/x", false, 0, 5}, Zelle{"1\u00E4", false, 0, 2},
    // Overflow while reading, and in the final division.
    Zelle{"1E5000", false, 0, 1}, Zelle{"1E4000/1E-4000", false, 0, 1}));

struct Bruchtext { std::string vorher; bool zahl; std::string nachher; };

class Bruchanzeige : public ::testing::TestWithParam<Bruchtext> {};

TEST_P(Bruchanzeige, ZellentextWirdBruch) {
    const auto& b = GetParam();
    std::string s = b.vorher;
    EXPECT_EQ(Zellentext_als_Bruch(s), b.zahl);
    EXPECT_EQ(s, b.nachher);
}

INSTANTIATE_TEST_SUITE_P(Zellen, Bruchanzeige, ::testing::Values(
    Bruchtext{"0,75", true, "3/4"}, Bruchtext{"3/4", true, "3/4"}, Bruchtext{"6/8", true, "3/4"},
    Bruchtext{"-3,5", true, "-7/2"}, Bruchtext{"4,0", true, "4"}, Bruchtext{"0,333333333333333333", true, "1/3"},
    Bruchtext{"1000000000000,5", true, "1000000000000,5"}, Bruchtext{"Matrix B", false, "Matrix B"},
    Bruchtext{"a;b", false, "a;b"}, Bruchtext{"1/0", false, "1/0"}, Bruchtext{"", false, ""}));

TEST(Bruch, GanzzahligNachKettenbruch) {
    EXPECT_TRUE(Ist_ganzzahlig(4));
    EXPECT_TRUE(Ist_ganzzahlig(-7));
    EXPECT_TRUE(Ist_ganzzahlig(0));
    EXPECT_TRUE(Ist_ganzzahlig(4.000000000000001L));   // within the finder's tolerance
    EXPECT_FALSE(Ist_ganzzahlig(2.5L));
    EXPECT_FALSE(Ist_ganzzahlig(1e12L + 0.5L));
    EXPECT_EQ(Zahl_als_Bruch(0.1L), "1/10");
    EXPECT_EQ(Zahl_als_Bruch(-2.0L / 3), "-2/3");
    EXPECT_EQ(Zahl_als_Bruch(-4), "-4");
}

struct Polynom { std::vector<Extended> c; int n; bool fix; int P, D; bool bruch; std::string text; };

class Polynomtext : public ::testing::TestWithParam<Polynom> {};

TEST_P(Polynomtext, SchreibtGleichung) {
    const auto& p = GetParam();
    std::array<Extended, 43> c{};
    for (size_t k = 0; k < p.c.size(); ++k) c[k] = p.c[k];
    EXPECT_EQ(Polynom_als_Text(c, p.n, p.fix, p.P, p.D, p.bruch), p.text);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Polynomtext, ::testing::Values(
    Polynom{{1, -2, 3}, 2, false, 9, 6, false, "3x\u00B2-2x+1"},
    Polynom{{0.5L, 0, -1.0L / 3}, 2, false, 9, 6, true, "-1/3x\u00B2+1/2"},
    Polynom{{-1, 1}, 1, false, 9, 6, false, "1x-1"},
    Polynom{{0, 0, 0}, 2, false, 9, 6, false, ""},
    Polynom{{-1, 0, 0, 2}, 3, false, 9, 6, false, "2x\u00B3-1"},
    Polynom{{0.5L, 0, 0, 0, -1, 2}, 5, false, 9, 6, false, "2x^5-1x^4+0,5"},
    // Degree below the highest non-zero entry: only entries up to n are written.
    Polynom{{1, 2, 3}, 1, false, 9, 6, false, "2x+1"},
    // Fixed mode: the column padding does not survive inside the equation.
    Polynom{{-2.5L, 1.5L}, 1, true, 8, 5, false, "1,50000x-2,50000"},
    Polynom{{0, -1}, 1, false, 8, 5, false, "-1x"},
    Polynom{{1}, -1, false, 9, 6, false, ""}));

TEST(Polynomtext, HoechsterGradUndZuGrosserGrad) {
    std::array<Extended, 43> c{};
    c[42] = 1;
    c[0] = -3;
    EXPECT_EQ(Polynom_als_Text(c, 42, false, 9, 6, false), "1x^42-3");
    EXPECT_EQ(Polynom_als_Text(c, 100, false, 9, 6, false), "1x^42-3");
}

// Whatever the table writes, it reads back as the same value to 15 digits, and
// writing the read value again gives the same text.
TEST(Rundreise, TabellentextLiestSichZurueck) {
    std::mt19937_64 zufall(20240611);
    std::uniform_real_distribution<double> mantisse(1.0, 10.0);
    std::uniform_int_distribution<int> weit(-4900, 4900), eng(-8, 18), bits(0, 1);
    for (int i = 0; i < 20000; ++i) {
        const int k = i % 2 ? weit(zufall) : eng(zufall);
        Extended x = Extended(mantisse(zufall)) * std::pow(10.0L, k);
        x += x * Extended(mantisse(zufall)) * 1e-17L;   // bits beyond double
        if (bits(zufall)) x = -x;
        const std::string text = Zahl_allgemein(x);
        Extended y = 0;
        int fehler = -1;
        ASSERT_TRUE(Zelle_auswerten(text, y, fehler)) << text << " Fehler bei " << fehler;
        ASSERT_LE(std::fabs(y - x), 5.0000001e-15L * std::fabs(x)) << text;
        ASSERT_EQ(Zahl_allgemein(y), text);
    }
}

TEST(Ausgabeformat, VorgabenUndStellenregel) {
    Zahlausgabe = Zahlausgabezustand{};
    EXPECT_EQ(Zahlausgabe.Gesamtstellen, 9);
    EXPECT_EQ(Zahlausgabe.Nachkommastellen, 6);
    EXPECT_FALSE(Zahlausgabe.Fixkomma);
    EXPECT_FALSE(Zahlausgabe.Bruchdarstellung);
    EXPECT_EQ(Zahlausgabe.Koeffizienten.size(), 43u);

    Nachkommastellen_waehlen(10);
    EXPECT_EQ(Zahlausgabe.Gesamtstellen, 13);
    Gesamtstellen_waehlen(8);
    EXPECT_EQ(Zahlausgabe.Nachkommastellen, 5);
    Gesamtstellen_waehlen(30);
    EXPECT_EQ(Zahlausgabe.Gesamtstellen, 20);
    EXPECT_EQ(Zahlausgabe.Nachkommastellen, 5);
    Nachkommastellen_waehlen(-3);
    EXPECT_EQ(Zahlausgabe.Nachkommastellen, 0);

    // Any sequence of choices keeps the rule and the value just chosen.
    std::mt19937 zufall(7);
    for (int i = 0; i < 2000; ++i) {
        if (zufall() % 2) {
            const int P = 8 + int(zufall() % 13);
            Gesamtstellen_waehlen(P);
            ASSERT_EQ(Zahlausgabe.Gesamtstellen, P);
        } else {
            const int D = int(zufall() % 18);
            Nachkommastellen_waehlen(D);
            ASSERT_EQ(Zahlausgabe.Nachkommastellen, D);
        }
        ASSERT_LE(Zahlausgabe.Nachkommastellen, Zahlausgabe.Gesamtstellen - 3);
    }

    Zahlausgabe = Zahlausgabezustand{};
    Zahlausgabe.Fixkomma = true;
    Gesamtstellen_waehlen(8);
    Nachkommastellen_waehlen(5);
    EXPECT_EQ(Zahl_nach_Einstellung(-2.5L), " -2,50000");
    Zahlausgabe = Zahlausgabezustand{};
}

TEST(Hilfsroutinen, BogenmassUndTauschen) {
    EXPECT_EQ(Grad_in_Bogenmass(180), std::numbers::pi_v<Extended>);
    EXPECT_NEAR(double(Grad_in_Bogenmass(-90)), -std::numbers::pi / 2, 1e-15);
    Extended a = 1, b = 2.5L;
    Werte_tauschen(a, b);
    EXPECT_EQ(a, 2.5L);
    EXPECT_EQ(b, 1);
    int i = 3, j = -4;
    Ganzzahlen_tauschen(i, j);
    EXPECT_EQ(i, -4);
    EXPECT_EQ(j, 3);
}

}  // namespace
