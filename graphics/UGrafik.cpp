#include "graphics/UGrafik.h"
#include "graphics/Farben.h"
#include "graphics/UMaler.h"
#include "graphics/U_KOS.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cmath>

KOS_Einstellungen KOS_Stil;
Markeneinstellungen Marken;

namespace {
// 96 dots per inch, so that a point size gives the pixel height it was chosen for.
constexpr int Punkte_pro_Meter = 3780;
const QColor Fokusfarbe(210, 255, 255);
}

// ---- painter helpers ----------------------------------------------------------

void Maler_vorbereiten(QPainter& maler) {
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setRenderHint(QPainter::TextAntialiasing, false);
    maler.setBackgroundMode(Qt::TransparentMode);
}

QFont Schrift(const std::string& name, int groesse, Schriftstil stil) {
    QFont f(Qtext(name));
    f.setPointSize(groesse > 0 ? groesse : 1);
    f.setBold(stil == Schriftstil::fett);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QPen Stift(Stiftstil stil, int breite, uint32_t farbe) {
    if (stil == Stiftstil::unsichtbar) return QPen(Qt::NoPen);
    QPen p(Farbe_Qt(farbe));
    p.setWidth(breite < 1 ? 1 : breite);
    p.setStyle(stil == Stiftstil::gepunktet ? Qt::DotLine : Qt::SolidLine);
    // One-pixel lines end on their end point; wider ones get round ends, so that
    // joined segments of a curve leave no notches.
    p.setCapStyle(p.width() == 1 ? Qt::SquareCap : Qt::RoundCap);
    // One-pixel pens take the cosmetic line stepper, which sets every pixel of a
    // segment symmetrically (the general stroker shaves edges of small polygons).
    p.setCosmetic(p.width() == 1);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

QBrush Pinsel(int muster, uint32_t farbe) {
    static constexpr Qt::BrushStyle Muster[] = {Qt::SolidPattern,   Qt::NoBrush,       Qt::HorPattern,
                                                Qt::VerPattern,     Qt::FDiagPattern,  Qt::BDiagPattern,
                                                Qt::CrossPattern,   Qt::DiagCrossPattern};
    if (muster < 0 || muster > 7) muster = Muster_leer;
    return QBrush(Farbe_Qt(farbe), Muster[muster]);
}

void Stift_setzen(QPainter& maler, QPen stift) {
    // At ratio 1 the cosmetic stepper keeps its exact pixels; above it a pen of width 1
    // in logical units covers the same width as at ratio 1.
    if (stift.isCosmetic() && maler.device() && maler.device()->devicePixelRatio() != 1) stift.setCosmetic(false);
    maler.setPen(stift);
}

void Linie(QPainter& maler, int x1, int y1, int x2, int y2) { maler.drawLine(x1, y1, x2, y2); }

void Vieleck(QPainter& maler, const QPoint* ecken, int n) {
    const QPen stift = maler.pen();
    if (maler.brush().style() != Qt::NoBrush) {
        maler.setPen(Qt::NoPen);
        maler.drawPolygon(ecken, n);
        maler.setPen(stift);
    }
    if (stift.style() == Qt::NoPen) return;
    for (int i = 0; i < n; ++i) maler.drawLine(ecken[i], ecken[(i + 1) % n]);
}

void Text(QPainter& maler, int x, int y, const QString& text, const QFont& schrift, bool deckend,
          uint32_t farbe) {
    maler.setFont(schrift);
    QFontMetrics fm(schrift, maler.device());
    if (deckend) maler.fillRect(x, y, fm.horizontalAdvance(text), fm.height(), Qt::white);
    maler.setPen(Farbe_Qt(farbe));
    maler.drawText(x, y + fm.ascent(), text);
    maler.setBrush(Qt::NoBrush);
}

void Text_deckend(QPainter& maler, int x, int y, const QString& text, const QFont& schrift, int breite,
                  uint32_t farbe) {
    maler.setFont(schrift);
    QFontMetrics fm(schrift, maler.device());
    maler.fillRect(x, y, breite, fm.height(), Qt::white);
    maler.setPen(Farbe_Qt(farbe));
    maler.drawText(x, y + fm.ascent(), text);
    maler.setBrush(Qt::NoBrush);
}

void Kreis(QPainter& maler, int x, int y, int r, int muster, Stiftstil stil, int breite,
           uint32_t fuellfarbe, uint32_t stiftfarbe) {
    if (r <= 1) {
        // Too small for an outline: the point itself (and for r = 1 its four neighbours).
        maler.setPen(QPen(Farbe_Qt(stiftfarbe), 1));
        maler.drawPoint(x, y);
        if (r == 1) {
            const QPoint n[] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            maler.drawPoints(n, 4);
        }
        return;
    }
    Stift_setzen(maler, Stift(stil, breite, stiftfarbe));
    maler.setBrush(Pinsel(muster, fuellfarbe));
    maler.drawEllipse(QRect(x - r, y - r, 2 * r, 2 * r));
    maler.setBrush(Qt::NoBrush);
}

void Punktsymbol(QPainter& maler, int x, int y, int art, int r, uint32_t farbe) {
    if ((art == 2 || art == 3) && r <= 0) {
        // Lines of no length leave no trace: the mark shrinks to one dot of the pen.
        maler.fillRect(x - 1, y - 1, 2, 2, Farbe_Qt(farbe));
        return;
    }
    switch (art) {
    case 0: Kreis(maler, x, y, r, Muster_voll, Stiftstil::durchgezogen, 2, Farbe_weiss, farbe); break;
    case 1: Kreis(maler, x, y, r, Muster_voll, Stiftstil::durchgezogen, 2, farbe, farbe); break;
    case 2:
        Stift_setzen(maler, Stift(Stiftstil::durchgezogen, 2, farbe));
        maler.drawLine(x - r, y - r, x + r, y + r);
        maler.drawLine(x - r, y + r, x + r, y - r);
        break;
    case 3: {
        Stift_setzen(maler, Stift(Stiftstil::durchgezogen, 2, farbe));
        maler.setBrush(Qt::NoBrush);
        const QPoint ecken[] = {{x - r, y - r}, {x - r, y + r}, {x + r, y + r}, {x + r, y - r}};
        Vieleck(maler, ecken, 4);
        break;
    }
    default:
        Stift_setzen(maler, Stift(Stiftstil::durchgezogen, 2, farbe));
        maler.drawLine(x - r - 1, y, x + r, y);
        maler.drawLine(x, y - r - 1, x, y + r);
        break;
    }
}

void Pfeil(QPainter& maler, int x1, int y1, int x2, int y2, int a, int b, int muster, Stiftstil stil,
           uint32_t fuellfarbe, int breite, uint32_t stiftfarbe) {
    const double dx = x2 - x1, dy = y2 - y1, laenge = std::hypot(dx, dy);
    if (laenge <= std::hypot(double(b), 2.0 * a)) return;   // the head would not fit
    const double phi = std::atan2(double(a), double(b));
    const double seite = b * std::cos(phi);
    const double rx = -dx / laenge, ry = -dy / laenge;      // from the tip backwards
    auto ecke = [&](double w) {
        double c = std::cos(w), s = std::sin(w);
        return QPoint(int(std::lround(x2 + seite * (rx * c - ry * s))),
                      int(std::lround(y2 + seite * (rx * s + ry * c))));
    };
    const QPoint links = ecke(phi), rechts = ecke(-phi);
    const QPoint mitte((links.x() + rechts.x()) / 2, (links.y() + rechts.y()) / 2);
    Stift_setzen(maler, Stift(stil, breite, stiftfarbe));
    maler.drawLine(x1, y1, mitte.x(), mitte.y());
    maler.setBrush(Pinsel(muster, fuellfarbe));
    const QPoint kopf[] = {{x2, y2}, links, rechts};
    Vieleck(maler, kopf, 3);
    maler.setBrush(Qt::NoBrush);
}

// ---- images and text ------------------------------------------------------------

QImage Bild_erzeugen(int breite, int hoehe, double verhaeltnis) {
    if (!(verhaeltnis >= 1 && verhaeltnis <= 8)) verhaeltnis = 1;
    const int b = breite > 0 ? breite : 1, h = hoehe > 0 ? hoehe : 1;
    QImage bild(qRound(b * verhaeltnis), qRound(h * verhaeltnis), QImage::Format_RGB32);
    bild.setDevicePixelRatio(verhaeltnis);
    // Dots per metre stay logical: fonts get the same logical size at every ratio.
    bild.setDotsPerMeterX(Punkte_pro_Meter);
    bild.setDotsPerMeterY(Punkte_pro_Meter);
    bild.fill(Qt::white);
    return bild;
}

int Logische_Breite(const QPaintDevice& bild) {
    if (auto* image = dynamic_cast<const QImage*>(&bild)) return qRound(image->deviceIndependentSize().width());
    return bild.width();
}

int Logische_Hoehe(const QPaintDevice& bild) {
    if (auto* image = dynamic_cast<const QImage*>(&bild)) return qRound(image->deviceIndependentSize().height());
    return bild.height();
}

void Bild_fuellen(QPaintDevice& bild, uint32_t farbe) {
    // A raster image is filled directly (pixel-exact); any other device (SVG, PDF, printer)
    // gets a filled rectangle over its logical size.
    if (auto* image = dynamic_cast<QImage*>(&bild)) {
        image->fill(Farbe_Qt(farbe));
        return;
    }
    QPainter maler(&bild);
    maler.fillRect(QRect(0, 0, Logische_Breite(bild), Logische_Hoehe(bild)), Farbe_Qt(farbe));
}

void Text_ausgeben(QPaintDevice& bild, int x, int y, const std::string& text, const std::string& schrift,
                   int groesse, bool deckend, Schriftstil stil, uint32_t farbe) {
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    Text(maler, x, y, Qtext(text), Schrift(schrift, groesse, stil), deckend, farbe);
}

int Textbreite(const QPaintDevice& bild, const std::string& text, const std::string& schrift, int groesse,
               Schriftstil stil) {
    return QFontMetrics(Schrift(schrift, groesse, stil), &bild).horizontalAdvance(Qtext(text));
}

int Texthoehe(const QPaintDevice& bild, const std::string&, const std::string& schrift, int groesse,
              Schriftstil stil) {
    return QFontMetrics(Schrift(schrift, groesse, stil), &bild).height();
}

// ---- pens and primitives ----------------------------------------------------------

int Linienbreite(int linienart) {
    switch (linienart) {
    case 2: return 2;
    case 3: case 5: return 3;
    default: return 1;
    }
}

QPen Stift(uint32_t farbe, int linienart) {
    return Stift(linienart == 0 ? Stiftstil::gepunktet : Stiftstil::durchgezogen, Linienbreite(linienart),
                 farbe);
}

void Stift_setzen(QPainter& maler, uint32_t farbe, int linienart) { Stift_setzen(maler, Stift(farbe, linienart)); }

int Kurven_Linienart(int linienart) { return linienart == 4 ? 1 : linienart == 5 ? 3 : linienart; }

void Linienart_waehlen(int linienart) {
    if (linienart < 0 || linienart > 5) linienart = 1;
    Marken.Linienart = linienart;
    Marken.Fuell_Linienbreite = linienart == 4 ? 1 : linienart == 5 ? 3 : linienart;
    Marken.Fuell_Linienstil = linienart == 0 ? Stiftstil::gepunktet : Stiftstil::durchgezogen;
}

void Linie_zeichnen(QPaintDevice& bild, int x1, int y1, int x2, int y2, Stiftstil stil, int breite,
                    uint32_t farbe) {
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    Stift_setzen(maler, Stift(stil, breite, farbe));
    maler.drawLine(x1, y1, x2, y2);
}

void Pfeil_zeichnen(QPaintDevice& bild, int x1, int y1, int x2, int y2, int a, int b, int muster,
                    Stiftstil stil, uint32_t fuellfarbe, int breite, uint32_t stiftfarbe) {
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    Pfeil(maler, x1, y1, x2, y2, a, b, muster, stil, fuellfarbe, breite, stiftfarbe);
}

namespace {
// The painter of a filled figure: fill pattern and outline.
void Flaeche_vorbereiten(QPainter& maler, int muster, Stiftstil stil, int breite, uint32_t fuellfarbe,
                         uint32_t stiftfarbe) {
    Maler_vorbereiten(maler);
    maler.setBrush(Pinsel(muster, fuellfarbe));
    Stift_setzen(maler, Stift(stil, breite, stiftfarbe));
}
}  // namespace

void Rechteck_zeichnen(QPaintDevice& bild, int x1, int y1, int x2, int y2, int muster, Stiftstil stil,
                       int breite, uint32_t fuellfarbe, uint32_t stiftfarbe) {
    QPainter maler(&bild);
    Flaeche_vorbereiten(maler, muster, stil, breite, fuellfarbe, stiftfarbe);
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (stil == Stiftstil::unsichtbar)
        maler.drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)));   // the fill alone covers x1..x2
    else
        maler.drawRect(x1, y1, x2 - x1, y2 - y1);                 // the outline runs through x2
}

