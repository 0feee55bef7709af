// The numeric routines give bitwise the same whether they evaluate their points as
// batches or one at a time.
#include "numeric/UMatheTools.h"
#include "numeric/UReihenwerte.h"
#include "numeric/UWerkzeuge.h"
#include "platform/Dialoge_Skript.h"

#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The 80 bits of the value, so that -0 and 0 differ and NaN equals itself.
std::string Bits(Extended v) {
    unsigned char b[10];
    std::memcpy(b, &v, sizeof b);
    std::ostringstream s;
    for (unsigned char c : b) s << int(c) << '.';
    return s.str();
}

// Everything a routine returned, as text, once with batches and once point by point.
std::pair<std::string, std::string> Beide_Wege(const std::function<std::string()>& rechnen) {
    const std::string reihe = rechnen();
    Nur_Einzelaufrufe = true;
    const std::string einzeln = rechnen();
    Nur_Einzelaufrufe = false;
    return {reihe, einzeln};
}

std::string Text(const Punktsuche& p) {
    std::string s = std::to_string(p.schritt_zu_klein) + std::to_string(p.gekappt) + "|";
    for (auto [zeile, t] : p.bloecke) s += std::to_string(zeile) + ":" + Bits(t) + " ";
    for (const auto* liste : {&p.hochpunkte, &p.tiefpunkte}) {
        s += "|";
        for (const Gefundener_Punkt& g : *liste) s += std::to_string(g.zeile) + ":" + Bits(g.x) + "," + Bits(g.y) + " ";
    }
    return s;
}

// Smooth, failing on a stretch, with poles, jumps, kinks and one-sided ends.
const char* const Terme[] = {"x^3-3x",  "tx^4-2x^2+0,1", "sin(3x)/(1+x^2)", "1/(x-0,3)", "sqrt(1-x^2)",
                             "sgn(x-0,25)", "floor(2x)",  "abs(x^2-1)",      "ln(x)",     "x^(1/3)",
                             "tan(x)",  "exp(-x^2)"};

TEST(Reihen, EveryHotLoopGivesTheSameAsPointByPoint) {
    Skript_Dialoge d;
    for (const char* term : Terme) {
        SCOPED_TRACE(term);
        const std::vector<Extended> t_werte = {1, 2.5L};
        for (Suchart art : {Suchart::Extrempunkte, Suchart::Wendepunkte}) {
            auto [r, e] = Beide_Wege([&] { return Text(Punkte_suchen(term, art, -2, 2, t_werte, true, 60)); });
            EXPECT_EQ(r, e);
        }
        auto [r, e] = Beide_Wege([&] {
            std::string s;
            for (Extended x : Nullstellen_suchen(term, 2.5L, -3, 3)) s += Bits(x) + " ";
            Extended x_max, x_min;
            Min_Max_suchen(term, 2.5L, -2, 2, 3000, x_max, x_min);
            s += "|" + Bits(x_max) + Bits(x_min) + "|";
            for (int n : {4, 900}) {
                const Summen su = Summen_berechnen(term, 2.5L, 0.1L, 0.9L, n);
                s += " U" + std::to_string(su.ok) + Bits(su.Untersumme) + Bits(su.Obersumme) + Bits(su.Trapezsumme) +
                     Bits(su.Mittensumme) + std::to_string(su.streifen.size()) + "|";
            }
            for (auto [a, b] : {std::pair<Extended, Extended>{0.5L, 2}, {2, -1}, {0.1L, 0.9L}}) {
                // Each result before its flag: the operands of + are not sequenced.
                auto teil = [&](const char* name, const std::function<Extended(bool&)>& rechnen) {
                    bool ok = false;
                    const Extended wert = rechnen(ok);
                    s += std::string(" ") + name + Bits(wert) + std::to_string(ok);
                };
                teil("T", [&](bool& ok) { return Trapez_verdoppeln(term, 2.5L, a, b, 1e-6L, ok, 1 << 14); });
                teil("S", [&](bool& ok) { return Simpson_verdoppeln(term, 2.5L, a, b, 1e-8L, ok, 1 << 14); });
                teil("G", [&](bool& ok) { return Gauss_Kronrod(term, 2.5L, a, b, 1e-9L, ok); });
                Romberg_Verlauf v;
                teil("R", [&](bool& ok) { return Romberg(term, 2.5L, a, b, 1e-9L, ok, v); });
                for (int j = 0; j < 10; ++j)
                    for (int m = 0; m < v.Laenge[size_t(j)]; ++m) s += Bits(v.T[size_t(j)][size_t(m)]);
            }
            // Intervals without poles: across one the polygon never settles.
            for (auto [a, b] : {std::pair<Extended, Extended>{1, 1.4L}, {-0.2L, -0.9L}}) {
                bool ok = false;
                const Extended L = Bogenlaenge_berechnen(term, 2.5L, a, b, 1e-5L, ok);
                s += " B" + Bits(L) + std::to_string(ok) + ";";
            }
            return s;
        });
        EXPECT_EQ(r, e);
        auto [tr, te] = Beide_Wege([&] {
            std::string s;
            auto o = [](const std::optional<Extended>& v) { return v ? Bits(*v) : std::string("-"); };
            for (const Wertezeile& z : Wertetabelle_berechnen(term, "x^2", "1/x", 2.5L, -1, 1.5L, 0.05L, 0.2L, 4, 1e-4L))
                s += Bits(z.x) + o(z.f) + o(z.g) + o(z.h) + o(z.f1) + o(z.f2) + o(z.f3) + o(z.kr) + o(z.F) + ";";
            // At an ordinary point, a domain end, a jump or kink, and a pole.
            for (Extended a : {0.5L, 0.0L, 1.0L, 0.25L, 0.3L})
                for (const Grenzwertzeile& z : Grenzwerttabelle_berechnen(term, 2.5L, a))
                    s += o(z.f1) + o(z.f2) + o(z.f3) + ",";
            return s;
        });
        EXPECT_EQ(tr, te);
    }
}

