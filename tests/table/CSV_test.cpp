// The table and the spreadsheet without a window: CSV files written and read, bad
// files refused, clipboard text pasted in and ranges copied out.
#include "platform/Dialoge_Skript.h"
#include "table/UTabelle_CSV.h"
#include "tests/table/Tabelle_test.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>
#include <unistd.h>

namespace {

using Zellen = std::vector<std::tuple<int, int, std::string>>;   // column, row, text

class CSVTest : public TabelleTest {
protected:
    void Fuellen(const Zellen& zellen) {
        for (const auto& [c, r, text] : zellen) Z(c, r) = text;
    }
    std::vector<std::string> Alle_Zellen(const TTabelle& t) {
        std::vector<std::string> v;
        for (int r = 0; r <= Letzte_Zeile; ++r)
            for (int c = 0; c <= Letzte_Spalte; ++c) v.push_back(t.Zelle(c, r));
        return v;
    }
    std::string Datei(const std::string& name, const std::string& bytes) {
        const auto pfad = std::filesystem::temp_directory_path() /
                          ("tessara_csv_" + std::to_string(::getpid()) + "_" + name);
        std::ofstream(pfad, std::ios::binary) << bytes;
        dateien.push_back(pfad);
        return pfad.string();
    }
    void TearDown() override {
        for (const auto& p : dateien) std::filesystem::remove(p);
    }
    std::vector<std::filesystem::path> dateien;
};

std::string Zeilen(int anzahl, const std::string& zeile) {
    std::string s;
    for (int i = 0; i < anzahl; ++i) s += zeile + "\r\n";
    return s;
}

TEST_F(CSVTest, SpeichernSchreibtWieEineDeutscheTabellenkalkulation) {
    std::string csv = "alt";
    EXPECT_FALSE(Tabelle_als_CSV(*T, csv)) << "an empty table gives no file";
    EXPECT_EQ(csv, "");
    Fuellen({{1, 1, "1,5"}, {2, 1, "a;b"}, {1, 2, "3/4"}, {2, 2, "sag \"ja\""}, {3, 2, "2.5"},
             {1, 3, "Köln, Bonn"}, {2, 3, "x\ty"}, {3, 3, "-7,25E-3"}});
    ASSERT_TRUE(Tabelle_als_CSV(*T, csv));
    EXPECT_EQ(csv,
              "\xEF\xBB\xBF"
              "  x (Sp1);  y (Sp2);Matrix A\r\n"
              "1,5;\"a;b\";\r\n"
              "3/4;\"sag \"\"ja\"\"\";2,5\r\n"
              "\"Köln, Bonn\";\"x\ty\";-7,25E-3\r\n");
    // The used area ends at the last non-empty row and column, wherever they are.
    Z(5, 1500) = "9";
    ASSERT_TRUE(Tabelle_als_CSV(*T, csv));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1501);
    EXPECT_TRUE(csv.ends_with("\r\n;;;;9\r\n"));
}

