#pragma once
// Every conversion between numbers and text in the program goes through here.
// No window formats or parses a user number itself.

#include <QString>
#include <cstdint>
#include <optional>

namespace numtext {

// The leading-number rule: leading blanks (spaces, tabs) are skipped, an optional
// sign, digits with at most one ".", an optional exponent ("E"/"e", optional sign,
// digits) are taken; reading stops at the first character that cannot continue the
// number. Empty text, or text that does not start with a number, gives 0.
// "12abc" -> 12, " -3.5e2x" -> -350, "1,5" -> 1, ".5" -> 0.5, "e5" -> 0, "1e" -> 1.
// A value that overflows a double gives 0 (never inf/nan).
double Val(const QString &text);
// Val stored in a single-precision field.
inline float ValSingle(const QString &text) { return static_cast<float>(Val(text)); }
// The same rule, but nothing when the number lies beyond the range of a double
// ("1e400", "-1e400", a run of 400 nines); one too close to zero gives 0.
std::optional<double> ValInRange(const QString &text);
// The unit converter's reading: blanks anywhere in the text are ignored ("1 2" -> 12,
// "- 3.5 e2" -> -350), then the leading-number rule applies. Nothing when the number
// lies beyond the range of a double ("1e400"); text without a number gives 0.
std::optional<double> ValIgnoringBlanks(const QString &text);
// Val for numbers read from a file: false where the text holds a number too large for
// a double, or starts with infinity or NaN ("inf", "-Infinity", "nan"), which Val
// reads as 0. A number too small for a double gives 0, as in Val.
bool TryVal(const QString &text, double &out);

// Strict numeric test: optional surrounding blanks, optional sign, digits with at
// most one "." (at least one digit in all), optional exponent with at least one
// digit. "12.5", " 1e3 ", "-.5", "5." are numeric; "", "abc", "1,5", "1e", "+" are not.
bool IsNumeric(const QString &text);

// Rounds to a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double v);
// Rounds to the given number of decimals, halves to the even neighbour, judged on
// the decimal text of the value (15 significant digits): RoundHalfEven(2.345, 2) = 2.34.
double RoundHalfEven(double v, int decimals);

// Conversion to a 16-bit count: rounded halves to even; outside -32768..32767 (or not
// finite) throws RuntimeError 6 ("Overflow").
int16_t CInt(double v);
// Same, but reports overflow instead of throwing.
bool TryCInt(double v, int16_t &out);
// 32-bit counterpart (halves to even, error 6 outside the int32 range).
int32_t CLng(double v);

// The general number form: up to 7 significant digits for a float, 15 for a double,
// no trailing zeros, no trailing point, leading zero kept ("0.9"), "-" for negatives,
// no leading blank. Exponent form "1.5E+07" / "1E-06" when the decimal exponent is
// >= the digit count or < -5. 4 -> "4", 0.9f -> "0.9", 1142.7f -> "1142.7",
// 1600 -> "1600". Non-finite values give "0".
QString General(float v);
QString General(double v);
QString General(int v);

// The file form of a number: sign position (blank or "-"), the general form without
// the leading zero before the point, one trailing blank. 0.9f -> " .9 ",
// -0.5f -> "-.5 ", 1142.7f -> " 1142.7 ", 0 -> " 0 ", 3000 -> " 3000 ".
QString FileForm(float v);
QString FileForm(double v);
QString FileForm(int v);

// Fixed patterns: "0", "0.0", "0.00", "0.000", "00", "#0.##" (and in general
// "0", "00", "#0" integer parts with "."+ up to 6 "0" or "#" decimals).
// Rounding is half away from zero on the decimal text of the value (7 significant
// digits for a float, 15 for a double), not on its binary value:
// Format(0.125, "0.00") = "0.13", Format(2.675f, "0.00") = "2.68".
// "#" decimals drop trailing zeros (and then the point): Format(5.0, "#0.##") = "5".
// "00" pads the integer part to two digits: Format(7, "00") = "07".
// A result that rounds to zero is never shown with a minus sign.
// Non-finite values give "" (callers never show those).
QString Format(float v, const QString &pattern);
QString Format(double v, const QString &pattern);

// Label followed by dots up to Width characters (counted as characters, not bytes);
// a label of Width or more characters comes back unchanged.
QString PadDots(const QString &text, int width);

} // namespace numtext
