// The column buttons and the constructions of the statistics window: each reads its
// inputs, lets table/ or numeric/ compute (and write the table), shows the message
// or draws into the main window's picture.
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "ui_Unit6_Statistik.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "graphics/UGrafik.h"
#include "graphics/U_KOS.h"
#include "numeric/UKonstruktionen.h"
#include "platform/Dialoge.h"
#include "table/USpaltenrechnung.h"

#include <QScrollBar>
#include <charconv>
#include <optional>

namespace {

void Melden_falls(const std::string& meldung) {
    if (!meldung.empty()) Dialog().Meldung(meldung);
}

// An input dialog whose answer must be a 32-bit integer: nullopt on Cancel, and on a
// bad text after "Eingabefehler !" (fehler is then set).
std::optional<int32_t> Ganzzahl_erfragen(const char* titel, const char* prompt, const char* vorgabe, bool& fehler) {
    auto antwort = Dialog().Eingabe(titel, prompt, vorgabe);
    if (!antwort) return std::nullopt;
    int32_t wert = 0;
    const std::string& s = *antwort;
    const char* anfang = s.data() + (!s.empty() && s[0] == '+' ? 1 : 0);
    auto [p, e] = std::from_chars(anfang, s.data() + s.size(), wert);
    if (s.empty() || e != std::errc() || p != s.data() + s.size()) {
        Dialog().Meldung("Eingabefehler !");
        fehler = true;
        return std::nullopt;
    }
    return wert;
}

QImage* Hauptbild() { return Form1 ? &Form1->Image1()->Bild() : nullptr; }
void Hauptbild_zeigen() {
    if (Form1) Form1->Image1()->update();
}

}  // namespace

void TForm6::Spaltenknoepfe_verbinden() {
    const std::pair<QToolButton*, void (TForm6::*)()> knoepfe[] = {
        {ui->SpeedButton_Spaltensumme, &TForm6::SpeedButton_SpaltensummeClick},
        {ui->SpeedButton_kumulierte_Summe, &TForm6::SpeedButton_kumulierte_SummeClick},
        {ui->SpeedButton_Skalarprodukt, &TForm6::SpeedButton_SkalarproduktClick},
        {ui->SpeedButton_VektorProdukt, &TForm6::SpeedButton_VektorProduktClick},
        {ui->SpeedButton_Addiere_zu_Spalte, &TForm6::SpeedButton_Addiere_zu_SpalteClick},
        {ui->SpeedButton_Multipliziere_mit_Spalte, &TForm6::SpeedButton_Multipliziere_mit_SpalteClick},
        {ui->SpeedButton_Spalte_durch_Spalte1, &TForm6::SpeedButton_Spalte_durch_Spalte1Click},
        {ui->SpeedButton_Binomialverteilung, &TForm6::SpeedButton_BinomialverteilungClick},
        {ui->SpeedButtonLehmerzahlen, &TForm6::SpeedButtonLehmerzahlenClick},
        {ui->SpeedButton_Rechteck_einzeichnen, &TForm6::SpeedButton_Rechteck_einzeichnenClick},
        {ui->SpeedButton_regelm_Vielecke, &TForm6::SpeedButton_regelm_VieleckeClick},
        {ui->SpeedButtonLot_P1_f, &TForm6::SpeedButtonLot_P1_fClick},
        {ui->SpeedButtonMittelpunktAB, &TForm6::SpeedButtonMittelpunktABClick}};
    for (const auto& [knopf, handler] : knoepfe) connect(knopf, &QToolButton::clicked, this, handler);
}

void TForm6::Ergebnis_zeigen(int zeile) {
    const int oben = std::max(1, zeile - 1);
    ui->StringGrid1->scrollTo(ui->StringGrid1->model()->index(oben, std::max(1, Tabelle.Spalte)),
                              QAbstractItemView::PositionAtTop);
}

void TForm6::SpeedButton_SpaltensummeClick() {
    std::string meldung;
    const int zeile = Spaltensumme_schreiben(Tabelle, Tabelle.Spalte, meldung);
    Melden_falls(meldung);
    if (zeile >= 1 && zeile <= Letzte_Zeile) Ergebnis_zeigen(zeile);
}

void TForm6::SpeedButton_kumulierte_SummeClick() {
    if (Tabelle.Spalte >= 1 && !Spalte_kumulieren(Tabelle, Tabelle.Spalte))
        Dialog().Meldung("Das Ergebnis übersteigt den Zahlenbereich (Überlauf) !");
}

void TForm6::SpeedButton_SkalarproduktClick() { Melden_falls(Skalarprodukt_schreiben(Tabelle, Tabelle.Spalte)); }
void TForm6::SpeedButton_VektorProduktClick() { Melden_falls(Vektorprodukt_schreiben(Tabelle, Tabelle.Spalte)); }

void TForm6::SpeedButton_Addiere_zu_SpalteClick() {
    Extended r = 0;
    if (Skalar_r_lesen(r)) Melden_falls(Spalte_plus_r(Tabelle, Tabelle.Spalte, r));
}

void TForm6::SpeedButton_Multipliziere_mit_SpalteClick() {
    Extended r = 0;
    if (Skalar_r_lesen(r)) Melden_falls(Spalte_mal_r(Tabelle, Tabelle.Spalte, r));
}

void TForm6::SpeedButton_Spalte_durch_Spalte1Click() { Melden_falls(Spalte_durch_Spalte1(Tabelle, Tabelle.Spalte)); }