TEST_F(CSVTest, RundreiseErhaeltZahlenBruecheUndTexte) {
    struct Fall { const char* name; Zellen zellen; };
    const Fall faelle[] = {
        {"numbers, fractions, texts",
         {{1, 0, "Länge ä/ö/ü/ß"}, {2, 0, "Zeit; s"}, {1, 1, "1,5"}, {2, 1, "3/4"},
          {3, 1, "-7/2"}, {1, 2, "3,731E-5"}, {2, 2, "a;b"}, {3, 2, "sag \"ja\""},
          {1, 3, "\"zitiert\""}, {2, 3, "zwei\nZeilen"}, {3, 3, "Grüße, €"}, {7, 9, "12 "}}},
        {"one column of texts with commas", {{1, 1, "a,b"}, {1, 2, "c,d"}, {1, 3, "1,5"}}},
        {"one column of decimals", {{1, 1, "1,5"}, {1, 2, "2,25"}}},
        {"first row holds a number in the header", {{2, 0, "7"}, {1, 1, "x"}, {2, 1, "y"}}},
        {"the far corner", {{43, 1500, "0,5"}, {1, 1, "Anfang"}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Tabelle_leeren(*T);
        Fuellen(f.zellen);
        std::string csv;
        ASSERT_TRUE(Tabelle_als_CSV(*T, csv));
        const std::string pfad = Datei("rundreise.csv", csv);
        TTabelle neu;
        Tabelle_einrichten(neu);
        Skript_Dialoge d;
        ASSERT_TRUE(Tabelle_aus_CSV_Datei(neu, pfad));
        EXPECT_TRUE(d.meldungen.empty());
        const bool zahl_im_kopf = std::string(f.name).find("header") != std::string::npos;
        if (zahl_im_kopf) {
            // A header line with a number is read as data: the one loss, shifted by a row.
            EXPECT_EQ(neu.Zelle(2, 1), "7");
            EXPECT_EQ(neu.Zelle(1, 2), "x");
            continue;
        }
        EXPECT_EQ(Alle_Zellen(neu), Alle_Zellen(*T));
    }
}

TEST_F(CSVTest, DateienDerTabellenkalkulationenWerdenGelesen) {
    struct Fall { const char* name; std::string bytes; std::vector<std::string> kopf; TTextzeilen zeilen; };
    const Fall faelle[] = {
        {"German sheet, Windows-1252", "L\xE4nge;Breite\r\n1,5;2\r\n-3;Stra\xDF" "e \x80\r\n",
         {"Länge", "Breite"}, {{"1,5", "2"}, {"-3", "Straße €"}}},
        {"German sheet, UTF-8 with BOM, padded", "\xEF\xBB\xBFx;y;\r\n1;\"2;3\";\r\n;;\r\n;;\r\n",
         {"x", "y"}, {{"1", "2;3"}}},
        {"English sheet, commas and points", "Time,Distance\r\n0.5,1.25\r\n\"Smith, J.\",3\r\n",
         {"Time", "Distance"}, {{"0,5", "1,25"}, {"Smith, J.", "3"}}},
        {"English sheet, LF and exponent", "1e-3,2.5\n-4.75,x\n", {}, {{"1e-3", "2,5"}, {"-4,75", "x"}}},
        {"tab-separated", "x\ty\n1,5\t\"a\tb\"\n", {"x", "y"}, {{"1,5", "a\tb"}}},
        {"one German column", "1,5\r\n2,25\r\n", {}, {{"1,5"}, {"2,25"}}},
        {"line break in a quoted cell", "a;\"zwei\r\nZeilen\"\r\n1;2", {"a", "zwei\nZeilen"}, {{"1", "2"}}},
        {"empty rows inside stay", "1\r\n\r\n3\r\n", {}, {{"1"}, {}, {"3"}}},
        {"1500 rows, 43 columns", "k" + std::string(42, ';') + "\r\n" + Zeilen(1500, std::string(42, ';') + "1"),
         {"k"}, TTextzeilen(1500, std::vector<std::string>(43))},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TCSV_Inhalt inhalt;
        std::string meldung;
        ASSERT_TRUE(CSV_zerlegen(f.bytes, "f.csv", inhalt, meldung)) << meldung;
        EXPECT_EQ(inhalt.Kopf, f.kopf);
        if (std::string(f.name).starts_with("1500")) {
            ASSERT_EQ(inhalt.Zeilen.size(), 1500u);
            EXPECT_EQ(inhalt.Zeilen.back().size(), 43u);
            EXPECT_EQ(inhalt.Zeilen.back().back(), "1");
            continue;
        }
        EXPECT_EQ(inhalt.Zeilen, f.zeilen);
    }
    // Into the table: from cell (1; 1), the header into row 0, the rest emptied.
    Fuellen({{1, 1, "alt"}, {9, 30, "alt"}, {4, 0, "Kopf"}});
    TCSV_Inhalt inhalt;
    std::string meldung;
    ASSERT_TRUE(CSV_zerlegen(faelle[0].bytes, "f.csv", inhalt, meldung));
    CSV_in_Tabelle(*T, inhalt);
    EXPECT_EQ(Z(1, 0), "Länge");
    EXPECT_EQ(Z(3, 0), "Matrix A");
    EXPECT_EQ(Z(4, 0), "  Sp4   ");
    EXPECT_EQ(Z(2, 2), "Straße €");
    EXPECT_EQ(Z(9, 30), "");
    EXPECT_FALSE(T->Markierung.echt());
}

TEST_F(CSVTest, SchlechteDateienLassenDieTabelleStehen) {
    struct Fall { const char* name; std::string bytes; std::string meldung; };
    std::string binaer = "x;y\r\n1;2\r\n";
    binaer += '\0';
    const Fall faelle[] = {
        {"binary", binaer, "Die Datei „f.csv“ ist keine Textdatei."},
        {"empty", "\xEF\xBB\xBF\r\n;;\r\n", "Die Datei „f.csv“ ist leer."},
        {"quote never closed", "a;b\r\n1;2\r\n\"offen;3\r\n4;5\r\n",
         "Die Datei „f.csv“ hat in Zeile 3 fehlerhafte Anführungszeichen."},
        {"text after the closing quote", "a;b\r\n\"x\"y;2\r\n",
         "Die Datei „f.csv“ hat in Zeile 2 fehlerhafte Anführungszeichen."},
        {"line counted across a quoted break", "\"a\r\nb\";c\r\n\"d\"e\r\n",
         "Die Datei „f.csv“ hat in Zeile 3 fehlerhafte Anführungszeichen."},
        {"1501 data rows", "x\r\n" + Zeilen(1501, "1"), "Die Datei „f.csv“ hat mehr als 1500 Datenzeilen."},
        {"1501 rows without header", Zeilen(1501, "1"), "Die Datei „f.csv“ hat mehr als 1500 Datenzeilen."},
        {"44 columns", Zeilen(2, std::string(43, ';') + "1"), "Die Datei „f.csv“ hat mehr als 43 Spalten."},
    };
    Fuellen({{1, 1, "1,5"}, {2, 7, "Text"}, {3, 0, "Matrix B"}});
    const auto vorher = Alle_Zellen(*T);
    const auto pruefen = [&](const std::string& pfad, const std::string& meldung) {
        Skript_Dialoge d;
        meldungen.clear();
        EXPECT_FALSE(Tabelle_aus_CSV_Datei(*T, pfad));
        EXPECT_EQ(d.meldungen, std::vector<std::string>{meldung});
        EXPECT_EQ(Alle_Zellen(*T), vorher);
        EXPECT_TRUE(meldungen.empty()) << "the window is told of no change";
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::string pfad = Datei("f.csv", f.bytes);
        std::string meldung = f.meldung;
        meldung.replace(meldung.find("f.csv"), 5, std::filesystem::path(pfad).filename().string());
        pruefen(pfad, meldung);
    }
    SCOPED_TRACE("unreadable");
    const auto fehlt = std::filesystem::temp_directory_path() / "tessara_gibt_es_nicht.csv";
    pruefen(fehlt.string(), "Die Datei „tessara_gibt_es_nicht.csv“ kann nicht gelesen werden.");
    pruefen(std::filesystem::temp_directory_path().string(),
            "Die Datei „" + std::filesystem::temp_directory_path().filename().string() +
                "“ kann nicht gelesen werden.");
}

TEST_F(CSVTest, EinfuegenSchreibtAbDemZellcursor) {
    struct Fall {
        const char* name; std::string text; int spalte, zeile;
        TEinfuegeergebnis ergebnis; Zellen erwartet; TBereich markierung;
    };
    const Fall faelle[] = {
        {"tabs, points become commas", "1.5\t2\r\n3\tText 1.5\r\n-7/2\t4,25\r\n", 5, 10,
         TEinfuegeergebnis::Eingefuegt,
         {{5, 10, "1,5"}, {6, 10, "2"}, {5, 11, "3"}, {6, 11, "Text 1.5"}, {5, 12, "-7/2"}, {6, 12, "4,25"},
          {4, 10, "links"}, {7, 10, "rechts"}, {5, 13, "unten"}},
         {5, 10, 6, 12}},
        {"semicolons without a tab", "a;b;c\nd", 1, 1, TEinfuegeergebnis::Eingefuegt,
         {{1, 1, "a"}, {2, 1, "b"}, {3, 1, "c"}, {1, 2, "d"}, {2, 2, "x"}}, {1, 1, 3, 2}},
        {"quoted cell of a spreadsheet", "\"zwei\nZeilen\"\t1.25E3\n", 42, 1500, TEinfuegeergebnis::Eingefuegt,
         {{42, 1500, "zwei\nZeilen"}, {43, 1500, "1,25E3"}}, {42, 1500, 43, 1500}},
        {"unbalanced quote taken as it is", "\"5 Zoll\t2\n", 1, 1, TEinfuegeergebnis::Eingefuegt,
         {{1, 1, "\"5 Zoll"}, {2, 1, "2"}}, {1, 1, 2, 1}},
        {"past column 43", "1\t2\t3", 42, 1, TEinfuegeergebnis::Ausserhalb, {{42, 1, "links"}}, {}},
        {"past row 1500", "1\n2\n3\n", 1, 1499, TEinfuegeergebnis::Ausserhalb, {{1, 1499, "links"}}, {}},
        {"empty clipboard", "", 1, 1, TEinfuegeergebnis::Leer, {{1, 1, "links"}}, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Tabelle_leeren(*T);
        Markierung_aufheben(*T);
        Fuellen({{4, 10, "links"}, {7, 10, "rechts"}, {5, 13, "unten"}, {42, 1, "links"},
                 {1, 1499, "links"}, {1, 1, "links"}, {2, 2, "x"}});
        const auto vorher = Alle_Zellen(*T);
        EXPECT_EQ(Text_einfuegen(*T, f.text, f.spalte, f.zeile), f.ergebnis);
        if (f.ergebnis != TEinfuegeergebnis::Eingefuegt) {
            EXPECT_EQ(Alle_Zellen(*T), vorher);
            continue;
        }
        for (const auto& [c, r, text] : f.erwartet) EXPECT_EQ(Z(c, r), text) << c << ";" << r;
        EXPECT_EQ(T->Markierung, f.markierung);
    }
}

TEST_F(CSVTest, KopierenGibtTabulatorTextUndHTML) {
    Fuellen({{2, 3, "1.5"}, {3, 3, "a<b & \"c\""}, {2, 4, "x\ty"}, {3, 4, ""}});
    std::string tsv, html;
    EXPECT_FALSE(Bereich_als_TSV(*T, TBereich{}, tsv));
    ASSERT_TRUE(Bereich_als_TSV(*T, TBereich{2, 3, 3, 4}, tsv));
    EXPECT_EQ(tsv, "1,5\ta<b & \"c\"\r\n\"x\ty\"\t\r\n");
    ASSERT_TRUE(Bereich_als_HTML(*T, TBereich{2, 3, 3, 4}, html));
    EXPECT_EQ(html, "<meta charset=\"utf-8\"><table><tr><td>1,5</td><td>a&lt;b &amp; &quot;c&quot;</td></tr>"
                    "<tr><td>x\ty</td><td></td></tr></table>");
    // Pasting the copied text back gives the same cells.
    ASSERT_EQ(Text_einfuegen(*T, tsv, 10, 20), TEinfuegeergebnis::Eingefuegt);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) EXPECT_EQ(Z(10 + c, 20 + r), Dezimalkomma(Z(2 + c, 3 + r)));
}

}  // namespace
