#include "graphics/UFiguren.h"

#include "graphics/Farben.h"
#include "graphics/UMaler.h"
#include "graphics/U_KOS.h"

#include <cmath>
#include <numbers>

namespace {

constexpr uint32_t Gruen = 0x008000, Kastanie = 0x000080, Grau = 0x808080, Rot = 0x0000FF, Magenta = 0xFF00FF,
                   Lila = 0x800080, Hellblau = 0xFF8080, Blau = 0xFF0000, Tuerkis = 0xFFFF00;

QPoint Pixel(const QPaintDevice& bild, TPunkt P) {
    return {x_zu_Pixel(Logische_Breite(bild), P.x), y_zu_Pixel(Logische_Hoehe(bild), P.y)};
}

void Strecke(QPainter& maler, const QPaintDevice& bild, TPunkt P, TPunkt Q, Stiftstil stil, int breite, uint32_t farbe) {
    Stift_setzen(maler, Stift(stil, breite, farbe));
    const QPoint p = Pixel(bild, P), q = Pixel(bild, Q);
    Linie(maler, p.x(), p.y(), q.x(), q.y());
}

// The segment P–Q drawn three times its length about its middle.
void Verlaengert(QPainter& maler, const QPaintDevice& bild, TPunkt P, TPunkt Q, Stiftstil stil, uint32_t farbe) {
    Strecke(maler, bild, {2 * P.x - Q.x, 2 * P.y - Q.y}, {2 * Q.x - P.x, 2 * Q.y - P.y}, stil, 1, farbe);
}

void Symbol(QPainter& maler, const QPaintDevice& bild, TPunkt P, int art, int radius, uint32_t farbe) {
    const QPoint p = Pixel(bild, P);
    Punktsymbol(maler, p.x(), p.y(), art, radius, farbe);
}

// Screen angle in degrees (counter-clockwise on the screen, 0 towards the right).
double Bildwinkel(QPoint mitte, QPoint p) {
    return std::atan2(double(mitte.y() - p.y()), double(p.x() - mitte.x())) * 180 / std::numbers::pi;
}

void Drehbogen(QPainter& maler, const QPaintDevice& bild, TPunkt M, TPunkt P, TPunkt B, Extended alpha) {
    const QPoint m = Pixel(bild, M), p = Pixel(bild, P), b = Pixel(bild, B);
    const int r = int(std::lround(std::hypot(double(b.x() - m.x()), double(b.y() - m.y()))));
    if (r < 1) return;
    double spanne = std::fmod(Bildwinkel(m, b) - Bildwinkel(m, p) + 720.0, 360.0);
    // Start and end on the same ray: a full turn sweeps the whole circle, no turn nothing.
    if (spanne < 1.0 / 16) spanne = std::fmod(double(alpha), 360.0) == 0 && alpha != 0 ? 360 : 0;
    if (spanne == 0) return;
    Stift_setzen(maler, Stift(Stiftstil::gepunktet, 1, Farbe_schwarz));
    maler.setBrush(Qt::NoBrush);
    maler.drawArc(QRect(m.x() - r, m.y() - r, 2 * r, 2 * r), int(std::lround(Bildwinkel(m, p) * 16)),
                  int(std::lround(spanne * 16)));
}

}  // namespace

void Abbildungsparameter_zeichnen(QPaintDevice& bild, const TAbbildung& abb) {
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    switch (abb.Art) {
    case Abbildungsart::Achsenspiegelung:
        Strecke(maler, bild, abb.Q, abb.T, Stiftstil::durchgezogen, 1, Gruen);
        break;
    case Abbildungsart::Drehung:
        Symbol(maler, bild, abb.M, Marken.Punkteart, Marken.Punktradius, Marken.Punktfarbe);
        break;
    case Abbildungsart::Verschiebung: {
        const QPoint r = Pixel(bild, abb.R), s = Pixel(bild, abb.S);
        Pfeil(maler, r.x(), r.y(), s.x(), s.y(), 5, 14, Muster_voll, Stiftstil::durchgezogen, Gruen, 1,
              Farbe_schwarz);
        break;
    }
    case Abbildungsart::Zentrische_Streckung:
        Symbol(maler, bild, abb.Z, Marken.Punkteart, Marken.Punktradius, Marken.Punktfarbe);
        break;
    case Abbildungsart::Scherung:
    case Abbildungsart::Matrix: break;
    }
}

