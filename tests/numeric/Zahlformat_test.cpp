#include "numeric/UMatheBasisOp.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace {

struct Format { bool fix; int P, D; Extended x; std::string text; };

std::ostream& operator<<(std::ostream& os, const Format& f) {
    return os << (f.fix ? "fix" : "allg") << " P=" << f.P << " D=" << f.D << " x=" << double(f.x);
}

class Formatieren : public ::testing::TestWithParam<Format> {};

TEST_P(Formatieren, GibtDenText) {
    const auto& f = GetParam();
    EXPECT_EQ(Zahl_formatieren(f.fix, f.P, f.D, f.x), f.text);
}

const std::string B14(14, ' ');

INSTANTIATE_TEST_SUITE_P(Beispiele, Formatieren, ::testing::Values(
    Format{false, 8, 5, 2.5L, "2,5"}, Format{true, 8, 5, 2.5L, "  2,50000"},
    Format{false, 8, 5, -2.5L, "-2,5"}, Format{true, 8, 5, -2.5L, " -2,50000"},
    Format{false, 8, 5, 1.0L / 3, "0,33333"}, Format{false, 8, 5, 9.9999999L, "10"},
    Format{false, 8, 5, 123.4567891L, "123,4567"}, Format{false, 8, 5, 12345678, "1,2346E7"},
    Format{false, 10, 5, 12345678, "12345678"}, Format{false, 8, 5, 1.5e20L, "1,5E20"},
    Format{true, 8, 5, 1.5e9L, "1,5E009"}, Format{false, 8, 5, 1234567.8L, "1234567"},
    Format{false, 8, 5, -123456.7L, "-123456"}, Format{false, 8, 5, 0.000001L, "0"},
    // A negative value that rounds to zero reads as zero, like its positive counterpart.
    Format{false, 8, 5, -0.000001L, "0"}, Format{true, 8, 5, -0.000001L, "  0,00000"},
    Format{false, 9, 6, -1e-12L, "0"}, Format{false, 8, 5, -0.000005L, "-0,00001"}, Format{true, 12, 3, 3.14159265L, B14 + "3,142"},
    Format{false, 8, 0, 2.5L, "3"}, Format{false, 8, 0, -2.5L, "-3"}));

INSTANTIATE_TEST_SUITE_P(NullUndWinzig, Formatieren, ::testing::Values(
    Format{false, 8, 5, 0, "0"}, Format{true, 8, 5, 0, "0,00000"},
    Format{false, 9, 6, -0.0L, "0"}, Format{true, 8, 5, -1e-16L, "0,00000"},
    Format{false, 9, 6, 1e-16L, "1E-16"}, Format{false, 9, 6, -2.5e-17L, "-2,5E-17"},
    Format{true, 8, 0, 0, "0"}));

INSTANTIATE_TEST_SUITE_P(Grenzfaelle, Formatieren, ::testing::Values(
    // The cut keeps P characters and truncates; only the offset rounds.
    Format{false, 9, 6, 3.14159265358979L, "3,141593"}, Format{false, 20, 17, 1.0L / 3, "0,33333333333333333"},
    Format{false, 9, 6, -0.0004L, "-0,0004"}, Format{false, 9, 6, 1500, "1500"},
    Format{true, 9, 6, 1500, "1500,0000"}, Format{false, 9, 6, 999999.9999999L, "1000000"},
    // A fixed text never ends in a bare comma, and a zero never carries a minus.
    Format{true, 8, 0, 2.5L, std::string(14, ' ') + "3"}, Format{true, 8, 5, 1234567.8L, "  1234567"},
    Format{false, 20, 5, -0.000001L, "0"}, Format{true, 20, 5, -0.000001L, std::string(26, ' ') + "0,00000"},
    // Scientific branch: precision shrinks with the exponent digits and the signs.
    Format{false, 8, 5, -1.5e20L, "-1,5E20"}, Format{false, 20, 17, 1.23456789e-10L, "0,00000000012345679"},
    Format{false, 8, 5, 1.23456789e-10L, "0"}, Format{false, 8, 5, -1.23456789e-10L, "0"},
    Format{false, 8, 5, 1e300L, "1E300"}, Format{true, 8, 5, -1.5e9L, "-1,5E09"},
    Format{true, 8, 1, 1.5e9L, "1,5E9"}, Format{true, 8, 0, 1.5e9L, "1,5E9"},
    Format{false, 8, 5, 9.99996e7L, "1E8"}, Format{false, 8, 5, 1e4000L, "1E4000"},
    Format{false, 25, 22, 0.75L, "0,75"}, Format{false, 25, 22, 1e-20L, "1E-20"}, Format{false, 25, 22, 1e30L, "1E30"},
    Format{false, 25, 22, -1.0L / 3 * 1e-17L, "-3,33333333333333333E-18"}));

struct Split { Extended x, m; int e; };

class Zerlegung : public ::testing::TestWithParam<Split> {};

TEST_P(Zerlegung, MantisseUndExponent) {
    const auto& s = GetParam();
    Extended m = -99;
    int e = -99;
    Mantisse_Exponent(s.x, m, e);
    EXPECT_EQ(e, s.e);
    EXPECT_NEAR(double(m), double(s.m), 1e-15);
    if (s.x != 0) {
        EXPECT_GE(std::fabs(m), 1);
        EXPECT_LT(std::fabs(m), 10);
    }
}

