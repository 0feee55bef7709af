// The group "  2dim. Statistik - Regression  " and the interpolation buttons of
// TForm6: fitted terms go into the main window's f, g, h and are drawn there.
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "ui_Statistik_Gruppen.h"
#include "ui_Unit6_Statistik.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/UTessara/UTessara_Zustand.h"
#include "graphics/UGrafik.h"
#include "graphics/UKurven.h"
#include "graphics/U_KOS.h"
#include "platform/Dialoge.h"
#include "stats/UInterpolation.h"
#include "stats/URegression.h"
#include "table/UStringGrid.h"

namespace {

constexpr uint32_t Gruen = 0x008000;

TZahlformat Zahlformat() {
    return {Zahlausgabe.Fixkomma, Zahlausgabe.Gesamtstellen, Zahlausgabe.Nachkommastellen, Zahlausgabe.Bruchdarstellung};
}

TTermformat Termformat() {
    return {Zahlausgabe.Fixkomma, Zahlausgabe.Gesamtstellen, Zahlausgabe.Nachkommastellen, Zahlausgabe.Bruchdarstellung};
}

std::span<const TPunkt> Gelesene_Punkte() {
    return {Arbeitslisten.Punkte.data(), size_t(Arbeitslisten.Punktanzahl)};
}

void Kurve(QPaintDevice& bild, const std::string& term, uint32_t farbe) {
    Kurve_zeichnen(bild, term, farbe, 1, Kurve_Funktion, Hauptfenster.xaSchar, Hauptfenster.xeSchar, Schar);
}

}  // namespace

void TForm6::ComboBox_RegressionsModelleChange(int index) {
    statistik_.Modell = std::clamp(index, 0, 10);
    if (statistik_.Modell > 1) statistik_ui->CheckBox_2_Regressionsgeraden->setChecked(false);
}

void TForm6::CheckBox_2_RegressionsgeradenClick() {
    if (statistik_ui->CheckBox_2_Regressionsgeraden->isChecked() && statistik_.Modell > 1)
        statistik_ui->CheckBox_2_Regressionsgeraden->setChecked(false);
}

void TForm6::SpeedButton_Regressionsmodell_startenClick() {
    if (!Form1) return;
    Form1->DatenPkte_verbinden_aus();
    ComboBox_Punkte_ab_SpalteChange(ui->ComboBox_Punkte_ab_Spalte->currentIndex());
    SpeedButton_Punkte_einzeichnenClick();
    const bool zweite = statistik_ui->CheckBox_2_Regressionsgeraden->isChecked();
    const TRegressionsbericht r = Regression_berechnen(statistik_.Modell, Gelesene_Punkte(), zweite, Zahlformat());
    if (!r.ok) {
        Dialog().Meldung(r.Meldung);
        return;
    }
    if (!r.Term_f.empty()) Form1->Term_setzen(0, r.Term_f);
    if (!r.Term_g.empty()) Form1->Term_setzen(1, r.Term_g);
    if (!r.Term_h.empty()) Form1->Term_setzen(2, r.Term_h);
    QImage& bild = Form1->Image1()->Bild();
    if (r.zeichne_f) Kurve(bild, r.Term_f, Farbe_blau);
    if (r.zeichne_g) Kurve(bild, r.Term_g, Farbe_blau);
    if (r.zeichne_h_gruen) Kurve(bild, r.Term_h, Gruen);
    if (r.senkrecht_blau) Senkrechte_zeichnen(bild, Zahl_allgemein(r.x_senkrecht), Farbe_blau, 1);
    if (r.senkrecht_gruen) Senkrechte_zeichnen(bild, Zahl_allgemein(r.x_senkrecht), Gruen, 1);
    Form1->Image1()->update();
    Dialog().Meldung(r.Meldung);
}

void TForm6::SpeedButton_Schwerpunkt_zeichnenClick() {
    if (!Form1) return;
    TPunktliste p{};
    const int n = Punkte_einlesen(Tabelle, Arbeitslisten.Punktespalte, p);
    if (n == 0) {
        Dialog().Meldung("Punkte nicht definiert!");
        return;
    }
    const TPunkt s = Schwerpunkt_berechnen(std::span<const TPunkt>(p.data(), size_t(n)));
    QImage& bild = Form1->Image1()->Bild();
    Punktsymbol_zeichnen(bild, x_zu_Pixel(Logische_Breite(bild), s.x), y_zu_Pixel(Logische_Hoehe(bild), s.y));
    Form1->Image1()->update();
}

void TForm6::SpeedButton_senkrechte_EntfernungenClick() { Entfernungen_zeichnen(true); }
void TForm6::SpeedButton_waagerechte_EntfernungenClick() { Entfernungen_zeichnen(false); }

