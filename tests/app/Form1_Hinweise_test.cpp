// What the main window tells and prepares besides drawing: the analysis buttons'
// hints following the curve boxes, the mode boxes, the arrow samples, the tool
// windows reset on every opening, and the help window's guide.
#include "tests/app/Fenster_Test.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit2_Help/Unit2_Help.h"
#include "app/Unit3_Folgen/Unit3_Folgen.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "engine/UTermFunktionen.h"
#include "graphics/UGrafik.h"
#include "platform/Dialoge_Skript.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class Form1Hinweise : public Fenster_Test {
protected:
    template <class T> static T* Teil(QWidget* fenster, const char* name) {
        T* w = fenster->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QWidget* F(QObject* fenster) { return static_cast<QWidget*>(fenster); }
    static QCheckBox* Box1(const char* name) { return Teil<QCheckBox>(F(Form1), name); }
    static std::string Hinweis(const char* knopf) {
        return Teil<QToolButton>(F(Form1), knopf)->toolTip().toStdString();
    }
};

TEST_F(Form1Hinweise, HinweiseFolgenDenKurvenboxen) {
    Form1->SpeedButton_FolgenClick();
    struct Fall {
        bool f, g, h, param, polar, F_tab;
        const char *schnitt, *integral, *rotation, *bogen, *tangente;
    } faelle[] = {
        {false, false, false, false, false, false, "Schnittstellen:  Bitte Haken bei f und/oder g oder bei h setzen !",
         "Integral:  Bitte Haken bei f und/oder g oder bei h setzen !",
         "Rotationsintegral:  Bitte Haken bei f und/oder g setzen !", "Bogenlänge:  Bitte Haken bei f, g oder h setzen !",
         "Bitte Haken bei f oder g oder h oder x(t),y(t) setzen !"},
        {true, false, false, false, false, true, "Nullstellen von f im Intervall [a;b] berechnen",
         "Integral zwischen f und x-Achse", "Rotationsintegral zwischen f und x-Achse", "Bogenlänge von f",
         "Tangente an f im Punkt P(a/y) anlegen"},
        {true, true, true, true, false, false, "Schnittstellen von f, g im Intervall [a;b] berechnen",
         "Integral zwischen f und g", "Rotationsintegral zwischen f und g", "Bogenlänge von f",
         "Tangente an f im Punkt P(a/y) anlegen"},
        {false, true, true, false, false, true, "Nullstellen von g im Intervall [a;b] berechnen",
         "Integral zwischen g und x-Achse", "Rotationsintegral zwischen g und x-Achse", "Bogenlänge von g",
         "Tangente an g im Punkt P(a/y) anlegen"},
        // h alone: the solid of revolution is never taken of h.
        {false, false, true, true, false, false, "Nullstellen von h im Intervall [a;b] berechnen",
         "Integral zwischen h und x-Achse", "Rotationsintegral:  Bitte Haken bei f und/oder g setzen !",
         "Bogenlänge von h", "Tangente an h im Punkt P(a/y) anlegen"},
        {false, false, false, true, false, false, "Schnittstellen:  Bitte Haken bei f und/oder g oder bei h setzen !",
         "Integral:  Bitte Haken bei f und/oder g oder bei h setzen !",
         "Rotationsintegral:  Bitte Haken bei f und/oder g setzen !", "Bogenlänge:  Bitte Haken bei f, g oder h setzen !",
         "Tangente an P(x(t),y(t)) für Winkel t=a anlegen"},
        {false, false, false, true, true, false, "Schnittstellen:  Bitte Haken bei f und/oder g oder bei h setzen !",
         "Integral:  Bitte Haken bei f und/oder g oder bei h setzen !",
         "Rotationsintegral:  Bitte Haken bei f und/oder g setzen !", "Bogenlänge:  Bitte Haken bei f, g oder h setzen !",
         "Bitte Haken bei f oder g oder h oder x(t),y(t) setzen !"},
    };
    for (const Fall& c : faelle) {
        SCOPED_TRACE(std::string(c.schnitt) + " / " + c.tangente);
        Teil<QCheckBox>(F(Form3), "CheckBox_Polar_Wahl")->setChecked(c.polar);
        Teil<QCheckBox>(F(Form3), "CheckBox_Param")->setChecked(c.param);
        Box1("CheckBox_Schar_f_zeichnen")->setChecked(c.f);
        Box1("CheckBox_Schar_g_zeichnen")->setChecked(c.g);
        Box1("CheckBox_Schar_h_zeichnen")->setChecked(c.h);
        Box1("CheckBox_Integralfunktion_tabellieren")->setChecked(c.F_tab);
        // The curve boxes of this window update the hints at once ...
        EXPECT_EQ(Hinweis("SpeedButton_Schnitt_f_g"), c.schnitt);
        EXPECT_EQ(Hinweis("SpeedButton_Integral_f_g"), c.integral);
        EXPECT_EQ(Hinweis("SpeedButton_Rotationsintegral"), c.rotation);
        EXPECT_EQ(Hinweis("SpeedButton_Bogenlaenge"), c.bogen);
        EXPECT_EQ(Hinweis("SpeedButton_Schar_in_Tabelle"), c.F_tab ? "Wertetabelle f,g,h,f',f\",f\"',kr,F in [a;b]"
                                                                   : "Wertetabelle f,g,h,f',f\",f\"',kr  in [a;b]");
        // ... the sequences window's curve box counts when the mouse comes over the button.
        QEvent hinein(QEvent::Enter);
        QApplication::sendEvent(Teil<QToolButton>(F(Form1), "SpeedButton_Tangente"), &hinein);
        EXPECT_EQ(Hinweis("SpeedButton_Tangente"), c.tangente);
    }
    Box1("CheckBox_Schar_g_zeichnen")->setChecked(true);
    Box1("CheckBox_Schar_h_zeichnen")->setChecked(false);
    EXPECT_EQ(Hinweis("SpeedButton_Flaeche_schraffieren"), "Fläche zwischen g und x-Achse in [a;b] färben");
}

