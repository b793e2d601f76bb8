// The burden equations, the checks and the echo labels of the calculator windows.

#include "calculators/BurdenEquations.h"
#include "core/Checks.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Row {
    const char *texts;  // the box texts joined by '|'
    const char *result; // the burden (or coefficient) shown; nullptr: nothing computed
    int failedCheck;    // -1: every check passes
    int focusBox;       // the box a failing check selects; -1: the focus stays put
};

void runTable(const CalculatorDef &def, std::initializer_list<Row> rows, bool coefficient = false)
{
    for (const Row &r : rows) {
        SCOPED_TRACE(std::string(def.name.toStdString()) + ": " + r.texts);
        const QStringList texts = QString::fromUtf8(r.texts).split('|');
        const CalcOutcome out = coefficient ? ComputeCoefficient(def, texts) : ComputeBurden(def, texts);
        EXPECT_EQ(out.ok, r.result != nullptr);
        if (r.result) {
            EXPECT_EQ(BurdenText(out.burden), QString::fromUtf8(r.result));
        }
        EXPECT_EQ(out.failure ? out.failure->check : -1, r.failedCheck);
        if (out.failure) {
            EXPECT_EQ(out.failure->box, r.focusBox);
        }
    }
}

// The default boxes of each calculator, with the field at 'box' replaced.
QString with(const char *defaults, int box, const char *text)
{
    QStringList t = QString::fromUtf8(defaults).split('|');
    t[box] = QString::fromUtf8(text);
    return t.join('|');
}

} // namespace

TEST(BurdenEquations, AndersonTable)
{
    runTable(AndersonCalculator(), {
                                       {"4|30", "10.95", -1, -1},     // the defaults: square root of 120
                                       {" 4 |30", "10.95", -1, -1},   // blanks around a number are numeric
                                       {"4|", "0.00", -1, -1},        // an empty box counts as 0
                                       {"1e3|1e3", "1000.00", -1, -1},
                                       {"-|30", nullptr, 0, -1},      // a lone sign is not numeric
                                       {"4,5|30", nullptr, 0, -1},
                                       {"-1|30", nullptr, 1, 0},      // diameter first
                                       {"-1|-2", nullptr, 1, 0},      // only the first failure
                                       {"4|-2", nullptr, 2, 1},
                                       {"-1|x", nullptr, 0, -1},      // the numeric step comes before the bounds
                                       {"1e39|30", nullptr, -1, -1},  // beyond single precision: fails quietly
                                       {"30|1e300", nullptr, -1, -1},
                                   });
    // The product of two large singles still fits the double it is computed in.
    const float big = std::numeric_limits<float>::max();
    EXPECT_TRUE(AndersonBurden(big, big).has_value());
}

TEST(BurdenEquations, EchoTexts)
{
    const CalcEcho cm{"Label7", 0, 2.54, false, "0.00", "cm"};
    const CalcEcho psi{"Label12", 2, 145.04, false, "0", "psi"};
    const CalcEcho ft{"Label7", kResultSource, 0.3048, true, "0.00", "ft"};
    const CalcEcho bare{"txtFortioM", kResultSource, 0.3048, false, "0.00", ""};
    // The Anderson window's own echoes are pinned by its keystroke test.
    const struct { const CalcEcho *echo; const char *source, *expected /* nullptr: the label keeps its text */; } cases[] = {
        {&cm, "abc", "0.00 cm"}, {&cm, "-1", "-2.54 cm"}, {&cm, "1e39", nullptr},   {&psi, "8000", "1160320 psi"},
        {&psi, "", "0 psi"},     {&ft, "3.04", "9.97 ft"}, {&bare, "8.51", "2.59"},   {&cm, "1e400", "0.00 cm"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source);
        const auto text = EchoText(*c.echo, QString::fromUtf8(c.source));
        ASSERT_EQ(text.has_value(), c.expected != nullptr);
        if (c.expected) {
            EXPECT_EQ(*text, QString::fromUtf8(c.expected));
        }
    }
}

