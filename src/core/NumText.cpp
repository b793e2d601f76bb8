#include "core/NumText.h"

#include "core/Errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

// Everything here works on ASCII text with std::to_chars / std::from_chars, which never
// look at LC_NUMERIC: the user's locale can say "," without changing a single result.

namespace numtext {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The longest number at 'pos': sign, digits with at most one ".", then an exponent
// only when at least one digit follows the "E". 'ascii' receives the text for
// from_chars (a "+" sign is left out, which from_chars does not accept).
// Returns the position after the number, or -1 when no digit was found.
qsizetype scanNumber(const QString &text, qsizetype pos, std::string &ascii)
{
    const qsizetype n = text.size();
    auto at = [&](qsizetype k) { return k < n ? text.at(k) : QChar(); };
    ascii.clear();
    if (at(pos) == u'+' || at(pos) == u'-') {
        if (at(pos) == u'-')
            ascii += '-';
        ++pos;
    }
    bool point = false;
    int digits = 0;
    for (;; ++pos) {
        const QChar c = at(pos);
        if (isDigit(c))
            ++digits;
        else if (c == u'.' && !point)
            point = true;
        else
            break;
        ascii += char(c.unicode());
    }
    if (digits == 0)
        return -1;
    if (at(pos) == u'e' || at(pos) == u'E') {
        qsizetype k = pos + 1;
        std::string exponent = "e";
        if (at(k) == u'+' || at(k) == u'-')
            exponent += char(at(k++).unicode());
        if (isDigit(at(k))) {
            while (isDigit(at(k)))
                exponent += char(at(k++).unicode());
            ascii += exponent;
            pos = k;
        }
    }
    return pos;
}

// The value of scanned text; false when it lies outside the range of a double.
bool toDouble(const std::string &ascii, double &out)
{
    double v = 0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
    if (res.ec != std::errc() || !std::isfinite(v))
        return false;
    out = v == 0 ? 0.0 : v; // no "-0"
    return true;
}

// A value as decimal text: 0.digits x 10^point. 'digits' has no trailing zeros and is
// empty for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

// The value rounded to 'sig' significant digits (correctly, from its exact binary value).
template <typename T>
Decimal toDecimal(T v, int sig)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, sig - 1);
    std::string_view s(buf, res.ptr - buf); // "-d.ddddde+XX"
    Decimal d;
    if (s.front() == '-') {
        d.negative = true;
        s.remove_prefix(1);
    }
    const size_t e = s.find('e');
    for (char c : s.substr(0, e))
        if (c != '.')
            d.digits += c;
    int exponent = 0;
    std::string_view exp = s.substr(e + 1);
    const bool expNegative = exp.front() == '-';
    exp.remove_prefix(1);
    std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
    d.point = (expNegative ? -exponent : exponent) + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.negative = false;
    return d;
}

enum class Half { ToEven, AwayFromZero };

// The digits of |value| x 10^decimals rounded to a whole number, without leading
// zeros ("" for zero).
std::string roundScaled(const Decimal &d, int decimals, Half half)
{
    const long long keep = static_cast<long long>(d.point) + decimals;
    if (keep < 0 || d.digits.empty())
        return {};
    const size_t k = static_cast<size_t>(keep);
    std::string kept = d.digits.substr(0, k);
    if (kept.size() < k)
        kept.append(k - kept.size(), '0');
    bool up = false;
    if (k < d.digits.size()) {
        const char first = d.digits[k];
        const bool exactHalf = first == '5' && k + 1 == d.digits.size(); // no trailing zeros kept
        const bool lastOdd = !kept.empty() && (kept.back() - '0') % 2 == 1;
        up = first > '5' || (first == '5' && (!exactHalf || half == Half::AwayFromZero || lastOdd));
    }
    if (up) {
        size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9')
            kept[--i] = '0';
        if (i == 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i - 1];
    }
    const size_t nonZero = kept.find_first_not_of('0');
    return nonZero == std::string::npos ? std::string() : kept.substr(nonZero);
}

