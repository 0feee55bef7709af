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
    Hinweise_anbinden();
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
        {ui->CheckBox_x_gleich_b, &TForm1::CheckBox_x_gleich_bClick},
        {ui->CheckBox_Textmodus, &TForm1::CheckBox_TextmodusClick},
        {ui->CheckBox_ZoomModus, &TForm1::CheckBox_ZoomModusClick}};
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
    if (ui->Image1->Groesse() != QSize(641, 641)) ui->Image1->Neu_anlegen(641, 641);
    ui->Image1->resize(641, 641);
    SpeedButton_Raster_mittelClick();  // 14: 5 mm grid, then Plot
}

// Every group assigns its default-constructed state and fills the controls from it,
// so the state structs' initialisers are the one list of defaults.

void TForm1::Gruppe_Text_und_Marken() {
    Hauptfenster = Hauptfensterzustand{};
    ui->Edit_Text_in_Grafik->setText(QString::fromStdString(Hauptfenster.Text.Einfuegetext));
    ui->Edit_Text_in_Grafik->resize(176, 20);
    Texteinfuegung_zeigen();
    Marken = Markeneinstellungen{};
    Linienart_waehlen(Marken.Linienart);
}

void TForm1::Gruppe_Raster_und_Zahlen() {
    KOS_Stil = KOS_Einstellungen{};
    // The coefficients are working data of the tools, not a setting.
    const auto koeffizienten = Zahlausgabe.Koeffizienten;
    Zahlausgabe = Zahlausgabezustand{};
    Zahlausgabe.Koeffizienten = koeffizienten;
    Integration = Integrationszustand{};
    // Shown down until the 5 mm grid is chosen at the end.
    ui->SpeedButton_Raster_gestrichelt->setChecked(true);
    KOS = Koordinatensystem{};
    ui->Edit_Bildbreite->setText(QString::number(KOS.Bildbreite_cm));
    ui->Edit_Bildtiefe->setText(QString::number(KOS.Bildtiefe_cm));
}

void TForm1::Gruppe_Feldtexte() {
    auto zahl = [](Extended x) { return QString::fromStdString(Zahl_allgemein(x)); };
    const Koordinatensystem& k = KOS;
    const Hauptfensterzustand& h = Hauptfenster;
    const Scharbereich schar{};
    const Plotauftrag terme{};
    const std::pair<QLineEdit*, QString> texte[] = {
        {ui->Edit_xa, zahl(k.xli)}, {ui->Edit_xe, zahl(k.xre)}, {ui->Edit_ya, zahl(k.yu)}, {ui->Edit_ye, zahl(k.yo)},
        {ui->Edit_xscl, zahl(k.xscl)}, {ui->Edit_yscl, zahl(k.yscl)},
        {ui->Edit_xaSchar, zahl(h.xaSchar)}, {ui->Edit_xeSchar, zahl(h.xeSchar)},
        {ui->Edit_xaSchar_g, zahl(h.xaSchar_g)}, {ui->Edit_xeSchar_g, zahl(h.xeSchar_g)},
        {ui->Edit_xaSchar_h, zahl(h.xaSchar_h)}, {ui->Edit_xeSchar_h, zahl(h.xeSchar_h)},
        {ui->Edit_Schar_t1, zahl(schar.t1)}, {ui->Edit_Schar_t2, zahl(schar.t2)},
        {ui->Edit_delta_t, zahl(schar.delta_t)},
        {ui->Edit_aStart, zahl(h.aStart)}, {ui->Edit_bEnde, zahl(h.bEnde)}, {ui->Edit_delta_x, zahl(h.delta_x)},
        {ui->Edit_xBeschrift, QString::fromStdString(KOS_Stil.Beschriftung_x)},
        {ui->Edit_yBeschrift, QString::fromStdString(KOS_Stil.Beschriftung_y)},
        {ui->Edit_fSchar, QString::fromStdString(terme.Term_f)}, {ui->Edit_gSchar, QString::fromStdString(terme.Term_g)},
        {ui->Edit_hSchar, QString::fromStdString(terme.Term_h)}};
    for (const auto& [feld, text] : texte) feld->setText(text);
}

