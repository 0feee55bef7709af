// What the main window keeps besides its controls: the values its number fields
// held when they were last left (drawing intervals, tool limits), the colour and
// line style each curve had when its box was ticked, the zoom counter and the
// text insertion settings. The world window is KOS, the family range Schar, the
// marks Marken, the axes KOS_Stil, the number display Zahlausgabe.
#pragma once
#include "engine/UFunktionsParser.h"
#include "graphics/UKurven.h"

#include <cstdint>
#include <string>

struct Texteinfuegung {
    std::string Einfuegetext = "P(6/4)";
    std::string Schrift = "Arial";
    int Groesse = 10;
    bool fett = false, kursiv = false, unterstrichen = false;
    uint32_t Farbe = 0xFF0000;   // blue
};

struct Hauptfensterzustand {
    // Drawing intervals of f (and its derived curves), g and h.
    Extended xaSchar = -8, xeSchar = 8, xaSchar_g = -8, xeSchar_g = 8, xaSchar_h = -8, xeSchar_h = 8;
    // Tool limits a, b and the tools' step Δx.
    Extended aStart = -8, bEnde = 8, delta_x = 1;
    // Frozen when the curve's box was last ticked; `zeichnen` is taken from the box at Plot time.
    Kurvenstil f, g, h, fs, fs2, fs3, f_invers, F, kr, x_gleich_a, x_gleich_b;
    int Zoomstufe = 0, Zoomgrenze = 32;
    Extended Zoomfaktor = 2;
    Extended Schiebefaktor = 0.02L;   // world shift per dragged pixel, in ticks
    Texteinfuegung Text;
};
extern Hauptfensterzustand Hauptfenster;
