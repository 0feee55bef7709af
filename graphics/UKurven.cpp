#include "graphics/UKurven.h"
#include "graphics/Farben.h"
#include "graphics/UGrafik.h"
#include "graphics/UMaler.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheTools.h"
#include "numeric/UReihenwerte.h"
#include "platform/Dialoge.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>

Scharbereich Schar;

namespace {

// Steps of the derived curves (difference quotients need smaller steps the lower
// the order, so that rounding does not swamp them).
constexpr Extended h_f1 = 1E-7L, h_f2 = 1E-5L, h_f3 = 1E-3L, h_kr = 1E-5L;
constexpr Extended Integral_Toleranz = 0.01L;
// Panels per column piece of the integral function: past that the piece counts as
// failed rather than holding up the picture.
constexpr int32_t Integral_Felder_hoechstens = 1 << 12;
// Columns stepped beyond each edge of the window, so that the widest pen still
// joins the curve to the edge exactly as if it went on.
constexpr int Randspalten = 16;
// Escape is polled before every family member and after this many points.
constexpr int Escape_Takt = 2048;
// Past this the window's hourglass shows.
constexpr auto Lange_Dauer = std::chrono::milliseconds(200);

// The Plot in progress (for the hourglass) and how the last drawing ended.
struct Zeichenlauf {
    std::function<void()> lange_dauer;
    std::chrono::steady_clock::time_point beginn = std::chrono::steady_clock::now();
};
Zeichenlauf* Lauf = nullptr;
bool Abgebrochen = false;
int Punkte_seit_Abfrage = 0;

bool Escape_abfragen() {
    Punkte_seit_Abfrage = 0;
    if (Lauf && Lauf->lange_dauer && std::chrono::steady_clock::now() - Lauf->beginn > Lange_Dauer) {
        Lauf->lange_dauer();
        Lauf->lange_dauer = nullptr;
    }
    if (!Abgebrochen && Dialog().Escape_gedrueckt()) Abgebrochen = true;
    return Abgebrochen;
}

// Points per stretch: a few per pixel of the picture's side, whatever the interval
// or the scale; a longer stretch is stepped more coarsely instead of being cut.
long long Punkte_hoechstens(int pixel) { return 4LL * std::max(pixel, 1) + 4 * Randspalten; }
Extended Schritt_fuer(Extended laenge, Extended dx, int pixel) {
    const Extended n = Extended(Punkte_hoechstens(pixel) - 2);
    return laenge / dx > n ? laenge / n : dx;
}

struct Kurvenpunkt {
    bool ok = false;
    Extended wert = 0;
    bool sprung = false;        // the evaluation met a jump of FLOOR or SGN
    bool signum_null = false;   // ... and SGN stood at zero
};

Kurvenpunkt Wert(const std::string& term, int art, Extended x, Extended t) {
    Kurvenpunkt p;
    bool ok = true;
    switch (art) {
    case Kurve_Ableitung_1: p.wert = Ableitung_1(term, t, x, h_f1, ok); break;
    case Kurve_Ableitung_2: p.wert = Ableitung_2(term, t, x, h_f2, ok); break;
    case Kurve_Ableitung_3: p.wert = Ableitung_3(term, t, x, h_f3, ok); break;
    case Kurve_Kruemmung: {
        Extended r, xm, ym;
        ok = Kruemmung_berechnen(term, t, x, h_kr, p.wert, r, xm, ym);
        break;
    }
    default:
        p.wert = Term_auswerten(term, x, t);
        ok = !Parser.Term_Fehler;
        break;
    }
    p.ok = ok && std::isfinite(p.wert);
    p.sprung = Parser.Sprungstelle;
    p.signum_null = Parser.Signum_Null;
    return p;
}

// A point of a derived kind through F, which may hold the formula's points ahead;
// written in place (a copied point would be read back before its parts are stored).
void Abgeleitet(Punktquelle& F, int art, Extended x, Kurvenpunkt& p) {
    bool ok = true;
    switch (art) {
    case Kurve_Ableitung_1: p.wert = Ableitung_1(F, x, h_f1, ok); break;
    case Kurve_Ableitung_2: p.wert = Ableitung_2(F, x, h_f2, ok); break;
    case Kurve_Ableitung_3: p.wert = Ableitung_3(F, x, h_f3, ok); break;
    default: {
        Extended r, xm, ym;
        p.wert = 0;
        ok = Kruemmung_berechnen(F, x, h_kr, p.wert, r, xm, ym);
        break;
    }
    }
    p.ok = ok && std::isfinite(p.wert);
    p.sprung = F.marken() & Marke_Sprungstelle;
    p.signum_null = F.marken() & Marke_Signum_Null;
}

// The points the central difference formula of a derived kind asks for at x, in the
// order it asks for them (the one-sided fall-backs are left to single calls).
int Formelpunkte(int art, Extended x, Extended* p) {
    const Extended h = art == Kurve_Ableitung_1 ? h_f1 : art == Kurve_Ableitung_2 ? h_f2
                     : art == Kurve_Ableitung_3 ? h_f3 : h_kr;
    p[0] = x;
    p[1] = x + h;
    if (art != Kurve_Ableitung_3) {
        p[2] = x - h;
        return 3;
    }
    p[2] = x + 2 * h;
    p[3] = x - h;
    p[4] = x - 2 * h;
    return 5;
}

// Draws one family member point by point, lifting the pen at failures, poles and jumps.
struct Kurvenzug {
    QPainter& maler;
    const std::string& term;
    int art;
    Extended t;
    int linienart;
    uint32_t farbe;
    int w, h;
    bool abgesetzt = true;   // the next good point starts a new line
    QPoint stift;            // where the pen stands
    bool zufall = false;     // evaluated point by point (random numbers)
    // Segments waiting for one drawLines call; only on a raster image with the
    // opaque one-pixel pen, whose line stepper draws each segment of a batch on its
    // own, exactly as a single drawLine (other pens and devices get one call a segment).
    std::vector<QLine>* linien = nullptr;
    bool verlaengern = false;   // the pen is solid

