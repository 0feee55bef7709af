// The group " 1dim. Statistik - Spalten 1;2 " of TForm6: reading columns 1 and 2,
// the frequency table and key figures, and the eight charts in the main picture.
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "ui_Statistik_Gruppen.h"

#include "app/Fenster.h"
#include "app/UTessara/TBild.h"
#include "app/UTessara/UTessara.h"
#include "app/UTessara/UTessara_Zustand.h"
#include "graphics/UDiagramme.h"
#include "graphics/UGrafik.h"
#include "graphics/U_KOS.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"

#include <QSignalBlocker>
#include <algorithm>

void Statistik_Gruppen_loeschen::operator()(Ui::TStatistik_Gruppen* g) const { delete g; }

void TForm6::Statistik_einrichten() {
    statistik_ui.reset(new Ui::TStatistik_Gruppen);
    auto* flaeche = new QWidget(this);
    statistik_ui->setupUi(flaeche);
    flaeche->setGeometry(6, 500, 800, 156);
    auto& s = *statistik_ui;
    s.ComboBox_DiagrammTyp->setCurrentIndex(Diagramm_Boxplot);
    s.ComboBox_RegressionsModelle->setCurrentIndex(1);
    connect(s.SpeedButton_Diagramm_zeichnen, &QToolButton::clicked, this, &TForm6::SpeedButton_Diagramm_zeichnenClick);
    connect(s.ComboBox_DiagrammTyp, &QComboBox::currentIndexChanged, this, &TForm6::ComboBox_DiagrammTypChange);
    connect(s.ComboBox_DiagrPlotNr, &QComboBox::currentIndexChanged, this, &TForm6::ComboBox_DiagrPlotNrChange);
    connect(s.SpeedButton_Regressionsmodell_starten, &QToolButton::clicked, this,
            &TForm6::SpeedButton_Regressionsmodell_startenClick);
    connect(s.ComboBox_RegressionsModelle, &QComboBox::currentIndexChanged, this,
            &TForm6::ComboBox_RegressionsModelleChange);
    connect(s.CheckBox_2_Regressionsgeraden, &QCheckBox::clicked, this, &TForm6::CheckBox_2_RegressionsgeradenClick);
    connect(s.SpeedButton_Schwerpunkt_zeichnen, &QToolButton::clicked, this, &TForm6::SpeedButton_Schwerpunkt_zeichnenClick);
    connect(s.SpeedButton_senkrechte_Entfernungen, &QToolButton::clicked, this,
            &TForm6::SpeedButton_senkrechte_EntfernungenClick);
    connect(s.SpeedButton_waagerechte_Entfernungen, &QToolButton::clicked, this,
            &TForm6::SpeedButton_waagerechte_EntfernungenClick);
    connect(s.SpeedButton_Interpolationspolynom, &QToolButton::clicked, this,
            &TForm6::SpeedButton_InterpolationspolynomClick);
    connect(s.SpeedButtonSplineInterpolation, &QToolButton::clicked, this, &TForm6::SpeedButtonSplineInterpolationClick);
    connect(s.SpeedButton_Trassierung, &QToolButton::clicked, this, &TForm6::SpeedButton_TrassierungClick);
}

void TForm6::Statistik_Vorgaben() {
    statistik_ui->ComboBox_DiagrammTyp->setCurrentIndex(Diagramm_Polygon);
    statistik_ui->ComboBox_RegressionsModelle->setCurrentIndex(1);
    statistik_ui->ComboBox_DiagrPlotNr->setCurrentIndex(0);
}

void TForm6::Diagrammtyp_waehlen(int typ) {
    QSignalBlocker still(statistik_ui->ComboBox_DiagrammTyp);
    statistik_ui->ComboBox_DiagrammTyp->setCurrentIndex(typ);
    ComboBox_DiagrammTypChange(typ);
}

void TForm6::Regressionsmodell_waehlen(int modell) {
    QSignalBlocker still(statistik_ui->ComboBox_RegressionsModelle);
    statistik_ui->ComboBox_RegressionsModelle->setCurrentIndex(modell);
    ComboBox_RegressionsModelleChange(modell);
}

void TForm6::ComboBox_DiagrammTypChange(int index) {
    statistik_.Diagrammtyp = std::clamp(index, 0, 7);
    statistik_.Histogramm = index == Diagramm_Histogramm;
}

void TForm6::ComboBox_DiagrPlotNrChange(int index) { statistik_.Boxplot_Nr = std::clamp(index + 1, 1, 7); }

