// Start of the main window: the controls' connections, the images and glyphs, and
// the program's defaults (at start and on reset).
#include "app/UTessara/UTessara.h"

#include "app/UTessara/TBild.h"
#include "graphics/Farben.h"
#include "graphics/UGrafik.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"
#include "numeric/UMatheTools.h"
#include "ui_UTessara.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QPainter>
#include <QSignalBlocker>

namespace {

// Glyph of a grid button: a small square with n lines per side (0: empty, dotted
// for the 10 mm grid).
QIcon Rastersymbol(int linien, bool gepunktet) {
    QPixmap bild(16, 16);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    QPen stift(QColor(120, 120, 120));
    stift.setStyle(gepunktet ? Qt::DotLine : Qt::SolidLine);
    maler.setPen(stift);
    for (int i = 1; i < linien; ++i) {
        int p = i * 15 / linien;
        maler.drawLine(p, 0, p, 15);
        maler.drawLine(0, p, 15, p);
    }
    maler.setPen(Qt::black);
    maler.drawRect(0, 0, 15, 15);
    return QIcon(bild);
}

void Haken(QCheckBox* box, bool an) { box->setChecked(an); }

}  // namespace

void TForm1::Grafiken_einrichten() {
    ui->Image1->Neu_anlegen(641, 641);
    for (TBild* probe : findChildren<TBild*>())
        if (probe != ui->Image1) probe->Neu_anlegen(27, 9);
    auto* gruppe = new QButtonGroup(this);
    gruppe->setExclusive(true);
    const std::pair<QToolButton*, QIcon> knoepfe[] = {
        {ui->SpeedButton_ohne_Raster, Rastersymbol(0, false)},
        {ui->SpeedButton_Raster_gestrichelt, Rastersymbol(2, true)},
        {ui->SpeedButton_Raster_mittel, Rastersymbol(3, false)},
        {ui->SpeedButton_Raster_eng, Rastersymbol(5, false)},
        {ui->SpeedButton_Raster_1mm, Rastersymbol(8, false)}};
    for (const auto& [knopf, symbol] : knoepfe) {
        knopf->setIcon(symbol);
        knopf->setIconSize(QSize(16, 16));
        gruppe->addButton(knopf);
    }
    // Line, point and fill previews need room for their pictures in the list.
    for (QComboBox* box : {static_cast<QComboBox*>(ui->ComboBox_Linienart), static_cast<QComboBox*>(ui->ComboBox_Punkteart),
                           static_cast<QComboBox*>(ui->ComboBox_Flaechenfuellung)})
        box->view()->setMinimumWidth(44);
}

