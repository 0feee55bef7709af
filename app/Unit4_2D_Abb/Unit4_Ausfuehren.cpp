// The two commands of the 2D window: mapping the table's points, and constructing
// the triangle. Both close the window first, so the result is seen in the main image.
#include "app/Unit4_2D_Abb/Unit4_2D_Abb.h"
#include "ui_Unit4_2D_Abb.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "engine/UFunktionsParser.h"
#include "graphics/UFiguren.h"
#include "platform/Dialoge.h"
#include "table/UAbbildung_Tabelle.h"

namespace {

QImage* Hauptbild() { return Form1 ? &Form1->Image1()->Bild() : nullptr; }
void Hauptbild_zeigen() { if (Form1) Form1->Image1()->update(); }

// The table window's point plotting for the point columns `spalte`, which are restored afterwards.
void Punkte_einzeichnen(int spalte) {
    const int vorher = Arbeitslisten.Punktespalte;
    Arbeitslisten.Punktespalte = spalte;
    if (Form6) Form6->SpeedButton_Punkte_einzeichnenClick();
    else Punkte_einlesen(Tabelle, spalte);
    Arbeitslisten.Punktespalte = vorher;
}

}  // namespace

// A matrix entry that is no term gives no mapping at all: the user hears which one
// and nothing is drawn or written.
bool TForm4::Matrix_lesen(TAbbildung& abb) {
    struct Eintrag { const char* name; QLineEdit* feld; Extended* wert; };
    const Eintrag eintraege[] = {{"M11", ui->Edit_M11, &abb.M11}, {"M12", ui->Edit_M12, &abb.M12},
                                 {"M21", ui->Edit_M21, &abb.M21}, {"M22", ui->Edit_M22, &abb.M22}};
    for (const Eintrag& e : eintraege) {
        *e.wert = Term_auswerten(e.feld->text().toStdString(), 0, 0);
        if (Parser.Term_Fehler) {
            Dialog().Meldung(std::string("Matrix M, Eintrag ") + e.name + ": " + Parser.Term_Fehlertext);
            return false;
        }
    }
    return true;
}

void TForm4::BitBtn_abbildenClick() {
    close();
    const int spalte = Arbeitslisten.Punktespalte;
    if (Punkte_einlesen(Tabelle, spalte) == 0) return;
    Punkte_abbilden();
}

void TForm4::Punkte_abbilden() {
    const int spalte = Arbeitslisten.Punktespalte;
    TAbbildung abb = Abbildungsparameter;
    abb.Art = static_cast<Abbildungsart>(Abbildung_Index());
    abb.Achse = ui->RadioButton_Scherachse_x->isChecked() ? 'x' : 'y';
    if (abb.Art == Abbildungsart::Matrix && !Matrix_lesen(abb)) return;
    const TAbbildungslauf lauf = ::Punkte_abbilden(Tabelle, spalte, Arbeitslisten.Punktanzahl, abb);
    if (QImage* bild = Hauptbild()) {
        if (ui->CheckBox_Abbildungsparameter->isChecked()) Abbildungsparameter_zeichnen(*bild, abb);
        if (ui->CheckBox_Hilfslinien->isChecked())
            for (size_t i = 0; i < lauf.Bilder.size(); ++i) Hilfslinien_zeichnen(*bild, abb, lauf.Urbilder[i], lauf.Bilder[i]);
        Hauptbild_zeigen();
    }
    Bildpunkte_schreiben(Tabelle, spalte, lauf.Bilder);
    if (!lauf.Bilder.empty()) {
        const uint32_t punktfarbe = Marken.Punktfarbe, linienfarbe = Marken.Verbindungsfarbe;
        Marken.Punktfarbe = Marken.Verbindungsfarbe = bildfarbe_;
        Punkte_einzeichnen(spalte + 2);
        Marken.Punktfarbe = punktfarbe, Marken.Verbindungsfarbe = linienfarbe;
    }
    if (!lauf.Fehler.empty()) Dialog().Meldung(lauf.Fehler);
}

// --- triangle ------------------------------------------------------------------------

void TForm4::CheckBox_alles_auswaehlenClick() {
    const bool an = ui->CheckBox_alles_auswaehlen->isChecked();
    for (QCheckBox* box : ui->GroupBox_Dreieck->findChildren<QCheckBox*>())
        if (box != ui->CheckBox_alles_auswaehlen) box->setChecked(an);
    if (!an && Form1) Form1->SpeedButton_PlotClick();
}

void TForm4::BitBtn_DreieckslinienClick() {
    close();
    if (Form1) Form1->Punktfarbe_setzen(Marken.Linienfarbe);
    Punkte_einzeichnen(Arbeitslisten.Punktespalte);
    if (Arbeitslisten.Punktanzahl != 4) return;
    Dreieck_konstruieren();
}

void TForm4::Dreieck_konstruieren() {
    const int spalte = Arbeitslisten.Punktespalte;
    TDreieck d;
    if (!Dreieck_berechnen(Arbeitslisten.Punkte[0], Arbeitslisten.Punkte[1], Arbeitslisten.Punkte[2], d)) {
        Dialog().Meldung("Das Dreieck ist entartet: seine Eckpunkte fallen zusammen oder liegen auf einer Geraden.");
        return;
    }
    const QCheckBox* boxen[D_Anzahl] = {
        ui->CheckBox_Schwerpunkt, ui->CheckBox_Umkreismittelpunkt, ui->CheckBox_Inkreismittelpunkt,
        ui->CheckBox_Hoehenschnittpunkt, ui->CheckBox_Seitenmittelpunkte, ui->CheckBox_Inkreislotpunkte,
        ui->CheckBox_Hoehenfusspunkte, ui->CheckBox_Seitenhalbierenden, ui->CheckBox_Mittelsenkrechten,
        ui->CheckBox_Winkelhalbierenden, ui->CheckBox_Hoehen, ui->CheckBox_Mittelparallelen, ui->CheckBox_Umkreis,
        ui->CheckBox_Inkreis, ui->CheckBox_Umkreisradius, ui->CheckBox_Inkreisradius,
        ui->CheckBox_Eckpunkte_beschriften, ui->CheckBox_Eulergerade};
    TDreieckswahl wahl{};
    for (int i = 0; i < D_Anzahl; ++i) wahl[size_t(i)] = boxen[i]->isChecked();
    if (QImage* bild = Hauptbild()) {
        const uint32_t farbe = ::Dreieck_zeichnen(*bild, d, wahl, Marken.Punkteart, Marken.Punktradius, Marken.Linienfarbe,
                                                  Marken.Punktfarbe, Hauptfenster.Text.fett ? Schriftstil::fett : Schriftstil::normal);
        Form1->Punktfarbe_setzen(farbe);
        Hauptbild_zeigen();
    }
    Dreieck_ausgeben(Tabelle, spalte, d);
    Punkte_einzeichnen(spalte);
}
