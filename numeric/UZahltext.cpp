// Formatting core of the number text: the 18-digit scientific split, comma shifting,
// the program's standard general and fixed formats, Zahl_formatieren and the table's
// general number text. Digits come from std::to_chars, so no locale ever reaches them.
#include "numeric/UMatheBasisOp.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// |x| rounded to a number of significant digits: the digit string (no point) and the
// decimal exponent of its first digit. x must be finite and not zero.
struct Ziffernfolge {
    std::string ziffern;
    int exponent = 0;
    bool negativ = false;
};

// Extended carries 18 reliable decimal digits; more would print binary noise
// («1,000000000000000000034164E-20» for 1E-20 at 25 digits).
constexpr int Hoechste_Stellenzahl = 18;

Ziffernfolge Ziffern_runden(Extended x, int stellen) {
    stellen = std::clamp(stellen, 1, Hoechste_Stellenzahl);
    char puffer[80];
    auto erg = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific,
                             stellen - 1);
    Ziffernfolge z;
    const char* p = puffer;
    const char* ende = erg.ptr;
    if (p < ende && *p == '-') { z.negativ = true; ++p; }
    while (p < ende && *p != 'e') {
        if (*p != '.') z.ziffern += *p;
        ++p;
    }
    if (p < ende) ++p;   // 'e'
    bool exp_negativ = false;
    if (p < ende && (*p == '-' || *p == '+')) exp_negativ = *p++ == '-';
    int e = 0;
    std::from_chars(p, ende, e);
    z.exponent = exp_negativ ? -e : e;
    return z;
}

void Nullen_abschneiden(std::string& ziffern) {
    while (ziffern.size() > 1 && ziffern.back() == '0') ziffern.pop_back();
}

bool Hat_Ziffer_ungleich_Null(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
}

// A minus sign in front of a text without any non-zero digit ("-0", "-0,00") says
// something the value does not have.
std::string Ohne_negative_Null(std::string text) {
    if (!Hat_Ziffer_ungleich_Null(text)) text.erase(std::remove(text.begin(), text.end(), '-'), text.end());
    return text;
}

std::string Exponent_Text(int e, int mindeststellen) {
    std::string ziffern = std::to_string(e < 0 ? -e : e);
    if (static_cast<int>(ziffern.size()) < mindeststellen)
        ziffern.insert(0, mindeststellen - ziffern.size(), '0');
    return std::string("E") + (e < 0 ? "-" : "") + ziffern;
}

// Mantissa «d,ddd» (no comma for a single digit) and exponent text.
std::string Wissenschaftlich(const Ziffernfolge& z, int exponentstellen) {
    std::string text = z.negativ ? "-" : "";
    text += z.ziffern[0];
    if (z.ziffern.size() > 1) text.append(",").append(z.ziffern, 1);
    return text + Exponent_Text(z.exponent, exponentstellen);
}

// The digits written out without exponent.
std::string Ausgeschrieben(const Ziffernfolge& z) {
    std::string text = z.negativ ? "-" : "";
    const int n = static_cast<int>(z.ziffern.size());
    if (z.exponent < 0) return text + "0," + std::string(-z.exponent - 1, '0') + z.ziffern;
    const int ganz = z.exponent + 1;
    if (n <= ganz) return text + z.ziffern + std::string(ganz - n, '0');
    return text + z.ziffern.substr(0, ganz) + "," + z.ziffern.substr(ganz);
}

// Scientific text of x with at most p significant digits, trailing zeros dropped.
std::string Wissenschaftlich_gerundet(Extended x, int p, int exponentstellen) {
    if (x == 0) return "0";
    Ziffernfolge z = Ziffern_runden(x, p);
    Nullen_abschneiden(z.ziffern);
    return Wissenschaftlich(z, exponentstellen);
}

Extended Zehnerpotenz(int d) {
    Extended p = 1;   // exact up to 10^27, which is more than any caller asks for
    for (int i = 0; i < d; ++i) p *= 10;
    return p;
}

void Komma_am_Ende_entfernen(std::string& text) {
    if (!text.empty() && text.back() == ',') text.pop_back();
}

// The plain decimal text of a value that fits into P positions: shift, cut to P
// characters and D decimals (truncating; the caller has already rounded), pad.
std::string Dezimaltext(bool fix, int P, int D, const std::string& mantisse, int e) {
    std::string text = Komma_verschieben(mantisse, e);
    if (!fix) {
        while (!text.empty() && text.back() == '0') text.pop_back();
        Komma_am_Ende_entfernen(text);
    }
    if (static_cast<int>(text.size()) > P) text.resize(P);
    const auto komma = text.find(',');
    if (komma != std::string::npos) {
        if (static_cast<int>(text.size() - komma - 1) > D) text.resize(komma + 1 + D);
        if (!fix)
            while (text.back() == '0') text.pop_back();
    }
    // Also in fixed mode: with D = 0, or a cut right behind the comma, "3," would remain.
    Komma_am_Ende_entfernen(text);
    text = Ohne_negative_Null(text);
    if (fix) {
        if (static_cast<int>(text.size()) < P) text.insert(0, 2 * (P - text.size()), ' ');
        if (!text.empty() && text[0] == '-') text.insert(0, 1, ' ');
    }
    return text;
}

}  // namespace

