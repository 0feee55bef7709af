// Test fixture for the statistics window: all windows created, a scripted answerer,
// the window shown with its grid and an empty table; buttons clicked by name, the
// whole table as a snapshot, the last message shown.
#pragma once

#include "tests/app/Fenster_Test.h"

#include "app/Fenster.h"
#include "app/Unit6_Statistik/Tabellenansicht.h"
#include "app/Unit6_Statistik/Unit6_Statistik.h"
#include "platform/Dialoge_Skript.h"
#include "table/UStringGrid.h"

#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

using Zellen = std::vector<std::tuple<int, int, std::string>>;   // column, row, text

class Form6_Fenster : public Fenster_Test {
protected:
    void SetUp() override {
        Fenster_Test::SetUp();
        Form6_()->show();
        grid = Form6_()->findChild<TTabellenansicht*>("StringGrid1");
        ASSERT_NE(grid, nullptr);
        Tabelle_leeren(Tabelle);
    }
    static QWidget* Form6_() { return Form6; }
    template <class T> T* Element(const char* name) {
        T* w = Form6_()->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Klicken(const char* name) {
        if (auto* k = Element<QToolButton>(name)) QTest::mouseClick(k, Qt::LeftButton);
    }
    static void Fuellen(const Zellen& zellen) {
        for (const auto& [c, r, text] : zellen) Tabelle.Zelle(c, r) = text;
        Tabelle.Melden(TTabellenaenderung::Inhalt);
    }
    static std::vector<std::string> Schnappschuss() {
        std::vector<std::string> s;
        for (int r = 0; r <= Letzte_Zeile; ++r)
            for (int c = 0; c <= Letzte_Spalte; ++c) s.push_back(Tabelle.Zelle(c, r));
        return s;
    }
    std::string Letzte_Meldung() const { return dialoge->meldungen.empty() ? "" : dialoge->meldungen.back(); }

    TTabellenansicht* grid = nullptr;
};
