// What the plotter's analysis tools compute for f, g, h: zeros and intersections
// from 33 Newton starts, extreme and inflection points (also block by block for a
// family), lower, upper, trapezoid and midpoint sums, the rows of the limit table
// and of the value table. Plain values in, plain data out: the main window writes
// the table, draws and shows the messages.
#pragma once
#include "engine/UFunktionsParser.h"

#include <optional>
#include <string>
#include <vector>

// ---- zeros -------------------------------------------------------------------

// Newton from a + i(b - a)/32, i = 0..32: the zeros found, ascending, an entry closer
// than 1e-12 to its predecessor removed. Empty when every start failed. Zeros that
// Newton found outside [a; b] are listed as well.
std::vector<Extended> Nullstellen_suchen(const std::string& term, Extended t, Extended a, Extended b);

// ---- extreme and inflection points ----------------------------------------------

enum class Suchart { Extrempunkte, Wendepunkte };

struct Gefundener_Punkt {
    int zeile;        // table row
    Extended x, y;
};
struct Punktsuche {
    bool schritt_zu_klein = false;   // (b - a)/20000 does not move x: nothing was searched
    bool gekappt = false;            // the list reached the table's last row and was cut there
    std::vector<std::pair<int, Extended>> bloecke;    // family: the row of each block and its t
    std::vector<Gefundener_Punkt> hochpunkte;         // columns 1 and 2
    std::vector<Gefundener_Punkt> tiefpunkte;         // columns 3 and 4
};

// Samples f (extreme points) or its slope (inflection points) at 20000 steps over
// [a; b] for every t of t_werte and reports each change of direction, one block of
// rows per t when `schar` is set. A point where f is undefined breaks the sampled
// curve: no change of direction is seen across it. Rows stop at letzte_zeile.
Punktsuche Punkte_suchen(const std::string& term, Suchart art, Extended a, Extended b,
                         const std::vector<Extended>& t_werte, bool schar, int letzte_zeile);

// The family test of the point search: the term's text holds the letter t.
bool Punktsuche_als_Schar(const std::string& term);

// ---- lower, upper, trapezoid and midpoint sums --------------------------------------

struct Streifen {
    Extended links, rechts;
    Extended f_links, f_rechts, kleinster, groesster, mitte;
};
struct Summen {
    bool ok = false;      // false: f is undefined somewhere on a strip, no sum is formed
    Extended Untersumme = 0, Obersumme = 0, Trapezsumme = 0, Mittensumme = 0;
    std::vector<Streifen> streifen;
};
constexpr int Streifen_hoechstens = 10000;
// n strips of width (b - a)/n; the smallest and largest value of each strip from a
// grid of round(16000/n) steps (round(50000/n) above 800 strips).
Summen Summen_berechnen(const std::string& term, Extended t, Extended a, Extended b, int n);

// ---- limit table and value table -----------------------------------------------------

// Row i (1..10) of the limit table: f', f'', f''' at a with the step 10^-i; nullopt
// where the difference quotient fails.
struct Grenzwertzeile {
    std::optional<Extended> f1, f2, f3;
};
std::vector<Grenzwertzeile> Grenzwerttabelle_berechnen(const std::string& term, Extended t, Extended a);

struct Wertezeile {
    Extended x;
    std::optional<Extended> f, g, h, f1, f2, f3, kr, F;
};
// Value-table rows x = a + (r - 1)Δx while x < b + 1e-10, at most 1000 rows; F(u, x)
// by the doubling Simpson rule with the given relative tolerance in the first
// F_zeilen rows only.
std::vector<Wertezeile> Wertetabelle_berechnen(const std::string& f, const std::string& g,
                                               const std::string& h, Extended t, Extended a,
                                               Extended b, Extended dx, Extended u, int F_zeilen,
                                               Extended F_toleranz);
constexpr int Wertezeilen_hoechstens = 1000;
// Rows that get F(u, x) for D decimals, and the relative tolerance used for them.
int Integralfunktion_Zeilen(int D);
Extended Integralfunktion_Toleranz(int D);

// Signed curvature f''/(1 + f'^2)^1.5 (0 on a straight piece); nullopt where a
// derivative fails.
std::optional<Extended> Kruemmung_mit_Vorzeichen(const std::string& term, Extended t, Extended x);

// ---- texts of the tools' messages ---------------------------------------------------

// x rounded to D decimals (x itself where that overflows).
Extended Auf_Stellen_runden(Extended x, int D);
// "[" a " ; " b "]", each rounded to 5 decimals in the general number text.
std::string Intervall_als_Text(Extended a, Extended b);
// «12,5*pi = 39,26991»: v and v·π with the display settings.
std::string Volumen_als_Text(Extended v, bool fix, int P, int D);
