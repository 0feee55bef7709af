// The analysis tools that construct lines and circles on the chosen curve: secant
// through a and b, tangent and normal at a, curvature circle at a. Slope and
// intercept are rounded to D decimals and kept in Koeffizienten, whose polynomial
// text is both the equation shown and the term drawn.
#include "app/UTessara/UTessara.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/Unit3_Folgen/Unit3_Folgen.h"
#include "graphics/UGrafik.h"
#include "graphics/UKurven.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"
#include "numeric/UMatheTools.h"
#include "numeric/UWerkzeuge.h"
#include "platform/Dialoge.h"
#include "ui_UTessara.h"

#include <QPoint>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr uint32_t Farbe_Sekante = 0x008000, Farbe_Tangente = 0x0000FF, Farbe_Normale = 0x000080,
                   Farbe_Sekantendreieck = 0x800080, Farbe_Tangentendreieck = 0x00FF00;

std::string Formatiert(Extended x) {
    return Zahl_formatieren(Zahlausgabe.Fixkomma, Zahlausgabe.Gesamtstellen, Zahlausgabe.Nachkommastellen, x);
}

// y = m·x + n with both rounded to D decimals; the polynomial text of the rounded line.
std::string Geradentext(Extended m, Extended n) {
    const int D = Zahlausgabe.Nachkommastellen;
    Zahlausgabe.Koeffizienten.fill(0);
    Zahlausgabe.Koeffizienten[1] = Auf_Stellen_runden(m, D);
    Zahlausgabe.Koeffizienten[0] = Auf_Stellen_runden(n, D);
    return Polynom_als_Text(Zahlausgabe.Koeffizienten, 1, Zahlausgabe.Fixkomma, Zahlausgabe.Gesamtstellen, D,
                            Zahlausgabe.Bruchdarstellung);
}

void Weltlinie(QPaintDevice& bild, Extended x1, Extended y1, Extended x2, Extended y2, uint32_t farbe) {
    Linie_zeichnen(bild, x_zu_Pixel(Logische_Breite(bild), x1), y_zu_Pixel(Logische_Hoehe(bild), y1), x_zu_Pixel(Logische_Breite(bild), x2),
                   y_zu_Pixel(Logische_Hoehe(bild), y2), Stiftstil::durchgezogen, KOS_Stil.Achsenbreite, farbe);
}

// The mark of the point a tangent or normal touches: radius 4, filled blue.
void Beruehrpunkt(QPaintDevice& bild, Extended x, Extended y) {
    Kreis_zeichnen(bild, x_zu_Pixel(Logische_Breite(bild), x), y_zu_Pixel(Logische_Hoehe(bild), y), 4, Muster_voll,
                   Stiftstil::durchgezogen, 1, Farbe_blau, Marken.Punktfarbe);
}

std::string Drei_Stellen(Extended x) { return Zahl_allgemein(Auf_Stellen_runden(x, 3)); }

}  // namespace

void TForm1::SpeedButton_SekanteClick() {
    const auto term = Term_waehlen();
    if (!term) return;
    const Extended a = Hauptfenster.aStart, b = Hauptfenster.bEnde, t = Werkzeug_t();
    if (a == b) return;
    const Extended ya = Term_auswerten(*term, a, t);
    const bool a_ok = !Parser.Term_Fehler;
    const Extended yb = Term_auswerten(*term, b, t);
    if (!a_ok || Parser.Term_Fehler) {
        return Dialog().Meldung("Sekante nicht möglich: " + *term + " ist an der Stelle " +
                                Zahl_allgemein(a_ok ? b : a) + " nicht definiert !");
    }
    const Extended m = (yb - ya) / (b - a);
    if (!std::isfinite(m)) return Dialog().Meldung("Sekante nicht möglich: die Steigung ist zu groß !");
    const std::string E = Geradentext(m, ya - m * a);
    QImage& bild = ui->Image1->Bild();
    Kurve_zeichnen(bild, E, Farbe_Sekante, 1, Kurve_Funktion, Hauptfenster.xaSchar, Hauptfenster.xeSchar, Schar);
    for (auto [x, y] : {std::pair{a, ya}, std::pair{b, yb}})
        Kreis_zeichnen(bild, x_zu_Pixel(Logische_Breite(bild), x), y_zu_Pixel(Logische_Hoehe(bild), y), 3, Muster_voll,
                       Stiftstil::durchgezogen, 2, Farbe_weiss, Marken.Punktfarbe);
    if (ui->CheckBox_mit_Steigungsdreieck->isChecked()) {
        Weltlinie(bild, a, ya, b, ya, Farbe_Sekantendreieck);
        Weltlinie(bild, b, ya, b, yb, Farbe_Sekantendreieck);
    }
    ui->Image1->update();
    Dialog().Meldung("Sekantengleichung von a=" + Formatiert(a) + " bis b=" + Formatiert(b) + "\rbzgl. " +
                     Kurvenname(*term) + ":  y=" + E);
}

