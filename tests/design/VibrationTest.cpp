// Peak particle velocity, its checks, the imperial echoes and the coefficient lengths.

#include "TestSupport.h"
#include "design/Vibration.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
VibrationTexts texts(const char *Q, const char *D, const char *K, const char *n)
{
    return {QString::fromUtf8(Q), QString::fromUtf8(D), QString::fromUtf8(K), QString::fromUtf8(n)};
}

std::optional<QString> none() { return std::nullopt; }
} // namespace

TEST(Vibration, VelocityOfScaledDistance)
{
    struct Row {
        const char *Q, *D, *K, *n;
        std::optional<QString> expected;
    };
    const Row rows[] = {
        // New project: D/sqrt(Q) = 30, 1142.7 x 30^-1.6 = 4.949.
        {"400", "600", "1142.7", "1.6", QString("4.95")},
        {"100", "10", "1000", "1", QString("1000.00")},
        {"1", "1", "1142.7", "1.6", QString("1142.70")},
        {"400", "600 m", "1142.7", "1.6", QString("4.95")},
        // Q too small for a single: a division by zero, nothing shown.
        {"1e-50", "600", "1142.7", "1.6", none()},
        // A power beyond the single range.
        {"1", "1e-10", "1000", "5", none()},
        // Q beyond the single range: the scaled distance is 0, its negative power infinite.
        {"1e39", "600", "1142.7", "1.6", none()},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(std::string(r.Q) + " " + r.D + " " + r.K + " " + r.n);
        EXPECT_EQ(VelocityText(texts(r.Q, r.D, r.K, r.n)), r.expected);
    }
    EXPECT_NEAR(*PeakParticleVelocity(400, 600, 1142.7f, 1.6f), 4.9492, 1e-4);
    EXPECT_FALSE(PeakParticleVelocity(0, 600, 1142.7f, 1.6f).has_value());
    EXPECT_FALSE(PeakParticleVelocity(-4, 600, 1142.7f, 1.6f).has_value());
}

TEST(Vibration, ChecksInTheirOrder)
{
    const QString numeric = "Κάποια τιμή δεν έχει αριθμητική μορφή!";
    struct Row {
        VibrationTexts in;
        const char *control; // nullptr: passes
        QString message;
    };
    const Row rows[] = {
        {texts("400", "600", "1142.7", "1.6"), nullptr, ""},
        {texts("abc", "600", "1142.7", "1.6"), "", numeric},
        {texts("0", "0", "1142.7", "-"), "", numeric},
        {texts("0", "0", "0", "0"), "txtKatanalosiAnaEpivradynsi",
         "Το Βάρος Εκρηκτικών ανά Επιβράδυνση πρεπει να είναι θετικό"},
        {texts("", "600", "1142.7", "1.6"), "txtKatanalosiAnaEpivradynsi",
         "Το Βάρος Εκρηκτικών ανά Επιβράδυνση πρεπει να είναι θετικό"},
        {texts("400", "", "1142.7", "1.6"), "txtDistance", "Η Απόσταση πρέπει να είναι θετική!"},
        {texts("400", "600", "-1", "0"), "txtStatherak", "Ο Συντελεστής Κ πρέπει να είναι Θετικός"},
        {texts("400", "600", "1142.7", "0"), "txtStatheran", "Ο Συντελεστής n πρέπει να είναι Θετικός"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.in.txtKatanalosiAnaEpivradynsi.toStdString() + " " + r.in.txtDistance.toStdString());
        const auto f = ValidateVibrationInputs(r.in);
        if (!r.control) {
            EXPECT_FALSE(f.has_value());
            continue;
        }
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->control, QString::fromLatin1(r.control));
        EXPECT_EQ(f->message, r.message);
    }
}

