// The table and a spreadsheet's clipboard: pasting its text in, copying a range out.
#include "table/UTabelle_CSV.h"

#include <algorithm>

namespace {

// Plain split for a text a spreadsheet did not quote the way Felder_zerlegen expects:
// every line break ends a row, every separator a cell.
TTextzeilen Einfach_zerlegen(std::string_view s, char trenner) {
    TTextzeilen zeilen(1);
    zeilen.back().emplace_back();
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
            zeilen.emplace_back(1);
        } else if (c == trenner) {
            zeilen.back().emplace_back();
        } else {
            zeilen.back().back() += c;
        }
    }
    return zeilen;
}

// A spreadsheet quotes a copied cell that holds a tab or a line break; a cell that
// starts with a quote is quoted too, so that pasting it back gives the same text.
void TSV_Feld_anhaengen(std::string& text, const std::string& feld) {
    if (feld.find_first_of("\t\r\n") == std::string::npos && (feld.empty() || feld.front() != '"')) {
        text += feld;
        return;
    }
    text += '"';
    for (char c : feld) {
        if (c == '"') text += '"';
        text += c;
    }
    text += '"';
}

void HTML_anhaengen(std::string& html, const std::string& feld) {
    for (char c : feld) {
        switch (c) {
        case '&': html += "&amp;"; break;
        case '<': html += "&lt;"; break;
        case '>': html += "&gt;"; break;
        case '"': html += "&quot;"; break;
        case '\n': html += "<br>"; break;
        case '\r': break;
        default: html += c;
        }
    }
}

}  // namespace

TEinfuegeergebnis Text_einfuegen(TTabelle& T, const std::string& text, int spalte, int zeile) {
    std::string_view s(text);
    // The line break after the last row ends that row; it opens no new one.
    if (!s.empty() && s.back() == '\n') s.remove_suffix(1);
    if (!s.empty() && s.back() == '\r') s.remove_suffix(1);
    if (s.empty()) return TEinfuegeergebnis::Leer;
    const char trenner = s.find('\t') != std::string_view::npos ? '\t' : ';';
    TTextzeilen zeilen;
    int fehlerzeile = 0;
    if (!Felder_zerlegen(s, trenner, zeilen, fehlerzeile)) zeilen = Einfach_zerlegen(s, trenner);
    size_t breite = 0;
    for (const auto& z : zeilen) breite = std::max(breite, z.size());
    // 64-bit sums: a pasted text may hold far more rows than the table.
    const long long rechts = (long long)spalte + (long long)breite - 1;
    const long long unten = (long long)zeile + (long long)zeilen.size() - 1;
    if (spalte < 1 || zeile < 1 || rechts > Letzte_Spalte || unten > Letzte_Zeile)
        return TEinfuegeergebnis::Ausserhalb;
    for (size_t r = 0; r < zeilen.size(); ++r)
        for (size_t c = 0; c < zeilen[r].size(); ++c)
            T.Zelle(spalte + int(c), zeile + int(r)) = Dezimalkomma(zeilen[r][c]);
    T.Melden(TTabellenaenderung::Inhalt);
    Markierung_setzen(T, spalte, zeile, int(rechts), int(unten));
    return TEinfuegeergebnis::Eingefuegt;
}

bool Bereich_als_TSV(const TTabelle& T, TBereich b, std::string& text) {
    text.clear();
    if (!b.echt()) return false;
    for (int r = b.Oben; r <= b.Unten; ++r) {
        for (int c = b.Links; c <= b.Rechts; ++c) {
            if (c > b.Links) text += '\t';
            TSV_Feld_anhaengen(text, Dezimalkomma(T.Zelle(c, r)));
        }
        text += "\r\n";
    }
    return true;
}

bool Bereich_als_HTML(const TTabelle& T, TBereich b, std::string& html) {
    html.clear();
    if (!b.echt()) return false;
    html = "<meta charset=\"utf-8\"><table>";
    for (int r = b.Oben; r <= b.Unten; ++r) {
        html += "<tr>";
        for (int c = b.Links; c <= b.Rechts; ++c) {
            html += "<td>";
            HTML_anhaengen(html, Dezimalkomma(T.Zelle(c, r)));
            html += "</td>";
        }
        html += "</tr>";
    }
    html += "</table>";
    return true;
}
