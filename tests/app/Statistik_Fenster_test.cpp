// The statistics, regression and interpolation groups of the statistics window,
// driven as a user does: data in the table, a choice in a combo box, a button.
#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "graphics/Farben.h"
#include "graphics/U_KOS.h"
#include "platform/Dialoge_Skript.h"
#include "table/UStringGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class StatistikFenster : public ::testing::Test {
protected:
    void SetUp() override {
        Fenster_erzeugen();
        dialog = std::make_unique<Skript_Dialoge>();
        Tabelle_leeren(Tabelle);
        // Number texts below are those of the general format.
        if (Element<QCheckBox>(F1(), "CheckBox_Fixkomma")->isChecked())
            Element<QCheckBox>(F1(), "CheckBox_Fixkomma")->click();
        Zahlausgabe.Fixkomma = false;
    }
    void TearDown() override {
        dialog.reset();
        Fenster_freigeben();
    }
    template <class W> static W* Element(QWidget* fenster, const char* name) {
        W* w = fenster->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QWidget* F1() { return Form1; }
    static QWidget* F6() { return Form6; }
    void Klicken(const char* name) { Element<QToolButton>(F6(), name)->click(); }
    void Waehlen(const char* combo, int index) { Element<QComboBox>(F6(), combo)->setCurrentIndex(index); }
    std::string Feld(const char* name) { return Element<QLineEdit>(F1(), name)->text().toStdString(); }
    void Spalten(std::vector<std::string> s1, std::vector<std::string> s2) {
        for (size_t i = 0; i < s1.size(); ++i) Tabelle.Zelle(1, int(i) + 1) = s1[i];
        for (size_t i = 0; i < s2.size(); ++i) Tabelle.Zelle(2, int(i) + 1) = s2[i];
    }
    QRgb Pixel(Extended x, Extended y) {
        const QImage& b = Form1->Image1()->Bild();
        return b.pixel(x_zu_Pixel(b.width(), x), y_zu_Pixel(b.height(), y));
    }
    std::string Letzte_Meldung() { return dialog->meldungen.empty() ? "" : dialog->meldungen.back(); }
    std::unique_ptr<Skript_Dialoge> dialog;
};

TEST_F(StatistikFenster, OneDimensionalChartsReadTheColumnsAndReport) {
    struct Fall {
        const char* name; int typ; std::vector<std::string> s1, s2; const char* meldung;
    };
    const Fall faelle[] = {
        {"lists of different length", 1, {"1", "2", "3", "4", "5"}, {"1", "2", "3", "4"}, "Listen unterschiedlich lang !"},
        {"empty class", 7, {"0;12", "12;12"}, {"44", "45"}, "falsches Intervall in Spalte1 !"},
        {"class without semicolon", 7, {"12-18"}, {"44"}, "Spalte1 fehlerhaft !"},
        {"texts without frequencies", 1, {"rot", "blau"}, {}, "Keine Daten !"},
        {"pie of zero values", 6, {"A", "B"}, {"0", "0"}, "Es liegt ein Datenfehler vor !"},
        {"box plot of broken frequencies", 2, {"1", "2"}, {"0,5", "1,5"}, "Boxplots nur mit ganzzahligen Häufigkeiten !"},
    };
    for (const Fall& f : faelle) {
        Tabelle_leeren(Tabelle);
        dialog->meldungen.clear();
        Waehlen("ComboBox_DiagrammTyp", f.typ);
        Spalten(f.s1, f.s2);
        Klicken("SpeedButton_Diagramm_zeichnen");
        EXPECT_EQ(Letzte_Meldung(), f.meldung) << f.name;
    }
}