void Hilfslinien_zeichnen(QPaintDevice& bild, const TAbbildung& abb, TPunkt P, TPunkt B) {
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    const auto punktiert = [&](TPunkt X, TPunkt Y) { Strecke(maler, bild, X, Y, Stiftstil::gepunktet, 1, Farbe_schwarz); };
    switch (abb.Art) {
    case Abbildungsart::Achsenspiegelung: punktiert(B, P); break;
    case Abbildungsart::Drehung:
        punktiert(abb.M, P);
        punktiert(abb.M, B);
        Drehbogen(maler, bild, abb.M, P, B, abb.alpha);
        break;
    case Abbildungsart::Verschiebung: {
        const QPoint p = Pixel(bild, P), b = Pixel(bild, B);
        Pfeil(maler, p.x(), p.y(), b.x(), b.y(), 5, 14, Muster_voll, Stiftstil::durchgezogen, Farbe_schwarz, 1,
              Farbe_schwarz);
        break;
    }
    case Abbildungsart::Zentrische_Streckung:
        punktiert(abb.Z, P);
        punktiert(abb.Z, B);
        break;
    case Abbildungsart::Scherung: punktiert(P, B); break;
    case Abbildungsart::Matrix: break;
    }
}

uint32_t Dreieckselement_Farbe(int element, uint32_t linienfarbe) {
    static constexpr uint32_t farben[D_Anzahl] = {
        Magenta, Kastanie, Grau, Rot, Gruen, Lila, Hellblau, Gruen, Kastanie, Grau, Rot, Grau, Kastanie, Grau,
        Lila, Lila, 0, Tuerkis};
    if (element == D_Eckpunkte_beschriften) return linienfarbe;
    return element >= 0 && element < D_Anzahl ? farben[element] : Farbe_schwarz;
}

namespace {

// A vertex is acute when its opposite squared side is smaller than the sum of the
// other two; a right angle (up to rounding) is not.
bool spitz(Extended gegen2, Extended s1_2, Extended s2_2) { return gegen2 < (s1_2 + s2_2) * (1 - 1e-12L); }

void Hoehen(QPainter& maler, const QPaintDevice& bild, const TDreieck& d) {
    for (auto [V, F] : {std::pair{d.A, d.Ha}, {d.B, d.Hb}, {d.C, d.Hc}})
        Strecke(maler, bild, V, F, Stiftstil::durchgezogen, 1, Rot);
    // Through the vertex and the feet on its two sides (blue), and through H and those feet (red).
    auto verlaengern = [&](TPunkt V, TPunkt F1, TPunkt F2) {
        Verlaengert(maler, bild, V, F1, Stiftstil::gepunktet, Blau);
        Verlaengert(maler, bild, V, F2, Stiftstil::gepunktet, Blau);
        Verlaengert(maler, bild, d.H, F1, Stiftstil::gepunktet, Rot);
        Verlaengert(maler, bild, d.H, F2, Stiftstil::gepunktet, Rot);
    };
    if (spitz(d.c2, d.a2, d.b2)) verlaengern(d.C, d.Ha, d.Hb);
    if (spitz(d.b2, d.a2, d.c2)) verlaengern(d.B, d.Ha, d.Hc);
    if (spitz(d.a2, d.b2, d.c2)) verlaengern(d.A, d.Hc, d.Hb);
}

void Kreis_um(QPainter& maler, const QPaintDevice& bild, TPunkt M, Extended radius, uint32_t farbe) {
    const QPoint m = Pixel(bild, M);
    const int r = x_zu_Pixel(Logische_Breite(bild), radius) - x_zu_Pixel(Logische_Breite(bild), 0);
    Kreis(maler, m.x(), m.y(), r, Muster_leer, Stiftstil::durchgezogen, 2, Farbe_weiss, farbe);
}

void Element_zeichnen(QPainter& maler, const QPaintDevice& bild, const TDreieck& d, int e, int art, int radius,
                      uint32_t farbe, Schriftstil textstil) {
    const auto linie = [&](TPunkt P, TPunkt Q) { Strecke(maler, bild, P, Q, Stiftstil::durchgezogen, 1, farbe); };
    const auto symbol = [&](TPunkt P) { Symbol(maler, bild, P, art, radius, farbe); };
    switch (e) {
    case D_Schwerpunkt: symbol(d.S); break;
    case D_Umkreismittelpunkt: symbol(d.U); break;
    case D_Inkreismittelpunkt: symbol(d.I); break;
    case D_Hoehenschnittpunkt: symbol(d.H); break;
    case D_Seitenmittelpunkte: symbol(d.Ma), symbol(d.Mb), symbol(d.Mc); break;
    case D_Inkreislotpunkte: symbol(d.Ta), symbol(d.Tb), symbol(d.Tc); break;
    case D_Hoehenfusspunkte: symbol(d.Ha), symbol(d.Hb), symbol(d.Hc); break;
    case D_Seitenhalbierenden: linie(d.Ma, d.A), linie(d.Mb, d.B), linie(d.Mc, d.C); break;
    case D_Mittelsenkrechten:
        for (auto [P, Q] : {std::pair{d.A, d.B}, {d.A, d.C}, {d.B, d.C}}) {
            TPunkt E1, E2;
            Mittelsenkrechte(P, Q, E1, E2);
            Verlaengert(maler, bild, E1, E2, Stiftstil::durchgezogen, farbe);
        }
        break;
    case D_Winkelhalbierenden: linie(d.A, d.WA), linie(d.B, d.WB), linie(d.C, d.WC); break;
    case D_Hoehen: Hoehen(maler, bild, d); break;
    case D_Mittelparallelen: linie(d.Mb, d.Ma), linie(d.Mb, d.Mc), linie(d.Ma, d.Mc); break;
    case D_Umkreis: Kreis_um(maler, bild, d.U, d.R, farbe); break;
    case D_Inkreis: Kreis_um(maler, bild, d.I, d.r, farbe); break;
    case D_Umkreisradius: linie(d.U, d.A); break;
    case D_Inkreisradius: linie(d.I, d.Ta); break;
    case D_Eckpunkte_beschriften: {
        const QFont schrift = Schrift("arial", 12, textstil);
        const QPoint a = Pixel(bild, d.A), b = Pixel(bild, d.B), c = Pixel(bild, d.C);
        Text(maler, a.x() - 6, a.y() + 4, "A", schrift, true, farbe);
        Text(maler, b.x() - 3, b.y() + 4, "B", schrift, true, farbe);
        Text(maler, c.x() - 4, c.y() - 20, "C", schrift, true, farbe);
        break;
    }
    case D_Eulergerade: Verlaengert(maler, bild, d.U, d.H, Stiftstil::durchgezogen, farbe); break;
    default: break;
    }
}

}  // namespace

