// Marked ranges of the table: copying a range inside the table and the text of a
// range for the clipboard.
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"

#include <charconv>

namespace {

constexpr size_t Textspaltenbreite = 20;

std::string_view ohne_Blanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool Ganzzahl_lesen(std::string_view s, int& wert) {
    s = ohne_Blanks(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return false;
    const auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), wert);
    return fehler == std::errc() && ende == s.data() + s.size();
}

// Characters, not bytes: "ä" takes one position of the 20 like "a".
size_t Zeichenzahl(const std::string& s) {
    size_t n = 0;
    for (unsigned char b : s) n += (b & 0xC0) != 0x80;
    return n;
}

}  // namespace

TKopierergebnis Bereich_kopieren(TTabelle& T, TBereich q, int zielspalte, int zielzeile) {
    if (!q.echt()) return TKopierergebnis::Kein_Bereich;
    // 64-bit sums: the target comes from a typed text and may be near the int limits.
    const long long breite = q.Rechts - q.Links, hoehe = q.Unten - q.Oben;
    const long long zs = zielspalte, zz = zielzeile;
    if (zs < 1 || zz < 1 || zs + breite > Letzte_Spalte || zz + hoehe > Letzte_Zeile)
        return TKopierergebnis::Ausserhalb;
    const bool ueberlappt = zs <= q.Rechts && zs + breite >= q.Links &&
                            zz <= q.Unten && zz + hoehe >= q.Oben;
    if (ueberlappt) return TKopierergebnis::Ueberlappt;
    for (int r = q.Oben; r <= q.Unten; ++r)
        for (int c = q.Links; c <= q.Rechts; ++c)
            T.Zelle(zielspalte + c - q.Links, zielzeile + r - q.Oben) = T.Zelle(c, r);
    T.Melden(TTabellenaenderung::Inhalt);
    return TKopierergebnis::Kopiert;
}

bool Kopierziel_lesen(const std::string& text, int& spalte, int& zeile) {
    const size_t p = text.find(';');
    if (p == std::string::npos) return false;
    const std::string_view s(text);
    return Ganzzahl_lesen(s.substr(0, p), spalte) && Ganzzahl_lesen(s.substr(p + 1), zeile);
}

void Markierten_Bereich_kopieren(TTabelle& T) {
    const TBereich quelle = T.Markierung;
    if (!quelle.echt()) {
        Dialog().Meldung("Erst Bereich markieren !");
        return;
    }
    const auto eingabe = Dialog().Eingabe("Kopieren nach:", "Zelle links oben =", "2;5");
    int spalte = 0, zeile = 0;
    if (!eingabe || !Kopierziel_lesen(*eingabe, spalte, zeile)) return;
    switch (Bereich_kopieren(T, quelle, spalte, zeile)) {
    case TKopierergebnis::Ausserhalb: Dialog().Meldung("Tabellengrenzen überschritten !"); break;
    case TKopierergebnis::Ueberlappt:
        Dialog().Meldung("Bereich kann nicht in sich selbst kopiert werden");
        break;
    case TKopierergebnis::Kopiert:
    case TKopierergebnis::Kein_Bereich: break;
    }
}

bool Bereich_als_Text(const TTabelle& T, TBereich b, std::string& text) {
    text.clear();
    if (!b.echt()) return false;
    for (int r = b.Oben; r <= b.Unten; ++r) {
        for (int c = b.Links; c <= b.Rechts; ++c) {
            const std::string& s = T.Zelle(c, r);
            text += s;
            const size_t n = Zeichenzahl(s);
            if (n < Textspaltenbreite) text.append(Textspaltenbreite - n, ' ');
        }
        text += "\r\n";
    }
    return true;
}
