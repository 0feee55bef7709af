// Curves of the plotter: pen lifting at failures and poles, jump dots, the derived
// curve kinds, family colours and the Plot picture.
#include "tests/graphics/Qt_Umgebung.h"
#include "graphics/Farben.h"
#include "numeric/UMatheTools.h"
#include "numeric/UReihenwerte.h"
#include "platform/Dialoge_Skript.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <set>
#include <string>
#include <vector>

namespace {

class Kurven : public Zeichentest {
protected:
    void SetUp() override {
        Zeichentest::SetUp();
        KOS_zeichnen(bild);
    }
    void Zeichnen(const std::string& term, int art = Kurve_Funktion, int linienart = 1) {
        Kurve_zeichnen(bild, term, Farbe_blau, linienart, art, -8, 8, schar);
    }
    Scharbereich schar;
    int Blau_in_Spalte(int x, int y1 = 0, int y2 = 640) { return Anzahl(bild, x, y1, x, y2, Blau); }
    // world point -> pixel of the default window
    static int Sp(double x) { return int(320 + 40 * x); }
    static int Ze(double y) { return int(320 - 40 * y); }
};

TEST_F(Kurven, FamilyColoursCycleThroughFifteen) {
    const std::vector<Farbe3> erwartet = {{0, 0, 0},     {255, 0, 0},   {0, 0, 255},     {0, 128, 0},
                                          {128, 0, 0},   {0, 255, 255}, {0, 0, 128},     {255, 0, 255},
                                          {192, 192, 192}, {166, 202, 240}, {128, 0, 128}, {0, 255, 0},
                                          {160, 160, 164}, {255, 255, 0}, {128, 128, 128}};
    for (int i = 0; i < 30; ++i) EXPECT_EQ(RGB(Farbe_nach_Index(i)), erwartet[i % 15]) << i;
}

TEST_F(Kurven, FamilyRangeIsBoundedAndNeverHangs) {
    struct Fall { Extended t1, t2, dt; bool alle; size_t anzahl; Extended letztes; };
    const std::vector<Fall> faelle = {
        {1, 4, 0.5L, false, 1, 1},        // "t von" off: only t1
        {1, 4, 0.5L, true, 7, 4},         // seven members up to t2
        {1, 4, 0, true, 1, 1},            // Δt = 0 would never end: t1 alone
        {1, 4, -0.5L, true, 1, 1},        // Δt < 0 likewise
        {0, 1E9L, 1E-9L, true, 1000, 0},  // far too many: capped
        {5, 4, 0.5L, true, 1, 5},         // t1 beyond t2: the first member is still drawn
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.anzahl);
        auto w = Scharwerte(Scharbereich{f.t1, f.t2, f.dt, f.alle, 0});
        ASSERT_EQ(w.size(), f.anzahl);
        if (f.anzahl < 1000) {
            EXPECT_EQ(w.back(), f.letztes);
        }
    }
}

TEST_F(Kurven, ReciprocalIsInterruptedAtZeroWithoutAVerticalLine) {
    Zeichnen("1/x");
    EXPECT_EQ(Blau_in_Spalte(320), 0);
    EXPECT_EQ(Pixel(bild, Sp(2), Ze(0.5)), Blau);
    EXPECT_EQ(Pixel(bild, Sp(-2), Ze(-0.5)), Blau);
}

TEST_F(Kurven, TangentBranchesAreNotJoined) {
    Zeichnen("tan(x)");
    // the left branch leaves the top near x = 1,45, the right one enters the bottom near 1,70
    for (int s = Sp(1.50); s <= Sp(1.64); ++s) EXPECT_EQ(Blau_in_Spalte(s), 0) << s;
    EXPECT_EQ(Pixel(bild, Sp(0), Ze(0)), Blau);
    EXPECT_GT(Blau_in_Spalte(Sp(1.2)), 0);
}

