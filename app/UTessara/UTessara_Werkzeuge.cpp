// The analysis tools of the group "  Tools für f, g, h  " that answer in the table:
// zeros and intersections, extreme and inflection points, the limit table and the
// value table; and what every tool shares (choosing the term, the tool parameter).
// The computations are in numeric/UWerkzeuge; these handlers read the fields,
// write the table and show the messages.
#include "app/UTessara/UTessara.h"

#include "graphics/UKurven.h"
#include "numeric/UMatheBasisOp.h"
#include "numeric/UMatheTools.h"
#include "numeric/UWerkzeuge.h"
#include "platform/Dialoge.h"
#include "table/UNumerik_Protokolle.h"
#include "table/UStringGrid.h"
#include "ui_UTessara.h"

namespace {

std::string Text(const QLineEdit* feld) { return feld->text().toStdString(); }

// The value of a number field as a constant term, or `sonst` when it is none.
Extended Feldwert(const QLineEdit* feld, Extended sonst) {
    Extended w;
    return Zahl_aus_Term(Text(feld), w) ? w : sonst;
}

std::string Gerundet(Extended x) { return Zahl_allgemein(Auf_Stellen_runden(x, Zahlausgabe.Nachkommastellen)); }
std::string Formatiert(Extended x) {
    return Zahl_formatieren(Zahlausgabe.Fixkomma, Zahlausgabe.Gesamtstellen, Zahlausgabe.Nachkommastellen, x);
}
std::string Formatiert(const std::optional<Extended>& x) { return x ? Formatiert(*x) : "-----"; }

}  // namespace

void TForm1::Werkzeuge_verbinden() {
    const std::pair<QAbstractButton*, void (TForm1::*)()> knoepfe[] = {
        {ui->SpeedButton_Schnitt_f_g, &TForm1::SpeedButton_Schnitt_f_gClick},
        {ui->SpeedButton_Extrempunkte, &TForm1::SpeedButton_ExtrempunkteClick},
        {ui->SpeedButton_Wendepunkte, &TForm1::SpeedButton_WendepunkteClick},
        {ui->SpeedButton_Integral_f_g, &TForm1::SpeedButton_Integral_f_gClick},
        {ui->SpeedButton_Flaeche_schraffieren, &TForm1::SpeedButton_Flaeche_schraffierenClick},
        {ui->SpeedButton_U_O_Tr_Summe, &TForm1::SpeedButton_U_O_Tr_SummeClick},
        {ui->SpeedButton_Rotationsintegral, &TForm1::SpeedButton_RotationsintegralClick},
        {ui->SpeedButton_Bogenlaenge, &TForm1::SpeedButton_BogenlaengeClick},
        {ui->SpeedButton_Sekante, &TForm1::SpeedButton_SekanteClick},
        {ui->SpeedButton_Tangente, &TForm1::SpeedButton_TangenteClick},
        {ui->SpeedButton_Normale, &TForm1::SpeedButton_NormaleClick},
        {ui->SpeedButton_Kruemmungskreis, &TForm1::SpeedButton_KruemmungskreisClick},
        {ui->SpeedButton_Grenzwerttabelle, &TForm1::SpeedButton_GrenzwerttabelleClick},
        {ui->SpeedButton_Schar_in_Tabelle, &TForm1::SpeedButton_Schar_in_TabelleClick},
    };
    for (const auto& [knopf, handler] : knoepfe) connect(knopf, &QAbstractButton::clicked, this, handler);
}

std::optional<std::string> TForm1::Term_waehlen() {
    if (ui->CheckBox_Schar_f_zeichnen->isChecked()) return Text(ui->Edit_fSchar);
    if (ui->CheckBox_Schar_g_zeichnen->isChecked()) return Text(ui->Edit_gSchar);
    if (ui->CheckBox_Schar_h_zeichnen->isChecked()) return Text(ui->Edit_hSchar);
    Dialog().Meldung("Bitte erst Haken bei f, g oder h setzen !");
    return std::nullopt;
}

std::string TForm1::Differenzterm_waehlen() {
    if (ui->CheckBox_Schar_f_zeichnen->isChecked() && ui->CheckBox_Schar_g_zeichnen->isChecked())
        return Text(ui->Edit_fSchar) + "-(" + Text(ui->Edit_gSchar) + ")";
    if (ui->CheckBox_Schar_f_zeichnen->isChecked()) return Text(ui->Edit_fSchar);
    if (ui->CheckBox_Schar_g_zeichnen->isChecked()) return Text(ui->Edit_gSchar);
    return Text(ui->Edit_hSchar);
}