TEST_F(StatistikFenster, BarChartTableKeyFiguresAndChartsInThePicture) {
    Waehlen("ComboBox_DiagrammTyp", 1);
    Spalten({"4", "2", "5", "7", "3", "1", "6", "2"}, {"5", "3", "4", "2", "1", "5", "6", "0"});
    Klicken("SpeedButton_Diagramm_zeichnen");
    EXPECT_TRUE(dialog->meldungen.empty());
    EXPECT_EQ(Tabelle.Zelle(4, 1), "26");
    EXPECT_EQ(Tabelle.Zelle(5, 2), "2");   // 2 and 2 merged
    EXPECT_EQ(Tabelle.Zelle(6, 2), "3");
    EXPECT_EQ(Tabelle.Zelle(5, 7), "7");
    EXPECT_EQ(Pixel(4, 5), Farbe_Qt(0xFF0000).rgb());   // top edge of the bar at 4, height 5

    Tabelle_leeren(Tabelle);
    Waehlen("ComboBox_DiagrammTyp", 2);
    Waehlen("ComboBox_DiagrPlotNr", 2);
    Spalten({"1", "2", "3", "4", "5"}, {});
    Klicken("SpeedButton_Diagramm_zeichnen");
    EXPECT_EQ(Tabelle.Zelle(4, 7), "3");
    EXPECT_EQ(Pixel(3, 5.4L), Farbe_Qt(0xFF0000).rgb());   // median line of box plot 3, from 4,5 to 5,5
    EXPECT_NE(Pixel(3, 5.7L), Farbe_Qt(0xFF0000).rgb());

    Tabelle_leeren(Tabelle);
    Waehlen("ComboBox_DiagrammTyp", 7);
    Spalten({"0;12"}, {"44"});
    Klicken("SpeedButton_Diagramm_zeichnen");
    EXPECT_EQ(Pixel(6, 44.0L / 12), Farbe_Qt(0xFF0000).rgb());   // the bar's area is its frequency

    Tabelle_leeren(Tabelle);
    Waehlen("ComboBox_DiagrammTyp", 6);
    Spalten({"CDU", "SPD", "FDP"}, {"1", "1", "2"});
    Klicken("SpeedButton_Diagramm_zeichnen");
    EXPECT_EQ(Tabelle.Zelle(4, 1), "25,0%");
    EXPECT_EQ(Tabelle.Zelle(4, 3), "50,0%");
    EXPECT_EQ(Tabelle.Zelle(5, 3), "180,0°");
    EXPECT_EQ(Tabelle.Zelle(7, 3), "0,00");   // the last sector ends at the top again
    EXPECT_EQ(Tabelle.Zelle(8, 3), "6,40");
}

TEST_F(StatistikFenster, RegressionPutsItsTermsIntoTheMainWindow) {
    Waehlen("ComboBox_RegressionsModelle", 4);
    Form6->Statistik_Vorgaben();   // as the opener chooses: the polygon and the line
    EXPECT_EQ(Element<QComboBox>(F6(), "ComboBox_DiagrammTyp")->currentIndex(), 0);
    EXPECT_EQ(Element<QComboBox>(F6(), "ComboBox_RegressionsModelle")->currentIndex(), 1);
    Spalten({"2", "4", "9"}, {"1", "5", "6"});
    Waehlen("ComboBox_RegressionsModelle", 1);
    Klicken("SpeedButton_Regressionsmodell_starten");
    EXPECT_EQ(Feld("Edit_gSchar"), "0,615385x+0,923077");
    EXPECT_EQ(Feld("Edit_hSchar"), "Korrelation:   r=0,838628");
    EXPECT_EQ(Letzte_Meldung().rfind("Lineare Regression:\r\r1.Gerade:  y=0,615385x+0,923077", 0), 0u);

    Element<QCheckBox>(F6(), "CheckBox_2_Regressionsgeraden")->click();
    Klicken("SpeedButton_Regressionsmodell_starten");
    EXPECT_EQ(Feld("Edit_hSchar"), "0,875x-0,375");

    Waehlen("ComboBox_RegressionsModelle", 2);   // the second line belongs to lines only
    EXPECT_FALSE(Element<QCheckBox>(F6(), "CheckBox_2_Regressionsgeraden")->isChecked());

    Element<QCheckBox>(F1(), "CheckBox_Fixkomma")->click();
    Waehlen("ComboBox_RegressionsModelle", 1);
    Klicken("SpeedButton_Regressionsmodell_starten");
    EXPECT_EQ(Feld("Edit_gSchar"), "0,615385x+0,923077");   // no alignment blanks, sign joined
    EXPECT_TRUE(Term_pruefen(Feld("Edit_gSchar")));

    Tabelle_leeren(Tabelle);
    dialog->meldungen.clear();
    Klicken("SpeedButton_Regressionsmodell_starten");
    ASSERT_EQ(dialog->meldungen.size(), 2u);
    EXPECT_EQ(dialog->meldungen[0], "Punkte nicht definiert!");
    EXPECT_EQ(dialog->meldungen[1], "Mindestens 2 Punkte erforderlich !");
}

