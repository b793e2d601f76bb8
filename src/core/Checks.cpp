#include "core/Checks.h"

#include "core/Messages.h"
#include "core/NumText.h"
#include "core/ProgramState.h"
#include "core/Services.h"

#include <cmath>

QString BoundText(double v) { return numtext::General(v); }

bool IsNumericOrEmpty(const QString &Text) { return Text.isEmpty() || numtext::IsNumeric(Text); }

bool IsSingleOrEmpty(const QString &Text)
{
    return IsNumericOrEmpty(Text) && std::isfinite(static_cast<float>(numtext::Val(Text)));
}

bool CheckRange(const QString &Text, double MinValue, double MaxValue, QString &EnglishLabel, QString &GreekLabel)
{
    if (!EnglishLabel.isEmpty())
        EnglishLabel += QStringLiteral(": ") + kCrLf + kCrLf;
    if (!GreekLabel.isEmpty())
        GreekLabel += QStringLiteral(": ") + kCrLf + kCrLf;
    const bool english = IsEnglish();
    const QString &label = english ? EnglishLabel : GreekLabel;
    const QString trimmed = Text.trimmed();
    QString msg;
    if (!IsNumericOrEmpty(Text)) {
        msg = label + (english ? QStringLiteral("Please enter numeric values only")
                               : QStringLiteral("Δεν έχετε δώσει αριθμητική τιμή"));
    } else if (trimmed.isEmpty()) {
        msg = label + (english ? QStringLiteral("Blank field not allowed")
                               : QStringLiteral("Δεν επιτρέπεται το πεδίο να είναι κενό"));
    } else {
        const double v = numtext::Val(Text);
        if (!(v >= MinValue && v <= MaxValue)) {
            const QString range = BoundText(MinValue) + QLatin1Char('-') + BoundText(MaxValue);
            if (english)
                msg = label + QStringLiteral("Value '") + trimmed + QStringLiteral("' is outside input range") + kCrLf + kCrLf
                      + QStringLiteral("Valid range is: ") + range;
            else
                msg = label + QStringLiteral("Η Τιμή '") + trimmed + QStringLiteral("' είναι εκτός ορίων.") + kCrLf + kCrLf
                      + QStringLiteral("Αποδεκτά όρια είναι: ") + range;
        }
    }
    if (msg.isEmpty())
        return true;
    ShowMessage(msg, mb::Critical | mb::OkOnly, messageState().TitleRangeError);
    return false;
}

bool CheckRange(const QString &Text, double MinValue, double MaxValue, const QString &EnglishLabel, const QString &GreekLabel)
{
    QString e = EnglishLabel, g = GreekLabel;
    return CheckRange(Text, MinValue, MaxValue, e, g);
}

bool ValidateRange(const QString &Text, double Min, double Max, QString &FieldName)
{
    if (!FieldName.isEmpty())
        FieldName += QStringLiteral(": ");
    const QString trimmed = Text.trimmed();
    QString msg;
    if (trimmed.isEmpty()) {
        msg = FieldName + QStringLiteral("Blank field not allowed");
    } else {
        const double v = numtext::Val(Text);
        if (!(v >= Min && v <= Max))
            msg = FieldName + QStringLiteral("Value '") + trimmed + QStringLiteral("' is outside input range") + kCrLf
                  + QStringLiteral("Valid range is: ") + BoundText(Min) + QLatin1Char('-') + BoundText(Max);
    }
    if (msg.isEmpty())
        return true;
    ShowMessage(msg, mb::Critical | mb::OkOnly, messageState().TitleRangeError);
    return false;
}

bool ValidateRange(const QString &Text, double Min, double Max, const QString &FieldName)
{
    QString f = FieldName;
    return ValidateRange(Text, Min, Max, f);
}

int16_t LimitRange(double &Value, double Min, double Max)
{
    int16_t out = 0;
    if (!(Value >= Min && Value <= Max) || !numtext::TryCInt(Value, out))
        Value = Min;
    numtext::TryCInt(Value, out);
    return out;
}

int InvalidValueMsg(const QString &GreekText, const QString &EnglishText, bool AsFieldName)
{
    QString text;
    if (IsEnglish()) {
        text = EnglishText.isEmpty() ? GreekText : EnglishText;
        if (AsFieldName)
            text = QStringLiteral("Invalid value for ") + text;
    } else {
        text = AsFieldName ? QStringLiteral("Εσφαλμένη τιμή για το ") + GreekText : GreekText;
    }
    return ShowMessage(text, mb::OkOnly, QString());
}

double DegToRad(double Deg) { return Deg * 3.1415 / 180.0; }

float MapLinear(float Y0, float Y1, float X, float X0, float X1)
{
    const double r = double(Y0) + (double(X) - X0) / (double(X1) - X0) * (double(Y1) - Y0);
    return std::isfinite(r) ? static_cast<float>(r) : Y0;
}

float MapLinear2(float X0, float X1, float X, float Y0, float Y1) { return MapLinear(Y0, Y1, X, X0, X1); }

AngleDiagram DrawAngleDiagram(float AngleDeg, int X, int Y, int Length)
{
    AngleDiagram d;
    d.arcCentre = QPointF(X, Y);
    const double a = DegToRad(AngleDeg);
    d.arcEndRad = a;
    d.lines << QLineF(X, Y, X + Length, Y);
    QPointF end;
    if (AngleDeg == 90) {
        end = QPointF(X, Y - 2.0 * Length);
    } else {
        const double r = Length / std::cos(a);
        end = QPointF(X + r * std::cos(a), Y - r * std::sin(a));
    }
    // An angle whose cosine vanishes would send the end point to infinity: no sketch.
    if (!std::isfinite(end.x()) || !std::isfinite(end.y()))
        return AngleDiagram{{d.lines.first()}, d.arcCentre, d.arcRadius, 0, 0};
    d.lines << QLineF(QPointF(X, Y), end);
    if (AngleDeg != 90)
        d.lines << QLineF(end, QPointF(X + Length, Y));
    return d;
}
