// Bar, histogram, box-plot and pie charts.
#include "graphics/UDiagramme.h"
#include "graphics/UKurven.h"
#include "graphics/UMaler.h"
#include "graphics/U_KOS.h"

#include <cmath>

namespace {

int px(const QPaintDevice& b, Extended x) { return x_zu_Pixel(Logische_Breite(b), x); }
int py(const QPaintDevice& b, Extended y) { return y_zu_Pixel(Logische_Hoehe(b), y); }

// A bar in world coordinates: white first, so a hatch pattern shows on white.
void Balken(QPaintDevice& bild, Extended x1, Extended x2, Extended y) {
    const int a = px(bild, x1), b = px(bild, x2), u = py(bild, 0), o = py(bild, y);
    Rechteck_zeichnen(bild, a, u, b, o, Muster_voll, Marken.Fuell_Linienstil, Marken.Fuell_Linienbreite,
                      Farbe_weiss, Marken.Linienfarbe);
    Rechteck_zeichnen(bild, a, u, b, o, Marken.Fuellmuster, Marken.Fuell_Linienstil, Marken.Fuell_Linienbreite,
                      Marken.Fuellfarbe, Marken.Linienfarbe);
}

constexpr int Box_Stiftbreite = 2;

void Blau(QPaintDevice& bild, Extended x1, Extended y1, Extended x2, Extended y2) {
    Linie_zeichnen(bild, px(bild, x1), py(bild, y1), px(bild, x2), py(bild, y2), Stiftstil::durchgezogen,
                   Box_Stiftbreite, Farbe_blau);
}

void Kreuz(QPaintDevice& bild, Extended x, Extended y) {
    const int d = 3 * Box_Stiftbreite, p = px(bild, x), q = py(bild, y);
    Linie_zeichnen(bild, p - d, q - d, p + d, q + d, Stiftstil::durchgezogen, 2, Marken.Punktfarbe);
    Linie_zeichnen(bild, p - d, q + d, p + d, q - d, Stiftstil::durchgezogen, 2, Marken.Punktfarbe);
}

}  // namespace

void Saeulen_zeichnen(QPaintDevice& bild, std::span<const TPunkt> punkte, Extended delta_x,
                      const std::vector<std::string>* texte, int textgroesse) {
    for (size_t i = 0; i < punkte.size(); ++i) {
        const TPunkt& p = punkte[i];
        Balken(bild, p.x - delta_x / 4, p.x + delta_x / 4, p.y);
        if (texte && i < texte->size())
            Text_ausgeben(bild, px(bild, p.x - delta_x / 4), py(bild, 0) + 10, (*texte)[i], "Arial", textgroesse,
                          false, Schriftstil::normal, Farbe_schwarz);
    }
}

void Grundlinie_zeichnen(QPaintDevice& bild) {
    const int y = py(bild, 0);
    Linie_zeichnen(bild, 0, y, Logische_Breite(bild) - 1, y, Stiftstil::durchgezogen, 1, Farbe_schwarz);
}

void Histogramm_zeichnen(QPaintDevice& bild, std::span<const TPunkt> klassen, std::span<const Extended> h) {
    for (size_t i = 0; i < klassen.size() && i < h.size(); ++i) {
        const Extended breite = klassen[i].y - klassen[i].x;
        if (breite > 0) Balken(bild, klassen[i].x, klassen[i].y, h[i] / breite);
    }
}

void Boxplot_zeichnen(QPaintDevice& bild, const TKennzahlen& z, const TWertpaare& daten, int typ, int k) {
    const Extended g = 2 * k - 1;
    const bool modifiziert = typ == Diagramm_Boxplot_mod || typ == Diagramm_Boxplot_mod_Daten;
    Extended L = z.Min, R = z.Max;
    if (modifiziert) {
        L = z.Max, R = z.Min;   // the data nearest to the fences from inside
        for (const TWertpaar& p : daten) {
            if (p.x >= z.zu && p.x < L) L = p.x;
            if (p.x <= z.zo && p.x > R) R = p.x;
        }
    }
    Blau(bild, z.Q1, g, L, g);
    Blau(bild, L, g - 0.5L, L, g + 0.5L);
    Blau(bild, z.Q3, g, R, g);
    Blau(bild, R, g - 0.5L, R, g + 0.5L);
    Rechteck_zeichnen(bild, px(bild, z.Q1), py(bild, g + 0.5L), px(bild, z.Q3), py(bild, g - 0.5L), Muster_leer,
                      Stiftstil::durchgezogen, Box_Stiftbreite, Farbe_weiss, Farbe_blau);
    Blau(bild, z.Median, g - 0.5L, z.Median, g + 0.5L);
    if (modifiziert)
        for (const TWertpaar& p : daten)
            if (p.x < L || p.x > R) Kreuz(bild, p.x, g);
    if (typ == Diagramm_Boxplot_Daten || typ == Diagramm_Boxplot_mod_Daten) {
        const int schritt = static_cast<int>(std::nearbyint(2.5 * Marken.Punktradius));
        const int unten = py(bild, g - 0.5L);
        for (const TWertpaar& p : daten) {
            // Never more dots than could stand in the picture's height.
            const long long n = std::min<long long>(std::llround(p.h), Logische_Hoehe(bild) + 1);
            for (long long i = 1; i <= n; ++i)
                Punktsymbol_zeichnen(bild, px(bild, p.x), unten - int(i) * std::max(schritt, 1));
        }
    }
}

void Kreisdiagramm_zeichnen(QPaintDevice& bild, const TKreis& kreis, const std::vector<TSektor>& sektoren,
                            const std::vector<std::string>& texte, int textgroesse) {
    const QRect rahmen(QPoint(px(bild, kreis.M.x - kreis.R), py(bild, kreis.M.y + kreis.R)),
                       QPoint(px(bild, kreis.M.x + kreis.R), py(bild, kreis.M.y - kreis.R)));
    {
        QPainter maler(&bild);
        Maler_vorbereiten(maler);
        Stift_setzen(maler, Stift(Marken.Fuell_Linienstil, Marken.Fuell_Linienbreite, Marken.Linienfarbe));
        Extended W = 0;
        for (size_t i = 0; i < sektoren.size(); ++i) {
            maler.setBrush(Pinsel(Marken.Fuellmuster, Farbe_nach_Index(int(i))));
            // Qt counts sixteenths of a degree counter-clockwise from three o'clock.
            const int start = int(std::lround((90 + W) * 16)), spanne = int(std::lround(sektoren[i].Winkel * 16));
            maler.drawPie(rahmen, start, spanne);
            W = sektoren[i].Winkel_kumuliert;
        }
    }
    const Extended Mx = kreis.M.x, My = kreis.M.y, R = kreis.R;
    for (size_t i = 0; i < sektoren.size() && i < texte.size(); ++i) {
        const std::string& t = texte[i];
        if (t.empty() || t == " ") continue;
        const TPunkt& q = sektoren[i].Mitte_Rand;
        int x = px(bild, q.x), y = py(bild, q.y);
        if (q.x < Mx - 0.3L * R) x += textgroesse;
        if (q.x > Mx + 0.3L * R) x -= int(t.size()) * textgroesse + 5;
        if (q.y < My - 0.6L * R) y -= 2 * textgroesse;
        if (q.y > My + 0.6L * R) y += 2 * textgroesse;
        Text_ausgeben(bild, x, y, t, "Arial", textgroesse, false, Schriftstil::normal, Farbe_schwarz);
    }
}
