// Drawing on the program's images: the empty coordinate system (grid, coarse grid,
// axes with arrows and captions, ticks and labels), the shared primitives (lines,
// arrows, rectangles, circles, text) and the user's marks (line styles, point
// symbols, fill patterns). Everything draws pixel-exact into a QImage, never into
// a widget; coordinates are pixels of the target image. The routines take any paint
// device so that files and paper get the same picture drawn anew as vectors.
#pragma once
#include "engine/UFunktionsParser.h"
#include "numeric/UMatheBasisOp.h"

#include <QImage>
#include <QPaintDevice>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <span>
#include <string>

class QPainter;

enum class Stiftstil { durchgezogen, gepunktet, unsichtbar };
enum class Schriftstil { normal, fett };

// Brush patterns, numbered as the items of the fill-pattern combo box:
// 0 solid, 1 none, 2 horizontal, 3 vertical, 4 falling diagonal, 5 rising diagonal,
// 6 cross, 7 diagonal cross.
constexpr int Muster_voll = 0, Muster_leer = 1;

constexpr uint32_t Farbe_schwarz = 0x000000, Farbe_weiss = 0xFFFFFF, Farbe_rot = 0x0000FF,
                   Farbe_blau = 0xFF0000, Farbe_fuchsia = 0xFF00FF, Farbe_Raster_Standard = 0xD6D6D6;

// Axes, grid and labels of the empty coordinate system. Defaults as after start.
struct KOS_Einstellungen {
    bool Raster_an = true;
    int Rasterteilung = 2;                           // grid lines per tick: 1, 2, 5 or 10
    Stiftstil Rasterstil = Stiftstil::durchgezogen;
    uint32_t Rasterfarbe = Farbe_Raster_Standard;    // RGB 214, 214, 214
    bool Grobraster = true;                          // darker line at every tick
    bool xAchse_an = true, yAchse_an = true, Skala_an = true, Zahlen_an = true;
    int Achsenbreite = 1, Strichbreite = 1;          // 2 and 2 with "dick"
    Schriftstil Zahlenstil = Schriftstil::normal;    // bold with "dick"
    int Zahlenhoehe = 8;                             // label size in points
    std::string Beschriftung_x = "x", Beschriftung_y = "y";
    int Beschriftungsgroesse = 9;
    Schriftstil Beschriftungsstil = Schriftstil::fett;
    std::string Beschriftungsschrift = "Arial";
    int Pfeillaenge = 11, Pfeilbreite = 4;
};
extern KOS_Einstellungen KOS_Stil;

// The user's current marks. Defaults as after start.
struct Markeneinstellungen {
    int Linienart = 1;                       // 0..5, see Stift()
    uint32_t Linienfarbe = Farbe_blau;
    int Punkteart = 1;                       // 0 open circle, 1 filled circle, 2 diagonal cross,
                                             // 3 open square, 4 upright cross
    int Punktradius = 3;                     // 0..6
    uint32_t Punktfarbe = Farbe_rot;
    int Fuellmuster = 5;                     // 0..7, see Muster_voll
    uint32_t Fuellfarbe = Farbe_fuchsia;
    int Fuell_Linienbreite = 1;
    Stiftstil Fuell_Linienstil = Stiftstil::durchgezogen;
    // "Pkte verbinden" and the style frozen when it was ticked (arrows allowed).
    bool DatenPkte_verbinden = false;
    uint32_t Verbindungsfarbe = Farbe_blau;
    int Verbindungsart = 1;
};
extern Markeneinstellungen Marken;

// --- images and text -------------------------------------------------------

// An RGB32 image at 96 dpi (so point sizes come out as intended), filled white, of
// breite x hoehe logical pixels held at the screen's device pixel ratio: it has ratio
// times as many pixels each way, and painters on it draw in logical coordinates.
QImage Bild_erzeugen(int breite, int hoehe, double verhaeltnis = 1);
// The size in logical pixels, the unit of every coordinate drawn into a picture
// (a bitmap reports its pixels, every other device its logical size already).
int Logische_Breite(const QPaintDevice& bild);
int Logische_Hoehe(const QPaintDevice& bild);
void Bild_fuellen(QPaintDevice& bild, uint32_t farbe);
inline void Image_loeschen(QPaintDevice& bild) { Bild_fuellen(bild, Farbe_weiss); }

