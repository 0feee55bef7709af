// The one table of the program: 44 columns x 1501 rows of UTF-8 text that every
// window reads its points and matrices from and writes its results into.
// Row 0 and column 0 are the fixed header row and row-number column.
#pragma once
#include <string>
#include <vector>

constexpr int Tabellenspalten = 44;   // columns 0 .. 43
constexpr int Tabellenzeilen = 1501;  // rows 0 .. 1500

class TTabelle {            // 44 columns x 1501 rows of UTF-8 text; row 0 and column 0 are the fixed ones
public:
    TTabelle() : zellen_(size_t(Tabellenspalten) * Tabellenzeilen) {}
    std::string& Zelle(int spalte, int zeile) { return zellen_[index(spalte, zeile)]; }
    const std::string& Zelle(int spalte, int zeile) const { return zellen_[index(spalte, zeile)]; }
    // selection, current cell and the rest are free

private:
    static size_t index(int spalte, int zeile) { return size_t(zeile) * Tabellenspalten + size_t(spalte); }
    std::vector<std::string> zellen_;
};
extern TTabelle Tabelle;    // the one table of the program, shown by Form6's StringGrid1
