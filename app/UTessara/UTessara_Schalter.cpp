// Switches of the main window: axes, grid, number display, the curve boxes that
// freeze their curve's style, the colour panels, the mark combo boxes, and Plot.
#include "app/UTessara/UTessara.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "graphics/Farben.h"
#include "graphics/UGrafik.h"
#include "graphics/UKurven.h"
#include "numeric/UMatheBasisOp.h"
#include "numeric/UMatheTools.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "ui_UTessara.h"

#include <QApplication>
#include <QSignalBlocker>
#include <algorithm>

namespace {
bool Keine_Achse(const Ui::TForm1& ui) { return !ui.CheckBox_xAchse->isChecked() && !ui.CheckBox_yAchse->isChecked(); }
}

// --- axes, grid, number display ----------------------------------------------------

void TForm1::CheckBox_xAchseClick() {
    KOS_Stil.xAchse_an = ui->CheckBox_xAchse->isChecked();
    if (Keine_Achse(*ui)) {
        ui->CheckBox_Zahlen_an_Achsen->setChecked(false);
        ui->CheckBox_Skalierung->setChecked(false);
        ui->CheckBox_Achsen_dick->setChecked(false);
    }
}

void TForm1::CheckBox_yAchseClick() {
    KOS_Stil.yAchse_an = ui->CheckBox_yAchse->isChecked();
    if (Keine_Achse(*ui)) {
        ui->CheckBox_Zahlen_an_Achsen->setChecked(false);
        ui->CheckBox_Skalierung->setChecked(false);
        ui->CheckBox_Achsen_dick->setChecked(false);
    }
}

void TForm1::CheckBox_SkalierungClick() {
    if (Keine_Achse(*ui)) ui->CheckBox_Skalierung->setChecked(false);
    if (!ui->CheckBox_Skalierung->isChecked()) ui->CheckBox_Zahlen_an_Achsen->setChecked(false);
    KOS_Stil.Skala_an = ui->CheckBox_Skalierung->isChecked();
}

void TForm1::CheckBox_Zahlen_an_AchsenClick() {
    if (!ui->CheckBox_Skalierung->isChecked()) ui->CheckBox_Zahlen_an_Achsen->setChecked(false);
    KOS_Stil.Zahlen_an = ui->CheckBox_Zahlen_an_Achsen->isChecked();
}

// The widths always follow the box, so thick axes never survive an unticked "dick".
void TForm1::CheckBox_Achsen_dickClick() {
    if (Keine_Achse(*ui)) ui->CheckBox_Achsen_dick->setChecked(false);
    bool dick = ui->CheckBox_Achsen_dick->isChecked();
    KOS_Stil.Achsenbreite = dick ? 2 : 1;
    KOS_Stil.Strichbreite = dick ? 2 : 1;
    KOS_Stil.Zahlenstil = dick ? Schriftstil::fett : Schriftstil::normal;
}

// Unticking "G" under "kein Raster" is stored too, or the coarse grid would come
// back with the next grid button although the box is empty.
void TForm1::CheckBox_GrobrasterClick() {
    if (ui->SpeedButton_ohne_Raster->isChecked()) {
        ui->CheckBox_Grobraster->setChecked(false);
        KOS_Stil.Grobraster = false;
        return;
    }
    KOS_Stil.Grobraster = ui->CheckBox_Grobraster->isChecked();
    SpeedButton_PlotClick();
}

void TForm1::CheckBox_FixkommaClick() { Zahlausgabe.Fixkomma = ui->CheckBox_Fixkomma->isChecked(); }
void TForm1::CheckBox_BruchdarstellungClick() {
    Zahlausgabe.Bruchdarstellung = ui->CheckBox_Bruchdarstellung->isChecked();
}

void TForm1::Raster_waehlen(bool an, int teilung, bool gepunktet) {
    KOS_Stil.Raster_an = an;
    if (an) {
        KOS_Stil.Rasterteilung = teilung;
        KOS_Stil.Rasterstil = gepunktet ? Stiftstil::gepunktet : Stiftstil::durchgezogen;
    }
    SpeedButton_PlotClick();
}

// Each grid button also shows itself down when it is run by name.
void TForm1::SpeedButton_ohne_RasterClick() {
    ui->SpeedButton_ohne_Raster->setChecked(true);
    Raster_waehlen(false, 0, false);
}
void TForm1::SpeedButton_Raster_gestricheltClick() {
    ui->SpeedButton_Raster_gestrichelt->setChecked(true);
    Raster_waehlen(true, 1, true);
}
void TForm1::SpeedButton_Raster_mittelClick() {
    ui->SpeedButton_Raster_mittel->setChecked(true);
    Raster_waehlen(true, 2, false);
}
void TForm1::SpeedButton_Raster_engClick() {
    ui->SpeedButton_Raster_eng->setChecked(true);
    Raster_waehlen(true, 5, false);
}
void TForm1::SpeedButton_Raster_1mmClick() {
    ui->SpeedButton_Raster_1mm->setChecked(true);
    Raster_waehlen(true, 10, false);
}

