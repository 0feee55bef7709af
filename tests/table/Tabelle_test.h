// A fresh, set-up table for every test, independent of the program's global one.
#pragma once
#include "table/UStringGrid.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

class TabelleTest : public ::testing::Test {
protected:
    void SetUp() override {
        T = std::make_unique<TTabelle>();
        T->Beobachter = [this](TTabellenaenderung a) { meldungen.push_back(a); };
        Tabelle_einrichten(*T);
        meldungen.clear();
    }
    std::string& Z(int spalte, int zeile) { return T->Zelle(spalte, zeile); }
    void Spalte_fuellen(int spalte, std::vector<std::string> texte) {
        for (size_t i = 0; i < texte.size(); ++i) Z(spalte, int(i) + 1) = texte[i];
    }
    std::unique_ptr<TTabelle> T;
    std::vector<TTabellenaenderung> meldungen;
};
