// The unit converter: its tables, its reading of the input and its overflow texts.

#include "calculators/UnitConversion.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(UnitConversion, KnownValues)
{
    const QStringList quantities{"Length", "Load", "LoadGrad", "Stress", "StressGrad"};
    for (const QStringList &c : testTable("calculators/unit-values.tsv")) {
        const auto quantity = static_cast<Quantity>(tableKey(c[0], quantities));
        EXPECT_EQ(ConvertUnits(quantity, c[1].toInt(), c[2]), c[3].split('|')) << c.join(' ').toStdString();
    }
}

// Every row of every table: the input unit shows the input itself, and each other unit
// agrees with converting the value of unit 0 (so one wrong cell shows up).
TEST(UnitConversion, EveryRowAgreesWithTheFirst)
{
    for (int q = 0; q < kQuantityCount; ++q) {
        const auto quantity = static_cast<Quantity>(q);
        const int units = int(UnitNames(quantity).size());
        ASSERT_GE(units, 2) << q;
        const QStringList fromFirst = ConvertUnits(quantity, 0, QStringLiteral("3"));
        ASSERT_EQ(fromFirst.size(), units);
        for (int s = 0; s < units; ++s) {
            const QStringList row = ConvertUnits(quantity, s, fromFirst.at(s));
            ASSERT_EQ(row.size(), units);
            EXPECT_EQ(row.at(s), fromFirst.at(s)) << q << " unit " << s;
            for (int u = 0; u < units; ++u)
                EXPECT_NEAR(row.at(u).toDouble() / fromFirst.at(u).toDouble(), 1.0, 1e-12)
                    << q << " from unit " << s << " to unit " << u;
        }
    }
}
