// The 2D window as the user drives it: the six mappings into the table and the main
// image, chaining through the point columns, bad input, and the triangle construction.
#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit4_2D_Abb/Unit4_2D_Abb.h"
#include "graphics/UGrafik.h"
#include "graphics/U_KOS.h"
#include "platform/Dialoge_Skript.h"
#include "table/UStringGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

class Form4Test : public ::testing::Test {
protected:
    void SetUp() override {
        Fenster_erzeugen();
        dialoge = std::make_unique<Skript_Dialoge>();
        Tabelle_leeren(Tabelle);
        Punktespalten(0);
        Arbeitslisten.Punktespalte = 1;
        F4()->show();
    }
    void TearDown() override {
        dialoge.reset();
        Fenster_freigeben();
    }
    static QWidget* F4() { return Form4; }
    template <class T> T* Teil(QWidget* fenster, const char* name) {
        T* w = fenster->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QCheckBox* Box(const char* name) { return Teil<QCheckBox>(F4(), name); }
    void Klicken(const char* name) { Teil<QAbstractButton>(F4(), name)->click(); }
    void Eingeben(const char* feld, const char* text) {
        Teil<QLineEdit>(F4(), feld)->setText(QString::fromUtf8(text));
        ASSERT_TRUE(QMetaObject::invokeMethod(F4(), (std::string(feld) + "Exit").c_str()));
    }
    void Punktespalten(int index) {
        Teil<QComboBox>(reinterpret_cast<QWidget*>(Form6), "ComboBox_Punkte_ab_Spalte")->setCurrentIndex(index);
    }
    static void Punkte(int spalte, std::initializer_list<std::pair<const char*, const char*>> punkte) {
        int r = 1;
        for (const auto& [x, y] : punkte) Tabelle.Zelle(spalte, r) = x, Tabelle.Zelle(spalte + 1, r++) = y;
    }
    static double Wert(int spalte, int zeile) {
        Extended x = 0;
        int f = 0;
        EXPECT_TRUE(Zelle_auswerten(Tabelle.Zelle(spalte, zeile), x, f)) << spalte << "," << zeile;
        return double(x);
    }
    static QImage& Bild() { return Form1->Image1()->Bild(); }
    static QPoint Pixel(double x, double y) { return {x_zu_Pixel(Bild().width(), x), y_zu_Pixel(Bild().height(), y)}; }
    static uint32_t Farbe(QPoint p) {
        const QRgb c = Bild().pixel(p);
        return uint32_t(qRed(c)) | uint32_t(qGreen(c)) << 8 | uint32_t(qBlue(c)) << 16;
    }
    // The colour somewhere in the 3 x 3 pixels around p (lines of width 1 or 2 may
    // round to either neighbour).
    static bool Farbe_bei(QPoint p, uint32_t farbe) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (Farbe(p + QPoint(dx, dy)) == farbe) return true;
        return false;
    }
    std::unique_ptr<Skript_Dialoge> dialoge;
};