void TForm6::SpeedButton_BinomialverteilungClick() {
    bool fehler = false;
    auto n = Ganzzahl_erfragen("Binomialverteilung", "Anzahl n = ", "20", fehler);
    if (!n) return;
    auto p_text = Dialog().Eingabe("Binomialverteilung", "Wahrscheinlichkeit p = ", "0,4");
    if (!p_text) return;
    Extended p = 0;
    int position = 0;
    if (!Zelle_auswerten(*p_text, p, position)) {
        Dialog().Meldung("Eingabefehler !");
        return;
    }
    Melden_falls(Binomialtabelle_schreiben(Tabelle, *n, p));
}

void TForm6::SpeedButtonLehmerzahlenClick() {
    const char* titel = "Lehmerzahlen (a*x+c) mod m";
    const std::pair<const char*, const char*> fragen[] = {{"x0 = ", "0"}, {"a = ", "4"}, {"c = ", "2"}, {"m = ", "243"}};
    int32_t werte[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool fehler = false;
        auto w = Ganzzahl_erfragen(titel, fragen[i].first, fragen[i].second, fehler);
        if (!w) return;
        werte[i] = *w;
    }
    Melden_falls(Lehmerzahlen_schreiben(Tabelle, werte[0], werte[1], werte[2], werte[3]));
}

void TForm6::SpeedButton_Rechteck_einzeichnenClick() {
    const int anzahl = Punkte_einlesen(Tabelle, Arbeitslisten.Punktespalte);
    if (anzahl == 0) return Dialog().Meldung("Punkte nicht definiert!");
    if (anzahl < 2) return Dialog().Meldung("Für das Rechteck fehlt der zweite Eckpunkt (Zeile 2) !");
    QImage* bild = Hauptbild();
    if (!bild) return;
    const TPunkt a = Arbeitslisten.Punkte[0], b = Arbeitslisten.Punkte[1];
    const int w = Logische_Breite(*bild), h = Logische_Hoehe(*bild);
    Rechteck_zeichnen(*bild, x_zu_Pixel(w, a.x), y_zu_Pixel(h, a.y), x_zu_Pixel(w, b.x), y_zu_Pixel(h, b.y),
                      Marken.Fuellmuster, Marken.Fuell_Linienstil, Marken.Fuell_Linienbreite, Marken.Fuellfarbe,
                      Marken.Linienfarbe);
    Hauptbild_zeigen();
}

void TForm6::SpeedButton_regelm_VieleckeClick() {
    const int anzahl = Punkte_einlesen(Tabelle, Arbeitslisten.Punktespalte);
    if (anzahl == 0) return Dialog().Meldung("Punkte nicht definiert!");
    if (anzahl < 2) return Dialog().Meldung("Für das Vieleck fehlen Seitenlänge s und Eckenzahl n in Zeile 2 !");
    std::vector<TPunkt> ecken;
    std::string meldung;
    const TPunkt M = Arbeitslisten.Punkte[0], P2 = Arbeitslisten.Punkte[1];
    if (!Regelmaessiges_Vieleck(M, P2.x, P2.y, ecken, meldung)) return Dialog().Meldung(meldung);
    std::copy(ecken.begin(), ecken.end(), Arbeitslisten.Punkte.begin());
    Arbeitslisten.Punktanzahl = int32_t(ecken.size());
    if (QImage* bild = Hauptbild()) Punkte_zeichnen(*bild, std::span<const TPunkt>(ecken));
    Hauptbild_zeigen();
}

void TForm6::SpeedButtonLot_P1_fClick() {
    Extended t = 0;
    if (!Form1 || !Form1->Parameter_t1(t)) return;
    TPunkt P, A, B, F;
    std::string meldung;
    if (!Punkt_aus_Zeile(Tabelle, 1, P, meldung) || !Lot_auf_f(Form1->Term_f(), t, P, A, B, F, meldung))
        return Dialog().Meldung(meldung);
    const TPunkt zeilen[] = {A, B, F};
    for (int i = 0; i < 3; ++i) {
        Tabelle.Zelle(1, i + 2) = Zahl_allgemein(zeilen[i].x);
        Tabelle.Zelle(2, i + 2) = Zahl_allgemein(zeilen[i].y);
    }
    Tabelle.Melden(TTabellenaenderung::Inhalt);
    QImage& bild = *Hauptbild();
    const int w = Logische_Breite(bild), h = Logische_Hoehe(bild);
    Linie_zeichnen(bild, x_zu_Pixel(w, P.x), y_zu_Pixel(h, P.y), x_zu_Pixel(w, F.x), y_zu_Pixel(h, F.y),
                   Stiftstil::durchgezogen, 1, Farbe_blau);
    Hauptbild_zeigen();
}

void TForm6::SpeedButtonMittelpunktABClick() {
    TPunkt A, B;
    std::string meldung;
    if (!Punkt_aus_Zeile(Tabelle, 1, A, meldung) || !Punkt_aus_Zeile(Tabelle, 2, B, meldung))
        return Dialog().Meldung(meldung);
    const TPunkt M = Mittelpunkt(A, B);
    Tabelle.Zelle(1, 3) = Zahl_allgemein(M.x);
    Tabelle.Zelle(2, 3) = Zahl_allgemein(M.y);
    Tabelle.Melden(TTabellenaenderung::Inhalt);
    if (QImage* bild = Hauptbild()) {
        Punktsymbol_zeichnen(*bild, x_zu_Pixel(Logische_Breite(*bild), M.x), y_zu_Pixel(Logische_Hoehe(*bild), M.y));
        Hauptbild_zeigen();
    }
}
