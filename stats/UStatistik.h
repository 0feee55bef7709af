// One-dimensional statistics of the table's columns 1 and 2: values with their
// frequencies, sorted and merged into a frequency table, the key figures (mean,
// standard deviations, weighted median and quartiles, fences), the histogram
// classes and the sectors of a pie chart. Routines compute and return data; the
// *_ausgeben routines write it into the table.
#pragma once
#include "numeric/UMatheBasisOp.h"
#include "table/UStringGrid.h"

#include <string>
#include <vector>

// A value with its frequency, in the order read from the table.
struct TWertpaar { Extended x = 0, h = 0; };
using TWertpaare = std::vector<TWertpaar>;

// Chart types, numbered as the items of the chart combo box.
enum Diagrammtyp : int {
    Diagramm_Polygon = 0, Diagramm_Saeulen = 1, Diagramm_Boxplot = 2, Diagramm_Boxplot_mod = 3,
    Diagramm_Boxplot_Daten = 4, Diagramm_Boxplot_mod_Daten = 5, Diagramm_Kreis = 6, Diagramm_Histogramm = 7
};

struct TKennzahlen {
    Extended N = 0, Mittel = 0, s_n = 0, s_n1 = 0, Min = 0, Q1 = 0, Median = 0, Q3 = 0, Max = 0,
             IQR = 0, zu = 0, zo = 0;
    bool Datenfehler = false;
};

// The five rows written instead of key figures, and the same as one message.
inline constexpr const char* Meldung_Datenfehler = "Es liegt ein Datenfehler vor !";

// Adjacent exchange sort that never exchanges equal values, so equal values keep
// their order; descending exchanges while the later value is larger.
void Daten_sortieren(TWertpaare& daten, bool aufsteigend);
bool Alle_ganzzahlig(const TWertpaare& daten);
// Merges runs of exactly equal values of sorted data, summing their frequencies.
TWertpaare Gleiche_zusammenfassen(const TWertpaare& sortiert);

// Weighted median of ascending values; frequencies count rounded to integers. The
// walk's position k (1-based), running sum c and half = N div 2 are returned too.
// Zero frequencies are skipped when the median falls between two observations.
// False when the frequencies sum to less than 1.
bool Median_gewichtet(const TWertpaare& daten, Extended& median, int& k, long long& c, long long& halb);
// Median and the medians of the two halves (the median itself in neither half when
// N is odd). A single observation is its own Q1 and Q3.
bool Quartile_berechnen(const TWertpaare& aufsteigend, Extended& median, Extended& q1, Extended& q3);

// Key figures of sorted, merged data with integer frequencies. Negative frequencies
// show the two-line message and set the data-error flag, as does a frequency sum of
// 0 or a sum that leaves the number range.
TKennzahlen Kennzahlen_berechnen(const TWertpaare& daten);

// Columns 5 to 7: the sorted table with absolute and relative frequencies. The
// relative ones need a frequency sum other than 0; false (and no "%" column) otherwise.
bool Haeufigkeitstabelle_ausgeben(TTabelle& T, const TWertpaare& daten);
void Kennzahlen_ausgeben(TTabelle& T, const TKennzahlen& k);

// Class borders "a;b" of a histogram row: a plain decimal number with the decimal
// comma on each side of the first ";".
enum class TKlassenfehler { keiner, kein_Semikolon, keine_Zahl, leeres_Intervall };
TKlassenfehler Klasse_lesen(const std::string& text, Extended& a, Extended& b, std::string& falscher_text);

// One sector of a pie chart: percentage, angle, cumulative angle and the end point
// on the circle, plus the middle direction's point for its label.
struct TSektor {
    Extended Prozent = 0, Winkel = 0, Winkel_kumuliert = 0;
    TPunkt Ende, Mitte_Rand;
};
struct TKreis { TPunkt M; Extended R = 0; TPunkt Start; };
// Sectors of the values v on the circle (centre M, radius R) starting at its top.
// False when the values do not sum to a number other than 0.
bool Kreissektoren(const std::vector<Extended>& v, const TKreis& kreis, std::vector<TSektor>& sektoren);
// Columns 4, 5, 7 and 8 of each row: percentage, angle and end point.
void Kreissektoren_ausgeben(TTabelle& T, const std::vector<TSektor>& sektoren);
