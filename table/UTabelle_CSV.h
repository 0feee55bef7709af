// The table and the spreadsheet: CSV files to save and open, and the text a
// spreadsheet puts on the clipboard (pasting it in, copying a range out as
// tab-separated text and as an HTML table). Plain routines without any window; the
// statistics window does the file dialog, the clipboard and the safe writing.
#pragma once
#include "table/UStringGrid.h"

#include <string>
#include <string_view>
#include <vector>

using TTextzeilen = std::vector<std::vector<std::string>>;   // records of fields, UTF-8

// --- saving ----------------------------------------------------------------------
// The used area (rows 1 to the last non-empty row, columns 1 to the last non-empty
// column) with the header row first, as German spreadsheets write it: UTF-8 with a
// byte-order mark, ";" between cells, decimal comma, CR LF, quotes where needed.
// False (and an empty text) when no data cell holds anything.
bool Tabelle_als_CSV(const TTabelle& T, std::string& csv);

// --- opening ---------------------------------------------------------------------
// What a file holds once decoded and split: the header line (empty without one) and
// the data records, each cut after its last non-empty field.
struct TCSV_Inhalt {
    std::vector<std::string> Kopf;
    TTextzeilen Zeilen;
};
// Decodes (UTF-8 with or without byte-order mark, else Windows-1252), finds the
// separator (tab, ";", or "," when the numbers use points) and splits the records.
// False with the German message naming the file when the text cannot go into the
// table: binary, empty, malformed quoting (with the line), too many rows or columns.
bool CSV_zerlegen(std::string_view bytes, const std::string& dateiname, TCSV_Inhalt& inhalt,
                  std::string& meldung);
// Reads the file at pfad (UTF-8 path) and splits it; false with the message when it
// cannot be read or split.
bool CSV_Datei_lesen(const std::string& pfad, TCSV_Inhalt& inhalt, std::string& meldung);
// Empties the table and fills it from cell (1; 1); the header line goes into row 0.
void CSV_in_Tabelle(TTabelle& T, const TCSV_Inhalt& inhalt);
// The open command behind the dialog: reads the file into the table, or shows the
// message through Dialog() and leaves the table as it was.
bool Tabelle_aus_CSV_Datei(TTabelle& T, const std::string& pfad);

// Splits records and fields; a field that starts with a quote runs to the closing
// quote ("" inside is one quote) and may hold separators and line breaks. False on
// malformed quoting, with the 1-based line where it went wrong.
bool Felder_zerlegen(std::string_view text, char trenner, TTextzeilen& zeilen, int& fehlerzeile);

// A cell text as the table writes it out: a number's decimal point becomes the comma;
// any other text stays as it is.
std::string Dezimalkomma(const std::string& zelle);

// --- clipboard ---------------------------------------------------------------------
enum class TEinfuegeergebnis { Eingefuegt, Ausserhalb, Leer };
// Pastes a spreadsheet's clipboard text with its top-left cell at (spalte; zeile):
// rows by line breaks, cells by tabs, or by ";" when the text has no tab. Ausserhalb
// (and nothing changed) when it would run past row 1500 or column 43; the pasted
// block becomes the marked range.
TEinfuegeergebnis Text_einfuegen(TTabelle& T, const std::string& text, int spalte, int zeile);
// A real range as a spreadsheet takes it from the clipboard: tab-separated cells with
// decimal commas, CR LF after every row; and the same as an HTML table.
bool Bereich_als_TSV(const TTabelle& T, TBereich b, std::string& text);
bool Bereich_als_HTML(const TTabelle& T, TBereich b, std::string& html);
