// The empty coordinate system: grid, axes, ticks and labels.
#include "tests/graphics/Qt_Umgebung.h"
#include "graphics/Farben.h"
#include "numeric/UMatheBasisOp.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const Farbe3 Raster{214, 214, 214}, Grob{182, 182, 182};

class Koordinatenkreuz : public Zeichentest {
protected:
    void SetUp() override {
        Zeichentest::SetUp();
        Zahlausgabe = Zahlausgabezustand{};
    }
    // The label text drawn alone on white at the same place must match the picture there.
    bool Beschriftung_da(const std::string& text, int links, int oben) {
        const int w = Textbreite(bild, text, "Arial", 8, Schriftstil::normal);
        const int h = Texthoehe(bild, text, "Arial", 8, Schriftstil::normal);
        QImage vorlage = Bild_erzeugen(641, 641);
        Text_ausgeben(vorlage, links, oben, text, "Arial", 8, true, Schriftstil::normal, Farbe_schwarz);
        for (int y = oben; y < oben + h; ++y)
            for (int x = links; x < links + w; ++x)
                if (Pixel(vorlage, x, y) != Pixel(bild, x, y)) return false;
        return true;
    }
    int Tinte(int x1, int y1, int x2, int y2) { return Anzahl(bild, x1, y1, x2, y2, Schwarz); }
};

TEST_F(Koordinatenkreuz, DefaultPictureAxesCrossAtTheCentreWithFiveMillimetreAndCoarseGrid) {
    KOS_zeichnen(bild);
    EXPECT_EQ(Pixel(bild, 320, 320), Schwarz);
    EXPECT_EQ(Pixel(bild, 100, 320), Schwarz);   // x axis
    EXPECT_EQ(Pixel(bild, 320, 600), Schwarz);   // y axis
    EXPECT_EQ(Pixel(bild, 340, 100), Raster);    // x = 0,5: fine grid
    EXPECT_EQ(Pixel(bild, 100, 340), Raster);
    EXPECT_EQ(Pixel(bild, 360, 100), Grob);      // x = 1: coarse grid
    EXPECT_EQ(Pixel(bild, 100, 360), Grob);
    EXPECT_EQ(Pixel(bild, 330, 110), Weiss);     // between grid lines
    EXPECT_EQ(Pixel(bild, 0, 100), Grob);        // x = -8 lies on the coarse grid
    // arrow heads at the right and top edge, 11 long and 4 to each side
    EXPECT_EQ(Pixel(bild, 640, 320), Schwarz);
    EXPECT_EQ(Pixel(bild, 629, 316), Schwarz);
    EXPECT_EQ(Pixel(bild, 629, 324), Schwarz);
    EXPECT_EQ(Pixel(bild, 320, 0), Schwarz);
    EXPECT_EQ(Pixel(bild, 316, 11), Schwarz);
    EXPECT_EQ(Pixel(bild, 324, 11), Schwarz);
}

TEST_F(Koordinatenkreuz, DefaultTicksAndLabelsOneToSevenOnBothSides) {
    KOS_zeichnen(bild);
    for (int k = 1; k <= 7; ++k) {
        SCOPED_TRACE(k);
        for (int s : {-1, 1}) {
            const int col = 320 + s * 40 * k, row = 320 - s * 40 * k;
            EXPECT_EQ(Tinte(col, 317, col, 323), 7);   // x tick
            EXPECT_EQ(Tinte(317, row, 323, row), 7);   // y tick
            const std::string t = std::to_string(s * k);
            const int tw = Textbreite(bild, t, "Arial", 8, Schriftstil::normal);
            const int th = Texthoehe(bild, t, "Arial", 8, Schriftstil::normal);
            EXPECT_TRUE(Beschriftung_da(t, col - tw / 2, 325)) << "x label " << t;
            EXPECT_TRUE(Beschriftung_da(t, 320 - tw - 5, row - th / 2)) << "y label " << t;
        }
    }
    // nothing at the origin and none at 8 under the arrow head
    EXPECT_EQ(Tinte(300, 325, 318, 340), 0);
    EXPECT_EQ(Tinte(635, 325, 640, 340), 0);
}