void Kreis_zeichnen(QPaintDevice& bild, int x, int y, int r, int muster, Stiftstil stil, int breite,
                    uint32_t fuellfarbe, uint32_t stiftfarbe) {
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    Kreis(maler, x, y, r, muster, stil, breite, fuellfarbe, stiftfarbe);
}

void Vieleck_zeichnen(QPaintDevice& bild, std::span<const QPoint> ecken, int muster, Stiftstil stil,
                      int breite, uint32_t fuellfarbe, uint32_t stiftfarbe) {
    if (ecken.empty()) return;
    QPainter maler(&bild);
    Flaeche_vorbereiten(maler, muster, stil, breite, fuellfarbe, stiftfarbe);
    Vieleck(maler, ecken.data(), int(ecken.size()));
}

void Ellipse_zeichnen(QPaintDevice& bild, int x1, int y1, int x2, int y2, int muster, Stiftstil stil,
                      int breite, uint32_t fuellfarbe, uint32_t stiftfarbe) {
    QPainter maler(&bild);
    Flaeche_vorbereiten(maler, muster, stil, breite, fuellfarbe, stiftfarbe);
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    maler.drawEllipse(QRect(QPoint(x1, y1), QPoint(x2, y2)));
}

// ---- marks ------------------------------------------------------------------------