TEST_F(StatistikFenster, DistancesMeasureToTheFirstTickedCurveWithTheToolParameter) {
    for (const char* box : {"CheckBox_Schar_f_zeichnen", "CheckBox_Schar_g_zeichnen", "CheckBox_Schar_h_zeichnen"})
        if (Element<QCheckBox>(F1(), box)->isChecked()) Element<QCheckBox>(F1(), box)->click();
    Klicken("SpeedButton_senkrechte_Entfernungen");
    EXPECT_EQ(Letzte_Meldung(), "Bitte erst Haken bei f, g oder h setzen !");
    Element<QLineEdit>(F1(), "Edit_fSchar")->setText("tx");
    Element<QLineEdit>(F1(), "Edit_Schar_t1")->setText("2");
    Element<QCheckBox>(F1(), "CheckBox_Schar_f_zeichnen")->click();
    Spalten({"1"}, {"2"});
    Punkte_einlesen(Tabelle, 1);
    for (const char* knopf : {"SpeedButton_senkrechte_Entfernungen", "SpeedButton_waagerechte_Entfernungen"}) {
        Klicken(knopf);
        EXPECT_NE(Letzte_Meldung().find("Entfernungen = 0\r"), std::string::npos) << knopf << Letzte_Meldung();
    }
}

TEST_F(StatistikFenster, InterpolationSplineAndTransitionFillFgh) {
    Element<QLineEdit>(F1(), "Edit_hSchar")->setText("sgn(x)");
    Spalten({"0", "1", "2"}, {"0", "1", "0"});
    Klicken("SpeedButtonSplineInterpolation");
    EXPECT_EQ(Feld("Edit_fSchar"), "-0,5x³+1,5x");
    EXPECT_EQ(Feld("Edit_gSchar"), "0,5x³-3x²+4,5x-1");
    EXPECT_EQ(Feld("Edit_hSchar"), "sgn(x)");   // two pieces only
    EXPECT_EQ(Feld("Edit_xaSchar_g"), "1");
    EXPECT_EQ(Feld("Edit_xeSchar_g"), "2");

    Tabelle_leeren(Tabelle);
    Spalten({"0", "1", "2"}, {"1", "3", "7"});
    Klicken("SpeedButton_Interpolationspolynom");
    EXPECT_EQ(Feld("Edit_hSchar"), "1x²+1x+1");

    Tabelle_leeren(Tabelle);
    std::vector<std::string> x, y;
    for (int i = 1; i <= 31; ++i) { x.push_back(std::to_string(i)); y.push_back("1"); }
    Spalten(x, y);
    Klicken("SpeedButton_Interpolationspolynom");
    EXPECT_EQ(Letzte_Meldung(), "Höchstens 30 Punkte erlaubt !");
    EXPECT_EQ(Tabelle.Zelle(1, 31), "31");
    EXPECT_EQ(Feld("Edit_hSchar"), "1x²+1x+1");

    Tabelle_leeren(Tabelle);
    Spalten({"-2", "-1", "1", "2"}, {"-2", "-1", "1", "2"});
    Tabelle.Zelle(7, 1) = "8";
    Tabelle.Zelle(8, 1) = "9";
    dialog->antworten = {true};
    Klicken("SpeedButton_Trassierung");
    EXPECT_EQ(dialog->fragen.size(), 1u);
    EXPECT_EQ(Feld("Edit_hSchar"), "1x");
    EXPECT_EQ(Feld("Edit_xaSchar_h"), "-1");
    EXPECT_EQ(Feld("Edit_xeSchar_h"), "1");
    EXPECT_EQ(Pixel(0, 0), Farbe_Qt(0x0000FF).rgb());   // the red transition curve through the origin
}

}  // namespace