TEST_F(Koordinatenkreuz, GridButtons) {
    struct Fall { bool an; int teilung; Stiftstil stil; bool grob; std::vector<int> raster, grob_spalten, weiss; };
    const std::vector<Fall> faelle = {
        {true, 5, Stiftstil::durchgezogen, true, {328, 336, 344, 352}, {360, 400}, {332, 324}},   // 2 mm
        {true, 10, Stiftstil::durchgezogen, false, {324, 328, 356, 360}, {}, {326, 342}},           // 1 mm
        {false, 2, Stiftstil::durchgezogen, true, {}, {}, {340, 360, 0}},                          // none
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.teilung);
        KOS_Stil.Raster_an = f.an;
        KOS_Stil.Rasterteilung = f.teilung;
        KOS_Stil.Rasterstil = f.stil;
        KOS_Stil.Grobraster = f.grob && f.an;
        KOS_zeichnen(bild);
        // row 102 lies between the horizontal lines of every grid
        for (int s : f.raster) EXPECT_EQ(Pixel(bild, s, 102), Raster) << s;
        for (int s : f.grob_spalten) EXPECT_EQ(Pixel(bild, s, 102), Grob) << s;
        for (int s : f.weiss) EXPECT_EQ(Pixel(bild, s, 102), Weiss) << s;
    }
    // "kein Raster": no frame either, axes remain
    EXPECT_EQ(Pixel(bild, 640, 100), Weiss);
    EXPECT_EQ(Pixel(bild, 100, 320), Schwarz);
    // 10 mm: dotted, so a grid column is broken
    KOS_Stil = KOS_Einstellungen{};
    KOS_Stil.Rasterteilung = 1;
    KOS_Stil.Rasterstil = Stiftstil::gepunktet;
    KOS_Stil.Grobraster = false;
    KOS_zeichnen(bild);
    const int punkte = Anzahl(bild, 360, 20, 360, 300, Raster);
    EXPECT_GT(punkte, 50);
    EXPECT_LT(punkte, 200);
}

// A 32-bit picture gets its grid written straight into the pixels; a 24-bit one goes
// through the painter's lines. Both must come out the same to the pixel, frame and
// crossings of fine and coarse lines included.
TEST_F(Koordinatenkreuz, GridWrittenDirectlyMatchesThePaintersLines) {
    struct Fall { Extended xli, xre, yu, yo, xscl, yscl; int w, h, teilung; uint32_t farbe; bool skala; };
    const std::vector<Fall> faelle = {
        {-8, 8, -8, 8, 1, 1, 641, 641, 2, Farbe_Raster_Standard, true},
        {-3, 17, -2, 5, 0.5L, 0.25L, 400, 300, 5, Farbe_RGB(10, 100, 100), false},
        {-8.3L, 7.9L, -6.1L, 9.2L, 2, 3, 300, 800, 2, Farbe_RGB(0, 255, 0), false},   // no line on the frame
        {1000, 1010, -5, -1, 1, 1, 1, 1, 1, Farbe_Raster_Standard, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.w);
        KOS.xli = f.xli, KOS.xre = f.xre, KOS.yu = f.yu, KOS.yo = f.yo, KOS.xscl = f.xscl, KOS.yscl = f.yscl;
        KOS_Stil.Rasterteilung = f.teilung;
        KOS_Stil.Rasterfarbe = f.farbe;
        KOS_Stil.Skala_an = f.skala;   // labels' white backgrounds would hide the frame
        QImage direkt = Bild_erzeugen(f.w, f.h);
        QImage gemalt = direkt.convertToFormat(QImage::Format_RGB888);
        KOS_zeichnen(direkt);
        KOS_zeichnen(gemalt);
        EXPECT_EQ(gemalt.convertToFormat(QImage::Format_RGB32), direkt);
    }
}

TEST_F(Koordinatenkreuz, CoarseGridIsOneSubtractionOnTheColourValue) {
    KOS_Stil.Rasterfarbe = Farbe_RGB(10, 100, 100);   // red below 32 borrows from green
    KOS_zeichnen(bild);
    EXPECT_EQ(Pixel(bild, 360, 100), RGB(0x64640A - 0x202020));
    EXPECT_EQ(Pixel(bild, 340, 100), Farbe3(10, 100, 100));
}

