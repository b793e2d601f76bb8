// Numbers to and from text: reading text boxes, the general and file forms, fixed
// patterns, rounding and 16-bit counts.

#include "core/Errors.h"
#include "core/NumText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

using namespace numtext;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

TEST(NumText, ValAndIsNumericReadTextBoxes)
{
    const struct { const char *text; double value; bool numeric; } cases[] = {
        {"12abc", 12, false}, {" -3.5e2x", -350, false}, {"1,5", 1, false}, {".5", 0.5, true},
        {" 1e3 ", 1000, true}, {"5.", 5, true}, {"+4", 4, true}, {"\t3\t", 3, true}, {"-0", 0, true},
        {"e5", 0, false}, {"1e", 1, false}, {"1e+", 1, false}, {"2e+2m", 200, false}, {"", 0, false},
        {"   ", 0, false}, {"-", 0, false}, {".", 0, false}, {"1.2.3", 1.2, false}, {"1 2", 1, false},
        {"0x1A", 0, false}, {"inf", 0, false}, {"nan", 0, false}, {"1e999", 0, false},
        {"-1e999", 0, false}, {"1e-999", 0, false}, {"1142.7", 1142.7, true}, {"Διάτρηση 5", 0, false},
    };
    for (const auto &c : cases) {
        const double v = Val(QString::fromUtf8(c.text));
        EXPECT_EQ(v, c.value) << '"' << c.text << '"';
        EXPECT_FALSE(std::signbit(v) && v == 0) << '"' << c.text << "\" gives -0";
        EXPECT_EQ(IsNumeric(QString::fromUtf8(c.text)), c.numeric) << '"' << c.text << '"';
    }
}

TEST(NumText, ValIgnoringBlanksReadsTheConverterBoxes)
{
    const struct { std::string text; std::optional<double> value; } cases[] = {
        {"1 2", 12}, {" - 3.5 e 2x", -350}, {"12abc", 12}, {"", 0}, {"abc", 0}, {"1\t000", 1000},
        {"1e400", std::nullopt}, {"-1e400", std::nullopt}, {"1e-400", 0}, {"1e308", 1e308},
        {"1 e 5000", std::nullopt}, {"1e-5000", 0},
        // Out of range by the length of the digits alone, not by an exponent.
        {"0." + std::string(6000, '0') + "1", 0}, {"-0." + std::string(6000, '0') + "1", 0},
        {"1" + std::string(6000, '0') + "e-10", std::nullopt}, {"1" + std::string(400, '0'), std::nullopt},
        {"0." + std::string(400, '0') + "1e800", std::nullopt}, {"1e99999999999999999999", std::nullopt},
        {"1e-99999999999999999999", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ValIgnoringBlanks(QString::fromStdString(c.text)), c.value) << '"' << c.text.substr(0, 40) << '"';
    // The text boxes' reading with the same overflow judgement: blanks end the number.
    const struct { std::string text; std::optional<double> value; } boxes[] = {
        {"1 2", 1}, {" -1e400x", std::nullopt}, {"1e-400", 0}, {"12abc", 12}, {"abc", 0}, {"", 0},
        {std::string(400, '9'), std::nullopt}, {"1 e400", 1},
    };
    for (const auto &c : boxes)
        EXPECT_EQ(ValInRange(QString::fromStdString(c.text)), c.value) << '"' << c.text.substr(0, 40) << '"';
}

TEST(NumText, TryValRefusesWhatADoubleCannotHold)
{
    const struct { const char *text; std::optional<double> value; } cases[] = {
        {" 1E+39 ", 1e39}, {"1E+400", std::nullopt}, {"-1e400x", std::nullopt}, {"1e-400", 0},
        {"0.000001e315", std::nullopt}, {"1234e306", std::nullopt}, {"0.00123e-330", 0}, {"0.001e311", 1e308}, {"NaN", std::nullopt},
        {" -inf", std::nullopt}, {"+Infinity", std::nullopt}, {"nan(1)", std::nullopt}, {"info", std::nullopt},
        {"abc", 0}, {"", 0}, {"1e99999999999999999999", std::nullopt}, {"1e-99999999999999999999", 0},
        {"12.5 7", 12.5},
    };
    for (const auto &c : cases) {
        double v = -1;
        const bool ok = TryVal(QString::fromUtf8(c.text), v);
        EXPECT_EQ(ok, c.value.has_value()) << '"' << c.text << '"';
        if (ok) {
            EXPECT_EQ(v, *c.value) << '"' << c.text << '"';
        }
    }
    // 5000 digits: too large before the point, too small after it.
    double v = -1;
    EXPECT_FALSE(TryVal(QString(5000, u'9'), v));
    EXPECT_TRUE(TryVal("0." + QString(5000, u'0') + "1", v));
    EXPECT_EQ(v, 0);
}

TEST(NumText, RoundHalfEven)
{
    const struct { double v, expected; } whole[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {2.5001, 3}, {0.49999999999999994, 0}, {-0.4, 0},
        {4503599627370497.0, 4503599627370497.0},
    };
    for (const auto &c : whole) {
        EXPECT_EQ(RoundHalfEven(c.v), c.expected) << c.v;
        EXPECT_FALSE(std::signbit(RoundHalfEven(c.v)) && c.expected == 0) << c.v;
    }
    // Decimals are judged on the decimal text, not the binary value.
    const struct { double v; int decimals; double expected; } decimals[] = {
        {2.345, 2, 2.34}, {2.355, 2, 2.36}, {-2.345, 2, -2.34}, {2.3451, 2, 2.35}, {1.005, 2, 1.0},
        {99.995, 2, 100.0}, {0.1 + 0.2, 1, 0.3}, {-0.004, 2, 0}, {1250, -2, 1200}, {1e300, 2, 1e300},
    };
    for (const auto &c : decimals) {
        const double r = RoundHalfEven(c.v, c.decimals);
        EXPECT_EQ(r, c.expected) << c.v << " to " << c.decimals;
        EXPECT_FALSE(std::signbit(r) && r == 0) << c.v;
    }
}

TEST(NumText, CIntAndCLngHalvesToEvenOrError6)
{
    const struct { double v; std::optional<int16_t> expected; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {32767.4, 32767}, {32766.5, 32766}, {-32768.5, -32768},
        {-32767.5, -32768}, {32767.5, std::nullopt}, {32768.0, std::nullopt}, {-32768.6, std::nullopt},
        {1e10, std::nullopt}, {kInf, std::nullopt}, {-kInf, std::nullopt}, {kNaN, std::nullopt},
    };
    for (const auto &c : cases) {
        int16_t out = 7;
        EXPECT_EQ(TryCInt(c.v, out), c.expected.has_value()) << c.v;
        EXPECT_EQ(out, c.expected.value_or(7)) << c.v;
        if (c.expected) {
            EXPECT_EQ(CInt(c.v), *c.expected) << c.v;
        } else {
            try {
                CInt(c.v);
                ADD_FAILURE() << c.v << " did not overflow";
            } catch (const RuntimeError &e) {
                EXPECT_EQ(e.number(), err::Overflow) << c.v;
            }
        }
    }
    EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<int32_t>::min());
    EXPECT_THROW(CLng(2147483647.5), RuntimeError);
}

