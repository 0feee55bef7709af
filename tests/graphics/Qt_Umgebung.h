// Drawing tests need fonts, hence a QGuiApplication (offscreen), and start each
// case from the default settings of the drawing state.
#pragma once
#include "graphics/UGrafik.h"
#include "graphics/UKurven.h"
#include "graphics/U_KOS.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

struct Farbe3 {
    int r, g, b;
    bool operator==(const Farbe3&) const = default;
};
inline std::ostream& operator<<(std::ostream& o, const Farbe3& f) {
    return o << "RGB(" << f.r << ", " << f.g << ", " << f.b << ")";
}
inline Farbe3 Pixel(const QImage& bild, int x, int y) {
    QColor c = bild.pixelColor(x, y);
    return {c.red(), c.green(), c.blue()};
}
inline Farbe3 RGB(uint32_t farbe) { return {int(farbe & 0xFF), int((farbe >> 8) & 0xFF), int(farbe >> 16)}; }

const Farbe3 Weiss{255, 255, 255}, Schwarz{0, 0, 0}, Blau{0, 0, 255}, Rot{255, 0, 0};

// Default world window, axis and mark settings before every case.
class Zeichentest : public ::testing::Test {
protected:
    void SetUp() override {
        KOS = Koordinatensystem{};
        KOS_Stil = KOS_Einstellungen{};
        Marken = Markeneinstellungen{};
        Schar = Scharbereich{};
    }
    QImage bild = Bild_erzeugen(641, 641);
};

// Counts pixels of one colour in a rectangle (inclusive bounds).
inline int Anzahl(const QImage& bild, int x1, int y1, int x2, int y2, Farbe3 f) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (x >= 0 && y >= 0 && x < bild.width() && y < bild.height() && Pixel(bild, x, y) == f) ++n;
    return n;
}
