#include "graphics/UFolgen_Grafik.h"

#include "graphics/Farben.h"
#include "graphics/UMaler.h"
#include "graphics/U_KOS.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <span>

namespace {

// Arrows of the web: head half-width 2, length 8; a step not longer than the head
// is not drawn and leaves the pen where it was.
constexpr int Kopf_halb = 2, Kopf_lang = 8;
// The web gives up on a term whose pixel reaches this far (running off to infinity).
constexpr int Fluchtpixel = 2000;

bool Pfeil_passt(QPoint von, QPoint bis) {
    return std::hypot(double(bis.x() - von.x()), double(bis.y() - von.y())) >
           std::hypot(double(Kopf_lang), 2.0 * Kopf_halb);
}

struct Netz {
    QPainter& maler;
    const Spinnwebvorgabe& v;
    int w, h;
    QPoint stift;

    void Strich(QPoint bis, bool pfeil) {
        const int breite = Linienbreite(v.Linienart);
        if (!pfeil) {
            Stift_setzen(maler, Stift(Stiftstil::durchgezogen, breite, v.Linienfarbe));
            maler.drawLine(stift, bis);
            stift = bis;
            return;
        }
        if (!Pfeil_passt(stift, bis)) return;
        Pfeil(maler, stift.x(), stift.y(), bis.x(), bis.y(), Kopf_halb, Kopf_lang, Muster_voll,
              Stiftstil::durchgezogen, v.Linienfarbe, breite, v.Linienfarbe);
        stift = bis;
    }

    // From the pen up or down to the graph of g, then across to the diagonal.
    void Stufe(Extended vorher, Extended wert) {
        const int spalte = x_zu_Pixel(w, wert), zeile = y_zu_Pixel(h, wert);
        const bool pfeile = v.Linienart == 5 ||
                            (v.Linienart == 4 && std::abs(zeile - stift.y()) > 8 && std::abs(spalte - stift.x()) > 8);
        if (pfeile) {
            Strich(QPoint(stift.x(), zeile), true);
            Strich(QPoint(spalte, stift.y()), true);
        } else {
            Strich(QPoint(x_zu_Pixel(w, vorher), zeile), false);
            Strich(QPoint(spalte, zeile), false);
        }
    }

    // Dotted black line from the point (w; w) of the diagonal to just below the x axis.
    void Lot(Extended wert) {
        const int spalte = x_zu_Pixel(w, wert);
        Stift_setzen(maler, Stift(Stiftstil::gepunktet, 1, Farbe_schwarz));
        maler.drawLine(spalte, y_zu_Pixel(h, wert), spalte, y_zu_Pixel(h, 0) + 6);
    }

    void Schreiben(int x, int y, const std::string& text, const std::string& schrift, int groesse) {
        Text(maler, x, y, Qtext(text), Schrift(schrift, groesse, v.Schrift.Stil), true, v.Schrift.Farbe);
    }
};

}  // namespace

void Zeitreihe_zeichnen(QPaintDevice& bild, const Folge& folge) {
    const size_t n = size_t(folge.Zeichenbare());
    size_t anfang = 0;
    for (size_t i = 0; i <= n; ++i) {
        if (i < n && folge.gueltig[i]) continue;
        if (i > anfang) Punkte_zeichnen(bild, std::span<const TPunkt>(folge.Glieder.data() + anfang, i - anfang));
        anfang = i + 1;
    }
}