TEST(NumText, GeneralFormOfFloatsAndDoubles)
{
    // The same value as a float and as a double: 7 against 15 significant digits.
    const struct { float v; const char *expected; } floats[] = {
        {0.9f, "0.9"}, {1142.7f, "1142.7"}, {0.1f + 0.2f, "0.3"}, {-0.f, "0"}, {1.f / 3, "0.3333333"},
        {9999999.f, "9999999"}, {1e7f, "1E+07"}, {123456789.f, "1.234568E+08"}, {1e-5f, "0.00001"},
        {-1.25e-7f, "-1.25E-07"}, {FLT_MAX, "3.402823E+38"}, {std::numeric_limits<float>::quiet_NaN(), "0"},
    };
    for (const auto &c : floats)
        EXPECT_EQ(General(c.v).toStdString(), c.expected) << c.v;
    const struct { double v; const char *expected; } doubles[] = {
        {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"}, {double(0.9f), "0.899999976158142"},
        {123456789012345.0, "123456789012345"}, {1e15, "1E+15"}, {1e-6, "1E-06"},
        {-2.5e-300, "-2.5E-300"}, {DBL_MAX, "1.79769313486232E+308"}, {-kInf, "0"},
    };
    for (const auto &c : doubles)
        EXPECT_EQ(General(c.v).toStdString(), c.expected) << c.v;
}

TEST(NumText, FileForm)
{
    // Positive values, fractions and exponents are pinned by the project file tests.
    const struct { float v; const char *expected; } cases[] = {
        {-0.5f, "-.5 "}, {-0.f, " 0 "}, {-1e-6f, "-1E-06 "}, {-0.0123f, "-.0123 "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileForm(c.v).toStdString(), c.expected) << c.v;
    EXPECT_EQ(FileForm(0.1 + 0.2), " .3 ");
    EXPECT_EQ(FileForm(-3), "-3 ");
}

TEST(NumText, FileFormReadsBackAcrossMagnitudes)
{
    // A float with up to six significant digits comes back exactly.
    for (const char *m : {"1", "2.5", "3.14159", "9.87654", "999999"}) {
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
    for (double m : {1.0, 3.14159265358979, 9.87654321098765}) {
        for (int k = -300; k <= 300; k += 7) {
            const double x = std::stod(std::to_string(m) + "e" + std::to_string(k));
            EXPECT_EQ(Val(FileForm(-x)), -x) << FileForm(-x).toStdString();
        }
    }
}

TEST(NumText, FormatPatternsRoundTheDecimalText)
{
    const struct { double v; const char *pattern; const char *expected; } doubles[] = {
        {0.125, "0.00", "0.13"}, {-0.125, "0.00", "-0.13"}, {2.5, "0", "3"}, {-0.5, "0", "-1"},
        {1.005, "0.00", "1.01"}, {99.995, "0.00", "100.00"}, {1e20, "0", "100000000000000000000"},
        {-0.004, "0.00", "0.00"}, {-0.005, "0.00", "-0.01"}, {5.0, "#0.##", "5"}, {5.125, "#0.##", "5.13"},
        {-0.001, "#0.##", "0"}, {7, "00", "07"}, {123, "00", "123"}, {2.5, "0.000000", "2.500000"},
        {kInf, "0.00", ""}, {kNaN, "0", ""},
    };
    for (const auto &c : doubles)
        EXPECT_EQ(Format(c.v, c.pattern).toStdString(), c.expected) << c.v << " \"" << c.pattern << '"';
    const struct { float v; const char *pattern; const char *expected; } floats[] = {
        {2.675f, "0.00", "2.68"}, {-2.675f, "0.00", "-2.68"}, {2.345f, "0.00", "2.35"},
        {0.1f + 0.2f, "0.000", "0.300"}, {-0.0004f, "0.000", "0.000"},
    };
    for (const auto &c : floats)
        EXPECT_EQ(Format(c.v, c.pattern).toStdString(), c.expected) << c.v << " \"" << c.pattern << '"';
    // The same binary value read as a double keeps its binary tail.
    EXPECT_EQ(Format(double(2.675f), "0.00"), "2.67");
}
