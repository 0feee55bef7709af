// The mouse on the main window's picture: in text mode ("T") the right button writes
// the insertion text, in zoom mode ("Z") the left button pulls an inverted zoom
// rectangle, otherwise the left button drags the coordinate system and the right
// button copies the picture. A right click on the groups "Info", "Matrix+Statistik"
// and "Extras" copies the whole window.
#include "app/UTessara/UTessara.h"

#include "app/UTessara/TBild.h"
#include "graphics/UGrafik.h"
#include "graphics/UMaler.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"
#include "platform/Dialoge.h"
#include "ui_UTessara.h"

#include <QBitmap>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

const char* const Hinweis_Text =
    "Drücken der rechten Maustaste setzt den Text \r\nrechts unterhalb des Cursormittelpunktes in die Grafik";
const char* const Hinweis_Zoom =
    "Bewegen der Maus bei gedrückter linker Taste \r\nzieht einen Zoomrahmen auf.\r\n"
    "Loslassen der Taste führt den Zoom durch.";
const char* const Hinweis_Normal =
    "Bewegen der Maus bei gedrückter linker Taste \r\nverschiebt das KOS.\r\n\n"
    "Drücken der rechten Maustaste speichert \r\ndie Grafik in die Zwischenablage";

// A tooltip shows "\n" as the line break; the "\r" before it would show as a box.
QString Hinweistext(const char* text) { return QString::fromUtf8(text).remove(QChar('\r')); }

// Hands the picture's and the groups' mouse events to the window's handlers.
class Maus_Filter : public QObject {
public:
    Maus_Filter(TForm1* fenster, QWidget* bild) : QObject(fenster), fenster_(fenster), bild_(bild) {}

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override {
        const auto art = e->type();
        if (art != QEvent::MouseButtonPress && art != QEvent::MouseMove && art != QEvent::MouseButtonRelease)
            return QObject::eventFilter(ziel, e);
        auto* maus = static_cast<QMouseEvent*>(e);
        if (ziel != bild_) {
            if (art == QEvent::MouseButtonPress && maus->buttons() == Qt::RightButton &&
                maus->modifiers() == Qt::NoModifier) {
                fenster_->Clientbereich_kopieren();
                return true;
            }
            return QObject::eventFilter(ziel, e);
        }
        if (art == QEvent::MouseButtonPress) fenster_->Image1MouseDown(maus);
        else if (art == QEvent::MouseMove) fenster_->Image1MouseMove(maus);
        else fenster_->Image1MouseUp(maus);
        return QObject::eventFilter(ziel, e);
    }

private:
    TForm1* fenster_;
    QWidget* bild_;
};

// 32 x 32 cursors with the hot spot in the middle: a small cross with a "T" right
// below it (where the text goes), and a cross with a magnifying glass.
QCursor Eigener_Cursor(bool text) {
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter m(&bild);
    auto strich = [&m](int x1, int y1, int x2, int y2) {
        m.setPen(QPen(Qt::white, 3));
        m.drawLine(x1, y1, x2, y2);
        m.setPen(QPen(Qt::black, 1));
        m.drawLine(x1, y1, x2, y2);
    };
    strich(16, 8, 16, 24);
    strich(8, 16, 24, 16);
    if (text) {
        strich(19, 19, 29, 19);
        strich(24, 19, 24, 30);
    } else {
        m.setRenderHint(QPainter::Antialiasing);
        m.setPen(QPen(Qt::black, 1.5));
        m.setBrush(QColor(255, 255, 255, 160));
        m.drawEllipse(QRectF(19, 19, 8, 8));
        m.setPen(QPen(Qt::black, 2.5));
        m.drawLine(QPointF(26, 26), QPointF(30.5, 30.5));
    }
    return QCursor(bild, 16, 16);
}

bool Nur(const QMouseEvent* maus, Qt::MouseButton taste) {
    return maus->buttons() == taste && maus->modifiers() == Qt::NoModifier;
}

}  // namespace

void TForm1::Maus_einrichten() {
    auto* filter = new Maus_Filter(this, ui->Image1);
    ui->Image1->installEventFilter(filter);
    ui->Image1->setMouseTracking(false);
    for (QWidget* gruppe : {static_cast<QWidget*>(ui->GroupBox_Info), static_cast<QWidget*>(ui->GroupBox_Matrix_Statistik),
                            static_cast<QWidget*>(ui->GroupBox_Extras)})
        gruppe->installEventFilter(filter);
    connect(ui->CheckBox_Textmodus, &QCheckBox::toggled, this, &TForm1::Mausmodus_zeigen);
    connect(ui->CheckBox_ZoomModus, &QCheckBox::toggled, this, &TForm1::Mausmodus_zeigen);
    Mausmodus_zeigen();
}

TForm1::Mausmodus TForm1::Mausmodus_lesen() const {
    if (ui->CheckBox_Textmodus->isChecked()) return Mausmodus::Text;
    if (ui->CheckBox_ZoomModus->isChecked()) return Mausmodus::Zoom;
    return Mausmodus::Normal;
}

void TForm1::Mausmodus_zeigen() {
    static const QCursor text_cursor = Eigener_Cursor(true), zoom_cursor = Eigener_Cursor(false);
    switch (Mausmodus_lesen()) {
    case Mausmodus::Text:
        ui->Image1->setCursor(text_cursor);
        ui->Image1->setToolTip(Hinweistext(Hinweis_Text));
        break;
    case Mausmodus::Zoom:
        ui->Image1->setCursor(zoom_cursor);
        ui->Image1->setToolTip(Hinweistext(Hinweis_Zoom));
        break;
    case Mausmodus::Normal:
        ui->Image1->setCursor(Qt::SizeAllCursor);
        ui->Image1->setToolTip(Hinweistext(Hinweis_Normal));
        break;
    }
}

