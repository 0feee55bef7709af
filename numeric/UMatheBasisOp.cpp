// Number text around the formatting core: the display settings, fraction text, the
// cell-reading rule of the table, polynomial text and the small shared helpers.
#include "numeric/UMatheBasisOp.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

Zahlausgabezustand Zahlausgabe;

void Gesamtstellen_waehlen(int P) {
    Zahlausgabe.Gesamtstellen = std::clamp(P, 8, 20);
    if (Zahlausgabe.Nachkommastellen > Zahlausgabe.Gesamtstellen - 3)
        Zahlausgabe.Nachkommastellen = Zahlausgabe.Gesamtstellen - 3;
}

void Nachkommastellen_waehlen(int D) {
    Zahlausgabe.Nachkommastellen = std::clamp(D, 0, 17);
    if (Zahlausgabe.Nachkommastellen > Zahlausgabe.Gesamtstellen - 3)
        Zahlausgabe.Gesamtstellen = Zahlausgabe.Nachkommastellen + 3;
}

namespace {

std::string Ganzzahl_Text(long long n) {
    char puffer[24];
    auto erg = std::to_chars(puffer, puffer + sizeof puffer, n);
    return std::string(puffer, erg.ptr);
}

// 1-based character position of a byte offset in a UTF-8 text.
int Zeichenposition(const std::string& s, size_t byte) {
    int pos = 1;
    for (size_t i = 0; i < byte && i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) ++pos;
    return pos;
}

bool Ist_Ziffer(char c) { return c >= '0' && c <= '9'; }

// Plain number reading of s[anfang, ende) (commas already turned into points).
// On failure `fehler` is the byte offset of the first offending character.
bool Zahl_lesen(const std::string& s, size_t anfang, size_t ende, Extended& x, size_t& fehler) {
    size_t i = anfang;
    while (i < ende && s[i] == ' ') ++i;
    const size_t zahlanfang = i;
    bool negativ = false;
    if (i < ende && (s[i] == '+' || s[i] == '-')) negativ = s[i++] == '-';
    const size_t mantissenanfang = i;
    std::string ganz, bruch;
    while (i < ende && Ist_Ziffer(s[i])) ganz += s[i++];
    if (i < ende && s[i] == '.') {
        ++i;
        while (i < ende && Ist_Ziffer(s[i])) bruch += s[i++];
    }
    if (ganz.empty() && bruch.empty()) { fehler = mantissenanfang; return false; }
    long exponent = 0;
    if (i < ende && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool exp_negativ = false;
        if (i < ende && (s[i] == '+' || s[i] == '-')) exp_negativ = s[i++] == '-';
        if (i >= ende || !Ist_Ziffer(s[i])) { fehler = i; return false; }
        while (i < ende && Ist_Ziffer(s[i])) exponent = std::min(exponent * 10 + (s[i++] - '0'), 1000000L);
        if (exp_negativ) exponent = -exponent;
    }
    if (i != ende) { fehler = i; return false; }

    std::string kanonisch = negativ ? "-" : "";
    kanonisch.append(ganz.empty() ? "0" : ganz).append(".").append(bruch.empty() ? "0" : bruch);
    kanonisch.append("e").append(Ganzzahl_Text(exponent));
    Extended wert = 0;
    auto erg = std::from_chars(kanonisch.data(), kanonisch.data() + kanonisch.size(), wert);
    if (erg.ec == std::errc::result_out_of_range) {
        // Decimal magnitude of the first significant digit decides underflow against overflow.
        const std::string alle = ganz + bruch;
        const auto erste = alle.find_first_not_of('0');
        if (erste == std::string::npos) wert = 0;
        else if (static_cast<long>(ganz.size()) - 1 - static_cast<long>(erste) + exponent < 0) wert = 0;
        else { fehler = zahlanfang; return false; }
    } else if (erg.ec != std::errc{} || !std::isfinite(wert)) {
        fehler = zahlanfang;
        return false;
    }
    x = wert;
    return true;
}

}  // namespace

bool Zelle_auswerten(const std::string& s, Extended& x, int& fehlerposition) {
    x = 0;
    fehlerposition = 0;
    std::string text = s;
    std::replace(text.begin(), text.end(), ',', '.');
    size_t fehler = 0;
    Extended zaehler = 0, nenner = 1;
    size_t zaehlerende = text.size();
    const size_t strich = text.find('/');
    if (strich != std::string::npos) {
        if (!Zahl_lesen(text, strich + 1, text.size(), nenner, fehler) || nenner == 0) {
            fehlerposition = Zeichenposition(text, strich) + 1;
            return false;
        }
        zaehlerende = strich;
    }
    if (!Zahl_lesen(text, 0, zaehlerende, zaehler, fehler)) {
        fehlerposition = Zeichenposition(text, fehler);
        return false;
    }
    const Extended wert = zaehler / nenner;
    if (!std::isfinite(wert)) {
        fehlerposition = 1;
        return false;
    }
    x = wert;
    return true;
}

bool Zellentext_als_Bruch(std::string& s) {
    Extended x;
    int fehler;
    if (!Zelle_auswerten(s, x, fehler)) return false;
    s = Zahl_als_Bruch(x);
    return true;
}

bool Ist_ganzzahlig(Extended x) {
    int32_t z, n;
    return Bruch_naeherung(x, z, n) && n == 1;
}

std::string Zahl_als_Bruch(Extended x) {
    int32_t z, n;
    if (Bruch_naeherung(x, z, n) && n != 1) return Ganzzahl_Text(z) + "/" + Ganzzahl_Text(n);
    return Zahl_formatieren(false, 25, 22, x);
}

std::string Polynom_als_Text(const std::array<Extended, 43>& c, int n, bool fix, int P, int D, bool bruch) {
    std::string text;
    for (int k = std::min(n, 42); k >= 0; --k) {
        if (c[k] == 0) continue;
        std::string koeffizient = bruch ? Zahl_als_Bruch(c[k]) : Zahl_formatieren(fix, P, D, c[k]);
        // The blanks that align fixed-mode numbers in a column would split "+-" and the equation.
        koeffizient.erase(std::remove(koeffizient.begin(), koeffizient.end(), ' '), koeffizient.end());
        text.append("+").append(koeffizient);
        if (k == 1) text += "x";
        else if (k == 2) text += "x\u00B2";
        else if (k == 3) text += "x\u00B3";
        else if (k > 3) text += "x^" + Ganzzahl_Text(k);
    }
    if (!text.empty() && text[0] == '+') text.erase(0, 1);
    std::string ergebnis;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+' && i + 1 < text.size() && text[i + 1] == '-') continue;
        ergebnis += text[i];
    }
    return ergebnis;
}

Extended Grad_in_Bogenmass(Extended grad) {
    return grad * std::numbers::pi_v<Extended> / 180;
}

void Werte_tauschen(Extended& a, Extended& b) {
    std::swap(a, b);
}

void Ganzzahlen_tauschen(int& a, int& b) {
    std::swap(a, b);
}
