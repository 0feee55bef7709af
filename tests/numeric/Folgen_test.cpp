// Sequence terms, the limit and cycle finding, the bifurcation grid and the
// sampling of parametric and polar curves, as a user would check them on paper.
#include "graphics/U_KOS.h"
#include "numeric/UFolgen.h"

#include <gtest/gtest.h>
#include <cmath>
#include <set>

namespace {

constexpr Extended pi = 3.14159265358979323846L;

struct Folgenfall {
    const char* name;
    Folgenvorgabe v;
    size_t N;
    int Abbruch;
    int index;          // an entry to look at (0-based)
    Extended n, wert;   // its index n and term (wert ignored when the entry failed)
    bool gueltig;
};

TEST(Folge, Glieder_und_Abbruch) {
    const Folgenfall faelle[] = {
        {"explizit Standard", {"5n/(2n+3)", Folgenart::explizit, 500, 1}, 501, -1, 0, 1, 1, true},
        {"explizit letztes", {"5n/(2n+3)", Folgenart::explizit, 500, 1}, 501, -1, 500, 501, 2505.0L / 1005, true},
        {"explizit Lücke", {"1/(n-3)", Folgenart::explizit, 10, 1}, 11, -1, 2, 3, 0, false},
        {"explizit nach Lücke", {"1/(n-3)", Folgenart::explizit, 10, 1}, 11, -1, 3, 4, 1, true},
        {"Tiefe außerhalb", {"n", Folgenart::explizit, 1500, -3}, 501, -1, 500, 497, 497, true},
        {"n0 am Rand", {"1", Folgenart::explizit, 2, 2147483647}, 3, -1, 2, 2147483649.0L, 1, true},
        {"rekursiv Grenzwert", {"0,5x+1", Folgenart::rekursiv, 100, 1, 0.5L}, 101, -1, 100, 101, 2, true},
        {"rekursiv mit t1", {"tx", Folgenart::rekursiv, 3, 1, 1, 0, 2}, 4, -1, 3, 4, 8, true},
        {"ln bricht bei n=3", {"ln(x)", Folgenart::rekursiv, 500, 1, 0.5L}, 501, 2, 2, 3, 0, false},
        {"danach ungültig", {"ln(x)", Folgenart::rekursiv, 500, 1, 0.5L}, 501, 2, 500, 501, 0, false},
        {"1/x bei 0", {"1/x", Folgenart::rekursiv, 5, 1, 0}, 6, 1, 0, 1, 0, true},
        {"zweistufig", {"x+k", Folgenart::zweistufig, 5, 0, 1, 1}, 6, -1, 5, 5, 8, true},
    };
    for (const Folgenfall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Folge folge = Folge_berechnen(f.v);
        ASSERT_EQ(folge.Glieder.size(), f.N);
        EXPECT_EQ(folge.Abbruch, f.Abbruch);
        const TPunkt p = folge.Glieder[size_t(f.index)];
        EXPECT_EQ(p.x, f.n);
        EXPECT_EQ(bool(folge.gueltig[size_t(f.index)]), f.gueltig);
        if (f.gueltig) EXPECT_NEAR(double(p.y), double(f.wert), 1E-9);
        else EXPECT_EQ(p.y, Fehlerwert);
    }
}

TEST(Folge, Zweistufig_kippt_von_6_nach_100) {
    Folgenvorgabe v{"111-(1130-3000/x)/k", Folgenart::zweistufig, 500, 1, 2, -4};
    const Folge f = Folge_berechnen(v);
    ASSERT_EQ(f.Abbruch, -1);
    EXPECT_NEAR(double(f.Glieder[12].y), 6.1759, 0.001);  // approaches 6 at first …
    EXPECT_NEAR(double(f.Glieder[500].y), 100, 1E-9);  // … then rounding takes it to 100
}

TEST(Folge, Grenzwert_und_Haeufungswerte) {
    auto tail = [](const char* g, int tiefe, Extended x0) {
        Folge f = Folge_berechnen({g, Folgenart::rekursiv, tiefe, 1, x0});
        std::vector<Extended> y;
        for (const TPunkt& p : f.Glieder) y.push_back(p.y);
        return y;
    };
    // 3,2x(1-x): the two accumulation points, the one before last first.
    Grenzwertbefund b = Grenzwert_suchen(tail("3,2x(1-x)", 500, 0.5L));
    ASSERT_EQ(b.Art, Befundart::Haeufungswerte);
    EXPECT_EQ(b.Periode, 2);
    ASSERT_EQ(b.Werte.size(), 2u);
    std::set<int> werte{int(std::lround(b.Werte[0] * 1000)), int(std::lround(b.Werte[1] * 1000))};
    EXPECT_EQ(werte, (std::set<int>{513, 799}));

    b = Grenzwert_suchen(tail("0,5x+1", 500, 0.5L));
    EXPECT_EQ(b.Art, Befundart::Grenzwert);
    EXPECT_NEAR(double(b.Grenzwert), 2, 1E-12);

    struct Fall { const char* name; std::vector<Extended> y; Befundart art; int p; };
    std::vector<Extended> zyklus3, zyklus32;
    for (int i = 0; i < 300; ++i) zyklus3.push_back(Extended(i % 3));
    for (int i = 0; i < 300; ++i) zyklus32.push_back(Extended(i % 32) + (i > 280 ? 0.02L : 0));
    const Fall faelle[] = {
        // N = 3 (depth 2): only p = 2 is tried, so the 4-cycle below is not seen.
        {"nur p=2 bei N=3", {0, 5, 0.0005L}, Befundart::Haeufungswerte, 2},
        {"p=4 braucht N>4", {0, 1, 2, 3}, Befundart::kein_Grenzwert, 0},
        {"3er-Zyklus nie", zyklus3, Befundart::kein_Grenzwert, 0},
        {"32 mit 0,03", zyklus32, Befundart::Haeufungswerte, 32},
        {"Grenzwert knapp", {7, 1, 1.00009L}, Befundart::Grenzwert, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        b = Grenzwert_suchen(f.y);
        EXPECT_EQ(b.Art, f.art);
        EXPECT_EQ(b.Periode, f.p);
        EXPECT_EQ(int(b.Werte.size()), f.p);
    }
}

TEST(Bifurkation, Aeste_der_logistischen_Gleichung) {
    const Koordinatensystem vorher = KOS;
    KOS.xli = 2.5L, KOS.xre = 4, KOS.yu = 0, KOS.yo = 1;
    const int w = 641, h = 641;
    const std::vector<uint8_t> pixel = Bifurkation_berechnen("kx(1-x)", 0.5L, 1280, w, h);
    auto zeilen = [&](Extended k) {
        const int c = x_zu_Pixel(w, k);
        std::vector<int> z;
        for (int r = 0; r < h; ++r)
            if (pixel[size_t(r) * w + size_t(c)]) z.push_back(r);
        return z;
    };
    // One branch (the fixed point 1 - 1/k) below 3, two between 3 and 3,45, chaos near 3,9.
    const std::vector<int> eins = zeilen(2.8L);
    ASSERT_EQ(eins.size(), 1u);
    EXPECT_NEAR(eins[0], y_zu_Pixel(h, 1 - 1 / 2.8L), 1);
    EXPECT_EQ(zeilen(3.2L).size(), 2u);
    EXPECT_EQ(zeilen(3.5L).size(), 4u);
    EXPECT_GT(zeilen(3.9L).size(), 50u);
    // Steps that fail mark nothing: sqrt(k-3) exists only right of k = 3.
    const std::vector<uint8_t> wurzel = Bifurkation_berechnen("sqrt(k-3)+0x", 0.5L, 400, w, h);
    KOS = vorher;
    auto markiert = [&](Extended k) {
        KOS.xli = 2.5L, KOS.xre = 4, KOS.yu = 0, KOS.yo = 1;
        const int c = x_zu_Pixel(w, k);
        KOS = vorher;
        int n = 0;
        for (int r = 0; r < h; ++r) n += wurzel[size_t(r) * w + size_t(c)];
        return n;
    };
    EXPECT_EQ(markiert(2.9L), 0);
    EXPECT_EQ(markiert(3.5L), 1);
}

TEST(Kurve, Parameter_Punkte_und_Tabelle) {
    bool gekappt = true;
    const std::vector<Extended> ts = Kurvenparameter(-pi, pi, pi / 720, gekappt);
    EXPECT_FALSE(gekappt);
    EXPECT_NEAR(double(ts.size()), 1441, 1);
    EXPECT_EQ(Kurvenparameter(1, 0, 1, gekappt).size(), 1u);   // k1 > k2: k1 alone
    EXPECT_EQ(Kurvenparameter(0, 1, 1E-12L, gekappt).size(), size_t(Kurvenpunkte_max));
    EXPECT_TRUE(gekappt);
    EXPECT_EQ(Kurvenparameter(1E20L, 2E20L, 1, gekappt).size(), size_t(Kurvenpunkte_max));   // t + Δt = t

    // The default ellipse for family value 2: semi-axes 2 and 1,2.
    Kurvenvorgabe v;
    Kurvenpunkte k = Kurve_abtasten(v, 2, ts);
    for (size_t i = 0; i < ts.size(); i += 97) {
        ASSERT_TRUE(k.ok[i]);
        const TPunkt p = k.Punkte[i];
        EXPECT_NEAR(double(p.x * p.x / 4 + p.y * p.y / 1.44L), 1, 1E-12);
    }
    // Polar: r(t) = sqrt(t) fails for t < 0; at t = π/2 the point is (0; sqrt(π/2)).
    v = {"sqrt(t)", "", true};
    const std::vector<Extended> polar_ts{-1, pi / 2};
    k = Kurve_abtasten(v, 1, polar_ts);
    EXPECT_FALSE(k.ok[0]);
    ASSERT_TRUE(k.ok[1]);
    EXPECT_NEAR(double(k.Punkte[1].x), 0, 1E-15);
    EXPECT_NEAR(double(k.Punkte[1].y), std::sqrt(pi / 2), 1E-15);

    // The table runs while t < k2 (strictly) and stops at 1500 rows.
    v = {"x·cos(t)", "ln(t)", false, -1, 1, 0.5L};
    std::vector<Kurvenzeile> z = Kurventabelle(v, 1);
    ASSERT_EQ(z.size(), 4u);   // -1, -0,5, 0, 0,5
    EXPECT_TRUE(z[1].a_ok);
    EXPECT_FALSE(z[1].b_ok);   // ln of a negative t
    EXPECT_TRUE(z[3].b_ok);
    v.dt = 1E-6L;
    EXPECT_EQ(Kurventabelle(v, 1).size(), 1500u);
}

}  // namespace
