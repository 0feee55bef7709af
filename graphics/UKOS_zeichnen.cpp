// The empty coordinate system: grid, coarse grid, axes with arrows and captions,
// ticks and labels (plain numbers thinned by their width, powers of ten for very
// small or very large scales).
#include "graphics/Farben.h"
#include "graphics/UGrafik.h"
#include "graphics/UMaler.h"
#include "graphics/U_KOS.h"
#include "numeric/UMatheBasisOp.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

// More grid lines or ticks than this in one direction would only blacken the
// picture (and take long for an absurd scale); such a grid is left out.
constexpr long long Linien_hoechstens = 5000;

// How grid lines reach the picture. On a raster image a solid one-pixel line along a
// row or column covers exactly the pixels of a one-pixel-wide rectangle from end to
// end, and the filled rectangle is a plain memory fill where the line stepper sets
// pixel after pixel (a 641-pixel picture's default grid spent most of its time there).
// Dotted pens, wider pens and vector devices keep real lines.
struct Rasterlinien {
    QPainter& maler;
    bool als_Flaeche = false;
    QColor farbe;

    Rasterlinien(QPainter& m, const QPen& stift) : maler(m) {
        Stift_setzen(maler, stift);
        als_Flaeche = maler.device() && maler.device()->devType() == QInternal::Image &&
                      maler.transform().isIdentity() && maler.device()->devicePixelRatio() == 1 &&
                      stift.style() == Qt::SolidLine && stift.isCosmetic() &&
                      stift.width() <= 1 && stift.color().alpha() == 255;
        farbe = stift.color();
    }
    void senkrecht(int s, int h) {
        if (als_Flaeche) maler.fillRect(s, 0, 1, h + 1, farbe);
        else maler.drawLine(s, 0, s, h);
    }
    void waagerecht(int z, int w) {
        if (als_Flaeche) maler.fillRect(0, z, w + 1, 1, farbe);
        else maler.drawLine(0, z, w, z);
    }
};

// Grid colour minus 32 in every channel, as one subtraction on the colour value.
uint32_t Grobrasterfarbe(uint32_t farbe) {
    long long c = static_cast<long long>(farbe) - 2105376;
    return c < 0 ? 0 : static_cast<uint32_t>(c);
}

// Columns and rows of the grid lines at every multiple of dx and dy inside the
// window, anchored at world 0.
struct Rasterlage {
    std::vector<int> spalten, zeilen;
};

Rasterlage Rasterlinien_lage(int w, int h, Extended dx, Extended dy) {
    Rasterlage lage;
    if (dx > 0) {
        Extended k0 = std::ceil(KOS.xli / dx), k1 = std::floor(KOS.xre / dx);
        // Counted by an integer: far from 0, k + 1 may round back to k.
        if (k1 - k0 < Linien_hoechstens)
            for (long long i = 0; i <= static_cast<long long>(k1 - k0); ++i)
                lage.spalten.push_back(x_zu_Pixel(w, (k0 + i) * dx));
    }
    if (dy > 0) {
        Extended k0 = std::ceil(KOS.yu / dy), k1 = std::floor(KOS.yo / dy);
        if (k1 - k0 < Linien_hoechstens)
            for (long long i = 0; i <= static_cast<long long>(k1 - k0); ++i)
                lage.zeilen.push_back(y_zu_Pixel(h, (k0 + i) * dy));
    }
    return lage;
}

void Raster(Rasterlinien& linien, int w, int h, Extended dx, Extended dy) {
    const Rasterlage lage = Rasterlinien_lage(w, h, dx, dy);
    for (int s : lage.spalten) linien.senkrecht(s, h);
    for (int z : lage.zeilen) linien.waagerecht(z, w);
}

