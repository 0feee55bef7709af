#include "engine/UFunktionsParser.h"

#include <gtest/gtest.h>

namespace {

struct Taste { char32_t gedrueckt; char32_t term, zahl, ganzzahl; };

TEST(Tastenfilter, ErsetzenOderSchlucken) {
    const Taste faelle[] = {
        // key      term       number     integer
        {'*',       U'\u00B7', U'\u00B7', 0},
        {'.',       ',',       ',',       0},
        {13,        0,         0,         0},
        {'x',       'x',       0,         0},
        {'X',       'X',       0,         0},
        {'e',       'e',       'e',       0},
        {'E',       'E',       'E',       0},
        {'i',       'i',       'i',       0},
        {'p',       'p',       'p',       0},
        {'w',       'w',       'w',       0},
        {'v',       'v',       0,         0},
        {'t',       't',       0,         0},
        {'7',       '7',       '7',       '7'},
        {'#',       '#',       '#',       '#'},
        {'$',       '$',       '$',       '$'},
        {8,         8,         8,         8},
        {27,        27,        27,        27},
        {'-',       '-',       '-',       0},
        {U'²',      U'²',      U'²',      0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(static_cast<uint32_t>(f.gedrueckt));
        EXPECT_EQ(Taste_Term(f.gedrueckt), f.term);
        EXPECT_EQ(Taste_Zahl(f.gedrueckt), f.zahl);
        EXPECT_EQ(Taste_Ganzzahl(f.gedrueckt), f.ganzzahl);
    }
}

}  // namespace
