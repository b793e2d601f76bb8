#include "calculators/BurdenEquations.h"

#include "core/Checks.h"
#include "core/NumText.h"

#include <cmath>

namespace {
const QString kNotNumericEnglish = QStringLiteral("One of the input values is not numeric!");
const QString kNotNumericGreek = QStringLiteral("Κάποια τιμή δέν έχει αριθμητική μορφή!");

// A box's value by the leading-number rule; a number beyond a double's range is an
// infinity of its sign, which fails the bounds above or below it and every equation.
double boxValue(const QString &text)
{
    if (const std::optional<double> v = numtext::ValInRange(text))
        return *v;
    return text.trimmed().startsWith(QLatin1Char('-')) ? -std::numeric_limits<double>::infinity()
                                                       : std::numeric_limits<double>::infinity();
}

QString textAt(const QStringList &texts, int i)
{
    return i >= 0 && i < texts.size() ? texts.at(i) : QString();
}

// The box values as the singles the equations read; nothing when one does not fit.
// Values beyond the boxes given count as 0.
template <size_t N> std::optional<std::array<float, N>> singles(const std::vector<double> &v)
{
    std::array<float, N> out{};
    for (size_t i = 0; i < N; ++i) {
        const auto single = ToSingle(i < v.size() ? v[i] : 0.0);
        if (!single)
            return std::nullopt;
        out[i] = *single;
    }
    return out;
}

// A cube root as a fractional power: nothing for a negative or non-finite base.
double cubeRoot(double x) { return std::pow(x, 1.0 / 3.0); }

const QString kDiameterPositive = QStringLiteral("Blasthole diameter must be positive!");
const QString kDiameterPositiveGreek = QStringLiteral("Η Διάμετρος πρέπει να είναι θετική!");
const QString kVelocityPositive = QStringLiteral("Detonation velocity must be positive!");
const QString kVelocityPositiveGreek = QStringLiteral("Η Ταχύτητα πρέπει να είναι θετική!");
const QString kDensityPositiveGreek = QStringLiteral("Η Πυκνότητα πρέπει να είναι θετική!");

CalcBox box(const char *name, float ProjectState::*field) { return {QString::fromLatin1(name), field}; }
CalcEcho echo(const char *label, int source, double factor, bool divide, const char *format, const char *unit)
{
    return {QString::fromLatin1(label), source, factor, divide, QString::fromLatin1(format), QString::fromLatin1(unit)};
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
    const double v = boxValue(text);
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
            const double v = boxValue(text);
            if (v < c.lower || v > c.upper)
                return f;
        } else {
            if (c.upperBox >= 0)
                f.upper = boxValue(textAt(texts, c.upperBox));
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

std::optional<float> AshBurden(float d, float Kb) { return ToSingle(double(d) * double(Kb) / 12.0); }

std::optional<float> AshCoefficient(float SGr0, float SGr1, float rho0, float rho1, float V0, float V1)
{
    const double explosive = cubeRoot((double(V1) * V1 * rho1) / (double(V0) * V0 * rho0));
    return ToSingle(cubeRoot(double(SGr0) / SGr1) * 30.0 * explosive);
}

std::optional<float> FraenkelBurden(float d, float L, float H, float R)
{
    return ToSingle(std::pow(double(d), 0.8) * std::pow(double(L), 0.3) * std::pow(double(H), 0.3) * R / 50.0);
}

std::optional<float> KonyaBurden(float d, float SGe, float SGr, double K)
{
    return ToSingle(K * d * cubeRoot(double(SGe) / SGr));
}

std::optional<float> LangeforsBurden(float d, float P, float s, float c, float f, float EV)
{
    const double a = double(P) * s;
    const double b = double(c) * f * EV;
    return ToSingle(double(d) / 33.0 * std::sqrt(a / b));
}

std::optional<float> PearseBurden(float d, float K, float P, float T)
{
    const double root = std::sqrt(double(P) / T);
    return ToSingle(1e-3 * K * d * root);
}

std::optional<float> JimenoBurden(float d, float F) { return ToSingle(double(d) * 0.76 * F); }

std::optional<float> JimenoCoefficient(float E1a, float E1b, float T1a, float T1b, float E2a, float E2b, float T2a,
                                       float T2b)
{
    const double rock = cubeRoot(double(E1a) / E1b * T1a / T1b);
    const double velocity = double(T2b) / T2a;
    const double explosive = cubeRoot(double(E2b) / E2a * velocity * velocity);
    return ToSingle(explosive * rock);
}

QString PearseStep(const QString &coefficientText, bool up)
{
    const std::optional<double> read = numtext::ValInRange(coefficientText);
    if (!read)
        return coefficientText; // beyond any step
    const double v = *read + (up ? 0.1 : -0.1);
    if (up)
        return v > 1.2 ? QStringLiteral("1.2") : numtext::Format(v, QStringLiteral("0.0"));
    return v >= 0.7 ? numtext::Format(v, QStringLiteral("0.0")) : QStringLiteral("0.7");
}

const std::array<Inclination, 3> &LangeforsInclinations()
{
    static const std::array<Inclination, 3> items = {{
        {QStringLiteral("Hole Incl. 3:1"), QStringLiteral("κλίση 3:1"), 0.90f, QStringLiteral("f=0.90"), 72, 30,
         QStringLiteral("Hole Incl. = 72"), QStringLiteral("Κλίση Διατρ. 72")},
        {QStringLiteral("Hole Incl. 2:1"), QStringLiteral("κλίση 2:1"), 0.85f, QStringLiteral("f=0.85"), 63, 40,
         QStringLiteral("Hole Incl. = 63"), QStringLiteral("Κλίση Διατρ. 63")},
        {QStringLiteral("Hole Incl. oo:1"), QStringLiteral("κλίση oo:1"), 1.00f, QStringLiteral("f=1.00"), 90, 30,
         QStringLiteral("Hole Incl. = 90"), QStringLiteral("Κλίση Διατρ. 90")},
    }};
    return items;
}

int LangeforsItemFor(float f)
{
    const auto &items = LangeforsInclinations();
    for (int i = 0; i < int(items.size()); ++i)
        if (items[size_t(i)].f == f)
            return i;
    return -1;
}

QRectF LangeforsSketchBox()
{
    QRectF box;
    for (const Inclination &item : LangeforsInclinations()) {
        const AngleDiagram d = DrawAngleDiagram(float(item.angle), 10, 75, item.length);
        for (const QLineF &l : d.lines)
            box |= QRectF(l.p1(), l.p2()).normalized();
        // The arc runs from the base line up to the inclined line: within its quarter.
        const QPointF c = d.arcCentre;
        box |= QRectF(c.x(), c.y() - d.arcRadius, d.arcRadius, d.arcRadius);
    }
    const double margin = 5;
    return box.adjusted(-margin, -margin, margin, margin);
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

const CalculatorDef &AshCalculator()
{
    static const CalculatorDef def = [] {
        CalculatorDef d;
        d.index = 1;
        d.name = QStringLiteral("Ash");
        d.boxes = {box("txtDiametros", &ProjectState::AshDiam),       box("txtSyntelestis", &ProjectState::AshKb),
                   box("txtEidvar0", &ProjectState::AshRockSGRef),    box("txtEidvar1", &ProjectState::AshRockSG),
                   box("txtPyknotita0", &ProjectState::AshExplDensRef), box("txtPyknotita1", &ProjectState::AshExplDens),
                   box("txtTaxytita0", &ProjectState::AshVodRef),     box("txtTaxytita1", &ProjectState::AshVod)};
        d.checks = {RangeCheck(0, 0, 20, QStringLiteral("Hole Diameter"), QStringLiteral("Διάμετρος Διατρήματος")),
                    RangeCheck(1, 0, 50, QStringLiteral("Burden Coefficient"), QStringLiteral("Συντελεστής Φορτίου")),
                    RangeCheck(2, 0, 10, QStringLiteral("Reference Rock Density"),
                               QStringLiteral("Πυκνότητα Πετρώματος Αναφοράς")),
                    RangeCheck(3, 0, 10, QStringLiteral("Rock Density"), QStringLiteral("Πυκνότητα Πετρώματος")),
                    RangeCheck(4, 0, 2, QStringLiteral("Reference Explosive Density"),
                               QStringLiteral("Πυκνότητα Εκρηκτικού Αναφοράς")),
                    RangeCheck(5, 0, 2, QStringLiteral("Explosive Density"), QStringLiteral("Πυκνότητα Εκρηκτικού")),
                    MustBePositive(6, kVelocityPositive, kVelocityPositiveGreek),
                    MustBePositive(7, kVelocityPositive, kVelocityPositiveGreek)};
        d.equation = [](const std::vector<double> &v) -> std::optional<float> {
            const auto in = singles<2>(v);
            return in ? AshBurden((*in)[0], (*in)[1]) : std::nullopt;
        };
        d.coefficient = [](const std::vector<double> &v) -> std::optional<float> {
            const auto in = singles<8>(v);
            if (!in)
                return std::nullopt;
            const auto &x = *in;
            return AshCoefficient(x[2], x[3], x[4], x[5], x[6], x[7]);
        };
        d.firstCoefficientBox = 2;
        d.coefficientBox = 1;
        d.echoes = {echo("Label4", 0, 2.54, false, "0.00", "cm"),
                    echo("txtFortioM", kResultSource, 0.3048, false, "0.00", "")};
        return d;
    }();
    return def;
}

const CalculatorDef &FraenkelCalculator()
{
    static const CalculatorDef def = [] {
        CalculatorDef d;
        d.index = 2;
        d.name = QStringLiteral("Fraenkel");
        d.boxes = {box("txtDiametros", &ProjectState::FraenkelDiam), box("txtMikos", &ProjectState::FraenkelHoleLen),
                   box("txtYpsos", &ProjectState::FraenkelChargeLen), box("txtAntistasi", &ProjectState::FraenkelResist)};
        d.checks = {NotNumericCheck({0, 1, 2, 3}),
                    RangeCheck(0, 0, 500, QStringLiteral("Hole Diameter"), QStringLiteral("Διάμετρος Διατρήματος")),
                    RangeCheck(1, 0, 30, QStringLiteral("Hole Length"), QStringLiteral("Μήκος Διατρήματος")),
                    RangeCheckUpToBox(2, 0, 1, QStringLiteral("Charge Length"),
                                      QStringLiteral("Ύψος Γόμωσης Διατρήματος")),
                    RangeCheck(3, 1, 6, QStringLiteral("Blasting Resistence"), QStringLiteral("Αντίσταση στην έκρηξη"))};
        d.equation = [](const std::vector<double> &v) -> std::optional<float> {
            const auto in = singles<4>(v);
            if (!in)
                return std::nullopt;
            const auto &x = *in;
            return FraenkelBurden(x[0], x[1], x[2], x[3]);
        };
        return d;
    }();
    return def;
}

const CalculatorDef &KonyaCalculator()
{
    static const CalculatorDef def = [] {
        CalculatorDef d;
        d.index = 3;
        d.name = QStringLiteral("Konya");
        d.boxes = {box("txtDiametros", &ProjectState::KonyaDiam), box("txtEidvarek", &ProjectState::KonyaExplSG),
                   box("txtEidvarPe", &ProjectState::KonyaRockSG), box("txtStathera", &ProjectState::KonyaConst)};
        // The constant has no check: a text that is not a number counts as 0.
        d.checks = {NotNumericCheck({0, 1, 2}), MustBePositive(0, kDiameterPositive, kDiameterPositiveGreek),
                    MustBePositive(1, QStringLiteral("Explosive density must be positive!"), kDensityPositiveGreek),
                    MustBePositive(2, QStringLiteral("Rock density must be positive!"), kDensityPositiveGreek)};
        d.equation = [](const std::vector<double> &v) -> std::optional<float> {
            const auto in = singles<3>(v);
            if (!in || v.size() < 4)
                return std::nullopt;
            const auto &x = *in;
            return KonyaBurden(x[0], x[1], x[2], v[3]);
        };
        d.echoes = {echo("Label11", 0, 2.54, false, "0.00", "cm"),
                    echo("txtFortioM", kResultSource, 0.3048, false, "0.00", "")};
        return d;
    }();
    return def;
}

const CalculatorDef &LangeforsCalculator()
{
    static const CalculatorDef def = [] {
        CalculatorDef d;
        d.index = 4;
        d.name = QStringLiteral("Langefors");
        d.boxes = {box("txtDiametros", &ProjectState::LangeforsDiam), box("txtVathmos", &ProjectState::LangeforsCompaction),
                   box("txtIsxys", &ProjectState::LangeforsStrength), box("txtStathera", &ProjectState::LangeforsRockConst),
                   box("txtLogos", &ProjectState::LangeforsSpacingRatio)};
        d.checks = {NotNumericCheck({0, 1, 2, 3, 4}), MustBePositive(0, kDiameterPositive, kDiameterPositiveGreek),
                    BoundCheck(1, 1, 1.6, QStringLiteral("Explosive compaction must be positive!"),
                               QStringLiteral("Ο Βαθμός Συμπύκνωσης κυμαίνεται μεταξύ 1 και 1,6")),
                    MustBePositive(2, QStringLiteral("Explosive power must be positive!"),
                                   QStringLiteral("Η Ισχύς πρέπει να είναι θετική!")),
                    BoundCheck(3, 0.2, 1, QStringLiteral("Constant ranges between 0.2 to 1 with a typical value of 0.4"),
                               QStringLiteral("Η Σταθερά κυμαίνεται μεταξύ 0,2 και 1 με τυπική τιμή 0,4")),
                    MustBePositive(4, QStringLiteral("The ratio must be positive!"),
                                   QStringLiteral("Ο Λόγος πρέπει να είναι θετικός!"))};
        d.equation = [](const std::vector<double> &v) -> std::optional<float> {
            const auto in = singles<6>(v);
            if (!in)
                return std::nullopt;
            const auto &x = *in;
            return LangeforsBurden(x[0], x[1], x[2], x[3], x[5], x[4]);
        };
        d.logsLoad = false;
        return d;
    }();
    return def;
}

const CalculatorDef &PearseCalculator()
{
    static const CalculatorDef def = [] {
        CalculatorDef d;
        d.index = 5;
        d.name = QStringLiteral("Pearse");
        d.boxes = {box("txtDiametros", &ProjectState::PearseDiam), box("txtSyntelestis", &ProjectState::PearseCoef),
                   box("txtPiesi", &ProjectState::PearsePressure), box("txtAntoxi", &ProjectState::PearseTensile)};
        d.checks = {MustBePositive(0, kDiameterPositive, kDiameterPositiveGreek),
                    RangeCheck(1, 0.7, 1.2, QStringLiteral("Blasting Coefficient"),
                               QStringLiteral("Συντελεστής Ανατίναξης")),
                    MustBePositive(2, QStringLiteral("Detonation pressure must be positive!"),
                                   QStringLiteral("Η Πίεση Έκρηξης πρέπει να είναι θετική!")),
                    MustBePositive(3, QStringLiteral("Tensile strength of rock must be positive!"),
                                   QStringLiteral("Η Αντοχή του Πετρώματος σε Εφελκυσμό πρέπει να είναι θετική!"))};
        d.equation = [](const std::vector<double> &v) -> std::optional<float> {
            const auto in = singles<4>(v);
            if (!in)
                return std::nullopt;
            const auto &x = *in;
            return PearseBurden(x[0], x[1], x[2], x[3]);
        };
        d.echoes = {echo("Label12", 2, 145.04, false, "0", "psi"), echo("Label13", 3, 145.04, false, "0.00", "psi")};
        return d;
    }();
    return def;
}

const CalculatorDef &JimenoCalculator()
{
    static const CalculatorDef def = [] {
        CalculatorDef d;
        d.index = 6;
        d.name = QStringLiteral("Jimeno");
        d.boxes = {box("txtDiametros", &ProjectState::JimenoDiam), box("txtSyntelestis", &ProjectState::JimenoCoef),
                   box("txtEidvar1a", &ProjectState::JimenoE1a),   box("txtEidvar1b", &ProjectState::JimenoE1b),
                   box("txtTaxytita1a", &ProjectState::JimenoT1a), box("txtTaxytita1b", &ProjectState::JimenoT1b),
                   box("txtEidvar2a", &ProjectState::JimenoE2a),   box("txtEidvar2b", &ProjectState::JimenoE2b),
                   box("txtTaxytita2a", &ProjectState::JimenoT2a), box("txtTaxytita2b", &ProjectState::JimenoT2b)};
        const QString density = QStringLiteral("Density must be positive!");
        d.checks = {NotNumericCheck({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
                    MustBePositive(0, kDiameterPositive, kDiameterPositiveGreek),
                    MustBePositive(1, QStringLiteral("Burden coefficient must be positive!"),
                                   QStringLiteral("Ο Συντελεστής Φορτίου πρέπει να είναι θετικός!"))};
        for (int b : {2, 3, 6, 7})
            d.checks.push_back(MustBePositive(b, density, kDensityPositiveGreek));
        for (int b : {4, 5, 8, 9})
            d.checks.push_back(MustBePositive(b, kVelocityPositive, kVelocityPositiveGreek));
        d.equation = [](const std::vector<double> &v) -> std::optional<float> {
            const auto in = singles<2>(v);
            return in ? JimenoBurden((*in)[0], (*in)[1]) : std::nullopt;
        };
        d.coefficient = [](const std::vector<double> &v) -> std::optional<float> {
            const auto in = singles<10>(v);
            if (!in)
                return std::nullopt;
            const auto &x = *in;
            return JimenoCoefficient(x[2], x[3], x[4], x[5], x[6], x[7], x[8], x[9]);
        };
        d.firstCoefficientBox = 2;
        d.coefficientBox = 1;
        d.echoes = {echo("Label4", 0, 2.54, false, "0.00", "cm"), echo("Label7", kResultSource, 0.3048, true, "0.00", "ft")};
        d.logsLoad = false;
        return d;
    }();
    return def;
}

const CalculatorDef *CalculatorDefinition(int index)
{
    switch (index) {
    case 0: return &AndersonCalculator();
    case 1: return &AshCalculator();
    case 2: return &FraenkelCalculator();
    case 3: return &KonyaCalculator();
    case 4: return &LangeforsCalculator();
    case 5: return &PearseCalculator();
    case 6: return &JimenoCalculator();
    default: return nullptr;
    }
}

std::vector<double> BoxValues(const QStringList &texts)
{
    std::vector<double> values;
    values.reserve(size_t(texts.size()));
    for (const QString &t : texts)
        values.push_back(boxValue(t));
    return values;
}

namespace {
CalcOutcome runEquation(const CalculatorDef &def, const BurdenEquation &equation, const QStringList &texts)
{
    CalcOutcome out;
    out.failure = FirstFailingCheck(def.checks, texts);
    if (out.failure)
        return out;
    const std::optional<float> burden = equation ? equation(BoxValues(texts)) : std::nullopt;
    if (burden && std::isfinite(*burden)) {
        out.ok = true;
        out.burden = *burden;
    }
    return out;
}
} // namespace

CalcOutcome ComputeBurden(const CalculatorDef &def, const QStringList &texts)
{
    return runEquation(def, def.equation, texts);
}

CalcOutcome ComputeCoefficient(const CalculatorDef &def, const QStringList &texts)
{
    return runEquation(def, def.coefficient, texts);
}

QString BurdenText(float burden) { return numtext::Format(burden, QStringLiteral("0.00")); }

std::optional<QString> EchoText(const CalcEcho &echo, const QString &sourceText)
{
    const QString suffix = echo.unit.isEmpty() ? QString() : QStringLiteral(" ") + echo.unit;
    double value = 0;
    if (echo.source == kResultSource) {
        // The result echo follows the rounded text of the result box.
        if (!sourceText.isEmpty())
            value = boxValue(sourceText);
    } else if (!sourceText.isEmpty() && IsNumericOrEmpty(sourceText)) {
        const std::optional<float> single = ToSingle(boxValue(sourceText));
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
        if (const std::optional<float> v = ToSingle(boxValue(textAt(texts, i))))
            project.*(b.field) = *v;
    }
}
