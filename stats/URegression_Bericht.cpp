// The terms and report texts of the regression models, and the distances of the
// points to a curve.
#include "stats/URegression.h"
#include "numeric/UMatheTools.h"

#include <cmath>

namespace {

constexpr const char* Absatz = "\r\n\n";   // line break and blank line of the reports

std::string Zahl(Extended x, const TZahlformat& f) { return Regressionszahl_Text(x, f.fix, f.P, f.D); }

std::string Gerade_Text(Extended m, Extended b, const TZahlformat& f) {
    std::array<Extended, 43> c{};
    c[0] = b;
    c[1] = m;
    const std::string s = Polynom_als_Text(c, 1, f.fix, f.P, f.D, f.bruch);
    return s.empty() ? "0" : s;
}

TRegressionsbericht Geradenbericht(int modell, std::span<const TPunkt> p, bool zweite, const TZahlformat& f) {
    TRegressionsbericht r;
    const TGerade g = Gerade_anpassen(p, modell == 0);
    if (g.Zustand == TGeradenzustand::alle_x_null) {
        r.Meldung = "Fehler ! Alle x-Werte sind 0: keine Ursprungsgerade";
        return r;
    }
    r.ok = true;
    std::string erste, zweite_zeile, K = "Korrelation:   r nicht definiert !";
    // Through the origin both lines pass through (0; 0), whatever the centroid.
    const Extended xq = modell == 0 ? 0 : g.xq, yq = modell == 0 ? 0 : g.yq;
    if (g.Zustand == TGeradenzustand::m_unendlich) {
        erste = "x=" + Zahl_allgemein(xq);
        zweite_zeile = "y=" + Zahl_allgemein(yq);
        r.senkrecht_blau = true;
        r.x_senkrecht = xq;
        r.Term_h = Zahl_allgemein(yq);
        r.zeichne_h_gruen = true;
    } else if (g.Zustand == TGeradenzustand::m2_unendlich) {
        const std::string y = Zahl_allgemein(yq);
        erste = "y=" + y;
        zweite_zeile = "x=" + Zahl_allgemein(xq);
        r.Term_g = y;
        r.zeichne_g = true;
        r.senkrecht_gruen = true;
        r.x_senkrecht = xq;
    } else {
        const std::string L1 = Gerade_Text(g.m, g.b, f), L2 = Gerade_Text(g.m2, g.b2, f);
        K = "Korrelation:   r=" + Zahl(g.r, f);
        erste = "y=" + L1;
        zweite_zeile = "y=" + L2;
        r.Term_g = L1;
        r.zeichne_g = true;
        r.Term_h = zweite ? L2 : K;
        r.zeichne_h_gruen = zweite;
    }
    const std::string zeile2 = zweite ? "2.Gerade:  " + zweite_zeile : "";
    r.Meldung = std::string("Lineare Regression:") + "\r\r" + "1.Gerade:  " + erste + "\r\r" + zeile2 + "\r\r" + K;
    return r;
}

TRegressionsbericht Polynombericht(int d, std::span<const TPunkt> p, const TZahlformat& f) {
    TRegressionsbericht r;
    std::array<Extended, 43> c{};
    if (!Polynom_anpassen(p, d, c)) {
        r.Meldung = "Fehler ! Zu wenige verschiedene x-Werte für den Grad " + std::to_string(d);
        return r;
    }
    Zahlausgabe.Koeffizienten = c;
    std::string E = Polynom_als_Text(c, d, f.fix, f.P, f.D, f.bruch);
    if (E.empty()) E = "0";
    const std::string K = "Korrel:   r=" + Zahl(Korrelation_Polynom(p, d, c), f);
    const std::string name = d == 2 ? "Quadratische" : d == 3 ? "Kubische"
                                                              : "Polynom(" + std::to_string(d) + ".Grades) -";
    r.ok = true;
    r.Term_g = E;
    r.zeichne_g = true;
    r.Term_h = K;
    r.Meldung = name + " Regression:" + Absatz + "f(x)=" + E + Absatz + K;
    return r;
}

TRegressionsbericht Modellbericht(int modell, std::span<const TPunkt> p, const TZahlformat& f) {
    TRegressionsbericht r;
    const TModell e = Linearisiert_anpassen(modell, p);
    if (!e.Fehler.empty()) {
        r.Meldung = e.Fehler;
        return r;
    }
    const std::string a = Zahl(e.erster, f), b = Zahl(e.zweiter, f);
    std::string E, titel;
    switch (modell) {
        case 6: E = a + "*e^(" + b + "*x)"; titel = "Exponentielle"; break;
        case 7: E = a + "+" + b + (e.x_negiert ? "*ln(-x)" : "*ln(x)"); titel = "Logarithmische"; break;
        case 8: E = a + (e.x_negiert ? "*(-x)^" : "*x^") + b; titel = "Potenzielle"; break;
        case 9: E = "1/(" + a + "x+" + b + ")"; titel = "Gebrochenrationale"; break;
        default: E = "x/(" + a + "x+" + b + ")"; titel = "Gebrochenrationale"; break;
    }
    E = Vorzeichen_verbinden(E);
    const std::string K = std::isfinite(e.r) ? "Korrel:   r=" + Zahl(e.r, f) : "Korrel:   r nicht definiert !";
    r.ok = true;
    (modell == 10 ? r.Term_f : r.Term_g) = E;
    (modell == 10 ? r.zeichne_f : r.zeichne_g) = true;
    r.Term_h = K;
    r.Meldung = titel + " Regression:" + Absatz + "f(x)=" + E + Absatz + K;
    return r;
}

}  // namespace