void Punktsymbol_zeichnen(QPaintDevice& bild, int x, int y, int art, int radius, uint32_t farbe) {
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    Punktsymbol(maler, x, y, art, radius, farbe);
}

void Punktsymbol_zeichnen(QPaintDevice& bild, int x, int y) {
    Punktsymbol_zeichnen(bild, x, y, Marken.Punkteart, Marken.Punktradius, Marken.Punktfarbe);
}

void Punkte_zeichnen(QPaintDevice& bild, std::span<const TPunkt> punkte) {
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    const int w = Logische_Breite(bild), h = Logische_Hoehe(bild);
    auto pixel = [&](const TPunkt& p) { return QPoint(x_zu_Pixel(w, p.x), y_zu_Pixel(h, p.y)); };
    if (Marken.DatenPkte_verbinden) {
        const int art = Marken.Verbindungsart;
        const uint32_t farbe = Marken.Verbindungsfarbe;
        for (size_t i = 1; i < punkte.size(); ++i) {
            QPoint a = pixel(punkte[i - 1]), b = pixel(punkte[i]);
            if (art == 4 || art == 5) {
                Pfeil(maler, a.x(), a.y(), b.x(), b.y(), 4, 15, Muster_voll, Stiftstil::durchgezogen, farbe,
                      Linienbreite(art), farbe);
            } else {
                Stift_setzen(maler, Stift(farbe, art));
                maler.drawLine(a, b);
            }
        }
    }
    for (const TPunkt& p : punkte) {
        QPoint q = pixel(p);
        Punktsymbol(maler, q.x(), q.y(), Marken.Punkteart, Marken.Punktradius, Marken.Punktfarbe);
    }
}

