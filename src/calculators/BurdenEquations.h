#pragma once
// The burden calculators as plain data and functions: which boxes a calculator has and
// which project field each one edits, its input checks in their order, its equation and
// its echo labels. Box texts go in; a burden, the first failing check, or nothing (an
// arithmetic failure) comes out. No widget is involved, so tests call these directly.

#include "core/ProgramState.h"

#include <QRectF>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

// How a check judges its box.
enum class CheckKind {
    // Every box listed must be empty or numeric; one message, the focus stays put.
    NotNumeric,
    // The box's value (leading-number rule) below 'lower' or above 'upper' fails; the
    // window shows the check's own message (unlogged) and moves the focus to the box.
    Bound,
    // CheckRange with inclusive bounds and English / Greek field labels: also rejects a
    // blank or non-numeric box, and shows and logs its own message.
    Range,
};

struct CalcCheck {
    CheckKind kind = CheckKind::Bound;
    std::vector<int> boxes; // NotNumeric: the boxes tested; otherwise the one box checked
    double lower = 0;
    double upper = std::numeric_limits<double>::infinity();
    int upperBox = -1;      // Range: the upper bound is the value of this box instead
    QString english, greek; // the message (NotNumeric, Bound) or the field labels (Range)
};

// The usual checks of the calculators.
CalcCheck NotNumericCheck(std::vector<int> boxes);
// "must be positive": only a negative value fails, zero passes.
CalcCheck MustBePositive(int box, const QString &english, const QString &greek);
CalcCheck BoundCheck(int box, double lower, double upper, const QString &english, const QString &greek);
CalcCheck RangeCheck(int box, double lower, double upper, const QString &englishLabel, const QString &greekLabel);
CalcCheck RangeCheckUpToBox(int box, double lower, int upperBox, const QString &englishLabel,
                            const QString &greekLabel);

struct CheckFailure {
    int check = -1; // index in the check table
    CheckKind kind = CheckKind::Bound;
    int box = -1;   // the box that gets the focus; -1 for NotNumeric
    double lower = 0, upper = 0; // the bounds in force (Range)
    QString english, greek;      // as in the check
};

// The first check of the table that fails for these box texts, or nothing when all pass.
std::optional<CheckFailure> FirstFailingCheck(const std::vector<CalcCheck> &checks, const QStringList &texts);

// The pass test of CheckRange, without its message.
bool RangeCheckPasses(const QString &text, double lower, double upper);

// A value in single precision; nothing when it is not finite or does not fit.
std::optional<float> ToSingle(double value);

// Inputs are the box values by the leading-number rule (double precision, in box
// order); each equation takes in single precision what its calculator reads so.
// Nothing when the arithmetic fails (division by zero, root of a negative, overflow).
using BurdenEquation = std::function<std::optional<float>(const std::vector<double> &)>;

// Anderson: B = square root of (L x d), d in inches, L in feet, B in feet.
std::optional<float> AndersonBurden(float d, float L);
// Ash: B = d x Kb / 12, d in inches, B in feet.
std::optional<float> AshBurden(float d, float Kb);
// Ash's coefficient: (SGr0 / SGr1)^(1/3) x 30 x ((V1^2 x rho1) / (V0^2 x rho0))^(1/3),
// index 0 the reference rock or explosive, 1 the actual one.
std::optional<float> AshCoefficient(float SGr0, float SGr1, float rho0, float rho1, float V0, float V1);
// Fraenkel: B = d^0.8 x L^0.3 x H^0.3 x R / 50, d in mm, L and H in m, B in m.
std::optional<float> FraenkelBurden(float d, float L, float H, float R);
// Konya: B = K x d x (SGe / SGr)^(1/3), d in inches, B in feet; K is read in double.
std::optional<float> KonyaBurden(float d, float SGe, float SGr, double K);
// Langefors: V = (d / 33) x square root of (P x s / (c x f x E/V)), d in mm, V in m.
std::optional<float> LangeforsBurden(float d, float P, float s, float c, float f, float EV);
// Pearse: B = 10^-3 x K x d x square root of (P / T), d in mm, B in m.
std::optional<float> PearseBurden(float d, float K, float P, float T);
// Jimeno: B = 0.76 x d x F, d in inches, B in m.
std::optional<float> JimenoBurden(float d, float F);
// Jimeno's coefficient: ((E2b / E2a) x (T2b / T2a)^2)^(1/3) x ((E1a / E1b) x T1a / T1b)^(1/3),
// 'a' the reference rock or explosive, 'b' the actual one.
std::optional<float> JimenoCoefficient(float E1a, float E1b, float T1a, float T1b, float E2a, float E2b, float T2a,
                                       float T2b);

