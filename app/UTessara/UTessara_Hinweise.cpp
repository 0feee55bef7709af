// The analysis buttons' hints kept up to date: built from the curve boxes whenever
// one of them changes, and again when the mouse comes over a button (the tangent
// also looks at the sequences window, whose boxes do not tell this window).
#include "app/UTessara/UTessara_Hinweise.h"

#include "app/Fenster.h"
#include "app/UTessara/UTessara.h"
#include "app/Unit3_Folgen/Unit3_Folgen.h"
#include "ui_UTessara.h"

#include <QEvent>
#include <functional>

namespace {

// The curve the four-way buttons work on: f and g together, else the first ticked.
enum class Wahl { f_und_g, f, g, h, keine };

Wahl Waehlen(const Hinweislage& l) {
    if (l.f && l.g) return Wahl::f_und_g;
    if (l.f) return Wahl::f;
    if (l.g) return Wahl::g;
    if (l.h) return Wahl::h;
    return Wahl::keine;
}

// One text per choice, in the order of Wahl.
std::string Nach_Wahl(Wahl w, const char* const (&texte)[5]) { return texte[int(w)]; }

// Runs its action whenever the mouse enters or moves over the watched control or
// its hint is about to show.
class Hinweisfilter : public QObject {
public:
    Hinweisfilter(QObject* eltern, std::function<void()> aktion) : QObject(eltern), aktion_(std::move(aktion)) {}
    bool eventFilter(QObject* ziel, QEvent* e) override {
        auto typ = e->type();
        if (typ == QEvent::Enter || typ == QEvent::MouseMove || typ == QEvent::ToolTip) aktion_();
        return QObject::eventFilter(ziel, e);
    }

private:
    std::function<void()> aktion_;
};

}  // namespace

Werkzeughinweise Werkzeughinweise_bilden(const Hinweislage& l) {
    Werkzeughinweise w;
    const Wahl wahl = Waehlen(l);
    w.Schnitt = Nach_Wahl(wahl, {"Schnittstellen von f, g im Intervall [a;b] berechnen",
                                 "Nullstellen von f im Intervall [a;b] berechnen",
                                 "Nullstellen von g im Intervall [a;b] berechnen",
                                 "Nullstellen von h im Intervall [a;b] berechnen",
                                 "Schnittstellen:  Bitte Haken bei f und/oder g oder bei h setzen !"});
    w.Flaeche = Nach_Wahl(wahl, {"Fläche zwischen f und g in [a;b] färben",
                                 "Fläche zwischen f und x-Achse in [a;b] färben",
                                 "Fläche zwischen g und x-Achse in [a;b] färben",
                                 "Fläche zwischen h und x-Achse in [a;b] färben",
                                 "Fläche färben:  Bitte Haken bei f und/oder g oder bei h setzen !"});
    w.Integral = Nach_Wahl(wahl, {"Integral zwischen f und g", "Integral zwischen f und x-Achse",
                                  "Integral zwischen g und x-Achse", "Integral zwischen h und x-Achse",
                                  "Integral:  Bitte Haken bei f und/oder g oder bei h setzen !"});
    // The solid of revolution is taken of f and g only.
    Hinweislage ohne_h = l;
    ohne_h.h = false;
    w.Rotation = Nach_Wahl(Waehlen(ohne_h), {"Rotationsintegral zwischen f und g",
                                             "Rotationsintegral zwischen f und x-Achse",
                                             "Rotationsintegral zwischen g und x-Achse", "",
                                             "Rotationsintegral:  Bitte Haken bei f und/oder g setzen !"});
    const char* kurve = l.f ? "f" : l.g ? "g" : l.h ? "h" : nullptr;
    w.Bogen = kurve ? std::string("Bogenlänge von ") + kurve : "Bogenlänge:  Bitte Haken bei f, g oder h setzen !";
    if (kurve)
        w.Tangente = std::string("Tangente an ") + kurve + " im Punkt P(a/y) anlegen";
    else if (l.Parameterkurve && !l.polar)
        w.Tangente = "Tangente an P(x(t),y(t)) für Winkel t=a anlegen";
    else
        w.Tangente = "Bitte Haken bei f oder g oder h oder x(t),y(t) setzen !";
    w.Wertetabelle = l.F_tabellieren ? "Wertetabelle f,g,h,f',f\",f\"',kr,F in [a;b]"
                                     : "Wertetabelle f,g,h,f',f\",f\"',kr  in [a;b]";
    return w;
}

void TForm1::Werkzeughinweise_setzen() {
    Hinweislage l;
    l.f = ui->CheckBox_Schar_f_zeichnen->isChecked();
    l.g = ui->CheckBox_Schar_g_zeichnen->isChecked();
    l.h = ui->CheckBox_Schar_h_zeichnen->isChecked();
    if (Form3) {
        Parameterkurve p = Form3->Parameterkurve_lesen();
        l.Parameterkurve = p.gewaehlt;
        l.polar = p.Kurve.polar;
    }
    l.F_tabellieren = ui->CheckBox_Integralfunktion_tabellieren->isChecked();
    const Werkzeughinweise w = Werkzeughinweise_bilden(l);
    const std::pair<QWidget*, const std::string*> ziele[] = {
        {ui->SpeedButton_Schnitt_f_g, &w.Schnitt},     {ui->SpeedButton_Flaeche_schraffieren, &w.Flaeche},
        {ui->SpeedButton_Integral_f_g, &w.Integral},   {ui->SpeedButton_Rotationsintegral, &w.Rotation},
        {ui->SpeedButton_Bogenlaenge, &w.Bogen},       {ui->SpeedButton_Tangente, &w.Tangente},
        {ui->SpeedButton_Schar_in_Tabelle, &w.Wertetabelle}};
    for (const auto& [knopf, text] : ziele) knopf->setToolTip(QString::fromStdString(*text));
}

void TForm1::Hinweise_anbinden() {
    for (QCheckBox* box : {ui->CheckBox_Schar_f_zeichnen, ui->CheckBox_Schar_g_zeichnen, ui->CheckBox_Schar_h_zeichnen,
                           ui->CheckBox_Integralfunktion_tabellieren})
        connect(box, &QCheckBox::toggled, this, &TForm1::Werkzeughinweise_setzen);
    auto* filter = new Hinweisfilter(this, [this] { Werkzeughinweise_setzen(); });
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui->SpeedButton_Schnitt_f_g, ui->SpeedButton_Flaeche_schraffieren, ui->SpeedButton_Integral_f_g,
             ui->SpeedButton_Rotationsintegral, ui->SpeedButton_Bogenlaenge, ui->SpeedButton_Tangente,
             ui->SpeedButton_Schar_in_Tabelle, ui->CheckBox_Integralfunktion_tabellieren})
        w->installEventFilter(filter);
    Werkzeughinweise_setzen();
}