void TForm6::Entfernungen_zeichnen(bool senkrecht) {
    if (!Form1) return;
    int kurve = -1;
    for (int k = 0; k < 3 && kurve < 0; ++k)
        if (Form1->Kurve_angehakt(k)) kurve = k;
    if (kurve < 0) {
        Dialog().Meldung("Bitte erst Haken bei f, g oder h setzen !");
        return;
    }
    if (Arbeitslisten.Punktanzahl == 0) {
        Dialog().Meldung("Punkte nicht definiert!");
        return;
    }
    Extended t = 1;
    if (!Form1->Werkzeug_t_lesen(t)) return;
    const TEntfernungen e = Entfernungen_berechnen(Form1->Term_lesen(kurve), t, Gelesene_Punkte(), senkrecht);
    QImage& bild = Form1->Image1()->Bild();
    const bool quadrate = statistik_ui->CheckBox_Fehlerquadrate->isChecked();
    const uint32_t farbe = senkrecht ? Farbe_rot : Gruen;
    for (const TEntfernung& d : e.Punkte) {
        if (!d.definiert) continue;
        const int px = x_zu_Pixel(Logische_Breite(bild), d.P.x), py = y_zu_Pixel(Logische_Hoehe(bild), d.P.y);
        const int fx = senkrecht ? px : x_zu_Pixel(Logische_Breite(bild), d.Fuss);
        const int fy = senkrecht ? y_zu_Pixel(Logische_Hoehe(bild), d.Fuss) : py;
        if (!quadrate) {
            Linie_zeichnen(bild, px, py, fx, fy, Stiftstil::durchgezogen, 1, farbe);
        } else if (senkrecht) {   // to the right when the curve passes above the point
            Rechteck_zeichnen(bild, px, py, px + (py - fy), fy, 4, Stiftstil::durchgezogen, 1, farbe, farbe);
        } else {                  // below the side when the curve lies left of the point
            Rechteck_zeichnen(bild, px, py, fx, py + (px - fx), 4, Stiftstil::durchgezogen, 1, farbe, farbe);
        }
    }
    Form1->Image1()->update();
    Dialog().Meldung(Entfernungen_Meldung(e, senkrecht, Zahlformat()));
}

void TForm6::SpeedButton_InterpolationspolynomClick() {
    if (!Form1) return;
    ui->ComboBox_Punkte_ab_Spalte->setCurrentIndex(0);
    ComboBox_Punkte_ab_SpalteChange(0);
    const TPolynomergebnis e = Interpolation_berechnen(Tabelle, Termformat());
    if (!e.ok) return;
    Zahlausgabe.Koeffizienten = e.Stuecke[0].c;
    Form1->Term_setzen(2, e.Stuecke[0].Term);
    std::string xa, xe;
    Form1->x_Bereich_Texte(xa, xe);
    Form1->Zeichenintervall_setzen(2, xa, xe);
}

void TForm6::SpeedButtonSplineInterpolationClick() {
    if (!Form1) return;
    ui->ComboBox_Punkte_ab_Spalte->setCurrentIndex(0);
    ComboBox_Punkte_ab_SpalteChange(0);
    const TPolynomergebnis e = Spline_berechnen(Tabelle, Termformat());
    if (!e.ok) return;
    for (size_t k = 0; k < e.Stuecke.size() && k < 3; ++k) {
        Form1->Term_setzen(int(k), e.Stuecke[k].Term);
        Form1->Zeichenintervall_setzen(int(k), e.Stuecke[k].von, e.Stuecke[k].bis);
    }
    Zahlausgabe.Koeffizienten = e.Stuecke.back().c;
}

void TForm6::SpeedButton_TrassierungClick() {
    if (!Form1) return;
    ui->ComboBox_Punkte_ab_Spalte->setCurrentIndex(0);
    ComboBox_Punkte_ab_SpalteChange(0);
    const TPolynomergebnis e = Trassierung_berechnen(Tabelle, Termformat());
    if (!e.ok) return;
    const TPolynomstueck& s = e.Stuecke[0];
    Zahlausgabe.Koeffizienten = s.c;
    Form1->Term_setzen(2, s.Term);
    Form1->Zeichenintervall_setzen(2, s.von, s.bis);
    TPunktliste p{};
    if (Punkte_einlesen(Tabelle, 1, p) != 4) return;
    QImage& bild = Form1->Image1()->Bild();
    Kurve_zeichnen(bild, s.Term, Farbe_rot, 2, Kurve_Funktion, p[1].x, p[2].x, Schar);
    auto strecke = [&](const TPunkt& a, const TPunkt& b) {
        Linie_zeichnen(bild, x_zu_Pixel(Logische_Breite(bild), a.x), y_zu_Pixel(Logische_Hoehe(bild), a.y),
                       x_zu_Pixel(Logische_Breite(bild), b.x), y_zu_Pixel(Logische_Hoehe(bild), b.y), Stiftstil::durchgezogen, 2,
                       Farbe_blau);
    };
    strecke(p[0], p[1]);
    strecke(p[2], p[3]);
    Form1->Image1()->update();
}
