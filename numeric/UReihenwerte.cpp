#include "numeric/UReihenwerte.h"

#include <cmath>

bool Nur_Einzelaufrufe = false;

bool Einzeln_auswerten(const std::string& term) {
    if (Nur_Einzelaufrufe) return true;
    // ASCII letters in either case; clearing bit 5 maps exactly r/R, a/A, ... onto the
    // capitals and no other byte onto one of them (asked once per integral piece, so
    // without the locale's toupper).
    static const char muster[] = "RANDOM";
    for (size_t i = 0; i + 6 <= term.size(); ++i) {
        size_t k = 0;
        while (k < 6 && (static_cast<unsigned char>(term[i + k]) & 0xDF) == static_cast<unsigned char>(muster[k])) ++k;
        if (k == 6) return true;
    }
    return false;
}

void Reihenwerte::auswerten(const std::string& term, std::span<const Extended> x, Extended t) {
    y.resize(x.size());
    marken.resize(x.size());
    Term_auswerten_Reihe(term, x, {&t, 1}, y, marken);
}

bool Punktquelle::suchen(Extended x, Extended& y) {
    // The rest of the held points, in the order they were laid out from the expected one.
    for (size_t k = 1; k < n_; ++k) {
        const size_t i = naechster_ + k < n_ ? naechster_ + k : naechster_ + k - n_;
        if (gleich(x_[i], x)) {
            y = y_[i];
            letzte_ = m_[i];
            naechster_ = i + 1 < n_ ? i + 1 : 0;
            return !(letzte_ & Marke_Fehler);
        }
    }
    y = Term_auswerten(term_, x, t_);
    letzte_ = uint8_t((Parser.Term_Fehler ? Marke_Fehler : 0) | (Parser.Sprungstelle ? Marke_Sprungstelle : 0) |
                      (Parser.Signum_Null ? Marke_Signum_Null : 0) | (Parser.Knickstelle ? Marke_Knickstelle : 0));
    return !Parser.Term_Fehler;
}
