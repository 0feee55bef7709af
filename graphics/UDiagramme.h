// The charts of one-dimensional statistics drawn into the main picture in its world
// window: bars (with category texts under the axis), histogram bars by density, the
// four box plots and the pie chart with its labels. Lines, fills and points use the
// current marks (Marken); the data and key figures come from stats/UStatistik.
#pragma once
#include "stats/UStatistik.h"

#include <QImage>
#include <span>
#include <string>
#include <vector>

// Bars of half-width Δx/4 from 0 to y at each point, first white, then in the fill
// pattern; with texts, texts[i] under the axis at the left edge of bar i.
void Saeulen_zeichnen(QPaintDevice& bild, std::span<const TPunkt> punkte, Extended delta_x,
                      const std::vector<std::string>* texte, int textgroesse);
// The plain black line at y = 0 that stands in for the x axis under category texts.
void Grundlinie_zeichnen(QPaintDevice& bild);
// Class i from klassen[i].x to klassen[i].y with height h[i] / width (area = frequency).
void Histogramm_zeichnen(QPaintDevice& bild, std::span<const TPunkt> klassen, std::span<const Extended> h);
// Box plot of chart type 2..5 around y = 2k - 1 for sorted, merged data with integer frequencies.
void Boxplot_zeichnen(QPaintDevice& bild, const TKennzahlen& z, const TWertpaare& daten, int typ, int k);
// The sectors in the colours of the family cycle, each label nudged into the picture.
void Kreisdiagramm_zeichnen(QPaintDevice& bild, const TKreis& kreis, const std::vector<TSektor>& sektoren,
                            const std::vector<std::string>& texte, int textgroesse);