TEST_F(Kurven, FloorShowsFilledAndOpenDotsAtTheSteps) {
    Zeichnen("floor(x)");
    for (int k : {-3, 2, 5}) {
        SCOPED_TRACE(k);
        const int x = Sp(k);
        EXPECT_EQ(Pixel(bild, x, Ze(k)), Blau);              // filled: the attained value
        EXPECT_EQ(Pixel(bild, x, Ze(k - 1)), Weiss);         // open: end of the left piece
        EXPECT_EQ(Pixel(bild, x + 2, Ze(k - 1)), Blau);
        EXPECT_EQ(Pixel(bild, x, Ze(k - 1) - 2), Blau);
        EXPECT_EQ(Blau_in_Spalte(x, Ze(k) + 4, Ze(k - 1) - 4), 0);   // no vertical joint
    }
    EXPECT_EQ(Pixel(bild, Sp(2.5), Ze(2)), Blau);   // the steps themselves
}

TEST_F(Kurven, SignumShowsTheDotAtZeroAndOpenDotsAboveAndBelow) {
    Zeichnen("sgn(x+1,5)");
    const int x = Sp(-1.5);
    EXPECT_EQ(Pixel(bild, x, Ze(0)), Blau);
    EXPECT_EQ(Pixel(bild, x, Ze(1)), Weiss);
    EXPECT_EQ(Pixel(bild, x, Ze(-1)), Weiss);
    EXPECT_EQ(Pixel(bild, x + 2, Ze(1)), Blau);
    EXPECT_EQ(Pixel(bild, x + 2, Ze(-1)), Blau);
    EXPECT_EQ(Blau_in_Spalte(x, Ze(1) + 4, Ze(0) - 4), 0);
    EXPECT_EQ(Pixel(bild, Sp(3), Ze(1)), Blau);
    EXPECT_EQ(Pixel(bild, Sp(-4), Ze(-1)), Blau);
}

TEST_F(Kurven, JumpDotsGrowWithTheLineStyle) {
    Zeichnen("sgn(x+1,5)", Kurve_Funktion, 3);   // radius 6, ring 3 wide
    const int x = Sp(-1.5);
    EXPECT_EQ(Pixel(bild, x + 5, Ze(0)), Blau);
    // the thick curve itself runs through the open dot's middle; above it the dot is white
    EXPECT_EQ(Pixel(bild, x, Ze(1) - 3), Weiss);
    EXPECT_EQ(Pixel(bild, x, Ze(1) - 6), Blau);
    EXPECT_EQ(Pixel(bild, x, Ze(-1) + 3), Weiss);
    EXPECT_EQ(Pixel(bild, x, Ze(-1) + 6), Blau);
}

TEST_F(Kurven, DerivedCurveKinds) {
    struct Fall { const char* term; int art; double x, y; };
    const std::vector<Fall> faelle = {
        {"x²", Kurve_Ableitung_1, 1, 2},        // 2x
        {"x³", Kurve_Ableitung_2, 1, 6},        // 6x
        {"x³", Kurve_Ableitung_3, -3, 6},       // 6
        {"x²", Kurve_Umkehrrelation, 4, 2},     // sideways parabola: (x², x)
        {"x²", Kurve_Umkehrrelation, 4, -2},
        {"x", Kurve_Integralfunktion, 2, 2},    // x²/2 from u = 0 to the right ...
        {"x", Kurve_Integralfunktion, -2, 2},   // ... and to the left
        {"x²", Kurve_Kruemmung, 0, 2},          // curvature 2 at the vertex
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.term) + " kind " + std::to_string(f.art));
        KOS_zeichnen(bild);
        Zeichnen(f.term, f.art);
        EXPECT_EQ(Pixel(bild, Sp(f.x), Ze(f.y)), Blau);
    }
}

TEST_F(Kurven, IntegralFunctionStartsAtU) {
    schar.u = 2;
    Zeichnen("1", Kurve_Integralfunktion);   // F(2, x) = x - 2
    EXPECT_EQ(Pixel(bild, Sp(2), Ze(0)), Blau);
    EXPECT_EQ(Pixel(bild, Sp(5), Ze(3)), Blau);
    EXPECT_EQ(Pixel(bild, Sp(-3), Ze(-5)), Blau);
}