// Text and zoom mode exclude each other; what each mode does with the mouse is
// the picture's business.
void TForm1::CheckBox_TextmodusClick() {
    if (ui->CheckBox_Textmodus->isChecked() && ui->CheckBox_ZoomModus->isChecked())
        ui->CheckBox_ZoomModus->setChecked(false);
}

void TForm1::CheckBox_ZoomModusClick() {
    if (ui->CheckBox_ZoomModus->isChecked() && ui->CheckBox_Textmodus->isChecked())
        ui->CheckBox_Textmodus->setChecked(false);
}

// --- curve boxes ------------------------------------------------------------------

// Curves never carry arrow heads: an arrow style becomes the plain one of its
// width, and the line-style box shows it; the point connection keeps arrows.
void TForm1::Image_neu_zeichnen(TBild* probe, bool verbindung) {
    if (!verbindung) {
        int art = Kurven_Linienart(Marken.Linienart);
        if (art != Marken.Linienart) ui->ComboBox_Linienart->setCurrentIndex(art);
        Linienart_waehlen(art);
    }
    Linienvorschau_zeichnen(probe->Bild(), Marken.Linienfarbe, Marken.Linienart);
}

void TForm1::Kurvenbox_geklickt(QCheckBox* box, TBild* probe, Kurvenstil& stil) {
    Image_loeschen(probe->Bild());
    if (box->isChecked()) {
        Image_neu_zeichnen(probe, false);
        stil.Farbe = Marken.Linienfarbe;
        stil.Linienart = Marken.Linienart;
    }
    probe->update();
}

void TForm1::CheckBox_Schar_f_zeichnenClick() {
    Kurvenbox_geklickt(ui->CheckBox_Schar_f_zeichnen, ui->Image_f, Hauptfenster.f);
}
void TForm1::CheckBox_Schar_g_zeichnenClick() {
    Kurvenbox_geklickt(ui->CheckBox_Schar_g_zeichnen, ui->Image_g, Hauptfenster.g);
}
void TForm1::CheckBox_Schar_h_zeichnenClick() {
    Kurvenbox_geklickt(ui->CheckBox_Schar_h_zeichnen, ui->Image_h, Hauptfenster.h);
}
void TForm1::CheckBox_Schar_fs_zeichnenClick() {
    Kurvenbox_geklickt(ui->CheckBox_Schar_fs_zeichnen, ui->Image_fs, Hauptfenster.fs);
}
void TForm1::CheckBox_Schar_fs2_zeichnenClick() {
    Kurvenbox_geklickt(ui->CheckBox_Schar_fs2_zeichnen, ui->Image_fs2, Hauptfenster.fs2);
}
void TForm1::CheckBox_Schar_fs3_zeichnenClick() {
    Kurvenbox_geklickt(ui->CheckBox_Schar_fs3_zeichnen, ui->Image_fs3, Hauptfenster.fs3);
}
void TForm1::CheckBox_f_invers_zeichnenClick() {
    Kurvenbox_geklickt(ui->CheckBox_f_invers_zeichnen, ui->Image_inv, Hauptfenster.f_invers);
}
void TForm1::CheckBox_IntegralfunktionClick() {
    Kurvenbox_geklickt(ui->CheckBox_Integralfunktion, ui->Image_Int, Hauptfenster.F);
}
void TForm1::CheckBox_Schar_kr_zeichnenClick() {
    Kurvenbox_geklickt(ui->CheckBox_Schar_kr_zeichnen, ui->Image_krue, Hauptfenster.kr);
}
void TForm1::CheckBox_x_gleich_aClick() {
    Kurvenbox_geklickt(ui->CheckBox_x_gleich_a, ui->Image_x_gleich_a, Hauptfenster.x_gleich_a);
}
void TForm1::CheckBox_x_gleich_bClick() {
    Kurvenbox_geklickt(ui->CheckBox_x_gleich_b, ui->Image_x_gleich_b, Hauptfenster.x_gleich_b);
}

void TForm1::CheckBox_DatenPkte_verbindenClick() {
    Image_loeschen(ui->Image_Punktverbindung->Bild());
    Marken.DatenPkte_verbinden = ui->CheckBox_DatenPkte_verbinden->isChecked();
    if (Marken.DatenPkte_verbinden) {
        Image_neu_zeichnen(ui->Image_Punktverbindung, true);
        Marken.Verbindungsfarbe = Marken.Linienfarbe;
        Marken.Verbindungsart = Marken.Linienart;
    }
    ui->Image_Punktverbindung->update();
}

