// Primitives, marks and the empty coordinate system, checked pixel by pixel.
#include "tests/graphics/Qt_Umgebung.h"
#include "graphics/Farben.h"

#include <QFontInfo>
#include <QPainter>
#include <QFont>
#include <vector>

namespace {

const Farbe3 Raster{214, 214, 214}, Grob{182, 182, 182};

using Grafik = Zeichentest;

TEST_F(Grafik, ArialIsDrawnWithTheMetricCompatibleFace) {
    QFont f("Arial");
    EXPECT_EQ(QFontInfo(f).family().toStdString(), "Liberation Sans");
}

TEST_F(Grafik, LinesIncludeBothEndsAndHaveTheStyleWidth) {
    Linie_zeichnen(bild, 10, 10, 20, 10, Stiftstil::durchgezogen, 1, Farbe_blau);
    EXPECT_EQ(Pixel(bild, 10, 10), Blau);
    EXPECT_EQ(Pixel(bild, 20, 10), Blau);
    EXPECT_EQ(Pixel(bild, 21, 10), Weiss);
    EXPECT_EQ(Pixel(bild, 15, 11), Weiss);
    // style 3: three pixels thick
    Linie_zeichnen(bild, 10, 50, 30, 50, Stiftstil::durchgezogen, Linienbreite(3), Farbe_rot);
    EXPECT_EQ(Anzahl(bild, 20, 45, 20, 55, Rot), 3);
    // dotted: gaps along the line
    Linie_zeichnen(bild, 10, 100, 40, 100, Stiftstil::gepunktet, 1, Farbe_schwarz);
    int n = Anzahl(bild, 10, 100, 40, 100, Schwarz);
    EXPECT_GT(n, 5);
    EXPECT_LT(n, 25);
}

TEST_F(Grafik, LineStylesAndTheirFillOutlines) {
    struct Fall { int art, breite, fuellbreite; bool gepunktet; int kurve; };
    const std::vector<Fall> faelle = {{0, 1, 0, true, 0}, {1, 1, 1, false, 1}, {2, 2, 2, false, 2},
                                      {3, 3, 3, false, 3}, {4, 1, 1, false, 1}, {5, 3, 3, false, 3}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.art);
        QPen p = Stift(Farbe_rot, f.art);
        EXPECT_EQ(p.width(), f.breite);
        EXPECT_EQ(p.style(), f.gepunktet ? Qt::DotLine : Qt::SolidLine);
        Linienart_waehlen(f.art);
        EXPECT_EQ(Marken.Fuell_Linienbreite, f.fuellbreite);
        EXPECT_EQ(Marken.Fuell_Linienstil == Stiftstil::gepunktet, f.gepunktet);
        EXPECT_EQ(Kurven_Linienart(f.art), f.kurve);
    }
}

TEST_F(Grafik, SmallCirclesArePixelsLargerOnesFilledDiscs) {
    Kreis_zeichnen(bild, 10, 10, 0, Muster_voll, Stiftstil::durchgezogen, 2, Farbe_rot, Farbe_blau);
    EXPECT_EQ(Anzahl(bild, 5, 5, 15, 15, Blau), 1);
    EXPECT_EQ(Pixel(bild, 10, 10), Blau);
    Kreis_zeichnen(bild, 50, 50, 1, Muster_voll, Stiftstil::durchgezogen, 2, Farbe_rot, Farbe_blau);
    EXPECT_EQ(Anzahl(bild, 45, 45, 55, 55, Blau), 5);
    EXPECT_EQ(Pixel(bild, 51, 50), Blau);
    EXPECT_EQ(Pixel(bild, 51, 51), Weiss);
    Kreis_zeichnen(bild, 100, 100, 6, Muster_voll, Stiftstil::durchgezogen, 1, Farbe_rot, Farbe_blau);
    EXPECT_EQ(Pixel(bild, 100, 100), Rot);
    EXPECT_EQ(Pixel(bild, 106, 100), Blau);
    EXPECT_EQ(Pixel(bild, 100, 94), Blau);
    EXPECT_EQ(Pixel(bild, 108, 100), Weiss);
    // clear brush: a ring only
    Kreis_zeichnen(bild, 200, 200, 8, Muster_leer, Stiftstil::durchgezogen, 2, Farbe_rot, Farbe_blau);
    EXPECT_EQ(Pixel(bild, 200, 200), Weiss);
    EXPECT_EQ(Anzahl(bild, 190, 190, 210, 210, Rot), 0);
}

