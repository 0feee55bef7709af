#include "stats/URegression.h"
#include "platform/Dialoge_Skript.h"

#include <gtest/gtest.h>
#include <cmath>
#include <vector>

namespace {

std::vector<TPunkt> Punkte(std::vector<std::pair<Extended, Extended>> xy) {
    std::vector<TPunkt> p;
    for (auto [x, y] : xy) p.push_back({x, y});
    return p;
}

// Relative agreement to at least `stellen` significant digits.
void Stellen(Extended ist, Extended soll, int stellen, const char* was) {
    EXPECT_LE(std::fabs(double((ist - soll) / soll)), std::pow(10.0, -stellen))
        << was << ": " << double(ist) << " against " << double(soll);
}

// NIST StRD "Norris" (y, x) and "Pontius" (y, x), with their certified estimates.
TEST(Regression, CertifiedReferenceDataToTenDigits) {
    const Extended norris[][2] = {
        {0.1L, 0.2L}, {338.8L, 337.4L}, {118.1L, 118.2L}, {888.0L, 884.6L}, {9.2L, 10.1L},
        {228.1L, 226.5L}, {668.5L, 666.3L}, {998.5L, 996.3L}, {449.1L, 448.6L}, {778.9L, 777.0L},
        {559.2L, 558.2L}, {0.3L, 0.4L}, {0.1L, 0.6L}, {778.1L, 775.5L}, {668.8L, 666.9L},
        {339.3L, 338.0L}, {448.9L, 447.5L}, {10.8L, 11.6L}, {557.7L, 556.0L}, {228.3L, 228.1L},
        {998.0L, 995.8L}, {888.8L, 887.6L}, {119.6L, 120.2L}, {0.3L, 0.3L}, {0.6L, 0.3L},
        {557.6L, 556.8L}, {339.3L, 339.1L}, {888.0L, 887.2L}, {998.5L, 999.0L}, {778.9L, 779.0L},
        {10.2L, 11.1L}, {117.6L, 118.3L}, {228.9L, 229.2L}, {668.4L, 669.1L}, {449.2L, 448.9L},
        {0.2L, 0.5L}};
    std::vector<TPunkt> p;
    for (const auto& z : norris) p.push_back({z[1], z[0]});
    const TGerade g = Gerade_anpassen(p, false);
    ASSERT_EQ(g.Zustand, TGeradenzustand::ok);
    Stellen(g.b, -0.262323073774029L, 10, "Norris B0");
    Stellen(g.m, 1.00211681802045L, 10, "Norris B1");
    Stellen(g.r * g.r, 0.999993745883712L, 10, "Norris R squared");

    const Extended pontius_y[] = {
        .11019L, .21956L, .32949L, .43899L, .54803L, .65694L, .76562L, .87487L, .98292L, 1.09146L,
        1.20001L, 1.30822L, 1.41599L, 1.52399L, 1.63194L, 1.73947L, 1.84646L, 1.95392L, 2.06128L, 2.16844L,
        .11052L, .22018L, .32939L, .43886L, .54798L, .65739L, .76596L, .87474L, .98300L, 1.09150L,
        1.20004L, 1.30818L, 1.41613L, 1.52408L, 1.63159L, 1.73965L, 1.84696L, 1.95445L, 2.06177L, 2.16829L};
    p.clear();
    for (int i = 0; i < 40; ++i) p.push_back({Extended(150000 * (i % 20 + 1)), pontius_y[i]});
    std::array<Extended, 43> c{};
    ASSERT_TRUE(Polynom_anpassen(p, 2, c));
    Stellen(c[0], 0.673565789473684E-03L, 10, "Pontius B0");
    Stellen(c[1], 0.732059160401003E-06L, 10, "Pontius B1");
    Stellen(c[2], -0.316081871345029E-14L, 10, "Pontius B2");
    const Extended r = Korrelation_Polynom(p, 2, c);
    Stellen(r * r, 0.999999900178537L, 10, "Pontius R squared");
}

struct Berichtsfall {
    const char* name;
    int modell;
    std::vector<TPunkt> p;
    bool zweite;
    std::string meldung;
    const char* g;   // nullptr: g untouched
    const char* h;
    const char* f;
};

TEST(Regression, ReportsOfEveryModelState) {
    const std::string A = "\r\n\n";
    const Berichtsfall faelle[] = {
        {"test data, one line", 1, Punkte({{2, 1}, {4, 5}, {9, 6}}), false,
         "Lineare Regression:\r\r1.Gerade:  y=0,615385x+0,923077\r\r\r\rKorrelation:   r=0,838628",
         "0,615385x+0,923077", "Korrelation:   r=0,838628", nullptr},
        {"test data, both lines", 1, Punkte({{2, 1}, {4, 5}, {9, 6}}), true,
         "Lineare Regression:\r\r1.Gerade:  y=0,615385x+0,923077\r\r2.Gerade:  y=0,875x-0,375\r\r"
         "Korrelation:   r=0,838628",
         "0,615385x+0,923077", "0,875x-0,375", nullptr},
        {"vertical first line", 1, Punkte({{2, 1}, {2, 3}, {2, 5}}), true,
         "Lineare Regression:\r\r1.Gerade:  x=2\r\r2.Gerade:  y=3\r\rKorrelation:   r nicht definiert !",
         nullptr, "3", nullptr},
        {"vertical second line", 1, Punkte({{1, 2}, {2, 2}, {3, 2}}), true,
         "Lineare Regression:\r\r1.Gerade:  y=2\r\r2.Gerade:  x=2\r\rKorrelation:   r nicht definiert !",
         "2", nullptr, nullptr},
        {"x spread by 1E-6", 1, Punkte({{0.000001L, 1}, {0.000002L, 2}, {0.000003L, 3}}), false,
         "Lineare Regression:\r\r1.Gerade:  y=1000000x\r\r\r\rKorrelation:   r=1",
         "1000000x", "Korrelation:   r=1", nullptr},
        {"origin line, 0/0", 0, Punkte({{1, 0}, {2, 0}}), true,
         "Lineare Regression:\r\r1.Gerade:  y=0\r\r2.Gerade:  x=0\r\rKorrelation:   r nicht definiert !",
         "0", nullptr, nullptr},
        {"origin line, 2/0", 0, Punkte({{1, 1}, {-1, 1}}), false,
         "Lineare Regression:\r\r1.Gerade:  y=0\r\r\r\rKorrelation:   r nicht definiert !", "0", nullptr,
         nullptr},
        {"origin line, all x 0", 0, Punkte({{0, 1}, {0, 2}}), false,
         "Fehler ! Alle x-Werte sind 0: keine Ursprungsgerade", nullptr, nullptr, nullptr},
        {"parabola through three points", 2, Punkte({{0, 1}, {1, 3}, {2, 7}}), false,
         ("Quadratische Regression:" + A + "f(x)=1x²+1x+1" + A + "Korrel:   r=1"), "1x²+1x+1",
         "Korrel:   r=1", nullptr},
        {"exponential", 6, Punkte({{1, 2}, {2, 4}, {3, 8}}), false,
         ("Exponentielle Regression:" + A + "f(x)=1*e^(0,693147*x)" + A + "Korrel:   r=1"),
         "1*e^(0,693147*x)", "Korrel:   r=1", nullptr},
        {"exponential, negative y", 6, Punkte({{1, -2}, {2, -4}, {3, -8}}), false,
         ("Exponentielle Regression:" + A + "f(x)=-1*e^(0,693147*x)" + A + "Korrel:   r=1"),
         "-1*e^(0,693147*x)", "Korrel:   r=1", nullptr},
        {"exponential, mixed signs", 6, Punkte({{1, 2}, {2, -4}, {3, 8}}), false, "Fehler ! Negative y-Werte",
         nullptr, nullptr, nullptr},
        {"exponential, equal x", 6, Punkte({{1, 2}, {1, 4}}), false, "Fehler ! Alle x-Werte sind gleich",
         nullptr, nullptr, nullptr},
        {"logarithm of negated x", 7, Punkte({{-1, 3}, {-std::exp(1.0L), 1}}), false,
         ("Logarithmische Regression:" + A + "f(x)=3-2*ln(-x)" + A + "Korrel:   r=-1"), "3-2*ln(-x)",
         "Korrel:   r=-1", nullptr},
        {"power", 8, Punkte({{1, 3}, {2, 0.75L}, {4, 0.1875L}}), false,
         ("Potenzielle Regression:" + A + "f(x)=3*x^-2" + A + "Korrel:   r=-1"), "3*x^-2",
         "Korrel:   r=-1", nullptr},
        {"reciprocal, y = 0", 9, Punkte({{1, 0}, {2, 1}}), false, "Fehler ! y=0 nicht erlaubt", nullptr,
         nullptr, nullptr},
        {"quotient into f", 10, Punkte({{1, 0.5L}, {2, 0.5L}, {4, 0.5L}}), false,
         ("Gebrochenrationale Regression:" + A + "f(x)=x/(2x+0)" + A + "Korrel:   r nicht definiert !"),
         nullptr, "Korrel:   r nicht definiert !", "x/(2x+0)"},
        {"too few points for degree 3", 3, Punkte({{0, 1}, {1, 3}, {2, 7}}), false,
         "Mindestens 4 Punkte erforderlich !", nullptr, nullptr, nullptr},
    };
    for (const Berichtsfall& f : faelle) {
        const TRegressionsbericht r = Regression_berechnen(f.modell, f.p, f.zweite, TZahlformat{});
        EXPECT_EQ(r.Meldung, f.meldung) << f.name;
        EXPECT_EQ(r.Term_g, f.g ? f.g : "") << f.name;
        EXPECT_EQ(r.Term_h, f.h ? f.h : "") << f.name;
        EXPECT_EQ(r.Term_f, f.f ? f.f : "") << f.name;
        if (f.g) { EXPECT_TRUE(Term_pruefen(f.g)) << f.name; }
        if (f.f) { EXPECT_TRUE(Term_pruefen(f.f)) << f.name; }
    }
}

TEST(Regression, FixedNumbersAndTinyParametersStayValidTerms) {
    const TZahlformat fix{true, 9, 2, false};
    const TRegressionsbericht r = Regression_berechnen(1, Punkte({{0, 1}, {1, -1}, {2, -3}}), false, fix);
    EXPECT_EQ(r.Term_g, "-2,00x+1,00");
    EXPECT_EQ(Regressionszahl_Text(0.000123L, false, 9, 2), "0,000123");
    EXPECT_EQ(Vorzeichen_verbinden("1/(2x+-3)--1"), "1/(2x-3)+1");
}

TEST(Regression, DistancesUseTheToolParameterAndReportUndefinedPoints) {
    Skript_Dialoge dialog;
    struct Fall { const char* name; const char* term; Extended t; bool senkrecht; std::vector<TPunkt> p;
                  Extended summe, quadrate; int gemessen, undefiniert; };
    const Fall faelle[] = {
        {"vertical, t = 2", "tx", 2, true, Punkte({{1, 2}}), 0, 0, 1, 0},
        {"horizontal, t = 2", "tx", 2, false, Punkte({{1, 2}}), 0, 0, 1, 0},
        {"vertical to a line", "x", 1, true, Punkte({{1, 3}, {2, 0}}), 4, 8, 2, 0},
        {"horizontal to a line", "2x", 1, false, Punkte({{0, 2}, {3, 2}}), 3, 5, 2, 0},
        {"ln undefined at -1", "ln(x)", 1, true, Punkte({{-1, 0}, {1, 1}}), 1, 1, 1, 1},
    };
    for (const Fall& f : faelle) {
        const TEntfernungen e = Entfernungen_berechnen(f.term, f.t, f.p, f.senkrecht);
        EXPECT_NEAR(double(e.Summe), double(f.summe), 1e-9) << f.name;
        EXPECT_NEAR(double(e.Summe_Quadrate), double(f.quadrate), 1e-9) << f.name;
        EXPECT_EQ(e.gemessen, f.gemessen) << f.name;
        EXPECT_EQ(e.nicht_definiert, f.undefiniert) << f.name;
    }
    const TEntfernungen e = Entfernungen_berechnen("ln(x)", 1, Punkte({{-1, 0}, {1, 1}}), true);
    EXPECT_EQ(Entfernungen_Meldung(e, true, TZahlformat{}),
              "1 Punkte:\rSumme der vertikalen Entfernungen = 1\rSumme der Entfernungsquadrate = 1\r"
              "1 Punkt(e) nicht mitgezählt: Term dort nicht definiert");
}

}  // namespace
