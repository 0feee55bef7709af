// The window itself: its controls' connections, key filters and leave handlers,
// the check boxes that switch modes, and the reset when the main window opens it.
#include "app/Unit3_Folgen/Unit3_Folgen.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "graphics/UGrafik.h"
#include "ui_Unit3_Folgen.h"

#include <QKeyEvent>
#include <charconv>

Folgenzustand Folgen;

namespace {

enum class Tastenfilter { Term, Zahl, Ganzzahl };

std::string Text(const QLineEdit* feld) { return feld->text().toStdString(); }
void Text_setzen(QLineEdit* feld, const char* text) { feld->setText(QString::fromUtf8(text)); }

// A whole number as the integer fields take it; false for anything else.
bool Ganzzahl_lesen(const std::string& text, int32_t& wert) {
    const char* a = text.data();
    const char* e = a + text.size();
    if (a != e && *a == '+') ++a;
    auto [rest, fehler] = std::from_chars(a, e, wert);
    return fehler == std::errc() && rest == e && a != e;
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    setObjectName("Form3");
    setWindowTitle(QString::fromUtf8("Parameterdarstellung Polarkoordinaten Folgen  Cobweb  Bifurkation"));
    setFixedSize(size());
    ui->Image_xt_yt->Neu_anlegen(27, 9);
    const std::pair<QLineEdit*, Tastenfilter> felder[] = {
        {ui->Edit_Folge, Tastenfilter::Term},          {ui->Edit_xParam, Tastenfilter::Term},
        {ui->Edit_yParam, Tastenfilter::Term},         {ui->Edit_x_n0, Tastenfilter::Zahl},
        {ui->Edit_y_n1, Tastenfilter::Zahl},           {ui->Edit_Param_k1, Tastenfilter::Zahl},
        {ui->Edit_Param_k2, Tastenfilter::Zahl},       {ui->Edit_delta_Phi, Tastenfilter::Zahl},
        {ui->Edit_Iterationstiefe, Tastenfilter::Ganzzahl}, {ui->Edit_n0, Tastenfilter::Ganzzahl}};
    for (const auto& [feld, filter] : felder) {
        feld->setProperty("tessara_filter", int(filter));
        feld->installEventFilter(this);
    }
    Verbindungen_herstellen();
}

TForm3::~TForm3() = default;

void TForm3::Verbindungen_herstellen() {
    // A box's handler runs whenever its state changes, also when another handler
    // changes it: the two recursion boxes rely on that.
    const std::pair<QCheckBox*, void (TForm3::*)()> haken[] = {
        {ui->CheckBox_rekursiv, &TForm3::CheckBox_rekursivClick},
        {ui->CheckBox_rekursivxy, &TForm3::CheckBox_rekursivxyClick},
        {ui->CheckBox_Web, &TForm3::CheckBox_WebClick},
        {ui->CheckBox_Folge, &TForm3::CheckBox_FolgeClick},
        {ui->CheckBox_Polar_Wahl, &TForm3::CheckBox_Polar_WahlClick},
        {ui->CheckBox_Param, &TForm3::CheckBox_ParamClick}};
    for (const auto& [box, handler] : haken) connect(box, &QCheckBox::toggled, this, handler);
    connect(ui->SpeedButton_PolarPlot, &QToolButton::clicked, this, &TForm3::SpeedButton_PolarPlotClick);
    connect(ui->SpeedButton_Folge_in_Tabelle, &QToolButton::clicked, this, &TForm3::SpeedButton_Folge_in_TabelleClick);
    connect(ui->SpeedButton_Polar_in_Tabelle, &QToolButton::clicked, this, &TForm3::SpeedButton_Polar_in_TabelleClick);
    connect(ui->SpeedButton_Bifurkation, &QToolButton::clicked, this, &TForm3::SpeedButton_BifurkationClick);
}

bool TForm3::eventFilter(QObject* ziel, QEvent* ereignis) {
    auto* feld = qobject_cast<QLineEdit*>(ziel);
    if (!feld) return QWidget::eventFilter(ziel, ereignis);
    const auto filter = Tastenfilter(feld->property("tessara_filter").toInt());
    switch (ereignis->type()) {
    case QEvent::KeyPress: {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (feld == ui->Edit_xParam && taste->key() == Qt::Key_Down) {
            if (ui->Edit_yParam->isEnabled()) ui->Edit_yParam->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (feld == ui->Edit_yParam && taste->key() == Qt::Key_Up) {
            ui->Edit_xParam->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) break;
        const auto zeichen = taste->text().toUcs4();
        if (zeichen.size() != 1) break;
        char32_t ein = zeichen[0] == U'\n' ? Taste_Enter : zeichen[0];
        if (ein == Taste_Enter) {
            focusNextChild();
            return true;
        }
        const char32_t aus = filter == Tastenfilter::Term ? Taste_Term(ein)
                             : filter == Tastenfilter::Zahl ? Taste_Zahl(ein) : Taste_Ganzzahl(ein);
        if (aus == 0) return true;
        if (aus != ein) {
            feld->insert(QString::fromUcs4(&aus, 1));
            return true;
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (filter == Tastenfilter::Term) {
            feld->selectAll();
            return true;
        }
        break;
    case QEvent::FocusOut: {
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason || im_verlassen_) break;
        im_verlassen_ = true;
        if (feld == ui->Edit_Folge) Edit_FolgeExit();
        else if (feld == ui->Edit_xParam) Edit_xParamExit();
        else if (feld == ui->Edit_yParam) Edit_yParamExit();
        else if (feld == ui->Edit_x_n0) Edit_x_n0Exit();
        else if (feld == ui->Edit_y_n1) Edit_y_n1Exit();
        else if (feld == ui->Edit_Param_k1) Edit_Param_k1Exit();
        else if (feld == ui->Edit_Param_k2) Edit_Param_k2Exit();
        else if (feld == ui->Edit_delta_Phi) Edit_delta_PhiExit();
        else if (feld == ui->Edit_Iterationstiefe) Edit_IterationstiefeExit();
        else if (feld == ui->Edit_n0) Edit_n0Exit();
        im_verlassen_ = false;
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(ziel, ereignis);
}

// --- fields ----------------------------------------------------------------------

void TForm3::Fokus_zurueck(QLineEdit* feld) {
    const bool vorher = im_verlassen_;
    im_verlassen_ = true;
    feld->setFocus(Qt::OtherFocusReason);
    im_verlassen_ = vorher;
}

// The variable keeps its value when the text fails.
bool TForm3::Zahl_aus_Edit(QLineEdit* feld, Extended& wert) {
    Extended gelesen = wert;
    if (Zahl_aus_Term(Text(feld), gelesen)) {
        wert = gelesen;
        return true;
    }
    Fokus_zurueck(feld);
    return false;
}

void TForm3::Term_verlassen(QLineEdit* feld) {
    feld->setText(QString::fromStdString(Zeichen_entfernen(Text(feld), ' ')));
    if (!Term_pruefen(Text(feld))) Fokus_zurueck(feld);
}

void TForm3::Edit_IterationstiefeExit() {
    int32_t tiefe = 0;
    if (Ganzzahl_lesen(Text(ui->Edit_Iterationstiefe), tiefe) && tiefe >= Tiefe_min && tiefe <= Tiefe_max) {
        Folgen.Iterationstiefe = tiefe;
        return;
    }
    Text_setzen(ui->Edit_Iterationstiefe, "500");
    Folgen.Iterationstiefe = Tiefe_Standard;
}

void TForm3::Edit_n0Exit() {
    if (Ganzzahl_lesen(Text(ui->Edit_n0), Folgen.n0)) return;
    Text_setzen(ui->Edit_n0, "1");
    Folgen.n0 = 1;
}

void TForm3::Edit_x_n0Exit() { Zahl_aus_Edit(ui->Edit_x_n0, Folgen.x_n0); }
void TForm3::Edit_y_n1Exit() { Zahl_aus_Edit(ui->Edit_y_n1, Folgen.y_n1); }
void TForm3::Edit_FolgeExit() { Term_verlassen(ui->Edit_Folge); }
void TForm3::Edit_xParamExit() { Term_verlassen(ui->Edit_xParam); }
void TForm3::Edit_yParamExit() { Term_verlassen(ui->Edit_yParam); }
void TForm3::Edit_Param_k1Exit() { Zahl_aus_Edit(ui->Edit_Param_k1, Folgen.Parameter_von); }
void TForm3::Edit_Param_k2Exit() { Zahl_aus_Edit(ui->Edit_Param_k2, Folgen.Parameter_bis); }
void TForm3::Edit_delta_PhiExit() { Zahl_aus_Edit(ui->Edit_delta_Phi, Folgen.Parameter_Schritt); }

// --- mode boxes --------------------------------------------------------------------

void TForm3::CheckBox_rekursivClick() {
    const bool an = ui->CheckBox_rekursiv->isChecked();
    if (an) {
        ui->CheckBox_rekursivxy->setChecked(false);
        ui->CheckBox_Folge->setChecked(true);
        Text_setzen(ui->Edit_Folge, "3,2x(1-x)");
        ui->Label_Folge->setText("g(x) =");
    } else {
        Text_setzen(ui->Edit_Folge, "5n/(2n+3)");
        ui->Label_Folge->setText("a(n) =");
        ui->CheckBox_Web->setChecked(false);
    }
    ui->Edit_x_n0->setEnabled(an);
    ui->Label_x_n0->setEnabled(an);
    ui->CheckBox_Web->setEnabled(an);
}

void TForm3::CheckBox_rekursivxyClick() {
    const bool an = ui->CheckBox_rekursivxy->isChecked();
    if (an) {
        ui->CheckBox_rekursiv->setChecked(false);
        ui->CheckBox_Folge->setChecked(true);
        Text_setzen(ui->Edit_Folge, "111-(1130-3000/x)/k");
        ui->Label_Folge->setText("g(x,k)=");
    } else {
        Text_setzen(ui->Edit_Folge, "5n/(2n+3)");
        ui->Label_Folge->setText("a(n) =");
        ui->CheckBox_Web->setChecked(false);
    }
    for (QWidget* w : {static_cast<QWidget*>(ui->Edit_x_n0), static_cast<QWidget*>(ui->Label_x_n0),
                       static_cast<QWidget*>(ui->Edit_y_n1), static_cast<QWidget*>(ui->Label_y_n1)})
        w->setEnabled(an);
}

void TForm3::CheckBox_WebClick() {
    const bool an = ui->CheckBox_Web->isChecked();
    if (!an) ui->CheckBox_nur_g_zeichnen->setChecked(false);
    ui->CheckBox_nur_g_zeichnen->setEnabled(an);
    ui->Label_Iterationstiefe->setEnabled(an);
    ui->Edit_Iterationstiefe->setEnabled(an);
}

void TForm3::CheckBox_FolgeClick() {
    if (ui->CheckBox_Folge->isChecked()) ui->CheckBox_Param->setChecked(false);
}

void TForm3::CheckBox_Polar_WahlClick() {
    const bool polar = ui->CheckBox_Polar_Wahl->isChecked();
    ui->Label_xParam->setText(polar ? "r(t) =" : "x(t) =");
    Text_setzen(ui->Edit_xParam, polar ? "1,2t·sin(7t)" : "x·cos(t)");
    if (!polar) Text_setzen(ui->Edit_yParam, "3x/5·sin(t)");
    ui->Edit_yParam->setEnabled(!polar);
    ui->Label_yParam->setEnabled(!polar);
    ui->CheckBox_Param->setText(polar ? "r(t)" : "x(t),y(t)");
    ui->CheckBox_Param->setToolTip(polar ? "r(t) zeichnen" : "x(t),y(t) zeichnen");
}

void TForm3::CheckBox_ParamClick() {
    TBild* probe = ui->Image_xt_yt;
    Image_loeschen(probe->Bild());
    probe->update();
    if (!ui->CheckBox_Param->isChecked()) return;
    if (Form1) Form1->Kurvenprobe_zeichnen(probe);
    Folgen.Kurvenfarbe = Marken.Linienfarbe;
    Folgen.Kurvenlinienart = Marken.Linienart;
    ui->CheckBox_Folge->setChecked(false);
}

// --- opening -----------------------------------------------------------------------

void TForm3::Oeffnen_vorbereiten() {
    const std::pair<QLineEdit*, const char*> texte[] = {
        {ui->Edit_n0, "1"},          {ui->Edit_x_n0, "0,5"},       {ui->Edit_Iterationstiefe, "500"},
        {ui->Edit_Param_k1, "-pi"},  {ui->Edit_Param_k2, "pi"},    {ui->Edit_delta_Phi, "pi/720"},
        {ui->Edit_xParam, "x·cos(t)"}, {ui->Edit_yParam, "3x/5·sin(t)"}, {ui->Edit_Folge, "5n/(2n+3)"}};
    for (const auto& [feld, text] : texte) Text_setzen(feld, text);
    ui->CheckBox_Web->setChecked(false);
    ui->CheckBox_Web->setEnabled(false);
    ui->Label_Iterationstiefe->setEnabled(false);
    ui->Edit_Iterationstiefe->setEnabled(false);
    for (QCheckBox* box : {ui->CheckBox_Polar_Wahl, ui->CheckBox_Param, ui->CheckBox_Folge, ui->CheckBox_Web,
                           ui->CheckBox_rekursiv})
        box->setChecked(false);
    Edit_x_n0Exit();
    Edit_n0Exit();
    Edit_IterationstiefeExit();
    Edit_Param_k1Exit();
    Edit_Param_k2Exit();
    Edit_delta_PhiExit();
}

Parameterkurve TForm3::Parameterkurve_lesen() const {
    Parameterkurve p;
    p.gewaehlt = ui->CheckBox_Param->isChecked();
    p.Kurve.polar = ui->CheckBox_Polar_Wahl->isChecked();
    p.Kurve.xTerm = Text(ui->Edit_xParam);
    p.Kurve.yTerm = Text(ui->Edit_yParam);
    p.Kurve.k1 = Folgen.Parameter_von;
    p.Kurve.k2 = Folgen.Parameter_bis;
    p.Kurve.dt = Folgen.Parameter_Schritt;
    return p;
}

Folgenart TForm3::Modus() const {
    if (ui->CheckBox_rekursiv->isChecked()) return Folgenart::rekursiv;
    if (ui->CheckBox_rekursivxy->isChecked()) return Folgenart::zweistufig;
    return Folgenart::explizit;
}