// --- combo boxes -------------------------------------------------------------------

void TForm1::ComboBox_ZahlenhoeheChange() {
    KOS_Stil.Zahlenhoehe = std::max(0, ui->ComboBox_Zahlenhoehe->currentIndex()) + 8;
}

// The table's columns grow with the total digits so that numbers fit.
void TForm1::Tabellenbreite_anpassen() {
    Tabelle.Spaltenbreite = std::max(63, 6 * Zahlausgabe.Gesamtstellen);
    Tabelle.Spaltenbreite_0 = 35;
    Tabelle.Melden(TTabellenaenderung::Einrichtung);
}

void TForm1::ComboBox_NachkommastellenChange() {
    if (ui->ComboBox_Nachkommastellen->currentIndex() < 0) return;
    Nachkommastellen_waehlen(ui->ComboBox_Nachkommastellen->currentIndex());
    {
        QSignalBlocker still(ui->ComboBox_Gesamtstellen);
        ui->ComboBox_Gesamtstellen->setCurrentIndex(Zahlausgabe.Gesamtstellen - 8);
    }
    Tabellenbreite_anpassen();
}

void TForm1::ComboBox_GesamtstellenChange() {
    if (ui->ComboBox_Gesamtstellen->currentIndex() < 0) return;
    Gesamtstellen_waehlen(ui->ComboBox_Gesamtstellen->currentIndex() + 8);
    {
        QSignalBlocker still(ui->ComboBox_Nachkommastellen);
        ui->ComboBox_Nachkommastellen->setCurrentIndex(Zahlausgabe.Nachkommastellen);
    }
    Tabellenbreite_anpassen();
}

void TForm1::ComboBox_PunktRadiusChange() {
    Marken.Punktradius = std::max(0, ui->ComboBox_PunktRadius->currentIndex());
    ui->ComboBox_Punkteart->Neu_zeichnen();
}

void TForm1::ComboBox_IntegrationsmethodeChange() {
    Integration.Integrationsmethode =
        Integrationsmethode_aus_Auswahl(std::max(0, ui->ComboBox_Integrationsmethode->currentIndex()));
}

void TForm1::ComboBox_LinienartChange() {
    Linienart_waehlen(std::max(0, ui->ComboBox_Linienart->currentIndex()));
    ui->ComboBox_Flaechenfuellung->Neu_zeichnen();
}

void TForm1::ComboBox_PunkteartChange() { Marken.Punkteart = std::max(0, ui->ComboBox_Punkteart->currentIndex()); }
void TForm1::ComboBox_FlaechenfuellungChange() {
    Marken.Fuellmuster = std::max(0, ui->ComboBox_Flaechenfuellung->currentIndex());
}

// --- colour panels -------------------------------------------------------------------

void TForm1::Panel_faerben(QWidget* panel, uint32_t farbe) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Farbe_Qt(farbe));
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

void TForm1::Panel_Farbe_PunkteClick() {
    if (auto farbe = Dialog().Farbe_waehlen(Marken.Punktfarbe)) {
        Marken.Punktfarbe = *farbe;
        Panel_faerben(ui->Panel_Farbe_Punkte, *farbe);
        ui->ComboBox_Punkteart->Neu_zeichnen();
    }
}

void TForm1::Panel_Farbe_RasterClick() {
    if (auto farbe = Dialog().Farbe_waehlen(KOS_Stil.Rasterfarbe)) {
        KOS_Stil.Rasterfarbe = *farbe;
        Panel_faerben(ui->Panel_Farbe_Raster, *farbe);
    }
    SpeedButton_PlotClick();
}

void TForm1::Panel_Linienfarbe_definierenClick() {
    if (auto farbe = Dialog().Farbe_waehlen(Marken.Linienfarbe)) {
        Marken.Linienfarbe = *farbe;
        Panel_faerben(ui->Panel_Linienfarbe_definieren, *farbe);
        ui->ComboBox_Linienart->Neu_zeichnen();
        ui->ComboBox_Flaechenfuellung->Neu_zeichnen();
    }
}

void TForm1::Panel_Fuellfarbe_definierenClick() {
    if (auto farbe = Dialog().Farbe_waehlen(Marken.Fuellfarbe)) {
        Marken.Fuellfarbe = *farbe;
        Panel_faerben(ui->Panel_Fuellfarbe_definieren, *farbe);
        ui->ComboBox_Flaechenfuellung->Neu_zeichnen();
    }
}

// --- text insertion font -----------------------------------------------------------------

