// The picture at a device pixel ratio of 2: the same drawing in the same logical
// places as at ratio 1, drawn natively (not a doubled bitmap), lines as wide in
// logical pixels as before.
#include "tests/graphics/Qt_Umgebung.h"
#include "graphics/UDiagramme.h"
#include "graphics/UFolgen_Grafik.h"

#include <functional>

namespace {

bool Tinte(const QImage& b, int x, int y) { return Pixel(b, x, y) != Weiss; }

struct Befund {
    QRect rahmen;                 // ink, in logical pixels
    long long tinte = 0;          // inked device pixels
    int ungleiche_bloecke = 0;    // 2 x 2 blocks of mixed colours (ratio 2 only)
};

Befund Messen(const QImage& b) {
    const int r = qRound(b.devicePixelRatio());
    Befund f;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (Tinte(b, x, y)) {
                ++f.tinte;
                f.rahmen |= QRect(x / r, y / r, 1, 1);
            }
    if (r == 2)
        for (int y = 0; y + 1 < b.height(); y += 2)
            for (int x = 0; x + 1 < b.width(); x += 2) {
                const QRgb a = b.pixel(x, y);
                if (b.pixel(x + 1, y) != a || b.pixel(x, y + 1) != a || b.pixel(x + 1, y + 1) != a)
                    ++f.ungleiche_bloecke;
            }
    return f;
}

class Aufloesung : public Zeichentest {};

TEST_F(Aufloesung, RatioTwoDrawsTheSamePictureNativelyInTheSameLogicalPlaces) {
    const std::vector<TPunkt> punkte = {{-6, 2}, {-2, 5}, {3, 1}, {6, 4}};
    struct Fall {
        const char* name;
        std::function<void(QPaintDevice&)> zeichnen;
        bool scharf;   // has slanted lines or texts, so a native drawing shows mixed blocks
    };
    const std::vector<Fall> faelle = {
        {"coordinate system", [](QPaintDevice& b) { KOS_zeichnen(b); }, true},
        {"curve", [](QPaintDevice& b) {
             Kurve_zeichnen(b, "3*sin(x)", Farbe_blau, 1, Kurve_Funktion, -8, 8, Scharbereich{});
         }, true},
        {"text", [](QPaintDevice& b) {
             Text_ausgeben(b, 420, 90, "P(6/4)", "Arial", 10, false, Schriftstil::normal, Farbe_blau);
         }, true},
        {"bars", [&](QPaintDevice& b) { Saeulen_zeichnen(b, punkte, 1, nullptr, 8); }, false},
        {"joined points", [&](QPaintDevice& b) {
             Marken.DatenPkte_verbinden = true;
             Punkte_zeichnen(b, punkte);
         }, true},
        {"bifurcation marks", [](QPaintDevice& b) {
             const int w = Logische_Breite(b), h = Logische_Hoehe(b);
             std::vector<uint8_t> pixel(size_t(w) * size_t(h), 0);
             for (int i = 100; i < 300; ++i) pixel[size_t(i / 2 + 50) * size_t(w) + size_t(i)] = 1;
             Bifurkation_zeichnen(b, pixel, Farbe_schwarz);
         }, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        QImage einfach = Bild_erzeugen(641, 641), doppelt = Bild_erzeugen(641, 641, 2);
        ASSERT_EQ(doppelt.size(), QSize(1282, 1282));
        EXPECT_EQ(Logische_Breite(doppelt), 641);
        EXPECT_EQ(Logische_Hoehe(doppelt), 641);
        Zeichentest::SetUp();
        f.zeichnen(einfach);
        Zeichentest::SetUp();
        f.zeichnen(doppelt);
        const Befund a = Messen(einfach), b = Messen(doppelt);
        ASSERT_GT(a.tinte, 0);
        for (int i = 0; i < 4; ++i) {
            const int ea[] = {a.rahmen.left(), a.rahmen.top(), a.rahmen.right(), a.rahmen.bottom()};
            const int eb[] = {b.rahmen.left(), b.rahmen.top(), b.rahmen.right(), b.rahmen.bottom()};
            EXPECT_NEAR(eb[i], ea[i], 1) << "edge " << i;
        }
        // Four device pixels for every logical one, give or take the edges of shapes.
        EXPECT_GT(double(b.tinte) / double(a.tinte), 3.0);
        EXPECT_LT(double(b.tinte) / double(a.tinte), 5.0);
        if (f.scharf) EXPECT_GT(b.ungleiche_bloecke, 20);
    }
}

TEST_F(Aufloesung, OnePixelLinesStayOneLogicalPixelWide) {
    for (double r : {1.0, 2.0}) {
        QImage b = Bild_erzeugen(100, 100, r);
        Linie_zeichnen(b, 10, 40, 90, 40, Stiftstil::durchgezogen, 1, Farbe_schwarz);
        int zeilen = 0;
        for (int y = 0; y < b.height(); ++y) zeilen += Tinte(b, int(50 * r), y);
        EXPECT_EQ(zeilen, int(r)) << "ratio " << r;
        EXPECT_TRUE(Tinte(b, int(50 * r), int(40 * r))) << "ratio " << r;
    }
}

}  // namespace
