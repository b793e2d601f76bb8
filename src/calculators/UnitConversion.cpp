#include "calculators/UnitConversion.h"

#include "core/NumText.h"

#include <cmath>
#include <optional>
#include <vector>

namespace {

// The conversion factors. Several equal products of others (t = 2000 x c) but are
// constants of their own, so every result follows its formula exactly as written.
struct Constant {
    const char *name;
    double value;
};
constexpr Constant kConstants[] = {
    {"12", 12},
    {"2.54", 2.54},
    {"100", 100},
    {"1000", 1000},
    {"2000", 2000},
    {"1e6", 1000000},
    {"c", 0.004448220489393218},  // kN per lbsF, MN per kip
    {"t", 8.896440978786435},     // kN per short ton-force
    {"kp", 4.448220489393218},    // kN per kip
    {"k", 0.08333333333333333},   // 1/12
    {"g", 0.014593899243416069},  // kN/m per lbsF/ft
    {"q", 0.006944444444444444},  // psi per psf (1/144)
    {"p", 6894.757293},           // Pa per psi
    {"r", 271447.137519685},      // Pa/m per psi/in
};

struct Table {
    QStringList units;
    // rows[s][u]: the value in unit u of x given in unit s, as "x" followed by
    // operations ("*" or "/" and a constant) that are applied left to right.
    std::vector<std::vector<const char *>> rows;
};

const Table &table(Quantity quantity)
{
    static const Table tables[kQuantityCount] = {
        // Length
        {{"in", "ft", "cm", "m"},
         {{"x", "x / 12", "x * 2.54", "x * 2.54 / 100"},
          {"x * 12", "x", "x * 12 * 2.54", "x * 12 * 2.54 / 100"},
          {"x / 2.54", "x / 2.54 / 12", "x", "x / 100"},
          {"x * 100 / 2.54", "x * 100 / 2.54 / 12", "x * 100", "x"}}},
        // Load
        {{"lbsF", "tonsF (short)", "kN", "MN", "kips"},
         {{"x", "x / 2000", "x * c", "x * c / 1000", "x / 1000"},
          {"x * 2000", "x", "x * 2000 * c", "x * 2000 * c / 1000", "x * 2000 / 1000"},
          {"x / c", "x / t", "x", "x / 1000", "x / kp"},
          {"x * 1000 / c", "x * 1000 / c / 2000", "x * 1000", "x", "x * 1000 / kp"},
          {"x * 1000", "x / 2000 * 1000", "x * c * 1000", "x * c / 1000 * 1000", "x"}}},
        // Load gradient
        {{"lbsF/in", "lbsF/ft", "kN/m", "MN/m"},
         {{"x", "x / k", "x / k * g", "x / k * g / 1000"},
          {"x * k", "x", "x * g", "x * g / 1000"},
          {"x / g * k", "x / g", "x", "x / 1000"},
          {"x * 1000 / g * k", "x * 1000 / g", "x * 1000", "x"}}},
        // Stress
        {{"psi", "ksi", "psf", "Pa", "MPa"},
         {{"x", "x / 1000", "x / q", "x * p", "x * p / 1e6"},
          {"x * 1000", "x", "x / q * 1000", "x * p * 1000", "x * p / 1e6 * 1000"},
          {"x * q", "x * q / 1000", "x", "x * q * p", "x * q * p / 1e6"},
          {"x / p", "x / p / 1000", "x / p / q", "x", "x / 1e6"},
          {"x * 1e6 / p", "x * 1e6 / p / 1000", "x * 1e6 / p / q", "x * 1e6", "x"}}},
        // Stress gradient
        {{"psi/in", "psi/ft", "Pa/m", "MPa/m"},
         {{"x", "x / k", "x * r", "x * r / 1e6"},
          {"x * k", "x", "x * k * r", "x * k * r / 1e6"},
          {"x / r", "x / r / k", "x", "x / 1e6"},
          {"x * 1e6 / r", "x * 1e6 / r / k", "x * 1e6", "x"}}},
    };
    return tables[static_cast<int>(quantity)];
}

double constant(const QString &name)
{
    for (const Constant &c : kConstants)
        if (name == QLatin1String(c.name))
            return c.value;
    return std::nan(""); // a misspelt table entry shows as an overflow, never as a number
}

// x through the operations of one formula, left to right.
double evaluate(const char *formula, double x)
{
    const QStringList tokens = QString::fromLatin1(formula).split(u' ', Qt::SkipEmptyParts);
    double v = x;
    for (qsizetype i = 1; i + 1 < tokens.size(); i += 2) {
        const double k = constant(tokens.at(i + 1));
        v = tokens.at(i) == u'*' ? v * k : v / k;
    }
    return v;
}

} // namespace

QStringList UnitNames(Quantity quantity) { return table(quantity).units; }

QString OverflowText() { return QStringLiteral("Overflow"); }

QStringList ConvertUnits(Quantity quantity, int unit, const QString &text)
{
    const Table &t = table(quantity);
    if (unit < 0 || unit >= int(t.rows.size()))
        unit = 0;
    const std::optional<double> x = numtext::ValIgnoringBlanks(text);
    QStringList out;
    for (const char *formula : t.rows[size_t(unit)]) {
        const double v = x ? evaluate(formula, *x) : HUGE_VAL;
        out << (std::isfinite(v) ? numtext::General(v) : OverflowText());
    }
    return out;
}