// A derivative through a source holding the formula's points ahead equals the plain
// call, also where the central formula fails and a one-sided one takes over.
TEST(Reihen, DerivativesFromPointsAheadEqualSingleCalls) {
    using Abl = Extended (*)(Punktquelle&, Extended, Extended, bool&);
    using Abl_einzeln = Extended (*)(const std::string&, Extended, Extended, Extended, bool&);
    const std::pair<Abl, Abl_einzeln> arten[] = {
        {Ableitung_1, Ableitung_1}, {Ableitung_2, Ableitung_2}, {Ableitung_3, Ableitung_3}};
    const Extended h = 1e-3L;
    for (const std::string term : Terme)
        for (Extended x : {-1.0L, 0.0L, 0.25L, 0.3L, 1.0L, 1.7L}) {
            const Extended punkte[5] = {x, x + h, x - h, x + 2 * h, x - 2 * h};
            Reihenwerte w;
            w.auswerten(term, punkte, 2);
            for (auto [reihe, einzeln] : arten) {
                Punktquelle F(term, 2);
                F.vorrat(punkte, w.y.data(), w.marken.data(), 5);
                bool ok_r, ok_e;
                const Extended v_r = reihe(F, x, h, ok_r);
                const Extended v_e = einzeln(term, 2, x, h, ok_e);
                EXPECT_EQ(ok_r, ok_e) << term << " at " << double(x);
                if (ok_e) {
                    EXPECT_EQ(Bits(v_r), Bits(v_e)) << term << " at " << double(x);
                }
            }
        }
}

// The trapezoid doubling asking a source for its ends and midpoint equals the plain
// call in value and failure, in either direction, with loose and tight tolerances
// (the latter doubling far past the points held) and from points that do not fit.
TEST(Reihen, TrapezoidFromPointsAheadEqualsSingleCalls) {
    for (const std::string term : Terme)
        for (Extended x : {-1.0L, 0.0L, 0.25L, 0.3L, 1.0L, 1.7L})
            for (Extended dx : {0.025L, -0.025L, 0.5L})
                for (Extended r : {0.01L, 1e-9L})
                    for (bool passend : {true, false}) {
                        const Extended lo = dx > 0 ? x : x + dx, hi = dx > 0 ? x + dx : x;
                        const Extended punkte[3] = {passend ? lo : x + 1, hi, lo + (hi - lo) / 2};
                        Reihenwerte w;
                        w.auswerten(term, punkte, 2);
                        Punktquelle F(term, 2);
                        F.vorrat(punkte, w.y.data(), w.marken.data(), 3);
                        bool ok_r, ok_e;
                        const Extended v_r = Trapez_verdoppeln(F, x, x + dx, r, ok_r, 1 << 12, false);
                        const Extended v_e = Trapez_verdoppeln(term, 2, x, x + dx, r, ok_e, 1 << 12);
                        EXPECT_EQ(ok_r, ok_e) << term << " at " << double(x) << ", " << double(dx);
                        EXPECT_EQ(Bits(v_r), Bits(v_e)) << term << " at " << double(x) << ", " << double(dx);
                    }
}

}  // namespace
