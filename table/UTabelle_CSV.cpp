// CSV files of the table: writing the used area, and reading what German and English
// spreadsheets write, refusing anything that would not go into the table whole.
#include "table/UTabelle_CSV.h"

#include "platform/Dialoge.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

constexpr std::string_view BOM = "\xEF\xBB\xBF";
constexpr size_t Binaerpruefung = 4096;             // a zero byte in here: not a text file
constexpr std::uintmax_t Groesste_Datei = 32u << 20;  // far beyond 1500 x 43 cells of text

bool Ist_Zahl(const std::string& s) {
    Extended x = 0;
    int fehler = 0;
    return !s.empty() && Zelle_auswerten(s, x, fehler);
}

// Quotes where a spreadsheet would split the cell otherwise. A comma in a text is
// quoted too, so that a one-column file of texts is not taken for a comma-separated
// one when it is opened again; a number's decimal comma stays bare.
void Feld_anhaengen(std::string& csv, const std::string& feld) {
    const bool quoten = feld.find_first_of(";\"\r\n\t") != std::string::npos ||
                        (feld.find(',') != std::string::npos && !Ist_Zahl(feld));
    if (!quoten) {
        csv += feld;
        return;
    }
    csv += '"';
    for (char c : feld) {
        if (c == '"') csv += '"';
        csv += c;
    }
    csv += '"';
}

