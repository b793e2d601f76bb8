#pragma once
// The burden calculators as plain data and functions: which boxes a calculator has and
// which project field each one edits, its input checks in their order, its equation and
// its echo labels. Box texts go in; a burden, the first failing check, or nothing (an
// arithmetic failure) comes out. No widget is involved, so tests call these directly.

#include "core/ProgramState.h"

#include <QString>
#include <QStringList>

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
};

const CalculatorDef &AndersonCalculator();

// What one recalculation gives.
struct CalcOutcome {
    bool ok = false;   // a burden was computed
    float burden = 0;
    std::optional<CheckFailure> failure; // a check failed (otherwise, when !ok, the arithmetic did)
};

// Checks, then the equation, exactly as a window's CalcBurden does it.
CalcOutcome ComputeBurden(const CalculatorDef &def, const QStringList &texts);

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