TEST_F(Form1Hinweise, TextUndZoommodusSchliessenSichAus) {
    QCheckBox* T = Box1("CheckBox_Textmodus");
    QCheckBox* Z = Box1("CheckBox_ZoomModus");
    EXPECT_EQ(T->toolTip().toStdString(), "TextModus ein/aus");
    EXPECT_EQ(Z->toolTip().toStdString(), "ZoomModus ein/aus");
    struct Schritt { QCheckBox* box; bool an; bool T_danach, Z_danach; } schritte[] = {
        {T, true, true, false}, {Z, true, false, true}, {T, true, true, false},
        {T, false, false, false}, {Z, true, false, true}, {Z, false, false, false}};
    for (const Schritt& s : schritte) {
        s.box->setChecked(s.an);
        EXPECT_EQ(T->isChecked(), s.T_danach);
        EXPECT_EQ(Z->isChecked(), s.Z_danach);
    }
}

// The arrow head of a sample line: (25; 4), (15; 1), (15; 7); (16; 2) lies in it, off the line.
TEST_F(Form1Hinweise, PfeilprobeNurBeiDerPunktverbindung) {
    struct Fall { const char* box; const char* probe; int art; int eingefroren; bool pfeil; } faelle[] = {
        {"CheckBox_DatenPkte_verbinden", "Image_Punktverbindung", 4, 4, true},
        {"CheckBox_DatenPkte_verbinden", "Image_Punktverbindung", 5, 5, true},
        {"CheckBox_DatenPkte_verbinden", "Image_Punktverbindung", 1, 1, false},
        {"CheckBox_Schar_g_zeichnen", "Image_g", 4, 1, false},
        {"CheckBox_x_gleich_b", "Image_x_gleich_b", 5, 3, false},
    };
    auto* art = Teil<QComboBox>(F(Form1), "ComboBox_Linienart");
    for (const Fall& c : faelle) {
        SCOPED_TRACE(std::string(c.box) + " " + std::to_string(c.art));
        Box1(c.box)->setChecked(false);
        art->setCurrentIndex(c.art);
        Box1(c.box)->setChecked(true);
        EXPECT_EQ(art->currentIndex(), c.eingefroren);
        QImage probe = Teil<TBild>(F(Form1), c.probe)->Bild();
        EXPECT_NE(probe.pixel(5, 4) & 0xFFFFFF, 0xFFFFFFu) << "the sample line";
        EXPECT_EQ((probe.pixel(16, 2) & 0xFFFFFF) != 0xFFFFFFu, c.pfeil);
    }
    EXPECT_EQ(Marken.Verbindungsart, 1);
    EXPECT_EQ(Hauptfenster.g.Linienart, 1);
    EXPECT_EQ(Hauptfenster.x_gleich_b.Linienart, 3);
}