void TForm1::Gruppe_Haken_und_Listen() {
    const KOS_Einstellungen& k = KOS_Stil;
    const std::pair<QCheckBox*, bool> haken[] = {
        {ui->CheckBox_xAchse, k.xAchse_an}, {ui->CheckBox_yAchse, k.yAchse_an},
        {ui->CheckBox_Skalierung, k.Skala_an}, {ui->CheckBox_Zahlen_an_Achsen, k.Zahlen_an},
        {ui->CheckBox_loeschen, Plotauftrag{}.loeschen}, {ui->CheckBox_Achsen_dick, k.Achsenbreite > 1},
        {ui->CheckBox_DatenPkte_verbinden, Marken.DatenPkte_verbinden},
        {ui->CheckBox_Fixkomma, Zahlausgabe.Fixkomma}, {ui->CheckBox_Bruchdarstellung, Zahlausgabe.Bruchdarstellung},
        {ui->CheckBox_alle_t_verwenden, Scharbereich{}.alle_t}, {ui->CheckBox_Punkte, false},
        {ui->CheckBox_Achsen_automatisch_beschriften, true}, {ui->CheckBox_Textmodus, false}};
    for (const auto& [box, an] : haken) Haken(box, an);
    {
        // Its handler would plot the old world window before the fields are read
        // (and complain about it); the picture is drawn at the end anyway.
        QSignalBlocker still(ui->CheckBox_Grobraster);
        Haken(ui->CheckBox_Grobraster, k.Grobraster);
    }
    const Hauptfensterzustand& h = Hauptfenster;
    const std::pair<QCheckBox*, const Kurvenstil&> kurven[] = {
        {ui->CheckBox_Schar_f_zeichnen, h.f}, {ui->CheckBox_Schar_g_zeichnen, h.g},
        {ui->CheckBox_Schar_h_zeichnen, h.h}, {ui->CheckBox_Schar_fs_zeichnen, h.fs},
        {ui->CheckBox_Schar_fs2_zeichnen, h.fs2}, {ui->CheckBox_Schar_fs3_zeichnen, h.fs3},
        {ui->CheckBox_f_invers_zeichnen, h.f_invers}, {ui->CheckBox_Integralfunktion, h.F},
        {ui->CheckBox_Schar_kr_zeichnen, h.kr}, {ui->CheckBox_x_gleich_a, h.x_gleich_a},
        {ui->CheckBox_x_gleich_b, h.x_gleich_b}};
    for (const auto& [box, stil] : kurven) Haken(box, stil.zeichnen);
    // A box that was already unticked ran no handler: its sample goes blank anyway.
    for (TBild* probe : findChildren<TBild*>())
        if (probe != ui->Image1) { Image_loeschen(probe->Bild()); probe->update(); }

    const std::pair<QComboBox*, int> listen[] = {
        {ui->ComboBox_Linienart, Marken.Linienart}, {ui->ComboBox_Punkteart, Marken.Punkteart},
        {ui->ComboBox_Flaechenfuellung, Marken.Fuellmuster}, {ui->ComboBox_Zahlenhoehe, k.Zahlenhoehe - 8},
        {ui->ComboBox_Nachkommastellen, Zahlausgabe.Nachkommastellen},
        {ui->ComboBox_Gesamtstellen, Zahlausgabe.Gesamtstellen - 8},
        {ui->ComboBox_Integrationsmethode, Integration.Integrationsmethode == Methode_Romberg ? 1 : 0},
        {ui->ComboBox_PunktRadius, Marken.Punktradius}};
    for (const auto& [box, index] : listen) box->setCurrentIndex(index);
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
