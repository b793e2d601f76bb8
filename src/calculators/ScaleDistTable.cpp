#include "calculators/ScaleDistTable.h"

#include "calculators/AttenuationLaw.h"
#include "core/Checks.h"
#include "core/NumText.h"

#include <cmath>

using numtext::Format;
using numtext::General;
using numtext::ValSingle;

std::optional<ScaleDistCheckFailure> FirstScaleDistFailure(const ScaleDistTexts &t)
{
    for (const QString *text : {&t.txtK, &t.txtN, &t.txtD, &t.txtQ, &t.txtDist, &t.txtWeight, &t.txtMin,
                                &t.txtMax, &t.txtStep})
        if (!IsSingleOrEmpty(*text))
            return ScaleDistCheckFailure{QString(), QStringLiteral("One of the input values is not a number"),
                                         QStringLiteral("Κάποια τιμή δεν έχει αριθμητική μορφή!")};

    const struct {
        bool fails;
        const char *control;
        const char *english;
        const char *greek;
    } checks[] = {
        {ValSingle(t.txtK) < 0, "txtK", "K should be positive", "Ο συντελεστής Κ πρέπει να είναι θετικός!"},
        {ValSingle(t.txtN) < 0, "txtN", "n should be positive", "Ο συντελεστής n πρέπει να είναι θετικός!"},
        {ValSingle(t.txtD) < 0, "txtD", "D should be positive", "Ο συντελεστής D πρέπει να είναι θετικός!"},
        {ValSingle(t.txtQ) < 0, "txtQ", "q should be positive", "Ο συντελεστής q πρέπει να είναι θετικός!"},
        {ValSingle(t.txtDist) < 0, "txtDist", "The distance for scaled distance calculation should be positive",
         "Η απόσταση για τον υπολογισμός της Ανηγμ. Απόστασης πρέπει να είναι θετική!"},
        {!(ValSingle(t.txtWeight) > 0), "txtWeight", "The mass for scaled distance calculation should be greater than zero",
         "Η μάζα για τον υπολογισμό της Ανηγμ. Απόστασης πρέπει να είναι μεγαλύτερη από το μηδέν!"},
        {ValSingle(t.txtMin) < 0 || ValSingle(t.txtMax) < 0 || ValSingle(t.txtStep) < 0, "txtMin",
         "The range for scaled distance calculation should be positive",
         "Το εύρος τιμών Ανηγμ. Απόστασης πρέπει να είναι θετικό!"},
        {ValSingle(t.txtMax) < ValSingle(t.txtMin), "txtMin",
         "The minimum distance for scaled distance calculation should be less than the maximum distance",
         "Η ελάχιστη τιμή Ανηγμ. Απόστασης πρέπει να είναι μικρότερη από την μέγιστη!"},
        {!(ValSingle(t.txtStep) > 0), "txtMin", "The step distance for scaled distance calculation should be positive",
         "Το βήμα Ανηγμ. Απόστασης πρέπει να είναι θετικό!"},
    };
    for (const auto &c : checks)
        if (c.fails)
            return ScaleDistCheckFailure{QString::fromLatin1(c.control), QString::fromUtf8(c.english),
                                         QString::fromUtf8(c.greek)};
    return std::nullopt;
}

PredictionTable FillPredictionRows(const ScaleDistTexts &t, int vibrationMode, int calcMode)
{
    PredictionTable table;
    const bool air = vibrationMode == 1;
    table.header = {QString(), air ? QStringLiteral("dB") : QStringLiteral("PPV (mm/s)"),
                    QStringLiteral("Scaled Distance")};

    // One row per scaled distance; false once the table ends there.
    const auto addRow = [&](float sd) {
        if (table.rows.size() >= kMaxPredictionRows)
            return false;
        const auto value = air ? AttenuationLaw(ValSingle(t.txtD), sd, ValSingle(t.txtQ))
                               : AttenuationLaw(ValSingle(t.txtK), sd, ValSingle(t.txtN));
        if (!value)
            return false;
        table.rows.append({QString::number(table.rows.size() + 1), Format(*value, QStringLiteral("0.0")),
                           General(sd)});
        return true;
    };

    if (calcMode != 1) {
        for (float sd = 10; sd <= 100; sd += 10)
            if (!addRow(sd))
                break;
        return table;
    }
    const float max = ValSingle(t.txtMax);
    const float step = ValSingle(t.txtStep);
    // The 20-row limit also ends a step of 0 or one too small to move the running value.
    for (float sd = ValSingle(t.txtMin); step >= 0 ? sd <= max : sd >= max; sd += step)
        if (!addRow(sd))
            break;
    return table;
}

std::optional<ScaledDistanceTexts> ScaledDistances(const QString &txtDist, const QString &txtWeight)
{
    const float w = ValSingle(txtWeight);
    if (!(w > 0))
        return std::nullopt;
    const double r = ValSingle(txtDist);
    const float sd = static_cast<float>(r / std::sqrt(double(w)));
    const float sdAir = static_cast<float>(r / std::pow(double(w), 1.0 / 3));
    if (!std::isfinite(sd) || !std::isfinite(sdAir))
        return std::nullopt;
    return ScaledDistanceTexts{Format(sd, QStringLiteral("0.0")), Format(sdAir, QStringLiteral("0.0"))};
}
