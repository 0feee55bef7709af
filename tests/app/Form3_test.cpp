// The sequences and curves window as the user drives it: the reset on opening, the
// mode boxes, the fields, sequences and curves into the table, the bifurcation
// dialog and the curves in the main picture.
#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit3_Folgen/Unit3_Folgen.h"
#include "graphics/UGrafik.h"
#include "graphics/UKurven.h"
#include "graphics/U_KOS.h"
#include "platform/Dialoge_Skript.h"
#include "table/UStringGrid.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

namespace {

class Form3Test : public ::testing::Test {
protected:
    void SetUp() override {
        Fenster_erzeugen();
        dialoge = std::make_unique<Skript_Dialoge>();
        Form1->SpeedButton_FolgenClick();
    }
    void TearDown() override {
        dialoge.reset();
        Fenster_freigeben();
    }
    template <class T> static T* Teil(QWidget* fenster, const char* name) {
        T* w = fenster->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QLineEdit* Feld(const char* name) { return Teil<QLineEdit>(Form3_(), name); }
    static QCheckBox* Box(const char* name) { return Teil<QCheckBox>(Form3_(), name); }
    static QWidget* Form3_() { return reinterpret_cast<QWidget*>(Form3); }
    static QWidget* Form1_() { return reinterpret_cast<QWidget*>(Form1); }
    static void Handler(const char* name) { ASSERT_TRUE(QMetaObject::invokeMethod(Form3_(), name)) << name; }
    static void Eingeben(const char* feld, const char* text, const char* verlassen) {
        Feld(feld)->setText(QString::fromUtf8(text));
        Handler(verlassen);
    }
    static std::string Text(const char* feld) { return Feld(feld)->text().toStdString(); }
    static QImage& Bild() { return Form1->Image1()->Bild(); }
    static QRgb Pixel(int x, int y) { return Bild().pixel(x, y) & 0xFFFFFF; }
    static QRgb Qt_Farbe(uint32_t f) { return ((f & 0xFF) << 16) | (f & 0xFF00) | ((f >> 16) & 0xFF); }
    static bool Bild_weiss() {
        for (int y = 0; y < Bild().height(); ++y)
            for (int x = 0; x < Bild().width(); ++x)
                if (Pixel(x, y) != 0xFFFFFFu) return false;
        return true;
    }
    static int Sp(double x) { return int(std::lround(320 + 40 * x)); }
    static int Ze(double y) { return int(std::lround(320 - 40 * y)); }
    std::unique_ptr<Skript_Dialoge> dialoge;
};

TEST_F(Form3Test, Oeffnen_setzt_Felder_und_Haken_zurueck) {
    Box("CheckBox_rekursiv")->setChecked(true);
    Box("CheckBox_Web")->setChecked(true);
    Box("CheckBox_Polar_Wahl")->setChecked(true);
    Box("CheckBox_Param")->setChecked(true);
    Eingeben("Edit_x_n0", "0,9", "Edit_x_n0Exit");
    Eingeben("Edit_Iterationstiefe", "20", "Edit_IterationstiefeExit");
    Eingeben("Edit_delta_Phi", "pi/10", "Edit_delta_PhiExit");
    ASSERT_EQ(Folgen.x_n0, 0.9L);
    Form1->SpeedButton_FolgenClick();
    const std::pair<const char*, const char*> texte[] = {
        {"Edit_n0", "1"}, {"Edit_x_n0", "0,5"}, {"Edit_Iterationstiefe", "500"}, {"Edit_Param_k1", "-pi"},
        {"Edit_Param_k2", "pi"}, {"Edit_delta_Phi", "pi/720"}, {"Edit_xParam", "x·cos(t)"},
        {"Edit_yParam", "3x/5·sin(t)"}, {"Edit_Folge", "5n/(2n+3)"}};
    for (const auto& [feld, text] : texte) EXPECT_EQ(Text(feld), text) << feld;
    EXPECT_EQ(Folgen.x_n0, 0.5L);
    EXPECT_EQ(Folgen.Iterationstiefe, 500);
    EXPECT_NEAR(double(Folgen.Parameter_Schritt), M_PI / 720, 1E-15);
    for (const char* box : {"CheckBox_rekursiv", "CheckBox_Web", "CheckBox_Polar_Wahl", "CheckBox_Param", "CheckBox_Folge"})
        EXPECT_FALSE(Box(box)->isChecked()) << box;
    for (const char* w : {"CheckBox_Web", "Edit_Iterationstiefe", "Label_Iterationstiefe", "Edit_x_n0"})
        EXPECT_FALSE(Teil<QWidget>(Form3_(), w)->isEnabled()) << w;
    EXPECT_TRUE(Feld("Edit_yParam")->isEnabled());
    EXPECT_EQ(Teil<QLabel>(Form3_(), "Label_Folge")->text().toStdString(), "a(n) =");
    EXPECT_EQ(Box("CheckBox_Param")->text().toStdString(), "x(t),y(t)");
}

TEST_F(Form3Test, Modusschalter_setzen_Term_Beschriftung_und_Freigaben) {
    struct Schritt {
        const char* box;
        bool an;
        const char* term, *label;
        bool x_n0, y_n1, web, rekursiv, rekursivxy;
    };
    const Schritt schritte[] = {
        {"CheckBox_rekursiv", true, "3,2x(1-x)", "g(x) =", true, false, true, true, false},
        {"CheckBox_rekursivxy", true, "111-(1130-3000/x)/k", "g(x,k)=", true, true, false, false, true},
        {"CheckBox_rekursiv", true, "3,2x(1-x)", "g(x) =", true, false, true, true, false},
        {"CheckBox_rekursiv", false, "5n/(2n+3)", "a(n) =", false, false, false, false, false},
        {"CheckBox_rekursivxy", true, "111-(1130-3000/x)/k", "g(x,k)=", true, true, false, false, true},
        {"CheckBox_rekursivxy", false, "5n/(2n+3)", "a(n) =", false, false, false, false, false},
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(std::string(s.box) + (s.an ? " an" : " aus"));
        Box(s.box)->setChecked(s.an);
        EXPECT_EQ(Text("Edit_Folge"), s.term);
        EXPECT_EQ(Teil<QLabel>(Form3_(), "Label_Folge")->text().toStdString(), s.label);
        EXPECT_EQ(Feld("Edit_x_n0")->isEnabled(), s.x_n0);
        EXPECT_EQ(Feld("Edit_y_n1")->isEnabled(), s.y_n1);
        EXPECT_EQ(Box("CheckBox_Web")->isEnabled(), s.web);
        EXPECT_EQ(Box("CheckBox_rekursiv")->isChecked(), s.rekursiv);
        EXPECT_EQ(Box("CheckBox_rekursivxy")->isChecked(), s.rekursivxy);
        if (s.an) EXPECT_TRUE(Box("CheckBox_Folge")->isChecked());
    }
    // Cobweb unlocks the depth and "nur g zeichnen"; unticking locks and unticks them.
    Box("CheckBox_rekursiv")->setChecked(true);
    Box("CheckBox_Web")->setChecked(true);
    EXPECT_TRUE(Feld("Edit_Iterationstiefe")->isEnabled());
    Box("CheckBox_nur_g_zeichnen")->setChecked(true);
    Box("CheckBox_Web")->setChecked(false);
    EXPECT_FALSE(Box("CheckBox_nur_g_zeichnen")->isChecked());
    EXPECT_FALSE(Box("CheckBox_nur_g_zeichnen")->isEnabled());
    // The sequence and the curve exclude each other; polar mode renames the curve box.
    Box("CheckBox_Param")->setChecked(true);
    EXPECT_FALSE(Box("CheckBox_Folge")->isChecked());
    Box("CheckBox_Polar_Wahl")->setChecked(true);
    EXPECT_EQ(Text("Edit_xParam"), "1,2t·sin(7t)");
    EXPECT_FALSE(Feld("Edit_yParam")->isEnabled());
    EXPECT_EQ(Box("CheckBox_Param")->toolTip().toStdString(), "r(t) zeichnen");
}

TEST_F(Form3Test, Felder_lesen_und_setzen_zurueck) {
    struct Fall { const char* feld, *eingabe, *handler, *text_danach; int meldungen; };
    const Fall faelle[] = {
        {"Edit_Iterationstiefe", "1500", "Edit_IterationstiefeExit", "500", 0},
        {"Edit_Iterationstiefe", "1499", "Edit_IterationstiefeExit", "1499", 0},
        {"Edit_Iterationstiefe", "1", "Edit_IterationstiefeExit", "500", 0},
        {"Edit_Iterationstiefe", "", "Edit_IterationstiefeExit", "500", 0},
        {"Edit_n0", "-7", "Edit_n0Exit", "-7", 0},
        {"Edit_n0", "1,5", "Edit_n0Exit", "1", 0},
        {"Edit_x_n0", "sin(", "Edit_x_n0Exit", "sin(", 1},
        {"Edit_Folge", "3 x (1 - x)", "Edit_FolgeExit", "3x(1-x)", 0},
        {"Edit_xParam", "cos(", "Edit_xParamExit", "cos(", 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.feld) + " " + f.eingabe);
        dialoge->meldungen.clear();
        const Extended x_vorher = Folgen.x_n0;
        Eingeben(f.feld, f.eingabe, f.handler);
        EXPECT_EQ(Text(f.feld), f.text_danach);
        EXPECT_EQ(int(dialoge->meldungen.size()), f.meldungen);
        EXPECT_EQ(Folgen.x_n0, x_vorher);   // a failed start value keeps the old one
    }
    EXPECT_EQ(Folgen.n0, 1);                // "1,5" reset n0 to 1
    EXPECT_EQ(Folgen.Iterationstiefe, 500);
}

TEST_F(Form3Test, Folge_in_die_Tabelle) {
    Eingeben("Edit_Iterationstiefe", "10", "Edit_IterationstiefeExit");
    Handler("SpeedButton_Folge_in_TabelleClick");
    EXPECT_EQ(Tabelle.Zelle(1, 0), "  n ");
    EXPECT_EQ(Tabelle.Zelle(2, 0), "     a(n) ");
    for (int n = 1; n <= 11; ++n) {
        EXPECT_EQ(Tabelle.Zelle(1, n), std::to_string(n));
        EXPECT_EQ(Tabelle.Zelle(2, n), Zahl_nach_Einstellung(5.0L * n / (2 * n + 3)));
    }
    EXPECT_EQ(Tabelle.Zelle(1, 12), "");
    EXPECT_EQ(Arbeitslisten.Punktanzahl, 11);

    // A long sequence first, then one that breaks off at n = 3: from there on the
    // rows say so instead of keeping the old terms.
    Eingeben("Edit_Iterationstiefe", "500", "Edit_IterationstiefeExit");
    Handler("SpeedButton_Folge_in_TabelleClick");
    Box("CheckBox_rekursiv")->setChecked(true);
    Eingeben("Edit_Folge", "ln(x)", "Edit_FolgeExit");
    Eingeben("Edit_x_n0", "0,5", "Edit_x_n0Exit");
    Handler("SpeedButton_Folge_in_TabelleClick");
    ASSERT_EQ(dialoge->meldungen, std::vector<std::string>{"Fehler! Bildungsgesetz unterbrochen"});
    EXPECT_EQ(Tabelle.Zelle(2, 0), "     x(n) ");
    EXPECT_EQ(Tabelle.Zelle(2, 1), Zahl_nach_Einstellung(0.5L));
    EXPECT_EQ(Tabelle.Zelle(2, 2), Zahl_nach_Einstellung(std::log(0.5L)));
    for (int z = 3; z <= 501; ++z) ASSERT_EQ(Tabelle.Zelle(2, z), "-----") << z;
    EXPECT_EQ(Tabelle.Zelle(1, 501), "501");
    EXPECT_EQ(Tabelle.Zelle(1, 502), "");
}

TEST_F(Form3Test, Bifurkation_fragt_und_weist_ab) {
    struct Fall {
        bool rekursiv;
        const char* g;
        std::optional<std::string> antwort;
        std::vector<std::string> meldungen;
        int fragen;
    };
    const Fall faelle[] = {
        {false, nullptr, std::nullopt, {"Erst Iterationsfunktion g(x) definieren\rParameter k nicht vergessen !"}, 0},
        {true, "3,2x(1-x)", std::nullopt, {"Parameter k fehlt in g(x) !"}, 0},
        {true, "kx(1-x)", std::nullopt, {}, 1},
        {true, "kx(1-x)", "zwei", {"Eingabefehler !"}, 1},
        {true, "kx(1-x)", "100001", {"Eingabefehler !"}, 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.g ? f.g : "nicht rekursiv");
        dialoge->meldungen.clear();
        dialoge->eingaben.clear();
        Box("CheckBox_rekursiv")->setChecked(f.rekursiv);
        if (f.g) Feld("Edit_Folge")->setText(QString::fromUtf8(f.g));
        dialoge->eingabe_antworten = {f.antwort};
        Image_loeschen(Bild());
        Handler("SpeedButton_BifurkationClick");
        EXPECT_EQ(dialoge->meldungen, f.meldungen);
        EXPECT_EQ(int(dialoge->eingaben.size()), f.fragen);
        if (f.fragen) EXPECT_EQ(dialoge->eingaben[0], "Anzahl der Iterationen|n (>=500) = |1280");
        EXPECT_TRUE(Box("CheckBox_rekursiv")->isChecked());
        EXPECT_TRUE(Bild_weiss());   // refused or cancelled: nothing drawn
    }
    // Below 200 the count becomes 500: 150 draws what 500 draws, 300 draws its own.
    KOS.xli = 2.5L, KOS.xre = 4, KOS.yu = 0, KOS.yo = 1;
    auto zeichnen = [&](const char* n) {
        Image_loeschen(Bild());
        dialoge->eingabe_antworten = {std::string(n)};
        Handler("SpeedButton_BifurkationClick");
        return Bild().copy();
    };
    const QImage b150 = zeichnen("150"), b500 = zeichnen("500"), b300 = zeichnen(" 300 ");
    EXPECT_TRUE(b150 == b500);
    EXPECT_FALSE(b300 == b500);
    EXPECT_EQ(Pixel(x_zu_Pixel(641, 2.8L), y_zu_Pixel(641, 1 - 1 / 2.8L)), Qt_Farbe(Marken.Linienfarbe));
}

TEST_F(Form3Test, Kurven_zeichnen_und_Schritte_pruefen) {
    Box("CheckBox_Param")->setChecked(true);
    auto* t_von = Teil<QCheckBox>(Form1_(), "CheckBox_alle_t_verwenden");
    auto* schar_dt = Teil<QLineEdit>(Form1_(), "Edit_delta_t");
    Handler("SpeedButton_PolarPlotClick");
    EXPECT_EQ(Pixel(Sp(1), Ze(0)), Qt_Farbe(Folgen.Kurvenfarbe));
    EXPECT_EQ(Pixel(Sp(0), Ze(0.6)), Qt_Farbe(Folgen.Kurvenfarbe));
    EXPECT_EQ(KOS_Stil.Beschriftung_x, "x(t)");
    EXPECT_EQ(KOS_Stil.Beschriftung_y, "y(t)");
    EXPECT_TRUE(dialoge->meldungen.empty());

    // With "t von" the family 1 … 4: the seventh ellipse in navy.
    t_von->setChecked(true);
    Handler("SpeedButton_PolarPlotClick");
    EXPECT_EQ(Pixel(Sp(4), Ze(0)), Qt_Farbe(Farbe_nach_Index(6)));

    // Steps that would never end are refused before anything is drawn.
    struct Fall { const char* delta_phi, *delta_t; bool t_von; const char* meldung; };
    const Fall faelle[] = {
        {"0", "0,5", false, "Die Schrittweite Δt der Kurve muss größer als 0 sein !"},
        {"-pi/720", "0,5", true, "Die Schrittweite Δt der Kurve muss größer als 0 sein !"},
        {"pi/720", "0", true, "Die Schrittweite Δt der Schar (t von) muss größer als 0 sein !"},
        {"pi/720", "-1", true, "Die Schrittweite Δt der Schar (t von) muss größer als 0 sein !"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.delta_phi) + " / " + f.delta_t);
        dialoge->meldungen.clear();
        Eingeben("Edit_delta_Phi", f.delta_phi, "Edit_delta_PhiExit");
        schar_dt->setText(QString::fromUtf8(f.delta_t));
        t_von->setChecked(f.t_von);
        Image_loeschen(Bild());
        Handler("SpeedButton_PolarPlotClick");
        EXPECT_EQ(dialoge->meldungen, std::vector<std::string>{f.meldung});
        EXPECT_EQ(Pixel(Sp(1), Ze(0)), 0xFFFFFFu);
    }

