// Sorting, frequency table, key figures, histogram classes and pie sectors.
#include "stats/UStatistik.h"
#include "platform/Dialoge.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Frequencies far beyond this are no counts of observations; the walk of the
// median would lose its integer steps.
constexpr Extended Haeufigkeit_hoechstens = 1e15L;

long long Gerundet(Extended h) { return static_cast<long long>(std::nearbyint(h)); }

bool Haeufigkeiten_zaehlbar(const TWertpaare& d) {
    for (const TWertpaar& p : d)
        if (!(std::fabs(p.h) <= Haeufigkeit_hoechstens)) return false;
    return true;
}

}  // namespace

void Daten_sortieren(TWertpaare& daten, bool aufsteigend) {
    const size_t n = daten.size();
    for (size_t ende = n; ende > 1; --ende) {
        bool getauscht = false;
        for (size_t i = 0; i + 1 < ende; ++i) {
            const bool tauschen = aufsteigend ? daten[i].x > daten[i + 1].x : daten[i].x < daten[i + 1].x;
            if (tauschen) {
                std::swap(daten[i], daten[i + 1]);
                getauscht = true;
            }
        }
        if (!getauscht) break;
    }
}

bool Alle_ganzzahlig(const TWertpaare& daten) {
    return std::all_of(daten.begin(), daten.end(), [](const TWertpaar& p) { return Ist_ganzzahlig(p.h); });
}

TWertpaare Gleiche_zusammenfassen(const TWertpaare& sortiert) {
    TWertpaare z;
    for (const TWertpaar& p : sortiert) {
        if (!z.empty() && z.back().x == p.x) z.back().h += p.h;
        else z.push_back(p);
    }
    return z;
}

bool Median_gewichtet(const TWertpaare& d, Extended& median, int& k, long long& c, long long& halb) {
    long long N = 0;
    for (const TWertpaar& p : d) N += Gerundet(p.h);
    median = 0;
    k = 0;
    c = 0;
    halb = N / 2;
    if (N < 1 || d.empty()) return false;
    const int n = static_cast<int>(d.size());
    do {
        c += Gerundet(d[size_t(k)].h);
        ++k;
    } while (c < halb && k < n);
    const Extended xk = d[size_t(k - 1)].x;
    Extended m = xk;
    if (c == halb) {
        // Observation half + 1 is the next value that occurs at all.
        int j = k;
        while (j < n && Gerundet(d[size_t(j)].h) <= 0) ++j;
        if (j < n) m = d[size_t(j)].x;
    }
    median = N % 2 == 0 ? (m + xk) / 2 : m;
    return true;
}

namespace {

// The first `halb` observations of the data in their order, for the quartile of that side.
TWertpaare Haelfte(const TWertpaare& d, int k, long long c, long long halb) {
    TWertpaare h(d.begin(), d.begin() + k);
    h.back().h = Extended(Gerundet(h.back().h) - c + halb);
    for (int i = 0; i + 1 < k; ++i) h[size_t(i)].h = Extended(Gerundet(h[size_t(i)].h));
    return h;
}

}  // namespace

bool Quartile_berechnen(const TWertpaare& aufsteigend, Extended& median, Extended& q1, Extended& q3) {
    int k = 0;
    long long c = 0, halb = 0;
    q1 = q3 = 0;
    if (!Median_gewichtet(aufsteigend, median, k, c, halb)) return false;
    if (halb == 0) {   // a single observation
        q1 = q3 = median;
        return true;
    }
    Extended unbenutzt = 0;
    Median_gewichtet(Haelfte(aufsteigend, k, c, halb), q1, k, c, halb);
    TWertpaare absteigend = aufsteigend;
    Daten_sortieren(absteigend, false);
    Median_gewichtet(absteigend, unbenutzt, k, c, halb);
    Median_gewichtet(Haelfte(absteigend, k, c, halb), q3, k, c, halb);
    return true;
}

