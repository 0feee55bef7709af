// The family slider as the user drives it: opened from the main window, its steps
// writing t1 and redrawing one member, the animation under a running event loop,
// and the range fields refusing what cannot make a slider.
#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit7_Scharregler/Scharregler.h"
#include "graphics/UKurven.h"
#include "platform/Dialoge_Skript.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

class ScharreglerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Fenster_erzeugen();
        dialoge = std::make_unique<Skript_Dialoge>();
        F1()->show();
        QApplication::setActiveWindow(F1());
        ASSERT_TRUE(QTest::qWaitForWindowActive(F1()));
    }
    void TearDown() override {
        dialoge.reset();
        Fenster_freigeben();
    }
    static QWidget* F1() { return Form1; }
    template <class T> T* Teil(QWidget* fenster, const char* name) {
        T* w = fenster->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* Hauptfeld(const char* name) { return Teil<QLineEdit>(F1(), name); }
    // Opens the slider window with Ctrl+T, as the user does.
    Scharregler* Oeffnen() {
        QTest::keyClick(F1(), Qt::Key_T, Qt::ControlModifier);
        auto* r = F1()->findChild<Scharregler*>();
        EXPECT_NE(r, nullptr);
        EXPECT_TRUE(r && r->isVisible());
        return r;
    }
    QSlider* Slider(Scharregler* r) { return Teil<QSlider>(r, "Slider_t"); }
    QImage Bild() { return Form1->Image1()->Bild().copy(); }
    // Waits for a condition while the event loop runs, at most five seconds.
    static bool Warten_bis(const std::function<bool()>& bedingung) {
        for (int i = 0; i < 250 && !bedingung(); ++i) QTest::qWait(20);
        return bedingung();
    }
    std::unique_ptr<Skript_Dialoge> dialoge;
};

TEST(Reglerbereich, PositionenUndWerte) {
    struct Fall { Extended min, max, schritt; int schritte; Extended letzter_vor_max; Extended t; int position; } faelle[] = {
        {1, 4, 0.5L, 6, 3.5L, 2.6L, 3},
        {0, 1, 0.3L, 4, 0.9L, 5, 4},         // the last step is shorter: it stops at max
        {-2, 2, 4, 1, -2, -7, 0},
        {0, 1, 0.1L, 10, 0.9L, 0.35L, 4},    // ten steps, not eleven, despite rounding
    };
    for (const Fall& f : faelle) {
        Reglerbereich b{f.min, f.max, f.schritt};
        EXPECT_EQ(b.Schritte(), f.schritte) << f.min << ".." << f.max;
        EXPECT_EQ(b.Wert(0), f.min);
        EXPECT_EQ(b.Wert(f.schritte), f.max);
        EXPECT_NEAR(double(b.Wert(f.schritte - 1)), double(f.letzter_vor_max), 1e-12);
        EXPECT_EQ(b.Position(f.t), f.position) << double(f.t);
    }
}