uint32_t Dreieck_zeichnen(QPaintDevice& bild, const TDreieck& d, const TDreieckswahl& wahl, int art, int radius,
                          uint32_t linienfarbe, uint32_t punktfarbe, Schriftstil textstil) {
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    for (int e = 0; e < D_Anzahl; ++e) {
        if (!wahl[size_t(e)]) continue;
        punktfarbe = Dreieckselement_Farbe(e, linienfarbe);
        Element_zeichnen(maler, bild, d, e, art, radius, punktfarbe, textstil);
    }
    return punktfarbe;
}

void Baum_zeichnen(QPaintDevice& bild, const TBaum& baum, const TBaumstil& stil) {
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    Kreis(maler, baum.Wurzel_x, baum.Wurzel_y, 2, Muster_voll, Stiftstil::durchgezogen, 1, Farbe_schwarz,
          Farbe_schwarz);
    const auto farbe = [&](const TBaumknoten& k) { return k.Erfolg ? stil.Farbe_Erfolg : stil.Farbe_Misserfolg; };
    for (const TBaumknoten& k : baum.Knoten) {
        const bool wurzel = k.Vater < 0;
        const int vx = wurzel ? baum.Wurzel_x : baum.Knoten[size_t(k.Vater)].x;
        const int vy = wurzel ? baum.Wurzel_y : baum.Knoten[size_t(k.Vater)].y;
        Stift_setzen(maler, Stift(Stiftstil::durchgezogen, 1, farbe(k)));
        Linie(maler, vx, vy, k.x, k.y);
    }
    const QFont knotenschrift = Schrift("arial", 10, Schriftstil::normal);
    const QFont kleine = Schrift("arial", 8, Schriftstil::normal);
    const std::string nenner = std::to_string(baum.N);
    for (const TBaumknoten& k : baum.Knoten) {
        Kreis(maler, k.x, k.y, 12, Muster_voll, Stiftstil::durchgezogen, 1, Farbe_weiss, Farbe_schwarz);
        if (stil.Text_an_Aeste)
            Text(maler, k.x - 5, k.y - 8, Qtext(k.Erfolg ? stil.Erfolg : stil.Misserfolg), knotenschrift, true,
                 farbe(k));
        if (stil.Wsk_an_Aeste) {
            const std::string zaehler = std::to_string(k.Erfolg ? baum.Z : baum.N - baum.Z);
            Text(maler, k.Erfolg ? k.x - 10 : k.x, k.y - 28, Qtext(zaehler + "/" + nenner), kleine, true, farbe(k));
        }
    }
    if (!stil.Pfadwahrsch) return;
    // Estimated half-widths of 7 pixels per digit; the bar covers 2B pixels.
    const int B = int(7 * baum.Nenner_Text.size()) / 2;
    for (const TBaumknoten& k : baum.Knoten) {
        if (k.Stufe != baum.n) continue;
        const std::string zaehler = std::to_string(k.Pfadzaehler);
        const int C = int(7 * zaehler.size()) / 2;
        Text(maler, k.x - C, k.y + 15, Qtext(zaehler), kleine, true, Farbe_schwarz);
        Stift_setzen(maler, Stift(Stiftstil::durchgezogen, 1, Farbe_schwarz));
        Linie(maler, k.x - B, k.y + 29, k.x + B - 1, k.y + 29);
        Text(maler, k.x - B, k.y + 30, Qtext(baum.Nenner_Text), kleine, true, Farbe_schwarz);
    }
}