// Each tool reads t afresh from its field and keeps it to itself, so that no tool
// leaves another a t the user never typed.
Extended TForm1::Werkzeug_t() { return Feldwert(ui->Edit_Schar_t1, Schar.t1); }

char TForm1::Kurvenname(const std::string& term) const {
    if (term == Text(ui->Edit_fSchar)) return 'f';
    if (term == Text(ui->Edit_gSchar)) return 'g';
    return 'h';
}

void TForm1::SpeedButton_Schnitt_f_gClick() {
    if (!Term_waehlen()) return;
    const std::string term = Differenzterm_waehlen();
    const Extended t = Werkzeug_t(), a = Hauptfenster.aStart, b = Hauptfenster.bEnde;
    if (ui->CheckBox_Newton_tabellieren->isChecked()) {
        // The protocol only shows one run from a: the scan below still covers all of [a; b].
        bool ok;
        Newton_Verlauf schritte;
        Nullstelle_Newton(term, t, a, ok, schritte);
        Newton_Protokoll_schreiben(Tabelle, schritte, ok, Zahlausgabe.Fixkomma, Zahlausgabe.Gesamtstellen,
                                   Zahlausgabe.Nachkommastellen);
        Tabelle.Melden(TTabellenaenderung::Inhalt);
        if (!ok) Dialog().Meldung("Newtonverfahren hat für Start = " + Zahl_allgemein(a) + " keine Lösung gefunden");
    }
    const std::vector<Extended> nullstellen = Nullstellen_suchen(term, t, a, b);
    if (nullstellen.empty()) {
        Dialog().Meldung("Newtonverfahren hat keine Lösung gefunden");
        return;
    }
    Tabelle.Zelle(4, 1) = "Lösungen:";
    // The rows below the list are emptied, so no zero of an earlier run stays behind.
    for (int zeile = 2; zeile <= Letzte_Zeile; ++zeile) {
        const size_t i = size_t(zeile - 2);
        Tabelle.Zelle(4, zeile) = i < nullstellen.size() ? Zahl_allgemein(nullstellen[i]) : std::string();
    }
    Tabelle.Melden(TTabellenaenderung::Inhalt);
    ui->Edit_aStart->setText(QString::fromStdString(Formatiert(nullstellen.front())));
    ui->Edit_bEnde->setText(QString::fromStdString(Formatiert(nullstellen.back())));
}

void TForm1::SpeedButton_ExtrempunkteClick() { Punkte_suchen_lassen(false); }
void TForm1::SpeedButton_WendepunkteClick() { Punkte_suchen_lassen(true); }

void TForm1::Punkte_suchen_lassen(bool wendepunkte) {
    const auto term = Term_waehlen();
    if (!term) return;
    const Extended t = Werkzeug_t(), a = Hauptfenster.aStart, b = Hauptfenster.bEnde;
    const std::string kopf1 = wendepunkte ? "LR-WPs" : "rel. HPs", kopf2 = wendepunkte ? "RL-WPs" : "rel. TPs";
    const bool schar = Punktsuche_als_Schar(*term);
    std::vector<Extended> t_werte{t};
    if (schar) {
        Scharbereich bereich{t, Feldwert(ui->Edit_Schar_t2, Schar.t2), Feldwert(ui->Edit_delta_t, Schar.delta_t), true, 0};
        t_werte = Scharwerte(bereich);
    }
    const Punktsuche p = Punkte_suchen(*term, wendepunkte ? Suchart::Wendepunkte : Suchart::Extrempunkte, a, b,
                                       t_werte, schar, Letzte_Zeile);
    if (p.schritt_zu_klein) {
        Dialog().Meldung("Intervall " + Intervall_als_Text(a, b) + " zu klein: der Schritt (b-a)/20000 ändert x nicht !");
        return;
    }
    Tabelle_leeren(Tabelle);
    Zeile_leeren(Tabelle, 0);
    Tabelle.Zelle(0, 0) = "Ze Nr";
    Tabelle.Zelle(1, 0) = kopf1;
    Tabelle.Zelle(3, 0) = kopf2;
    for (const auto& [zeile, t_block] : p.bloecke) Tabelle.Zelle(5, zeile) = "t=" + Gerundet(t_block);
    for (const Gefundener_Punkt& q : p.hochpunkte) {
        Tabelle.Zelle(1, q.zeile) = Gerundet(q.x);
        Tabelle.Zelle(2, q.zeile) = Gerundet(q.y);
    }
    for (const Gefundener_Punkt& q : p.tiefpunkte) {
        Tabelle.Zelle(3, q.zeile) = Gerundet(q.x);
        Tabelle.Zelle(4, q.zeile) = Gerundet(q.y);
    }
    Tabelle.Melden(TTabellenaenderung::Inhalt);
    if (p.gekappt)
        Dialog().Meldung("Mehr Punkte, als die Tabelle Zeilen hat: die Liste endet in Zeile " +
                         std::to_string(Letzte_Zeile) + " !");
    else if (p.hochpunkte.empty() && p.tiefpunkte.empty())
        Dialog().Meldung("Keine " + kopf1 + " bzw. " + kopf2 + " gefunden");
}