void Linienvorschau_zeichnen(QPaintDevice& bild, uint32_t farbe, int linienart) {
    // A fresh ground, or a thinner style would still show the thicker one beneath.
    Bild_fuellen(bild, Farbe_weiss);
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    Stift_setzen(maler, Stift(farbe, linienart));
    maler.drawLine(1, 4, 25, 4);
    if (linienart == 4 || linienart == 5) {
        Stift_setzen(maler, Stift(Stiftstil::durchgezogen, 1, farbe));
        maler.setBrush(Farbe_Qt(farbe));
        const QPoint kopf[] = {{25, 4}, {15, 1}, {15, 7}};
        Vieleck(maler, kopf, 3);
    }
}

namespace {
void Zelle_vorbereiten(QPainter& maler, const QRect& zelle, bool fokus) {
    Maler_vorbereiten(maler);
    maler.fillRect(zelle, Qt::white);
    if (fokus) maler.fillRect(zelle, Fokusfarbe);
}
}

void Linienart_Vorschau(QPainter& maler, const QRect& zelle, int item, bool fokus) {
    maler.save();
    Zelle_vorbereiten(maler, zelle, fokus);
    const int l = zelle.left(), o = zelle.top();
    Stift_setzen(maler, Stift(Marken.Linienfarbe, item));
    if (item == 4 || item == 5) {
        maler.drawLine(l + 3, o + 7, l + 22, o + 7);
        Stift_setzen(maler, Stift(Stiftstil::durchgezogen, 1, Marken.Linienfarbe));
        maler.setBrush(Farbe_Qt(Marken.Linienfarbe));
        const QPoint kopf[] = {{l + 30, o + 7}, {l + 21, o + 4}, {l + 21, o + 10}};
        Vieleck(maler, kopf, 3);
    } else {
        maler.drawLine(l + 3, o + 7, l + 30, o + 7);
    }
    maler.restore();
}

void Punkteart_Vorschau(QPainter& maler, const QRect& zelle, int item, bool fokus) {
    maler.save();
    Zelle_vorbereiten(maler, zelle, fokus);
    const int x = zelle.left() + (item >= 2 ? 11 : 10);
    Punktsymbol(maler, x, zelle.top() + 7, item, Marken.Punktradius, Marken.Punktfarbe);
    maler.restore();
}

void Fuellmuster_Vorschau(QPainter& maler, const QRect& zelle, int item, bool fokus) {
    maler.save();
    Zelle_vorbereiten(maler, zelle, fokus);
    const int l = zelle.left(), o = zelle.top();
    maler.setBrush(Pinsel(item, Marken.Fuellfarbe));
    Stift_setzen(maler, Stift(Marken.Fuell_Linienstil, Marken.Fuell_Linienbreite, Marken.Linienfarbe));
    maler.drawRect(l + 3, o + 1, 26, 12);
    maler.restore();
}
