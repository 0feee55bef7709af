#include "graphics/U_KOS.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(Abbildung, WeltZuPixelUndZurueck) {
    KOS = Koordinatensystem{};
    struct Fall { Extended welt; int spalte, zeile; };
    const Fall faelle[] = {
        {0, 320, 320}, {-8, 0, 640}, {8, 640, 0}, {1, 360, 280}, {-0.5L, 300, 340},
        {1008, 20000, -20000}, {-1e30L, -20000, 20000},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(double(f.welt));
        EXPECT_EQ(x_zu_Pixel(641, f.welt), f.spalte);
        EXPECT_EQ(y_zu_Pixel(641, f.welt), f.zeile);
    }
    EXPECT_EQ(x_zu_Pixel(641, std::numeric_limits<Extended>::quiet_NaN()), -20000);
    EXPECT_EQ(y_zu_Pixel(641, std::numeric_limits<Extended>::quiet_NaN()), -20000);
    EXPECT_EQ(Pixel_zu_x(641, 0), KOS.xli);
    EXPECT_EQ(Pixel_zu_x(641, 640), KOS.xre);
    EXPECT_EQ(Pixel_zu_y(641, 0), KOS.yo);
    EXPECT_EQ(Pixel_zu_y(641, 640), KOS.yu);
    EXPECT_EQ(Pixel_zu_x(641, 360), 1);
}

TEST(Abbildung, KleineresBildBehaeltVierzigPixelJeZentimeter) {
    KOS = Koordinatensystem{};
    Bildrechteck r = KOS_Bildrechteck(8, 16);
    EXPECT_EQ(r.breite, 321);
    EXPECT_EQ(r.links, 160);
    EXPECT_EQ(r.hoehe, 641);
    EXPECT_EQ(r.oben, 0);
    r = KOS_Bildrechteck(10, 3);
    EXPECT_EQ(r.breite, 401);
    EXPECT_EQ(r.links, 120);
    EXPECT_EQ(r.hoehe, 121);
    EXPECT_EQ(r.oben, 260);
    KOS.xli = -4;
    KOS.xre = 4;   // 8 world units on 320 pixels
    EXPECT_EQ(x_zu_Pixel(321, 1), 200);
}

}  // namespace