// Every row of the grid is one of three: crossed by the columns only, a fine row or a
// coarse row. The three are made once and copied into the freshly whitened rows; a
// coarse line wins over a fine one where they cross, as it is painted last.
void Raster_setzen(QImage& bild, const Rasterlage& fein, const Rasterlage& grob, QRgb f_fein, QRgb f_grob) {
    const int w = bild.width(), h = bild.height();
    std::vector<QRgb> muster[3] = {std::vector<QRgb>(size_t(w), Farbe_Qt(Farbe_weiss).rgb()),
                                   std::vector<QRgb>(size_t(w), f_fein), std::vector<QRgb>(size_t(w), f_grob)};
    std::vector<unsigned char> art(size_t(h), 0);
    for (int sp : fein.spalten)
        if (sp >= 0 && sp < w) muster[0][size_t(sp)] = f_fein;
    for (int z : fein.zeilen)
        if (z >= 0 && z < h) art[size_t(z)] = 1;
    for (int sp : grob.spalten)
        if (sp >= 0 && sp < w) muster[0][size_t(sp)] = muster[1][size_t(sp)] = f_grob;
    for (int z : grob.zeilen)
        if (z >= 0 && z < h) art[size_t(z)] = 2;
    for (int z = 0; z < h; ++z)
        std::copy(muster[art[size_t(z)]].begin(), muster[art[size_t(z)]].end(),
                  reinterpret_cast<QRgb*>(bild.scanLine(z)));
}

// The grid of a solid pen on a plain 32-bit raster image just filled white, before any
// painter is open: the same pixels as the painter's one-pixel lines (fine grid, its
// frame, then the coarse grid over both), without a paint call per line. False where
// the painter has to draw it.
bool Raster_direkt(QPaintDevice& geraet, int w, int h) {
    auto* bild = dynamic_cast<QImage*>(&geraet);
    if (!bild || bild->devicePixelRatio() != 1 || bild->width() != w || bild->height() != h || w < 1 || h < 1)
        return false;
    const QImage::Format f = bild->format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied)
        return false;
    const KOS_Einstellungen& s = KOS_Stil;
    if (!s.Raster_an) return true;
    if (s.Rasterstil != Stiftstil::durchgezogen) return false;
    const int teilung = s.Rasterteilung > 0 ? s.Rasterteilung : 1;
    Rasterlage fein = Rasterlinien_lage(w, h, KOS.xscl / teilung, KOS.yscl / teilung);
    fein.spalten.insert(fein.spalten.end(), {0, w - 1});
    fein.zeilen.insert(fein.zeilen.end(), {0, h - 1});
    const Rasterlage grob = s.Grobraster ? Rasterlinien_lage(w, h, KOS.xscl, KOS.yscl) : Rasterlage{};
    Raster_setzen(*bild, fein, grob, Farbe_Qt(s.Rasterfarbe).rgb(), Farbe_Qt(Grobrasterfarbe(s.Rasterfarbe)).rgb());
    return true;
}

void Raster_zeichnen(QPainter& maler, int w, int h) {
    const KOS_Einstellungen& s = KOS_Stil;
    if (!s.Raster_an) return;
    const int teilung = s.Rasterteilung > 0 ? s.Rasterteilung : 1;
    Rasterlinien fein(maler, Stift(s.Rasterstil, 1, s.Rasterfarbe));
    Raster(fein, w, h, KOS.xscl / teilung, KOS.yscl / teilung);
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(0, 0, w - 1, h - 1);
    if (s.Grobraster) {
        Rasterlinien grob(maler, Stift(Stiftstil::durchgezogen, 1, Grobrasterfarbe(s.Rasterfarbe)));
        Raster(grob, w, h, KOS.xscl, KOS.yscl);
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
        Stift_setzen(maler, Stift(Stiftstil::durchgezogen, s.Achsenbreite, Farbe_schwarz));
        maler.drawLine(x_zu_Pixel(a.w, KOS.xli), a.zeile, rechts - L, a.zeile);
        Stift_setzen(maler, Stift(Stiftstil::durchgezogen, 1, Farbe_schwarz));
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
        Stift_setzen(maler, Stift(Stiftstil::durchgezogen, s.Achsenbreite, Farbe_schwarz));
        maler.drawLine(a.spalte, y_zu_Pixel(a.h, KOS.yu), a.spalte, oben + L);
        Stift_setzen(maler, Stift(Stiftstil::durchgezogen, 1, Farbe_schwarz));
        maler.setBrush(Qt::black);
        const QPoint spitze[] = {{a.spalte, oben}, {a.spalte - B, oben + L}, {a.spalte + B, oben + L}};
        Vieleck(maler, spitze, 3);
        maler.setBrush(Qt::NoBrush);
        Text(maler, a.spalte + 9, 2, Qtext(s.Beschriftung_y), beschriftung, true, Farbe_schwarz);
    }
}

