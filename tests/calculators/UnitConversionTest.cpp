// The unit converter: its tables, its reading of the input and its overflow texts.

#include "calculators/UnitConversion.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
double number(const QString &text) { return text.toDouble(); }
} // namespace

TEST(UnitConversion, KnownValues)
{
    const struct {
        Quantity quantity;
        int unit;
        const char *input;
        QStringList expected;
    } cases[] = {
        {Quantity::Length, 1, "12abc", {"144", "12", "365.76", "3.6576"}},
        {Quantity::Length, 1, "1 2", {"144", "12", "365.76", "3.6576"}},
        {Quantity::Length, 3, "", {"0", "0", "0", "0"}},
        {Quantity::Length, 0, "-1", {"-1", "-0.0833333333333333", "-2.54", "-0.0254"}},
        {Quantity::Load, 0, "1", {"1", "0.0005", "0.00444822048939322", "4.44822048939322E-06", "0.001"}},
        {Quantity::Load, 4, "1", {"1000", "0.5", "4.44822048939322", "0.00444822048939322", "1"}},
        {Quantity::Load, 2, "8.896440978786435", {"2000", "1", "8.89644097878644", "0.00889644097878644",
                                                 "2"}},
        {Quantity::LoadGrad, 1, "12", {"1", "12", "0.175126790920993", "0.000175126790920993"}},
        {Quantity::Stress, 2, "144", {"1", "0.001", "144", "6894.757293", "0.006894757293"}},
        {Quantity::Stress, 1, "1", {"1000", "1", "144000", "6894757.293", "6.894757293"}},
        {Quantity::Stress, 4, "1", {"145.037737733751", "0.145037737733751", "20885.4342336601", "1000000", "1"}},
        {Quantity::StressGrad, 0, "1", {"1", "12", "271447.137519685", "0.271447137519685"}},
        // Beyond a double: "Overflow" in each box that cannot show its value.
        {Quantity::Stress, 4, "1e308", {"Overflow", "Overflow", "Overflow", "Overflow", "1E+308"}},
        {Quantity::Length, 0, "1e400", {"Overflow", "Overflow", "Overflow", "Overflow"}},
        {Quantity::Length, 0, "1e308", {"1E+308", "8.33333333333333E+306", "Overflow", "Overflow"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ConvertUnits(c.quantity, c.unit, QString::fromLatin1(c.input)), c.expected)
            << int(c.quantity) << " unit " << c.unit << " " << c.input;
}

// Every row of every table: the input unit shows the input itself, and each other unit
// agrees with converting the value of unit 0 (so one wrong cell shows up).
TEST(UnitConversion, EveryRowAgreesWithTheFirst)
{
    for (int q = 0; q < kQuantityCount; ++q) {
        const auto quantity = static_cast<Quantity>(q);
        const int units = int(UnitNames(quantity).size());
        const QStringList fromFirst = ConvertUnits(quantity, 0, QStringLiteral("3"));
        ASSERT_EQ(fromFirst.size(), units);
        for (int s = 0; s < units; ++s) {
            const QStringList row = ConvertUnits(quantity, s, fromFirst.at(s));
            ASSERT_EQ(row.size(), units);
            EXPECT_EQ(row.at(s), fromFirst.at(s)) << q << " unit " << s;
            for (int u = 0; u < units; ++u)
                EXPECT_NEAR(number(row.at(u)) / number(fromFirst.at(u)), 1.0, 1e-12)
                    << q << " from unit " << s << " to unit " << u;
        }
    }
}

TEST(UnitConversion, UnitNamesAndAUnknownUnit)
{
    EXPECT_EQ(UnitNames(Quantity::Load), (QStringList{"lbsF", "tonsF (short)", "kN", "MN", "kips"}));
    EXPECT_EQ(UnitNames(Quantity::StressGrad), (QStringList{"psi/in", "psi/ft", "Pa/m", "MPa/m"}));
    EXPECT_EQ(ConvertUnits(Quantity::Length, 9, QStringLiteral("1")), ConvertUnits(Quantity::Length, 0, "1"));
}
