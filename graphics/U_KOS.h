// The world window shown by the main image and its mapping to the image's pixels.
// Qt-free: the engine reads the window for its jump tolerance, every window that
// draws into the main image maps through these four conversions.
#pragma once
#include "engine/UFunktionsParser.h"

struct Koordinatensystem { Extended xli = -8, xre = 8, yu = -8, yo = 8, xscl = 1, yscl = 1;
    int Bildbreite_cm = 16, Bildtiefe_cm = 16, Bildbreite = 640, Bildhoehe = 640,
        Bildlinks = 0, Bildoben = 0; };
extern Koordinatensystem KOS;

// Pixel columns and rows are clamped to ±20000 (a NaN maps to -20000) so that
// callers can hand them to the painter without overflow.
constexpr int Pixel_Grenze = 20000;

int x_zu_Pixel(int bildbreite, Extended x);   // bildbreite: the target image's width in pixels (641 at full size)
int y_zu_Pixel(int bildhoehe, Extended y);
Extended Pixel_zu_x(int bildbreite, int spalte);
Extended Pixel_zu_y(int bildhoehe, int zeile);

// Size and position of the image for a coordinate system of w x h centimetres,
// centred in the full-size square (40 pixels per centimetre, plus the closing pixel).
struct Bildrechteck { int links = 0, oben = 0, breite = 641, hoehe = 641; };
Bildrechteck KOS_Bildrechteck(int breite_cm, int tiefe_cm);