bool Gueltiges_UTF8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int folge = 0;
        uint32_t cp = 0;
        if (b < 0x80) { ++i; continue; }
        if (b >= 0xC2 && b <= 0xDF) { folge = 1; cp = b & 0x1F; }
        else if (b >= 0xE0 && b <= 0xEF) { folge = 2; cp = b & 0x0F; }
        else if (b >= 0xF0 && b <= 0xF4) { folge = 3; cp = b & 0x07; }
        else return false;
        if (i + size_t(folge) >= s.size()) return false;
        for (int k = 1; k <= folge; ++k) {
            const auto f = static_cast<unsigned char>(s[i + size_t(k)]);
            if ((f & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (f & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond U+10FFFF are no UTF-8.
        if ((folge == 2 && cp < 0x800) || (folge == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += size_t(folge) + 1;
    }
    return true;
}

void UTF8_anhaengen(std::string& s, uint32_t cp) {
    if (cp < 0x80) {
        s += char(cp);
    } else if (cp < 0x800) {
        s += char(0xC0 | (cp >> 6));
        s += char(0x80 | (cp & 0x3F));
    } else {
        s += char(0xE0 | (cp >> 12));
        s += char(0x80 | ((cp >> 6) & 0x3F));
        s += char(0x80 | (cp & 0x3F));
    }
}

// Windows-1252: Latin-1 but for 0x80..0x9F; its five unused codes keep their C1 code point.
std::string Aus_Windows1252(std::string_view s) {
    static constexpr uint16_t c1[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string u;
    u.reserve(s.size() + s.size() / 8);
    for (char ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        UTF8_anhaengen(u, b >= 0x80 && b < 0xA0 ? c1[b - 0x80] : b);
    }
    return u;
}

// The separator: a tab or ";" outside quotes decides; a comma only when the numbers
// use decimal points, or when no line reads as one number with a decimal comma (so
// "1,5" on its own line stays a German number).
char Trenner_finden(std::string_view text) {
    size_t tabs = 0, semikolons = 0, kommas = 0;
    // Only a quote at the start of a field opens a quoted field, as in Felder_zerlegen.
    bool in_quotes = false, feldanfang = true;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (in_quotes) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') ++i;
                else in_quotes = false;
            }
            continue;
        }
        if (c == '"' && feldanfang) {
            in_quotes = true;
            feldanfang = false;
            continue;
        }
        tabs += c == '\t';
        semikolons += c == ';';
        kommas += c == ',';
        feldanfang = c == '\t' || c == ';' || c == ',' || c == '\r' || c == '\n';
    }
    if (tabs > 0) return '\t';
    if (semikolons > 0 || kommas == 0) return ';';
    TTextzeilen zeilen;
    int fehler = 0;
    if (Felder_zerlegen(text, ',', zeilen, fehler))
        for (const auto& z : zeilen)
            for (const auto& f : z)
                if (f.find('.') != std::string::npos && Ist_Zahl(f)) return ',';
    if (Felder_zerlegen(text, ';', zeilen, fehler))
        for (const auto& z : zeilen)
            if (z.size() == 1 && z[0].find(',') != std::string::npos && Ist_Zahl(z[0])) return ';';
    return ',';
}

std::string Dateiname(const std::string& pfad) {
    const std::string name = std::filesystem::path(pfad).filename().string();
    return "„" + (name.empty() ? pfad : name) + "“";
}

bool Leer(const std::vector<std::string>& zeile) {
    return std::all_of(zeile.begin(), zeile.end(), [](const std::string& f) { return f.empty(); });
}

}  // namespace

std::string Dezimalkomma(const std::string& zelle) {
    if (zelle.find('.') == std::string::npos || !Ist_Zahl(zelle)) return zelle;
    std::string s = zelle;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

bool Tabelle_als_CSV(const TTabelle& T, std::string& csv) {
    csv.clear();
    int letzte_zeile = 0, letzte_spalte = 0;
    for (int r = 1; r <= Letzte_Zeile; ++r)
        for (int c = 1; c <= Letzte_Spalte; ++c)
            if (!T.Zelle(c, r).empty()) {
                letzte_zeile = r;
                letzte_spalte = std::max(letzte_spalte, c);
            }
    if (letzte_zeile == 0) return false;
    csv = BOM;
    for (int r = 0; r <= letzte_zeile; ++r) {
        for (int c = 1; c <= letzte_spalte; ++c) {
            if (c > 1) csv += ';';
            Feld_anhaengen(csv, Dezimalkomma(T.Zelle(c, r)));
        }
        csv += "\r\n";
    }
    return true;
}

bool Felder_zerlegen(std::string_view s, char trenner, TTextzeilen& zeilen, int& fehlerzeile) {
    zeilen.clear();
    fehlerzeile = 0;
    const size_t n = s.size();
    auto zeilenende = [&](size_t i) { return s[i] == '\r' || s[i] == '\n'; };
    auto zeilenende_ueberspringen = [&](size_t& i) {
        i += (s[i] == '\r' && i + 1 < n && s[i + 1] == '\n') ? 2 : 1;
    };
    size_t i = 0;
    int zeile = 1;
    // Every turn of either loop consumes at least one character or ends the record.
    while (i < n) {
        std::vector<std::string> felder;
        for (;;) {
            std::string feld;
            if (i < n && s[i] == '"') {
                const int anfang = zeile;
                ++i;
                for (;;) {
                    if (i >= n) { fehlerzeile = anfang; return false; }
                    if (s[i] == '"') {
                        if (i + 1 < n && s[i + 1] == '"') { feld += '"'; i += 2; continue; }
                        ++i;
                        break;
                    }
                    if (zeilenende(i)) { feld += '\n'; ++zeile; zeilenende_ueberspringen(i); continue; }
                    feld += s[i++];
                }
                if (i < n && s[i] != trenner && !zeilenende(i)) { fehlerzeile = zeile; return false; }
            } else {
                size_t j = i;
                while (j < n && s[j] != trenner && !zeilenende(j)) ++j;
                feld.assign(s.substr(i, j - i));
                i = j;
            }
            felder.push_back(std::move(feld));
            if (i < n && s[i] == trenner) { ++i; continue; }
            break;
        }
        if (i < n) { zeilenende_ueberspringen(i); ++zeile; }
        zeilen.push_back(std::move(felder));
    }
    return true;
}

bool CSV_zerlegen(std::string_view bytes, const std::string& dateiname, TCSV_Inhalt& inhalt,
                  std::string& meldung) {
    inhalt = TCSV_Inhalt{};
    const std::string name = Dateiname(dateiname);
    if (std::memchr(bytes.data(), 0, std::min(bytes.size(), Binaerpruefung))) {
        meldung = "Die Datei " + name + " ist keine Textdatei.";
        return false;
    }
    if (bytes.substr(0, BOM.size()) == BOM) bytes.remove_prefix(BOM.size());
    const std::string text = Gueltiges_UTF8(bytes) ? std::string(bytes) : Aus_Windows1252(bytes);
    TTextzeilen zeilen;
    int fehlerzeile = 0;
    if (!Felder_zerlegen(text, Trenner_finden(text), zeilen, fehlerzeile)) {
        meldung = "Die Datei " + name + " hat in Zeile " + std::to_string(fehlerzeile) +
                  " fehlerhafte Anführungszeichen.";
        return false;
    }
    // Spreadsheets pad rows with empty cells and may end with empty rows: they hold nothing.
    for (auto& z : zeilen)
        while (!z.empty() && z.back().empty()) z.pop_back();
    while (!zeilen.empty() && zeilen.back().empty()) zeilen.pop_back();
    if (zeilen.empty()) {
        meldung = "Die Datei " + name + " ist leer.";
        return false;
    }
    for (auto& z : zeilen)
        for (auto& f : z) f = Dezimalkomma(f);
    const auto& erste = zeilen.front();
    const bool kopf = !Leer(erste) && std::none_of(erste.begin(), erste.end(), Ist_Zahl);
    if (kopf) {
        inhalt.Kopf = std::move(zeilen.front());
        zeilen.erase(zeilen.begin());
    }
    size_t spalten = inhalt.Kopf.size();
    for (const auto& z : zeilen) spalten = std::max(spalten, z.size());
    if (zeilen.size() > size_t(Letzte_Zeile)) {
        meldung = "Die Datei " + name + " hat mehr als 1500 Datenzeilen.";
        return false;
    }
    if (spalten > size_t(Letzte_Spalte)) {
        meldung = "Die Datei " + name + " hat mehr als 43 Spalten.";
        return false;
    }
    inhalt.Zeilen = std::move(zeilen);
    return true;
}

bool CSV_Datei_lesen(const std::string& pfad, TCSV_Inhalt& inhalt, std::string& meldung) {
    const std::string name = Dateiname(pfad);
    const std::string nicht_lesbar = "Die Datei " + name + " kann nicht gelesen werden.";
    std::error_code fehler;
    const std::filesystem::path p(pfad);
    // Only plain files: a device or a pipe could be read forever.
    if (!std::filesystem::is_regular_file(p, fehler)) {
        meldung = nicht_lesbar;
        return false;
    }
    const std::uintmax_t groesse = std::filesystem::file_size(p, fehler);
    if (fehler) {
        meldung = nicht_lesbar;
        return false;
    }
    if (groesse > Groesste_Datei) {
        meldung = "Die Datei " + name + " ist zu groß für die Tabelle.";
        return false;
    }
    std::ifstream datei(p, std::ios::binary);
    std::string bytes(size_t(groesse), '\0');
    if (!datei || !datei.read(bytes.data(), std::streamsize(groesse))) {
        meldung = nicht_lesbar;
        return false;
    }
    return CSV_zerlegen(bytes, pfad, inhalt, meldung);
}

void CSV_in_Tabelle(TTabelle& T, const TCSV_Inhalt& inhalt) {
    Tabelle_leeren(T);
    for (size_t c = 0; c < inhalt.Kopf.size(); ++c) T.Zelle(int(c) + 1, 0) = inhalt.Kopf[c];
    for (size_t r = 0; r < inhalt.Zeilen.size(); ++r)
        for (size_t c = 0; c < inhalt.Zeilen[r].size(); ++c)
            T.Zelle(int(c) + 1, int(r) + 1) = inhalt.Zeilen[r][c];
    T.Melden(TTabellenaenderung::Inhalt);
    Markierung_aufheben(T);
    T.Spalte = 1;
    T.Zeile = 1;
    T.Melden(TTabellenaenderung::Zellcursor);
}

bool Tabelle_aus_CSV_Datei(TTabelle& T, const std::string& pfad) {
    TCSV_Inhalt inhalt;
    std::string meldung;
    if (!CSV_Datei_lesen(pfad, inhalt, meldung)) {
        Dialog().Meldung(meldung);
        return false;
    }
    CSV_in_Tabelle(T, inhalt);
    return true;
}
