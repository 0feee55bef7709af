// The empty coordinate system: grid, coarse grid, axes with arrows and captions,
// ticks and labels (plain numbers thinned by their width, powers of ten for very
// small or very large scales).
#include "graphics/Farben.h"
#include "graphics/UGrafik.h"
#include "graphics/UMaler.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"

#include <QFontMetrics>
#include <charconv>
#include <cmath>

namespace {

// More grid lines or ticks than this in one direction would only blacken the
// picture (and take long for an absurd scale); such a grid is left out.
constexpr long long Linien_hoechstens = 5000;

// Grid lines at every multiple of dx and dy inside the window, anchored at world 0.
void Raster(QPainter& maler, int w, int h, Extended dx, Extended dy) {
    if (dx > 0) {
        Extended k0 = std::ceil(KOS.xli / dx), k1 = std::floor(KOS.xre / dx);
        // Counted by an integer: far from 0, k + 1 may round back to k.
        if (k1 - k0 < Linien_hoechstens)
            for (long long i = 0; i <= static_cast<long long>(k1 - k0); ++i) {
                int s = x_zu_Pixel(w, (k0 + i) * dx);
                maler.drawLine(s, 0, s, h);
            }
    }
    if (dy > 0) {
        Extended k0 = std::ceil(KOS.yu / dy), k1 = std::floor(KOS.yo / dy);
        if (k1 - k0 < Linien_hoechstens)
            for (long long i = 0; i <= static_cast<long long>(k1 - k0); ++i) {
                int z = y_zu_Pixel(h, (k0 + i) * dy);
                maler.drawLine(0, z, w, z);
            }
    }
}

// Grid colour minus 32 in every channel, as one subtraction on the colour value.
uint32_t Grobrasterfarbe(uint32_t farbe) {
    long long c = static_cast<long long>(farbe) - 2105376;
    return c < 0 ? 0 : static_cast<uint32_t>(c);
}

void Raster_zeichnen(QPainter& maler, int w, int h) {
    const KOS_Einstellungen& s = KOS_Stil;
    if (!s.Raster_an) return;
    const int teilung = s.Rasterteilung > 0 ? s.Rasterteilung : 1;
    maler.setPen(Stift(s.Rasterstil, 1, s.Rasterfarbe));
    Raster(maler, w, h, KOS.xscl / teilung, KOS.yscl / teilung);
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(0, 0, w - 1, h - 1);
    if (s.Grobraster) {
        maler.setPen(Stift(Stiftstil::durchgezogen, 1, Grobrasterfarbe(s.Rasterfarbe)));
        Raster(maler, w, h, KOS.xscl, KOS.yscl);
    }
}

// World position of an axis: 0 when it is inside the window, else one centimetre
// in from the nearer edge.
Extended Achsenlage(Extended lo, Extended hi, int cm) {
    if (hi + lo >= hi - lo) return lo + (hi - lo) / cm;   // lo >= 0
    if (!(hi + lo > lo - hi)) return hi - (hi - lo) / cm;  // hi <= 0
    return 0;
}

struct Achsenkreuz {
    int w = 0, h = 0;
    int zeile = 0;    // row of the x axis
    int spalte = 0;   // column of the y axis
};

void Achsen_zeichnen(QPainter& maler, const Achsenkreuz& a) {
    const KOS_Einstellungen& s = KOS_Stil;
    const int L = s.Pfeillaenge, B = s.Pfeilbreite;
    const QFont beschriftung = Schrift(s.Beschriftungsschrift, s.Beschriftungsgroesse, s.Beschriftungsstil);
    QFontMetrics fm(beschriftung, maler.device());
    if (s.xAchse_an) {
        const int rechts = x_zu_Pixel(a.w, KOS.xre);
        maler.setPen(Stift(Stiftstil::durchgezogen, s.Achsenbreite, Farbe_schwarz));
        maler.drawLine(x_zu_Pixel(a.w, KOS.xli), a.zeile, rechts - L, a.zeile);
        maler.setPen(Stift(Stiftstil::durchgezogen, 1, Farbe_schwarz));
        maler.setBrush(Qt::black);
        const QPoint spitze[] = {{rechts, a.zeile}, {rechts - L, a.zeile - B}, {rechts - L, a.zeile + B}};
        Vieleck(maler, spitze, 3);
        maler.setBrush(Qt::NoBrush);
        const QString text = Qtext(s.Beschriftung_x);
        Text(maler, rechts - fm.horizontalAdvance(text + "A"), a.zeile - 24, text, beschriftung, true,
             Farbe_schwarz);
    }
    if (s.yAchse_an) {
        const int oben = y_zu_Pixel(a.h, KOS.yo);
        maler.setPen(Stift(Stiftstil::durchgezogen, s.Achsenbreite, Farbe_schwarz));
        maler.drawLine(a.spalte, y_zu_Pixel(a.h, KOS.yu), a.spalte, oben + L);
        maler.setPen(Stift(Stiftstil::durchgezogen, 1, Farbe_schwarz));
        maler.setBrush(Qt::black);
        const QPoint spitze[] = {{a.spalte, oben}, {a.spalte - B, oben + L}, {a.spalte + B, oben + L}};
        Vieleck(maler, spitze, 3);
        maler.setBrush(Qt::NoBrush);
        Text(maler, a.spalte + 9, 2, Qtext(s.Beschriftung_y), beschriftung, true, Farbe_schwarz);
    }
}

// Length of the general number text of a value (plain decimals from 0,00001 up to
// 15 integer digits), for the width estimate of labels.
int Zeichenzahl(Extended v) {
    const std::string text = Zahl_allgemein(v);
    return text.empty() ? 24 : int(text.size());
}

bool Zehnerpotenz_Skala(Extended c) { return c < 1E-6L || c >= 1E7L; }

// Every tick is labelled when the widest label fits, else only every 2nd, 3rd or 4th.
bool Beschriften(int k, int breite) {
    if (breite <= 35) return true;
    if (breite <= 80) return k % 2 == 0;
    if (breite <= 120) return k % 3 == 0;
    return k % 4 == 0;
}

std::string Mantissentext(Extended m) {
    char puffer[64];
    auto r = std::to_chars(puffer, puffer + sizeof puffer, static_cast<double>(m), std::chars_format::fixed, 1);
    std::string t(puffer, r.ptr);
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

struct Beschrifter {
    QPainter& maler;
    QFont zahl, potenz, hochzahl;
    int breite_8 = 0;

    void Zahl(Extended v, int k, int spalte, int zeile, bool x_achse, Extended c) {
        if (Zehnerpotenz_Skala(c)) {
            if (k % 2 == 1) Potenz(v, spalte, zeile, x_achse);
            return;
        }
        if (!Beschriften(k, Zeichenzahl(-7 * c) * breite_8)) return;
        const QString text = Qtext(Zahl_formatieren(false, Zahlausgabe.Gesamtstellen,
                                                    Zahlausgabe.Nachkommastellen, v));
        QFontMetrics fm(zahl, maler.device());
        const int tw = fm.horizontalAdvance(text);
        if (x_achse)
            Text(maler, spalte - tw / 2, zeile + 5, text, zahl, true, Farbe_schwarz);
        else
            Text(maler, spalte - tw - 5, zeile - fm.height() / 2, text, zahl, true, Farbe_schwarz);
    }

    // Mantissa, the multiplication dot and 10, then the exponent raised by 2 pixels.
    void Potenz(Extended v, int spalte, int zeile, bool x_achse) {
        Extended m = 0;
        int e = 0;
        Mantisse_Exponent(v, m, e);
        const QString mant = Qtext(Mantissentext(m)), hoch = QString::number(e);
        QFontMetrics fm(potenz, maler.device());
        const int w = fm.horizontalAdvance(mant + "*10" + hoch);
        int x, y;
        if (x_achse) {
            x = spalte - (v < 0 ? 3 : 0) - w / 2;
            y = zeile + 8;
        } else {
            x = spalte - (v < 0 ? 10 : 7) - w;
            y = zeile - fm.height() / 2;
        }
        // The symbol face's own dot operator vanishes at label sizes; the dot is
        // taken from the label face, the digits stay in the symbol face.
        QFont punkt_schrift = zahl;
        punkt_schrift.setPointSize(potenz.pointSize());
        const QString punkt(QChar(0x22C5));
        Text(maler, x, y, mant, potenz, true, Farbe_schwarz);
        x += fm.horizontalAdvance(mant);
        Text(maler, x, y, punkt, punkt_schrift, true, Farbe_schwarz);
        x += QFontMetrics(punkt_schrift, maler.device()).horizontalAdvance(punkt);
        Text(maler, x, y, "10", potenz, true, Farbe_schwarz);
        x += fm.horizontalAdvance("10");
        Text(maler, x, y - 2, hoch, hochzahl, true, Farbe_schwarz);
    }
};

// First running number k >= 1 whose tick lies within one step of the visible
// range, so that a window far from 0 does not walk through every invisible tick.
long long Erster_Lauf(Extended abstand, Extended c) {
    if (!(abstand > c)) return 1;
    // Capped where the count would no longer fit; such windows show no ticks then.
    constexpr Extended grenze = 1E18L;
    Extended k = std::floor(abstand / c);
    if (!(k < grenze)) k = grenze;
    return k > 1 ? static_cast<long long>(k) : 1;
}

void Skala_zeichnen(QPainter& maler, const Achsenkreuz& a) {
    const KOS_Einstellungen& s = KOS_Stil;
    Beschrifter b{maler, Schrift("Arial", s.Zahlenhoehe, s.Zahlenstil),
                  Schrift("Symbol", s.Zahlenhoehe - 1, s.Zahlenstil),
                  Schrift("Symbol", s.Zahlenhoehe - 3, s.Zahlenstil)};
    maler.setFont(b.zahl);
    b.breite_8 = QFontMetrics(b.zahl, maler.device()).horizontalAdvance(QChar('8'));
    const QPen strich = Stift(Stiftstil::durchgezogen, s.Strichbreite, Farbe_schwarz);
    auto x_strich = [&](Extended x, int sp, long long k) {
        maler.setPen(strich);
        maler.drawLine(sp, a.zeile - 3, sp, a.zeile + 3);
        if (s.Zahlen_an) b.Zahl(x, int(k), sp, a.zeile, true, KOS.xscl);
    };
    auto y_strich = [&](Extended y, int z, long long k) {
        maler.setPen(strich);
        maler.drawLine(a.spalte - 3, z, a.spalte + 3, z);
        if (s.Zahlen_an) b.Zahl(y, int(k), a.spalte, z, false, KOS.yscl);
    };
    const Extended cx = KOS.xscl, cy = KOS.yscl;
    if (s.xAchse_an && cx > 0) {
        long long n = 0;
        for (long long k = Erster_Lauf(-KOS.xre, cx); -k * cx > KOS.xli && n < Linien_hoechstens; ++k, ++n)
            x_strich(-k * cx, x_zu_Pixel(a.w, -k * cx), k);
        // Positive ticks stop left of the arrow head.
        const Extended st = s.yAchse_an ? cx : 0;
        n = 0;
        for (long long k = Erster_Lauf(KOS.xli - st, cx); n < Linien_hoechstens; ++k, ++n) {
            const Extended x = st + (k - 1) * cx;
            const int sp = x_zu_Pixel(a.w, x);
            if (sp >= a.w - 11) break;
            x_strich(x, sp, k);
        }
    }
    if (s.yAchse_an && cy > 0) {
        long long n = 0;
        for (long long k = Erster_Lauf(-KOS.yo, cy); -k * cy > KOS.yu && n < Linien_hoechstens; ++k, ++n)
            y_strich(-k * cy, y_zu_Pixel(a.h, -k * cy), k);
        const Extended st = s.xAchse_an ? cy : 0;
        n = 0;
        for (long long k = Erster_Lauf(KOS.yu - st, cy); n < Linien_hoechstens; ++k, ++n) {
            const Extended y = st + (k - 1) * cy;
            const int z = y_zu_Pixel(a.h, y);
            if (z <= 11) break;
            y_strich(y, z, k);
        }
    }
}

}  // namespace

void KOS_zeichnen(QPaintDevice& bild) {
    Bild_fuellen(bild, Farbe_weiss);
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    Achsenkreuz a;
    a.w = bild.width();
    a.h = bild.height();
    Raster_zeichnen(maler, a.w, a.h);
    a.spalte = x_zu_Pixel(a.w, Achsenlage(KOS.xli, KOS.xre, KOS.Bildbreite_cm > 0 ? KOS.Bildbreite_cm : 16));
    a.zeile = y_zu_Pixel(a.h, Achsenlage(KOS.yu, KOS.yo, KOS.Bildtiefe_cm > 0 ? KOS.Bildtiefe_cm : 16));
    Achsen_zeichnen(maler, a);
    if (KOS_Stil.Skala_an) Skala_zeichnen(maler, a);
}
