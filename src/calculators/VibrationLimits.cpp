#include "calculators/VibrationLimits.h"

#include "core/Checks.h"
#include "core/NumText.h"

#include <algorithm>
#include <cmath>

using numtext::Val;
using numtext::ValSingle;

namespace {

// A box's value as a single, taken at its shortest general form (12.3, not the
// 12.2999992... of the single itself), as the chart's data cells hold it.
double shortest(const QString &text) { return Val(numtext::General(ValSingle(text))); }

// The decade at or below (floor) or at or above (ceiling) a positive value.
double decade(double v, bool up)
{
    const double e = std::log10(v);
    double d = std::pow(10.0, up ? std::ceil(e) : std::floor(e));
    // log10 may miss a power of ten by a rounding step.
    if (up && d / 10 >= v)
        d /= 10;
    if (!up && d * 10 <= v)
        d *= 10;
    return d;
}

// Grows a linear axis from 0 to 'max', drawn in 'divisions' equal steps, to take in a
// value beyond it: the axis ends at the next multiple of the step above the value, so
// that the whole marker shows. Its ticks are whole multiples of the step (1, 2 or 5
// times a power of ten of it), no more of them than before, so that every label keeps
// its room. Returns the tick interval.
double growLinear(double &max, int &divisions, double value)
{
    const double step = max / divisions;
    max = (std::floor(value / step) + 1) * step;
    for (double power = 1; power < 1e300; power *= 10)
        for (double factor : {1.0, 2.0, 5.0}) {
            const double interval = step * factor * power;
            if (max / interval <= divisions) {
                divisions = static_cast<int>(std::floor(max / interval));
                return interval;
            }
        }
    return 0;
}

// Grows a logarithmic axis ending at 'max' to the decade above a value beyond it.
void growLog(double &max, double value)
{
    max = decade(value, true);
    if (max <= value)
        max *= 10;
}
} // namespace

const VibrationLimit &VibrationLimitMember(int member)
{
    static const VibrationLimit members[kVibrationLimitCount] = {
        {"PlotUSRegulation", true, 100, 10, {{0, 5.08}, {4, 19.05}, {10, 19.05}, {30, 50.8}, {100, 50.8}},
         "US Regulation for Safe Vibration Limits", "Αμερικανικός Κανονισμός Ασφαλών Ορίων Δονήσεως"},
        {"PlotGermanCategoryA", false, 60, 12, {{0, 20}, {10, 20}, {50, 40}, {100, 50}},
         "German Regulation for Safe Vibration Limits - Category A",
         "Γερμανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία Α"},
        {"PlotGermanCategoryB", false, 60, 12, {{0, 5}, {10, 5}, {50, 15}, {100, 20}},
         "German Regulation for Safe Vibration Limits - Category B",
         "Γερμανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία Β"},
        {"PlotGermanCategoryC", false, 60, 12, {{0, 3}, {10, 3}, {50, 8}, {100, 10}},
         "German Regulation for Safe Vibration Limits - Category C",
         "Γερμανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία Γ"},
        {"PlotSpanishCategoryA", true, 100, 10, {{2, 11}, {15, 11}, {70, 100}, {100, 100}},
         "Spanish Regulation for Safe Vibration Limits - Category A",
         "Ισπανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία Α"},
        {"PlotSpanishCategoryB", true, 100, 10, {{2, 10}, {15, 10}, {70, 40}, {100, 40}},
         "Spanish Regulation for Safe Vibration Limits - Category B",
         // The last letter here is the Latin B.
         "Ισπανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία B"},
        {"PlotSpanishCategoryC", true, 100, 10, {{2, 4}, {15, 4}, {70, 11}, {100, 11}},
         "Spanish Regulation for Safe Vibration Limits - Category C",
         "Ισπανικός Κανονισμός Ασφαλών Ορίων Δονήσεως - Κατηγορία Γ"},
    };
    return members[std::clamp(member, 0, kVibrationLimitCount - 1)];
}

int VibrationLimitFor(int regulation, int category)
{
    if (regulation != 1 && regulation != 2)
        return 0;
    return 1 + (regulation - 1) * 3 + std::clamp(category, 0, 2);
}

