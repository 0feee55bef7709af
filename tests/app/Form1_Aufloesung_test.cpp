// The main picture on a scaled desktop (ratio 2): drawn natively, in the same logical
// places and sizes as at ratio 1, and brought back to 40 pixels per cm when it leaves.
#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit5_Baumdiag/Unit5_Baumdiag.h"
#include "graphics/UGrafik.h"
#include "platform/Dialoge_Skript.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Form1Aufloesung : public ::testing::Test {
protected:
    void SetUp() override {
        Fenster_erzeugen();
        dialoge = std::make_unique<Skript_Dialoge>();
        Form1->show();
    }
    void TearDown() override {
        dialoge.reset();
        Fenster_freigeben();
    }
    static TBild* Bildfeld() { return Form1->Image1(); }
    static QImage& Bild() { return Bildfeld()->Bild(); }
    // Pixel of the held picture at a logical position (its top left device pixel).
    static QRgb Logisch(int x, int y) {
        const int r = qRound(Bild().devicePixelRatio());
        return Bild().pixel(r * x, r * y) & 0xFFFFFF;
    }
    static int Ungleiche_Bloecke(const QImage& b) {
        int n = 0;
        for (int y = 0; y + 1 < b.height(); y += 2)
            for (int x = 0; x + 1 < b.width(); x += 2) {
                const QRgb a = b.pixel(x, y);
                n += b.pixel(x + 1, y) != a || b.pixel(x, y + 1) != a || b.pixel(x + 1, y + 1) != a;
            }
        return n;
    }
    std::unique_ptr<Skript_Dialoge> dialoge;
};

TEST_F(Form1Aufloesung, PictureIsHeldAndShownAtRatioTwoNotAsADoubledBitmap) {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    EXPECT_EQ(Bildfeld()->size(), QSize(641, 641));
    EXPECT_EQ(Bildfeld()->Groesse(), QSize(641, 641));
    EXPECT_EQ(Bild().size(), QSize(1282, 1282));
    const QImage gezeigt = Bildfeld()->grab().toImage();
    EXPECT_EQ(gezeigt.devicePixelRatio(), 2.0);
    ASSERT_EQ(gezeigt.size(), QSize(1282, 1282));
    // Axis labels and grid drawn at the screen's resolution: a doubled 1:1 bitmap
    // would have uniform 2 x 2 blocks only.
    EXPECT_GT(Ungleiche_Bloecke(gezeigt), 100);
    // The world <-> pixel mapping is logical: the y axis (x = 0) in column 320, the
    // x axis in row 320, as at ratio 1.
    EXPECT_EQ(Logisch(320, 100), 0x000000u);
    EXPECT_EQ(Logisch(100, 320), 0x000000u);
    EXPECT_EQ(gezeigt.pixel(640, 200) & 0xFFFFFF, 0x000000u);
}

TEST_F(Form1Aufloesung, TreeOfTheOtherWindowLandsInTheSameLogicalPlaces) {
    Form5->show();
    Form5->findChild<QPushButton*>("BitBtn1")->click();
    // Root at (320; 5), failure branch blue to the left, success red to the right.
    EXPECT_EQ(Logisch(290, 25), 0x0000FFu);
    EXPECT_EQ(Logisch(350, 25), 0xFF0000u);
    EXPECT_EQ(Logisch(251, 50), 0xFFFFFFu);
}

TEST_F(Form1Aufloesung, SavedPngKeepsFortyPixelsPerCentimetre) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString pfad = ordner.filePath("Grafik.png");
    ASSERT_TRUE(Form1->Grafik_als_Datei(pfad.toStdString()));
    QImage png(pfad);
    EXPECT_EQ(png.size(), QSize(641, 641));
    EXPECT_EQ(png.dotsPerMeterX(), 4000);
    EXPECT_EQ(png.pixel(320, 100) & 0xFFFFFF, 0x000000u);
    EXPECT_TRUE(dialoge->meldungen.empty());
}

TEST_F(Form1Aufloesung, ChangeOfRatioRedrawsAPlotAndKeepsWhatOthersDrew) {
    // Only the last Plot in the picture: drawn anew, natively at ratio 1 and back at 2.
    QMetaObject::invokeMethod(Form1, "SpeedButton_PlotClick");
    Bildfeld()->Verhaeltnis_setzen(1);
    EXPECT_EQ(Bild().size(), QSize(641, 641));
    QImage erwartet = Bild_erzeugen(641, 641);
    KOS_zeichnen(erwartet);
    EXPECT_EQ(Bild().convertToFormat(QImage::Format_RGB32), erwartet) << "the Plot at ratio 1";
    Bildfeld()->Verhaeltnis_setzen(2);
    EXPECT_GT(Ungleiche_Bloecke(Bild()), 100);
    // Something drawn after the Plot is carried over, not wiped by a new Plot.
    Text_ausgeben(Bild(), 400, 500, "Hallo", "Arial", 20, true, Schriftstil::fett, Farbe_rot);
    Bildfeld()->Verhaeltnis_setzen(1);
    int rot = 0;
    for (int y = 500; y < 530; ++y)
        for (int x = 400; x < 480; ++x) rot += (Bild().pixel(x, y) & 0xFFFFFF) == 0xFF0000u;
    EXPECT_GT(rot, 20);
}

}  // namespace
