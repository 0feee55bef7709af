// Pictures of sequences and curves: what the cobweb writes and draws, gaps in a
// time series and the colours of a curve family.
#include "tests/graphics/Qt_Umgebung.h"
#include "graphics/Farben.h"
#include "graphics/UFolgen_Grafik.h"

#include <cmath>

namespace {

class Folgenbild : public Zeichentest {
protected:
    static int Sp(double x) { return int(std::lround(320 + 40 * x)); }
    static int Ze(double y) { return int(std::lround(320 - 40 * y)); }
    int Nicht_weiss(int x1, int y1, int x2, int y2) {
        return (x2 - x1 + 1) * (y2 - y1 + 1) - Anzahl(bild, x1, y1, x2, y2, Weiss);
    }
};

TEST_F(Folgenbild, Spinnweb_findet_Grenzwert_Zyklus_oder_keinen) {
    struct Fall {
        const char* g;
        Extended x0;
        bool nur_g;
        int linienart;
        Spinnwebende ende;
        std::vector<double> lote;   // dotted drop lines expected below the x axis
    };
    const Fall faelle[] = {
        {"0,5x+1", 0.5L, false, 1, Spinnwebende::Grenzwert, {2}},
        {"0,5x+1", 0.5L, false, 5, Spinnwebende::Grenzwert, {2}},
        {"3,2x(1-x)", 0.5L, false, 1, Spinnwebende::Haeufungswerte, {0.5130, 0.7995}},
        {"x²+1", 1, false, 1, Spinnwebende::entwichen, {}},
        {"x+0,05", 0.5L, false, 1, Spinnwebende::kein_Grenzwert, {}},
        {"1/x", 0, false, 1, Spinnwebende::abgebrochen, {}},
        {"3,2x(1-x)", 0.5L, true, 1, Spinnwebende::nur_g, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.g) + " Stil " + std::to_string(f.linienart));
        Image_loeschen(bild);
        const Folge folge = Folge_berechnen({f.g, Folgenart::rekursiv, 500, 1, f.x0});
        Spinnwebvorgabe v;
        v.g = f.g;
        v.nur_g = f.nur_g;
        v.Linienart = f.linienart;
        EXPECT_EQ(Spinnweb_zeichnen(bild, folge, v), f.ende);
        // g in red, the diagonal in black, the web in the line colour.
        EXPECT_EQ(Pixel(bild, Sp(-4), Ze(-4)), Schwarz);
        const bool netz = f.ende != Spinnwebende::nur_g && f.ende != Spinnwebende::abgebrochen;
        EXPECT_EQ(Anzahl(bild, 0, 0, 640, 640, Blau) > 0, netz);
        for (double w : f.lote) EXPECT_GT(Anzahl(bild, Sp(w), Ze(0) + 1, Sp(w), Ze(0) + 6, Schwarz), 0) << w;
        // The finding is written at the top, right of the y axis.
        EXPECT_EQ(Nicht_weiss(Sp(0) + 20, 25, Sp(0) + 200, 40) > 0, netz);
    }
}

TEST_F(Folgenbild, Zeitreihe_laesst_fehlende_Glieder_aus) {
    Marken.DatenPkte_verbinden = true;
    Marken.Verbindungsfarbe = Farbe_blau;
    Marken.Punktfarbe = Farbe_rot;
    const Folge folge = Folge_berechnen({"1/(n-3)", Folgenart::explizit, 10, 1});
    Zeitreihe_zeichnen(bild, folge);
    EXPECT_EQ(Pixel(bild, Sp(2), Ze(-1)), Rot);
    EXPECT_EQ(Pixel(bild, Sp(4), Ze(1)), Rot);
    EXPECT_GT(Anzahl(bild, Sp(1), 0, Sp(2), 640, Blau), 0);   // joined before the gap
    EXPECT_EQ(Anzahl(bild, Sp(3) - 2, 0, Sp(3) + 2, 640, Blau), 0);   // nothing across it
}

TEST_F(Folgenbild, Ellipsenschar_in_den_Farben_der_Schar) {
    Kurvenvorgabe v;   // x·cos(t), 3x/5·sin(t) from -π to π in steps of π/720
    Scharbereich s{1, 4, 0.5L, true, 0};
    EXPECT_EQ(Kurvenschar_zeichnen(bild, v, Farbe_blau, 1, Scharwerte(s), true), 0);
    for (int i = 0; i < 7; ++i) {
        const double f = 1 + 0.5 * i;
        SCOPED_TRACE(f);
        EXPECT_EQ(Pixel(bild, Sp(f), Ze(0)), RGB(Farbe_nach_Index(i)));          // (f; 0)
        EXPECT_EQ(Pixel(bild, Sp(0), Ze(0.6 * f)), RGB(Farbe_nach_Index(i)));    // (0; 0,6f)
    }
    // Without "t von" one ellipse in the given colour; a failing term leaves gaps, never a line to them.
    Image_loeschen(bild);
    v.yTerm = "sqrt(t)";
    Kurvenschar_zeichnen(bild, v, Farbe_blau, 1, {2}, false);
    EXPECT_EQ(Anzahl(bild, 0, Ze(0) + 1, 640, 640, Blau), 0);   // t < 0 fails: nothing below the axis
    EXPECT_GT(Anzahl(bild, 0, 0, 640, Ze(0), Blau), 0);
}

}  // namespace