    // A step of 10^-12 is cut to a million points and says so.
    dialoge->meldungen.clear();
    t_von->setChecked(false);
    Eingeben("Edit_delta_Phi", "1E-12", "Edit_delta_PhiExit");
    Handler("SpeedButton_PolarPlotClick");
    ASSERT_EQ(dialoge->meldungen.size(), 1u);
    EXPECT_NE(dialoge->meldungen[0].find("1000000"), std::string::npos);

    // The polar rose: t and r(t) at the axes.
    Eingeben("Edit_delta_Phi", "pi/720", "Edit_delta_PhiExit");
    Box("CheckBox_Polar_Wahl")->setChecked(true);
    Handler("SpeedButton_PolarPlotClick");
    EXPECT_EQ(KOS_Stil.Beschriftung_x, "t");
    EXPECT_EQ(KOS_Stil.Beschriftung_y, "r(t)");
}

TEST_F(Form3Test, Kurvenwerte_in_die_Tabelle) {
    Eingeben("Edit_yParam", "ln(t)", "Edit_yParamExit");
    Eingeben("Edit_Param_k1", "-1", "Edit_Param_k1Exit");
    Eingeben("Edit_Param_k2", "1", "Edit_Param_k2Exit");
    Eingeben("Edit_delta_Phi", "0,5", "Edit_delta_PhiExit");
    Handler("SpeedButton_Polar_in_TabelleClick");
    const std::vector<std::vector<std::string>> erwartet = {
        {"    t", "   x(t)", "    y(t)"},
        {Zahl_nach_Einstellung(-1), Zahl_nach_Einstellung(std::cos(-1.0L)), "-----"},
        {Zahl_nach_Einstellung(-0.5L), Zahl_nach_Einstellung(std::cos(-0.5L)), "-----"},
        {Zahl_nach_Einstellung(0), Zahl_nach_Einstellung(1), "-----"},
        {Zahl_nach_Einstellung(0.5L), Zahl_nach_Einstellung(std::cos(0.5L)), Zahl_nach_Einstellung(std::log(0.5L))},
        {"", "", ""},
    };
    for (size_t z = 0; z < erwartet.size(); ++z)
        for (int s = 1; s <= 3; ++s) EXPECT_EQ(Tabelle.Zelle(s, int(z)), erwartet[z][size_t(s - 1)]) << z << "/" << s;
    // Polar mode: r(t) in column 2, column 3 stays empty.
    Box("CheckBox_Polar_Wahl")->setChecked(true);
    Handler("SpeedButton_Polar_in_TabelleClick");
    EXPECT_EQ(Tabelle.Zelle(2, 0), "   r(t)");
    EXPECT_EQ(Tabelle.Zelle(2, 4), Zahl_nach_Einstellung(1.2L * 0.5L * std::sin(3.5L)));
    EXPECT_EQ(Tabelle.Zelle(3, 4), "");
}