TEST_F(Form4Test, JedeAbbildungSchreibtBildpunkteUnterBildpunkte) {
    struct Fall {
        const char* name; const char* knopf; std::function<void()> einstellen;
        std::pair<const char*, const char*> P[2]; double x[2], y[2];
    };
    const Fall faelle[] = {
        {"default reflection", "RadioButton_Achsenspiegelung", [] {}, {{"0", "0"}, {"5", "7"}}, {-1.5396, 5}, {1.4113, 7}},
        {"rotation by 90 about (0; 0)", "RadioButton_Drehung",
         [&] { Eingeben("Edit_Drehzentrum_x", "0"), Eingeben("Edit_Drehzentrum_y", "0"), Eingeben("Edit_Drehwinkel_alfa", "90"); },
         {{"1", "0"}, {"0", "1"}}, {0, -1}, {1, 0}},
        {"translation from R to S", "RadioButton_Verschiebung", [] {}, {{"1", "-2"}, {"3", "3"}}, {-5, -3}, {-4, 1}},
        {"dilation by a fraction", "RadioButton_Zentrische_Streckung", [&] { Eingeben("Edit_Streckfaktor", "3/2"); },
         {{"1", "1"}, {"7", "5"}}, {-2, 7}, {-1, 5}},
        {"shear along x", "RadioButton_Scherung", [] {}, {{"1", "2"}, {"1/2", "0"}}, {2.4, 0.5}, {2, 0}},
        {"shear along y", "RadioButton_Scherung", [&] { Klicken("RadioButton_Scherachse_y"); },
         {{"1", "2"}, {"0", "3"}}, {1, 0}, {2.7, 3}},
        {"45 degrees as a matrix of terms", "RadioButton_Matrix_M",
         [&] {
             Eingeben("Edit_M11", "cos(pi/4)"), Eingeben("Edit_M12", "-sin(pi/4)");
             Eingeben("Edit_M21", "sin(pi/4)"), Eingeben("Edit_M22", "cos(pi/4)");
         },
         {{"1", "0"}, {"0", "2"}}, {0.70711, -1.41421}, {0.70711, 1.41421}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Tabelle_leeren(Tabelle);
        F4()->show();
        f.einstellen();
        Klicken(f.knopf);
        Punkte(1, {f.P[0], f.P[1]});
        Klicken("BitBtn_abbilden");
        EXPECT_FALSE(F4()->isVisible());
        EXPECT_EQ(Tabelle.Zelle(3, 0), "Bildpunkte");
        for (int i = 0; i < 2; ++i) {
            EXPECT_NEAR(Wert(3, i + 1), f.x[i], 5e-5);
            EXPECT_NEAR(Wert(4, i + 1), f.y[i], 5e-5);
        }
        EXPECT_EQ(Tabelle.Zelle(1, 1), f.P[0].first);
        EXPECT_TRUE(dialoge->meldungen.empty());
    }
}

TEST_F(Form4Test, VerkettungUeberDieWahlDerPunktespalten) {
    Punkte(1, {{"0", "0"}, {"1", "1"}});
    Klicken("RadioButton_Verschiebung");
    Klicken("BitBtn_abbilden");
    Punktespalten(1);
    F4()->show();
    Klicken("BitBtn_abbilden");
    EXPECT_EQ(Tabelle.Zelle(3, 1), "-6");
    EXPECT_EQ(Tabelle.Zelle(5, 1), "-12");
    EXPECT_EQ(Tabelle.Zelle(6, 2), "-3");
    EXPECT_EQ(Tabelle.Zelle(5, 0), "Bildpunkte");
    EXPECT_EQ(Arbeitslisten.Punktespalte, 3);

    // Nothing in the chosen columns: the window closes and nothing else happens.
    Punktespalten(3);
    F4()->show();
    Klicken("BitBtn_abbilden");
    EXPECT_FALSE(F4()->isVisible());
    EXPECT_EQ(Tabelle.Zelle(9, 0), "  Sp9   ");
    EXPECT_TRUE(dialoge->meldungen.empty());
}

TEST_F(Form4Test, ZeichnetParameterHilfslinienUndBildpunkteInDerBildfarbe) {
    const uint32_t punktfarbe = Marken.Punktfarbe;
    dialoge->farben.push_back(0x0080FF);
    Teil<QWidget>(F4(), "Panel_BildFarbe");
    QMetaObject::invokeMethod(F4(), "Panel_BildFarbeClick");
    EXPECT_EQ(Form4->Bildfarbe(), 0x0080FFu);
    Klicken("RadioButton_Verschiebung");
    Eingeben("Edit_VStart_x", "0"), Eingeben("Edit_VStart_y", "-6");
    Eingeben("Edit_VEnde_x", "6"), Eingeben("Edit_VEnde_y", "-6");
    Punkte(1, {{"-6", "2"}, {"-6", "5"}});
    Bild_fuellen(Bild(), Farbe_weiss);
    Klicken("BitBtn_abbilden");
    EXPECT_EQ(Farbe(Pixel(3, -6)), Farbe_schwarz);          // shaft of the vector R → S
    EXPECT_TRUE(Farbe_bei(Pixel(5.8, -6), 0x008000));       // its green head
    EXPECT_EQ(Farbe(Pixel(-3, 2)), Farbe_schwarz);          // the arrow from P to its image
    EXPECT_EQ(Farbe(Pixel(0, 5)), 0x0080FFu);               // the image point
    EXPECT_EQ(Marken.Punktfarbe, punktfarbe);

    // An arrow no longer than its head is left out.
    F4()->show();
    Eingeben("Edit_VEnde_x", "0,3"), Eingeben("Edit_VEnde_y", "-6");
    Box("CheckBox_Abbildungsparameter")->setChecked(false);
    Bild_fuellen(Bild(), Farbe_weiss);
    Klicken("BitBtn_abbilden");
    const QPoint p = Pixel(-6, 2), b = Pixel(-5.7, 2);
    for (int x = p.x() + 1; x < b.x() - 4; ++x) EXPECT_EQ(Farbe({x, p.y()}), Farbe_weiss) << x;
    EXPECT_EQ(Farbe(b), 0x0080FFu);

    // The mirror line between Q and T in green.
    F4()->show();
    Klicken("RadioButton_Achsenspiegelung");
    Box("CheckBox_Abbildungsparameter")->setChecked(true);
    Bild_fuellen(Bild(), Farbe_weiss);
    Klicken("BitBtn_abbilden");
    EXPECT_TRUE(Farbe_bei(Pixel(-0.5, 1), 0x008000));
}

TEST_F(Form4Test, FalscheEingabenAendernNichts) {
    Eingeben("Edit_Streckfaktor", "w(9)");
    EXPECT_EQ(double(Abbildungsparameter.k), 3);
    Eingeben("Edit_Streckfaktor", "2+");
    EXPECT_EQ(dialoge->meldungen.size(), 1u);
    Eingeben("Edit_Streckfaktor", "ln(0)");
    EXPECT_EQ(dialoge->piepser, 1);
    EXPECT_EQ(double(Abbildungsparameter.k), 3);

    Eingeben("Edit_M12", "cos(");
    EXPECT_EQ(dialoge->meldungen.size(), 2u);
    Klicken("RadioButton_Matrix_M");
    Punkte(1, {{"1", "2"}});
    Tabelle.Zelle(3, 1) = "alt";
    Klicken("BitBtn_abbilden");
    ASSERT_EQ(dialoge->meldungen.size(), 3u);
    EXPECT_NE(dialoge->meldungen.back().find("M12"), std::string::npos) << dialoge->meldungen.back();
    EXPECT_EQ(Tabelle.Zelle(3, 1), "alt");
    EXPECT_EQ(Tabelle.Zelle(3, 0), "Matrix A");
}

// --- triangle ----------------------------------------------------------------------

const char* const Dreiecksboxen[] = {
    "CheckBox_Schwerpunkt", "CheckBox_Umkreismittelpunkt", "CheckBox_Inkreismittelpunkt", "CheckBox_Hoehenschnittpunkt",
    "CheckBox_Seitenmittelpunkte", "CheckBox_Inkreislotpunkte", "CheckBox_Hoehenfusspunkte",
    "CheckBox_Seitenhalbierenden", "CheckBox_Mittelsenkrechten", "CheckBox_Winkelhalbierenden", "CheckBox_Hoehen",
    "CheckBox_Mittelparallelen", "CheckBox_Umkreis", "CheckBox_Inkreis", "CheckBox_Umkreisradius",
    "CheckBox_Inkreisradius", "CheckBox_Eckpunkte_beschriften", "CheckBox_Eulergerade"};

TEST_F(Form4Test, RechtwinkligesDreieckMitAllesAuswaehlen) {
    Punkte(1, {{"0", "0"}, {"4", "0"}, {"0", "3"}, {"0", "0"}});
    Klicken("CheckBox_alles_auswaehlen");
    for (const char* name : Dreiecksboxen) EXPECT_TRUE(Box(name)->isChecked()) << name;
    Klicken("BitBtn_Dreieckslinien");
    EXPECT_FALSE(F4()->isVisible());
    const std::tuple<int, int, const char*> zellen[] = {
        {3, 1, "a ="}, {4, 1, "5"}, {4, 2, "90"}, {4, 3, "6"}, {4, 5, "2"}, {5, 5, "1,5"}, {7, 5, "2,5"},
        {4, 6, "1"}, {5, 6, "1"}, {7, 6, "1"}, {3, 7, "HöhenSP ="}, {4, 7, "0"}, {5, 7, "0"}};
    for (const auto& [c, r, text] : zellen) EXPECT_EQ(Tabelle.Zelle(c, r), text) << c << "," << r;
    EXPECT_EQ(Marken.Punktfarbe, 0xFFFF00u);   // left by the Euler line, the last item drawn
    EXPECT_TRUE(dialoge->meldungen.empty());

    F4()->show();
    Bild_fuellen(Bild(), Farbe_weiss);
    Klicken("CheckBox_alles_auswaehlen");
    for (const char* name : Dreiecksboxen) EXPECT_FALSE(Box(name)->isChecked()) << name;
    EXPECT_NE(Farbe({320, 320}), Farbe_weiss);   // redrawn by the Plot command: the axes cross
}

TEST_F(Form4Test, JedesElementInSeinerFarbe) {
    struct Fall { const char* box; double x, y; uint32_t farbe; };
    const Fall faelle[] = {
        {"CheckBox_Schwerpunkt", 4.0 / 3, 1, 0xFF00FF},  {"CheckBox_Umkreismittelpunkt", 2, 1.5, 0x000080},
        {"CheckBox_Inkreismittelpunkt", 1, 1, 0x808080}, {"CheckBox_Seitenmittelpunkte", 0, 1.5, 0x008000},
        {"CheckBox_Inkreislotpunkte", 1.6, 1.8, 0x800080}, {"CheckBox_Hoehenfusspunkte", 1.44, 1.92, 0xFF8080},
        {"CheckBox_Seitenhalbierenden", 1, 0.75, 0x008000}, {"CheckBox_Hoehen", 0.72, 0.96, 0x0000FF},
        {"CheckBox_Mittelparallelen", 1, 1.5, 0x808080}, {"CheckBox_Umkreis", 4.5, 1.5, 0x000080},
        {"CheckBox_Inkreis", 1, 2, 0x808080}, {"CheckBox_Umkreisradius", 1, 0.75, 0x800080},
        {"CheckBox_Inkreisradius", 1.3, 1.4, 0x800080}, {"CheckBox_Eulergerade", -1, -0.75, 0xFFFF00},
        {"CheckBox_Mittelsenkrechten", 2, -1, 0x000080}, {"CheckBox_Winkelhalbierenden", 1.5, 1.5, 0x808080},
    };
    Punkte(1, {{"0", "0"}, {"4", "0"}, {"0", "3"}, {"0", "0"}});
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.box);
        F4()->show();
        Box(f.box)->setChecked(true);
        Bild_fuellen(Bild(), Farbe_weiss);
        Klicken("BitBtn_Dreieckslinien");
        EXPECT_TRUE(Farbe_bei(Pixel(f.x, f.y), f.farbe));
        Box(f.box)->setChecked(false);
    }
}

