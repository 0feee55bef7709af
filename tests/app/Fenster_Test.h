// Test base for window tests: all windows created before each test and freed after
// it, with a scripted answerer standing in for every dialog.
#pragma once

#include "app/Fenster.h"
#include "platform/Dialoge_Skript.h"

#include <gtest/gtest.h>
#include <memory>

class Fenster_Test : public ::testing::Test {
protected:
    void SetUp() override {
        Fenster_erzeugen();
        dialoge = std::make_unique<Skript_Dialoge>();
    }
    void TearDown() override {
        dialoge.reset();
        Fenster_freigeben();
    }
    std::unique_ptr<Skript_Dialoge> dialoge;
};