Spinnwebende Spinnweb_zeichnen(QPaintDevice& bild, const Folge& folge, const Spinnwebvorgabe& v) {
    Kurve_zeichnen(bild, "x", Farbe_schwarz, 1, Kurve_Funktion, v.xa, v.xe, Schar);
    Kurve_zeichnen(bild, v.g, Farbe_rot, v.Linienart, Kurve_Funktion, v.xa, v.xe, Schar);
    if (v.nur_g || folge.Glieder.empty()) return Spinnwebende::nur_g;

    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    Netz netz{maler, v, Logische_Breite(bild), Logische_Hoehe(bild), QPoint()};
    const std::vector<TPunkt>& y = folge.Glieder;
    netz.stift = QPoint(x_zu_Pixel(netz.w, y[0].y), y_zu_Pixel(netz.h, 0));
    const int text_x = x_zu_Pixel(netz.w, 0);
    const int N = folge.Zeichenbare();
    for (int i = 1; i < N; ++i) {
        const Extended wert = y[size_t(i)].y;
        if (y_zu_Pixel(netz.h, wert) >= Fluchtpixel || x_zu_Pixel(netz.w, wert) >= Fluchtpixel) {
            netz.Schreiben(text_x + 50, 25, "Vermutlich kein Grenzwert !", "Arial", 11);
            return Spinnwebende::entwichen;
        }
        netz.Stufe(y[size_t(i - 1)].y, wert);
    }
    if (folge.Abbruch >= 0) return Spinnwebende::abgebrochen;

    std::vector<Extended> werte(y.size());
    for (size_t i = 0; i < y.size(); ++i) werte[i] = y[i].y;
    const Grenzwertbefund b = Grenzwert_suchen(werte);
    switch (b.Art) {
    case Befundart::Grenzwert:
        netz.Lot(b.Grenzwert);
        netz.Schreiben(text_x + 50, 25, "Grenzwert vermutlich " + Zahl_nach_Einstellung(b.Grenzwert),
                       v.Schrift.Name, 11);
        return Spinnwebende::Grenzwert;
    case Befundart::Haeufungswerte: {
        const int groesse = v.Schrift.Groesse;
        netz.Schreiben(text_x + 20, 25, "Evtl. " + std::to_string(b.Periode) + " Häufungswerte:", v.Schrift.Name,
                       groesse);
        const int zeilenabstand = int(std::lround(1.5 * groesse));
        for (int j = 1; j <= b.Periode; ++j) {
            const Extended w = b.Werte[size_t(j - 1)];
            netz.Lot(w);
            netz.Schreiben(text_x + 20, 25 + j * zeilenabstand, Zahl_nach_Einstellung(w), v.Schrift.Name, groesse);
        }
        return Spinnwebende::Haeufungswerte;
    }
    case Befundart::kein_Grenzwert:
        break;
    }
    netz.Schreiben(text_x + 50, 25, "vermutlich kein Grenzwert !", v.Schrift.Name, 11);
    return Spinnwebende::kein_Grenzwert;
}

void Bifurkation_zeichnen(QPaintDevice& bild, const std::vector<uint8_t>& pixel, uint32_t farbe) {
    const int w = Logische_Breite(bild), h = Logische_Hoehe(bild);
    if (pixel.size() != size_t(w) * size_t(h)) return;
    // The marks go into a transparent layer of the picture's size, laid over it in one
    // go: exact pixels on a bitmap, one embedded image in a vector file.
    QImage lage(w, h, QImage::Format_ARGB32_Premultiplied);
    lage.fill(Qt::transparent);
    const QRgb punkt = Farbe_Qt(farbe).rgb();
    for (int z = 0; z < h; ++z) {
        auto* zeile = reinterpret_cast<QRgb*>(lage.scanLine(z));
        const uint8_t* marke = pixel.data() + size_t(z) * size_t(w);
        for (int c = 0; c < w; ++c)
            if (marke[c]) zeile[c] = punkt;
    }
    QPainter maler(&bild);
    maler.drawImage(QRect(0, 0, w, h), lage);
}

long long Kurvenschar_zeichnen(QPaintDevice& bild, const Kurvenvorgabe& v, uint32_t farbe, int linienart,
                               const std::vector<Extended>& familie, bool farbig) {
    bool gekappt = false;
    const long long mitglieder = std::max<long long>(1, static_cast<long long>(familie.size()));
    const long long hoechstens = std::min(Kurvenpunkte_max, Scharpunkte_max / mitglieder);
    const std::vector<Extended> ts = Kurvenparameter(v.k1, v.k2, v.dt, gekappt, hoechstens);
    QPainter maler(&bild);
    Maler_vorbereiten(maler);
    const int w = Logische_Breite(bild), h = Logische_Hoehe(bild);
    std::vector<QPoint> zug;
    zug.reserve(ts.size());
    auto zug_zeichnen = [&] {
        // A lone point is only a move of the pen, as between two failures.
        if (zug.size() >= 2) maler.drawPolyline(zug.data(), int(zug.size()));
        zug.clear();
    };
    for (size_t i = 0; i < familie.size(); ++i) {
        Stift_setzen(maler, Stift(farbig ? Farbe_nach_Index(int(i)) : farbe, linienart));
        const Kurvenpunkte k = Kurve_abtasten(v, familie[i], ts);
        for (size_t j = 0; j < ts.size(); ++j) {
            if (!k.ok[j]) {
                zug_zeichnen();
                continue;
            }
            zug.emplace_back(x_zu_Pixel(w, k.Punkte[j].x), y_zu_Pixel(h, k.Punkte[j].y));
        }
        zug_zeichnen();
    }
    return gekappt ? static_cast<long long>(ts.size()) : 0;
}