// The general form; 'fileForm' adds the sign position and trailing blank and drops the
// zero before the point.
QString generalText(const Decimal &d, int sig, bool fileForm)
{
    std::string body;
    const int exponent = d.point - 1;
    const int count = static_cast<int>(d.digits.size());
    if (d.digits.empty()) {
        body = "0";
    } else if (exponent >= sig || exponent < -5) {
        body = d.digits.substr(0, 1);
        if (count > 1)
            body += '.' + d.digits.substr(1);
        const std::string e = std::to_string(std::abs(exponent));
        body += exponent < 0 ? "E-" : "E+";
        body += (e.size() < 2 ? "0" : "") + e;
    } else if (d.point <= 0) {
        body = (fileForm ? "." : "0.") + std::string(-d.point, '0') + d.digits;
    } else if (d.point >= count) {
        body = d.digits + std::string(d.point - count, '0');
    } else {
        body = d.digits.substr(0, d.point) + '.' + d.digits.substr(d.point);
    }
    std::string out = d.negative ? "-" : (fileForm ? " " : "");
    out += body;
    if (fileForm)
        out += ' ';
    return QString::fromLatin1(out);
}

template <typename T>
QString general(T v, int sig, bool fileForm)
{
    return generalText(std::isfinite(v) ? toDecimal(v, sig) : Decimal(), sig, fileForm);
}

template <typename T>
QString fixed(T v, int sig, const QString &pattern)
{
    if (!std::isfinite(v))
        return {};
    const qsizetype dot = pattern.indexOf(u'.');
    const QString intPattern = dot < 0 ? pattern : pattern.left(dot);
    const QString decPattern = dot < 0 ? QString() : pattern.mid(dot + 1);
    const size_t minInt = intPattern.count(u'0');
    const size_t minDec = decPattern.count(u'0');
    const size_t maxDec = minDec + decPattern.count(u'#');
    if (minInt == 0 && maxDec == 0 && !intPattern.contains(u'#'))
        return general(v, sig, false);

    const Decimal d = toDecimal(v, sig);
    std::string scaled = roundScaled(d, static_cast<int>(maxDec), Half::AwayFromZero);
    const bool negative = d.negative && !scaled.empty(); // never "-0.00"
    if (scaled.size() < maxDec)
        scaled.insert(0, maxDec - scaled.size(), '0');
    std::string intPart = scaled.substr(0, scaled.size() - maxDec);
    std::string decPart = scaled.substr(scaled.size() - maxDec);
    while (decPart.size() > minDec && decPart.back() == '0')
        decPart.pop_back();
    if (intPart.size() < minInt)
        intPart.insert(0, minInt - intPart.size(), '0');
    std::string out = negative ? "-" : "";
    out += intPart;
    if (!decPart.empty())
        out += '.' + decPart;
    return QString::fromLatin1(out);
}

template <typename Int>
bool tryRoundTo(double v, Int &out)
{
    if (!std::isfinite(v))
        return false;
    const double r = RoundHalfEven(v);
    if (r < double(std::numeric_limits<Int>::min()) || r > double(std::numeric_limits<Int>::max()))
        return false;
    out = static_cast<Int>(r);
    return true;
}

} // namespace