TEST(BurdenEquations, CheckKinds)
{
    // The kinds the other calculators use: CheckRange bounds (inclusive, blank and
    // non-numeric rejected), a range ending at another box, and a bounded own check.
    const std::vector<CalcCheck> checks = {
        RangeCheck(0, 0, 20, "Hole Diameter", "Διάμετρος Διατρήματος"),
        RangeCheckUpToBox(2, 0, 1, "Charge Length", "Ύψος Γόμωσης Διατρήματος"),
        BoundCheck(3, 1, 1.6, "Explosive compaction must be positive!", "Ο Βαθμός Συμπύκνωσης κυμαίνεται μεταξύ 1 και 1,6"),
    };
    const struct { QStringList texts; int failedCheck; double upper; } cases[] = {
        {{"20", "10", "10", "1.6"}, -1, 0}, {{"0", "10", "0", "1"}, -1, 0},  {{"20.5", "10", "7", "1.2"}, 0, 20},
        {{"", "10", "7", "1.2"}, 0, 20},    {{"abc", "10", "7", "1.2"}, 0, 20}, {{"4", "10", "10.5", "1.2"}, 1, 10},
        {{"4", "", "0", "1.2"}, -1, 0},     {{"4", "10", "7", "1.61"}, 2, 1.6},
        {{"4", "10", "7", ""}, 2, 1.6}, // an own check reads an empty box as 0
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.texts.join('|').toStdString());
        const auto f = FirstFailingCheck(checks, c.texts);
        EXPECT_EQ(f ? f->check : -1, c.failedCheck);
        if (f) {
            EXPECT_EQ(f->upper, c.upper);
        }
    }
}

TEST(BurdenEquations, AshTable)
{
    const CalculatorDef &def = AshCalculator();
    runTable(def, {
                      {"4|30|2.57|2.7|1.3|1.2|3700|3100", "10.00", -1, -1}, // the stored Kb
                      {"4|25.54|2.57|2.7|1.3|1.2|3700|3100", "8.51", -1, -1},
                      {"20|30|2.57|2.7|1.3|1.2|3700|3100", "50.00", -1, -1},
                      {"20.5|30|2.57|2.7|1.3|1.2|3700|3100", nullptr, 0, 0}, // range 0-20
                      {"|30|2.57|2.7|1.3|1.2|3700|3100", nullptr, 0, 0},     // blank
                      {"4|50.1|2.57|2.7|1.3|1.2|3700|3100", nullptr, 1, 1},
                      {"4|30|10.1|2.7|1.3|1.2|-1|3100", nullptr, 2, 2},      // first failure only
                      {"4|30|2.57|2.7|2.01|1.2|3700|3100", nullptr, 4, 4},
                      {"4|30|2.57|2.7|1.3|2.01|3700|3100", nullptr, 5, 5},
                      {"4|30|2.57|2.7|1.3|1.2|-1|3100", nullptr, 6, 6},
                      {"4|30|2.57|2.7|1.3|1.2|0|-0.5", nullptr, 7, 7},        // zero passes
                      {"4|30|2.57|2.7|1.3|1.2|3700|abc", "10.00", -1, -1},    // no numeric step
                      {"4|30|2.57|2.7|1.3|1.2|-1e400|3100", nullptr, 6, 6},   // beyond a double, negative
                  });
    runTable(def,
             {
                 {"4|30|2.57|2.7|1.3|1.2|3700|3100", "25.54", -1, -1},
                 {"4|30|2.57|2.7|1.3|1.3|3700|3700", "29.51", -1, -1}, // only the rock corrects
                 {"4|30|2.7|2.7|1.3|1.3|3700|4000", "31.60", -1, -1},   // a faster explosive raises Kb
                 {"4|30|2.57|0|1.3|1.2|3700|3100", nullptr, -1, -1},    // zero rock density
                 {"4|30|2.57|2.7|0|1.2|3700|3100", nullptr, -1, -1},    // zero reference explosive
                 {"4|30|2.57|2.7|1.3|1.2|0|3100", nullptr, -1, -1},
                 {"4|30|2.57|2.7|1.3|1.2|3700|1e300", nullptr, -1, -1}, // beyond a single
                 {"4|30|2.57|2.7|1.3|1.2|1e-30|1e30", nullptr, -1, -1}, // overflow
                 {"4|30|2.57|2.7|1.3|1.2|3700|1e400", nullptr, -1, -1}, // beyond a double: never 0
                 {"-1|30|2.57|2.7|1.3|1.2|3700|3100", nullptr, 0, 0},   // tab 0 checked too
             },
             true);
}

