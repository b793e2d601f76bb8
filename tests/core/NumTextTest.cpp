// Numbers to and from text: reading text boxes, the general and file forms, fixed
// patterns, rounding and 16-bit counts.

#include "core/Errors.h"
#include "core/NumText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

using namespace numtext;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

TEST(NumText, ValTakesTheLeadingNumber)
{
    const struct { const char *text; double expected; } cases[] = {
        {"12abc", 12}, {" -3.5e2x", -350}, {"1,5", 1}, {".5", 0.5}, {"e5", 0}, {"1e", 1},
        {"1e+", 1}, {"1E-3", 0.001}, {"2e+2m", 200}, {"", 0}, {"   ", 0}, {"abc", 0},
        {"\t 7", 7}, {"+4", 4}, {"-", 0}, {".", 0}, {"-.25", -0.25}, {"5.", 5},
        {"1.2.3", 1.2}, {"12 34", 12}, {" 3 m", 3}, {"0x1A", 0}, {"inf", 0}, {"nan", 0},
        {"1e999", 0}, {"-1e999", 0}, {"1e-999", 0}, {"0e99999999999", 0},
        {"3.59", 3.59}, {"1142.7", 1142.7}, {"Διάτρηση 5", 0},
    };
    for (const auto &c : cases) {
        const double v = Val(QString::fromUtf8(c.text));
        EXPECT_EQ(v, c.expected) << '"' << c.text << '"';
        EXPECT_FALSE(std::signbit(v) && v == 0) << '"' << c.text << "\" gives -0";
    }
    EXPECT_EQ(Val("-0"), 0.0);
    EXPECT_FALSE(std::signbit(Val("-0")));
}

TEST(NumText, IsNumericIsStrict)
{
    for (const char *text : {"12.5", " 1e3 ", "-.5", "5.", "+1", "\t3\t", "1E-05", "0", "-0.0e+0"})
        EXPECT_TRUE(IsNumeric(text)) << '"' << text << '"';
    for (const char *text : {"", "   ", "abc", "1,5", "1e", "1e+", "+", "-", ".", "-.", "1.2.3",
                             "12abc", "1 2", "e5", ".e5", "inf", "nan", "1e999", "0x10"})
        EXPECT_FALSE(IsNumeric(text)) << '"' << text << '"';
}

TEST(NumText, RoundHalfEvenWhole)
{
    const struct { double v, expected; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3},
        {0.49999999999999994, 0}, {-0.4, 0}, {4503599627370497.0, 4503599627370497.0}, {1e300, 1e300},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(RoundHalfEven(c.v), c.expected) << c.v;
        EXPECT_FALSE(std::signbit(RoundHalfEven(c.v)) && c.expected == 0) << c.v;
    }
}

TEST(NumText, RoundHalfEvenToDecimalsJudgesTheDecimalText)
{
    const struct { double v; int decimals; double expected; } cases[] = {
        {2.345, 2, 2.34}, {2.355, 2, 2.36}, {-2.345, 2, -2.34}, {2.3451, 2, 2.35},
        {0.125, 2, 0.12}, {0.135, 2, 0.14}, {1.005, 2, 1.0}, {99.995, 2, 100.0},
        {0.1 + 0.2, 1, 0.3}, {1234.5, 0, 1234}, {1235.5, 0, 1236}, {0.004, 2, 0},
        {-0.004, 2, 0}, {0.3, 5, 0.3}, {1250, -2, 1200}, {1e-300, 2, 0}, {1e300, 2, 1e300},
    };
    for (const auto &c : cases) {
        const double r = RoundHalfEven(c.v, c.decimals);
        EXPECT_EQ(r, c.expected) << c.v << " to " << c.decimals;
        EXPECT_FALSE(std::signbit(r) && r == 0) << c.v;
    }
}

TEST(NumText, CIntRoundsHalvesToEvenInRange)
{
    const struct { double v; int16_t expected; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {32767.4, 32767}, {32766.5, 32766},
        {-32768.5, -32768}, {-32767.5, -32768}, {-32768, -32768}, {1e-300, 0},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(CInt(c.v), c.expected) << c.v;
        int16_t out = 1;
        EXPECT_TRUE(TryCInt(c.v, out)) << c.v;
        EXPECT_EQ(out, c.expected) << c.v;
    }
}