    void Linie(QPoint von, QPoint bis) {
        if (linien) {
            // Wholly beyond one edge of the picture (by more than the pen's half width
            // and cap): nothing of it could show.
            if ((von.x() < -2 && bis.x() < -2) || (von.y() < -2 && bis.y() < -2) ||
                (von.x() > w + 1 && bis.x() > w + 1) || (von.y() > h + 1 && bis.y() > h + 1))
                return;
            // With a solid pen a level or upright segment going on in the direction of
            // the one before lengthens it: the stepper sets exactly the pixels between
            // the ends of such a line, so the longer line covers both. (A dotted pen
            // starts its pattern afresh on every segment.)
            if (verlaengern && !linien->empty()) {
                QLine& l = linien->back();
                const bool waagrecht = l.y1() == l.y2() && von.y() == bis.y() && von.y() == l.y2() &&
                                       (l.x2() - l.x1() > 0) == (bis.x() - von.x() > 0) && bis.x() != von.x();
                const bool senkrecht = l.x1() == l.x2() && von.x() == bis.x() && von.x() == l.x2() &&
                                       (l.y2() - l.y1() > 0) == (bis.y() - von.y() > 0) && bis.y() != von.y();
                if (l.p2() == von && l.p1() != l.p2() && (waagrecht || senkrecht)) {
                    l.setP2(bis);
                    return;
                }
            }
            linien->emplace_back(von, bis);
            if (linien->size() >= 1024) Linien_zeichnen();
        } else {
            maler.drawLine(von, bis);
        }
    }
    void Linien_zeichnen() {
        if (!linien || linien->empty()) return;
        // Clipped to the whole picture (which changes no pixel), the stepper writes an
        // opaque pen's pixels straight into a 32-bit image instead of filling one span
        // per pixel.
        maler.setClipRect(0, 0, w, h);
        maler.drawLines(linien->data(), int(linien->size()));
        maler.setClipping(false);
        linien->clear();
    }
    // False once Escape stopped the drawing; what is drawn so far is on the picture then.
    bool Weiter() {
        if (++Punkte_seit_Abfrage < Escape_Takt) return true;
        Linien_zeichnen();
        return !Escape_abfragen();
    }

    QPoint Pixel(Extended x, Extended v) const {
        return art == Kurve_Umkehrrelation ? QPoint(x_zu_Pixel(w, v), y_zu_Pixel(h, x))
                                           : QPoint(x_zu_Pixel(w, x), y_zu_Pixel(h, v));
    }

    void Neu_ansetzen() { abgesetzt = true; }