TEST_F(Kurven, IntegralFunctionFromFarAwayEntersTheWindowAtTheRightHeight) {
    const double pi = 3.14159265358979;
    struct Fall { Extended u, start; double x, y; bool gezeichnet; };
    const std::vector<Fall> faelle = {
        {1E9L, -8, 0, -pi / 2, true},                            // atan(x) - atan(1E9)
        {1E9L, -8, -4, std::atan(-4.0) - pi / 2, true},
        {-1E9L, -8, 3, std::atan(3.0) + pi / 2, true},
        {-1E9L, -8, -6, std::atan(-6.0) + pi / 2, true},
        {-1E9L, 2, 1, std::atan(1.0) + pi / 2, false},           // the interval begins later ...
        {-1E9L, 2, 3, std::atan(3.0) + pi / 2, true},            // ... and the curve with it
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(double(f.u)) + " x = " + std::to_string(f.x));
        KOS_zeichnen(bild);
        schar.u = f.u;
        Kurve_zeichnen(bild, "1/(1+x²)", Farbe_blau, 1, Kurve_Integralfunktion, f.start, 8, schar);
        if (f.gezeichnet)
            EXPECT_GT(Blau_in_Spalte(Sp(f.x), Ze(f.y) - 1, Ze(f.y) + 1), 0);
        else
            EXPECT_EQ(Blau_in_Spalte(Sp(f.x)), 0);
    }
}

TEST_F(Kurven, FailingStretchUpToTheWindowDrawsAsFromTheWindowsEdge) {
    // sqrt fails left of 0: the far stretch fails as the pieces from -8 to 0 do.
    schar.u = -8;
    Zeichnen("sqrt(x)", Kurve_Integralfunktion);
    const QImage nah = bild.copy();
    EXPECT_GT(Blau_in_Spalte(Sp(4), Ze(16.0 / 3) - 1, Ze(16.0 / 3) + 1), 0);   // 2/3·x^1,5 from 0
    KOS_zeichnen(bild);
    schar.u = -1E12L;
    Zeichnen("sqrt(x)", Kurve_Integralfunktion);
    EXPECT_EQ(bild, nah);
}

TEST_F(Kurven, StepsStayBoundedByThePictureWhateverTheScale) {
    // The inverse steps the y range with the x step: a tall window would need
    // 10^9 steps; it is stepped more coarsely and still drawn.
    KOS.yu = -1E9L;
    KOS.yo = 1E9L;
    KOS_zeichnen(bild);
    const std::clock_t anfang = std::clock();
    Kurve_zeichnen(bild, "x/100000000", Farbe_blau, 1, Kurve_Umkehrrelation, -1E9L, 1E9L, schar);
    schar.u = -4E9L;
    Zeichnen("0", Kurve_Integralfunktion);
    EXPECT_LT(double(std::clock() - anfang) / CLOCKS_PER_SEC, 1.0);
    EXPECT_GT(Blau_in_Spalte(Sp(5), 155, 165), 0);   // (x/10^8, x) at x = 5E8
    EXPECT_EQ(Pixel(bild, Sp(-7), 320), Blau);        // F = 0
}

TEST_F(Kurven, EscapeStopsTheFamilyBetweenMembersAndWithinLongCurves) {
    schar = Scharbereich{1, 4, 0.5L, true, 0};
    Skript_Dialoge d;
    d.escape = {false, true};
    EXPECT_FALSE(Kurve_zeichnen(bild, "t", Farbe_blau, 1, Kurve_Funktion, -8, 8, schar));
    EXPECT_TRUE(Zeichnen_abgebrochen());
    EXPECT_EQ(d.escape_abfragen, 2);
    EXPECT_EQ(Pixel(bild, Sp(-5.25), Ze(1)), Schwarz);
    EXPECT_EQ(Anzahl(bild, 0, Ze(1.5), 640, Ze(1.5), Rot), 0);
    // One member over a long inverse: polled within it, not only between members.
    KOS.yu = -1E9L;
    KOS.yo = 1E9L;
    schar.alle_t = false;
    d.escape = {false, true};
    d.escape_abfragen = 0;
    EXPECT_FALSE(Kurve_zeichnen(bild, "x", Farbe_blau, 1, Kurve_Umkehrrelation, -1E9L, 1E9L, schar));
    EXPECT_EQ(d.escape_abfragen, 2);
    EXPECT_TRUE(Kurve_zeichnen(bild, "x", Farbe_blau, 1, Kurve_Umkehrrelation, -1E9L, 1E9L, schar));
    EXPECT_FALSE(Zeichnen_abgebrochen());
}