std::optional<VibrationPointFailure> FirstVibrationPointFailure(const QString &txtSyxnotita,
                                                                const QString &txtTaxytita)
{
    if (!IsSingleOrEmpty(txtSyxnotita) || !IsSingleOrEmpty(txtTaxytita))
        return VibrationPointFailure{QString(), QStringLiteral("One of the input values is not numeric!"),
                                     QStringLiteral("Κάποια τιμή δέν έχει αριθμητική μορφή!")};
    if (ValSingle(txtTaxytita) < 0)
        return VibrationPointFailure{QStringLiteral("txtTaxytita"), QStringLiteral("Particle velocity must be positive!"),
                                     QStringLiteral("Η Ταχύτητα πρέπει να είναι θετική!")};
    if (ValSingle(txtSyxnotita) < 0)
        return VibrationPointFailure{QStringLiteral("txtSyxnotita"),
                                     QStringLiteral("Particle vibration frequency must be positive!"),
                                     QStringLiteral("Η Συχνότητα πρέπει να είναι θετική!")};
    return std::nullopt;
}

namespace {
// A regulation keeps its top value beyond its last frequency: on a frequency axis grown
// past the line's end, the line runs on at its last value to the end of the axis.
void runLimitOn(VibrationChart &c)
{
    if (!c.limit.isEmpty() && c.xMax > c.limit.last().x())
        c.limit << QPointF(c.xMax, c.limit.last().y());
}
} // namespace

VibrationChart ChartContent(int regulation, int category, const QString &txtSyxnotita, const QString &txtTaxytita,
                            bool english)
{
    VibrationChart c;
    c.member = VibrationLimitFor(regulation, category);
    const VibrationLimit &m = VibrationLimitMember(c.member);
    c.title = english ? m.english : m.greek;
    c.xTitle = english ? QStringLiteral("Frequency (Hz)") : QStringLiteral("Συχνότητα (Hz)");
    c.yTitle = english ? QStringLiteral("Vibration Velocity (mm/sec)") : QStringLiteral("Ταχύτητα Δονήσεως (mm/sec)");
    c.logAxes = m.logAxes;
    c.yMax = m.yMax;
    c.yDivisions = m.yDivisions;
    // A point that fails its checks is drawn at (0, 0).
    if (!FirstVibrationPointFailure(txtSyxnotita, txtTaxytita))
        c.measured = QPointF(shortest(txtSyxnotita), shortest(txtTaxytita));

    QList<QPointF> all = m.points;
    all << c.measured;
    double xLimit = 0;
    for (const QPointF &p : m.points)
        xLimit = std::max(xLimit, p.x());

    // The measured point is always on the chart: a frequency or velocity beyond the
    // axis that the limit line needs grows that axis to take it in.
    const double f = c.measured.x();
    const double v = c.measured.y();

    if (!m.logAxes) {
        c.xMin = 0;
        c.xMax = xLimit;
        c.yMin = 0;
        if (f > c.xMax) {
            int xDivisions = kLinearXDivisions;
            c.xTickInterval = growLinear(c.xMax, xDivisions, f);
        }
        if (v > c.yMax)
            c.yTickInterval = growLinear(c.yMax, c.yDivisions, v);
        c.limit = m.points;
        c.point = c.measured;
        runLimitOn(c);
        return c;
    }

    // Logarithmic axes start at 1, or lower at the decade of a smaller positive value;
    // X ends at the decade at or above the largest limit frequency.
    c.xMin = 1;
    c.yMin = 1;
    for (const QPointF &p : all) {
        if (p.x() > 0)
            c.xMin = std::min(c.xMin, decade(p.x(), false));
        if (p.y() > 0)
            c.yMin = std::min(c.yMin, decade(p.y(), false));
    }
    c.xMax = std::max(1.0, decade(xLimit, true));
    if (f > c.xMax)
        growLog(c.xMax, f);
    if (v > c.yMax)
        growLog(c.yMax, v);
    // A zero has no logarithm: it is drawn at the lower end of its axis.
    const auto drawn = [&c](const QPointF &p) {
        return QPointF(p.x() > 0 ? p.x() : c.xMin, p.y() > 0 ? p.y() : c.yMin);
    };
    for (const QPointF &p : m.points)
        c.limit << drawn(p);
    c.point = drawn(c.measured);
    runLimitOn(c);
    return c;
}