std::string Komma_verschieben(const std::string& mantisse, int e) {
    std::string ziffern;
    bool negativ = false;
    int komma = -1;
    for (char c : mantisse) {
        if (c == '-' && ziffern.empty() && komma < 0) negativ = true;
        else if (c == ',') komma = static_cast<int>(ziffern.size());
        else ziffern += c;
    }
    if (komma < 0) komma = static_cast<int>(ziffern.size());
    const long neu = static_cast<long>(komma) + e;
    std::string text(negativ ? 1 : 0, '-');
    if (neu <= 0) return text.append("0,").append(static_cast<size_t>(-neu), '0').append(ziffern);
    if (static_cast<long>(ziffern.size()) <= neu) ziffern.append(static_cast<size_t>(neu + 1) - ziffern.size(), '0');
    return text.append(ziffern, 0, neu).append(",").append(ziffern, neu);
}

std::string Standardformat_allgemein(Extended x, int p) {
    if (!std::isfinite(x)) return "";
    if (x == 0) return "0";
    Ziffernfolge z = Ziffern_runden(x, p);
    Nullen_abschneiden(z.ziffern);
    if (z.exponent < -5 || z.exponent >= std::max(p, 1)) return Wissenschaftlich(z, 0);
    return Ausgeschrieben(z);
}

std::string Standardformat_fix(Extended x, int d) {
    if (!std::isfinite(x)) return "";
    d = std::clamp(d, 0, 40);
    char puffer[5000];   // the largest extended value has 4933 integer digits
    auto erg = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, d);
    if (erg.ec != std::errc{}) return Standardformat_allgemein(x, 18);
    std::string text(puffer, erg.ptr);
    std::replace(text.begin(), text.end(), '.', ',');
    return Ohne_negative_Null(text);
}

void Mantisse_Exponent(Extended x, Extended& m, int& e) {
    m = 0;
    e = 0;
    if (!std::isfinite(x) || x == 0) return;
    const Ziffernfolge z = Ziffern_runden(x, 18);
    const std::string text = z.ziffern.substr(0, 1) + "." + z.ziffern.substr(1);
    std::from_chars(text.data(), text.data() + text.size(), m);
    if (z.negativ) m = -m;
    e = z.exponent;
}

std::string Zahl_formatieren(bool fix, int P, int D, Extended x) {
    if (!std::isfinite(x)) return "";   // callers never pass the evaluator's error value
    P = std::clamp(P, 1, 60);
    D = std::clamp(D, 0, 27);
    if (std::fabs(x) < 1e-15L) return fix ? Standardformat_fix(x, D) : Standardformat_allgemein(x, P);

    const Extended wert = x;
    // Half away from zero at D decimals; everything after this truncates.
    const Extended versatz = 0.5L / Zehnerpotenz(D);
    x += x > 0 ? versatz : -versatz;

    const Ziffernfolge z = Ziffern_runden(x, 18);
    const int e = z.exponent;
    const bool negativ = z.negativ;
    const int platz = 2 + std::abs(e) + (negativ ? 1 : 0);

    if (P < platz) {
        // A negative value that rounds to zero lacks room only for its minus sign; the
        // scientific form would show the rounding offset («-6E-6» for -0,000001 at
        // P = 8, D = 5, «-5E-7» for -1E-12 at the defaults) instead of a zero.
        if (negativ && P >= platz - 1) {
            std::string betrag = Zahl_formatieren(fix, P, D, -wert);
            if (!Hat_Ziffer_ungleich_Null(betrag)) return betrag;
        }
        const int t = static_cast<int>(std::to_string(std::abs(e)).size()) - 1;
        const int p = std::max(1, P - 3 - t - (e < 0 ? 1 : 0) - (negativ ? 1 : 0));
        const int d = std::max(0, std::min(fix ? D : 0, p - 2));
        return Wissenschaftlich_gerundet(x, p, fix && d >= 1 && d <= 4 ? d : 0);
    }
    const std::string mantisse = std::string(negativ ? "-" : "") + z.ziffern[0] + "," + z.ziffern.substr(1);
    return Dezimaltext(fix, P, D, mantisse, e);
}

std::string Zahl_allgemein(Extended x) {
    if (!std::isfinite(x)) return "";
    if (x == 0) return "0";
    Ziffernfolge z = Ziffern_runden(x, 15);
    Nullen_abschneiden(z.ziffern);
    // Fixed from 0,0001 on: smaller values such as 3,731E-5 are written scientific.
    if (z.exponent < -4 || z.exponent > 14) return Wissenschaftlich(z, 0);
    return Ausgeschrieben(z);
}

std::string Zahl_nach_Einstellung(Extended x) {
    return Zahl_formatieren(Zahlausgabe.Fixkomma, Zahlausgabe.Gesamtstellen, Zahlausgabe.Nachkommastellen, x);
}