TEST_F(Form1Hinweise, OeffnenSetztDieFensterJedesMalZurueck) {
    struct Feld { QObject* fenster; const char* name; const char* geaendert; const char* vorgabe; } felder[] = {
        {Form3, "Edit_x_n0", "0,9", "0,5"},       {Form3, "Edit_n0", "4", "1"},
        {Form3, "Edit_Folge", "1/n", "5n/(2n+3)"}, {Form6, "Edit_Mat_n", "7", "2"},
        {Form6, "Edit_skalar_r", "1/2", "3/100"},
    };
    struct Liste { QObject* fenster; const char* name; int geaendert, vorgabe; } listen[] = {
        {Form6, "ComboBox_MatrixOps", 5, 0},          {Form6, "ComboBox_DiagrammTyp", 4, 0},
        {Form6, "ComboBox_RegressionsModelle", 6, 1}, {Form6, "ComboBox_DiagrPlotNr", 3, 0},
        {Form6, "ComboBox_Punkte_ab_Spalte", 2, 0},
    };
    for (int mal = 1; mal <= 2; ++mal) {
        SCOPED_TRACE(mal);
        for (const Feld& f : felder) Teil<QLineEdit>(F(f.fenster), f.name)->setText(f.geaendert);
        for (const Liste& l : listen) Teil<QComboBox>(F(l.fenster), l.name)->setCurrentIndex(l.geaendert);
        ASSERT_TRUE(QMetaObject::invokeMethod(F(Form3), "Edit_x_n0Exit"));
        ASSERT_EQ(Folgen.x_n0, 0.9L);
        QTest::mouseClick(Teil<QToolButton>(F(Form1), "SpeedButton_Folgen"), Qt::LeftButton);
        QTest::mouseClick(Teil<QToolButton>(F(Form1), "SpeedButton_Statistik"), Qt::LeftButton);
        for (const Feld& f : felder)
            EXPECT_EQ(Teil<QLineEdit>(F(f.fenster), f.name)->text().toStdString(), f.vorgabe) << f.name;
        for (const Liste& l : listen)
            EXPECT_EQ(Teil<QComboBox>(F(l.fenster), l.name)->currentIndex(), l.vorgabe) << l.name;
        EXPECT_EQ(Folgen.x_n0, 0.5L) << "the start value is read again, not only shown";
    }
}

TEST_F(Form1Hinweise, HilfeErklaertJedeEingebauteFunktion) {
    QTest::mouseClick(Teil<QToolButton>(F(Form1), "SpeedButton_Hilfe"), Qt::LeftButton);
    ASSERT_TRUE(F(Form2)->isVisible());
    EXPECT_EQ(F(Form2)->windowTitle().toStdString(), "Bedienungshinweise");
    auto* memo = Teil<QPlainTextEdit>(F(Form2), "Memo1");
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch()) << QFontInfo(memo->font()).family().toStdString();
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_GT(memo->verticalScrollBar()->maximum(), 0) << "the guide is longer than the window";

    // Every function the engine knows has a line of its own that starts with its name.
    const QStringList zeilen = memo->toPlainText().split('\n');
    int gefunden = 0;
    for (const Termfunktion& fn : Funktionen) {
        if (Funktion_suchen(fn.name) == F_KEINE) continue;   // listed, but not callable
        const QString anfang = QString::fromLatin1(fn.name).toLower() + '(';
        bool erklaert = false;
        for (const QString& z : zeilen) erklaert = erklaert || z.trimmed().startsWith(anfang);
        EXPECT_TRUE(erklaert) << "no help line for " << fn.name;
        ++gefunden;
    }
    EXPECT_GE(gefunden, 27);
    for (const char* syntax : {"0,5", "2x", "w(2)", "sin(30°)", "x²", "x³", "2,05E17", "tx, kx und nx"})
        EXPECT_TRUE(memo->toPlainText().contains(QString::fromUtf8(syntax))) << syntax;
}

}  // namespace
