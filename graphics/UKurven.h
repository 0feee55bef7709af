// The plotter's curves: f, g, h and the curves derived from f (derivatives, inverse
// relation, integral function, curvature) for a whole family of t, with the pen
// lifted at failed points, poles and jumps, the dots at FLOOR and SGN steps, the
// vertical lines x = a and x = b, and the whole picture of the Plot command drawn
// from plain values.
#pragma once
#include "engine/UFunktionsParser.h"

#include <QImage>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Curve kinds of Kurve_zeichnen.
enum Kurvenart : int {
    Kurve_Funktion = 0, Kurve_Ableitung_1 = 1, Kurve_Ableitung_2 = 2, Kurve_Ableitung_3 = 3,
    Kurve_Umkehrrelation = 4, Kurve_Integralfunktion = 5, Kurve_Kruemmung = 6
};

// The family range the main window owns ("t von" = alle_t), kept in Schar for the
// windows that draw with it; u is the lower limit of the integral function F(u, x).
struct Scharbereich {
    Extended t1 = 1, t2 = 4, delta_t = 0.5L;
    bool alle_t = false;
    Extended u = 0;
};
extern Scharbereich Schar;

// At most this many family members are drawn, however fine the step.
constexpr int Scharglieder_max = 1000;

// The t values of one drawing: t1 alone unless "t von" is ticked; with it t1,
// t1 + Δt, ... up to t2, at most Scharglieder_max of them, and t1 alone for Δt <= 0.
// (Shared with the parametric and polar curves.)
std::vector<Extended> Scharwerte(const Scharbereich& s);
// True when "t von" asks for more members than Scharglieder_max, so that only the
// first of them are drawn.
bool Schar_gekappt(const Scharbereich& s);
// The Plot command's note when a family is cut short.
inline constexpr const char* Meldung_Schar_gekappt = "Nur die ersten 1000 Kurven der Schar werden gezeichnet.";

// Colour of family member i when "t von" is ticked (15-colour cycle, 0x00BBGGRR).
uint32_t Farbe_nach_Index(int i);

// A family term holds the parameter: t, k or n standing alone, not inside a name
// such as sin, tan or sqrt (as the engine reads it).
bool Ist_Scharterm(const std::string& term);

// One curve kind of one term for every family member of `schar`, drawn over
// [start; ende] (for the integral function from schar.u outwards) in the colour and
// line style (0..5). Leaves the integration state as it found it. Escape
// (Dialog().Escape_gedrueckt) is polled before every member and every few thousand
// points; false when it stopped the curve (what is drawn stays).
bool Kurve_zeichnen(QPaintDevice& bild, const std::string& term, uint32_t farbe, int linienart, int art,
                    Extended start, Extended ende, const Scharbereich& schar);
// True when Escape stopped the last curve or Plot.
bool Zeichnen_abgebrochen();
inline constexpr const char* Meldung_Zeichnen_abgebrochen = "Zeichnen abgebrochen";

// The vertical line at x = value of the term (evaluated at x = 0, t = 0).
void Senkrechte_zeichnen(QPaintDevice& bild, const std::string& term, uint32_t farbe, int linienart);

// Colour and line style frozen when a curve's check box was ticked.
struct Kurvenstil {
    bool zeichnen = false;
    uint32_t Farbe = 0xFF0000;   // blue
    int Linienart = 1;
};

// Everything the Plot command reads from the main window. Numbers typed as text
// (t1, t2, Δt, u, a, b) are the fields' texts, evaluated here as constant terms.
struct Plotauftrag {
    std::string Term_f = "-0,2tx³+0,4t²x", Term_g = "x·cos(x)", Term_h = "sgn(x+1,5)";
    Extended xaSchar = -8, xeSchar = 8;         // drawing interval of f and its derived curves
    Extended xaSchar_g = -8, xeSchar_g = 8;
    Extended xaSchar_h = -8, xeSchar_h = 8;
    std::string Schar_t1 = "1", Schar_t2 = "4", delta_t = "0,5", u = "0";
    bool alle_t = false;                       // "t von"
    std::string aStart = "-8", bEnde = "8";    // positions of x = a and x = b
    bool loeschen = true;                      // "lösch": redraw the empty coordinate system first
    Kurvenstil f, g, h, fs, fs2, fs3, f_invers, F, kr, x_gleich_a, x_gleich_b;
};

// The Plot command's picture: refuses an empty world window with "xli >= xre  !" or
// "yu >= yo  !" through Dialog() and returns false, drawing nothing; otherwise stores
// the family range read from the texts in Schar (the one place a drawing writes it), clears to the empty coordinate system if asked, and draws
// f, g, h, f', f'', f''', the inverse, F, the curvature and x = a, x = b in that order;
// says so afterwards when a ticked family had to be cut to Scharglieder_max members.
// The table points ("Punkte") are the caller's to draw afterwards.
// Escape stops the drawing, keeps what is drawn and says "Zeichnen abgebrochen" once
// (Zeichnen_abgebrochen() then tells); bei_langer_dauer is called once when the
// drawing has run longer than 0,2 s (the window shows its hourglass).
bool Plot_zeichnen(QPaintDevice& bild, const Plotauftrag& auftrag, const std::function<void()>& bei_langer_dauer = {});
