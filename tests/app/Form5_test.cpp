// The tree window as the user drives it: p = Z/N kept at Z <= N, and the tree drawn
// into the main image with its colours, branch labels and path fractions.
#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit5_Baumdiag/Unit5_Baumdiag.h"
#include "graphics/UGrafik.h"
#include "platform/Dialoge_Skript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class Form5Test : public ::testing::Test {
protected:
    void SetUp() override {
        Fenster_erzeugen();
        dialoge = std::make_unique<Skript_Dialoge>();
        F5()->show();
    }
    void TearDown() override {
        dialoge.reset();
        Fenster_freigeben();
    }
    static QWidget* F5() { return Form5; }
    template <class T> T* Teil(const char* name) {
        T* w = F5()->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QComboBox* Liste(const char* name) { return Teil<QComboBox>(name); }
    QString Text(const char* label) { return Teil<QLabel>(label)->text(); }
    void Zeichnen() { Teil<QPushButton>("BitBtn1")->click(); }
    static QImage& Bild() { return Form1->Image1()->Bild(); }
    static QRgb Pixel(int x, int y) { return Bild().pixel(x, y) & 0xFFFFFF; }
    std::unique_ptr<Skript_Dialoge> dialoge;
};

TEST_F(Form5Test, ZaehlerUndNennerBleibenEinEchterBruch) {
    EXPECT_EQ(Liste("ComboBox_W_Zaehler")->currentText(), "1");
    EXPECT_EQ(Liste("ComboBox_W_Nenner")->currentText(), "3");
    EXPECT_EQ(Text("Label_q_zaehler"), "2");
    EXPECT_EQ(Text("Label_q_nenner"), "3");
    struct Schritt { const char* liste; int index; const char* Z; const char* N; const char* q; };
    const Schritt schritte[] = {
        {"ComboBox_W_Nenner", 4, "1", "5", "4"},    // N = 5
        {"ComboBox_W_Zaehler", 6, "1", "5", "4"},   // Z = 7 > N: back to 1
        {"ComboBox_W_Zaehler", 2, "3", "5", "2"},
        {"ComboBox_W_Nenner", 1, "3", "20", "17"},  // N = 2 < Z: on to 20
        {"ComboBox_W_Zaehler", 19, "20", "20", "0"},
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(std::string(s.liste) + " " + std::to_string(s.index));
        Liste(s.liste)->setCurrentIndex(s.index);
        EXPECT_EQ(Liste("ComboBox_W_Zaehler")->currentText(), s.Z);
        EXPECT_EQ(Liste("ComboBox_W_Nenner")->currentText(), s.N);
        EXPECT_EQ(Text("Label_q_zaehler"), s.q);
        EXPECT_EQ(Text("Label_q_nenner"), s.N);
    }
}

TEST_F(Form5Test, StandardbaumMitFarbenUndPfadbruechen) {
    Zeichnen();
    EXPECT_FALSE(F5()->isVisible());
    // Branches from the root (320; 5): failure to the left in blue, success to the right in red.
    EXPECT_EQ(Pixel(290, 25), qRgb(0, 0, 255) & 0xFFFFFF);   // on (320;5)-(260;45), clear of the labels
    EXPECT_EQ(Pixel(350, 25), qRgb(255, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(Pixel(320, 3), 0x000000u);        // the root dot, under the branches' start
    EXPECT_EQ(Pixel(260, 45 + 12), 0x000000u);  // the node circle's outline
    EXPECT_EQ(Pixel(251, 50), 0xFFFFFFu);       // its white inside
    // The leaves' numerators 4, 2, 2, 1 over 9: each drawn as the text would be.
    QImage erwartet = Bild_erzeugen(Bild().width(), Bild().height());
    const int blatt_x[] = {230, 285, 355, 410};
    const char* zaehler[] = {"4", "2", "2", "1"};
    for (int i = 0; i < 4; ++i) {
        Text_ausgeben(erwartet, blatt_x[i] - 3, 100, zaehler[i], "arial", 8, true, Schriftstil::normal, 0);
        Text_ausgeben(erwartet, blatt_x[i] - 3, 115, "9", "arial", 8, true, Schriftstil::normal, 0);
        Linie_zeichnen(erwartet, blatt_x[i] - 3, 114, blatt_x[i] + 2, 114, Stiftstil::durchgezogen, 1, 0);
        const QRect feld(blatt_x[i] - 3, 100, 8, 28);
        for (int y = feld.top(); y <= feld.bottom(); ++y)
            for (int x = feld.left(); x <= feld.right(); ++x)
                ASSERT_EQ(Pixel(x, y), erwartet.pixel(x, y) & 0xFFFFFF) << zaehler[i] << " " << x << "," << y;
        // the fraction bar: 2 · (7 div 2) pixels
        int schwarz = 0;
        for (int x = blatt_x[i] - 8; x <= blatt_x[i] + 8; ++x) schwarz += Pixel(x, 114) == 0;
        EXPECT_EQ(schwarz, 6);
    }
}

TEST_F(Form5Test, VierStufenMitNenner160000UndOhneFarbenAllesSchwarz) {
    Liste("ComboBox_Stufenzahl")->setCurrentIndex(2);
    Liste("ComboBox_W_Nenner")->setCurrentIndex(19);
    Teil<QCheckBox>("CheckBox_mit_Farbe")->setChecked(false);
    Zeichnen();
    // Leaf 8 of level 4 stands at 320 - 375 + 8 · 50 = 345: "160000" gives a bar of 42 pixels.
    int schwarz = 0;
    for (int x = 345 - 25; x <= 345 + 25; ++x) schwarz += Pixel(x, 185 + 29) == 0;
    EXPECT_EQ(schwarz, 42);
    for (int y = 0; y < Bild().height(); ++y)
        for (int x = 0; x < Bild().width(); ++x) {
            const QRgb p = Pixel(x, y);
            ASSERT_TRUE(p == 0 || p == 0xFFFFFF) << x << "," << y;
        }
    // The window keeps its settings for the next opening.
    EXPECT_EQ(Liste("ComboBox_Stufenzahl")->currentText(), "4");
    F5()->show();
    Teil<QPushButton>("BitBtn2")->click();
    EXPECT_FALSE(F5()->isVisible());
}

}  // namespace