// The tangent's picture: the line across the window, the touching point and the
// slope triangle when ticked.
void TForm1::Tangente_zeigen(const std::string& gerade, Extended x0, Extended y0, Extended m) {
    QImage& bild = ui->Image1->Bild();
    Kurve_zeichnen(bild, gerade, Farbe_Tangente, 1, Kurve_Funktion, KOS.xli, KOS.xre, Schar);
    Beruehrpunkt(bild, x0, y0);
    if (ui->CheckBox_mit_Steigungsdreieck->isChecked()) {
        const Extended dx = Hauptfenster.delta_x;
        Weltlinie(bild, x0, y0, x0 + dx, y0, Farbe_Tangentendreieck);
        Weltlinie(bild, x0 + dx, y0, x0 + dx, y0 + m * dx, Farbe_Tangentendreieck);
    }
    ui->Image1->update();
}

void TForm1::SpeedButton_TangenteClick() {
    const Extended a = Hauptfenster.aStart, t = Werkzeug_t();
    Extended x0 = a, y0, m, n;
    const bool keine_Kurve = !ui->CheckBox_Schar_f_zeichnen->isChecked() &&
                             !ui->CheckBox_Schar_g_zeichnen->isChecked() && !ui->CheckBox_Schar_h_zeichnen->isChecked();
    const Parameterkurve p = Form3 ? Form3->Parameterkurve_lesen() : Parameterkurve{};
    if (keine_Kurve && p.gewaehlt && !p.Kurve.polar) {
        // The curve of the sequences window, touched at the curve parameter a.
        if (!Tangente_Parameterkurve(p.Kurve.xTerm, p.Kurve.yTerm, a, t, x0, y0, m, n))
            return Dialog().Meldung("Abl. ex. vermutlich nicht !");
        const std::string E = Geradentext(m, n);
        Tangente_zeigen(E, x0, y0, m);
        const int P = Zahlausgabe.Gesamtstellen;
        const Extended pi = std::numbers::pi_v<Extended>;
        return Dialog().Meldung("Tangentengleichung an der Stelle x = " + Formatiert(x0) + "\rbzgl. (xt,yt):   y=" +
                                E + "\rWinkel t = " + Formatiert(a) + " rad = " +
                                Zahl_formatieren(Zahlausgabe.Fixkomma, P, 2, a * 180 / pi) + "°");
    }
    const auto term = Term_waehlen();
    if (!term) return;
    if (!Tangente_berechnen(*term, t, a, y0, m, n)) return Dialog().Meldung("Abl. ex. vermutlich nicht !");
    const std::string E = Geradentext(m, n);
    Tangente_zeigen(E, a, y0, m);
    Dialog().Meldung("Tangentengleichung an der Stelle x = " + Formatiert(a) + "\rbzgl. " + Kurvenname(*term) +
                     ":   y=" + E);
}

void TForm1::SpeedButton_NormaleClick() {
    const auto term = Term_waehlen();
    if (!term) return;
    const Extended a = Hauptfenster.aStart, t = Werkzeug_t();
    Extended y0, m, n;
    if (!Tangente_berechnen(*term, t, a, y0, m, n)) return Dialog().Meldung("Abl. ex. vermutlich nicht !");
    QImage& bild = ui->Image1->Bild();
    std::string E;
    if (m != 0) {
        const std::string gerade = Geradentext(-1 / m, y0 + a / m);
        E = "y=" + gerade;
        Kurve_zeichnen(bild, gerade, Farbe_Normale, 1, Kurve_Funktion, KOS.xli, KOS.xre, Schar);
    } else {
        E = "x = " + Zahl_allgemein(a);
        Senkrechte_zeichnen(bild, ui->Edit_aStart->text().toStdString(), Farbe_Normale, 1);
    }
    Beruehrpunkt(bild, a, y0);
    ui->Image1->update();
    Dialog().Meldung("Normalengleichung an der Stelle a=" + Formatiert(a) + "\rbzgl. " + Kurvenname(*term) + ":  " + E);
}

void TForm1::SpeedButton_KruemmungskreisClick() {
    const auto term = Term_waehlen();
    if (!term) return;
    const Extended a = Hauptfenster.aStart;
    Extended kappa, r, xm, ym;
    if (!Kruemmung_berechnen(*term, Werkzeug_t(), a, 1e-6L, kappa, r, xm, ym) || std::fabs(kappa) < 1e-6L)
        return Dialog().Meldung("Krümmungsradius zu groß !");
    // The circle as the curve (xm + r·cos s, ym + r·sin s) over [-pi; pi] in steps of
    // pi/720; the family settings of the main window stay as they are.
    QImage& bild = ui->Image1->Bild();
    std::vector<QPoint> ecken;
    ecken.reserve(1441);
    constexpr Extended pi = std::numbers::pi_v<Extended>;
    for (int i = 0; i <= 1440; ++i) {
        const Extended s = -pi + i * pi / 720;
        ecken.emplace_back(x_zu_Pixel(Logische_Breite(bild), xm + r * std::cos(s)), y_zu_Pixel(Logische_Hoehe(bild), ym + r * std::sin(s)));
    }
    Vieleck_zeichnen(bild, ecken, Muster_leer, Stiftstil::durchgezogen,
                     Linienbreite(Kurven_Linienart(Marken.Linienart)), Marken.Linienfarbe, Marken.Linienfarbe);
    ui->Image1->update();
    Dialog().Meldung("Krümmungsradius an der Stelle " + Drei_Stellen(a) + ":  r = " + Drei_Stellen(r) +
                     "\rKreismittelpunkt M(" + Drei_Stellen(xm) + "/" + Drei_Stellen(ym) + ")");
}
