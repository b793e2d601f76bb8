// The burden equations with their checks, and the Langefors list item of a stored factor.

#include "CalculatorFixture.h"

#include <limits>

// Every calculator's burden (and the coefficient of the two-tab ones) from box texts:
// the value shown, or the first failing check and the box it selects.
TEST(BurdenEquations, EquationTable)
{
    for (const QStringList &row : testTable("calculators/burden-equations.tsv")) {
        SCOPED_TRACE(row.join(' ').toStdString());
        const CalculatorDef *def = CalculatorDefinition(calculatorIndex(row[0]));
        const QStringList texts = row[2].split('|');
        const CalcOutcome out = tableKey(row[1], {"burden", "coefficient"}) == 1 ? ComputeCoefficient(*def, texts)
                                                                                 : ComputeBurden(*def, texts);
        EXPECT_EQ(out.ok ? BurdenText(out.burden) : "-", row[3]);
        EXPECT_EQ(out.failure ? out.failure->check : -1, row[4].toInt());
        EXPECT_EQ(out.failure ? out.failure->box : -1, row[5].toInt());
    }
    // The product of two large singles still fits the double it is computed in.
    const float big = std::numeric_limits<float>::max();
    EXPECT_TRUE(AndersonBurden(big, big).has_value());
    // The Konya K is taken in double precision.
    EXPECT_FALSE(KonyaBurden(1, 1, 1, 1e39).has_value());
    EXPECT_EQ(*KonyaBurden(1, 1, 1, 3.59), 3.59f);
    for (const QStringList &s : testTable("calculators/pearse-steps.tsv"))
        EXPECT_EQ(PearseStep(s[0], tableKey(s[1], {"down", "up"}) == 1), s[2]) << s.join(' ').toStdString();
}

// The list item of a stored factor, found in single precision (the sketches the items
// draw are checked whole in the window).
TEST(BurdenEquations, LangeforsItemOfAStoredFactor)
{
    const struct { float stored; int item; } cases[] = {
        {0.9f, 0}, {0.85f, 1}, {1.0f, 2}, {0.95f, -1}, {0.f, -1}, {0.899999f, -1}};
    for (const auto &c : cases)
        EXPECT_EQ(LangeforsItemFor(c.stored), c.item) << c.stored;
}