// Text with its top left corner at (x, y); opaque: the text cell is filled white first.
void Text_ausgeben(QPaintDevice& bild, int x, int y, const std::string& text, const std::string& schrift,
                   int groesse, bool deckend, Schriftstil stil, uint32_t farbe);
int Textbreite(const QPaintDevice& bild, const std::string& text, const std::string& schrift, int groesse,
               Schriftstil stil);
int Texthoehe(const QPaintDevice& bild, const std::string& text, const std::string& schrift, int groesse,
              Schriftstil stil);

// --- pens and primitives -----------------------------------------------------

// Line styles: 0 dotted 1 px, 1 solid 1, 2 solid 2, 3 solid 3, 4 solid 1 + arrow,
// 5 solid 3 + arrow (arrow heads are drawn by the callers, not by the pen).
QPen Stift(uint32_t farbe, int linienart);
void Stift_setzen(QPainter& maler, uint32_t farbe, int linienart);
int Linienbreite(int linienart);
// Curves never carry arrow heads: 4 becomes 1 and 5 becomes 3.
int Kurven_Linienart(int linienart);
// Choosing a line style also sets the outline of filled areas.
void Linienart_waehlen(int linienart);

void Linie_zeichnen(QPaintDevice& bild, int x1, int y1, int x2, int y2, Stiftstil stil, int breite,
                    uint32_t farbe);
// Arrow from (x1, y1) to the tip (x2, y2) with head half-width a and length b;
// segments no longer than the head are not drawn at all.
void Pfeil_zeichnen(QPaintDevice& bild, int x1, int y1, int x2, int y2, int a, int b, int muster,
                    Stiftstil stil, uint32_t fuellfarbe, int breite, uint32_t stiftfarbe);
// Rectangle including its last row and column.
void Rechteck_zeichnen(QPaintDevice& bild, int x1, int y1, int x2, int y2, int muster, Stiftstil stil,
                       int breite, uint32_t fuellfarbe, uint32_t stiftfarbe);
// r = 0: one pixel; r = 1: the pixel and its four neighbours; else the circle in
// the box (x - r, y - r) .. (x + r, y + r).
void Kreis_zeichnen(QPaintDevice& bild, int x, int y, int r, int muster, Stiftstil stil, int breite,
                    uint32_t fuellfarbe, uint32_t stiftfarbe);

// Closed polygon through the pixel corners, filled with the pattern, then outlined.
void Vieleck_zeichnen(QPaintDevice& bild, std::span<const QPoint> ecken, int muster, Stiftstil stil,
                      int breite, uint32_t fuellfarbe, uint32_t stiftfarbe);
// Ellipse in the box (x1, y1) .. (x2, y2), any corner order.
void Ellipse_zeichnen(QPaintDevice& bild, int x1, int y1, int x2, int y2, int muster, Stiftstil stil,
                      int breite, uint32_t fuellfarbe, uint32_t stiftfarbe);
// --- marks ---------------------------------------------------------------------

void Punktsymbol_zeichnen(QPaintDevice& bild, int x, int y, int art, int radius, uint32_t farbe);
void Punktsymbol_zeichnen(QPaintDevice& bild, int x, int y);   // with the current Marken
// The point list (world coordinates): a symbol at each point, joined when
// Marken.DatenPkte_verbinden is on (styles 4 and 5 as arrows into each later point).
void Punkte_zeichnen(QPaintDevice& bild, std::span<const TPunkt> punkte);

// The small legend image beside a curve check box, cleared to white: a line (1, 4)..(25, 4) in the
// style, with a filled head (25, 4), (15, 1), (15, 7) for styles 4 and 5.
void Linienvorschau_zeichnen(QPaintDevice& bild, uint32_t farbe, int linienart);
// Owner-drawn combo items, painted into the item cell (white ground, light cyan
// focus highlight).
void Linienart_Vorschau(QPainter& maler, const QRect& zelle, int item, bool fokus);
void Punkteart_Vorschau(QPainter& maler, const QRect& zelle, int item, bool fokus);
void Fuellmuster_Vorschau(QPainter& maler, const QRect& zelle, int item, bool fokus);

// --- the empty coordinate system ---------------------------------------------------

// Clears the image and draws grid, axes, ticks and labels for the world window KOS
// with the settings KOS_Stil; labels follow the program's number display settings.
void KOS_zeichnen(QPaintDevice& bild);
