// Window TForm6: "Statistik Interpolation Matrizenrechnung". Holds the program's one
// table (StringGrid1) and the buttons that act on it; the table routines themselves
// live in table/UStringGrid.
#pragma once
#include "app/Unit6_Statistik/Statistik_Gruppe.h"
#include "stats/UStatistik.h"

#include <QCursor>
#include <QWidget>
#include "engine/UFunktionsParser.h"

#include <memory>
#include <vector>

namespace Ui { class TForm6; }
class QMouseEvent;

class TForm6 : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;
    // What the main window's opener asks before showing the window: the window's
    // own defaults, a freshly set up (empty) table and no marked range.
    void Oeffnen_vorbereiten();
    // The choices of the statistics groups when the main window opens this window:
    // chart item 0 ("Häufigk.polygon"), model item 1 ("m·x+b") and box plot 1.
    void Statistik_Vorgaben();
    // The test data's choices: a chart type or regression model as if picked by hand.
    void Diagrammtyp_waehlen(int typ);
    void Regressionsmodell_waehlen(int modell);

public slots:
    void SpeedButton_Tabelle_loeschenClick();
    void SpeedButton_Spalte_loeschenClick();
    void SpeedButton_Zeile_loeschenClick();
    void SpeedButton_Schiebe_SpalteClick();
    void SpeedButton_Schiebe_ZeileClick();
    void SpeedButton_Zelle_1_1Click();
    void SpeedButton_Zellen_kopierenClick();
    void SpeedButton_TabellenBereich_zu_TextdateiClick();
    void SpeedButton_BruchdarstellungClick();
    void SpeedButton_DezimalbruchClick();
    void SpeedButton_Punkte_einzeichnenClick();
    void ComboBox_Punkte_ab_SpalteChange(int index);
    // Selection with the right mouse button (positions in the grid's viewport).
    void StringGrid1MouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void StringGrid1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void StringGrid1MouseUp(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    // The table as a CSV file (Tabelle_Datei.cpp); Ctrl+S and Ctrl+O in this window.
    void Tabelle_speichern();
    void Tabelle_oeffnen();
    // Statistics, regression and interpolation groups (Statistik_Gruppe.cpp, Regression_Gruppe.cpp)
    void SpeedButton_Diagramm_zeichnenClick();
    void ComboBox_DiagrammTypChange(int index);
    void ComboBox_DiagrPlotNrChange(int index);
    void SpeedButton_Regressionsmodell_startenClick();
    void ComboBox_RegressionsModelleChange(int index);
    void CheckBox_2_RegressionsgeradenClick();
    void SpeedButton_Schwerpunkt_zeichnenClick();
    void SpeedButton_senkrechte_EntfernungenClick();
    void SpeedButton_waagerechte_EntfernungenClick();
    void SpeedButton_InterpolationspolynomClick();
    void SpeedButtonSplineInterpolationClick();
    void SpeedButton_TrassierungClick();

    // Matrix group (Unit6_Matrix.cpp)
    void SpeedButton_MatrixOpsClick();
    void Edit_Mat_nExit();
    void Edit_skalar_rExit();
    // Column buttons and constructions (Unit6_Spalten.cpp)
    void SpeedButton_SpaltensummeClick();
    void SpeedButton_kumulierte_SummeClick();
    void SpeedButton_SkalarproduktClick();
    void SpeedButton_VektorProduktClick();
    void SpeedButton_Addiere_zu_SpalteClick();
    void SpeedButton_Multipliziere_mit_SpalteClick();
    void SpeedButton_Spalte_durch_Spalte1Click();
    void SpeedButton_BinomialverteilungClick();
    void SpeedButtonLehmerzahlenClick();
    void SpeedButton_Rechteck_einzeichnenClick();
    void SpeedButton_regelm_VieleckeClick();
    void SpeedButtonLot_P1_fClick();
    void SpeedButtonMittelpunktABClick();
    // Test data (Unit6_Testdaten.cpp)
    void SpeedButton_Testdaten_LinRegClick();
    void SpeedButton_Testdaten_DreieckClick();
    void SpeedButton_Testdaten_SaeulendiagrammClick();
    void SpeedButton_Testdaten_BoxplotsClick();
    void SpeedButton_Testdaten_HistoClick();
    void SpeedButton_Testdaten_LGSClick();
    void SpeedButton_Testdaten_KreisdiagrammClick();

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    void Tabelle_Datei_einrichten();
    void Statistik_einrichten();
    void Diagramm_zeichnen(const TWertpaare& daten, const std::vector<TPunkt>& klassen);
    void Entfernungen_zeichnen(bool senkrecht);
    void Matrixgruppe_verbinden();
    void Spaltenknoepfe_verbinden();
    void Testdaten_verbinden();
    bool Skalar_r_lesen(Extended& r);   // shows the engine's message on failure
    void Ergebnis_zeigen(int zeile);   // scrolls so that the row above `zeile` is the first visible

    std::unique_ptr<Ui::TForm6> ui;
    std::unique_ptr<Ui::TStatistik_Gruppen, Statistik_Gruppen_loeschen> statistik_ui;
    Statistikzustand statistik_;
    bool Mat_n_Fehler_ = false;   // the last text left in Edit_Mat_n was no integer
    QCursor auswahlcursor_;
    int anker_spalte_ = -1, anker_zeile_ = -1;   // where the right-button range started
};