TEST_F(Grafik, RectanglesIncludeTheirLastRowAndColumn) {
    Rechteck_zeichnen(bild, 10, 10, 20, 20, Muster_voll, Stiftstil::durchgezogen, 1, Farbe_rot, Farbe_blau);
    EXPECT_EQ(Pixel(bild, 20, 20), Blau);
    EXPECT_EQ(Pixel(bild, 10, 15), Blau);
    EXPECT_EQ(Pixel(bild, 15, 15), Rot);
    EXPECT_EQ(Pixel(bild, 21, 20), Weiss);
    Rechteck_zeichnen(bild, 30, 30, 40, 40, Muster_voll, Stiftstil::unsichtbar, 1, Farbe_rot, Farbe_blau);
    EXPECT_EQ(Anzahl(bild, 29, 29, 41, 41, Rot), 121);
}

TEST_F(Grafik, FillPatternsHatchOnATransparentGround) {
    // Per pattern: does a row, a column or a diagonal of the inside stay unbroken?
    struct Fall { int muster; int gefuellt_min, gefuellt_max; };
    const std::vector<Fall> faelle = {{0, 400, 400}, {1, 0, 0},    {2, 40, 80},   {3, 40, 80},
                                      {4, 40, 80},   {5, 40, 80},  {6, 80, 160},  {7, 80, 160}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.muster);
        QImage b = Bild_erzeugen(64, 64);
        b.fill(Qt::green);
        Rechteck_zeichnen(b, 10, 10, 31, 31, f.muster, Stiftstil::unsichtbar, 1, Farbe_rot, Farbe_blau);
        const int rot = Anzahl(b, 12, 12, 31, 31, Rot);
        EXPECT_GE(rot, f.gefuellt_min);
        EXPECT_LE(rot, f.gefuellt_max);
        // the ground shows through where the hatch is not
        EXPECT_EQ(Anzahl(b, 12, 12, 31, 31, Farbe3{0, 255, 0}), 400 - rot);
    }
    // horizontal hatch: whole rows, vertical hatch: whole columns
    QImage b = Bild_erzeugen(64, 64);
    Rechteck_zeichnen(b, 0, 0, 63, 63, 2, Stiftstil::unsichtbar, 1, Farbe_rot, Farbe_blau);
    int volle_zeilen = 0;
    for (int y = 0; y < 64; ++y) volle_zeilen += Anzahl(b, 0, y, 63, y, Rot) == 64;
    EXPECT_EQ(volle_zeilen * 64, Anzahl(b, 0, 0, 63, 63, Rot));
}

TEST_F(Grafik, ArrowsSkipShortSegmentsAndEndOnTheTip) {
    Pfeil_zeichnen(bild, 10, 10, 27, 10, 4, 15, Muster_voll, Stiftstil::durchgezogen, Farbe_rot, 1, Farbe_rot);
    EXPECT_EQ(Anzahl(bild, 0, 0, 40, 20, Rot), 0);   // 17 pixels: no room for the head
    Pfeil_zeichnen(bild, 10, 100, 110, 100, 4, 15, Muster_voll, Stiftstil::durchgezogen, Farbe_RGB(0, 128, 0), 1,
                   Farbe_blau);
    EXPECT_EQ(Pixel(bild, 110, 100), Blau);          // tip
    EXPECT_EQ(Pixel(bild, 10, 100), Blau);           // start of the shaft
    EXPECT_EQ(Pixel(bild, 100, 100), Farbe3(0, 128, 0));   // inside the head
    EXPECT_EQ(Pixel(bild, 98, 106), Weiss);          // head is 4 pixels wide to each side
    EXPECT_EQ(Pixel(bild, 111, 100), Weiss);
}

TEST_F(Grafik, PointSymbols) {
    struct Fall { int art; std::vector<std::pair<int, int>> farbig, weiss; };
    const int r = 4;
    const std::vector<Fall> faelle = {
        {0, {{r, 0}, {-r, 0}, {0, r}}, {{0, 0}}},                       // open circle
        {1, {{0, 0}, {r, 0}, {1, 1}}, {{r + 2, 0}}},                    // filled circle
        {2, {{r, r}, {-r, -r}, {r, -r}, {0, 0}}, {{0, r}, {r, 0}}},     // diagonal cross
        {3, {{-r, -r}, {r, r}, {0, r}, {-r, 0}}, {{0, 0}, {1, 1}}},     // open square
        {4, {{-r - 1, 0}, {r, 0}, {0, -r - 1}, {0, r}}, {{r, r}, {2, 2}}}, // upright cross
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.art);
        QImage b = Bild_erzeugen(40, 40);
        Punktsymbol_zeichnen(b, 20, 20, f.art, r, Farbe_rot);
        for (auto [dx, dy] : f.farbig) EXPECT_EQ(Pixel(b, 20 + dx, 20 + dy), Rot) << dx << "," << dy;
        for (auto [dx, dy] : f.weiss) EXPECT_EQ(Pixel(b, 20 + dx, 20 + dy), Weiss) << dx << "," << dy;
    }
    // radius 0: one pixel for the circles, a small dot for the crosses and the square
    for (int art = 0; art <= 4; ++art) {
        SCOPED_TRACE(art);
        QImage b = Bild_erzeugen(40, 40);
        Punktsymbol_zeichnen(b, 20, 20, art, 0, Farbe_rot);
        EXPECT_EQ(Pixel(b, 20, 20), Rot);
        const int n = Anzahl(b, 0, 0, 39, 39, Rot);
        if (art <= 1) {
            EXPECT_EQ(n, 1);
        }
        EXPECT_LE(n, 9);
    }
}