void TForm1::SpeedButton_GrenzwerttabelleClick() {
    const auto term = Term_waehlen();
    if (!term) return;
    Tabelle_leeren(Tabelle);
    const std::string a_text = Text(ui->Edit_aStart);
    Tabelle.Zelle(1, 0) = "  h";
    Tabelle.Zelle(2, 0) = " ms:   f'(" + a_text + ")";
    Tabelle.Zelle(3, 0) = " ms:   f\"(" + a_text + ")";
    Tabelle.Zelle(4, 0) = " ms:   f\"'(" + a_text + ")";
    const auto zeilen = Grenzwerttabelle_berechnen(*term, Werkzeug_t(), Hauptfenster.aStart);
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const int zeile = int(i) + 1;
        Tabelle.Zelle(1, zeile) = "10^-" + std::to_string(zeile);
        Tabelle.Zelle(2, zeile) = Formatiert(zeilen[i].f1);
        Tabelle.Zelle(3, zeile) = Formatiert(zeilen[i].f2);
        Tabelle.Zelle(4, zeile) = Formatiert(zeilen[i].f3);
    }
    Tabelle.Melden(TTabellenaenderung::Inhalt);
}

void TForm1::SpeedButton_Schar_in_TabelleClick() {
    const bool mit_F = ui->CheckBox_Integralfunktion_tabellieren->isChecked();
    const int D = Zahlausgabe.Nachkommastellen;
    const auto zeilen = Wertetabelle_berechnen(
        Text(ui->Edit_fSchar), Text(ui->Edit_gSchar), Text(ui->Edit_hSchar), Werkzeug_t(), Hauptfenster.aStart,
        Hauptfenster.bEnde, Hauptfenster.delta_x, Feldwert(ui->Edit_u, Schar.u), mit_F ? Integralfunktion_Zeilen(D) : 0,
        Integralfunktion_Toleranz(D));
    Tabelle_leeren(Tabelle);
    const char* koepfe[] = {"  x", "   f(x)", "   g(x)", "   h(x)", "    f'(x)", "   f\"(x)", "   f\"'(x)", "  kr(x)"};
    for (int s = 1; s <= 8; ++s) Tabelle.Zelle(s, 0) = koepfe[s - 1];
    Tabelle.Zelle(9, 0) = mit_F ? "  F(" + Text(ui->Edit_u) + ",x)" : "  x";
    if (mit_F) Tabelle.Zelle(10, 0) = "  x";
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const Wertezeile& z = zeilen[i];
        const int r = int(i) + 1;
        Tabelle.Zelle(1, r) = Formatiert(z.x);
        Tabelle.Zelle(2, r) = Formatiert(z.f);
        Tabelle.Zelle(3, r) = Formatiert(z.g);
        Tabelle.Zelle(4, r) = Formatiert(z.h);
        Tabelle.Zelle(5, r) = Formatiert(z.f1);
        Tabelle.Zelle(6, r) = Formatiert(z.f2);
        Tabelle.Zelle(7, r) = Formatiert(z.f3);
        Tabelle.Zelle(8, r) = Formatiert(z.kr);
        if (!mit_F) {
            Tabelle.Zelle(9, r) = Formatiert(z.x);
        } else {
            if (r <= Integralfunktion_Zeilen(D)) Tabelle.Zelle(9, r) = Formatiert(z.F);
            Tabelle.Zelle(10, r) = Formatiert(z.x);
        }
    }
    Tabelle.Melden(TTabellenaenderung::Inhalt);
    ui->CheckBox_Integralfunktion_tabellieren->setChecked(false);
}