TEST_F(Form3Test, Spinnweb_im_Hauptbild) {
    Box("CheckBox_rekursiv")->setChecked(true);
    Box("CheckBox_Web")->setChecked(true);
    Handler("SpeedButton_PolarPlotClick");
    EXPECT_EQ(KOS_Stil.Beschriftung_x, "x(n)");
    EXPECT_EQ(KOS_Stil.Beschriftung_y, "x(n+1)");
    EXPECT_EQ(Pixel(Sp(-4), Ze(-4)), 0u);   // the diagonal
    // g with a division by zero at the start value: one message, the web stops.
    Eingeben("Edit_Folge", "1/x", "Edit_FolgeExit");
    Eingeben("Edit_x_n0", "0", "Edit_x_n0Exit");
    Handler("SpeedButton_PolarPlotClick");
    EXPECT_EQ(dialoge->meldungen, std::vector<std::string>{"Fehler! Bildungsgesetz unterbrochen"});
    // Time series: n and x(n) at the axes.
    Box("CheckBox_Web")->setChecked(false);
    Eingeben("Edit_Folge", "0,5x+1", "Edit_FolgeExit");
    Handler("SpeedButton_PolarPlotClick");
    EXPECT_EQ(KOS_Stil.Beschriftung_x, "n");
    EXPECT_EQ(KOS_Stil.Beschriftung_y, "x(n)");
    EXPECT_EQ(Arbeitslisten.Punktanzahl, 501);
}

}  // namespace
