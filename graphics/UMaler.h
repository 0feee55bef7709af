// Painter-level helpers shared by the drawing units of graphics/: one QPainter per
// picture instead of one per primitive, with the same pixel rules as the public
// QImage routines of UGrafik.h.
#pragma once
#include "graphics/UGrafik.h"

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QString>

// Pixel-exact painting: no antialiasing of lines or text.
void Maler_vorbereiten(QPainter& maler);

QFont Schrift(const std::string& name, int groesse, Schriftstil stil);
QPen Stift(Stiftstil stil, int breite, uint32_t farbe);
// Sets the pen; a one-pixel (cosmetic) pen stays one logical pixel wide on a device of
// higher pixel ratio instead of shrinking to one device pixel.
void Stift_setzen(QPainter& maler, QPen stift);
QBrush Pinsel(int muster, uint32_t farbe);
inline QString Qtext(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

void Linie(QPainter& maler, int x1, int y1, int x2, int y2);
// A polygon filled with the current brush and outlined edge by edge with the current
// pen, so that every corner pixel is set (the plain polygon drops right and bottom ones).
void Vieleck(QPainter& maler, const QPoint* ecken, int n);
void Text(QPainter& maler, int x, int y, const QString& text, const QFont& schrift, bool deckend,
          uint32_t farbe);
// Text on a white background whose width the caller has already measured with the
// same font (saves laying the text out a second time).
void Text_deckend(QPainter& maler, int x, int y, const QString& text, const QFont& schrift, int breite,
                  uint32_t farbe);
void Kreis(QPainter& maler, int x, int y, int r, int muster, Stiftstil stil, int breite,
           uint32_t fuellfarbe, uint32_t stiftfarbe);
void Punktsymbol(QPainter& maler, int x, int y, int art, int radius, uint32_t farbe);
void Pfeil(QPainter& maler, int x1, int y1, int x2, int y2, int a, int b, int muster, Stiftstil stil,
           uint32_t fuellfarbe, int breite, uint32_t stiftfarbe);
