#pragma once
// Input checks with their bilingual messages, and small shared routines.

#include <QString>
#include <cstdint>

// False only when Text is not "" and not numeric.
bool IsNumericOrEmpty(const QString &Text);
// The same test for a box whose value is kept as a single: a number beyond the range of
// a single (1e39) fails as well.
bool IsSingleOrEmpty(const QString &Text);

// True when Text is a number inside [MinValue, MaxValue]; otherwise shows (and logs)
// the first failure in the current language. The labels gain ": " and two line
// breaks in the caller's variables, as the message shows them.
bool CheckRange(const QString &Text, double MinValue, double MaxValue,
                QString &EnglishLabel, QString &GreekLabel);
bool CheckRange(const QString &Text, double MinValue, double MaxValue,
                const QString &EnglishLabel, const QString &GreekLabel);

// The same test, English only (the settings window). Non-numeric text counts as 0.
bool ValidateRange(const QString &Text, double Min, double Max, QString &FieldName);
bool ValidateRange(const QString &Text, double Min, double Max, const QString &FieldName);

// Out-of-range values become Min (Value changes); returns the value as a 16-bit
// number, halves to even. A value outside the 16-bit range counts as out of range.
int16_t LimitRange(double &Value, double Min, double Max);

// One message with OK, no icon, application title; returns the button.
int InvalidValueMsg(const QString &GreekText, const QString &EnglishText, bool AsFieldName);

double DegToRad(double Deg);
// Y0 + (X - X0) / (X1 - X0) * (Y1 - Y0), computed in double and rounded to float.
float MapLinear(float Y0, float Y1, float X, float X0, float X1);
float MapLinear2(float X0, float X1, float X, float Y0, float Y1);

template <class T> void SwapValues(T &A, T &B)
{
    T t = A;
    A = B;
    B = t;
}

// Formats a range bound in the plain general form (3000, 0.5).
QString BoundText(double v);

#include <QLineF>
#include <QList>

// The small sketch of a hole inclination: a base line, the inclined line, the closing
// line down to the base (none at 90 degrees) and an arc of radius 30 at (X, Y) from 0
// to the angle. Picture coordinates, y growing downwards.
struct AngleDiagram {
    QList<QLineF> lines;
    QPointF arcCentre;
    double arcRadius = 30;
    double arcStartRad = 0;
    double arcEndRad = 0;
};
AngleDiagram DrawAngleDiagram(float AngleDeg, int X, int Y, int Length);