void TForm1::Image1MouseDown(QMouseEvent* maus) {
    const QPoint p = maus->position().toPoint();
    maus_alt_ = p;
    // A second button while the rectangle is open ends it without zooming.
    if (rahmen_an_) {
        Zoomrahmen_zeichnen();
        rahmen_an_ = false;
    }
    ziehen_an_ = false;
    const Mausmodus modus = Mausmodus_lesen();
    if (Nur(maus, Qt::LeftButton)) {
        if (modus == Mausmodus::Zoom) {
            Befehl_beginnt();
            rahmen_anfang_ = rahmen_ende_ = p;
            rahmen_an_ = true;
            Zoomrahmen_zeichnen();
        } else if (modus == Mausmodus::Normal) {
            Befehl_beginnt();
            ziehen_an_ = true;
        }
    } else if (Nur(maus, Qt::RightButton)) {
        if (modus == Mausmodus::Text) {
            Befehl_beginnt();
            Einfuegetext_schreiben(p);
        } else if (modus == Mausmodus::Normal) {
            Befehl_beginnt();
            Grafik_in_Zwischenablage();
            Dialog().Meldung("Grafik in der Zwischenablage gespeichert");
        }
    }
}

void TForm1::Image1MouseMove(QMouseEvent* maus) {
    const QPoint p = maus->position().toPoint();
    if (rahmen_an_) {
        if (maus->buttons() != Qt::LeftButton) return;
        Zoomrahmen_zeichnen();   // erases the old one
        rahmen_ende_ = p;
        Zoomrahmen_zeichnen();
        return;
    }
    if (!ziehen_an_ || maus->buttons() != Qt::LeftButton || p == maus_alt_) return;
    KOS_ziehen(KOS, p.x() - maus_alt_.x(), p.y() - maus_alt_.y(), Hauptfenster.Schiebefaktor);
    maus_alt_ = p;
    Grenzen_zeigen(false);
    SpeedButton_PlotClick();
}

void TForm1::Image1MouseUp(QMouseEvent* maus) {
    if (maus->button() == Qt::LeftButton) ziehen_an_ = false;
    if (rahmen_an_ && maus->button() == Qt::LeftButton) Zoomrahmen_beenden();
}

// Dotted, one pixel wide, inverting what lies below: drawn twice, it is gone again.
void TForm1::Zoomrahmen_zeichnen() {
    QImage& bild = ui->Image1->Bild();
    {
        QPainter maler(&bild);
        maler.setCompositionMode(QPainter::RasterOp_NotDestination);
        maler.setPen(QPen(Qt::black, 1, Qt::DotLine));
        maler.setBrush(Qt::NoBrush);
        // Corner to corner, both included (QRect::normalized would move a swapped corner by one).
        const QPoint a(std::min(rahmen_anfang_.x(), rahmen_ende_.x()), std::min(rahmen_anfang_.y(), rahmen_ende_.y()));
        const QPoint b(std::max(rahmen_anfang_.x(), rahmen_ende_.x()), std::max(rahmen_anfang_.y(), rahmen_ende_.y()));
        maler.drawRect(QRect(a, b).adjusted(0, 0, -1, -1));
    }
    ui->Image1->update();
}

void TForm1::Zoomrahmen_beenden() {
    Zoomrahmen_zeichnen();
    rahmen_an_ = false;
    const QImage& bild = ui->Image1->Bild();
    Extended xli = 0, xre = 0, yu = 0, yo = 0;
    if (!KOS_Rahmen(KOS, Logische_Breite(bild), Logische_Hoehe(bild), rahmen_anfang_.x(), rahmen_anfang_.y(), rahmen_ende_.x(),
                    rahmen_ende_.y(), xli, xre, yu, yo))
        return;
    Hauptfenster.Zoomstufe = 1;
    const std::pair<QLineEdit*, Extended> felder[] = {
        {ui->Edit_xa, xli}, {ui->Edit_xe, xre}, {ui->Edit_ya, yu}, {ui->Edit_ye, yo}};
    for (const auto& [feld, wert] : felder) feld->setText(QString::fromStdString(Zahl_allgemein(wert)));
    Edit_xaExit();
    Edit_xeExit();
    Edit_yaExit();
    Edit_yeExit();
    SpeedButton_PlotClick();
}

// The insertion text with its top left corner at the mouse, on a transparent ground.
void TForm1::Einfuegetext_schreiben(QPoint p) {
    const Texteinfuegung& t = Hauptfenster.Text;
    if (t.Einfuegetext.empty()) return;
    {
        QPainter maler(&ui->Image1->Bild());
        Maler_vorbereiten(maler);
        QFont schrift = Schrift(t.Schrift, t.Groesse, t.fett ? Schriftstil::fett : Schriftstil::normal);
        schrift.setItalic(t.kursiv);
        schrift.setUnderline(t.unterstrichen);
        Text(maler, p.x(), p.y(), QString::fromStdString(t.Einfuegetext), schrift, false, t.Farbe);
    }
    ui->Image1->update();
}

void TForm1::Clientbereich_kopieren() {
    Befehl_beginnt();
    QGuiApplication::clipboard()->setPixmap(grab());
    Dialog().Meldung("Clientbereich in der Zwischenablage gespeichert");
}