void TForm1::Verbindungen_herstellen() {
    Werkzeuge_verbinden();
    connect(ui->Edit_xa, &QLineEdit::textChanged, this, &TForm1::Edit_xaChange);
    connect(ui->Edit_xe, &QLineEdit::textChanged, this, &TForm1::Edit_xeChange);
    connect(ui->Edit_xBeschrift, &QLineEdit::textChanged, this, &TForm1::Edit_xBeschriftChange);
    connect(ui->Edit_yBeschrift, &QLineEdit::textChanged, this, &TForm1::Edit_yBeschriftChange);
    connect(ui->Edit_Text_in_Grafik, &QLineEdit::textChanged, this, &TForm1::Edit_Text_in_GrafikChange);

    const std::pair<QCheckBox*, void (TForm1::*)()> haken[] = {
        {ui->CheckBox_xAchse, &TForm1::CheckBox_xAchseClick},
        {ui->CheckBox_yAchse, &TForm1::CheckBox_yAchseClick},
        {ui->CheckBox_Skalierung, &TForm1::CheckBox_SkalierungClick},
        {ui->CheckBox_Zahlen_an_Achsen, &TForm1::CheckBox_Zahlen_an_AchsenClick},
        {ui->CheckBox_Achsen_dick, &TForm1::CheckBox_Achsen_dickClick},
        {ui->CheckBox_Grobraster, &TForm1::CheckBox_GrobrasterClick},
        {ui->CheckBox_Fixkomma, &TForm1::CheckBox_FixkommaClick},
        {ui->CheckBox_Bruchdarstellung, &TForm1::CheckBox_BruchdarstellungClick},
        {ui->CheckBox_DatenPkte_verbinden, &TForm1::CheckBox_DatenPkte_verbindenClick},
        {ui->CheckBox_Schar_f_zeichnen, &TForm1::CheckBox_Schar_f_zeichnenClick},
        {ui->CheckBox_Schar_g_zeichnen, &TForm1::CheckBox_Schar_g_zeichnenClick},
        {ui->CheckBox_Schar_h_zeichnen, &TForm1::CheckBox_Schar_h_zeichnenClick},
        {ui->CheckBox_Schar_fs_zeichnen, &TForm1::CheckBox_Schar_fs_zeichnenClick},
        {ui->CheckBox_Schar_fs2_zeichnen, &TForm1::CheckBox_Schar_fs2_zeichnenClick},
        {ui->CheckBox_Schar_fs3_zeichnen, &TForm1::CheckBox_Schar_fs3_zeichnenClick},
        {ui->CheckBox_f_invers_zeichnen, &TForm1::CheckBox_f_invers_zeichnenClick},
        {ui->CheckBox_Integralfunktion, &TForm1::CheckBox_IntegralfunktionClick},
        {ui->CheckBox_Schar_kr_zeichnen, &TForm1::CheckBox_Schar_kr_zeichnenClick},
        {ui->CheckBox_x_gleich_a, &TForm1::CheckBox_x_gleich_aClick},
        {ui->CheckBox_x_gleich_b, &TForm1::CheckBox_x_gleich_bClick}};
    // A box's handler runs whenever its state changes, by the user or by the program.
    for (const auto& [box, handler] : haken) connect(box, &QCheckBox::toggled, this, handler);

    const std::pair<QComboBox*, void (TForm1::*)()> listen[] = {
        {ui->ComboBox_Zahlenhoehe, &TForm1::ComboBox_ZahlenhoeheChange},
        {ui->ComboBox_Nachkommastellen, &TForm1::ComboBox_NachkommastellenChange},
        {ui->ComboBox_Gesamtstellen, &TForm1::ComboBox_GesamtstellenChange},
        {ui->ComboBox_PunktRadius, &TForm1::ComboBox_PunktRadiusChange},
        {ui->ComboBox_Integrationsmethode, &TForm1::ComboBox_IntegrationsmethodeChange},
        {ui->ComboBox_Linienart, &TForm1::ComboBox_LinienartChange},
        {ui->ComboBox_Punkteart, &TForm1::ComboBox_PunkteartChange},
        {ui->ComboBox_Flaechenfuellung, &TForm1::ComboBox_FlaechenfuellungChange}};
    for (const auto& [box, handler] : listen) connect(box, &QComboBox::currentIndexChanged, this, handler);

    const std::pair<QToolButton*, void (TForm1::*)()> knoepfe[] = {
        {ui->SpeedButton_ohne_Raster, &TForm1::SpeedButton_ohne_RasterClick},
        {ui->SpeedButton_Raster_gestrichelt, &TForm1::SpeedButton_Raster_gestricheltClick},
        {ui->SpeedButton_Raster_mittel, &TForm1::SpeedButton_Raster_mittelClick},
        {ui->SpeedButton_Raster_eng, &TForm1::SpeedButton_Raster_engClick},
        {ui->SpeedButton_Raster_1mm, &TForm1::SpeedButton_Raster_1mmClick},
        {ui->SpeedButton_Plot, &TForm1::SpeedButton_PlotClick},
        {ui->SpeedButton_FontAuswahl, &TForm1::SpeedButton_FontAuswahlClick},
        {ui->SpeedButton_Hilfe, &TForm1::SpeedButton_HilfeClick},
        {ui->SpeedButton_Folgen, &TForm1::SpeedButton_FolgenClick},
        {ui->SpeedButton_2D_Abbildungen, &TForm1::SpeedButton_2D_AbbildungenClick},
        {ui->SpeedButton_Baumdiagramme, &TForm1::SpeedButton_BaumdiagrammeClick},
        {ui->SpeedButton_Statistik, &TForm1::SpeedButton_StatistikClick}};
    for (const auto& [knopf, handler] : knoepfe) connect(knopf, &QToolButton::clicked, this, handler);
}

// --- defaults ------------------------------------------------------------------------

