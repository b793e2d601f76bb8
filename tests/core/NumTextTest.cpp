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

std::optional<double> tryVal(const QString &text)
{
    double v = -1;
    if (!TryVal(text, v))
        return std::nullopt;
    return v;
}
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
        SCOPED_TRACE(c.text);
        const double v = Val(QString::fromUtf8(c.text));
        EXPECT_EQ(v, c.value);
        EXPECT_FALSE(std::signbit(v) && v == 0) << "-0";
        EXPECT_EQ(IsNumeric(QString::fromUtf8(c.text)), c.numeric);
    }
}

// The readers that judge overflow: nullopt for a number beyond a double, 0 for one too
// small, also where only the length of the digits makes it so.
TEST(NumText, ReadersRefuseWhatADoubleCannotHold)
{
    const auto blanksIgnored = ValIgnoringBlanks, box = ValInRange;
    const std::string zeros(6000, '0');
    const struct { std::optional<double> (*read)(const QString &); std::string text; std::optional<double> value; } cases[] = {
        {blanksIgnored, "1 2", 12}, {blanksIgnored, " - 3.5 e 2x", -350}, {blanksIgnored, "abc", 0},
        {blanksIgnored, "1\t000", 1000}, {blanksIgnored, "-1e400", std::nullopt}, {blanksIgnored, "1e308", 1e308},
        {blanksIgnored, "1 e 5000", std::nullopt}, {blanksIgnored, "1e-5000", 0},
        {blanksIgnored, "-0." + zeros + "1", 0}, {blanksIgnored, "1" + zeros + "e-10", std::nullopt},
        {blanksIgnored, "0." + zeros.substr(0, 400) + "1e800", std::nullopt},
        {blanksIgnored, "1e99999999999999999999", std::nullopt}, {blanksIgnored, "1e-99999999999999999999", 0},
        // The text boxes' reading: blanks end the number.
        {box, "1 2", 1}, {box, " -1e400x", std::nullopt}, {box, "1e-400", 0}, {box, "12abc", 12}, {box, "", 0},
        {box, std::string(400, '9'), std::nullopt}, {box, "1 e400", 1},
        {tryVal, " 1E+39 ", 1e39}, {tryVal, "-1e400x", std::nullopt}, {tryVal, "0.000001e315", std::nullopt},
        {tryVal, "1234e306", std::nullopt}, {tryVal, "0.00123e-330", 0}, {tryVal, "0.001e311", 1e308},
        {tryVal, "NaN", std::nullopt}, {tryVal, " -inf", std::nullopt}, {tryVal, "+Infinity", std::nullopt},
        {tryVal, "nan(1)", std::nullopt}, {tryVal, "info", std::nullopt}, {tryVal, "abc", 0}, {tryVal, "12.5 7", 12.5},
        {tryVal, "1e99999999999999999999", std::nullopt}, {tryVal, "1e-99999999999999999999", 0},
        {tryVal, std::string(5000, '9'), std::nullopt}, {tryVal, "0." + zeros + "1", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.read(QString::fromStdString(c.text)), c.value) << '"' << c.text.substr(0, 40) << '"';
}

TEST(NumText, RoundHalfEven)
{
    const struct { double v; int decimals; double expected; } cases[] = {
        {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {0.5, 0, 0}, {2.5001, 0, 3}, {0.49999999999999994, 0, 0}, {-0.4, 0, 0},
        {4503599627370497.0, 0, 4503599627370497.0},
        // Decimals are judged on the decimal text, not the binary value.
        {2.345, 2, 2.34}, {2.355, 2, 2.36}, {-2.345, 2, -2.34}, {2.3451, 2, 2.35}, {1.005, 2, 1.0},
        {99.995, 2, 100.0}, {0.1 + 0.2, 1, 0.3}, {-0.004, 2, 0}, {1250, -2, 1200}, {1e300, 2, 1e300},
    };
    for (const auto &c : cases) {
        const double r = c.decimals ? RoundHalfEven(c.v, c.decimals) : RoundHalfEven(c.v);
        EXPECT_EQ(r, c.expected) << c.v << " to " << c.decimals;
        EXPECT_FALSE(std::signbit(r) && r == 0) << c.v;
    }
}

TEST(NumText, CIntAndCLngHalvesToEvenOrOverflow)
{
    const struct { double v; std::optional<int16_t> expected; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {32767.4, 32767}, {32766.5, 32766}, {-32768.5, -32768},
        {-32767.5, -32768}, {32767.5, std::nullopt}, {32768.0, std::nullopt}, {-32768.6, std::nullopt},
        {1e10, std::nullopt}, {kInf, std::nullopt}, {-kInf, std::nullopt}, {kNaN, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.v);
        int16_t out = 7;
        EXPECT_EQ(TryCInt(c.v, out), c.expected.has_value());
        EXPECT_EQ(out, c.expected.value_or(7));
        if (c.expected) {
            EXPECT_EQ(CInt(c.v), *c.expected);
        } else {
            EXPECT_THROW(CInt(c.v), RuntimeError);
        }
    }
    EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<int32_t>::min());
    EXPECT_THROW(CLng(2147483647.5), RuntimeError);
}

TEST(NumText, GeneralAndFileForms)
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
    // In the file form positive values, fractions and exponents are pinned by the project file tests.
    const struct { float v; const char *expected; } file[] = {
        {-0.5f, "-.5 "}, {-0.f, " 0 "}, {-1e-6f, "-1E-06 "}, {-0.0123f, "-.0123 "},
    };
    for (const auto &c : file)
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
        // The binary value of the float 2.675 read as a double keeps its binary tail.
        {double(2.675f), "0.00", "2.67"},
    };
    for (const auto &c : doubles)
        EXPECT_EQ(Format(c.v, c.pattern).toStdString(), c.expected) << c.v << " \"" << c.pattern << '"';
    const struct { float v; const char *pattern; const char *expected; } floats[] = {
        {2.675f, "0.00", "2.68"}, {-2.675f, "0.00", "-2.68"}, {2.345f, "0.00", "2.35"},
        {0.1f + 0.2f, "0.000", "0.300"}, {-0.0004f, "0.000", "0.000"},
    };
    for (const auto &c : floats)
        EXPECT_EQ(Format(c.v, c.pattern).toStdString(), c.expected) << c.v << " \"" << c.pattern << '"';
}