TEST_F(Form4Test, OhneGeschlossenesDreieckOderEntartetGeschiehtNichts) {
    for (auto [schliessen, x3, y3] : {std::tuple{false, "0", "3"}, {true, "8", "0"}, {true, "4", "0"}}) {
        SCOPED_TRACE(x3);
        Tabelle_leeren(Tabelle);
        dialoge->meldungen.clear();
        Punkte(1, {{"0", "0"}, {"4", "0"}, {x3, y3}});
        if (schliessen) Tabelle.Zelle(1, 4) = "0", Tabelle.Zelle(2, 4) = "0";
        F4()->show();
        Klicken("CheckBox_alles_auswaehlen");
        Klicken("BitBtn_Dreieckslinien");
        EXPECT_EQ(Tabelle.Zelle(3, 1), "");
        EXPECT_EQ(Tabelle.Zelle(4, 5), "");
        EXPECT_EQ(dialoge->meldungen.size(), schliessen ? 1u : 0u);
        if (schliessen) EXPECT_NE(dialoge->meldungen[0].find("entartet"), std::string::npos);
        Klicken("CheckBox_alles_auswaehlen");
    }
}

// The vertices come from the chosen point columns, and the measures stand right of them.
TEST_F(Form4Test, DreieckAusDenGewaehltenPunktespalten) {
    Punkte(1, {{"9", "9"}, {"9", "9"}});
    Punkte(3, {{"-4", "0"}, {"0", "0"}, {"-2", "4"}, {"-4", "0"}});
    Punktespalten(1);
    Klicken("BitBtn_Dreieckslinien");
    EXPECT_EQ(Tabelle.Zelle(5, 4), "S =");
    EXPECT_NEAR(Wert(6, 4), -2, 1e-14);
    EXPECT_NEAR(Wert(7, 4), 4.0 / 3, 1e-14);
    EXPECT_EQ(Tabelle.Zelle(3, 1), "-4");
    EXPECT_EQ(Tabelle.Zelle(4, 3), "4");
    EXPECT_EQ(Tabelle.Zelle(1, 1), "9");
}

}  // namespace