void TForm1::Standard_Werte_einstellen() {
    Gruppe_Text_und_Marken();         // 1 text insertion, 2 marks
    Gruppe_Raster_und_Zahlen();       // 3 grid and axes, 4 number display, 5 integration, 7 view, 8 size
    Gruppe_Feldtexte();               // 9 field texts
    Gruppe_Haken_und_Listen();        // 10 check boxes, 11 combo boxes and colour panels
    Gruppe_Felder_lesen();            // 12 the leave handlers
    ui->Image1->move(KOS.Bildlinks, KOS.Bildoben);   // 13
    if (ui->Image1->Bild().size() != QSize(641, 641)) ui->Image1->Neu_anlegen(641, 641);
    ui->Image1->resize(641, 641);
    SpeedButton_Raster_mittelClick();  // 14: 5 mm grid, then Plot
}

void TForm1::Gruppe_Text_und_Marken() {
    Hauptfenster.Text = Texteinfuegung{};
    ui->Edit_Text_in_Grafik->setText(QString::fromStdString(Hauptfenster.Text.Einfuegetext));
    ui->Edit_Text_in_Grafik->resize(176, 20);
    Texteinfuegung_zeigen();

    Marken.Punktfarbe = Farbe_rot;
    Marken.Punktradius = 3;
    Marken.Punkteart = 1;
    Linienart_waehlen(1);
    Marken.Linienfarbe = Farbe_blau;
    Marken.Fuell_Linienbreite = 1;
    Marken.Fuell_Linienstil = Stiftstil::durchgezogen;
    Marken.Fuellmuster = 5;
    Marken.Fuellfarbe = Farbe_fuchsia;
}

void TForm1::Gruppe_Raster_und_Zahlen() {
    KOS_Einstellungen& k = KOS_Stil;
    k.Rasterfarbe = Farbe_RGB(214, 214, 214);
    k.Grobraster = true;
    k.Raster_an = true;   // dotted, one line per tick, until the 5 mm grid is chosen at the end
    k.Rasterstil = Stiftstil::gepunktet;
    k.Rasterteilung = 1;
    k.Skala_an = true;
    k.Strichbreite = 1;
    k.Zahlen_an = true;
    k.Achsenbreite = 1;
    k.Zahlenhoehe = 8;
    k.Zahlenstil = Schriftstil::normal;
    k.Beschriftungsgroesse = 9;
    k.Beschriftungsstil = Schriftstil::fett;
    k.Beschriftungsschrift = "Arial";
    k.xAchse_an = k.yAchse_an = true;
    k.Pfeillaenge = 11;
    k.Pfeilbreite = 4;
    k.Beschriftung_x = std::string(1, 'x');
    k.Beschriftung_y = std::string(1, 'y');

    Zahlausgabe.Nachkommastellen = 6;
    Zahlausgabe.Gesamtstellen = 9;
    Zahlausgabe.Fixkomma = false;
    Zahlausgabe.Bruchdarstellung = false;
    Integration.Integrationsmethode = Methode_Gauss_Kronrod;

    Hauptfenster.Zoomstufe = 0;
    Hauptfenster.Zoomgrenze = 32;
    Hauptfenster.Zoomfaktor = 2;
    ui->SpeedButton_Raster_gestrichelt->setChecked(true);

    KOS.Bildbreite_cm = KOS.Bildtiefe_cm = 16;
    ui->Edit_Bildbreite->setText("16");
    ui->Edit_Bildtiefe->setText("16");
}

void TForm1::Gruppe_Feldtexte() {
    const std::pair<QLineEdit*, const char*> texte[] = {
        {ui->Edit_xa, "-8"}, {ui->Edit_xe, "8"}, {ui->Edit_ya, "-8"}, {ui->Edit_ye, "8"},
        {ui->Edit_xscl, "1"}, {ui->Edit_yscl, "1"},
        {ui->Edit_xaSchar, "-8"}, {ui->Edit_xeSchar, "8"}, {ui->Edit_xaSchar_g, "-8"},
        {ui->Edit_xeSchar_g, "8"}, {ui->Edit_xaSchar_h, "-8"}, {ui->Edit_xeSchar_h, "8"},
        {ui->Edit_Schar_t1, "1"}, {ui->Edit_Schar_t2, "4"}, {ui->Edit_delta_t, "0,5"},
        {ui->Edit_aStart, "-8"}, {ui->Edit_bEnde, "8"}, {ui->Edit_delta_x, "1"},
        {ui->Edit_xBeschrift, "x"}, {ui->Edit_yBeschrift, "y"},
        {ui->Edit_fSchar, "-0,2tx³+0,4t²x"}, {ui->Edit_gSchar, "x·cos(x)"}, {ui->Edit_hSchar, "sgn(x+1,5)"}};
    for (const auto& [feld, text] : texte) feld->setText(QString::fromUtf8(text));
}