namespace {
// The number at 'pos' of the text: 0 when none is there or it is too close to zero for
// a double, nothing when it lies beyond a double's range.
std::optional<double> readNumber(const QString &text, qsizetype pos)
{
    std::string ascii;
    double v = 0;
    if (scanNumber(text, pos, ascii) < 0)
        return 0.0;
    if (toDouble(ascii, v))
        return v;
    // Out of range: beyond a double is an overflow, too close to zero is zero. Which of
    // the two is told by the decimal exponent of the first significant digit, so that
    // neither a long run of zeros nor an exponent past any floating type misleads it.
    const std::size_t ePos = ascii.find('e');
    const std::size_t begin = ascii[0] == '-' ? 1 : 0;
    const std::string digits = ascii.substr(begin, ePos == std::string::npos ? ePos : ePos - begin);
    long long exponent = 0;
    if (ePos != std::string::npos) {
        std::size_t k = ePos + 1;
        const bool negative = k < ascii.size() && ascii[k] == '-';
        if (negative || (k < ascii.size() && ascii[k] == '+'))
            ++k;
        for (; k < ascii.size(); ++k)
            exponent = std::min(exponent * 10 + (ascii[k] - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    const std::size_t first = digits.find_first_of("123456789");
    if (first == std::string::npos)
        return 0.0;
    const std::size_t point = std::min(digits.find('.'), digits.size());
    // The power of ten of the first significant digit: 0 for "1.5", -1 for "0.15".
    const long long leading = first < point ? static_cast<long long>(point - first) - 1
                                            : -static_cast<long long>(first - point);
    if (leading + exponent < 0)
        return 0.0;
    return std::nullopt;
}
} // namespace

std::optional<double> ValInRange(const QString &text)
{
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text.at(pos)))
        ++pos;
    return readNumber(text, pos);
}

double Val(const QString &text) { return ValInRange(text).value_or(0.0); }

std::optional<double> ValIgnoringBlanks(const QString &text)
{
    QString packed;
    packed.reserve(text.size());
    for (const QChar c : text)
        if (!isBlank(c))
            packed += c;
    return readNumber(packed, 0);
}

bool TryVal(const QString &text, double &out)
{
    out = 0;
    const std::optional<double> v = ValInRange(text);
    if (!v)
        return false;
    if (*v == 0) {
        // No number: infinity or NaN as the C library would read them.
        QStringView rest = QStringView(text);
        while (!rest.isEmpty() && isBlank(rest.front()))
            rest = rest.mid(1);
        if (rest.startsWith(u'+') || rest.startsWith(u'-'))
            rest = rest.mid(1);
        if (rest.startsWith(u"inf", Qt::CaseInsensitive) || rest.startsWith(u"nan", Qt::CaseInsensitive))
            return false;
    }
    out = *v;
    return true;
}

bool IsNumeric(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    std::string ascii;
    double v = 0;
    // A number too large for a double is not a number the program can use.
    return begin < end && scanNumber(text, begin, ascii) == end && toDouble(ascii, v);
}

double RoundHalfEven(double v)
{
    if (!std::isfinite(v))
        return v;
    double whole = 0;
    const double fraction = std::modf(v, &whole); // exact
    double r = std::round(v);
    if (std::fabs(fraction) == 0.5)
        r = 2.0 * std::round(v / 2.0);
    return r == 0 ? 0.0 : r;
}

double RoundHalfEven(double v, int decimals)
{
    if (!std::isfinite(v))
        return v;
    const Decimal d = toDecimal(v, 15);
    if (d.digits.empty())
        return 0;
    std::string text = d.negative ? "-" : "";
    if (static_cast<long long>(d.point) + decimals >= static_cast<long long>(d.digits.size())) {
        text += d.digits + "e" + std::to_string(d.point - static_cast<int>(d.digits.size())); // nothing to round
    } else {
        const std::string scaled = roundScaled(d, decimals, Half::ToEven);
        if (scaled.empty())
            return 0;
        text += scaled + "e" + std::to_string(-static_cast<long long>(decimals));
    }
    double r = 0;
    return toDouble(text, r) ? r : 0;
}

bool TryCInt(double v, int16_t &out) { return tryRoundTo(v, out); }

int16_t CInt(double v)
{
    int16_t r = 0;
    if (!tryRoundTo(v, r))
        throw RuntimeError(err::Overflow);
    return r;
}

int32_t CLng(double v)
{
    int32_t r = 0;
    if (!tryRoundTo(v, r))
        throw RuntimeError(err::Overflow);
    return r;
}

QString General(float v) { return general(v, 7, false); }
QString General(double v) { return general(v, 15, false); }
QString General(int v) { return QString::number(v); }

QString FileForm(float v) { return general(v, 7, true); }
QString FileForm(double v) { return general(v, 15, true); }
QString FileForm(int v) { return (v < 0 ? "" : " ") + QString::number(v) + u' '; }

QString Format(float v, const QString &pattern) { return fixed(v, 7, pattern); }
QString Format(double v, const QString &pattern) { return fixed(v, 15, pattern); }

QString PadDots(const QString &text, int width)
{
    return text.size() < width ? text + QString(width - text.size(), u'.') : text;
}

} // namespace numtext
