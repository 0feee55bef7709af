// Runs a term over one picture width a fixed number of times, as a batch, as single
// calls (third argument "einzeln") or uncached (third argument "frisch"), for `valgrind --tool=callgrind
// --toggle-collect='Term_auswerten*'`: the instructions counted divided by the
// points printed give instructions per point.
#include "engine/UFunktionsParser.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::string term = argc > 1 ? argv[1] : "-0,2tx³+0,4t²x";
    const int runden = argc > 2 ? std::atoi(argv[2]) : 1000;
    constexpr int spalten = 641;
    std::vector<Extended> x(spalten), y(spalten);
    std::vector<uint8_t> marken(spalten);
    const Extended t = 2.5L;
    for (int i = 0; i < spalten; ++i) x[i] = -8 + i * 16.0L / 640;
    Extended summe = 0;
    const std::string art = argc > 3 ? argv[3] : "";
    const bool einzeln = art == "einzeln", frisch = art == "frisch";
    for (int r = 0; r < runden && r < 1000000; ++r) {
        if (einzeln)
            for (int i = 0; i < spalten; ++i) y[i] = Term_auswerten(term, x[i], t);
        else if (frisch)
            for (int i = 0; i < spalten; ++i) y[i] = Term_auswerten_frisch(term, x[i], t);
        else
            Term_auswerten_Reihe(term, x, {&t, 1}, y, marken);
        summe += y[r % spalten];
    }
    std::printf("%s: %d points (check %g)\n", term.c_str(), runden * spalten, double(summe));
}
