// The window's commands: drawing a sequence, a cobweb, the bifurcation diagram and
// the curves into the main picture, and writing terms and curve values to the table.
#include "app/Unit3_Folgen/Unit3_Folgen.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "graphics/UFolgen_Grafik.h"
#include "graphics/U_KOS.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "ui_Unit3_Folgen.h"

#include <QApplication>
#include <charconv>

namespace {

std::string Text(const QLineEdit* feld) { return feld->text().toStdString(); }

constexpr const char* Meldung_Kurvenschritt = "Die Schrittweite Δt der Kurve muss größer als 0 sein !";
constexpr const char* Meldung_Scharschritt = "Die Schrittweite Δt der Schar (t von) muss größer als 0 sein !";

Textschrift Schrift_des_Hauptfensters() {
    const Texteinfuegung& t = Hauptfenster.Text;
    return {t.Schrift, t.Groesse, t.fett ? Schriftstil::fett : Schriftstil::normal, t.Farbe};
}

void Tabelle_zeigen() {
    if (!Form6) return;
    auto* f6 = static_cast<QWidget*>(Form6);
    f6->show();
    f6->raise();
}

// The iteration count typed into the dialog: blanks around it allowed, nothing else.
bool Anzahl_lesen(const std::string& text, int& anzahl) {
    const size_t a = text.find_first_not_of(' '), e = text.find_last_not_of(' ');
    if (a == std::string::npos) return false;
    const char* anfang = text.data() + a;
    const char* ende = text.data() + e + 1;
    if (*anfang == '+') ++anfang;
    auto [rest, fehler] = std::from_chars(anfang, ende, anzahl);
    return fehler == std::errc() && rest == ende && anfang != ende;
}

}  // namespace

// --- sequences ------------------------------------------------------------------------

void TForm3::Folge_berechnen() {
    Folgenvorgabe v;
    v.Term = Text(ui->Edit_Folge);
    v.Art = Modus();
    v.Tiefe = Folgen.Iterationstiefe;
    v.n0 = Folgen.n0;
    v.x_n0 = Folgen.x_n0;
    v.y_n1 = Folgen.y_n1;
    v.t1 = Form1 ? Form1->Scharbereich_lesen().t1 : Schar.t1;
    folge_ = ::Folge_berechnen(v);
    const int N = int(folge_.Glieder.size());
    std::copy(folge_.Glieder.begin(), folge_.Glieder.end(), Arbeitslisten.Punkte.begin());
    Arbeitslisten.Punktanzahl = N;
    if (folge_.Abbruch >= 0) Dialog().Meldung("Fehler! Bildungsgesetz unterbrochen");
}

void TForm3::Folge_zeichnen() {
    if (!Form1) return;
    const bool web = ui->CheckBox_Web->isChecked() && Modus() == Folgenart::rekursiv;
    if (Form1->Achsen_automatisch()) {
        if (Modus() == Folgenart::rekursiv) Form1->Achsen_beschriften(web ? "x(n)" : "n", web ? "x(n+1)" : "x(n)");
        else Form1->Achsen_beschriften("n", "a(n)");
    }
    QImage& bild = Form1->Image1()->Bild();
    if (Form1->Bild_loeschen_an()) KOS_zeichnen(bild);
    Folge_berechnen();
    if (!web) {
        Zeitreihe_zeichnen(bild, folge_);
    } else {
        Spinnwebvorgabe v;
        v.g = Text(ui->Edit_Folge);
        v.xa = Hauptfenster.xaSchar;
        v.xe = Hauptfenster.xeSchar;
        v.Linienfarbe = Marken.Linienfarbe;
        v.Linienart = Marken.Linienart;
        v.nur_g = ui->CheckBox_nur_g_zeichnen->isChecked();
        v.Schrift = Schrift_des_Hauptfensters();
        Spinnweb_zeichnen(bild, folge_, v);
    }
    Form1->Image1()->update();
}

void TForm3::SpeedButton_PolarPlotClick() {
    if (ui->CheckBox_Param->isChecked()) Kurven_zeichnen(ui->CheckBox_Polar_Wahl->isChecked());
    else if (ui->CheckBox_Folge->isChecked() || ui->CheckBox_rekursiv->isChecked()) Folge_zeichnen();
}

void TForm3::SpeedButton_Folge_in_TabelleClick() {
    Folge_berechnen();
    Tabelle_zeigen();
    Tabelle_leeren(Tabelle);
    Tabelle.Zelle(1, 0) = "  n ";
    Tabelle.Zelle(2, 0) = Modus() == Folgenart::rekursiv ? "     x(n) " : "     a(n) ";
    // A term that could not be computed is marked, never left from an earlier sequence.
    for (size_t i = 0; i < folge_.Glieder.size(); ++i) {
        const int zeile = int(i) + 1;
        Tabelle.Zelle(1, zeile) = Zahl_allgemein(folge_.Glieder[i].x);
        Tabelle.Zelle(2, zeile) = folge_.gueltig[i] ? Zahl_nach_Einstellung(folge_.Glieder[i].y) : "-----";
    }
    Tabelle.Melden(TTabellenaenderung::Inhalt);
}

// --- bifurcation -----------------------------------------------------------------------