void TForm1::Gruppe_Haken_und_Listen() {
    for (QCheckBox* box : {ui->CheckBox_xAchse, ui->CheckBox_yAchse, ui->CheckBox_Skalierung,
                           ui->CheckBox_Zahlen_an_Achsen, ui->CheckBox_loeschen})
        Haken(box, true);
    {
        // Its handler would plot the old world window before the fields are read
        // (and complain about it); the picture is drawn at the end anyway.
        QSignalBlocker still(ui->CheckBox_Grobraster);
        Haken(ui->CheckBox_Grobraster, true);
        KOS_Stil.Grobraster = true;
    }
    for (QCheckBox* box : {ui->CheckBox_Achsen_dick, ui->CheckBox_DatenPkte_verbinden, ui->CheckBox_Fixkomma,
                           ui->CheckBox_Bruchdarstellung, ui->CheckBox_alle_t_verwenden,
                           ui->CheckBox_Schar_f_zeichnen, ui->CheckBox_Schar_g_zeichnen, ui->CheckBox_Schar_h_zeichnen,
                           ui->CheckBox_Schar_fs_zeichnen, ui->CheckBox_Schar_fs2_zeichnen,
                           ui->CheckBox_Schar_fs3_zeichnen, ui->CheckBox_f_invers_zeichnen,
                           ui->CheckBox_Integralfunktion, ui->CheckBox_Schar_kr_zeichnen, ui->CheckBox_x_gleich_a,
                           ui->CheckBox_x_gleich_b, ui->CheckBox_Punkte})
        Haken(box, false);
    // A box that was already unticked ran no handler: its sample goes blank anyway.
    for (TBild* probe : findChildren<TBild*>())
        if (probe != ui->Image1) { Image_loeschen(probe->Bild()); probe->update(); }

    ui->ComboBox_Linienart->setCurrentIndex(1);
    ui->ComboBox_Punkteart->setCurrentIndex(1);
    ui->ComboBox_Flaechenfuellung->setCurrentIndex(5);
    ui->ComboBox_Zahlenhoehe->setCurrentIndex(0);
    ui->ComboBox_Nachkommastellen->setCurrentIndex(6);
    ui->ComboBox_Gesamtstellen->setCurrentIndex(1);
    ui->ComboBox_Integrationsmethode->setCurrentIndex(0);
    ui->ComboBox_PunktRadius->setCurrentIndex(3);
    Panel_faerben(ui->Panel_Farbe_Punkte, Marken.Punktfarbe);
    Panel_faerben(ui->Panel_Farbe_Raster, KOS_Stil.Rasterfarbe);
    Panel_faerben(ui->Panel_Linienfarbe_definieren, Marken.Linienfarbe);
    Panel_faerben(ui->Panel_Fuellfarbe_definieren, Marken.Fuellfarbe);
}

void TForm1::Gruppe_Felder_lesen() {
    for (auto handler : {&TForm1::Edit_xaExit, &TForm1::Edit_xeExit, &TForm1::Edit_yaExit, &TForm1::Edit_yeExit,
                         &TForm1::Edit_xsclExit, &TForm1::Edit_ysclExit, &TForm1::Edit_xaScharExit,
                         &TForm1::Edit_xeScharExit, &TForm1::Edit_xaSchar_gExit, &TForm1::Edit_xeSchar_gExit,
                         &TForm1::Edit_xaSchar_hExit, &TForm1::Edit_xeSchar_hExit, &TForm1::Edit_aStartExit,
                         &TForm1::Edit_bEndeExit, &TForm1::Edit_delta_xExit, &TForm1::Edit_delta_tExit,
                         &TForm1::Edit_Schar_t1Exit, &TForm1::Edit_Schar_t2Exit, &TForm1::Edit_uExit})
        (this->*handler)();
}
