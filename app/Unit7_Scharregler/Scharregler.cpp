#include "app/Unit7_Scharregler/Scharregler.h"

#include "app/UTessara/UTessara.h"
#include "numeric/UMatheBasisOp.h"
#include "platform/Dialoge.h"
#include "ui_Scharregler.h"

#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {
// Rounding of min + k·step must not add a step that is not there.
constexpr Extended Schritt_Toleranz = 1e-9L;
}

int Reglerbereich::Schritte() const {
    return std::max(1, int(std::ceil((max - min) / schritt - Schritt_Toleranz)));
}

Extended Reglerbereich::Wert(int position) const {
    return position >= Schritte() ? max : min + position * schritt;
}

int Reglerbereich::Position(Extended t) const {
    if (!(t > min)) return 0;
    return std::clamp(int(std::lround((t - min) / schritt)), 0, Schritte());
}

const char* Reglerbereich_Fehler(Extended min, Extended max, Extended schritt) {
    if (!(max > min)) return "Fehler:  max <= min";
    if (!(schritt > 0)) return "Fehler:  Schritt <= 0";
    if (!((max - min) / schritt <= Reglerschritte_max + Schritt_Toleranz)) return "Fehler:  mehr als 10000 Schritte";
    return nullptr;
}

Scharregler::Scharregler(TForm1* hauptfenster)
    : QWidget(hauptfenster, Qt::Tool), ui(std::make_unique<Ui::Scharregler>()), hauptfenster_(hauptfenster),
      takt_(new QTimer(this)) {
    ui->setupUi(this);
    setObjectName("Scharregler");
    setWindowTitle(QString::fromUtf8("Scharparameter t"));
    takt_->setTimerType(Qt::PreciseTimer);
    connect(takt_, &QTimer::timeout, this, &Scharregler::Animationsschritt);
    connect(ui->Slider_t, &QSlider::valueChanged, this, &Scharregler::Slider_tChange);
    connect(ui->SpeedButton_Animation, &QToolButton::clicked, this, &Scharregler::SpeedButton_AnimationClick);
    connect(ui->Edit_Regler_min, &QLineEdit::editingFinished, this, &Scharregler::Edit_Regler_minExit);
    connect(ui->Edit_Regler_max, &QLineEdit::editingFinished, this, &Scharregler::Edit_Regler_maxExit);
    connect(ui->Edit_Regler_schritt, &QLineEdit::editingFinished, this, &Scharregler::Edit_Regler_schrittExit);
    connect(ui->SpinEdit_Tempo, &QSpinBox::valueChanged, this, &Scharregler::SpinEdit_TempoChange);
    ui->Slider_t->setFocusPolicy(Qt::StrongFocus);
    ui->Slider_t->setSingleStep(1);
    auto text = [](Extended x) { return QString::fromStdString(Zahl_allgemein(x)); };
    gute_texte_[0] = text(bereich_.min), gute_texte_[1] = text(bereich_.max), gute_texte_[2] = text(bereich_.schritt);
    Slider_einrichten(bereich_.min);
}

Scharregler::~Scharregler() = default;

void Scharregler::Oeffnen(const QString& t1, const QString& t2, const QString& delta_t) {
    Anhalten();
    Reglerbereich neu = bereich_;
    bool gelesen = Zahl_aus_Term(t1.toStdString(), neu.min) && Zahl_aus_Term(t2.toStdString(), neu.max) &&
                   Zahl_aus_Term(delta_t.toStdString(), neu.schritt);
    const char* fehler = gelesen ? Reglerbereich_Fehler(neu.min, neu.max, neu.schritt) : nullptr;
    if (fehler) Dialog().Meldung(fehler);
    if (gelesen && !fehler) {
        bereich_ = neu;
        gute_texte_[0] = t1, gute_texte_[1] = t2, gute_texte_[2] = delta_t;
        Slider_einrichten(bereich_.min);
    }
    // A refused family range leaves the slider on its last good range.
    ui->Edit_Regler_min->setText(gute_texte_[0]);
    ui->Edit_Regler_max->setText(gute_texte_[1]);
    ui->Edit_Regler_schritt->setText(gute_texte_[2]);
    show();
    raise();
    activateWindow();
    ui->Slider_t->setFocus(Qt::OtherFocusReason);
}

