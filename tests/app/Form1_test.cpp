// The main window as the user sees and drives it: the first picture, the fields
// and their messages, key filters, the switches that depend on each other, the
// curve boxes' frozen styles, the colour panels, Plot, closing and the openers.
#include "tests/app/Fenster_Test.h"

#include "app/Fenster.h"
#include "app/Unit2_Help/Unit2_Help.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "graphics/UGrafik.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"
#include "platform/Dialoge_Skript.h"
#include "table/UStringGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <ctime>
#include <gtest/gtest.h>

namespace {

class Form1Test : public Fenster_Test {
protected:
    static QWidget* F1() { return Form1; }
    template <class T> T* Teil(const char* name) {
        T* w = F1()->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* Feld(const char* name) { return Teil<QLineEdit>(name); }
    QCheckBox* Box(const char* name) { return Teil<QCheckBox>(name); }
    QComboBox* Liste(const char* name) { return Teil<QComboBox>(name); }
    void Handler(const char* name) { ASSERT_TRUE(QMetaObject::invokeMethod(F1(), name)) << name; }
    // Types into a field and leaves it by name, as the focus change would.
    void Eingeben(const char* feld, const char* text, const char* verlassen) {
        Feld(feld)->setText(QString::fromUtf8(text));
        Handler(verlassen);
    }
    void Aktiv_zeigen() {
        F1()->show();
        QApplication::setActiveWindow(F1());
        ASSERT_TRUE(QTest::qWaitForWindowActive(F1()));
    }
    QImage Bild() { return Form1->Image1()->grab().toImage(); }
    static QRgb Pixel(const QImage& b, int x, int y) { return b.pixel(x, y) & 0xFFFFFF; }
};

TEST_F(Form1Test, FensterHatTitelGroesseUndBild) {
    EXPECT_EQ(F1()->windowTitle().toStdString(), "Tessara V5.01");
    EXPECT_EQ(F1()->size(), QSize(1074, 641));
    QWidget* bild = Teil<QWidget>("Image1");
    EXPECT_EQ(bild->geometry(), QRect(0, 0, 641, 641));
    EXPECT_EQ(Bild().size(), QSize(641, 641));
    // Every control sits right of the picture and inside the window.
    for (QWidget* w : F1()->findChildren<QWidget*>()) {
        if (w->parentWidget() != F1() || w == bild) continue;
        EXPECT_GE(w->x(), 641) << w->objectName().toStdString();
        EXPECT_LE(w->geometry().right(), 1073) << w->objectName().toStdString();
        EXPECT_LE(w->geometry().bottom(), 640) << w->objectName().toStdString();
    }
}

TEST_F(Form1Test, ErstesBildIstLeeresKoordinatensystemMitRastern) {
    QImage b = Bild();
    struct Fall { int x, y; QRgb farbe; const char* was; } faelle[] = {
        {320, 320, 0x000000, "axes cross"},
        {320, 200, 0x000000, "y axis"},
        {100, 320, 0x000000, "x axis"},
        {20, 110, 0xD6D6D6, "5 mm grid line"},
        {100, 20, 0xD6D6D6, "5 mm grid line (row)"},
        {40, 110, 0xB6B6B6, "coarse grid at every tick"},
        {110, 40, 0xB6B6B6, "coarse grid row"},
        {30, 110, 0xFFFFFF, "between grid lines"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(Pixel(b, f.x, f.y), f.farbe) << f.was;
    // Labels "1" under the first tick, none at the origin.
    auto dunkle = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) n += qGray(b.pixel(x, y)) < 100;
        return n;
    };
    EXPECT_GT(dunkle(QRect(354, 325, 12, 12)), 3) << "label 1";
    EXPECT_GT(dunkle(QRect(70, 325, 16, 12)), 3) << "label -6";
    EXPECT_EQ(dunkle(QRect(305, 325, 12, 12)), 0) << "no label at the origin";
}

TEST_F(Form1Test, StandardwerteInDenFeldern) {
    struct Fall { const char* feld; const char* text; } faelle[] = {
        {"Edit_xa", "-8"}, {"Edit_xe", "8"}, {"Edit_ya", "-8"}, {"Edit_ye", "8"}, {"Edit_xscl", "1"},
        {"Edit_yscl", "1"}, {"Edit_xaSchar_g", "-8"}, {"Edit_xeSchar_h", "8"}, {"Edit_Schar_t1", "1"},
        {"Edit_Schar_t2", "4"}, {"Edit_delta_t", "0,5"}, {"Edit_aStart", "-8"}, {"Edit_bEnde", "8"},
        {"Edit_delta_x", "1"}, {"Edit_Bildbreite", "16"}, {"Edit_Bildtiefe", "16"},
        {"Edit_fSchar", "-0,2tx³+0,4t²x"}, {"Edit_gSchar", "x·cos(x)"}, {"Edit_hSchar", "sgn(x+1,5)"},
        {"Edit_Text_in_Grafik", "P(6/4)"}};
    for (const Fall& f : faelle) EXPECT_EQ(Feld(f.feld)->text().toStdString(), f.text) << f.feld;
    EXPECT_EQ(Liste("ComboBox_Nachkommastellen")->currentText(), "6");
    EXPECT_EQ(Liste("ComboBox_Gesamtstellen")->currentText(), "9");
    EXPECT_EQ(Liste("ComboBox_Linienart")->currentIndex(), 1);
    EXPECT_EQ(Liste("ComboBox_Flaechenfuellung")->currentIndex(), 5);
    EXPECT_EQ(Liste("ComboBox_PunktRadius")->currentIndex(), 3);
    EXPECT_TRUE(Teil<QToolButton>("SpeedButton_Raster_mittel")->isChecked());
    EXPECT_TRUE(Box("CheckBox_loeschen")->isChecked());
    EXPECT_FALSE(Box("CheckBox_Schar_f_zeichnen")->isChecked());
    EXPECT_EQ(Teil<QToolButton>("SpeedButton_Plot")->toolTip().toStdString(), "OK!  Plotten");
    EXPECT_EQ(Teil<QFrame>("Panel_Farbe_Raster")->palette().color(QPalette::Window), QColor(214, 214, 214));
    EXPECT_TRUE(dialoge->meldungen.empty());
}

TEST_F(Form1Test, ZuKleineSkalaWirdAbgewiesen) {
    struct Fall { const char* feld; const char* ein; const char* handler; const char* meldung; const char* text; Extended wert; } faelle[] = {
        {"Edit_xscl", "0,4", "Edit_xsclExit", "Fehler:  xSk zu klein", "1", 1},
        {"Edit_xscl", "0", "Edit_xsclExit", "Fehler:  xSk zu klein", "1", 1},
        {"Edit_xscl", "-2", "Edit_xsclExit", "Fehler:  xSk zu klein", "1", 1},
        {"Edit_xscl", "0,5", "Edit_xsclExit", nullptr, "0,5", 0.5L},
        {"Edit_xscl", "pi", "Edit_xsclExit", nullptr, "pi", 3.14159265358979323846L},
        {"Edit_yscl", "1/4", "Edit_ysclExit", "Fehler:  ySk zu klein", "1", 1},
        {"Edit_yscl", "2", "Edit_ysclExit", nullptr, "2", 2},
    };
    for (const Fall& f : faelle) {
        Form1->Standard_Werte_einstellen();
        dialoge->meldungen.clear();
        Eingeben(f.feld, f.ein, f.handler);
        Extended skala = std::string(f.feld) == "Edit_xscl" ? KOS.xscl : KOS.yscl;
        EXPECT_NEAR(double(skala), double(f.wert), 1e-15) << f.ein;
        EXPECT_EQ(Feld(f.feld)->text().toStdString(), f.text) << f.ein;
        if (f.meldung) {
            ASSERT_EQ(dialoge->meldungen.size(), 1u) << f.ein;
            EXPECT_EQ(dialoge->meldungen[0], f.meldung);
        } else {
            EXPECT_TRUE(dialoge->meldungen.empty()) << f.ein;
        }
    }
}

TEST_F(Form1Test, FenstergrenzeSetztSkalaUndIntervalle) {
    Eingeben("Edit_xe", "pi", "Edit_xeExit");
    const Extended pi = 3.14159265358979323846L;
    EXPECT_NEAR(double(KOS.xre), double(pi), 1e-15);
    EXPECT_NEAR(double(KOS.xscl), double((pi + 8) / 16), 1e-15);
    EXPECT_EQ(Feld("Edit_xscl")->text().toStdString(), "0,696349540849362");
    // The typed text goes into the three interval ends at once; their values on leaving.
    for (const char* feld : {"Edit_xeSchar", "Edit_xeSchar_g", "Edit_xeSchar_h"})
        EXPECT_EQ(Feld(feld)->text().toStdString(), "pi") << feld;
    EXPECT_NEAR(double(Hauptfenster.xeSchar_h), double(pi), 1e-15);

    Eingeben("Edit_xa", "-2", "Edit_xaExit");
    EXPECT_EQ(Feld("Edit_xaSchar")->text().toStdString(), "-2");
    EXPECT_EQ(Feld("Edit_xscl")->text().toStdString(), "0,321349540849362");
    Eingeben("Edit_ye", "24", "Edit_yeExit");
    EXPECT_EQ(KOS.yo, 24);
    EXPECT_EQ(Feld("Edit_yscl")->text().toStdString(), "2");
}

TEST_F(Form1Test, FehlerhafteZahlenAendernNichts) {
    Aktiv_zeigen();
    struct Fall { const char* feld; const char* ein; const char* handler; bool piep; } faelle[] = {
        {"Edit_xa", "3+*", "Edit_xaExit", false},     // syntax: its message
        {"Edit_xa", "ln(0)", "Edit_xaExit", true},    // evaluation: a beep
        {"Edit_Schar_t1", "w(-1)", "Edit_Schar_t1Exit", true},
        {"Edit_u", "*2", "Edit_uExit", false},
    };
    for (const Fall& f : faelle) {
        Form1->Standard_Werte_einstellen();
        dialoge->meldungen.clear();
        dialoge->piepser = 0;
        Feld("Edit_delta_x")->setFocus();
        Eingeben(f.feld, f.ein, f.handler);
        EXPECT_EQ(KOS.xli, -8) << f.ein;
        EXPECT_EQ(Schar.t1, 1) << f.ein;
        EXPECT_EQ(Schar.u, 0) << f.ein;
        EXPECT_EQ(dialoge->piepser, f.piep ? 1 : 0) << f.ein;
        EXPECT_EQ(dialoge->meldungen.size(), f.piep ? 0u : 1u) << f.ein;
        EXPECT_TRUE(Feld(f.feld)->hasFocus()) << f.ein;
    }
}

TEST_F(Form1Test, NachkommastellenUndGesamtstellenHaltenAbstand) {
    struct Fall { const char* liste; int index; int P, D; } faelle[] = {
        {"ComboBox_Nachkommastellen", 15, 18, 15},
        {"ComboBox_Gesamtstellen", 0, 8, 5},
        {"ComboBox_Nachkommastellen", 17, 20, 17},
        {"ComboBox_Gesamtstellen", 12, 20, 6},
    };
    for (const Fall& f : faelle) {
        Form1->Standard_Werte_einstellen();
        Liste(f.liste)->setCurrentIndex(f.index);
        EXPECT_EQ(Zahlausgabe.Gesamtstellen, f.P) << f.liste << f.index;
        EXPECT_EQ(Zahlausgabe.Nachkommastellen, f.D) << f.liste << f.index;
        EXPECT_EQ(Liste("ComboBox_Gesamtstellen")->currentText().toInt(), f.P);
        EXPECT_EQ(Liste("ComboBox_Nachkommastellen")->currentText().toInt(), f.D);
        EXPECT_EQ(Tabelle.Spaltenbreite, std::max(63, 6 * f.P));
    }
}

TEST_F(Form1Test, TastenfilterDerFelder) {
    Aktiv_zeigen();
    struct Fall { const char* feld; const char* tippen; const char* ergebnis; } faelle[] = {
        {"Edit_fSchar", "2*x.5", "2·x,5"},
        {"Edit_xa", "abc1.5e2", "1,5e2"},
        {"Edit_xscl", "pi/wxyz", "pi/w"},
    };
    for (const Fall& f : faelle) {
        QLineEdit* feld = Feld(f.feld);
        feld->setFocus();   // leaving the previous field may rewrite this one
        feld->clear();
        QTest::keyClicks(feld, f.tippen);
        EXPECT_EQ(feld->text().toStdString(), f.ergebnis) << f.feld;
        feld->setText("1");
    }
    // Arrow keys walk between the three terms and stop at the ends.
    Feld("Edit_fSchar")->setFocus();
    QTest::keyClick(Feld("Edit_fSchar"), Qt::Key_Down);
    EXPECT_TRUE(Feld("Edit_gSchar")->hasFocus());
    QTest::keyClick(Feld("Edit_gSchar"), Qt::Key_Down);
    EXPECT_TRUE(Feld("Edit_hSchar")->hasFocus());
    QTest::keyClick(Feld("Edit_hSchar"), Qt::Key_Down);
    EXPECT_TRUE(Feld("Edit_hSchar")->hasFocus());
    QTest::keyClick(Feld("Edit_hSchar"), Qt::Key_Up);
    QTest::keyClick(Feld("Edit_gSchar"), Qt::Key_Up);
    EXPECT_TRUE(Feld("Edit_fSchar")->hasFocus());
}

TEST_F(Form1Test, VerlassenDurchFokuswechselPrueftDasFeld) {
    Aktiv_zeigen();
    QLineEdit* skala = Feld("Edit_xscl");
    skala->setFocus();
    skala->selectAll();
    QTest::keyClicks(skala, "0,4");
    QTest::keyClick(skala, Qt::Key_Return);   // Enter moves on, which leaves the field
    ASSERT_EQ(dialoge->meldungen.size(), 1u);
    EXPECT_EQ(dialoge->meldungen[0], "Fehler:  xSk zu klein");
    EXPECT_EQ(skala->text().toStdString(), "1");
    EXPECT_TRUE(skala->hasFocus());

    QLineEdit* f = Feld("Edit_fSchar");
    f->setFocus();
    f->setText("x ^ 2 + 1");
    Feld("Edit_gSchar")->setFocus();
    EXPECT_EQ(f->text().toStdString(), "x^2+1");
    EXPECT_EQ(dialoge->meldungen.size(), 1u);
    f->setFocus();
    f->setText("x+*2");
    Feld("Edit_gSchar")->setFocus();
    EXPECT_EQ(dialoge->meldungen.size(), 2u);
    EXPECT_TRUE(f->hasFocus()) << "a term with a syntax error keeps the focus";
}

TEST_F(Form1Test, AchsenSchalterHaengenVoneinanderAb) {
    Box("CheckBox_Achsen_dick")->setChecked(true);
    EXPECT_EQ(KOS_Stil.Achsenbreite, 2);
    Box("CheckBox_xAchse")->setChecked(false);
    EXPECT_TRUE(Box("CheckBox_Skalierung")->isChecked());
    EXPECT_TRUE(Box("CheckBox_Zahlen_an_Achsen")->isChecked());
    EXPECT_TRUE(Box("CheckBox_Achsen_dick")->isChecked());
    Box("CheckBox_yAchse")->setChecked(false);
    for (const char* name : {"CheckBox_Skalierung", "CheckBox_Zahlen_an_Achsen", "CheckBox_Achsen_dick"}) {
        EXPECT_FALSE(Box(name)->isChecked()) << name;
        Box(name)->setChecked(true);
        EXPECT_FALSE(Box(name)->isChecked()) << name << " cannot be ticked without an axis";
    }
    EXPECT_FALSE(KOS_Stil.Skala_an);
    EXPECT_FALSE(KOS_Stil.Zahlen_an);
    EXPECT_EQ(KOS_Stil.Achsenbreite, 1);
    Box("CheckBox_yAchse")->setChecked(true);
    Box("CheckBox_Zahlen_an_Achsen")->setChecked(true);
    EXPECT_FALSE(Box("CheckBox_Zahlen_an_Achsen")->isChecked()) << "numbers need the scale";
    Box("CheckBox_Skalierung")->setChecked(true);
    Box("CheckBox_Zahlen_an_Achsen")->setChecked(true);
    EXPECT_TRUE(KOS_Stil.Zahlen_an);
}

TEST_F(Form1Test, GrobrasterNurMitRaster) {
    Handler("SpeedButton_ohne_RasterClick");
    EXPECT_EQ(Pixel(Bild(), 20, 110), 0xFFFFFFu) << "no grid";
    Box("CheckBox_Grobraster")->setChecked(false);
    Box("CheckBox_Grobraster")->setChecked(true);
    EXPECT_FALSE(Box("CheckBox_Grobraster")->isChecked());
    EXPECT_EQ(Pixel(Bild(), 40, 110), 0xFFFFFFu) << "no replot with a coarse grid";
    Handler("SpeedButton_Raster_engClick");
    EXPECT_EQ(KOS_Stil.Rasterteilung, 5);
    Box("CheckBox_Grobraster")->setChecked(true);
    QImage b = Bild();
    EXPECT_EQ(Pixel(b, 8, 110), 0xD6D6D6u) << "2 mm grid";
    EXPECT_EQ(Pixel(b, 40, 110), 0xB6B6B6u) << "every fifth line darker";

    // "G" unticked while "kein Raster" is down stays off when a grid comes back.
    Handler("SpeedButton_ohne_RasterClick");
    Box("CheckBox_Grobraster")->setChecked(false);
    Handler("SpeedButton_Raster_mittelClick");
    EXPECT_FALSE(Box("CheckBox_Grobraster")->isChecked());
    EXPECT_EQ(Pixel(Bild(), 40, 110), 0xD6D6D6u) << "no coarse line with G unticked";
}

TEST_F(Form1Test, KurvenboxFriertFarbeUndLinienartEin) {
    dialoge->farben.push_back(0x008000);
    Handler("Panel_Linienfarbe_definierenClick");
    EXPECT_EQ(Marken.Linienfarbe, 0x008000u);
    Liste("ComboBox_Linienart")->setCurrentIndex(5);
    Box("CheckBox_Schar_f_zeichnen")->setChecked(true);
    EXPECT_EQ(Hauptfenster.f.Linienart, 3) << "arrows become plain for curves";
    EXPECT_EQ(Hauptfenster.f.Farbe, 0x008000u);
    EXPECT_EQ(Liste("ComboBox_Linienart")->currentIndex(), 3);
    TBild* probe = Teil<TBild>("Image_f");
    EXPECT_EQ(probe->grab().toImage().pixel(10, 4) & 0xFFFFFF, 0x008000u);

    Liste("ComboBox_Linienart")->setCurrentIndex(5);
    Box("CheckBox_DatenPkte_verbinden")->setChecked(true);
    EXPECT_EQ(Marken.Verbindungsart, 5) << "the point connection keeps its arrow";
    EXPECT_EQ(Liste("ComboBox_Linienart")->currentIndex(), 5);
    EXPECT_EQ(Teil<TBild>("Image_Punktverbindung")->Bild().pixel(20, 4) & 0xFFFFFF, 0x008000u);

    // A later colour changes only curves ticked later; a Cancel changes nothing.
    dialoge->farben.push_back(std::nullopt);
    Handler("Panel_Linienfarbe_definierenClick");
    EXPECT_EQ(Marken.Linienfarbe, 0x008000u);
    Box("CheckBox_Schar_f_zeichnen")->setChecked(false);
    EXPECT_EQ(probe->Bild().pixel(10, 4) & 0xFFFFFF, 0xFFFFFFu) << "unticked sample is blank";
}

TEST_F(Form1Test, PlotZeichnetAngehakteKurven) {
    Feld("Edit_fSchar")->setText("x");
    Box("CheckBox_Schar_f_zeichnen")->setChecked(true);
    Handler("SpeedButton_PlotClick");
    QImage b = Bild();
    EXPECT_EQ(Pixel(b, 360, 280), 0x0000FFu) << "f(1) = 1 in blue";
    EXPECT_EQ(Pixel(b, 200, 440), 0x0000FFu) << "f(-3) = -3";

    Box("CheckBox_x_gleich_a")->setChecked(true);
    Eingeben("Edit_aStart", "2", "Edit_aStartExit");
    Handler("SpeedButton_PlotClick");
    EXPECT_EQ(Pixel(Bild(), 400, 100), 0x0000FFu) << "x = a at a = 2";

    Eingeben("Edit_xa", "8", "Edit_xaExit");
    QImage vorher = Bild();
    Handler("SpeedButton_PlotClick");
    ASSERT_EQ(dialoge->meldungen.size(), 1u);
    EXPECT_EQ(dialoge->meldungen[0], "xli >= xre  !");
    EXPECT_EQ(Bild(), vorher) << "nothing drawn";
}

// Processor time of the best of three Plots, so that a busy machine does not count.
double Plotzeit(QWidget* fenster) {
    double beste = 1E9;
    for (int i = 0; i < 3; ++i) {
        const std::clock_t anfang = std::clock();
        QMetaObject::invokeMethod(fenster, "SpeedButton_PlotClick");
        beste = std::min(beste, double(std::clock() - anfang) / CLOCKS_PER_SEC);
    }
    return beste;
}

TEST_F(Form1Test, IntegralfunktionVonWeitHerKostetKaumMehr) {
    Feld("Edit_fSchar")->setText("x");
    Box("CheckBox_Integralfunktion")->setChecked(true);
    const double gewohnt = Plotzeit(F1());
    struct Fall { const char* feld; const char* verlassen; const char* text; } faelle[] = {
        {"Edit_u", "Edit_uExit", "1E9"},
        {"Edit_xeSchar", "Edit_xeScharExit", "1E9"},
    };
    for (const Fall& f : faelle) {
        const std::string vorher = Feld(f.feld)->text().toStdString();
        Eingeben(f.feld, f.text, f.verlassen);
        EXPECT_LE(Plotzeit(F1()), 3 * gewohnt + 0.002) << f.feld;
        Eingeben(f.feld, vorher.c_str(), f.verlassen);
    }
    // A family of 1000 members whose u lies far right of a narrow window.
    Feld("Edit_fSchar")->setText("tx");
    Box("CheckBox_alle_t_verwenden")->setChecked(true);
    Eingeben("Edit_Schar_t1", "1", "Edit_Schar_t1Exit");
    Eingeben("Edit_Schar_t2", "1000", "Edit_Schar_t2Exit");
    Eingeben("Edit_delta_t", "1", "Edit_delta_tExit");
    Eingeben("Edit_u", "1,5E3", "Edit_uExit");
    Eingeben("Edit_xa", "-1E-7", "Edit_xaExit");
    Eingeben("Edit_xe", "2", "Edit_xeExit");
    const std::clock_t anfang = std::clock();
    Handler("SpeedButton_PlotClick");
    EXPECT_LT(double(std::clock() - anfang) / CLOCKS_PER_SEC, 2.0);
    EXPECT_TRUE(dialoge->meldungen.empty());
}

TEST_F(Form1Test, EscapeBeendetDenPlotUndBehaeltDasGezeichnete) {
    Feld("Edit_fSchar")->setText("t");
    Feld("Edit_gSchar")->setText("-1,5");
    Box("CheckBox_Schar_f_zeichnen")->setChecked(true);
    Box("CheckBox_Schar_g_zeichnen")->setChecked(true);
    Box("CheckBox_alle_t_verwenden")->setChecked(true);   // t = 1, 1,5, ..., 4
    dialoge->escape = {false, false, true};                // pressed while the third member waits
    Handler("SpeedButton_PlotClick");
    QImage b = Bild();
    EXPECT_EQ(dialoge->meldungen, std::vector<std::string>{"Zeichnen abgebrochen"});
    EXPECT_EQ(dialoge->escape_abfragen, 3) << "nothing polled after the stop";
    EXPECT_EQ(Pixel(b, 100, 280), 0x000000u) << "t = 1 kept";
    EXPECT_EQ(Pixel(b, 100, 260), 0xFF0000u) << "t = 1,5 kept (red)";
    EXPECT_NE(Pixel(b, 100, 240), 0x0000FFu) << "t = 2 not drawn (blue)";
    EXPECT_NE(Pixel(b, 100, 380), 0x0000FFu) << "g not drawn after the stop";
    // The next Plot runs to the end again.
    dialoge->meldungen.clear();
    Handler("SpeedButton_PlotClick");
    EXPECT_TRUE(dialoge->meldungen.empty());
    EXPECT_EQ(Pixel(Bild(), 100, 240), 0x0000FFu);
    EXPECT_EQ(Pixel(Bild(), 100, 380), 0x0000FFu);
}

TEST_F(Form1Test, SchliessenFragtNach) {
    F1()->show();
    dialoge->antworten.push_back(false);
    F1()->close();
    ASSERT_EQ(dialoge->fragen.size(), 1u);
    EXPECT_EQ(dialoge->fragen[0], "Wirklich beenden ?");
    EXPECT_TRUE(F1()->isVisible());
    dialoge->antworten.push_back(true);
    F1()->close();
    EXPECT_FALSE(F1()->isVisible());
}

TEST_F(Form1Test, FensteroeffnerZeigenDieWerkzeugfenster) {
    struct Fall { const char* knopf; const char* hinweis; } faelle[] = {
        {"SpeedButton_Hilfe", "Hilfestellung und Info"},
        {"SpeedButton_Folgen", "Parameterdarst. Polarkoord. Folgen"},
        {"SpeedButton_2D_Abbildungen", "2D-Abbildungen und Linien im Dreieck"},
        {"SpeedButton_Baumdiagramme", "Baumdiagramme"},
        {"SpeedButton_Statistik", "Statistik Interpolation Matrizenrechnung"},
    };
    const char* titel[] = {"Bedienungshinweise", "Parameterdarstellung Polarkoordinaten Folgen  Cobweb  Bifurkation",
                           "2D - Abbildungen und Dreieckslinien", "Baumdiagramme für Bernoulliketten",
                           "Statistik Interpolation Matrizenrechnung"};
    Tabelle.Zelle(1, 1) = "7";
    Tabelle.Markierung = TBereich{1, 1, 2, 2};
    auto* ab_spalte = Form6->findChild<QComboBox*>("ComboBox_Punkte_ab_Spalte");
    ASSERT_NE(ab_spalte, nullptr);
    ab_spalte->setCurrentIndex(2);
    for (size_t i = 0; i < std::size(faelle); ++i) {
        QToolButton* k = Teil<QToolButton>(faelle[i].knopf);
        EXPECT_EQ(k->toolTip().toStdString(), faelle[i].hinweis);
        QTest::mouseClick(k, Qt::LeftButton);
        bool gezeigt = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != F1() && w->isVisible() && w->windowTitle().toStdString() == titel[i]) gezeigt = true;
        EXPECT_TRUE(gezeigt) << titel[i];
    }
    EXPECT_EQ(Tabelle.Zelle(1, 1), "") << "the statistics opener starts with an empty table";
    EXPECT_EQ(Tabelle.Markierung, TBereich{}) << "and no marked range";
    EXPECT_EQ(ab_spalte->currentIndex(), 0) << "points are read from column 1 again";
    auto* hilfe = Form2->findChild<QPlainTextEdit*>("Memo1");
    ASSERT_NE(hilfe, nullptr);
    EXPECT_TRUE(hilfe->isReadOnly());
    EXPECT_TRUE(hilfe->toPlainText().contains(QString::fromUtf8("arccot")));
}

TEST_F(Form1Test, StandardwerteStellenAllesZurueck) {
    Liste("ComboBox_Zahlenhoehe")->setCurrentIndex(4);
    Box("CheckBox_Fixkomma")->setChecked(true);
    Box("CheckBox_Schar_g_zeichnen")->setChecked(true);
    Eingeben("Edit_Schar_t2", "9", "Edit_Schar_t2Exit");
    Handler("SpeedButton_Raster_1mmClick");
    EXPECT_EQ(KOS_Stil.Zahlenhoehe, 12);
    Form1->Standard_Werte_einstellen();
    EXPECT_EQ(KOS_Stil.Zahlenhoehe, 8);
    EXPECT_FALSE(Zahlausgabe.Fixkomma);
    EXPECT_FALSE(Box("CheckBox_Schar_g_zeichnen")->isChecked());
    EXPECT_EQ(Schar.t2, 4);
    EXPECT_EQ(KOS_Stil.Rasterteilung, 2);
    EXPECT_TRUE(Teil<QToolButton>("SpeedButton_Raster_mittel")->isChecked());
    EXPECT_EQ(Pixel(Bild(), 20, 110), 0xD6D6D6u);
}

TEST_F(Form1Test, ZuruecksetzenOhneFalscheMeldung) {
    // A refused window and "G" unticked: ticking "G" again while the defaults are
    // being set must not plot the old window and complain about it.
    Eingeben("Edit_xa", "8", "Edit_xaExit");
    Box("CheckBox_Grobraster")->setChecked(false);
    Eingeben("Edit_u", "2", "Edit_uExit");
    dialoge->meldungen.clear();
    Form1->Standard_Werte_einstellen();
    EXPECT_TRUE(dialoge->meldungen.empty()) << dialoge->meldungen.front();
    EXPECT_TRUE(Box("CheckBox_Grobraster")->isChecked());
    EXPECT_TRUE(KOS_Stil.Grobraster);
    EXPECT_EQ(KOS.xli, -8);
    EXPECT_EQ(Pixel(Bild(), 40, 110), 0xB6B6B6u) << "coarse grid back";
    // The lower limit u is no default: its field keeps what the user typed.
    EXPECT_EQ(Feld("Edit_u")->text().toStdString(), "2");
    EXPECT_EQ(Schar.u, 2);
}

TEST(Form1Bildschirm, ZuKleinerBildschirmWirdGemeldet) {
    Skript_Dialoge d;
    struct Fall { int b, h; bool gut; } faelle[] = {{1080, 680, true}, {1079, 800, false}, {1280, 679, false}};
    for (const Fall& f : faelle) {
        d.meldungen.clear();
        EXPECT_EQ(TForm1::Bildschirm_pruefen(QSize(f.b, f.h)), f.gut) << f.b << "x" << f.h;
        EXPECT_EQ(d.meldungen, f.gut ? std::vector<std::string>{} : std::vector<std::string>{TForm1::Meldung_Bildschirm_klein});
    }
}

// A 1000 x 600 screen: the window starts, with one message, its fixed layout inside a
// scroll area that fits the screen; a large screen changes nothing.
TEST(Form1Bildschirm, KleinerBildschirmZeigtDasFensterMitRollbalken) {
    struct Fall { QSize schirm; bool passt; } faelle[] = {{QSize(1000, 600), false}, {QSize(1280, 800), true}};
    for (const Fall& f : faelle) {
        Fenster_erzeugen();
        Skript_Dialoge d;
        auto* bild = Form1->Image1();
        const QPoint ort = bild->pos();
        EXPECT_EQ(Form1->Bildschirm_anpassen(f.schirm), f.passt);
        EXPECT_EQ(Form1->Bildschirm_anpassen(f.schirm), f.passt) << "a second check changes nothing more";
        Form1->show();
        QApplication::processEvents();
        auto* bereich = Form1->findChild<QScrollArea*>("Form1_Rollbereich");
        EXPECT_EQ(bereich != nullptr, !f.passt);
        EXPECT_TRUE(Form1->isVisible());
        EXPECT_EQ(bild->size(), QSize(641, 641));
        EXPECT_EQ(bild->pos(), ort) << "the layout stays";
        if (!f.passt) {
            EXPECT_EQ(d.meldungen, std::vector<std::string>{TForm1::Meldung_Bildschirm_klein});
            EXPECT_LE(Form1->width(), 1000);
            EXPECT_LE(Form1->height(), 600);
            ASSERT_TRUE(bereich);
            EXPECT_TRUE(bereich->isAncestorOf(bild));
            EXPECT_GT(bereich->verticalScrollBar()->maximum(), 0) << "the lower part is reached by scrolling";
            EXPECT_TRUE(bild->isVisible());
        } else {
            EXPECT_TRUE(d.meldungen.empty());
            EXPECT_EQ(Form1->size(), QSize(1074, 641));
        }
        Fenster_freigeben();
    }
}

}  // namespace
