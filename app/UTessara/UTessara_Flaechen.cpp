// The analysis tools that measure and draw areas over [a; b]: integral and area,
// hatching, lower, upper, trapezoid and midpoint sums, volumes of revolution and
// arc length.
#include "app/UTessara/UTessara.h"

#include "app/UTessara/TBild.h"
#include "graphics/UGrafik.h"
#include "graphics/UKurven.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"
#include "numeric/UMatheTools.h"
#include "numeric/UWerkzeuge.h"
#include "platform/Dialoge.h"
#include "table/UNumerik_Protokolle.h"
#include "table/UStringGrid.h"
#include "ui_UTessara.h"

#include <QPoint>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

std::string Text(const QLineEdit* feld) { return feld->text().toStdString(); }
std::string Formatiert(Extended x) {
    return Zahl_formatieren(Zahlausgabe.Fixkomma, Zahlausgabe.Gesamtstellen, Zahlausgabe.Nachkommastellen, x);
}
const std::string Genauigkeit_nicht_erreicht = "geforderte Genauigkeit nicht erreicht !";

Extended Toleranz() { return std::pow(10.0L, -Extended(Zahlausgabe.Nachkommastellen)); }

// Row 0 of the Romberg scheme: "Romberg-", "Schema", "Integration", then «  R 3,i» ...
void Romberg_Tabellenkopf(TTabelle& T) {
    Tabelle_leeren(T);
    T.Zelle(1, 0) = "Romberg-";
    T.Zelle(2, 0) = "Schema";
    T.Zelle(3, 0) = "Integration";
    for (int c = 4; c <= Letzte_Spalte; ++c) T.Zelle(c, 0) = "  R " + std::to_string(c - 1) + ",i";
}

// The integral with the chosen method; the Romberg scheme goes into the table on request.
// `genau` turns false when Romberg stopped at its last level without reaching the
// tolerance: the value is kept, but the caller must say so.
Extended Integral(const std::string& term, Extended t, Extended a, Extended b, bool tabellieren, bool& ok,
                  bool& genau) {
    genau = true;
    if (Integration.Integrationsmethode == Methode_Gauss_Kronrod) return Gauss_Kronrod(term, t, a, b, Toleranz(), ok);
    Romberg_Verlauf schema;
    const Extended I = Romberg(term, t, a, b, Toleranz(), ok, schema);
    genau = schema.Genauigkeit_erreicht;
    if (tabellieren) {
        Romberg_Schema_schreiben(Tabelle, schema, Zahlausgabe.Fixkomma, Zahlausgabe.Gesamtstellen,
                                 Zahlausgabe.Nachkommastellen);
        if (ok && !genau) Tabelle.Zelle(3, 0) = "Integration: " + Genauigkeit_nicht_erreicht;
    }
    return I;
}

std::string Ungenau(bool genau) { return genau ? "" : "   (" + Genauigkeit_nicht_erreicht + ")"; }

bool Wert(const std::string& term, Extended x, Extended t, Extended& y) {
    y = Term_auswerten(term, x, t);
    return !Parser.Term_Fehler;
}

// A whole number as typed into an input box, or nullopt.
std::optional<int> Ganzzahl(const std::string& text) {
    int n = 0;
    const char* ende = text.data() + text.size();
    auto [p, fehler] = std::from_chars(text.data(), ende, n);
    if (fehler != std::errc() || p != ende || text.empty()) return std::nullopt;
    return n;
}

}  // namespace

void TForm1::Kurven_darueber_zeichnen() {
    ui->CheckBox_loeschen->setChecked(false);
    SpeedButton_PlotClick();
    ui->CheckBox_loeschen->setChecked(true);
}

void TForm1::SpeedButton_Integral_f_gClick() {
    if (!Term_waehlen()) return;
    const std::string integrand = Differenzterm_waehlen();
    const Extended t = Werkzeug_t(), a = Hauptfenster.aStart, b = Hauptfenster.bEnde;
    const bool tabellieren = ui->ComboBox_Integrationsmethode->currentIndex() == 2;
    if (tabellieren) Romberg_Tabellenkopf(Tabelle);
    bool ok, I_genau, A_genau;
    const Extended I = Integral(integrand, t, a, b, tabellieren, ok, I_genau);
    if (tabellieren) Tabelle.Melden(TTabellenaenderung::Inhalt);
    if (!ok) {
        Dialog().Meldung("Kann Integral nicht berechnen !   ");
        return;
    }
    const Extended A = std::fabs(Integral("abs(" + integrand + ")", t, a, b, false, ok, A_genau));
    // An area that could not be computed is no area to show beside a good integral.
    if (!ok) {
        Dialog().Meldung("Kann Integral nicht berechnen !   ");
        return;
    }
    const bool f = ui->CheckBox_Schar_f_zeichnen->isChecked(), g = ui->CheckBox_Schar_g_zeichnen->isChecked();
    std::string zwischen;
    if (f && g) zwischen = "zwischen f=" + Text(ui->Edit_fSchar) + " und g=" + Text(ui->Edit_gSchar);
    else if (f) zwischen = "zwischen f=" + Text(ui->Edit_fSchar) + " und x-Achse";
    else if (g) zwischen = "zwischen g=" + Text(ui->Edit_gSchar) + " und x-Achse";
    else zwischen = "zwischen h=" + Text(ui->Edit_hSchar) + " und x-Achse";
    Dialog().Meldung("Integral I und Flächeninhalt A im Intervall " + Intervall_als_Text(a, b) + "\r" + zwischen +
                     "\r\rIntegral I = " + Formatiert(I) + Ungenau(I_genau) + "\rFlächeninhalt A = " + Formatiert(A) +
                     Ungenau(A_genau));
}

