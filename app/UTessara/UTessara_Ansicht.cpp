// The view commands of the main window: zoom on both axes or one, half-tick shifts,
// the origin presets, the size of the coordinate system in centimetres and the reset.
// The arithmetic is U_KOS's; here the fields are written and the picture redrawn.
#include "app/UTessara/UTessara.h"

#include "app/UTessara/TBild.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"
#include "platform/Dialoge.h"
#include "ui_UTessara.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

QString Feldtext(Extended x) { return QString::fromStdString(Zahl_allgemein(x)); }

// --- glyphs ----------------------------------------------------------------------

QIcon Symbol(const std::function<void(QPainter&)>& zeichnen) {
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing, true);
    maler.setPen(QPen(QColor(20, 20, 20), 1.4));
    zeichnen(maler);
    return QIcon(bild);
}

// A filled arrow head at the tip (x, y) pointing in direction (rx, ry).
void Spitze(QPainter& m, QPointF tip, QPointF r) {
    const QPointF q(-r.y(), r.x());
    const QPointF ecken[] = {tip, tip - 4 * r + 3 * q, tip - 4 * r - 3 * q};
    m.setBrush(m.pen().color());
    m.drawPolygon(ecken, 3);
    m.setBrush(Qt::NoBrush);
}

QIcon Lupe(bool plus) {
    return Symbol([plus](QPainter& m) {
        m.drawEllipse(QRectF(1.5, 1.5, 9, 9));
        m.setPen(QPen(QColor(20, 20, 20), 2.4));
        m.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
        m.setPen(QPen(QColor(20, 20, 20), 1.4));
        m.drawLine(QPointF(3.5, 6), QPointF(8.5, 6));
        if (plus) m.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
    });
}

// Two arrows along an axis, outwards (stretch) or inwards (compress), with the axis letter.
QIcon Achsenpfeile(bool x_achse, bool nach_aussen) {
    return Symbol([=](QPainter& m) {
        auto p = [x_achse](double a, double b) { return x_achse ? QPointF(a, b) : QPointF(b, a); };
        auto r = [x_achse](double a) { return x_achse ? QPointF(a, 0) : QPointF(0, a); };
        m.drawLine(p(1, 8), p(15, 8));
        if (nach_aussen) {
            Spitze(m, p(1, 8), r(-1));
            Spitze(m, p(15, 8), r(1));
        } else {
            Spitze(m, p(7, 8), r(1));
            Spitze(m, p(9, 8), r(-1));
        }
        QFont f = m.font();
        f.setPixelSize(7);
        m.setFont(f);
        m.drawText(x_achse ? QRectF(5, 0, 7, 7) : QRectF(9, 4, 7, 8), Qt::AlignCenter, x_achse ? "x" : "y");
    });
}

QIcon Pfeil(int rx, int ry) {
    return Symbol([=](QPainter& m) {
        const QPointF mitte(8, 8), r(rx, ry);
        m.setPen(QPen(QColor(20, 20, 20), 2));
        m.drawLine(mitte - 6 * r, mitte + 3 * r);
        m.setPen(QPen(QColor(20, 20, 20), 1));
        Spitze(m, mitte + 7 * r, r);
    });
}

// Axes crossing where the preset puts the origin (fractions of the square).
QIcon Ursprungssymbol(double ox, double oy) {
    return Symbol([=](QPainter& m) {
        m.setPen(QPen(QColor(190, 190, 190), 1));
        m.drawRect(QRectF(0.5, 0.5, 15, 15));
        m.setPen(QPen(QColor(20, 20, 20), 1.4));
        const double x = 1 + ox * 14, y = 15 - oy * 14;
        m.drawLine(QPointF(1, y), QPointF(15, y));
        m.drawLine(QPointF(x, 15), QPointF(x, 1));
    });
}

// A frame that grows or shrinks along one axis.
QIcon Rahmensymbol(bool breite, bool groesser) {
    return Symbol([=](QPainter& m) {
        const QRectF r = breite ? QRectF(4.5, 3.5, 7, 9) : QRectF(3.5, 4.5, 9, 7);
        m.setPen(QPen(QColor(0, 0, 160), 1));
        m.drawRect(r);
        m.setPen(QPen(QColor(20, 20, 20), 1));
        auto p = [breite](double a, double b) { return breite ? QPointF(a, b) : QPointF(b, a); };
        auto d = [breite](double a) { return breite ? QPointF(a, 0) : QPointF(0, a); };
        if (groesser) {
            Spitze(m, p(1, 8), d(-1));
            Spitze(m, p(15, 8), d(1));
        } else {
            Spitze(m, p(5, 8), d(1));
            Spitze(m, p(11, 8), d(-1));
        }
    });
}