void TForm6::SpeedButton_Diagramm_zeichnenClick() {
    if (!Form1) return;
    if (statistik_.Diagrammtyp == Diagramm_Kreis) Form1->y_Bereich_wie_x();
    TWerteliste& w1 = Arbeitslisten.Werte1;
    TWerteliste& w2 = Arbeitslisten.Werte2;
    TWertpaare daten;
    std::vector<TPunkt> klassen;
    int n = Spalte_einlesen(Tabelle, 1, w1);
    if (n >= 1) {
        statistik_.Textmodus = false;
        if (statistik_.Histogramm) {   // classes are texts "a;b", never plain numbers
            Dialog().Meldung("Spalte1 fehlerhaft !");
            return;
        }
        const int m = Spalte_einlesen(Tabelle, 2, w2);
        if (m != 0 && m != n) {
            Dialog().Meldung("Listen unterschiedlich lang !");
            return;
        }
        for (int i = 0; i < n; ++i) daten.push_back({w1[size_t(i)], m == 0 ? 1 : w2[size_t(i)]});
    } else {
        statistik_.Textmodus = true;
        n = Spalte_einlesen(Tabelle, 2, w2);
        if (n == 0) {
            Dialog().Meldung("Keine Daten !");
            return;
        }
        for (int i = 1; i <= n; ++i) {
            if (statistik_.Histogramm) {
                Extended a = 0, b = 0;
                std::string falsch;
                switch (Klasse_lesen(Tabelle.Zelle(1, i), a, b, falsch)) {
                    case TKlassenfehler::kein_Semikolon: Dialog().Meldung("Spalte1 fehlerhaft !"); return;
                    case TKlassenfehler::keine_Zahl:
                        Dialog().Meldung("'" + falsch + "' ist kein gültiger Gleitkommawert");
                        return;
                    case TKlassenfehler::leeres_Intervall: Dialog().Meldung("falsches Intervall in Spalte1 !"); return;
                    case TKlassenfehler::keiner: break;
                }
                klassen.push_back({a, b});
            }
            w1[size_t(i - 1)] = i;
            daten.push_back({Extended(i), w2[size_t(i - 1)]});
        }
    }
    Diagramm_zeichnen(daten, klassen);
}

namespace {

void Punkteliste_setzen(const std::vector<TPunkt>& p) {
    const size_t n = std::min(p.size(), size_t(Max_Werte));
    std::copy_n(p.begin(), n, Arbeitslisten.Punkte.begin());
    Arbeitslisten.Punktanzahl = int32_t(n);
}

std::vector<TPunkt> Als_Punkte(const TWertpaare& d) {
    std::vector<TPunkt> p;
    for (const TWertpaar& w : d) p.push_back({w.x, w.h});
    return p;
}

std::vector<std::string> Spalte1_Texte(int n) {
    std::vector<std::string> t;
    for (int i = 1; i <= n; ++i) t.push_back(Tabelle.Zelle(1, i));
    return t;
}

}  // namespace

void TForm6::Diagramm_zeichnen(const TWertpaare& daten, const std::vector<TPunkt>& klassen) {
    const int typ = statistik_.Diagrammtyp;
    const bool ganzzahlig = Alle_ganzzahlig(daten);
    TWertpaare sortiert = daten;
    TKennzahlen z;
    bool kennzahlen = false;
    if (!statistik_.Histogramm) {
        Daten_sortieren(sortiert, true);
        if (ganzzahlig) {
            sortiert = Gleiche_zusammenfassen(sortiert);
            const bool summe_da = Haeufigkeitstabelle_ausgeben(Tabelle, sortiert);
            const bool negativ = std::any_of(sortiert.begin(), sortiert.end(), [](const TWertpaar& p) { return p.h < 0; });
            // The frequencies sum to 0: no percentages and no key figures can be formed.
            if (!summe_da && !negativ) Dialog().Meldung(Meldung_Datenfehler);
            z = Kennzahlen_berechnen(sortiert);
            Kennzahlen_ausgeben(Tabelle, z);
            kennzahlen = true;
        }
    }
    Punkteliste_setzen(statistik_.Histogramm ? klassen : Als_Punkte(sortiert));
    TBild* bildfeld = Form1->Image1();
    QImage& bild = bildfeld->Bild();
    const std::span<const TPunkt> punkte(Arbeitslisten.Punkte.data(), size_t(Arbeitslisten.Punktanzahl));
    switch (typ) {
        case Diagramm_Polygon:
            Marken.Verbindungsfarbe = Marken.Linienfarbe;
            Marken.Verbindungsart = Marken.Linienart;
            Marken.DatenPkte_verbinden = true;
            Punkte_zeichnen(bild, punkte);
            break;
        case Diagramm_Saeulen: {
            std::vector<std::string> texte;
            if (statistik_.Textmodus) {
                Form1->x_Achse_aus();
                KOS_zeichnen(bild);
                Grundlinie_zeichnen(bild);
                texte = Spalte1_Texte(int(punkte.size()));
            }
            Saeulen_zeichnen(bild, punkte, Hauptfenster.delta_x, statistik_.Textmodus ? &texte : nullptr,
                             Hauptfenster.Text.Groesse);
            break;
        }
        case Diagramm_Histogramm: {
            std::vector<Extended> h;
            for (const TWertpaar& p : daten) h.push_back(p.h);
            Histogramm_zeichnen(bild, punkte, h);
            break;
        }
        case Diagramm_Kreis: {
            const TKreis kreis{{(KOS.xli + KOS.xre) / 2, (KOS.yu + KOS.yo) / 2}, 0.4L * (KOS.yo - KOS.yu), {}};
            TKreis k = kreis;
            k.Start = {kreis.M.x, kreis.M.y + kreis.R};
            std::vector<Extended> v;
            for (const TWertpaar& p : daten) v.push_back(p.h);
            std::vector<TSektor> sektoren;
            if (!Kreissektoren(v, k, sektoren)) {
                Dialog().Meldung(Meldung_Datenfehler);
                break;
            }
            Kreissektoren_ausgeben(Tabelle, sektoren);
            Kreisdiagramm_zeichnen(bild, k, sektoren, Spalte1_Texte(int(v.size())), Hauptfenster.Text.Groesse);
            break;
        }
        default:   // the four box plots need key figures of integer frequencies
            if (!kennzahlen) Dialog().Meldung("Boxplots nur mit ganzzahligen Häufigkeiten !");
            else if (!z.Datenfehler) Boxplot_zeichnen(bild, z, sortiert, typ, statistik_.Boxplot_Nr);
            break;
    }
    Marken.DatenPkte_verbinden = false;
    bildfeld->update();
}