INSTANTIATE_TEST_SUITE_P(Werte, Zerlegung, ::testing::Values(
    Split{1500, 1.5L, 3}, Split{-0.015L, -1.5L, -2}, Split{0, 0, 0}, Split{7, 7, 0},
    // 18 digits round up into the next decade.
    Split{9.9999999999999999999L, 1, 1}, Split{-2.5e-300L, -2.5L, -300}, Split{1.2e4000L, 1.2L, 4000}));

struct Verschiebung { const char* mantisse; int e; const char* text; };

class Komma : public ::testing::TestWithParam<Verschiebung> {};

TEST_P(Komma, WirdVerschoben) {
    const auto& v = GetParam();
    EXPECT_EQ(Komma_verschieben(v.mantisse, v.e), v.text);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Komma, ::testing::Values(
    Verschiebung{"1,5", 3, "1500,0"}, Verschiebung{"1,5", -2, "0,015"}, Verschiebung{"1,5", 0, "1,5"},
    Verschiebung{"-1,5", -1, "-0,15"}, Verschiebung{"-1,25", 1, "-12,5"}, Verschiebung{"1,25", 2, "125,0"},
    Verschiebung{"12,5", -1, "1,25"}, Verschiebung{"7", 2, "700,0"}));

struct Allgemein { Extended x; const char* text; };

class Tabellentext : public ::testing::TestWithParam<Allgemein> {};

TEST_P(Tabellentext, KuerzesterText) {
    EXPECT_EQ(Zahl_allgemein(GetParam().x), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Werte, Tabellentext, ::testing::Values(
    Allgemein{0, "0"}, Allgemein{-0.0L, "0"}, Allgemein{0.75L, "0,75"}, Allgemein{-3.5L, "-3,5"},
    Allgemein{1.0L / 3, "0,333333333333333"}, Allgemein{2.0L / 3, "0,666666666666667"},
    Allgemein{0.1L, "0,1"}, Allgemein{1e14L, "100000000000000"}, Allgemein{999999999999999, "999999999999999"},
    Allgemein{1e15L, "1E15"}, Allgemein{1.2e20L, "1,2E20"}, Allgemein{3.731e-5L, "3,731E-5"},
    Allgemein{1e-5L, "1E-5"}, Allgemein{9.99999999999999999e-5L, "0,0001"}, Allgemein{1e-4L, "0,0001"},
    Allgemein{0.00012L, "0,00012"}, Allgemein{-0.000099L, "-9,9E-5"},
    Allgemein{9.9e-6L, "9,9E-6"}, Allgemein{-3.731e-6L, "-3,731E-6"}, Allgemein{1e-300L, "1E-300"},
    Allgemein{123456.7890123456789L, "123456,789012346"},
    Allgemein{1.5e4000L, "1,5E4000"}));

TEST(Standardformate, AllgemeinUndFix) {
    EXPECT_EQ(Standardformat_allgemein(1.5e20L, 9), "1,5E20");
    EXPECT_EQ(Standardformat_allgemein(123456789, 9), "123456789");
    EXPECT_EQ(Standardformat_allgemein(1234567890, 9), "1,23456789E9");
    EXPECT_EQ(Standardformat_allgemein(0.00001234L, 9), "0,00001234");
    EXPECT_EQ(Standardformat_allgemein(0.000001234L, 9), "1,234E-6");
    EXPECT_EQ(Standardformat_fix(2.5L, 3), "2,500");
    EXPECT_EQ(Standardformat_fix(-2.25L, 0), "-2");
    EXPECT_EQ(Standardformat_fix(-1e-9L, 5), "0,00000");
}

TEST(Formatieren, NichtEndlicheWerteGebenLeerenText) {
    EXPECT_EQ(Zahl_formatieren(false, 9, 6, INFINITY), "");
    EXPECT_EQ(Zahl_formatieren(true, 9, 6, NAN), "");
    EXPECT_EQ(Zahl_allgemein(-INFINITY), "");
}

// The same texts whatever the process locale says about the decimal point.
void Texte_pruefen() {
    EXPECT_EQ(Zahl_formatieren(false, 8, 5, 2.5L), "2,5");
    EXPECT_EQ(Zahl_formatieren(true, 8, 5, -2.5L), " -2,50000");
    EXPECT_EQ(Zahl_formatieren(true, 8, 5, 1.5e9L), "1,5E009");
    EXPECT_EQ(Zahl_formatieren(true, 8, 5, 0), "0,00000");
    EXPECT_EQ(Zahl_allgemein(1.2e20L), "1,2E20");
    EXPECT_EQ(Zahl_allgemein(-1234.5L), "-1234,5");
    Extended x = 0;
    int fehler = -1;
    EXPECT_TRUE(Zelle_auswerten("3,731E-5", x, fehler));
    EXPECT_EQ(x, 3.731e-5L);
    EXPECT_TRUE(Zelle_auswerten("1.5/3", x, fehler));
    EXPECT_EQ(x, 0.5L);
}

class Gebietsschema : public ::testing::Test {
protected:
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(Gebietsschema, KlassischesC) {
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    Texte_pruefen();
}

TEST_F(Gebietsschema, DeutschMitKomma) {
    const char* namen[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "de_AT.UTF-8", "fr_FR.UTF-8", "nl_NL.UTF-8"};
    for (const char* name : namen) {
        if (std::setlocale(LC_ALL, name) && std::string(std::localeconv()->decimal_point) == ",") {
            Texte_pruefen();
            return;
        }
    }
    GTEST_SKIP() << "no locale with a decimal comma is installed on this machine";
}

}  // namespace