    // A point with its value already computed (the integral function brings its own).
    void Punkt(Extended x, const Kurvenpunkt& p, Extended dx) {
        if (!p.ok) {
            abgesetzt = true;
            return;
        }
        const bool sprung = p.sprung && art != Kurve_Integralfunktion;
        const bool signum_null = p.signum_null;
        const QPoint q = Pixel(x, p.wert);
        if (sprung) {
            Sprung(x, q, dx, signum_null);
            return;
        }
        const bool pol = art == Kurve_Umkehrrelation ? std::abs(q.x() - stift.x()) >= w
                                                     : std::abs(q.y() - stift.y()) >= h;
        if (!abgesetzt && !pol) Linie(stift, q);
        stift = q;
        abgesetzt = false;
    }

    // A jump of FLOOR or SGN: filled dot at the point, open dots at the values of
    // the neighbouring columns on the same vertical, the pen moved past the jump.
    void Sprung(Extended x, QPoint q, Extended dx, bool signum_null) {
        const int s = linienart;
        Linien_zeichnen();
        Kreis(maler, q.x(), q.y(), 2 * s, Muster_voll, Stiftstil::durchgezogen, s, farbe, farbe);
        auto offen = [&](Extended v) {
            QPoint n = Pixel(x, v);
            QPoint o = art == Kurve_Umkehrrelation ? QPoint(n.x(), q.y()) : QPoint(q.x(), n.y());
            Kreis(maler, o.x(), o.y(), 2 * s, Muster_voll, Stiftstil::durchgezogen, s, Farbe_weiss, farbe);
        };
        Kurvenpunkt vor = Wert(term, art, x - dx, t);
        if (vor.ok) offen(vor.wert);
        Kurvenpunkt nach = Wert(term, art, x + dx, t);
        if (nach.ok) {
            if (signum_null) offen(nach.wert);
            stift = Pixel(x + dx, nach.wert) + QPoint(1, 0);
            abgesetzt = false;
        }
        Stift_setzen(maler, Stift(farbe, linienart));
    }
};

// The values of a run of points: the curve itself (and its inverse) as one batch,
// the derived kinds point by point. RANDOM draws in the order single calls would.
void Werte(const Kurvenzug& zug, const std::vector<Extended>& x, std::vector<Kurvenpunkt>& p) {
    p.resize(x.size());
    if (zug.zufall) {
        for (size_t i = 0; i < x.size(); ++i) p[i] = Wert(zug.term, zug.art, x[i], zug.t);
        return;
    }
    static std::vector<Extended> punkte;
    static Reihenwerte w;
    if (zug.art == Kurve_Funktion || zug.art == Kurve_Umkehrrelation) {
        w.auswerten(zug.term, x, zug.t);
        for (size_t i = 0; i < x.size(); ++i) {
            p[i].ok = w.ok(i) && std::isfinite(w.y[i]);
            p[i].wert = w.y[i];
            p[i].sprung = w.marken[i] & Marke_Sprungstelle;
            p[i].signum_null = w.marken[i] & Marke_Signum_Null;
        }
        return;
    }
    // Derived kinds: the formula's points of every x in one batch, m per x.
    Extended q[5];
    const size_t m = size_t(Formelpunkte(zug.art, 0, q));
    punkte.resize(m * x.size());
    for (size_t i = 0; i < x.size(); ++i) Formelpunkte(zug.art, x[i], &punkte[m * i]);
    w.auswerten(zug.term, punkte, zug.t);
    for (size_t i = 0; i < x.size(); ++i) {
        Punktquelle F(zug.term, zug.t);
        F.vorrat(&punkte[m * i], &w.y[m * i], &w.marken[m * i], m);
        Abgeleitet(F, zug.art, x[i], p[i]);
    }
}

// Segments may wait for one drawLines call on a raster image with the one-pixel
// cosmetic pen (see Kurvenzug::linien); point by point (Nur_Einzelaufrufe) each is drawn
// by a call of its own, as the differential tests compare.
bool Linien_sammeln(QPainter& maler) {
    if (Nur_Einzelaufrufe) return false;
    const QPaintEngine* engine = maler.paintEngine();
    const QPen& stift = maler.pen();
    return engine && engine->type() == QPaintEngine::Raster && stift.isCosmetic() && stift.widthF() <= 1 &&
           stift.color().alpha() == 255 && !maler.testRenderHint(QPainter::Antialiasing) && !maler.hasClipping();
}

// Points start + k·dx while below the end, then the end itself; columns far outside
// the visible range are skipped (they only feed the line into the window).
bool Punkte_ueber_Intervall(Kurvenzug& zug, Extended start, Extended ende, Extended dx) {
    const bool umkehr = zug.art == Kurve_Umkehrrelation;
    const Extended lo = umkehr ? KOS.yu : KOS.xli, hi = umkehr ? KOS.yo : KOS.xre;
    const int pixel = umkehr ? zug.h : zug.w;
    dx = Schritt_fuer(hi - lo, dx, pixel);
    long long k = 0;
    if (start < lo - 2 * dx) {
        // Capped where the count would no longer fit (the points then lie far off anyway).
        const Extended sprung = std::floor((lo - start) / dx) - 1;
        k = sprung < 1E18L ? static_cast<long long>(sprung) : 1000000000000000000LL;
    }
    Extended bis = ende;
    if (bis > hi + 2 * dx) bis = hi + 2 * dx;
    const long long n_max = Punkte_hoechstens(pixel);
    // Evaluated in runs of Stapel points, drawn point by point.
    constexpr size_t Stapel = 256;
    std::vector<Extended> xs;
    std::vector<Kurvenpunkt> ps;
    xs.reserve(Stapel + 1);
    for (long long n = 0;;) {
        xs.clear();
        bool fertig = false;
        while (xs.size() < Stapel) {
            const Extended x = start + k * dx;
            if (!(x < bis) || n >= n_max) {
                fertig = true;
                break;
            }
            xs.push_back(x);
            ++k;
            ++n;
        }
        const size_t schritte = xs.size();   // the end point is not a step
        if (fertig && bis == ende) xs.push_back(ende);
        Werte(zug, xs, ps);
        for (size_t i = 0; i < xs.size(); ++i) {
            zug.Punkt(xs[i], ps[i], dx);
            if (i < schritte && !zug.Weiter()) return false;
        }
        if (fertig) break;
    }
    return true;
}

// The points the trapezoid doubling of the integral function asks for first on each
// column piece (its ends and midpoint), evaluated ahead for a run of pieces as one
// batch. The pieces are laid out as the drawing loop steps them.
struct Stueckpunkte {
    static constexpr size_t Stapel = 256;
    std::vector<Extended> punkte;
    Reihenwerte w;
    size_t naechstes = 0, anzahl = 0;

