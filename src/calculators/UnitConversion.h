#pragma once
// The unit converter as plain functions: five quantities, each with its units, and one
// conversion table per quantity. The text typed in one unit goes in; the texts of the
// value in every unit of the quantity come out.

#include <QString>
#include <QStringList>

enum class Quantity { Length, Load, LoadGrad, Stress, StressGrad };
constexpr int kQuantityCount = 5;

// The unit captions of a quantity, in unit order ("in", "ft", "cm", "m" for length).
QStringList UnitNames(Quantity quantity);

// The text shown for a value that no double can hold.
QString OverflowText();

// The value of 'text' given in unit 'unit' (an index of UnitNames) converted to every
// unit of the quantity, in unit order, each in a double's general form. The text is
// read with blanks ignored and the leading-number rule; text without a number counts as
// 0. A result, or an input, beyond the range of a double gives OverflowText() in its
// box. A unit outside the quantity counts as unit 0.
QStringList ConvertUnits(Quantity quantity, int unit, const QString &text);
