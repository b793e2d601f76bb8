#include "design/Vibration.h"

#include "calculators/AttenuationLaw.h"
#include "core/Checks.h"
#include "core/Messages.h"
#include "core/NumText.h"

#include <cmath>

using numtext::Format;
using numtext::Val;
using numtext::ValSingle;

namespace {

// Value x factor, "0.00", then the unit text; nothing when it is not finite.
std::optional<QString> echo(double value, const QString &unit)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return Format(value, QStringLiteral("0.00")) + unit;
}

// A length c x base / divisor, rounded to a single, "0.00 m"; nothing when not finite.
std::optional<QString> length(const QString &coefficient, const QString &base, double divisor)
{
    const float len = static_cast<float>(double(ValSingle(coefficient)) * double(ValSingle(base)) / divisor);
    if (!std::isfinite(len))
        return std::nullopt;
    return Format(len, QStringLiteral("0.00")) + QStringLiteral(" m");
}

const QString kZeroLength = QStringLiteral("0.00 m");
} // namespace

QString NotNumericMessage()
{
    return Lang(QStringLiteral("One of the input values is not numeric!"),
                QStringLiteral("Κάποια τιμή δεν έχει αριθμητική μορφή!"));
}

std::optional<VibrationCheckFailure> ValidateVibrationInputs(const VibrationTexts &t)
{
    if (!IsNumericOrEmpty(t.txtKatanalosiAnaEpivradynsi) || !IsNumericOrEmpty(t.txtDistance) ||
        !IsNumericOrEmpty(t.txtStatherak) || !IsNumericOrEmpty(t.txtStatheran))
        return VibrationCheckFailure{QString(), NotNumericMessage()};
    if (Val(t.txtKatanalosiAnaEpivradynsi) <= 0)
        return VibrationCheckFailure{QStringLiteral("txtKatanalosiAnaEpivradynsi"),
                                     QStringLiteral("Το Βάρος Εκρηκτικών ανά Επιβράδυνση πρεπει να είναι θετικό")};
    if (Val(t.txtDistance) <= 0)
        return VibrationCheckFailure{QStringLiteral("txtDistance"), QStringLiteral("Η Απόσταση πρέπει να είναι θετική!")};
    if (Val(t.txtStatherak) <= 0)
        return VibrationCheckFailure{QStringLiteral("txtStatherak"), QStringLiteral("Ο Συντελεστής Κ πρέπει να είναι Θετικός")};
    if (Val(t.txtStatheran) <= 0)
        return VibrationCheckFailure{QStringLiteral("txtStatheran"), QStringLiteral("Ο Συντελεστής n πρέπει να είναι Θετικός")};
    return std::nullopt;
}

std::optional<float> PeakParticleVelocity(float Q, float D, float K, float n)
{
    // Square-root scaled distance, m/kg^0.5: a zero root is a division by zero.
    const double root = std::sqrt(double(Q));
    if (!std::isfinite(root) || root == 0)
        return std::nullopt;
    const double scaled = double(D) / root;
    if (!std::isfinite(scaled))
        return std::nullopt;
    return AttenuationLaw(K, scaled, n);
}

std::optional<QString> VelocityText(const VibrationTexts &t)
{
    const auto v = PeakParticleVelocity(ValSingle(t.txtKatanalosiAnaEpivradynsi), ValSingle(t.txtDistance),
                                        ValSingle(t.txtStatherak), ValSingle(t.txtStatheran));
    if (!v)
        return std::nullopt;
    return Format(*v, QStringLiteral("0.00"));
}

std::optional<QString> DistanceEcho(const QString &text)
{
    if (text.isEmpty() || !IsNumericOrEmpty(text))
        return QStringLiteral("0.00 ft");
    return echo(double(ValSingle(text)) * 3.2808, QStringLiteral(" ft"));
}

std::optional<QString> ChargeEcho(const QString &text)
{
    if (text.isEmpty() || !IsNumericOrEmpty(text))
        return QStringLiteral("0.00 lbs");
    return echo(double(ValSingle(text)) * 2.2046, QStringLiteral(" lbs"));
}

std::optional<QString> VelocityEcho(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("0.00 in/sec");
    return echo(double(ValSingle(text)) * 0.03937, QStringLiteral(" in/sec"));
}

std::optional<float> StoredVelocity(const QString &text)
{
    const float v = ValSingle(Format(Val(text), QStringLiteral("0.00")));
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

CoefficientLabels CoefficientLabelTexts(const CoefficientTexts &t, CoefficientLabels labels, bool loading)
{
    struct Row {
        CoefficientLabel label;
        const QString &coefficient;
        const QString &base;
        double divisor;
    };
    const Row rows[] = {
        {kLabel27, t.txtEpigomosi, t.txtFortio, 1},        {kLabel49, t.txtEpigD, t.txtDiametros, 1000},
        {kLabel34, t.txtApostasi, t.txtFortio, 1},         {kLabel51, t.txtApostasiD, t.txtDiametros, 1000},
        {kLabel33, t.txtYpodiatrisi, t.txtFortio, 1},      {kLabel50, t.txtYpodD, t.txtDiametros, 1000},
    };

    // First pass: a length when both texts are usable; a non-numeric base keeps the label.
    for (const Row &r : rows) {
        QString &label = labels[r.label];
        if (!r.coefficient.isEmpty() && IsNumericOrEmpty(r.coefficient)) {
            if (IsNumericOrEmpty(r.base))
                if (auto text = length(r.coefficient, r.base, r.divisor))
                    label = *text;
        } else {
            label = kZeroLength;
        }
    }
    if (loading)
        return labels;

    // Second pass, burden rows: without a usable burden they show no length at all.
    const bool burdenUsable = !t.txtFortio.isEmpty() && IsNumericOrEmpty(t.txtFortio);
    for (const Row &r : {rows[2], rows[4], rows[0]}) {
        QString &label = labels[r.label];
        if (!burdenUsable)
            label = kZeroLength;
        else if (IsNumericOrEmpty(r.coefficient))
            if (auto text = length(r.coefficient, r.base, r.divisor))
                label = *text;
    }
    return labels;
}