void TForm3::SpeedButton_BifurkationClick() {
    if (!ui->CheckBox_rekursiv->isChecked()) {
        ui->CheckBox_rekursiv->setChecked(true);
        Dialog().Meldung("Erst Iterationsfunktion g(x) definieren\rParameter k nicht vergessen !");
        return;
    }
    const std::string g = Text(ui->Edit_Folge);
    if (g.find('k') == std::string::npos) {
        Dialog().Meldung("Parameter k fehlt in g(x) !");
        return;
    }
    if (!Form1) return;
    QImage& bild = Form1->Image1()->Bild();
    const auto antwort = Dialog().Eingabe("Anzahl der Iterationen", "n (>=500) = ",
                                          std::to_string(2 * (Logische_Breite(bild) - 1)));
    if (!antwort) return;
    int anzahl = 0;
    // Far more iterations than any picture needs would only hold up the program.
    if (!Anzahl_lesen(*antwort, anzahl) || anzahl > Iterationen_max) {
        Dialog().Meldung("Eingabefehler !");
        return;
    }
    if (anzahl < Iterationen_min) anzahl = Iterationen_Ersatz;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<uint8_t> pixel = Bifurkation_berechnen(g, Folgen.x_n0, anzahl, Logische_Breite(bild), Logische_Hoehe(bild));
    Bifurkation_zeichnen(bild, pixel, Marken.Linienfarbe);
    QApplication::restoreOverrideCursor();
    Form1->Image1()->update();
}

// --- parametric and polar curves -------------------------------------------------------------

void TForm3::Kurven_zeichnen(bool polar) {
    if (!Form1) return;
    Parameterkurve p = Parameterkurve_lesen();
    if (polar) {
        // The polar curve takes its range from the texts as they stand.
        auto lesen = [](const QLineEdit* feld, Extended& wert) {
            const Extended v = Term_auswerten(Text(feld), 0, 0);
            if (!Parser.Term_Fehler) wert = v;
        };
        lesen(ui->Edit_Param_k1, p.Kurve.k1);
        lesen(ui->Edit_Param_k2, p.Kurve.k2);
        lesen(ui->Edit_delta_Phi, p.Kurve.dt);
        Folgen.Parameter_Schritt = p.Kurve.dt;
    }
    const Scharbereich schar = Form1->Scharbereich_lesen();
    if (!(p.Kurve.dt > 0)) {
        Dialog().Meldung(Meldung_Kurvenschritt);
        return;
    }
    if (schar.alle_t && !(schar.delta_t > 0)) {
        Dialog().Meldung(Meldung_Scharschritt);
        return;
    }
    if (Form1->Achsen_automatisch()) Form1->Achsen_beschriften(polar ? "t" : "x(t)", polar ? "r(t)" : "y(t)");
    QImage& bild = Form1->Image1()->Bild();
    if (Form1->Bild_loeschen_an()) KOS_zeichnen(bild);
    const long long gekappt_auf = Kurvenschar_zeichnen(bild, p.Kurve, Folgen.Kurvenfarbe, Folgen.Kurvenlinienart,
                                                       Scharwerte(schar), schar.alle_t);
    Form1->Image1()->update();
    if (gekappt_auf > 0)
        Dialog().Meldung("Zu viele Kurvenpunkte: nur die ersten " + std::to_string(gekappt_auf) +
                         " Punkte jeder Kurve wurden gezeichnet.");
    if (schar.alle_t && Schar_gekappt(schar)) Dialog().Meldung(Meldung_Schar_gekappt);
}

void TForm3::SpeedButton_Polar_in_TabelleClick() {
    Kurvenvorgabe v = Parameterkurve_lesen().Kurve;
    auto wert = [](const QLineEdit* feld, Extended sonst) {
        const Extended w = Term_auswerten(Text(feld), 0, 0);
        return Parser.Term_Fehler ? sonst : w;
    };
    v.k1 = wert(ui->Edit_Param_k1, 0);
    v.k2 = wert(ui->Edit_Param_k2, 3.14159265358979323846L);
    v.dt = wert(ui->Edit_delta_Phi, 0);
    if (!(v.dt > 0)) {
        Dialog().Meldung(Meldung_Kurvenschritt);
        return;
    }
    const Extended f = Form1 ? Form1->Scharbereich_lesen().t1 : Schar.t1;
    const std::vector<Kurvenzeile> zeilen = Kurventabelle(v, f);
    Tabelle_leeren(Tabelle);
    Tabelle.Zelle(1, 0) = "    t";
    if (v.polar) {
        Tabelle.Zelle(2, 0) = "   r(t)";
    } else {
        Tabelle.Zelle(2, 0) = "   x(t)";
        Tabelle.Zelle(3, 0) = "    y(t)";
    }
    auto zelle = [](bool ok, Extended x) { return ok ? Zahl_nach_Einstellung(x) : std::string("-----"); };
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const int z = int(i) + 1;
        Tabelle.Zelle(1, z) = Zahl_nach_Einstellung(zeilen[i].t);
        Tabelle.Zelle(2, z) = zelle(zeilen[i].a_ok, zeilen[i].a);
        if (!v.polar) Tabelle.Zelle(3, z) = zelle(zeilen[i].b_ok, zeilen[i].b);
    }
    Tabelle.Melden(TTabellenaenderung::Inhalt);
    Tabelle_zeigen();
}
