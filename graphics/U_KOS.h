// The world window shown by the main image and its mapping to the image's pixels.
// Qt-free: the engine reads the window for its jump tolerance, every window that
// draws into the main image maps through these four conversions.
#pragma once
#include "engine/UFunktionsParser.h"

#include <cmath>

struct Koordinatensystem { Extended xli = -8, xre = 8, yu = -8, yo = 8, xscl = 1, yscl = 1;
    int Bildbreite_cm = 16, Bildtiefe_cm = 16, Bildbreite = 640, Bildhoehe = 640,
        Bildlinks = 0, Bildoben = 0; };
extern Koordinatensystem KOS;

// Pixel columns and rows are clamped to ±20000 (a NaN maps to -20000) so that
// callers can hand them to the painter without overflow.
constexpr int Pixel_Grenze = 20000;

// Inline: every point of every curve passes through them.
inline int Pixel_runden(Extended p) {
    if (std::isnan(p)) return -Pixel_Grenze;
    if (p > Pixel_Grenze) return Pixel_Grenze;
    if (p < -Pixel_Grenze) return -Pixel_Grenze;
    // Halves to the even neighbour. rint rounds as nearbyint does (the rounding mode is
    // never changed) without saving and restoring the floating-point environment. The
    // whole number it gives is exact as a double, whose conversion to int needs no
    // switch of the x87 rounding mode.
    return static_cast<int>(static_cast<double>(std::rint(p)));
}
// bildbreite: the target image's width in pixels (641 at full size)
inline int x_zu_Pixel(int bildbreite, Extended x) {
    return Pixel_runden((x - KOS.xli) / (KOS.xre - KOS.xli) * (bildbreite - 1));
}
inline int y_zu_Pixel(int bildhoehe, Extended y) {
    return Pixel_runden((KOS.yo - y) / (KOS.yo - KOS.yu) * (bildhoehe - 1));
}
Extended Pixel_zu_x(int bildbreite, int spalte);
Extended Pixel_zu_y(int bildhoehe, int zeile);

// Size and position of the image for a coordinate system of w x h centimetres,
// centred in the full-size square (40 pixels per centimetre, plus the closing pixel).
struct Bildrechteck { int links = 0, oben = 0, breite = 641, hoehe = 641; };
Bildrechteck KOS_Bildrechteck(int breite_cm, int tiefe_cm);

// --- the view commands on the world window ---------------------------------------
// Each changes only the KOS it is given; the window writes the fields and redraws.

enum class Zoomachse { beide, x, y };
// One zoom step by the factor (in: divided, out: multiplied) on the limits and the
// scale of the chosen axes. The counter moves by one per step and stays within
// ±grenze; a step beyond it is refused (false) and changes nothing.
bool KOS_zoomen(Koordinatensystem& k, int& zoomstufe, Zoomachse achse, bool hinein, int grenze = 32,
                Extended faktor = 2);
// Half a tick to the right (richtung_x = 1) or left (-1), up (richtung_y = 1) or down (-1).
void KOS_schieben(Koordinatensystem& k, int richtung_x, int richtung_y);
// The origin in the middle of an axis, or one centimetre in from its left or bottom
// edge; the window keeps its size.
void KOS_Ursprung_legen(Koordinatensystem& k, bool x_am_rand, bool y_am_rand);
// One centimetre wider (schritt 1) or narrower (-1), keeping the world units per
// centimetre: half a centimetre more or less on each side. Refused (false) outside
// 3 to 16 cm. KOS_Tiefe_aendern does the same for the height.
bool KOS_Breite_aendern(Koordinatensystem& k, int schritt);
bool KOS_Tiefe_aendern(Koordinatensystem& k, int schritt);
// Dragging by (dx, dy) pixels (right and down positive): the window moves against
// the mouse by faktor ticks per pixel, so the picture follows it.
void KOS_ziehen(Koordinatensystem& k, int dx, int dy, Extended faktor = 0.02L);
// The world window of a pixel rectangle (any corner order) of an image of this size;
// false when it has no width or no height.
bool KOS_Rahmen(const Koordinatensystem& k, int bildbreite, int bildhoehe, int x1, int y1, int x2, int y2,
                Extended& xli, Extended& xre, Extended& yu, Extended& yo);
