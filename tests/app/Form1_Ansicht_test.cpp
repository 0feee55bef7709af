// The view of the main window as the user changes it: zoom, shift, origin and size
// buttons, the reset, and the mouse on the picture in its three modes.
#include "tests/app/Fenster_Test.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"
#include "platform/Dialoge_Skript.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class Form1Ansicht : public Fenster_Test {
protected:
    template <class T> T* Teil(const char* name) {
        T* w = Form1->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    std::string Text(const char* feld) { return Teil<QLineEdit>(feld)->text().toStdString(); }
    void Klick(const char* knopf) { Teil<QToolButton>(knopf)->click(); }
    // xli xe yu yo xscl yscl as the fields show them
    std::vector<std::string> Fenster() {
        return {Text("Edit_xa"), Text("Edit_xe"), Text("Edit_ya"), Text("Edit_ye"), Text("Edit_xscl"), Text("Edit_yscl")};
    }
    void Maus(QEvent::Type art, QPoint p, Qt::MouseButton taste, Qt::MouseButtons tasten,
              QWidget* ziel = nullptr, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        if (!ziel) ziel = Form1->Image1();
        QMouseEvent e(art, QPointF(p), QPointF(ziel->mapToGlobal(p)), taste, tasten, mod);
        QApplication::sendEvent(ziel, &e);
    }
    void Druecken(QPoint p, Qt::MouseButton t) { Maus(QEvent::MouseButtonPress, p, t, t); }
    void Ziehen(QPoint p) { Maus(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
    void Loslassen(QPoint p, Qt::MouseButton t) { Maus(QEvent::MouseButtonRelease, p, t, Qt::NoButton); }
    QImage Bild() { return Form1->Image1()->Bild().copy(); }
};

using Felder = std::vector<std::string>;

TEST_F(Form1Ansicht, ButtonsMoveTheWindowAndWriteTheFields) {
    struct Fall { std::vector<const char*> knoepfe; Felder erwartet; };
    const Fall faelle[] = {
        {{"SpeedButton_Zoom_out"}, {"-16", "16", "-16", "16", "2", "2"}},
        {{"SpeedButton_Zoom_out", "SpeedButton_Zoom_in"}, {"-8", "8", "-8", "8", "1", "1"}},
        {{"SpeedButton_Zoom_in_x"}, {"-4", "4", "-8", "8", "0,5", "1"}},
        {{"SpeedButton_Zoom_out_y"}, {"-8", "8", "-16", "16", "1", "2"}},
        {{"SpeedButton_Links_schieben"}, {"-8,5", "7,5", "-8", "8", "1", "1"}},
        {{"SpeedButton_hoch_schieben"}, {"-8", "8", "-7,5", "8,5", "1", "1"}},
        {{"SpeedButton_Ursprung_links_unten"}, {"-1", "15", "-1", "15", "1", "1"}},
        {{"SpeedButton_Ursprung_links_unten", "SpeedButton_Ursprung_Mitte"}, {"-8", "8", "-8", "8", "1", "1"}},
        {{"SpeedButton_1und2Quadrant"}, {"-8", "8", "-1", "15", "1", "1"}},
        {{"SpeedButton_1und4Quadrant"}, {"-1", "15", "-8", "8", "1", "1"}},
        {{"SpeedButton_Zoom_out_x", "SpeedButton_rechts_schieben"}, {"-15", "17", "-8", "8", "2", "1"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.knoepfe.back());
        Form1->Standard_Werte_einstellen();
        for (const char* k : f.knoepfe) Klick(k);
        EXPECT_EQ(Fenster(), f.erwartet);
        // the drawing intervals follow the window, the world window follows the fields
        EXPECT_EQ(Text("Edit_xaSchar_g"), f.erwartet[0]);
        EXPECT_EQ(Text("Edit_xeSchar_h"), f.erwartet[1]);
        EXPECT_EQ(Zahl_allgemein(KOS.xli), f.erwartet[0]);
        EXPECT_EQ(Zahl_allgemein(KOS.yscl), f.erwartet[5]);
    }
    // the picture was redrawn: after "links schauen" the y axis lies half a centimetre right
    Form1->Standard_Werte_einstellen();
    Klick("SpeedButton_Links_schieben");
    EXPECT_EQ(Bild().pixel(340, 100) & 0xFFFFFF, 0u);
    EXPECT_NE(Bild().pixel(320, 100) & 0xFFFFFF, 0u);
}

TEST_F(Form1Ansicht, ZoomCounterStopsAtThirtyTwoInAnyMix) {
    const char* aus[] = {"SpeedButton_Zoom_out", "SpeedButton_Zoom_out_x", "SpeedButton_Zoom_out_y"};
    for (int i = 0; i < 32; ++i) Klick(aus[i % 3]);
    const Felder grenze = Fenster();
    EXPECT_NE(grenze[0], "-8");
    for (const char* k : aus) {
        Klick(k);
        EXPECT_EQ(Fenster(), grenze) << k;
    }
    Klick("SpeedButton_Zoom_in_y");
    EXPECT_NE(Fenster(), grenze);
    // and the other end
    Form1->Standard_Werte_einstellen();
    for (int i = 0; i < 32; ++i) Klick("SpeedButton_Zoom_in");
    EXPECT_EQ(Text("Edit_xe"), "1,86264514923096E-9");   // 8 / 2^32, as the field shows it
    Klick("SpeedButton_Zoom_in_x");
    EXPECT_EQ(Text("Edit_xe"), "1,86264514923096E-9");
}

TEST_F(Form1Ansicht, ZoomRectangleIsInvertedWhileDrawnAndZoomsOnRelease) {
    Teil<QCheckBox>("CheckBox_ZoomModus")->setChecked(true);
    const QImage vorher = Bild();
    Druecken({320, 320}, Qt::LeftButton);
    Ziehen({480, 160});
    const QImage mit_rahmen = Bild();
    int invertiert = 0;
    for (int x = 320; x <= 480; ++x) invertiert += mit_rahmen.pixel(x, 160) == (~vorher.pixel(x, 160) | 0xFF000000);
    EXPECT_GT(invertiert, 40);    // dotted: every other pixel or so
    EXPECT_LT(invertiert, 130);
    Ziehen({500, 100});
    for (int x = 0; x < 641; ++x) ASSERT_EQ(Bild().pixel(x, 160), vorher.pixel(x, 160)) << x;   // old edge gone
    Ziehen({480, 160});
    Loslassen({480, 160}, Qt::LeftButton);
    EXPECT_EQ(Fenster(), (Felder{"0", "4", "0", "4", "0,25", "0,25"}));
    // the counter is 1: 31 zoom-outs are allowed, the 32nd is not
    for (int i = 0; i < 31; ++i) Klick("SpeedButton_Zoom_out");
    const Felder grenze = Fenster();
    EXPECT_EQ(grenze[1], "8589934592");   // 4 * 2^31
    Klick("SpeedButton_Zoom_out");
    EXPECT_EQ(Fenster(), grenze);
    // a rectangle without height does nothing
    Druecken({100, 100}, Qt::LeftButton);
    Ziehen({300, 100});
    Loslassen({300, 100}, Qt::LeftButton);
    EXPECT_EQ(Fenster(), grenze);
}

TEST_F(Form1Ansicht, SizeButtonsCentreASmallerPictureAndStopAtThreeAndSixteen) {
    TBild* bild = Form1->Image1();
    Klick("SpeedButton_Bildbreite_kleiner");
    EXPECT_EQ(Text("Edit_Bildbreite"), "15");
    EXPECT_EQ(Fenster(), (Felder{"-7,5", "7,5", "-8", "8", "1", "1"}));
    EXPECT_EQ(bild->geometry(), QRect(20, 0, 601, 641));
    EXPECT_EQ(bild->Bild().size(), QSize(601, 641));
    EXPECT_EQ(bild->Bild().pixel(300, 100) & 0xFFFFFF, 0u);   // the y axis in the middle of it
    for (int i = 0; i < 12; ++i) Klick("SpeedButton_Bildbreite_kleiner");
    EXPECT_EQ(Text("Edit_Bildbreite"), "3");
    const Felder bei_drei = Fenster();
    EXPECT_EQ(bei_drei[0], "-1,5");
    Klick("SpeedButton_Bildbreite_kleiner");
    EXPECT_EQ(Text("Edit_Bildbreite"), "3");
    EXPECT_EQ(Fenster(), bei_drei);
    EXPECT_EQ(bild->geometry(), QRect(260, 0, 121, 641));
    Klick("SpeedButton_Bildtiefe_kleiner");
    EXPECT_EQ(Text("Edit_Bildtiefe"), "15");
    EXPECT_EQ(bild->geometry(), QRect(260, 20, 121, 601));
    Klick("SpeedButton_Bildtiefe_groesser");
    Klick("SpeedButton_Bildtiefe_groesser");
    EXPECT_EQ(Text("Edit_Bildtiefe"), "16");
    EXPECT_EQ(Text("Edit_ye"), "8");
    // the reset asks first; No keeps everything, Yes gives the full picture back
    Teil<QCheckBox>("CheckBox_Achsen_automatisch_beschriften")->setChecked(false);
    Klick("SpeedButton_Standardwerte");
    EXPECT_EQ(dialoge->fragen, std::vector<std::string>{"Wollen Sie wirklich alles zurücksetzen und die Grafik löschen ?"});
    EXPECT_EQ(bild->geometry(), QRect(260, 0, 121, 641));
    dialoge->antworten.push_back(true);
    Klick("SpeedButton_Standardwerte");
    EXPECT_EQ(bild->geometry(), QRect(0, 0, 641, 641));
    EXPECT_EQ(Text("Edit_Bildbreite"), "16");
    EXPECT_EQ(Fenster(), (Felder{"-8", "8", "-8", "8", "1", "1"}));
    EXPECT_TRUE(Form1->Achsen_automatisch());   // "Auto" is ticked again
}

TEST_F(Form1Ansicht, DraggingMovesTheWindowAgainstTheMouseAndRedrawsEachStep) {
    Druecken({300, 300}, Qt::LeftButton);
    for (int x = 290; x >= 250; x -= 10) Ziehen({x, 300});
    Loslassen({250, 300}, Qt::LeftButton);
    EXPECT_EQ(Fenster(), (Felder{"-7", "9", "-8", "8", "1", "1"}));
    EXPECT_EQ(Bild().pixel(280, 100) & 0xFFFFFF, 0u);   // the y axis followed the mouse
    // down by 25 pixels: half a unit
    Druecken({100, 100}, Qt::LeftButton);
    Ziehen({100, 125});
    EXPECT_EQ(Text("Edit_ya"), "-7,5");
    // moving without the button, or with the right one, drags nothing
    Loslassen({100, 125}, Qt::LeftButton);
    Maus(QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::NoButton);
    Maus(QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(Text("Edit_ya"), "-7,5");
}

TEST_F(Form1Ansicht, RightButtonCopiesThePictureOrWritesTheText) {
    Druecken({200, 200}, Qt::RightButton);
    EXPECT_EQ(dialoge->meldungen, std::vector<std::string>{"Grafik in der Zwischenablage gespeichert"});
    const QImage ablage = QGuiApplication::clipboard()->image();
    EXPECT_EQ(ablage.size(), QSize(641, 641));
    EXPECT_EQ(ablage.convertToFormat(QImage::Format_RGB32), Bild().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(ablage.dotsPerMeterX(), 4000);
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("image/svg+xml"));
    // the groups "Info", "Matrix+Statistik" and "Extras" copy the whole window
    for (const char* gruppe : {"GroupBox_Info", "GroupBox_Matrix_Statistik", "GroupBox_Extras"}) {
        dialoge->meldungen.clear();
        QGuiApplication::clipboard()->clear();
        Maus(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton, Teil<QWidget>(gruppe));
        EXPECT_EQ(dialoge->meldungen, std::vector<std::string>{"Clientbereich in der Zwischenablage gespeichert"});
        EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(1074, 641)) << gruppe;
    }
    // with a modifier held the button does not count
    dialoge->meldungen.clear();
    Maus(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton, Teil<QWidget>("GroupBox_Info"),
         Qt::ControlModifier);
    EXPECT_TRUE(dialoge->meldungen.empty());

    // text mode: the insertion text right below the mouse, in blue; an empty text writes nothing
    Teil<QCheckBox>("CheckBox_Textmodus")->setChecked(true);
    const QImage vorher = Bild();
    Druecken({100, 100}, Qt::LeftButton);
    Druecken({100, 100}, Qt::RightButton);
    EXPECT_TRUE(dialoge->meldungen.empty());
    int blau = 0, anders = 0;
    const QImage nachher = Bild();
    for (int y = 0; y < 641; ++y)
        for (int x = 0; x < 641; ++x) {
            if (nachher.pixel(x, y) == vorher.pixel(x, y)) continue;
            ++anders;
            EXPECT_TRUE(x >= 100 && y >= 100 && x < 160 && y < 120) << x << "," << y;
            blau += (nachher.pixel(x, y) & 0xFFFFFF) == 0x0000FF;
        }
    EXPECT_GT(blau, 20);
    Teil<QLineEdit>("Edit_Text_in_Grafik")->setText("");
    Druecken({300, 400}, Qt::RightButton);
    EXPECT_EQ(Bild(), nachher);
}

TEST_F(Form1Ansicht, EachModeHasItsCursorAndHint) {
    struct Fall { bool text, zoom; Qt::CursorShape cursor; const char* hinweis_anfang; };
    const Fall faelle[] = {
        {false, false, Qt::SizeAllCursor, "Bewegen der Maus bei gedrückter linker Taste \nverschiebt das KOS.\n\nDrücken"},
        {false, true, Qt::BitmapCursor, "Bewegen der Maus bei gedrückter linker Taste \nzieht einen Zoomrahmen auf."},
        {true, false, Qt::BitmapCursor, "Drücken der rechten Maustaste setzt den Text \nrechts unterhalb"},
    };
    QCursor zoom_cursor;
    for (const Fall& f : faelle) {
        Teil<QCheckBox>("CheckBox_Textmodus")->setChecked(f.text);
        Teil<QCheckBox>("CheckBox_ZoomModus")->setChecked(f.zoom);
        const QWidget* bild = Form1->Image1();
        EXPECT_EQ(bild->cursor().shape(), f.cursor);
        EXPECT_TRUE(bild->toolTip().startsWith(QString::fromUtf8(f.hinweis_anfang))) << bild->toolTip().toStdString();
        if (f.zoom) zoom_cursor = bild->cursor();
        if (f.text) EXPECT_NE(bild->cursor().pixmap().toImage(), zoom_cursor.pixmap().toImage());
    }
    EXPECT_EQ(Teil<QToolButton>("SpeedButton_Zoom_out_x")->toolTip().toStdString(), "x-Achse stauchen");
    EXPECT_EQ(Teil<QToolButton>("SpeedButton_Standardwerte")->toolTip().toStdString(),
              "Auf Standardwerte zurücksetzen");
}

}  // namespace