TEST_F(Grafik, PointListJoinsNeighboursAndSkipsShortArrows) {
    Marken.Punkteart = 1;
    Marken.Punktradius = 0;
    Marken.Punktfarbe = Farbe_rot;
    Marken.DatenPkte_verbinden = true;
    Marken.Verbindungsfarbe = Farbe_blau;
    // 0,25 world units = 10 pixels apart: an arrow (style 5) does not fit, a line does
    const std::vector<TPunkt> nah = {{0, 0}, {0.25L, 0}};
    Marken.Verbindungsart = 5;
    Punkte_zeichnen(bild, nah);
    EXPECT_EQ(Anzahl(bild, 321, 315, 329, 325, Blau), 0);
    EXPECT_EQ(Pixel(bild, 320, 320), Rot);
    EXPECT_EQ(Pixel(bild, 330, 320), Rot);
    Marken.Verbindungsart = 1;
    Punkte_zeichnen(bild, nah);
    EXPECT_EQ(Anzahl(bild, 321, 320, 329, 320, Blau), 9);
    // a long arrow ends in a filled head on the later point
    const std::vector<TPunkt> fern = {{-4, -4}, {4, -4}};
    Marken.Verbindungsart = 4;
    Punkte_zeichnen(bild, fern);
    EXPECT_EQ(Pixel(bild, 470, 480), Blau);   // inside the head, 10 pixels before the tip
    EXPECT_EQ(Pixel(bild, 470, 482), Blau);
}

TEST_F(Grafik, OpaqueTextBlanksItsCell) {
    bild.fill(Qt::green);
    Text_ausgeben(bild, 100, 100, "8", "Arial", 8, true, Schriftstil::normal, Farbe_schwarz);
    const int w = Textbreite(bild, "8", "Arial", 8, Schriftstil::normal);
    const int h = Texthoehe(bild, "8", "Arial", 8, Schriftstil::normal);
    EXPECT_EQ(h, 12);   // 8 points at 96 dpi
    EXPECT_GT(Anzahl(bild, 100, 100, 100 + w - 1, 100 + h - 1, Schwarz), 5);
    EXPECT_EQ(Anzahl(bild, 100, 100, 100 + w - 1, 100 + h - 1, Farbe3{0, 255, 0}), 0);
    EXPECT_EQ(Pixel(bild, 100 + w, 100), Farbe3(0, 255, 0));
    Text_ausgeben(bild, 200, 100, "8", "Arial", 8, false, Schriftstil::normal, Farbe_schwarz);
    EXPECT_GT(Anzahl(bild, 200, 100, 200 + w - 1, 100 + h - 1, Farbe3{0, 255, 0}), 10);
}

TEST_F(Grafik, LegendAndComboPreviews) {
    for (int art : {1, 5}) {
        SCOPED_TRACE(art);
        QImage b = Bild_erzeugen(27, 9);
        Linienvorschau_zeichnen(b, Farbe_blau, art);
        EXPECT_EQ(Pixel(b, 1, 4), Blau);
        EXPECT_EQ(Pixel(b, 16, 2) == Blau, art == 5);   // the head only for arrow styles
    }
    // a new preview replaces the old one
    QImage legende = Bild_erzeugen(27, 9);
    Linienvorschau_zeichnen(legende, Farbe_blau, 5);
    Linienvorschau_zeichnen(legende, Farbe_rot, 1);
    EXPECT_EQ(Anzahl(legende, 0, 0, 26, 8, Blau), 0);
    EXPECT_EQ(Anzahl(legende, 1, 4, 25, 4, Rot), 25);
    QImage b = Bild_erzeugen(60, 30);
    QPainter maler(&b);
    Marken.Fuellfarbe = Farbe_rot;
    Fuellmuster_Vorschau(maler, QRect(0, 15, 60, 15), 0, true);
    Linienart_Vorschau(maler, QRect(0, 0, 60, 15), 3, false);
    maler.end();
    EXPECT_EQ(Pixel(b, 1, 16), Farbe3(210, 255, 255));   // focused item: light cyan
    EXPECT_EQ(Pixel(b, 10, 22), Rot);                     // solid fill
    EXPECT_EQ(Pixel(b, 3, 22), Blau);                     // outline in the line colour
    EXPECT_EQ(Anzahl(b, 10, 5, 10, 9, Blau), 3);          // style 3 is three pixels thick
    EXPECT_EQ(Pixel(b, 1, 1), Weiss);
}

}  // namespace