TRegressionsbericht Regression_berechnen(int modell, std::span<const TPunkt> p, bool zweite_gerade,
                                         const TZahlformat& f) {
    if (static_cast<int>(p.size()) < Mindestanzahl(modell)) {
        TRegressionsbericht r;
        r.Meldung = Mindestanzahl_Meldung(modell);
        return r;
    }
    if (modell <= 1) return Geradenbericht(modell, p, zweite_gerade, f);
    if (modell <= 5) return Polynombericht(modell, p, f);
    return Modellbericht(modell, p, f);
}

TEntfernungen Entfernungen_berechnen(const std::string& term, Extended t, std::span<const TPunkt> p,
                                     bool senkrecht) {
    TEntfernungen e;
    for (const TPunkt& q : p) {
        TEntfernung d{q, 0, false};
        if (senkrecht) {
            d.Fuss = Term_auswerten(term, q.x, t);
            d.definiert = !Parser.Term_Fehler && std::isfinite(d.Fuss);
        } else {
            bool ok = false;
            d.Fuss = Nullstelle_Newton(term + "-(" + Zahl_allgemein(q.y) + ")", t, q.x, ok);
            d.definiert = ok && std::isfinite(d.Fuss);
        }
        if (d.definiert) {
            const Extended a = senkrecht ? q.y - d.Fuss : q.x - d.Fuss;
            e.Summe += std::fabs(a);
            e.Summe_Quadrate += a * a;
            ++e.gemessen;
        } else {
            ++e.nicht_definiert;
        }
        e.Punkte.push_back(d);
    }
    return e;
}

std::string Entfernungen_Meldung(const TEntfernungen& e, bool senkrecht, const TZahlformat& f) {
    std::string s = std::to_string(e.gemessen);
    s += " Punkte:\rSumme der ";
    s += senkrecht ? "vertikalen" : "horizontalen";
    s += " Entfernungen = ";
    s += Zahl_formatieren(f.fix, f.P, f.D, e.Summe);
    s += "\rSumme der Entfernungsquadrate = ";
    s += Zahl_formatieren(f.fix, f.P, f.D, e.Summe_Quadrate);
    if (e.nicht_definiert > 0) {
        s += "\r";
        s += std::to_string(e.nicht_definiert);
        s += senkrecht ? " Punkt(e) nicht mitgezählt: Term dort nicht definiert"
                       : " Punkt(e) nicht mitgezählt: keine Stelle mit diesem y-Wert gefunden";
    }
    return s;
}
