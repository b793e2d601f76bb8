// Peak particle velocity and the imperial echoes, the vibration checks, and the
// lengths the coefficient labels show.

#include "TestSupport.h"
#include "core/NumText.h"
#include "design/Vibration.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Text = std::optional<QString>;

Text General(std::optional<float> v) { return v ? Text(numtext::General(*v)) : std::nullopt; }

// What a function of a row of tests/data/design/vibration.tsv gives for its texts.
Text Compute(const QString &function, const QStringList &a)
{
    if (function == "velocity")
        return VelocityText({a[0], a[1], a[2], a[3]});
    if (function == "single")
        return General(PeakParticleVelocity(a[0].toFloat(), a[1].toFloat(), a[2].toFloat(), a[3].toFloat()));
    if (function == "stored")
        return General(StoredVelocity(a[0]));
    if (function == "distance")
        return DistanceEcho(a[0]);
    if (function == "charge")
        return ChargeEcho(a[0]);
    tableKey(function, {"velocity echo"}); // the last one: any other name is misspelt
    return VelocityEcho(a[0]);
}

} // namespace

TEST(Vibration, VelocityEchoesAndTheStoredVelocity)
{
    for (const QStringList &r : testTable(QStringLiteral("design/vibration.tsv")))
        EXPECT_EQ(Compute(r[1], r.mid(3)).value_or("none"), r[2]) << r[0].toStdString();
}

TEST(Vibration, ChecksInTheirOrder)
{
    for (const QStringList &r : testTable(QStringLiteral("design/vibration-checks.tsv"))) {
        const auto f = ValidateVibrationInputs({r[0], r[1], r[2], r[3]});
        const QStringList shown = f ? QStringList{f->control, f->message} : QStringList{"passes"};
        EXPECT_EQ(shown, rowTail(r, 4)) << r.mid(0, 4).join(u' ').toStdString();
    }
}

TEST(Vibration, CoefficientLengths)
{
    const CoefficientTexts defaults{"3.00", "80", "1.00", "20", "1.50", "40", "0.30", "10"};
    const CoefficientLabels blank{"?", "?", "?", "?", "?", "?"};
#define BOX(f) {QStringLiteral(#f), &CoefficientTexts::f}
    const QMap<QString, QString CoefficientTexts::*> boxes = {BOX(txtFortio), BOX(txtDiametros), BOX(txtApostasi)};
#undef BOX
    for (const QStringList &r : testTable(QStringLiteral("design/coefficient-lengths.tsv"))) {
        ASSERT_TRUE(boxes.contains(r[1])) << r[1].toStdString();
        CoefficientTexts t = defaults;
        t.*boxes.value(r[1]) = r[2];
        const CoefficientLabels labels = CoefficientLabelTexts(t, blank, r[3] == "1");
        EXPECT_EQ(QStringList(labels.begin(), labels.end()), r.mid(4)) << r[0].toStdString();
    }
}