void TForm1::Texteinfuegung_zeigen() {
    const Texteinfuegung& t = Hauptfenster.Text;
    QFont schrift(QString::fromStdString(t.Schrift));
    schrift.setPointSize(t.Groesse);
    schrift.setBold(t.fett);
    schrift.setItalic(t.kursiv);
    schrift.setUnderline(t.unterstrichen);
    ui->Edit_Text_in_Grafik->setFont(schrift);
    QPalette palette = ui->Edit_Text_in_Grafik->palette();
    palette.setColor(QPalette::Text, Farbe_Qt(t.Farbe));
    ui->Edit_Text_in_Grafik->setPalette(palette);
}

void TForm1::SpeedButton_FontAuswahlClick() {
    Texteinfuegung& t = Hauptfenster.Text;
    Dialoge::Schrift vorher{t.Schrift, t.Groesse, t.fett, t.kursiv, t.unterstrichen, t.Farbe};
    auto neu = Dialog().Schrift_waehlen(vorher);
    if (!neu) return;
    t.Schrift = neu->name;
    t.Groesse = neu->groesse;
    t.fett = neu->fett;
    t.kursiv = neu->kursiv;
    t.unterstrichen = neu->unterstrichen;
    t.Farbe = neu->farbe;
    Texteinfuegung_zeigen();
}

// --- Plot ------------------------------------------------------------------------------

Plotauftrag TForm1::Plotauftrag_lesen() const {
    auto text = [](const QLineEdit* feld) { return feld->text().toStdString(); };
    auto stil = [](const Kurvenstil& s, const QCheckBox* box) {
        Kurvenstil k = s;
        k.zeichnen = box->isChecked();
        return k;
    };
    const Hauptfensterzustand& h = Hauptfenster;
    Plotauftrag a;
    a.Term_f = text(ui->Edit_fSchar);
    a.Term_g = text(ui->Edit_gSchar);
    a.Term_h = text(ui->Edit_hSchar);
    a.xaSchar = h.xaSchar, a.xeSchar = h.xeSchar;
    a.xaSchar_g = h.xaSchar_g, a.xeSchar_g = h.xeSchar_g;
    a.xaSchar_h = h.xaSchar_h, a.xeSchar_h = h.xeSchar_h;
    a.Schar_t1 = text(ui->Edit_Schar_t1);
    a.Schar_t2 = text(ui->Edit_Schar_t2);
    a.delta_t = text(ui->Edit_delta_t);
    a.u = text(ui->Edit_u);
    a.alle_t = ui->CheckBox_alle_t_verwenden->isChecked();
    a.aStart = text(ui->Edit_aStart);
    a.bEnde = text(ui->Edit_bEnde);
    a.loeschen = ui->CheckBox_loeschen->isChecked();
    a.f = stil(h.f, ui->CheckBox_Schar_f_zeichnen);
    a.g = stil(h.g, ui->CheckBox_Schar_g_zeichnen);
    a.h = stil(h.h, ui->CheckBox_Schar_h_zeichnen);
    a.fs = stil(h.fs, ui->CheckBox_Schar_fs_zeichnen);
    a.fs2 = stil(h.fs2, ui->CheckBox_Schar_fs2_zeichnen);
    a.fs3 = stil(h.fs3, ui->CheckBox_Schar_fs3_zeichnen);
    a.f_invers = stil(h.f_invers, ui->CheckBox_f_invers_zeichnen);
    a.F = stil(h.F, ui->CheckBox_Integralfunktion);
    a.kr = stil(h.kr, ui->CheckBox_Schar_kr_zeichnen);
    a.x_gleich_a = stil(h.x_gleich_a, ui->CheckBox_x_gleich_a);
    a.x_gleich_b = stil(h.x_gleich_b, ui->CheckBox_x_gleich_b);
    return a;
}

void TForm1::SpeedButton_PlotClick() {
    // The Escape poll lets input through, and a second Plot must not paint into the
    // picture the first is still drawing.
    static bool laeuft = false;
    if (laeuft) return;
    laeuft = true;
    struct Ende { bool& b; ~Ende() { b = false; } } ende{laeuft};
    Befehl_beginnt();
    bool sanduhr = false;
    bool gezeichnet = Plot_zeichnen(ui->Image1->Bild(), Plotauftrag_lesen(), [&sanduhr] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        sanduhr = true;
    });
    if (sanduhr) QApplication::restoreOverrideCursor();
    // The table points are drawn by the statistics window into this picture.
    if (gezeichnet && !Zeichnen_abgebrochen() && ui->CheckBox_Punkte->isChecked() && Form6)
        Form6->SpeedButton_Punkte_einzeichnenClick();
    ui->Image1->Stand_merken();
    ui->Image1->update();
}