TEST_F(Kurven, FamilyMembersTakeTheCycleColours) {
    schar = Scharbereich{1, 4, 0.5L, true, 0};
    Kurve_zeichnen(bild, "t", Farbe_fuchsia, 1, Kurve_Funktion, -8, 8, schar);
    const std::vector<Farbe3> farben = {{0, 0, 0}, {255, 0, 0}, {0, 0, 255}, {0, 128, 0},
                                        {128, 0, 0}, {0, 255, 255}, {0, 0, 128}};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(Pixel(bild, Sp(-5.25), Ze(1 + 0.5 * i)), farben[i]) << i;
    // a term without t keeps its own colour
    Kurve_zeichnen(bild, "x", Farbe_fuchsia, 1, Kurve_Funktion, -8, 8, schar);
    EXPECT_EQ(Pixel(bild, Sp(-6), Ze(-6)), RGB(Farbe_fuchsia));
}

TEST_F(Kurven, DrawingIntervalLimitsTheCurve) {
    Kurve_zeichnen(bild, "2", Farbe_blau, 1, Kurve_Funktion, -1, 3, schar);
    EXPECT_EQ(Anzahl(bild, 0, Ze(2), 640, Ze(2), Blau), Sp(3) - Sp(-1) + 1);
    EXPECT_EQ(Pixel(bild, Sp(-1), Ze(2)), Blau);
    EXPECT_EQ(Pixel(bild, Sp(3), Ze(2)), Blau);
}

TEST_F(Kurven, VerticalLineAtTheTermsValue) {
    Senkrechte_zeichnen(bild, "pi/2+0,5", Farbe_rot, 2);   // not quite x = 2,07
    const int s = x_zu_Pixel(641, 3.14159265358979L / 2 + 0.5L);
    EXPECT_EQ(Anzahl(bild, s, 0, s, 640, Rot), 641);
    EXPECT_EQ(Anzahl(bild, s - 1, 0, s + 1, 640, Rot), 2 * 641);
}

TEST_F(Kurven, PlotRefusesAnEmptyWindowAndDrawsNothing) {
    struct Fall { Extended xli, xre, yu, yo; const char* meldung; };
    for (const Fall& f : {Fall{3, 3, -8, 8, "xli >= xre  !"}, Fall{-8, 8, 5, -5, "yu >= yo  !"}}) {
        Skript_Dialoge d;
        KOS.xli = f.xli; KOS.xre = f.xre; KOS.yu = f.yu; KOS.yo = f.yo;
        bild.fill(Qt::green);
        Plotauftrag p;
        p.f.zeichnen = true;
        EXPECT_FALSE(Plot_zeichnen(bild, p));
        ASSERT_EQ(d.meldungen.size(), 1u);
        EXPECT_EQ(d.meldungen[0], f.meldung);
        EXPECT_EQ(Anzahl(bild, 0, 0, 640, 640, Farbe3{0, 255, 0}), 641 * 641);
    }
}

TEST_F(Kurven, PlotDrawsTheTickedItemsInOrderAndReadsTheFamilyTexts) {
    Skript_Dialoge d;
    Plotauftrag p;
    p.Term_f = "x";
    p.Term_h = "-1";
    p.f = {true, Farbe_rot, 1};
    p.h = {true, Farbe_blau, 1};
    p.x_gleich_a = {true, Farbe_RGB(0, 128, 0), 1};
    p.aStart = "3";
    p.Schar_t1 = "2";
    p.u = "1/2";
    EXPECT_TRUE(Plot_zeichnen(bild, p));
    EXPECT_TRUE(d.meldungen.empty());
    EXPECT_EQ(Schar.t1, 2);
    EXPECT_EQ(Schar.u, 0.5L);
    EXPECT_EQ(Pixel(bild, Sp(-2), Ze(-2)), Rot);
    EXPECT_EQ(Pixel(bild, Sp(-5), Ze(-1)), Blau);
    EXPECT_EQ(Pixel(bild, Sp(3), 50), Farbe3(0, 128, 0));   // x = a drawn last, over everything
    EXPECT_EQ(Pixel(bild, Sp(3), Ze(-1)), Farbe3(0, 128, 0));
    EXPECT_EQ(Anzahl(bild, 0, 0, 640, 640, Farbe3{182, 182, 182}) > 0, true);   // "lösch": fresh grid
    // without "lösch" the earlier picture stays
    p.loeschen = false;
    p.f.zeichnen = p.h.zeichnen = p.x_gleich_a.zeichnen = false;
    p.g = {true, Farbe_blau, 1};
    p.Term_g = "2";
    EXPECT_TRUE(Plot_zeichnen(bild, p));
    EXPECT_EQ(Pixel(bild, Sp(-2), Ze(-2)), Rot);
    EXPECT_EQ(Pixel(bild, Sp(-2), Ze(2)), Blau);
}