void TForm1::SpeedButton_Flaeche_schraffierenClick() {
    const auto term = Term_waehlen();
    if (!term) return;
    if (Hauptfenster.aStart > Hauptfenster.bEnde) std::swap(Hauptfenster.aStart, Hauptfenster.bEnde);
    const Extended a = Hauptfenster.aStart, b = Hauptfenster.bEnde, t = Werkzeug_t();
    QImage& bild = ui->Image1->Bild();
    const int breite = Logische_Breite(bild), hoehe = Logische_Hoehe(bild);
    const Extended dx = (KOS.xre - KOS.xli) / KOS.Bildbreite * (ui->CheckBox_Grobschraffur->isChecked() ? 6 : 2);
    const bool f_und_g = ui->CheckBox_Schar_f_zeichnen->isChecked() && ui->CheckBox_Schar_g_zeichnen->isChecked();
    const std::string unten = f_und_g ? Text(ui->Edit_fSchar) : *term;
    const std::string oben = f_und_g ? Text(ui->Edit_gSchar) : std::string("0");
    if (dx > 0) {
        // Only the visible part of [a; b] is hatched, on the grid a + k·dx, so that a
        // limit far outside the window costs nothing.
        const Extended von = std::max(a, KOS.xli - dx), bis = std::min(b, KOS.xre + dx);
        const Extended k0 = std::ceil((von - a) / dx), k1 = std::floor((bis - a) / dx);
        if (std::isfinite(k0) && std::isfinite(k1) && k1 - k0 < 4 * breite) {
            for (Extended k = std::max<Extended>(k0, 0); k <= k1; ++k) {
                const Extended x = a + k * dx;
                Extended y1, y2;
                if (!Wert(unten, x, t, y1) || !Wert(oben, x, t, y2)) continue;
                const int px = x_zu_Pixel(breite, x);
                Linie_zeichnen(bild, px, y_zu_Pixel(hoehe, y1), px, y_zu_Pixel(hoehe, y2), Stiftstil::durchgezogen, 1,
                               Marken.Fuellfarbe);
            }
        }
    }
    Kurven_darueber_zeichnen();
}

void TForm1::SpeedButton_U_O_Tr_SummeClick() {
    const auto term = Term_waehlen();
    if (!term) return;
    const Extended a = Hauptfenster.aStart, b = Hauptfenster.bEnde, t = Werkzeug_t();
    const std::string titel = "Untersumme, ...   zu  " + *term;
    const auto antwort = Dialog().Eingabe(
        titel, "Anzahl der Streifen im Intervall [" + Zahl_allgemein(a) + ";" + Zahl_allgemein(b) + "] :", "8");
    if (!antwort) return;
    const auto n = Ganzzahl(*antwort);
    if (!n) return Dialog().Meldung("Eingabefehler !");
    if (*n > Streifen_hoechstens) return Dialog().Meldung("Streifenanzahl > 10000 !");
    if (*n <= 0) return Dialog().Meldung("0 Streifen machen keinen Sinn !");
    const auto art_text = Dialog().Eingabe(titel, "USum=u  OSum=o  Trapez=t  Mittenr=m", "u");
    if (!art_text) return;
    const char art = art_text->empty() ? ' ' : char(std::toupper(static_cast<unsigned char>((*art_text)[0])));

    const Summen s = Summen_berechnen(*term, t, a, b, *n);
    if (!s.ok) return Dialog().Meldung("Summen nicht berechenbar: " + *term + " ist im Intervall " +
                                       Intervall_als_Text(a, b) + " nicht überall definiert !");
    QImage& bild = ui->Image1->Bild();
    const int breite = Logische_Breite(bild), hoehe = Logische_Hoehe(bild);
    const int abstand = x_zu_Pixel(breite, b) - x_zu_Pixel(breite, a);
    const bool zeichnen = abstand >= *n;
    if (zeichnen) {
        const int basis = y_zu_Pixel(hoehe, 0);
        for (const Streifen& st : s.streifen) {
            const int xl = x_zu_Pixel(breite, st.links), xr = x_zu_Pixel(breite, st.rechts);
            if (art == 'T') {
                const QPoint ecken[] = {{xl, basis}, {xr, basis}, {xr, y_zu_Pixel(hoehe, st.f_rechts)},
                                        {xl, y_zu_Pixel(hoehe, st.f_links)}};
                Vieleck_zeichnen(bild, ecken, Marken.Fuellmuster, Stiftstil::durchgezogen, 1, Marken.Fuellfarbe,
                                 Marken.Linienfarbe);
                continue;
            }
            const Extended hoch = art == 'O' ? st.groesster : art == 'U' ? st.kleinster : st.mitte;
            Rechteck_zeichnen(bild, xl, basis, xr, y_zu_Pixel(hoehe, hoch), Marken.Fuellmuster,
                              Stiftstil::durchgezogen, 1, Marken.Fuellfarbe, Marken.Linienfarbe);
        }
        ui->Image1->update();
    }
    const std::string nt = std::to_string(*n);
    std::string text = "USum" + nt + " = " + Zahl_allgemein(s.Untersumme) + "\rOSum" + nt + " = " +
                       Zahl_allgemein(s.Obersumme) + "\rArithm. Mittel = " +
                       Zahl_allgemein((s.Untersumme + s.Obersumme) / 2) + "\r\rMittenrechteckSum" + nt + " = " +
                       Zahl_allgemein(s.Mittensumme) + "\rTrapSum" + nt + " = " + Zahl_allgemein(s.Trapezsumme) + "\r";
    if (!zeichnen) text += "\rKeine Grafik , da n > " + std::to_string(abstand);
    Dialog().Meldung(text);
}