TEST_F(Koordinatenkreuz, AxisOneCentimetreInWhenZeroIsOutside) {
    KOS.xli = 2;
    KOS.xre = 10;
    KOS.xscl = 0.5L;
    KOS_zeichnen(bild);
    // y axis at x = 2,5, column 40; the x ticks sit on multiples of 0,5
    EXPECT_EQ(Pixel(bild, 40, 600), Schwarz);
    EXPECT_EQ(Tinte(80, 317, 80, 323), 7);     // x = 3
    EXPECT_EQ(Tinte(120, 317, 120, 323), 7);   // x = 3,5
    EXPECT_EQ(Tinte(100, 317, 100, 323), 1);   // between ticks only the axis
}

TEST_F(Koordinatenkreuz, OnlyTheYAxisLabelsZero) {
    KOS_Stil.xAchse_an = false;
    KOS_zeichnen(bild);
    EXPECT_EQ(Tinte(317, 320, 323, 320), 7);   // y tick at 0
    const int tw = Textbreite(bild, "0", "Arial", 8, Schriftstil::normal);
    const int th = Texthoehe(bild, "0", "Arial", 8, Schriftstil::normal);
    EXPECT_TRUE(Beschriftung_da("0", 320 - tw - 5, 320 - th / 2));
    EXPECT_EQ(Tinte(340, 317, 400, 323), 0);   // no x axis, no x ticks
}

TEST_F(Koordinatenkreuz, WideLabelsAreThinned) {
    // scale 0,0625: "-0.4375" is 7 characters, wider than 35 pixels: every 2nd tick
    KOS.xli = KOS.yu = -0.5L;
    KOS.xre = KOS.yo = 0.5L;
    KOS.xscl = KOS.yscl = 0.0625L;
    KOS_zeichnen(bild);
    EXPECT_EQ(Tinte(345, 326, 375, 340), 0);    // k = 1 (0,0625) unlabelled
    EXPECT_GT(Tinte(385, 326, 415, 340), 5);    // k = 2 (0,125)
    const int tw = Textbreite(bild, "0,125", "Arial", 8, Schriftstil::normal);
    EXPECT_TRUE(Beschriftung_da("0,125", 400 - tw / 2, 325));
}

TEST_F(Koordinatenkreuz, ThinningCountsThePlainDigitsOfLargeScales) {
    // scale 1E6 at 14 points: "-7000000" is 8 digits of 11 pixels, so every 3rd tick
    KOS.xli = KOS.yu = -8E6L;
    KOS.xre = KOS.yo = 8E6L;
    KOS.xscl = KOS.yscl = 1E6L;
    KOS_Stil.Zahlenhoehe = 14;
    KOS_zeichnen(bild);
    EXPECT_EQ(Tinte(362, 326, 398, 345), 0);   // k = 1 and k = 2 unlabelled
    EXPECT_GT(Tinte(410, 326, 470, 345), 5);   // k = 3
}

TEST_F(Koordinatenkreuz, WindowFarFromZeroStillFinishesItsGrid) {
    // so far out that k + 1 == k in extended precision
    KOS.xli = std::ldexp(1.0L, 80);
    KOS.xre = KOS.xli + std::ldexp(1.0L, 22);
    KOS.xscl = std::ldexp(1.0L, 17);
    KOS_Stil.Rasterteilung = 10;
    KOS_zeichnen(bild);
    EXPECT_GT(Anzahl(bild, 0, 100, 640, 100, Raster) + Anzahl(bild, 0, 100, 640, 100, Grob), 1);
    EXPECT_EQ(Pixel(bild, 40, 600), Schwarz);   // the y axis one centimetre in
}

TEST_F(Koordinatenkreuz, HugeScalesArePowersOfTenAtOddTicks) {
    KOS.xli = KOS.yu = -8E7L;
    KOS.xre = KOS.yo = 8E7L;
    KOS.xscl = KOS.yscl = 1E7L;
    KOS_zeichnen(bild);
    EXPECT_GT(Tinte(340, 328, 380, 345), 5);   // k = 1
    EXPECT_EQ(Tinte(385, 326, 415, 345), 0);   // k = 2
    EXPECT_GT(Tinte(420, 328, 460, 345), 5);   // k = 3
    // the raised exponent: ink above the mantissa line's top
    EXPECT_GT(Tinte(360, 326, 380, 330), 0);
}

