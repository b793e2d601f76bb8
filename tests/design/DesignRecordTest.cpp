// The design record and the window's texts both ways, and the burden sources.

#include "TestSupport.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "design/DesignRecord.h"

#include <gtest/gtest.h>

TEST(DesignWindowRecord, TextsOfANewProject)
{
    ResetProjectDefaults(255, 255);
    const DesignTexts t = DesignRecordTexts(project().BlastDesign);
    const DesignInputs &in = t.inputs;
    const std::pair<QString, const char *> expected[] = {
        {in.txtFortio, "3.00"},      {in.txtEpigomosi, "1.00"},  {in.txtYpodiatrisi, "0.30"}, {in.txtApostasi, "1.50"},
        {in.txtEpigD, "20"},         {in.txtYpodD, "10"},        {in.txtApostasiD, "40"},     {in.txtDiametros, "80"},
        {in.txtEidvarek, "0.90"},    {in.txtEnisxysi, "1"},      {in.txtEidvarEE, "1.2"},     {in.txtEidvarPe, "2.60"},
        {in.txtYpsos, "12.00"},      {in.txtParagogi, "4000"},   {in.txtDX, "0"},             {in.txtDY, "0"},
        {in.txtMaxNperDelay, "2"},   {in.cmbNoEpif, "1"},        {in.txtSeires, "2"},         {in.txtCostExpl, "1"},
        {in.txtCostBooster, "1.5"},  {in.txtCostDrill, "5"},     {in.txtCostCap, "1"},        {in.txtCostInit, "0"},
        {t.vibration.txtKatanalosiAnaEpivradynsi, "400"},        {t.vibration.txtDistance, "600"},
        {t.vibration.txtStatherak, "1142.7"},                    {t.vibration.txtStatheran, "1.6"},
    };
    for (const auto &[text, want] : expected)
        EXPECT_EQ(text, QString::fromLatin1(want));
    EXPECT_EQ(in.SSTab2, 0);
    EXPECT_EQ(in.optEnausi, 0);
    EXPECT_EQ(in.optProduction, 0);

    // The diameter coefficients show whole numbers, the burden two decimals.
    BlastDesignRec d = project().BlastDesign;
    d.StemCoefD = 22.5f;
    d.Burden = 2.675f;
    d.HolesX = -7;
    const DesignTexts u = DesignRecordTexts(d);
    EXPECT_EQ(u.inputs.txtEpigD, "23");
    EXPECT_EQ(u.inputs.txtFortio, "2.68");
    EXPECT_EQ(u.inputs.txtDX, "-7");
}

TEST(DesignWindowRecord, ReadingTheTexts)
{
    ResetProjectDefaults(255, 255);
    DesignTexts t = DesignRecordTexts(project().BlastDesign);
    t.inputs.txtFortio = " 3.456abc";
    t.inputs.txtDX = "2.5";
    t.inputs.txtDY = "3.5";
    t.inputs.txtSeires = "x";
    t.inputs.cmbNoEpif = "2.5";
    t.inputs.SSTab2 = 2;
    t.inputs.optEnausi = 3;
    t.inputs.optProduction = 1;
    t.inputs.txtCostDrill = "7.25";
    t.vibration.txtDistance = "";

    BlastDesignRec rec = project().BlastDesign;
    ASSERT_TRUE(ReadDesignRecord(t.inputs, t.vibration, rec, false));
    EXPECT_EQ(rec.Burden, 3.456f);
    EXPECT_EQ(rec.HolesX, 2); // halves to even
    EXPECT_EQ(rec.HolesY, 4);
    EXPECT_EQ(rec.MaxRows, 0);
    EXPECT_EQ(rec.FreeFaces, 2.5f); // a single, as typed
    EXPECT_EQ(rec.CoefBasis, 2);
    EXPECT_EQ(rec.Pattern, 3);
    EXPECT_EQ(rec.ProductionMode, 1);
    EXPECT_EQ(rec.Distance, 0.0f);
    EXPECT_EQ(rec.CostDrill, 5.0f); // prices only with the commit
    ASSERT_TRUE(ReadDesignRecord(t.inputs, t.vibration, rec, true));
    EXPECT_EQ(rec.CostDrill, 7.25f);

    // A value the record cannot hold writes nothing at all.
    struct Bad {
        QString DesignInputs::*field;
        const char *text;
    };
    for (const Bad &b : {Bad{&DesignInputs::txtDX, "32768"}, Bad{&DesignInputs::txtSeires, "-32769"},
                         Bad{&DesignInputs::txtEpigD, "1e39"}, Bad{&DesignInputs::txtCostInit, "-1e39"}}) {
        SCOPED_TRACE(b.text);
        DesignInputs in = t.inputs;
        in.txtFortio = "9";
        in.*(b.field) = QString::fromLatin1(b.text);
        BlastDesignRec before = project().BlastDesign;
        BlastDesignRec r = before;
        EXPECT_FALSE(ReadDesignRecord(in, t.vibration, r, true));
        EXPECT_EQ(r.Burden, before.Burden);
        EXPECT_EQ(r.HolesX, before.HolesX);
    }
}

TEST(DesignWindowRecord, BurdenSources)
{
    ResetProjectDefaults(255, 255);
    ProjectState p = project();
    p.AndersonDiam = 4;
    p.AshDiam = 3;
    p.KonyaDiam = 5;
    p.JimenoDiam = 2.5f;
    p.FraenkelDiam = 101.5f;
    p.LangeforsDiam = 90;
    p.PearseDiam = 110.125f;

    struct Row {
        int index;
        const char *result;
        const char *burden;
        const char *diameter;
        std::optional<QString> explosive, rock;
    };
    const Row rows[] = {
        {0, "10.00", "3.05", "101.60", std::nullopt, std::nullopt}, // feet to metres, inches to mm
        {1, "9.84", "3.00", "76.20", QString("1.2"), QString("2.7")},
        {2, "2.87", "2.87", "101.5", std::nullopt, std::nullopt},
        {3, "10.95", "3.34", "127.00", QString("0.9"), QString("2.7")},
        {4, "3.1", "3.1", "90.00", QString("1.2"), std::nullopt},
        {5, "2.75", "2.75", "110.13", std::nullopt, std::nullopt},
        {6, "1.93", "1.93", "63.50", std::nullopt, std::nullopt},
        {0, "abc", "0.00", "101.60", std::nullopt, std::nullopt},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.index);
        const auto t = BurdenFromCalculator(r.index, QString::fromLatin1(r.result), p);
        ASSERT_TRUE(t.has_value());
        EXPECT_EQ(t->burden, QString::fromLatin1(r.burden));
        EXPECT_EQ(t->diameter, QString::fromLatin1(r.diameter));
        EXPECT_EQ(t->explosiveDensity, r.explosive);
        EXPECT_EQ(t->rockDensity, r.rock);
    }
    // The user's own burden, or no calculator at all.
    EXPECT_FALSE(BurdenFromCalculator(7, "3", p).has_value());
    EXPECT_FALSE(BurdenFromCalculator(-1, "3", p).has_value());
    // A result beyond the single range is no burden.
    EXPECT_FALSE(BurdenFromCalculator(0, "1e39", p).has_value());
}