bool Scharregler::Animation_laeuft() const { return takt_->isActive(); }

void Scharregler::Fremder_Befehl() {
    if (!im_schritt_) Anhalten();
}

// Positions keep their t as far as the new range allows; the picture is redrawn
// only when the slider is moved.
void Scharregler::Slider_einrichten(Extended t) {
    QSignalBlocker sperre(ui->Slider_t);
    int n = bereich_.Schritte();
    ui->Slider_t->setRange(0, n);
    ui->Slider_t->setPageStep(std::max(1, n / 10));
    ui->Slider_t->setTickInterval(std::max(1, n / 20));
    ui->Slider_t->setValue(bereich_.Position(t));
    Wert_zeigen(bereich_.Wert(ui->Slider_t->value()));
}

void Scharregler::Wert_zeigen(Extended t) { ui->Label_t_Wert->setText(QString::fromStdString(Zahl_allgemein(t))); }

void Scharregler::Slider_tChange(int position) {
    if (im_schritt_) return;
    Extended t = bereich_.Wert(position);
    Wert_zeigen(t);
    im_schritt_ = true;
    hauptfenster_->Scharparameter_setzen(t);
    im_schritt_ = false;
}

bool Scharregler::Bereich_uebernehmen(QLineEdit* feld, Extended Reglerbereich::*wert) {
    int index = feld == ui->Edit_Regler_min ? 0 : feld == ui->Edit_Regler_max ? 1 : 2;
    if (feld->text() == gute_texte_[index]) return true;
    Extended gelesen = 0;
    if (!Zahl_aus_Term(feld->text().toStdString(), gelesen)) {
        feld->setText(gute_texte_[index]);
        return false;
    }
    Reglerbereich neu = bereich_;
    neu.*wert = gelesen;
    if (const char* fehler = Reglerbereich_Fehler(neu.min, neu.max, neu.schritt)) {
        Dialog().Meldung(fehler);
        feld->setText(gute_texte_[index]);
        return false;
    }
    Extended t = bereich_.Wert(ui->Slider_t->value());
    Anhalten();
    bereich_ = neu;
    gute_texte_[index] = feld->text();
    Slider_einrichten(t);
    return true;
}

void Scharregler::Edit_Regler_minExit() { Bereich_uebernehmen(ui->Edit_Regler_min, &Reglerbereich::min); }
void Scharregler::Edit_Regler_maxExit() { Bereich_uebernehmen(ui->Edit_Regler_max, &Reglerbereich::max); }
void Scharregler::Edit_Regler_schrittExit() { Bereich_uebernehmen(ui->Edit_Regler_schritt, &Reglerbereich::schritt); }

void Scharregler::SpinEdit_TempoChange(int schritte_pro_sekunde) {
    if (takt_->isActive()) takt_->setInterval(1000 / std::clamp(schritte_pro_sekunde, 1, 30));
}

void Scharregler::SpeedButton_AnimationClick() {
    if (takt_->isActive()) {
        Anhalten();
        return;
    }
    richtung_ = 1;
    takt_->start(1000 / std::clamp(ui->SpinEdit_Tempo->value(), 1, 30));
    ui->SpeedButton_Animation->setChecked(true);
    ui->SpeedButton_Animation->setText("Pause");
}

void Scharregler::Anhalten() {
    takt_->stop();
    ui->SpeedButton_Animation->setChecked(false);
    ui->SpeedButton_Animation->setText("Start");
}

// The timer does not pile up ticks: a tick that finds the last redraw still
// running is dropped, so the picture never lags behind the slider.
void Scharregler::Animationsschritt() {
    if (im_schritt_) return;
    int n = bereich_.Schritte();
    int k = ui->Slider_t->value() + richtung_;
    if (ui->RadioButton_von_vorn->isChecked()) {
        richtung_ = 1;
        if (k > n) k = 0;
    } else if (k > n) {
        richtung_ = -1;
        k = n - 1;
    } else if (k < 0) {
        richtung_ = 1;
        k = 1;
    }
    ui->Slider_t->setValue(k);
}

void Scharregler::hideEvent(QHideEvent* ereignis) {
    Anhalten();
    QWidget::hideEvent(ereignis);
}