// Pearse's up-down buttons: the coefficient text one tenth up or down, kept within
// 0.7 and 1.2 ("0.0").
QString PearseStep(const QString &coefficientText, bool up);

// The hole inclinations of the Langefors calculator, in list order.
struct Inclination {
    QString english, greek; // the list text
    float f = 1;            // the inclination factor
    QString factorLabel;    // "f=0.90"
    int angle = 90;         // the sketch
    int length = 30;
    QString sketchEnglish, sketchGreek;
};
const std::array<Inclination, 3> &LangeforsInclinations();
// The item whose factor equals 'f' in single precision, or -1.
int LangeforsItemFor(float f);
// A box in picture coordinates that holds the whole sketch of every inclination.
QRectF LangeforsSketchBox();

// One input box of a calculator and the project field it edits.
struct CalcBox {
    QString name; // the box's objectName
    float ProjectState::*field = nullptr;
};

// An echo label: a box's value, or the result, in another unit.
constexpr int kResultSource = -1;
struct CalcEcho {
    QString label;        // the label's objectName
    int source = 0;       // the input box index, or kResultSource for txtFortio
    double factor = 1;
    bool divide = false;  // divide by the factor instead of multiplying
    QString format = QStringLiteral("0.00");
    QString unit;         // "" shows the number alone
};

struct CalculatorDef {
    int index = 0;
    QString name; // the equation's name, as the log lines give it
    std::vector<CalcBox> boxes;
    std::vector<CalcCheck> checks;
    BurdenEquation equation;
    std::vector<CalcEcho> echoes;
    bool logsLoad = true; // writes "<name> Burden Calculations." when loaded
    // Two-tab calculators: the coefficient computed from the second tab's boxes (from
    // firstCoefficientBox on), whose text goes into the first tab's coefficientBox.
    BurdenEquation coefficient;
    int firstCoefficientBox = -1;
    int coefficientBox = -1;
};

const CalculatorDef &AndersonCalculator();
const CalculatorDef &AshCalculator();
const CalculatorDef &FraenkelCalculator();
const CalculatorDef &KonyaCalculator();
// Its equation takes the inclination factor after the five boxes (0 when missing).
const CalculatorDef &LangeforsCalculator();
const CalculatorDef &PearseCalculator();
const CalculatorDef &JimenoCalculator();
// The definition of calculator 'index' (0 Anderson ... 6 Jimeno); nullptr otherwise.
const CalculatorDef *CalculatorDefinition(int index);

// What one recalculation gives.
struct CalcOutcome {
    bool ok = false;   // a burden was computed
    float burden = 0;
    std::optional<CheckFailure> failure; // a check failed (otherwise, when !ok, the arithmetic did)
};

// Checks, then the equation, exactly as a window's CalcBurden does it.
CalcOutcome ComputeBurden(const CalculatorDef &def, const QStringList &texts);
// Checks, then the coefficient, as a two-tab window's CalcBurdenCoefficient does it.
CalcOutcome ComputeCoefficient(const CalculatorDef &def, const QStringList &texts);

// The box values by the leading-number rule.
std::vector<double> BoxValues(const QStringList &texts);

// The result as the result box shows it ("0.00").
QString BurdenText(float burden);

// The text of an echo label from the text of its source (an input box or txtFortio).
// Nothing when the value cannot be computed: the label then keeps its text.
std::optional<QString> EchoText(const CalcEcho &echo, const QString &sourceText);

// The load and commit lines of the history log.
QString LoadLogLine(const QString &name, bool english);
QString CommitLogLine(const QString &name);

// The stored block as box texts (general number form), in box order.
QStringList StoredTexts(const CalculatorDef &def, const ProjectState &project);
// Writes box texts into the block (leading-number rule, single precision). A value
// that does not fit single precision leaves its field as it was.
void StoreTexts(const CalculatorDef &def, const QStringList &texts, ProjectState &project);
