#include "calculators/BurdenEquations.h"

#include "core/Checks.h"
#include "core/NumText.h"

#include <cmath>

namespace {
const QString kNotNumericEnglish = QStringLiteral("One of the input values is not numeric!");
const QString kNotNumericGreek = QStringLiteral("Κάποια τιμή δέν έχει αριθμητική μορφή!");

QString textAt(const QStringList &texts, int i)
{
    return i >= 0 && i < texts.size() ? texts.at(i) : QString();
}
} // namespace

CalcCheck NotNumericCheck(std::vector<int> boxes)
{
    CalcCheck c;
    c.kind = CheckKind::NotNumeric;
    c.boxes = std::move(boxes);
    c.english = kNotNumericEnglish;
    c.greek = kNotNumericGreek;
    return c;
}

CalcCheck MustBePositive(int box, const QString &english, const QString &greek)
{
    return BoundCheck(box, 0, std::numeric_limits<double>::infinity(), english, greek);
}

CalcCheck BoundCheck(int box, double lower, double upper, const QString &english, const QString &greek)
{
    CalcCheck c;
    c.kind = CheckKind::Bound;
    c.boxes = {box};
    c.lower = lower;
    c.upper = upper;
    c.english = english;
    c.greek = greek;
    return c;
}

CalcCheck RangeCheck(int box, double lower, double upper, const QString &englishLabel, const QString &greekLabel)
{
    CalcCheck c = BoundCheck(box, lower, upper, englishLabel, greekLabel);
    c.kind = CheckKind::Range;
    return c;
}

CalcCheck RangeCheckUpToBox(int box, double lower, int upperBox, const QString &englishLabel,
                            const QString &greekLabel)
{
    CalcCheck c = RangeCheck(box, lower, 0, englishLabel, greekLabel);
    c.upperBox = upperBox;
    return c;
}

bool RangeCheckPasses(const QString &text, double lower, double upper)
{
    if (!IsNumericOrEmpty(text) || text.trimmed().isEmpty())
        return false;
    const double v = numtext::Val(text);
    return v >= lower && v <= upper;
}

std::optional<CheckFailure> FirstFailingCheck(const std::vector<CalcCheck> &checks, const QStringList &texts)
{
    for (int i = 0; i < int(checks.size()); ++i) {
        const CalcCheck &c = checks[size_t(i)];
        CheckFailure f;
        f.check = i;
        f.kind = c.kind;
        f.english = c.english;
        f.greek = c.greek;
        f.lower = c.lower;
        f.upper = c.upper;
        if (c.kind == CheckKind::NotNumeric) {
            for (int b : c.boxes)
                if (!IsNumericOrEmpty(textAt(texts, b)))
                    return f;
            continue;
        }
        const int box = c.boxes.empty() ? -1 : c.boxes.front();
        const QString text = textAt(texts, box);
        f.box = box;
        if (c.kind == CheckKind::Bound) {
            const double v = numtext::Val(text);
            if (v < c.lower || v > c.upper)
                return f;
        } else {
            if (c.upperBox >= 0)
                f.upper = numtext::Val(textAt(texts, c.upperBox));
            if (!RangeCheckPasses(text, f.lower, f.upper))
                return f;
        }
    }
    return std::nullopt;
}

std::optional<float> ToSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(value);
}

std::optional<float> AndersonBurden(float d, float L)
{
    const double product = double(L) * double(d);
    if (!(product >= 0))
        return std::nullopt;
    return ToSingle(std::sqrt(product));
}

const CalculatorDef &AndersonCalculator()
{
    static const CalculatorDef def = [] {
        CalculatorDef d;
        d.index = 0;
        d.name = QStringLiteral("Anderson");
        d.boxes = {{QStringLiteral("txtDiametros"), &ProjectState::AndersonDiam},
                   {QStringLiteral("txtMikos"), &ProjectState::AndersonHoleLen}};
        d.checks = {NotNumericCheck({0, 1}),
                    MustBePositive(0, QStringLiteral("Blasthole diameter must be positive!"),
                                   QStringLiteral("Η διάμετρος πρέπει να είναι θετική!")),
                    MustBePositive(1, QStringLiteral("Blasthole length must be positive!"),
                                   QStringLiteral("Το μήκος πρέπει να είναι Θετικό!"))};
        d.equation = [](const std::vector<double> &v) -> std::optional<float> {
            const auto diameter = ToSingle(v.at(0));
            const auto length = ToSingle(v.at(1));
            if (!diameter || !length)
                return std::nullopt;
            return AndersonBurden(*diameter, *length);
        };
        d.echoes = {{QStringLiteral("Label7"), 0, 2.54, false, QStringLiteral("0.00"), QStringLiteral("cm")},
                    {QStringLiteral("Label8"), 1, 0.3048, false, QStringLiteral("0.00"), QStringLiteral("m")},
                    {QStringLiteral("Label9"), kResultSource, 0.3048, false, QStringLiteral("0.00"),
                     QStringLiteral("m")}};
        d.logsLoad = true;
        return d;
    }();
    return def;
}

std::vector<double> BoxValues(const QStringList &texts)
{
    std::vector<double> values;
    values.reserve(size_t(texts.size()));
    for (const QString &t : texts)
        values.push_back(numtext::Val(t));
    return values;
}

CalcOutcome ComputeBurden(const CalculatorDef &def, const QStringList &texts)
{
    CalcOutcome out;
    out.failure = FirstFailingCheck(def.checks, texts);
    if (out.failure)
        return out;
    const std::optional<float> burden = def.equation ? def.equation(BoxValues(texts)) : std::nullopt;
    if (burden && std::isfinite(*burden)) {
        out.ok = true;
        out.burden = *burden;
    }
    return out;
}

QString BurdenText(float burden) { return numtext::Format(burden, QStringLiteral("0.00")); }

std::optional<QString> EchoText(const CalcEcho &echo, const QString &sourceText)
{
    const QString suffix = echo.unit.isEmpty() ? QString() : QStringLiteral(" ") + echo.unit;
    double value = 0;
    if (echo.source == kResultSource) {
        // The result echo follows the rounded text of the result box.
        if (!sourceText.isEmpty())
            value = numtext::Val(sourceText);
    } else if (!sourceText.isEmpty() && IsNumericOrEmpty(sourceText)) {
        const std::optional<float> single = ToSingle(numtext::Val(sourceText));
        if (!single)
            return std::nullopt;
        value = *single;
    }
    const double shown = echo.divide ? value / echo.factor : value * echo.factor;
    if (!std::isfinite(shown))
        return std::nullopt;
    return numtext::Format(shown, echo.format) + suffix;
}

QString LoadLogLine(const QString &name, bool english)
{
    return english ? name + QStringLiteral(" Burden Calculations.")
                   : QStringLiteral("Υπολογισμός φορτίου κατά ") + name + QLatin1Char('.');
}

QString CommitLogLine(const QString &name) { return name + QStringLiteral(" Parameters Modified"); }

QStringList StoredTexts(const CalculatorDef &def, const ProjectState &project)
{
    QStringList texts;
    for (const CalcBox &b : def.boxes)
        texts << numtext::General(project.*(b.field));
    return texts;
}

void StoreTexts(const CalculatorDef &def, const QStringList &texts, ProjectState &project)
{
    for (int i = 0; i < int(def.boxes.size()); ++i) {
        const CalcBox &b = def.boxes[size_t(i)];
        if (const std::optional<float> v = ToSingle(numtext::Val(textAt(texts, i))))
            project.*(b.field) = *v;
    }
}