TEST(BurdenEquations, FraenkelTable)
{
    const char *defaults = "100|10|7|2";
    runTable(FraenkelCalculator(), {
                                       {defaults, "5.70", -1, -1},
                                       {"100|10|10|2", "6.34", -1, -1}, // charge height = hole length
                                       {"100|10|10.5|2", nullptr, 3, 2}, // range 0-10
                                       {"0|10|7|2", "0.00", -1, -1},
                                       {"500|30|30|6", "133.24", -1, -1},
                                       {"500.1|10|7|2", nullptr, 1, 0},
                                       {"100|30.5|7|2", nullptr, 2, 1},
                                       {"100|10|7|0.5", nullptr, 4, 3},
                                       {"100|10|7|6.01", nullptr, 4, 3},
                                       {"100|10||2", nullptr, 3, 2}, // blank
                                       {"100|10|x|2", nullptr, 0, -1}, // every box is read as a number first
                                       {"100|10|7|x", nullptr, 0, -1},
                                       {"100|x|-1|0", nullptr, 0, -1},
                                   });
    // The charge-height bound is the hole length read in double precision.
    const auto f = FirstFailingCheck(FraenkelCalculator().checks, {"100", "10.5", "10.5", "2"});
    EXPECT_FALSE(f.has_value());
}

TEST(BurdenEquations, KonyaTable)
{
    const char *defaults = "4|0.9|2.7|3.59";
    runTable(KonyaCalculator(), {
                                    {defaults, "9.96", -1, -1},
                                    {with(defaults, 2, "0").toUtf8().constData(), nullptr, -1, -1}, // zero rock
                                    {with(defaults, 1, "0").toUtf8().constData(), "0.00", -1, -1},
                                    {"0|0|0|3.59", nullptr, -1, -1},
                                    {with(defaults, 3, "abc").toUtf8().constData(), "0.00", -1, -1}, // K unchecked
                                    {with(defaults, 3, "1e300").toUtf8().constData(), nullptr, -1, -1},
                                    {with(defaults, 3, "1e400").toUtf8().constData(), nullptr, -1, -1},
                                    {with(defaults, 0, "-4").toUtf8().constData(), nullptr, 1, 0},
                                    {with(defaults, 1, "-0.9").toUtf8().constData(), nullptr, 2, 1},
                                    {with(defaults, 2, "-2.7").toUtf8().constData(), nullptr, 3, 2},
                                    {"4|x|-2.7|3.59", nullptr, 0, -1},
                                });
    // K is taken in double precision.
    EXPECT_EQ(KonyaBurden(1, 1, 1, 1e39).has_value(), false);
    EXPECT_EQ(*KonyaBurden(1, 1, 1, 3.59), 3.59f);
}

TEST(BurdenEquations, LangeforsTable)
{
    // The sixth value is the inclination factor the list gives (0 with no item).
    runTable(LangeforsCalculator(), {
                                        {"100|1.2|1.3|0.45|1.25|1", "5.05", -1, -1},
                                        {"100|1.2|1.3|0.45|1.25|0.9", "5.32", -1, -1},
                                        {"100|1.2|1.3|0.45|1.25|0.85", "5.47", -1, -1},
                                        {"100|1.2|1.3|0.45|1.25|0", nullptr, -1, -1}, // no item
                                        {"100|1.2|1.3|0.45|1.25", nullptr, -1, -1},
                                        {"100|1.6|1.3|0.45|1.25|1", "5.83", -1, -1},
                                        {"100|1.61|1.3|0.45|1.25|1", nullptr, 2, 1},
                                        {"100|0.99|1.3|0.45|1.25|1", nullptr, 2, 1},
                                        {"100|1.2|1.3|0.2|1.25|1", "7.57", -1, -1},
                                        {"100|1.2|1.3|0.19|1.25|1", nullptr, 4, 3},
                                        {"100|1.2|1.3|1.01|1.25|1", nullptr, 4, 3},
                                        {"100|1.2|1.3|0.45|0|1", nullptr, -1, -1}, // zero ratio
                                        {"-1|1.2|-1|0.45|1.25|1", nullptr, 1, 0},
                                        {"100|1.2|-1|0.45|1.25|1", nullptr, 3, 2},
                                        {"100|1.2|1.3|0.45|-1|1", nullptr, 5, 4},
                                        {"100|1.2|1.3|.|1.25|1", nullptr, 0, -1},
                                    });
}

