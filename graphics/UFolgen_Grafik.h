// Pictures of sequences and curves in the main image: the time series, the cobweb
// with its arrows and the written finding about a limit or cycle, the bifurcation
// pixels, and parametric and polar curves for a whole family.
#pragma once
#include "graphics/UGrafik.h"
#include "graphics/UKurven.h"
#include "numeric/UFolgen.h"

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

// The font the user chose for texts in the picture.
struct Textschrift {
    std::string Name = "Arial";
    int Groesse = 10;
    Schriftstil Stil = Schriftstil::normal;
    uint32_t Farbe = 0xFF0000;   // blue
};

// (n; a(n)) as point symbols with the current marks; a failed entry is left out and
// the points on either side of it are not joined.
void Zeitreihe_zeichnen(QPaintDevice& bild, const Folge& folge);

struct Spinnwebvorgabe {
    std::string g;                     // drawn in red over [xa; xe] with the diagonal y = x
    Extended xa = -8, xe = 8;
    uint32_t Linienfarbe = Farbe_blau;
    int Linienart = 1;                 // 4 and 5: arrows on the steps
    bool nur_g = false;                // diagonal and g only
    Textschrift Schrift;
};
// Which text the cobweb wrote into the picture, for whoever wants to know.
enum class Spinnwebende { nur_g, entwichen, abgebrochen, Grenzwert, Haeufungswerte, kein_Grenzwert };
// Diagonal, g (a family over Schar when g has k or t), the web from the start value on
// the x axis, then the finding: escape ("Vermutlich kein Grenzwert !"), limit, cycle of
// accumulation points or none. A recursion that broke off ends the web without a finding.
Spinnwebende Spinnweb_zeichnen(QPaintDevice& bild, const Folge& folge, const Spinnwebvorgabe& v);

// Sets the flagged pixels (row after row, as Bifurkation_berechnen gives them).
void Bifurkation_zeichnen(QPaintDevice& bild, const std::vector<uint8_t>& pixel, uint32_t farbe);

// One curve of v for each family value; with farbig the members take Farbe_nach_Index
// of their pass number. The pen lifts at failed points and at the start of every member.
// Each curve has at most Kurvenpunkte_max points, and the family together at most
// Scharpunkte_max; gives the points each curve was cut to, 0 when none was cut.
long long Kurvenschar_zeichnen(QPaintDevice& bild, const Kurvenvorgabe& v, uint32_t farbe, int linienart,
                          const std::vector<Extended>& familie, bool farbig);