TKennzahlen Kennzahlen_berechnen(const TWertpaare& d) {
    TKennzahlen z;
    if (d.empty()) {
        z.Datenfehler = true;
        return z;
    }
    z.Min = z.Max = d.front().x;
    for (const TWertpaar& p : d) {
        z.Min = std::min(z.Min, p.x);
        z.Max = std::max(z.Max, p.x);
    }
    for (const TWertpaar& p : d)
        if (p.h < 0) {
            z.Datenfehler = true;
            Dialog().Meldung("Häufigkeiten müssen positiv sein !\rKennzahlen können nicht berechnet werden !");
            return z;
        }
    if (!Haeufigkeiten_zaehlbar(d) || !Quartile_berechnen(d, z.Median, z.Q1, z.Q3)) {
        z.Datenfehler = true;
        return z;
    }
    z.IQR = z.Q3 - z.Q1;
    z.zu = z.Q1 - 1.5L * z.IQR;
    z.zo = z.Q3 + 1.5L * z.IQR;
    Extended summe_h = 0, summe_xh = 0;
    for (const TWertpaar& p : d) {
        summe_h += p.h;
        summe_xh += p.x * p.h;
    }
    z.N = summe_h;
    z.Mittel = summe_xh / summe_h;
    Extended q = 0;
    for (const TWertpaar& p : d) q += p.h * (p.x - z.Mittel) * (p.x - z.Mittel);
    z.s_n = std::sqrt(q / summe_h);
    const bool ganze_zahl_ueber_1 = Ist_ganzzahlig(summe_h) && summe_h > 1;
    z.s_n1 = std::sqrt(q / (ganze_zahl_ueber_1 ? summe_h - 1 : summe_h));
    for (Extended v : {z.Mittel, z.s_n, z.s_n1, z.IQR, z.zu, z.zo})
        if (!std::isfinite(v)) z.Datenfehler = true;
    return z;
}

bool Haeufigkeitstabelle_ausgeben(TTabelle& T, const TWertpaare& d) {
    T.Zelle(5, 0) = " sortiert";
    T.Zelle(6, 0) = "  abs.H.";
    T.Zelle(7, 0) = "  rel.H.";
    long long summe = 0;
    for (const TWertpaar& p : d) summe += std::fabs(p.h) <= Haeufigkeit_hoechstens ? Gerundet(p.h) : 0;
    const int n = std::min(static_cast<int>(d.size()), Letzte_Zeile);
    for (int i = 1; i <= n; ++i) {
        const TWertpaar& p = d[size_t(i - 1)];
        T.Zelle(5, i) = Zahl_allgemein(p.x);
        T.Zelle(6, i) = Zahl_allgemein(p.h);
        T.Zelle(7, i) = summe != 0 ? Standardformat_fix(p.h * 100 / Extended(summe), 2) + "%" : "";
    }
    T.Melden(TTabellenaenderung::Inhalt);
    return summe != 0;
}

namespace {

std::string Zaun_Text(Extended zu, Extended zo) {
    std::string s = "[";
    s += Zahl_allgemein(zu);
    s += ";";
    s += Zahl_allgemein(zo);
    s += "]";
    return s;
}

}  // namespace

void Kennzahlen_ausgeben(TTabelle& T, const TKennzahlen& k) {
    T.Zelle(3, 0) = "Statistik-";
    T.Zelle(4, 0) = "Kennzahlen";
    if (k.Datenfehler) {
        const char* zeilen[] = {"Es liegt", "ein", "Daten-", "fehler", "vor !"};
        for (int i = 0; i < 5; ++i) T.Zelle(3, i + 2) = zeilen[i];
        T.Melden(TTabellenaenderung::Inhalt);
        return;
    }
    const std::pair<const char*, std::string> zeilen[] = {
        {"n =", Zahl_allgemein(std::nearbyint(k.N))}, {"x quer =", Zahl_allgemein(k.Mittel)},
        {"s.n =", Zahl_allgemein(k.s_n)},             {"s.n-1 =", Zahl_allgemein(k.s_n1)},
        {"minX =", Zahl_allgemein(k.Min)},            {"Q1 =", Zahl_allgemein(k.Q1)},
        {"Med =", Zahl_allgemein(k.Median)},          {"Q3 =", Zahl_allgemein(k.Q3)},
        {"maxX =", Zahl_allgemein(k.Max)},            {"IQR =", Zahl_allgemein(k.IQR)},
        {"[zu;zo] =", Zaun_Text(k.zu, k.zo)},
    };
    for (int i = 0; i < 11; ++i) {
        T.Zelle(3, i + 1) = zeilen[i].first;
        T.Zelle(4, i + 1) = zeilen[i].second;
    }
    T.Melden(TTabellenaenderung::Inhalt);
}

