// Copying a marked range inside the table and the range's clipboard text.
#include "Tabelle_test.h"
#include "platform/Dialoge_Skript.h"

namespace {

class Bereich : public TabelleTest {
protected:
    void Quadrat_markieren() {
        Spalte_fuellen(1, {"1", "3"});
        Spalte_fuellen(2, {"2", "4"});
        T->Markierung = TBereich{1, 1, 2, 2};
    }
};

TEST_F(Bereich, KopierzielWirdGeprueftBevorKopiertWird) {
    struct Fall { const char* ziel; const char* meldung; int c, r; };
    const Fall faelle[] = {
        {"2;1", "Bereich kann nicht in sich selbst kopiert werden", 0, 0},
        {"1;2", "Bereich kann nicht in sich selbst kopiert werden", 0, 0},
        {"3;1", nullptr, 3, 1},
        {"42;1", nullptr, 42, 1},
        {"3;1499", nullptr, 3, 1499},
        {"43;1", "Tabellengrenzen überschritten !", 0, 0},
        {"3;1500", "Tabellengrenzen überschritten !", 0, 0},
        {"0;5", "Tabellengrenzen überschritten !", 0, 0},
        {"5;-1", "Tabellengrenzen überschritten !", 0, 0},
        {"2147483647;2147483647", "Tabellengrenzen überschritten !", 0, 0},
        {"3 ; 4", nullptr, 3, 4},
        {"x;1", nullptr, 0, 0},     // malformed input: silently nothing
        {"31", nullptr, 0, 0},
        {"3;1;2", nullptr, 0, 0},
        {"3,5;1", nullptr, 0, 0},
        {"99999999999;1", nullptr, 0, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.ziel);
        Tabelle_einrichten(*T);
        Quadrat_markieren();
        Skript_Dialoge d;
        d.eingabe_antworten.push_back(std::string(f.ziel));
        Markierten_Bereich_kopieren(*T);
        ASSERT_EQ(d.eingaben.size(), 1u);
        EXPECT_EQ(d.eingaben[0], "Kopieren nach:|Zelle links oben =|2;5");
        if (f.meldung) {
            ASSERT_EQ(d.meldungen.size(), 1u);
            EXPECT_EQ(d.meldungen[0], f.meldung);
        } else {
            EXPECT_TRUE(d.meldungen.empty());
        }
        EXPECT_EQ(Z(1, 1), "1");
        EXPECT_EQ(Z(2, 2), "4");
        if (f.c > 0) {
            EXPECT_EQ(Z(f.c, f.r), "1");
            EXPECT_EQ(Z(f.c + 1, f.r), "2");
            EXPECT_EQ(Z(f.c, f.r + 1), "3");
            EXPECT_EQ(Z(f.c + 1, f.r + 1), "4");
        } else {
            // nothing outside the source was written
            int beschrieben = 0;
            for (int r = 1; r <= 1500; ++r)
                for (int c = 1; c <= 43; ++c) beschrieben += !Z(c, r).empty();
            EXPECT_EQ(beschrieben, 4);
        }
    }
}

TEST_F(Bereich, OhneMarkierungOderNachAbbruchWirdNichtKopiert) {
    Quadrat_markieren();
    {
        Skript_Dialoge d;   // Cancel
        Markierten_Bereich_kopieren(*T);
        EXPECT_EQ(d.eingaben.size(), 1u);
        EXPECT_TRUE(d.meldungen.empty());
    }
    Markierung_aufheben(*T);
    Skript_Dialoge d;
    d.eingabe_antworten.push_back(std::string("5;5"));
    Markierten_Bereich_kopieren(*T);
    EXPECT_TRUE(d.eingaben.empty());
    ASSERT_EQ(d.meldungen.size(), 1u);
    EXPECT_EQ(d.meldungen[0], "Erst Bereich markieren !");
    EXPECT_EQ(Z(5, 5), "");
    EXPECT_EQ(Bereich_kopieren(*T, TBereich{}, 5, 5), TKopierergebnis::Kein_Bereich);
}

TEST_F(Bereich, ZwischenablagetextHatZwanzigZeichenJeZelleUndCRLF) {
    Quadrat_markieren();
    std::string text;
    ASSERT_TRUE(Bereich_als_Text(*T, T->Markierung, text));
    const std::string b19(19, ' ');
    EXPECT_EQ(text, "1" + b19 + "2" + b19 + "\r\n" + "3" + b19 + "4" + b19 + "\r\n");

    Z(1, 1) = "Größe";                       // 5 characters, 7 bytes
    Z(2, 1) = "12345678901234567890123";      // longer than 20: no blanks, no separator
    ASSERT_TRUE(Bereich_als_Text(*T, TBereich{1, 1, 2, 1}, text));
    EXPECT_EQ(text, "Größe" + std::string(15, ' ') + "12345678901234567890123\r\n");

    EXPECT_FALSE(Bereich_als_Text(*T, TBereich{}, text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(Bereich_als_Text(*T, TBereich{1, 1, 44, 1}, text));
}

}  // namespace