QIcon Zuruecksymbol() {
    return Symbol([](QPainter& m) {
        QPainterPath bogen;
        bogen.arcMoveTo(QRectF(2.5, 2.5, 11, 11), 120);
        bogen.arcTo(QRectF(2.5, 2.5, 11, 11), 120, 290);
        m.setPen(QPen(QColor(160, 0, 0), 1.8));
        m.drawPath(bogen);
        m.setPen(QPen(QColor(160, 0, 0), 1));
        Spitze(m, QPointF(4.5, 3.5), QPointF(0.6, -0.8));
    });
}

}  // namespace

void TForm1::Ansicht_einrichten() {
    using H = void (TForm1::*)();
    const std::tuple<QToolButton*, QIcon, H> knoepfe[] = {
        {ui->SpeedButton_Zoom_in, Lupe(true), &TForm1::SpeedButton_Zoom_inClick},
        {ui->SpeedButton_Zoom_out, Lupe(false), &TForm1::SpeedButton_Zoom_outClick},
        {ui->SpeedButton_Zoom_in_x, Achsenpfeile(true, true), &TForm1::SpeedButton_Zoom_in_xClick},
        {ui->SpeedButton_Zoom_out_x, Achsenpfeile(true, false), &TForm1::SpeedButton_Zoom_out_xClick},
        {ui->SpeedButton_Zoom_in_y, Achsenpfeile(false, true), &TForm1::SpeedButton_Zoom_in_yClick},
        {ui->SpeedButton_Zoom_out_y, Achsenpfeile(false, false), &TForm1::SpeedButton_Zoom_out_yClick},
        {ui->SpeedButton_Links_schieben, Pfeil(-1, 0), &TForm1::SpeedButton_Links_schiebenClick},
        {ui->SpeedButton_rechts_schieben, Pfeil(1, 0), &TForm1::SpeedButton_rechts_schiebenClick},
        {ui->SpeedButton_hoch_schieben, Pfeil(0, -1), &TForm1::SpeedButton_hoch_schiebenClick},
        {ui->SpeedButton_runter_schieben, Pfeil(0, 1), &TForm1::SpeedButton_runter_schiebenClick},
        {ui->SpeedButton_Ursprung_Mitte, Ursprungssymbol(0.5, 0.5), &TForm1::SpeedButton_Ursprung_MitteClick},
        {ui->SpeedButton_Ursprung_links_unten, Ursprungssymbol(0.15, 0.15),
         &TForm1::SpeedButton_Ursprung_links_untenClick},
        {ui->SpeedButton_1und2Quadrant, Ursprungssymbol(0.5, 0.15), &TForm1::SpeedButton_1und2QuadrantClick},
        {ui->SpeedButton_1und4Quadrant, Ursprungssymbol(0.15, 0.5), &TForm1::SpeedButton_1und4QuadrantClick},
        {ui->SpeedButton_Bildbreite_groesser, Rahmensymbol(true, true),
         &TForm1::SpeedButton_Bildbreite_groesserClick},
        {ui->SpeedButton_Bildbreite_kleiner, Rahmensymbol(true, false),
         &TForm1::SpeedButton_Bildbreite_kleinerClick},
        {ui->SpeedButton_Bildtiefe_groesser, Rahmensymbol(false, true),
         &TForm1::SpeedButton_Bildtiefe_groesserClick},
        {ui->SpeedButton_Bildtiefe_kleiner, Rahmensymbol(false, false),
         &TForm1::SpeedButton_Bildtiefe_kleinerClick},
        {ui->SpeedButton_Standardwerte, Zuruecksymbol(), &TForm1::SpeedButton_StandardwerteClick}};
    for (const auto& [knopf, symbol, handler] : knoepfe) {
        knopf->setIcon(symbol);
        knopf->setIconSize(QSize(16, 16));
        connect(knopf, &QToolButton::clicked, this, handler);
    }
}

// The new limits (and with skalen the scales) into their fields; the interval fields
// of f, g and h follow xli and xre.
void TForm1::Grenzen_zeigen(bool skalen) {
    ui->Edit_xa->setText(Feldtext(KOS.xli));
    ui->Edit_xe->setText(Feldtext(KOS.xre));
    ui->Edit_ya->setText(Feldtext(KOS.yu));
    ui->Edit_ye->setText(Feldtext(KOS.yo));
    if (skalen) {
        ui->Edit_xscl->setText(Feldtext(KOS.xscl));
        ui->Edit_yscl->setText(Feldtext(KOS.yscl));
    }
    Edit_xaChange();
    Edit_xeChange();
}

void TForm1::Zoomen(Zoomachse achse, bool hinein) {
    Befehl_beginnt();
    if (!KOS_zoomen(KOS, Hauptfenster.Zoomstufe, achse, hinein, Hauptfenster.Zoomgrenze, Hauptfenster.Zoomfaktor))
        return;
    Grenzen_zeigen(true);
    SpeedButton_PlotClick();
}