void TForm1::SpeedButton_RotationsintegralClick() {
    if (!Term_waehlen()) return;
    const bool f = ui->CheckBox_Schar_f_zeichnen->isChecked(), g = ui->CheckBox_Schar_g_zeichnen->isChecked();
    if (ui->CheckBox_Schar_h_zeichnen->isChecked()) return Dialog().Meldung("h darf hier nicht verwendet werden !");
    const Extended a = Hauptfenster.aStart, b = Hauptfenster.bEnde, t = Werkzeug_t();
    const bool fix = Zahlausgabe.Fixkomma;
    const int P = Zahlausgabe.Gesamtstellen, D = Zahlausgabe.Nachkommastellen;
    std::string text = "Rotationsvolumen V\rim Intervall  " + Intervall_als_Text(a, b) + "\r";
    Extended v_f = 0, v_g = 0;
    // Both volumes over [a; b], so that V_f_g is the solid between the two curves there.
    for (int kurve = 0; kurve < 2; ++kurve) {
        if (!(kurve == 0 ? f : g)) continue;
        const std::string term = Text(kurve == 0 ? ui->Edit_fSchar : ui->Edit_gSchar);
        bool ok;
        const Extended v = Gauss_Kronrod("sqr(" + term + ")", t, a, b, Toleranz(), ok);
        if (!ok) return Dialog().Meldung("Kann Integral nicht berechnen !");
        (kurve == 0 ? v_f : v_g) = v;
        text += std::string(kurve == 0 ? "\rV_f = " : "\rV_g = ") + Volumen_als_Text(std::fabs(v), fix, P, D);
    }
    if (f && g) text += "\rV_f_g = " + Volumen_als_Text(std::fabs(v_g - v_f), fix, P, D);

    QImage& bild = ui->Image1->Bild();
    const int breite = Logische_Breite(bild), hoehe = Logische_Hoehe(bild);
    for (int kurve = 0; kurve < 2; ++kurve) {
        if (!(kurve == 0 ? f : g)) continue;
        const std::string term = Text(kurve == 0 ? ui->Edit_fSchar : ui->Edit_gSchar);
        const Kurvenstil& stil = kurve == 0 ? Hauptfenster.f : Hauptfenster.g;
        Kurve_zeichnen(bild, "-(" + term + ")", stil.Farbe, stil.Linienart, Kurve_Funktion, a, b, Schar);
        for (Extended x : {a, b}) {
            Extended y;
            if (!Wert(term, x, t, y)) continue;
            const Extended r = std::fabs(y);
            Ellipse_zeichnen(bild, x_zu_Pixel(breite, x - r / 8), y_zu_Pixel(hoehe, r), x_zu_Pixel(breite, x + r / 8),
                             y_zu_Pixel(hoehe, -r), Muster_leer, Stiftstil::durchgezogen, Linienbreite(stil.Linienart),
                             stil.Farbe, stil.Farbe);
        }
        Kurve_zeichnen(bild, term, stil.Farbe, stil.Linienart, Kurve_Funktion, a, b, Schar);
    }
    ui->Image1->update();
    Dialog().Meldung(text);
}

void TForm1::SpeedButton_BogenlaengeClick() {
    const auto term = Term_waehlen();
    if (!term) return;
    const Extended a = Hauptfenster.aStart, b = Hauptfenster.bEnde;
    bool ok;
    const Extended L = Bogenlaenge_berechnen(*term, Werkzeug_t(), a, b, Toleranz(), ok);
    if (!ok) return Dialog().Meldung("Bogenlänge nicht berechnet !");
    Kurve_zeichnen(ui->Image1->Bild(), *term, Farbe_rot, 3, Kurve_Funktion, a, b, Schar);
    ui->Image1->update();
    Dialog().Meldung("Bogenlänge von " + *term + " im Intervall  " + Intervall_als_Text(a, b) + "\r\rbl = " +
                     Formatiert(L));
}