    static void Stueck(Extended a, Extended b, Extended* p) {
        const Extended lo = a > b ? b : a, hi = a > b ? a : b;
        p[0] = lo;
        p[1] = hi;
        p[2] = lo + (hi - lo) / 2;
    }
    // Hands F the points of the piece from xv; evaluates the next run when they are used up.
    void geben(Punktquelle& F, const Kurvenzug& zug, Extended xv, int richtung, Extended dx, Extended bis,
               long long rest) {
        if (naechstes == anzahl) {
            punkte.clear();
            Extended a = xv;
            for (anzahl = 0; anzahl < Stapel && (long long)anzahl < rest; ++anzahl) {
                if (richtung > 0 ? !(a < bis) : !(a > bis)) break;
                const Extended b = a + richtung * dx;
                punkte.resize(punkte.size() + 3);
                Stueck(a, b, &punkte[punkte.size() - 3]);
                a = b;
            }
            w.auswerten(zug.term, punkte, zug.t);
            naechstes = 0;
        }
        if (naechstes == anzahl) return;   // no piece from xv: F evaluates singly
        F.vorrat(&punkte[3 * naechstes], &w.y[3 * naechstes], &w.marken[3 * naechstes], 3);
        ++naechstes;
    }
};

// F(u, x): from u to the right, then as a new line from u to the left, summing the
// trapezoid integrals of the column pieces. Only the window (and a few columns
// beyond it) is stepped: when u lies outside, the stretch up to the window, or up to
// the drawing interval if that begins later, is one adaptive integral, and a
// direction leading away from the window is not drawn at all.
bool Integralfunktion(Kurvenzug& zug, Extended start, Extended ende, Extended dx, Extended u) {
    dx = Schritt_fuer(KOS.xre - KOS.xli, dx, zug.w);
    const Extended lo = KOS.xli - Randspalten * dx, hi = KOS.xre + Randspalten * dx;
    const long long n_max = Punkte_hoechstens(zug.w);
    for (int richtung : {+1, -1}) {
        const bool rechts = richtung > 0;
        const Extended bis = rechts ? std::min(ende, hi) : std::max(start, lo);
        Extended summe = 0, xv = u;
        zug.Neu_ansetzen();
        Parser.Sprungstelle = false;
        if (rechts ? u > hi : u < lo) continue;
        if (rechts ? u < lo : u > hi) {
            xv = rechts ? std::max(KOS.xli, start) : std::min(KOS.xre, ende);
            if (rechts ? xv > bis : xv < bis) continue;
            bool ok = true;
            const Extended weit = Gauss_Kronrod(zug.term, zug.t, u, xv, Integral_Toleranz, ok);
            Kurvenpunkt p;
            if (ok && std::isfinite(weit)) {
                summe = weit;
                p = {true, summe};
            }
            zug.Punkt(xv, p, dx);
        } else {
            zug.Punkt(u, Kurvenpunkt{true, 0}, dx);
        }
        Stueckpunkte vorrat;
        for (long long n = 0; n < n_max; ++n) {
            if (rechts ? !(xv < bis) : !(xv > bis)) break;
            const Extended x = xv + richtung * dx;
            bool ok = true;
            Punktquelle F(zug.term, zug.t);
            if (!zug.zufall) vorrat.geben(F, zug, xv, richtung, dx, bis, n_max - n);
            const Extended stueck =
                Trapez_verdoppeln(F, xv, x, Integral_Toleranz, ok, Integral_Felder_hoechstens, zug.zufall);
            Kurvenpunkt p;
            if (ok && std::isfinite(stueck)) {
                summe += stueck;
                p = {true, summe};
            }
            zug.Punkt(x, p, dx);
            xv = x;
            if (!zug.Weiter()) return false;
        }
    }
    return true;
}

}  // namespace