TEST(NumText, CIntOverflowIsError6)
{
    for (double v : {32767.5, 32768.0, -32768.6, -32769.0, 1e10, -1e10, kInf, -kInf, kNaN}) {
        try {
            CInt(v);
            ADD_FAILURE() << v << " did not overflow";
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), err::Overflow) << v;
        }
        int16_t out = 7;
        EXPECT_FALSE(TryCInt(v, out)) << v;
        EXPECT_EQ(out, 7) << v;
    }
}

TEST(NumText, CLngRange)
{
    EXPECT_EQ(CLng(2.5), 2);
    EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(CLng(2147483646.5), 2147483646);
    for (double v : {2147483647.5, -2147483649.0, kInf, kNaN}) {
        try {
            CLng(v);
            ADD_FAILURE() << v << " did not overflow";
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), err::Overflow) << v;
        }
    }
}

TEST(NumText, GeneralFormOfFloats)
{
    const struct { float v; const char *expected; } cases[] = {
        {4.f, "4"}, {0.9f, "0.9"}, {1142.7f, "1142.7"}, {1600.f, "1600"}, {0.1f + 0.2f, "0.3"},
        {3.59f, "3.59"}, {-0.5f, "-0.5"}, {0.f, "0"}, {-0.f, "0"}, {1.f / 3, "0.3333333"},
        {2.f / 3, "0.6666667"}, {1234567.f, "1234567"}, {9999999.f, "9999999"}, {1e7f, "1E+07"},
        {1.5e7f, "1.5E+07"}, {123456789.f, "1.234568E+08"}, {1e-5f, "0.00001"}, {1e-6f, "1E-06"},
        {-1.25e-7f, "-1.25E-07"}, {FLT_MAX, "3.402823E+38"}, {1e-37f, "1E-37"},
        {std::numeric_limits<float>::infinity(), "0"}, {std::numeric_limits<float>::quiet_NaN(), "0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(General(c.v).toStdString(), c.expected) << c.v;
}

TEST(NumText, GeneralFormOfDoublesAndInts)
{
    const struct { double v; const char *expected; } cases[] = {
        {0.9, "0.9"}, {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"}, {double(0.9f), "0.899999976158142"},
        {-1234.5, "-1234.5"}, {123456789012345.0, "123456789012345"}, {1e15, "1E+15"},
        {0.00001, "0.00001"}, {1e-6, "1E-06"}, {1e300, "1E+300"}, {-2.5e-300, "-2.5E-300"},
        {DBL_MAX, "1.79769313486232E+308"}, {kInf, "0"}, {-kInf, "0"}, {kNaN, "0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(General(c.v).toStdString(), c.expected) << c.v;
    EXPECT_EQ(General(2), "2");
    EXPECT_EQ(General(-7), "-7");
}

TEST(NumText, FileForm)
{
    const struct { float v; const char *expected; } cases[] = {
        {0.9f, " .9 "}, {-0.5f, "-.5 "}, {1142.7f, " 1142.7 "}, {0.f, " 0 "}, {-0.f, " 0 "},
        {3000.f, " 3000 "}, {3.59f, " 3.59 "}, {1.5e7f, " 1.5E+07 "}, {-1e-6f, "-1E-06 "},
        {0.00001f, " .00001 "}, {-0.0123f, "-.0123 "}, {std::numeric_limits<float>::quiet_NaN(), " 0 "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileForm(c.v).toStdString(), c.expected) << c.v;
    EXPECT_EQ(FileForm(0.1 + 0.2), " .3 ");
    EXPECT_EQ(FileForm(1e20), " 1E+20 ");
    EXPECT_EQ(FileForm(0), " 0 ");
    EXPECT_EQ(FileForm(2), " 2 ");
    EXPECT_EQ(FileForm(-3), "-3 ");
    // Values on one line follow each other directly.
    EXPECT_EQ(FileForm(3.59f) + FileForm(0) + FileForm(0), " 3.59  0  0 ");
}

TEST(NumText, FileFormReadsBackAcrossMagnitudes)
{
    // A float with up to six significant digits comes back exactly.
    for (const char *m : {"1", "1.5", "2.5", "3.14159", "9.87654", "1.23457", "999999"}) {
        for (int k = -37; k <= 32; ++k) {
            for (const char *sign : {"", "-"}) {
                const std::string text = sign + std::string(m) + "e" + std::to_string(k);
                float x = 0;
                std::from_chars(text.data(), text.data() + text.size(), x);
                EXPECT_EQ(static_cast<float>(Val(FileForm(x))), x) << FileForm(x).toStdString();
                EXPECT_EQ(static_cast<float>(Val(General(x))), x) << General(x).toStdString();
            }
        }
    }
    for (double m : {1.0, 2.5, 3.14159265358979, 9.87654321098765}) {
        for (int k = -300; k <= 300; k += 7) {
            const double x = std::stod(std::to_string(m) + "e" + std::to_string(k));
            EXPECT_EQ(Val(FileForm(x)), x) << FileForm(x).toStdString();
            EXPECT_EQ(Val(FileForm(-x)), -x) << FileForm(-x).toStdString();
        }
    }
}

TEST(NumText, FormatDoublePatterns)
{
    const struct { double v; const char *pattern; const char *expected; } cases[] = {
        {0.125, "0.00", "0.13"}, {-0.125, "0.00", "-0.13"}, {2.5, "0", "3"}, {-2.5, "0", "-3"},
        {-0.5, "0", "-1"}, {0.49, "0", "0"}, {-0.49, "0", "0"}, {1.005, "0.00", "1.01"},
        {1.45, "0.0", "1.5"}, {99.995, "0.00", "100.00"}, {0.9999, "0.000", "1.000"},
        {3.14159, "0.000", "3.142"}, {1.5, "0.0000", "1.5000"}, {1234567.891, "0.0", "1234567.9"},
        {1e20, "0", "100000000000000000000"}, {0.0001, "0.00", "0.00"}, {-0.0001, "0.00", "0.00"},
        {-0.004, "0.00", "0.00"}, {-0.005, "0.00", "-0.01"}, {1e-300, "0.000", "0.000"},
        {5.0, "#0.##", "5"}, {5.5, "#0.##", "5.5"}, {5.125, "#0.##", "5.13"}, {0.5, "#0.##", "0.5"},
        {5.999, "#0.##", "6"}, {-0.001, "#0.##", "0"}, {7, "00", "07"}, {123, "00", "123"},
        {0.4, "00", "00"}, {2.5, "0.######", "2.5"}, {2.5, "0.000000", "2.500000"}, {kInf, "0.00", ""}, {kNaN, "0", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Format(c.v, c.pattern).toStdString(), c.expected) << c.v << " \"" << c.pattern << '"';
}

TEST(NumText, FormatFloatPatternsUseSevenDigits)
{
    const struct { float v; const char *pattern; const char *expected; } cases[] = {
        {2.675f, "0.00", "2.68"}, {-2.675f, "0.00", "-2.68"}, {1.005f, "0.00", "1.01"},
        {2.345f, "0.00", "2.35"}, {0.9f, "0.00", "0.90"}, {1142.7f, "0.0", "1142.7"},
        {0.1f + 0.2f, "0.000", "0.300"}, {3.59f, "#0.##", "3.59"}, {7.f, "00", "07"},
        {-0.0004f, "0.000", "0.000"}, {std::numeric_limits<float>::infinity(), "0", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Format(c.v, c.pattern).toStdString(), c.expected) << c.v << " \"" << c.pattern << '"';
    // The same binary value read as a double keeps its binary tail.
    EXPECT_EQ(Format(double(2.675f), "0.00"), "2.67");
}

TEST(NumText, PadDotsCountsCharacters)
{
    const QString fifty(50, u'x');
    const struct { QString text; int width; QString expected; } cases[] = {
        {"Burden", 10, "Burden...."},
        {fifty, 45, fifty},
        {"", 3, "..."},
        {"Spacing", 7, "Spacing"},
        {"Spacing", 0, "Spacing"},
        {QStringLiteral("Διάτρηση"), 12, QStringLiteral("Διάτρηση....")},
        {QStringLiteral("Γόμωση ανά οπή"), 20, QStringLiteral("Γόμωση ανά οπή......")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PadDots(c.text, c.width), c.expected) << c.text.toStdString();
    EXPECT_EQ(PadDots(QStringLiteral("Όγκος"), 45).size(), 45);
}