TEST_F(Kurven, PlotWithTheIntegralFunctionLeavesTheIntegrationStateAlone) {
    // F is integrated leftwards from u last, which swaps limits; a tool must not see that.
    for (bool vertauscht : {false, true}) {
        Integration = Integrationszustand{Methode_Romberg, vertauscht};
        Plotauftrag p;
        p.Term_f = "x";
        p.F = {true, Farbe_blau, 1};
        EXPECT_TRUE(Plot_zeichnen(bild, p));
        EXPECT_EQ(Pixel(bild, Sp(2), Ze(2)), Blau) << "F(0, x) = x²/2 was drawn";
        EXPECT_EQ(Integration.Grenzen_vertauscht, vertauscht);
        EXPECT_EQ(Integration.Integrationsmethode, Methode_Romberg);
    }
    Integration = Integrationszustand{};
}

TEST_F(Kurven, FamilyWithZeroStepFinishesWithOneMember) {
    Plotauftrag p;
    p.alle_t = true;
    p.delta_t = "0";
    p.Term_f = "t";
    p.f.zeichnen = true;
    const auto anfang = std::chrono::steady_clock::now();
    EXPECT_TRUE(Plot_zeichnen(bild, p));
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(2));
    EXPECT_EQ(Pixel(bild, Sp(-5.25), Ze(1)), Schwarz);                 // t = 1, first colour
    EXPECT_EQ(Anzahl(bild, 0, Ze(1.5), 640, Ze(1.5), Rot), 0);       // no second member
}

TEST_F(Kurven, PlotSaysWhenTheFamilyIsCutShort) {
    struct Fall { const char* t2; const char* term; bool meldung; };
    for (const Fall& f : {Fall{"1E9", "tx", true}, Fall{"1E9", "x", false}, Fall{"4", "tx", false}}) {
        SCOPED_TRACE(std::string(f.t2) + " " + f.term);
        Skript_Dialoge d;
        Plotauftrag p;
        p.alle_t = true;
        p.Schar_t1 = "0";
        p.Schar_t2 = f.t2;
        p.delta_t = "1";
        p.Term_f = f.term;
        p.f.zeichnen = true;
        EXPECT_TRUE(Plot_zeichnen(bild, p));
        const std::vector<std::string> erwartet =
            f.meldung ? std::vector<std::string>{Meldung_Schar_gekappt} : std::vector<std::string>{};
        EXPECT_EQ(d.meldungen, erwartet);
    }
    // the last member that still fits is no cut
    EXPECT_FALSE(Schar_gekappt(Scharbereich{1, Extended(Scharglieder_max), 1, true, 0}));
    EXPECT_TRUE(Schar_gekappt(Scharbereich{1, Extended(Scharglieder_max + 1), 1, true, 0}));
}

TEST_F(Kurven, FarAwayIntervalsAndLimitsStayQuick) {
    const auto anfang = std::chrono::steady_clock::now();
    Kurve_zeichnen(bild, "x", Farbe_blau, 1, Kurve_Funktion, -1E12L, 1E12L, schar);
    EXPECT_EQ(Pixel(bild, Sp(1), Ze(1)), Blau);
    schar.u = 1E9L;
    Kurve_zeichnen(bild, "1", Farbe_blau, 1, Kurve_Integralfunktion, -8, 8, schar);
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(10));
}

