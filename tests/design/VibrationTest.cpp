// Peak particle velocity and the imperial echoes, the vibration checks, and the
// lengths the coefficient labels show.

#include "TestSupport.h"
#include "core/NumText.h"
#include "design/Vibration.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Text = std::optional<QString>;

Text Velocity(float Q, float D, float K, float n)
{
    const auto v = PeakParticleVelocity(Q, D, K, n);
    return v ? Text(numtext::General(*v)) : std::nullopt;
}

Text Stored(const char *text)
{
    const auto v = StoredVelocity(QString::fromLatin1(text));
    return v ? Text(numtext::General(*v)) : std::nullopt;
}

} // namespace

// Nothing (std::nullopt) where the arithmetic fails: the box or label keeps its text.
TEST(Vibration, VelocityEchoesAndTheStoredVelocity)
{
    const struct {
        const char *what;
        Text (*compute)();
        Text expected;
    } rows[] = {
        {"new project: 1142.7 x (600 / sqrt 400)^-1.6", [] { return VelocityText({"400", "600", "1142.7", "1.6"}); },
         "4.95"},
        {"as a single", [] { return Velocity(400, 600, 1142.7f, 1.6f); }, "4.949236"},
        {"units after the number", [] { return VelocityText({"400", "600 m", "1142.7", "1.6"}); }, "4.95"},
        {"Q too small for a single", [] { return VelocityText({"1e-50", "600", "1142.7", "1.6"}); }, std::nullopt},
        {"a power beyond a single", [] { return VelocityText({"1", "1e-10", "1000", "5"}); }, std::nullopt},
        {"Q beyond a single", [] { return VelocityText({"1e39", "600", "1142.7", "1.6"}); }, std::nullopt},
        {"no charge", [] { return Velocity(0, 600, 1142.7f, 1.6f); }, std::nullopt},
        {"negative charge", [] { return Velocity(-4, 600, 1142.7f, 1.6f); }, std::nullopt},
        {"distance", [] { return DistanceEcho("600"); }, "1968.48 ft"},
        {"empty distance", [] { return DistanceEcho(""); }, "0.00 ft"},
        {"non-numeric distance", [] { return DistanceEcho("abc"); }, "0.00 ft"},
        {"negative distance", [] { return DistanceEcho("-10"); }, "-32.81 ft"},
        {"distance beyond a single", [] { return DistanceEcho("1e39"); }, std::nullopt},
        {"charge", [] { return ChargeEcho("400"); }, "881.84 lbs"},
        {"non-numeric charge", [] { return ChargeEcho("abc"); }, "0.00 lbs"},
        {"velocity", [] { return VelocityEcho("4.95"); }, "0.19 in/sec"},
        {"no numeric test: the number the velocity starts with", [] { return VelocityEcho("x"); }, "0.00 in/sec"},
        {"stored to two decimals", [] { return Stored("4.949"); }, "4.95"},
        {"halves away from zero on the text", [] { return Stored("4.955"); }, "4.96"},
        {"empty velocity", [] { return Stored(""); }, "0"},
        {"leading number", [] { return Stored("12.3abc"); }, "12.3"},
        {"velocity beyond a single", [] { return Stored("1e39"); }, std::nullopt},
    };
    for (const auto &r : rows)
        EXPECT_EQ(r.compute(), r.expected) << r.what;
}

TEST(Vibration, ChecksInTheirOrder)
{
    const QString numeric = "Κάποια τιμή δεν έχει αριθμητική μορφή!";
    const QString charge = "Το Βάρος Εκρηκτικών ανά Επιβράδυνση πρεπει να είναι θετικό";
    const struct {
        VibrationTexts in;
        const char *control; // nullptr: passes
        QString message;
    } rows[] = {
        {{"400", "600", "1142.7", "1.6"}, nullptr, ""},
        {{"abc", "600", "1142.7", "1.6"}, "", numeric},
        {{"0", "0", "1142.7", "-"}, "", numeric},
        {{"0", "0", "0", "0"}, "txtKatanalosiAnaEpivradynsi", charge},
        {{"", "600", "1142.7", "1.6"}, "txtKatanalosiAnaEpivradynsi", charge},
        {{"400", "", "1142.7", "1.6"}, "txtDistance", "Η Απόσταση πρέπει να είναι θετική!"},
        {{"400", "600", "-1", "0"}, "txtStatherak", "Ο Συντελεστής Κ πρέπει να είναι Θετικός"},
        {{"400", "600", "1142.7", "0"}, "txtStatheran", "Ο Συντελεστής n πρέπει να είναι Θετικός"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.in.txtKatanalosiAnaEpivradynsi.toStdString() + " " + r.in.txtDistance.toStdString());
        const auto f = ValidateVibrationInputs(r.in);
        ASSERT_EQ(f.has_value(), r.control != nullptr);
        if (f) {
            EXPECT_EQ(f->control, QString::fromLatin1(r.control));
            EXPECT_EQ(f->message, r.message);
        }
    }
}

TEST(Vibration, CoefficientLengths)
{
    const CoefficientTexts defaults{"3.00", "80", "1.00", "20", "1.50", "40", "0.30", "10"};
    const CoefficientLabels blank{"?", "?", "?", "?", "?", "?"};
    // In the order Label27, Label49, Label34, Label51, Label33, Label50.
    const struct {
        const char *what;
        QString CoefficientTexts::*field;
        const char *text;
        bool loading;
        CoefficientLabels expected;
    } rows[] = {
        {"new project", &CoefficientTexts::txtFortio, "3.00", false,
         {"3.00 m", "1.60 m", "4.50 m", "3.20 m", "0.90 m", "0.80 m"}},
        // A non-numeric burden keeps the burden rows while loading, shows 0 once edited.
        {"burden x, loading", &CoefficientTexts::txtFortio, "x", true, {"?", "1.60 m", "?", "3.20 m", "?", "0.80 m"}},
        {"burden x", &CoefficientTexts::txtFortio, "x", false,
         {"0.00 m", "1.60 m", "0.00 m", "3.20 m", "0.00 m", "0.80 m"}},
        {"non-numeric diameter", &CoefficientTexts::txtDiametros, "8o", false,
         {"3.00 m", "?", "4.50 m", "?", "0.90 m", "?"}},
        {"a length beyond a single is not shown", &CoefficientTexts::txtApostasi, "2e38", false,
         {"3.00 m", "1.60 m", "?", "3.20 m", "0.90 m", "0.80 m"}},
    };
    for (const auto &r : rows) {
        CoefficientTexts t = defaults;
        t.*(r.field) = QString::fromUtf8(r.text);
        EXPECT_EQ(CoefficientLabelTexts(t, blank, r.loading), r.expected) << r.what;
    }
}