uint32_t Farbe_nach_Index(int i) {
    static const uint32_t Farben[15] = {
        Farbe_RGB(0, 0, 0),       Farbe_RGB(255, 0, 0),     Farbe_RGB(0, 0, 255),   Farbe_RGB(0, 128, 0),
        Farbe_RGB(128, 0, 0),     Farbe_RGB(0, 255, 255),   Farbe_RGB(0, 0, 128),   Farbe_RGB(255, 0, 255),
        Farbe_RGB(192, 192, 192), Farbe_RGB(166, 202, 240), Farbe_RGB(128, 0, 128), Farbe_RGB(0, 255, 0),
        Farbe_RGB(160, 160, 164), Farbe_RGB(255, 255, 0),   Farbe_RGB(128, 128, 128)};
    return Farben[((i % 15) + 15) % 15];
}

// The engine's own reading decides: t, k and n standing alone become its parameter K,
// while the letters of names (sin, tan, sqrt, ln) do not. Asking it must not leave an
// error behind for the caller.
bool Ist_Scharterm(const std::string& term) {
    const Parserzustand vorher = Parser;
    std::string kanonisch;
    const bool gelesen = Term_normalisieren(term, kanonisch);
    Parser = vorher;
    return gelesen && kanonisch.find('K') != std::string::npos;
}

std::vector<Extended> Scharwerte(const Scharbereich& s) {
    std::vector<Extended> werte{s.t1};
    if (!s.alle_t || !(s.delta_t > 0)) return werte;
    // The parameter is stepped by repeated addition, so the last member is the one
    // a user counting t1, t1 + Δt, ... would expect.
    for (Extended t = s.t1 + s.delta_t; t <= s.t2 && int(werte.size()) < Scharglieder_max; t += s.delta_t)
        werte.push_back(t);
    return werte;
}

bool Schar_gekappt(const Scharbereich& s) {
    if (!s.alle_t || !(s.delta_t > 0)) return false;
    const std::vector<Extended> werte = Scharwerte(s);
    return int(werte.size()) >= Scharglieder_max && werte.back() + s.delta_t <= s.t2;
}

bool Zeichnen_abgebrochen() { return Abgebrochen; }

bool Kurve_zeichnen(QPaintDevice& bild, const std::string& term, uint32_t farbe, int linienart, int art,
                    Extended start, Extended ende, const Scharbereich& bereich) {
    if (!Lauf) Abgebrochen = false;   // a curve of its own; inside a Plot the Plot decides
    if (!(KOS.xre > KOS.xli) || !(KOS.yo > KOS.yu)) return true;
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    const bool schar = bereich.alle_t && Ist_Scharterm(term);
    const Extended dx = (KOS.xre - KOS.xli) / KOS.Bildbreite;
    std::vector<Extended> t_werte = Scharwerte(bereich);
    // The integrals of the integral function record their limits like any other;
    // a tool reading the state afterwards must find its own.
    const Integrationszustand integration_vorher = Integration;
    // A term without t gives the same curve in the same colour for every member.
    if (!Ist_Scharterm(term)) t_werte.resize(1);
    const bool zufall = Einzeln_auswerten(term);
    static std::vector<QLine> linien;
    for (size_t i = 0; i < t_werte.size(); ++i) {
        if (Escape_abfragen()) {
            Integration = integration_vorher;
            return false;
        }
        const uint32_t f = schar ? Farbe_nach_Index(int(i)) : farbe;
        Stift_setzen(maler, Stift(f, linienart));
        Kurvenzug zug{maler, term, art, t_werte[i], linienart, f, Logische_Breite(bild), Logische_Hoehe(bild), true, QPoint(), zufall};
        if (Linien_sammeln(maler)) {
            zug.linien = &linien;
            zug.verlaengern = maler.pen().style() == Qt::SolidLine;
        }
        const bool weiter = art == Kurve_Integralfunktion ? Integralfunktion(zug, start, ende, dx, bereich.u)
                                                          : Punkte_ueber_Intervall(zug, start, ende, dx);
        zug.Linien_zeichnen();
        if (!weiter) {
            Integration = integration_vorher;
            return false;
        }
    }
    Integration = integration_vorher;
    return true;
}

