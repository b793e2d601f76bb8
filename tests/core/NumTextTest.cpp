// Numbers to and from text: reading text boxes, the general and file forms, fixed
// patterns, rounding and 16-bit counts.

#include "CoreTables.h"
#include "core/Errors.h"
#include "core/NumText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

using namespace numtext;

namespace {
std::optional<double> tryVal(const QString &text)
{
    double v = -1;
    if (!TryVal(text, v))
        return std::nullopt;
    return v;
}

std::optional<double> orNone(const QString &cell)
{
    return cell == "none" ? std::nullopt : std::optional<double>(cellNumber(cell));
}
} // namespace

TEST(NumText, ValAndIsNumericReadTextBoxes)
{
    for (const QStringList &row : coreTable("val.tsv")) {
        SCOPED_TRACE(row[0].toStdString());
        const double v = Val(row[0]);
        EXPECT_EQ(v, cellNumber(row[1]));
        EXPECT_FALSE(std::signbit(v) && v == 0) << "-0";
        EXPECT_EQ(IsNumeric(row[0]), row[2] == "1");
    }
}

TEST(NumText, ReadersRefuseWhatADoubleCannotHold)
{
    const QMap<QString, std::optional<double> (*)(const QString &)> readers = {
        {"blanks", ValIgnoringBlanks}, {"box", ValInRange}, {"try", tryVal}};
    for (const QStringList &row : coreTable("readers.tsv"))
        EXPECT_EQ(tableValue(readers, row[0])(row[1]), orNone(row[2])) << (row[0] + " " + row[1].left(40)).toStdString();
}

TEST(NumText, RoundingHalvesToEven)
{
    for (const QStringList &row : coreTable("rounding.tsv")) {
        SCOPED_TRACE((row[0] + " " + row[1] + " " + row.value(3)).toStdString());
        const double v = cellNumber(row[1]);
        if (tableKey(row[0], {"cint", "round"}) == 1) {
            const double r = row[3].isEmpty() ? RoundHalfEven(v) : RoundHalfEven(v, row[3].toInt());
            EXPECT_EQ(r, cellNumber(row[2]));
            EXPECT_FALSE(std::signbit(r) && r == 0);
            continue;
        }
        const std::optional<double> expected = orNone(row[2]);
        int16_t out = 7;
        EXPECT_EQ(TryCInt(v, out), expected.has_value());
        EXPECT_EQ(out, expected.value_or(7));
        if (expected) {
            EXPECT_EQ(CInt(v), *expected);
        } else {
            EXPECT_THROW(CInt(v), RuntimeError);
        }
    }
    EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<int32_t>::min());
    EXPECT_THROW(CLng(2147483647.5), RuntimeError);
}

TEST(NumText, WrittenForms)
{
    for (const QStringList &row : coreTable("forms.tsv")) {
        SCOPED_TRACE((row[1] + " " + row[2] + " " + row[3] + " " + row.value(4)).toStdString());
        const double v = cellNumber(row[3]);
        const int form = tableKey(row[1], {"General", "FileForm", "Format"});
        const auto written = [&](auto x) { return form == 0 ? General(x) : form == 1 ? FileForm(x) : Format(x, row[4]); };
        const bool single = tableKey(row[2], {"d", "f"}) == 1;
        EXPECT_EQ(single ? written(std::strtof(row[3].toUtf8().constData(), nullptr)) : written(v), row[0]);
    }
}