void TForm1::SpeedButton_Zoom_inClick() { Zoomen(Zoomachse::beide, true); }
void TForm1::SpeedButton_Zoom_outClick() { Zoomen(Zoomachse::beide, false); }
void TForm1::SpeedButton_Zoom_in_xClick() { Zoomen(Zoomachse::x, true); }
void TForm1::SpeedButton_Zoom_out_xClick() { Zoomen(Zoomachse::x, false); }
void TForm1::SpeedButton_Zoom_in_yClick() { Zoomen(Zoomachse::y, true); }
void TForm1::SpeedButton_Zoom_out_yClick() { Zoomen(Zoomachse::y, false); }

void TForm1::Schieben(int richtung_x, int richtung_y) {
    Befehl_beginnt();
    KOS_schieben(KOS, richtung_x, richtung_y);
    Grenzen_zeigen(false);
    SpeedButton_PlotClick();
}

void TForm1::SpeedButton_Links_schiebenClick() { Schieben(-1, 0); }
void TForm1::SpeedButton_rechts_schiebenClick() { Schieben(1, 0); }
void TForm1::SpeedButton_hoch_schiebenClick() { Schieben(0, 1); }
void TForm1::SpeedButton_runter_schiebenClick() { Schieben(0, -1); }

void TForm1::Ursprung_legen(bool x_am_rand, bool y_am_rand) {
    Befehl_beginnt();
    KOS_Ursprung_legen(KOS, x_am_rand, y_am_rand);
    Grenzen_zeigen(false);
    SpeedButton_PlotClick();
}

void TForm1::SpeedButton_Ursprung_MitteClick() { Ursprung_legen(false, false); }
void TForm1::SpeedButton_Ursprung_links_untenClick() { Ursprung_legen(true, true); }
void TForm1::SpeedButton_1und2QuadrantClick() { Ursprung_legen(false, true); }
void TForm1::SpeedButton_1und4QuadrantClick() { Ursprung_legen(true, false); }

// A value of a limit field as the size change reads it back; a text that is no
// number leaves the value as it was.
static void Feld_zurueck(const QLineEdit* feld, Extended& wert) {
    Extended x = 0;
    if (Zahl_aus_Term(feld->text().toStdString(), x)) wert = x;
}

void TForm1::KOS_Groesse_setzen(int breite_cm, int tiefe_cm) {
    const Bildrechteck r = KOS_Bildrechteck(breite_cm, tiefe_cm);
    // The picture is discarded: everything drawn is lost.
    ui->Image1->Neu_anlegen(r.breite, r.hoehe);
    ui->Image1->move(r.links, r.oben);
    Feld_zurueck(ui->Edit_xa, KOS.xli);
    Feld_zurueck(ui->Edit_xe, KOS.xre);
    ui->Edit_xscl->setText(Feldtext((KOS.xre - KOS.xli) / breite_cm));
    Feld_zurueck(ui->Edit_xscl, KOS.xscl);
    Feld_zurueck(ui->Edit_ya, KOS.yu);
    Feld_zurueck(ui->Edit_ye, KOS.yo);
    ui->Edit_yscl->setText(Feldtext((KOS.yo - KOS.yu) / tiefe_cm));
    Feld_zurueck(ui->Edit_yscl, KOS.yscl);
}

void TForm1::Groesse_aendern(bool breite, int schritt) {
    Befehl_beginnt();
    if (!(breite ? KOS_Breite_aendern(KOS, schritt) : KOS_Tiefe_aendern(KOS, schritt))) return;
    ui->Edit_Bildbreite->setText(QString::number(KOS.Bildbreite_cm));
    ui->Edit_Bildtiefe->setText(QString::number(KOS.Bildtiefe_cm));
    Grenzen_zeigen(false);
    KOS_Groesse_setzen(KOS.Bildbreite_cm, KOS.Bildtiefe_cm);
    Edit_xaChange();
    Edit_xeChange();
    ui->CheckBox_loeschen->setChecked(true);
    SpeedButton_PlotClick();
}

void TForm1::SpeedButton_Bildbreite_groesserClick() { Groesse_aendern(true, 1); }
void TForm1::SpeedButton_Bildbreite_kleinerClick() { Groesse_aendern(true, -1); }
void TForm1::SpeedButton_Bildtiefe_groesserClick() { Groesse_aendern(false, 1); }
void TForm1::SpeedButton_Bildtiefe_kleinerClick() { Groesse_aendern(false, -1); }

void TForm1::SpeedButton_StandardwerteClick() {
    Befehl_beginnt();
    if (!Dialog().Frage("Wollen Sie wirklich alles zurücksetzen und die Grafik löschen ?")) return;
    Standard_Werte_einstellen();
    KOS_Groesse_setzen(KOS.Bildbreite_cm, KOS.Bildtiefe_cm);
    SpeedButton_PlotClick();
}