TEST(Vibration, Echoes)
{
    struct Row {
        std::optional<QString> (*echo)(const QString &);
        const char *text;
        std::optional<QString> expected;
    };
    const Row rows[] = {
        {DistanceEcho, "600", QString("1968.48 ft")},
        {DistanceEcho, "", QString("0.00 ft")},
        {DistanceEcho, "abc", QString("0.00 ft")},
        {DistanceEcho, "-10", QString("-32.81 ft")},
        {DistanceEcho, "1e39", none()},
        {ChargeEcho, "400", QString("881.84 lbs")},
        {ChargeEcho, "abc", QString("0.00 lbs")},
        {ChargeEcho, "", QString("0.00 lbs")},
        {VelocityEcho, "4.95", QString("0.19 in/sec")},
        {VelocityEcho, "100", QString("3.94 in/sec")},
        {VelocityEcho, "", QString("0.00 in/sec")},
        {VelocityEcho, "x", QString("0.00 in/sec")}, // no numeric test: the number it starts with
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(r.echo(QString::fromUtf8(r.text)), r.expected);
    }
}

TEST(Vibration, StoredVelocityHasTwoDecimals)
{
    EXPECT_EQ(*StoredVelocity("4.949"), 4.95f);
    EXPECT_EQ(*StoredVelocity("4.955"), 4.96f); // halves away from zero on the text
    EXPECT_EQ(*StoredVelocity(""), 0.0f);
    EXPECT_EQ(*StoredVelocity("12.3abc"), 12.3f);
    EXPECT_FALSE(StoredVelocity("1e39").has_value());
}

TEST(Vibration, CoefficientLengths)
{
    const CoefficientTexts defaults{"3.00", "80", "1.00", "20", "1.50", "40", "0.30", "10"};
    const CoefficientLabels blank{"?", "?", "?", "?", "?", "?"};

    // Order: Label27, Label49, Label34, Label51, Label33, Label50.
    const CoefficientLabels all{"3.00 m", "1.60 m", "4.50 m", "3.20 m", "0.90 m", "0.80 m"};
    EXPECT_EQ(CoefficientLabelTexts(defaults, blank, true), all);
    EXPECT_EQ(CoefficientLabelTexts(defaults, blank, false), all);

    struct Row {
        const char *what;
        QString CoefficientTexts::*field;
        const char *text;
        bool loading;
        CoefficientLabels expected;
    };
    const Row rows[] = {
        {"empty stemming coefficient", &CoefficientTexts::txtEpigomosi, "", true,
         {"0.00 m", "1.60 m", "4.50 m", "3.20 m", "0.90 m", "0.80 m"}},
        {"non-numeric coefficient", &CoefficientTexts::txtEpigD, "2x", true,
         {"3.00 m", "0.00 m", "4.50 m", "3.20 m", "0.90 m", "0.80 m"}},
        // A non-numeric burden freezes the burden rows while loading ...
        {"burden x, loading", &CoefficientTexts::txtFortio, "x", true,
         {"?", "1.60 m", "?", "3.20 m", "?", "0.80 m"}},
        // ... and shows no length once the user edits.
        {"burden x", &CoefficientTexts::txtFortio, "x", false,
         {"0.00 m", "1.60 m", "0.00 m", "3.20 m", "0.00 m", "0.80 m"}},
        {"empty burden", &CoefficientTexts::txtFortio, "", false,
         {"0.00 m", "1.60 m", "0.00 m", "3.20 m", "0.00 m", "0.80 m"}},
        {"empty diameter", &CoefficientTexts::txtDiametros, "", false,
         {"3.00 m", "0.00 m", "4.50 m", "0.00 m", "0.90 m", "0.00 m"}},
        {"non-numeric diameter", &CoefficientTexts::txtDiametros, "8o", false,
         {"3.00 m", "?", "4.50 m", "?", "0.90 m", "?"}},
        // A length beyond the single range is not shown.
        {"huge coefficient", &CoefficientTexts::txtApostasi, "2e38", false,
         {"3.00 m", "1.60 m", "?", "3.20 m", "0.90 m", "0.80 m"}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        CoefficientTexts t = defaults;
        t.*(r.field) = QString::fromUtf8(r.text);
        EXPECT_EQ(CoefficientLabelTexts(t, blank, r.loading), r.expected);
    }

    // Burden 3 and stemming 1; diameter 80 and stemming 20.
    CoefficientTexts t = defaults;
    t.txtFortio = "3";
    t.txtEpigomosi = "1";
    EXPECT_EQ(CoefficientLabelTexts(t, blank, false)[kLabel27], "3.00 m");
}