TEST(BurdenEquations, PearseTable)
{
    runTable(PearseCalculator(), {
                                     {"100|1|8000|12", "2.58", -1, -1},
                                     {"100|1.2|8000|12", "3.10", -1, -1},
                                     {"100|0.7|8000|12", "1.81", -1, -1},
                                     {"100|1.25|8000|12", nullptr, 1, 1},
                                     {"100|0.69|8000|12", nullptr, 1, 1},
                                     {"100||8000|12", nullptr, 1, 1}, // blank
                                     {"100|1|8000|0", nullptr, -1, -1},
                                     {"100|1|0|0", nullptr, -1, -1},
                                     {"-1|2|8000|12", nullptr, 0, 0},
                                     {"100|1|-1|12", nullptr, 2, 2},
                                     {"100|1|8000|-12", nullptr, 3, 3},
                                     {"abc|1|8000|12", "0.00", -1, -1}, // no numeric step
                                     {"1e38|1|8000|0.0001", nullptr, -1, -1},
                                     // Beyond a double: an overflow, or negative by its sign, never 0.
                                     {"1e400|1|8000|12", nullptr, -1, -1},
                                     {"100|1|1e400|12", nullptr, -1, -1},
                                     {"-1e400|1|8000|12", nullptr, 0, 0},
                                     {"100|1|8000|-1e400", nullptr, 3, 3},
                                 });
    const struct { const char *from; bool up; const char *to; } steps[] = {
        {"1", false, "0.9"},  {"0.7", false, "0.7"}, {"0.8", false, "0.7"}, {"1.1", true, "1.2"},
        {"1.2", true, "1.2"}, {"0.85", true, "1.0"}, {"", true, "0.1"},     {"5", false, "4.9"},
        {"1e400", false, "1e400"}, {"NaN", false, "0.7"},
    };
    for (const auto &s : steps)
        EXPECT_EQ(PearseStep(QString::fromUtf8(s.from), s.up), QString::fromUtf8(s.to)) << s.from << " " << s.up;
}

TEST(BurdenEquations, JimenoTable)
{
    const char *defaults = "4|1|2.7|2.7|3500|3500|1.3|1.3|3660|3660";
    runTable(JimenoCalculator(), {
                                     {defaults, "3.04", -1, -1},
                                     {with(defaults, 1, "1.5").toUtf8().constData(), "4.56", -1, -1},
                                     {with(defaults, 0, "-1").toUtf8().constData(), nullptr, 1, 0},
                                     {with(defaults, 1, "-1").toUtf8().constData(), nullptr, 2, 1},
                                     {with(defaults, 6, "-1").toUtf8().constData(), nullptr, 5, 6},
                                     {with(defaults, 4, "-1").toUtf8().constData(), nullptr, 7, 4},
                                     {with(defaults, 9, "x").toUtf8().constData(), nullptr, 0, -1},
                                 });
    runTable(JimenoCalculator(),
             {
                 {defaults, "1.00", -1, -1},
                 {with(defaults, 7, "1.6").toUtf8().constData(), "1.07", -1, -1}, // denser explosive
                 {with(defaults, 3, "3").toUtf8().constData(), "0.97", -1, -1},   // denser rock
                 {with(defaults, 3, "0").toUtf8().constData(), nullptr, -1, -1},
                 {with(defaults, 5, "0").toUtf8().constData(), nullptr, -1, -1},
                 {with(defaults, 8, "0").toUtf8().constData(), nullptr, -1, -1},
                 {"4|1|2.7|2.7|3500|3500|1.3|1.3|1e-30|1e38", nullptr, -1, -1}, // overflow
             },
             true);
}

TEST(BurdenEquations, LangeforsInclinationsAndSketch)
{
    const struct { float stored; int item; } cases[] = {
        {0.9f, 0}, {0.85f, 1}, {1.0f, 2}, {0.95f, -1}, {0.f, -1}, {0.899999f, -1}};
    for (const auto &c : cases)
        EXPECT_EQ(LangeforsItemFor(c.stored), c.item) << c.stored;
    // The box holds every line of every sketch, including the 72 degree line up to y -17.
    const QRectF box = LangeforsSketchBox();
    for (const Inclination &item : LangeforsInclinations()) {
        const AngleDiagram d = DrawAngleDiagram(float(item.angle), 10, 75, item.length);
        for (const QLineF &l : d.lines) {
            EXPECT_TRUE(box.contains(l.p1()) && box.contains(l.p2())) << item.angle;
        }
    }
    EXPECT_LT(box.top(), -17);
}