namespace {

// A plain decimal number with the decimal comma: optional sign, digits, at most one comma.
bool Dezimalzahl_lesen(std::string s, Extended& wert) {
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    if (s.empty() || s.size() > 60) return false;
    size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    int ziffern = 0, kommas = 0;
    for (size_t j = i; j < s.size(); ++j) {
        if (s[j] >= '0' && s[j] <= '9') ++ziffern;
        else if (s[j] == ',' && ++kommas == 1) s[j] = '.';
        else return false;
    }
    if (ziffern == 0) return false;
    double w = 0;   // from_chars of long double is not everywhere; the digits are few
    const char* anfang = s.data() + (s[0] == '+' ? 1 : 0);
    auto [ende, fehler] = std::from_chars(anfang, s.data() + s.size(), w);
    if (fehler != std::errc{} || ende != s.data() + s.size()) return false;
    wert = w;
    return true;
}

}  // namespace

TKlassenfehler Klasse_lesen(const std::string& text, Extended& a, Extended& b, std::string& falsch) {
    const size_t p = text.find(';');
    if (p == std::string::npos) return TKlassenfehler::kein_Semikolon;
    const std::string links = text.substr(0, p), rechts = text.substr(p + 1);
    if (!Dezimalzahl_lesen(links, a)) {
        falsch = links;
        return TKlassenfehler::keine_Zahl;
    }
    if (!Dezimalzahl_lesen(rechts, b)) {
        falsch = rechts;
        return TKlassenfehler::keine_Zahl;
    }
    return b - a <= 0 ? TKlassenfehler::leeres_Intervall : TKlassenfehler::keiner;
}

bool Kreissektoren(const std::vector<Extended>& v, const TKreis& kreis, std::vector<TSektor>& sektoren) {
    sektoren.clear();
    Extended S = 0;
    for (Extended w : v) S += w;
    if (v.empty() || S == 0 || !std::isfinite(S)) return false;
    Extended W = 0;
    for (Extended w : v) {
        TSektor s;
        s.Prozent = w / S * 100;
        s.Winkel = 3.6L * s.Prozent;
        W += s.Winkel;
        s.Winkel_kumuliert = W;
        s.Ende = Punkt_drehen(kreis.Start, kreis.M, W);
        s.Mitte_Rand = Punkt_drehen(kreis.Start, kreis.M, W - s.Winkel / 2);
        sektoren.push_back(s);
    }
    return true;
}

void Kreissektoren_ausgeben(TTabelle& T, const std::vector<TSektor>& sektoren) {
    const int n = std::min(static_cast<int>(sektoren.size()), Letzte_Zeile);
    for (int i = 1; i <= n; ++i) {
        const TSektor& s = sektoren[size_t(i - 1)];
        T.Zelle(4, i) = Standardformat_fix(s.Prozent, 1) + "%";
        T.Zelle(5, i) = Standardformat_fix(s.Winkel, 1) + "°";
        T.Zelle(7, i) = Standardformat_fix(s.Ende.x, 2);
        T.Zelle(8, i) = Standardformat_fix(s.Ende.y, 2);
    }
    T.Melden(TTabellenaenderung::Inhalt);
}