TEST_F(ScharreglerTest, OeffnetMitTasteUndDoppelklickOhneDasHauptfensterZuAendern) {
    const QSize groesse = F1()->size();
    Hauptfeld("Edit_delta_t")->setText("0,25");
    Scharregler* r = Oeffnen();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->windowTitle().toStdString(), "Scharparameter t");
    struct Fall { const char* feld; const char* text; } felder[] = {
        {"Edit_Regler_min", "1"}, {"Edit_Regler_max", "4"}, {"Edit_Regler_schritt", "0,25"}};
    for (const Fall& f : felder) EXPECT_EQ(Teil<QLineEdit>(r, f.feld)->text().toStdString(), f.text) << f.feld;
    EXPECT_EQ(Slider(r)->maximum(), 12);
    EXPECT_EQ(Slider(r)->value(), 0);
    EXPECT_EQ(Teil<QSpinBox>(r, "SpinEdit_Tempo")->value(), 10);
    EXPECT_EQ(Teil<QSpinBox>(r, "SpinEdit_Tempo")->maximum(), 30);
    EXPECT_TRUE(Teil<QRadioButton>(r, "RadioButton_hin_und_zurueck")->isChecked());
    EXPECT_EQ(Teil<QRadioButton>(r, "RadioButton_von_vorn")->text().toStdString(), "von vorn");
    EXPECT_EQ(F1()->size(), groesse);

    // Asked again while open, the range stays although t1 has moved with the slider.
    Slider(r)->setValue(4);
    QTest::keyClick(F1(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(Teil<QLineEdit>(r, "Edit_Regler_min")->text().toStdString(), "1");
    EXPECT_EQ(Slider(r)->value(), 4);

    r->close();
    EXPECT_FALSE(r->isVisible());
    auto* t_von = Teil<QCheckBox>(F1(), "CheckBox_alle_t_verwenden");
    QTest::mouseDClick(t_von, Qt::LeftButton);
    EXPECT_TRUE(r->isVisible());
    EXPECT_EQ(F1()->findChildren<Scharregler*>().size(), 1);
    EXPECT_TRUE(dialoge->meldungen.empty());
}

// A slider step draws the same picture as typing its t into the field and plotting.
TEST_F(ScharreglerTest, SchiebenSchreibtTUndZeichnetDiesesGlied) {
    Teil<QCheckBox>(F1(), "CheckBox_Schar_f_zeichnen")->setChecked(true);
    auto* t_von = Teil<QCheckBox>(F1(), "CheckBox_alle_t_verwenden");
    Scharregler* r = Oeffnen();
    ASSERT_NE(r, nullptr);
    struct Fall { std::function<void()> bewegen; const char* t; } faelle[] = {
        {[&] { Slider(r)->setValue(3); }, "2,5"},
        {[&] { QTest::keyClick(Slider(r), Qt::Key_Right); }, "3"},
        {[&] { QTest::keyClick(Slider(r), Qt::Key_Left); }, "2,5"},
        {[&] { QTest::keyClick(Slider(r), Qt::Key_End); }, "4"},
        {[&] { QTest::keyClick(Slider(r), Qt::Key_PageDown); }, "3,5"},
    };
    for (const Fall& f : faelle) {
        t_von->setChecked(true);
        const QImage vorher = Bild();
        f.bewegen();
        EXPECT_EQ(Hauptfeld("Edit_Schar_t1")->text().toStdString(), f.t);
        EXPECT_EQ(Teil<QLabel>(r, "Label_t_Wert")->text().toStdString(), f.t);
        EXPECT_FALSE(t_von->isChecked()) << f.t;
        const QImage geschoben = Bild();
        EXPECT_NE(geschoben, vorher) << f.t;
        QMetaObject::invokeMethod(F1(), "SpeedButton_PlotClick");
        EXPECT_EQ(Bild(), geschoben) << f.t;
    }
    EXPECT_TRUE(dialoge->meldungen.empty());
}

TEST_F(ScharreglerTest, AnimationLaeuftImTaktUndHaeltAn) {
    Scharregler* r = Oeffnen();
    ASSERT_NE(r, nullptr);
    auto* knopf = Teil<QToolButton>(r, "SpeedButton_Animation");
    Teil<QSpinBox>(r, "SpinEdit_Tempo")->setValue(30);
    auto t1 = [&] { return Hauptfeld("Edit_Schar_t1")->text().toStdString(); };

    // Forwards to the end and back again.
    Slider(r)->setValue(5);
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_TRUE(r->Animation_laeuft());
    EXPECT_EQ(knopf->text().toStdString(), "Pause");
    EXPECT_TRUE(Warten_bis([&] { return t1() == "4"; }));
    EXPECT_TRUE(Warten_bis([&] { return t1() == "3,5"; }));
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_FALSE(r->Animation_laeuft());
    const std::string angehalten = t1();
    QTest::qWait(200);
    EXPECT_EQ(t1(), angehalten);
    EXPECT_EQ(knopf->text().toStdString(), "Start");

    // "von vorn": after the end the first value again.
    Teil<QRadioButton>(r, "RadioButton_von_vorn")->setChecked(true);
    Slider(r)->setValue(6);
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_TRUE(Warten_bis([&] { return t1() == "1"; }));

    // A command of the main window pauses first; so does closing.
    struct Fall { const char* was; std::function<void()> befehl; } faelle[] = {
        {"Plot", [&] { QMetaObject::invokeMethod(F1(), "SpeedButton_PlotClick"); }},
        {"tool", [&] {
             QTest::mouseClick(Teil<QToolButton>(F1(), "SpeedButton_Extrempunkte"), Qt::LeftButton);
             dialoge->meldungen.clear();   // no curve ticked: the tool's own message
         }},
        {"field left", [&] {
             QApplication::setActiveWindow(F1());
             ASSERT_TRUE(QTest::qWaitForWindowActive(F1()));
             Hauptfeld("Edit_u")->setFocus(Qt::TabFocusReason);
             Hauptfeld("Edit_u")->setText("1");
             Hauptfeld("Edit_xa")->setFocus(Qt::TabFocusReason);
         }},
        {"closing", [&] { r->close(); }},
    };
    for (const Fall& f : faelle) {
        r->show();
        if (!r->Animation_laeuft()) QTest::mouseClick(knopf, Qt::LeftButton);
        ASSERT_TRUE(r->Animation_laeuft()) << f.was;
        f.befehl();
        EXPECT_FALSE(r->Animation_laeuft()) << f.was;
        EXPECT_FALSE(knopf->isChecked()) << f.was;
    }
    EXPECT_TRUE(dialoge->meldungen.empty());
}

TEST_F(ScharreglerTest, FalscheBereicheGebenMeldungUndLassenDenRegler) {
    Scharregler* r = Oeffnen();
    ASSERT_NE(r, nullptr);
    struct Fall { const char* feld; const char* text; const char* meldung; int schritte; } faelle[] = {
        {"Edit_Regler_max", "0,5", "Fehler:  max <= min", 6},
        {"Edit_Regler_min", "4", "Fehler:  max <= min", 6},
        {"Edit_Regler_schritt", "0", "Fehler:  Schritt <= 0", 6},
        {"Edit_Regler_schritt", "-1/2", "Fehler:  Schritt <= 0", 6},
        {"Edit_Regler_schritt", "0,0002", "Fehler:  mehr als 10000 Schritte", 6},
        {"Edit_Regler_schritt", "0,0003", nullptr, 10000},
        {"Edit_Regler_max", "10000", "Fehler:  mehr als 10000 Schritte", 10000},
        {"Edit_Regler_schritt", "pi/4", nullptr, 4},
    };
    for (const Fall& f : faelle) {
        Slider(r)->setValue(2);
        const std::string t1 = Hauptfeld("Edit_Schar_t1")->text().toStdString();
        const std::string vorher = Teil<QLineEdit>(r, f.feld)->text().toStdString();
        const int position = Slider(r)->value();
        dialoge->meldungen.clear();
        auto* feld = Teil<QLineEdit>(r, f.feld);
        feld->setFocus();
        feld->setText(QString::fromUtf8(f.text));
        QTest::keyClick(feld, Qt::Key_Return);
        EXPECT_EQ(Slider(r)->maximum(), f.schritte) << f.text;
        EXPECT_EQ(Hauptfeld("Edit_Schar_t1")->text().toStdString(), t1) << f.text;
        if (f.meldung) {
            ASSERT_EQ(dialoge->meldungen.size(), 1u) << f.text;
            EXPECT_EQ(dialoge->meldungen[0], f.meldung);
            EXPECT_EQ(feld->text().toStdString(), vorher) << f.text;
            EXPECT_EQ(Slider(r)->value(), position) << f.text;
        } else {
            EXPECT_TRUE(dialoge->meldungen.empty()) << f.text;
        }
    }
}

}  // namespace