bool Zehnerpotenz_Skala(Extended c) { return c < 1E-6L || c >= 1E7L; }

// The plain label of a tick value, as it is drawn.
std::string Zahltext(Extended v) {
    return Zahl_formatieren(false, Zahlausgabe.Gesamtstellen, Zahlausgabe.Nachkommastellen, v);
}

// Every tick is labelled when the widest label fits, else only every 2nd, 3rd or 4th;
// and never so many that neighbouring labels (abstand pixels apart per tick, bedarf
// pixels needed each) would touch.
int Beschriftungsschritt(int breite, Extended abstand, int bedarf) {
    int n = breite <= 35 ? 1 : breite <= 80 ? 2 : breite <= 120 ? 3 : 4;
    if (abstand > 0)
        while (n * abstand < bedarf + 2 && n < 1000) ++n;
    return n;
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
    int schritt = 1;   // only ticks whose running number is a multiple are labelled
    std::vector<std::string> texte{};   // the plain labels of the current axis, tick by tick
    // Laying a label out is the dearest part of it; both axes mostly share their
    // labels, so each text is measured once per picture.
    QHash<QString, int> breiten{};

    // The step of one axis from the widest label it will draw: its characters times
    // the width of an "8". abstand: pixels from tick to tick.
    void Schritt_waehlen(const std::vector<Extended>& werte, Extended c, Extended abstand, bool x_achse) {
        schritt = 1;
        texte.assign(werte.size(), std::string());
        if (Zehnerpotenz_Skala(c)) return;
        size_t zeichen = Zahltext(-7 * c).size();
        for (size_t i = 0; i < werte.size(); ++i) {
            texte[i] = Zahltext(werte[i]);
            zeichen = std::max(zeichen, texte[i].size());
        }
        const int breite = int(zeichen) * breite_8;
        const int bedarf = x_achse ? breite : QFontMetrics(zahl, maler.device()).height();
        schritt = Beschriftungsschritt(breite, abstand, bedarf);
    }

    // zahltext: the tick's plain label from Schritt_waehlen.
    void Zahl(Extended v, const std::string& zahltext, long long k, int spalte, int zeile, bool x_achse, Extended c) {
        if (Zehnerpotenz_Skala(c)) {
            if (k % 2 == 1) Potenz(v, spalte, zeile, x_achse);
            return;
        }
        if (k % schritt != 0) return;
        const QString text = Qtext(zahltext);
        const QFontMetrics fm(zahl, maler.device());
        // The same width serves for placing the label and for its white background.
        auto gemessen = breiten.constFind(text);
        if (gemessen == breiten.constEnd()) gemessen = breiten.insert(text, fm.horizontalAdvance(text));
        const int tw = *gemessen;
        if (x_achse)
            Text_deckend(maler, spalte - tw / 2, zeile + 5, text, zahl, tw, Farbe_schwarz);
        else
            Text_deckend(maler, spalte - tw - 5, zeile - fm.height() / 2, text, zahl, tw, Farbe_schwarz);
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

struct Strich {
    Extended wert;
    int pixel;
    long long k;   // running number in its direction
};

// The ticks of one axis: first the negative side outwards from 0, then the positive
// side from s (one tick, or 0 when the other axis is off) up to the arrow head.
// lo, hi: the window; pixel: world to pixel; vorbei: a pixel at or beyond the arrow.
template <class Pixel, class Vorbei>
std::vector<Strich> Striche(Extended lo, Extended hi, Extended c, bool ab_eins, Pixel pixel, Vorbei vorbei) {
    std::vector<Strich> striche;
    long long n = 0;
    for (long long k = Erster_Lauf(-hi, c); -k * c > lo && n < Linien_hoechstens; ++k, ++n)
        striche.push_back({-k * c, pixel(-k * c), k});
    const Extended st = ab_eins ? c : 0;
    n = 0;
    for (long long k = Erster_Lauf(lo - st, c); n < Linien_hoechstens; ++k, ++n) {
        const Extended v = st + (k - 1) * c;
        const int p = pixel(v);
        if (vorbei(p)) break;
        striche.push_back({v, p, k});
    }
    return striche;
}

void Skala_zeichnen(QPainter& maler, const Achsenkreuz& a) {
    const KOS_Einstellungen& s = KOS_Stil;
    Beschrifter b{maler, Schrift("Arial", s.Zahlenhoehe, s.Zahlenstil),
                  Schrift("Symbol", s.Zahlenhoehe - 1, s.Zahlenstil),
                  Schrift("Symbol", s.Zahlenhoehe - 3, s.Zahlenstil)};
    maler.setFont(b.zahl);
    b.breite_8 = QFontMetrics(b.zahl, maler.device()).horizontalAdvance(QChar('8'));
    const QPen strich = Stift(Stiftstil::durchgezogen, s.Strichbreite, Farbe_schwarz);
    // Labels are measured over the whole axis before the first is drawn.
    auto beschriften = [&](const std::vector<Strich>& striche, Extended c, Extended abstand, bool x_achse) {
        if (!s.Zahlen_an) return;
        std::vector<Extended> werte;
        werte.reserve(striche.size());
        for (const Strich& st : striche) werte.push_back(st.wert);
        b.Schritt_waehlen(werte, c, abstand, x_achse);
        for (size_t i = 0; i < striche.size(); ++i) {
            const Strich& st = striche[i];
            if (x_achse) b.Zahl(st.wert, b.texte[i], st.k, st.pixel, a.zeile, true, c);
            else b.Zahl(st.wert, b.texte[i], st.k, a.spalte, st.pixel, false, c);
        }
    };
    const Extended cx = KOS.xscl, cy = KOS.yscl;
    if (s.xAchse_an && cx > 0) {
        const auto striche = Striche(KOS.xli, KOS.xre, cx, s.yAchse_an, [&](Extended x) { return x_zu_Pixel(a.w, x); },
                                     [&](int sp) { return sp >= a.w - 11; });
        Stift_setzen(maler, strich);
        for (const Strich& st : striche) maler.drawLine(st.pixel, a.zeile - 3, st.pixel, a.zeile + 3);
        beschriften(striche, cx, cx / (KOS.xre - KOS.xli) * (a.w - 1), true);
    }
    if (s.yAchse_an && cy > 0) {
        const auto striche = Striche(KOS.yu, KOS.yo, cy, s.xAchse_an, [&](Extended y) { return y_zu_Pixel(a.h, y); },
                                     [](int z) { return z <= 11; });
        Stift_setzen(maler, strich);
        for (const Strich& st : striche) maler.drawLine(a.spalte - 3, st.pixel, a.spalte + 3, st.pixel);
        beschriften(striche, cy, cy / (KOS.yo - KOS.yu) * (a.h - 1), false);
    }
}

}  // namespace

void KOS_zeichnen(QPaintDevice& bild) {
    Bild_fuellen(bild, Farbe_weiss);
    Achsenkreuz a;
    a.w = Logische_Breite(bild);
    a.h = Logische_Hoehe(bild);
    const bool raster_fertig = Raster_direkt(bild, a.w, a.h);
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    if (!raster_fertig) Raster_zeichnen(maler, a.w, a.h);
    a.spalte = x_zu_Pixel(a.w, Achsenlage(KOS.xli, KOS.xre, KOS.Bildbreite_cm > 0 ? KOS.Bildbreite_cm : 16));
    a.zeile = y_zu_Pixel(a.h, Achsenlage(KOS.yu, KOS.yo, KOS.Bildtiefe_cm > 0 ? KOS.Bildtiefe_cm : 16));
    Achsen_zeichnen(maler, a);
    if (KOS_Stil.Skala_an) Skala_zeichnen(maler, a);
}