TEST_F(Koordinatenkreuz, CaptionsAndThickAxes) {
    KOS_Stil.Achsenbreite = KOS_Stil.Strichbreite = 2;
    KOS_Stil.Beschriftung_x = "Zeit";
    KOS_zeichnen(bild);
    EXPECT_EQ(Tinte(100, 319, 100, 322), 2);
    EXPECT_GT(Tinte(560, 296, 630, 312), 10);   // caption left of the arrow, 24 pixels up
    EXPECT_GT(Tinte(329, 2, 345, 16), 5);       // "y" right of the y axis at row 2
}

}  // namespace

namespace {

// Widest run of x-label ink: columns with black in the label band, joined across
// gaps of up to 3 blank columns (the gaps inside one label).
int Breitester_Tintenlauf(const QImage& bild, int zeile, int hoehe) {
    int breitester = 0, anfang = -1, ende = -1;
    for (int x = 0; x < bild.width(); ++x) {
        if (Anzahl(bild, x, zeile, x, zeile + hoehe, Schwarz) == 0) continue;
        if (anfang < 0 || x - ende > 4) anfang = x;
        ende = x;
        breitester = std::max(breitester, ende - anfang + 1);
    }
    return breitester;
}

// The width a label of v takes at scale c: the plain number, or mantissa, "*10" and
// exponent in the symbol face for powers of ten.
int Labelbreite(Extended v, Extended c, int groesse) {
    if (c >= 1E-6L && c < 1E7L)
        return Textbreite(Bild_erzeugen(1, 1), Zahl_formatieren(false, 9, 6, v), "Arial", groesse, Schriftstil::normal);
    Extended m = 0;
    int e = 0;
    Mantisse_Exponent(v, m, e);
    char mant[32];
    std::snprintf(mant, sizeof mant, "%.1f", double(m));
    std::string text = std::string(mant) + "*10" + std::to_string(e);
    std::replace(text.begin(), text.end(), '.', ',');
    return Textbreite(Bild_erzeugen(1, 1), text, "Symbol", groesse - 1, Schriftstil::normal) + 8;
}

// Labels never run together, whatever scale the zoom buttons, the zoom rectangle and
// the shifts reach: every ink run below the x axis is at most one label wide.
TEST_F(Koordinatenkreuz, LabelsNeverRunTogetherAtAnyScaleTheViewReaches) {
    KOS_Stil.Raster_an = false;
    KOS_Stil.yAchse_an = false;
    std::vector<Extended> skalen;
    for (int k = -32; k <= 32; ++k) skalen.push_back(std::ldexp(Extended(1), k));
    for (int e = -7; e <= 8; ++e)
        for (Extended m : {1.0L, 1.4L, 2.5L, 7.5L}) skalen.push_back(m * std::pow(Extended(10), e));
    for (int groesse : {8, 15}) {
        KOS_Stil.Zahlenhoehe = groesse;
        for (Extended c : skalen)
            for (Extended verschoben : {-8.0L, -7.5L, 992.5L, -100007.5L}) {
                KOS.xscl = KOS.yscl = c;
                KOS.xli = verschoben * c;
                KOS.xre = KOS.xli + 16 * c;
                KOS.yu = -8 * c;
                KOS.yo = 8 * c;
                KOS_zeichnen(bild);
                const int zeile = y_zu_Pixel(641, 0);
                int breitest = 0;
                for (Extended k = std::ceil(KOS.xli / c); k * c <= KOS.xre; k += 1)
                    breitest = std::max(breitest, Labelbreite(k * c, c, groesse));
                const int ink = Breitester_Tintenlauf(bild, zeile + 5, groesse + 6);
                EXPECT_LE(ink, breitest + 2)
                    << "scale " << double(c) << " from " << double(KOS.xli) << " size " << groesse;
            }
    }
}

}  // namespace