void Senkrechte_zeichnen(QPaintDevice& bild, const std::string& term, uint32_t farbe, int linienart) {
    const Extended a = Term_auswerten(term, 0, 0);
    const int spalte = x_zu_Pixel(Logische_Breite(bild), a);
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    Stift_setzen(maler, Stift(farbe, linienart));
    maler.drawLine(spalte, 0, spalte, Logische_Hoehe(bild));
}

namespace {
Extended Feldwert(const std::string& text) { return Term_auswerten(text, 0, 0); }
}

bool Plot_zeichnen(QPaintDevice& bild, const Plotauftrag& p, const std::function<void()>& bei_langer_dauer) {
    Abgebrochen = false;
    if (KOS.xli >= KOS.xre) {
        Dialog().Meldung("xli >= xre  !");
        return false;
    }
    if (KOS.yu >= KOS.yo) {
        Dialog().Meldung("yu >= yo  !");
        return false;
    }
    Zeichenlauf lauf{bei_langer_dauer};
    Lauf = &lauf;
    struct Ende { ~Ende() { Lauf = nullptr; } } ende;
    const Scharbereich bereich{Feldwert(p.Schar_t1), Feldwert(p.Schar_t2), Feldwert(p.delta_t), p.alle_t,
                               Feldwert(p.u)};
    Schar = bereich;
    if (p.loeschen) KOS_zeichnen(bild);
    struct Eintrag { const Kurvenstil& stil; int art; const std::string& term; Extended a, b; };
    const Eintrag kurven[] = {
        {p.f, Kurve_Funktion, p.Term_f, p.xaSchar, p.xeSchar},
        {p.g, Kurve_Funktion, p.Term_g, p.xaSchar_g, p.xeSchar_g},
        {p.h, Kurve_Funktion, p.Term_h, p.xaSchar_h, p.xeSchar_h},
        {p.fs, Kurve_Ableitung_1, p.Term_f, p.xaSchar, p.xeSchar},
        {p.fs2, Kurve_Ableitung_2, p.Term_f, p.xaSchar, p.xeSchar},
        {p.fs3, Kurve_Ableitung_3, p.Term_f, p.xaSchar, p.xeSchar},
        {p.f_invers, Kurve_Umkehrrelation, p.Term_f, p.xaSchar, p.xeSchar},
        {p.F, Kurve_Integralfunktion, p.Term_f, p.xaSchar, p.xeSchar},
        {p.kr, Kurve_Kruemmung, p.Term_f, p.xaSchar, p.xeSchar},
    };
    bool schar = false;
    for (const Eintrag& e : kurven)
        if (e.stil.zeichnen) {
            if (!Kurve_zeichnen(bild, e.term, e.stil.Farbe, e.stil.Linienart, e.art, e.a, e.b, bereich)) {
                // What is drawn stays; nothing more is.
                Dialog().Meldung(Meldung_Zeichnen_abgebrochen);
                return true;
            }
            schar = schar || Ist_Scharterm(e.term);
        }
    if (p.x_gleich_a.zeichnen) Senkrechte_zeichnen(bild, p.aStart, p.x_gleich_a.Farbe, p.x_gleich_a.Linienart);
    if (p.x_gleich_b.zeichnen) Senkrechte_zeichnen(bild, p.bEnde, p.x_gleich_b.Farbe, p.x_gleich_b.Linienart);
    if (schar && Schar_gekappt(bereich)) Dialog().Meldung(Meldung_Schar_gekappt);
    return true;
}