// Every kind draws the same picture from batches as from single calls, jumps,
// poles, kinks and one-sided ends included.
TEST_F(Kurven, BatchesDrawTheSamePictureAsSingleCalls) {
    const int arten[] = {Kurve_Funktion,       Kurve_Ableitung_1,      Kurve_Ableitung_2, Kurve_Ableitung_3,
                         Kurve_Umkehrrelation, Kurve_Integralfunktion, Kurve_Kruemmung};
    for (const char* term : {"-0,2x^3+0,4x", "floor(x)", "sgn(x-1)", "sqrt(x)", "1/x", "abs(x-1)", "tan(x)"})
        for (int art : arten) {
            KOS_zeichnen(bild);
            Zeichnen(term, art);
            const QImage reihe = bild.copy();
            Nur_Einzelaufrufe = true;
            KOS_zeichnen(bild);
            Zeichnen(term, art);
            Nur_Einzelaufrufe = false;
            EXPECT_TRUE(reihe == bild) << term << ", kind " << art;
        }
}

// On a raster image the one-pixel segments go to the painter in batches and those
// wholly beyond an edge are left out; point by point every segment is its own call.
// Both must set the same pixels: families leaving and re-entering the window, jumps
// with their dots, poles, dotted and wide pens, small off-centre windows.
TEST_F(Kurven, SegmentBatchesSetTheSamePixelsAsSingleSegments) {
    struct Fall { const char* term; int art, linienart; Extended xli, xre; };
    const Fall faelle[] = {
        {"-0,2tx³+0,4t²x", Kurve_Funktion, 1, -8, 8},    {"-0,2tx³+0,4t²x", Kurve_Ableitung_1, 1, -8, 8},
        {"tx^4-2x^2", Kurve_Umkehrrelation, 1, -8, 8},   {"floor(tx)", Kurve_Funktion, 1, -3, 2},
        {"sgn(x-t)", Kurve_Funktion, 1, -8, 8},          {"t/x", Kurve_Integralfunktion, 1, -8, 8},
        {"tan(tx)", Kurve_Funktion, 1, -1, 4},           {"tx^3", Kurve_Kruemmung, 1, -2, 2},
        {"-0,2tx³+0,4t²x", Kurve_Funktion, 0, -8, 8},    {"tx²", Kurve_Funktion, 3, -8, 8},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.term) + ", kind " + std::to_string(f.art) + ", style " + std::to_string(f.linienart));
        KOS.xli = f.xli;
        KOS.xre = f.xre;
        schar = {1, 4, 0.5L, true, 0};
        bild.fill(Qt::white);
        Zeichnen(f.term, f.art, f.linienart);
        const QImage gesammelt = bild.copy();
        bild.fill(Qt::white);
        Nur_Einzelaufrufe = true;
        Zeichnen(f.term, f.art, f.linienart);
        Nur_Einzelaufrufe = false;
        EXPECT_TRUE(gesammelt == bild);
    }
}

}  // namespace

namespace {

// t, k and n are the family parameter when they stand alone; the letters of sin, tan,
// sqrt and ln are not. A family of seven shows all seven cycle colours, a single
// curve only its own colour.
TEST(Scharterm, TKAndNDrawTheWholeFamilyNamesDoNot) {
    Scharbereich schar{1, 4, 0.5L, true, 0};
    struct Fall { const char* term; bool schar; };
    const Fall faelle[] = {{"nx", true},      {"sin(nx)", true}, {"tx", true},     {"kx", true},
                           {"-nx³+2n", true}, {"sin(x)", false}, {"tan(x)", false}, {"sqrt(x)", false},
                           {"ln(x)+x", false}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.term);
        KOS = Koordinatensystem{};
        QImage bild = Bild_erzeugen(641, 641);
        Parser.Term_Fehler = false;
        EXPECT_EQ(Ist_Scharterm(f.term), f.schar);
        EXPECT_FALSE(Parser.Term_Fehler);
        Kurve_zeichnen(bild, f.term, Farbe_fuchsia, 1, Kurve_Funktion, -8, 8, schar);
        std::set<QRgb> farben;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) farben.insert(bild.pixel(x, y) & 0xFFFFFF);
        auto da = [&farben](uint32_t f) { return farben.count(Farbe_Qt(f).rgb() & 0xFFFFFF) > 0; };
        int glieder = 0;
        for (int i = 0; i < 7; ++i) glieder += da(Farbe_nach_Index(i));
        EXPECT_EQ(glieder, f.schar ? 7 : 0);
        EXPECT_EQ(da(Farbe_fuchsia), !f.schar);
    }
    EXPECT_FALSE(Ist_Scharterm("t$x"));   // refused by the engine: nothing to repeat
}

}  // namespace
