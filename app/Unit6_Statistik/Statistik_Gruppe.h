// What the statistics, regression and interpolation groups of TForm6 keep besides
// their controls: the chosen chart and model, and the modes of the last reading.
#pragma once

namespace Ui { class TStatistik_Gruppen; }

struct Statistikzustand {
    int Diagrammtyp = 2;        // item of ComboBox_DiagrammTyp
    bool Histogramm = false;    // column 1 holds class intervals
    int Boxplot_Nr = 1;         // drawn around y = 2k - 1
    bool Textmodus = false;     // column 1 held category texts at the last reading
    int Modell = 1;             // item of ComboBox_RegressionsModelle
};

struct Statistik_Gruppen_loeschen { void operator()(Ui::TStatistik_Gruppen* g) const; };
