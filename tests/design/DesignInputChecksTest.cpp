// The design window's input checks over snapshots of its texts: every check in its
// order with its Greek message and tab, the boundaries, and the values the record
// could not hold.

#include "TestSupport.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "design/DesignInputChecks.h"
#include "design/DesignRecord.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The inputs of a new project: every check passes.
DesignInputs defaults()
{
    ResetProjectDefaults(255, 255);
    return DesignRecordTexts(project().BlastDesign).inputs;
}

struct Expected {
    QString control;
    QString message;
    QString tabControl;
    int tab;
};

// What each check reports.
const std::map<int, Expected> &expectedChecks()
{
    static const std::map<int, Expected> m = {
        {0, {"", "Κάποια τιμή δεν έχει αριθμητική μορφή!", "", -1}},
        {1, {"txtFortio", "Το Φορτίο κυμαίνεται μεταξύ 0,1m και 10m!", "", -1}},
        {2, {"txtEpigomosi", "Ο Συντελεστής Επιγόμωσης κυμαίνεται μεταξύ 0,1 και 2,0!", "SSTab2", 0}},
        {3, {"txtYpodiatrisi", "Ο Συντελεστής Υποδιάτρησης κυμαίνεται μεταξύ 0,1 και 1,0!", "SSTab2", 0}},
        {4, {"txtApostasi", "Ο Συντελεστής Απόστασης Διατρημάτων κυμαίνεται μεταξύ 0,1 και 2,0!", "SSTab2", 0}},
        {5, {"txtEpigD", "Ο Συντελεστής Επιγόμωσης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!", "SSTab2", 1}},
        {6, {"txtYpodD", "Ο Συντελεστής Υποδιάτρησης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!", "SSTab2", 1}},
        {7, {"txtApostasiD", "Ο Συντελεστής Απόστασης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!", "SSTab2", 1}},
        {8, {"txtDiametros", "Η Διάμετρος Διατρήματος κυμαίνεται μεταξύ 15mm και 500mm!", "SSTab3", 0}},
        {9, {"txtEidvarek", "Η Πυκνότητα Εκρηκτικού πρέπει να είναι Θετική", "SSTab3", 0}},
        {10, {"txtEnisxysi", "Το Βάρος του Ενισχυτικού πρέπει να είναι >=0 ", "SSTab3", 0}},
        {11, {"txtEidvarEE", "Η Πυκνότητα του Εκρηκτικού Ενίσχυσης πρέπει να είναι Θετική!", "SSTab3", 0}},
        {12, {"txtParagogi", "Η Επιθυμητή Παραγωγή πρέπει να είναι Θετική!", "SSTab3", 1}},
        {13, {"txtDX", "Τα διατρήματα ανά σειρά πρέπει να είναι Θετικά!", "SSTab3", 1}},
        {14, {"txtDY", "Ο αριθμός σειρών πρέπει να είναι Θετικός!", "SSTab3", 1}},
        {15, {"txtEidvarPe", "Η Πυκνότητα Πετρώματος πρέπει να είναι Θετικό!", "SSTab3", 1}},
        {16, {"txtYpsos", "Το Ύψος Βαθμίδας πρέπει να είναι Θετικό!", "SSTab3", 1}},
        {17, {"txtMaxNperDelay", "Ο Μέγιστος αριθμός διατρημάτων ανά επιβράδυνση πρέπει να είναι >=0", "SSTab3", 2}},
        {18, {"cmbNoEpif", "Ο Αριθμός Ελευθέρων Επιφανειών πρέπει να είναι 1<=N<=2 !", "SSTab3", 2}},
        {19, {"txtSeires", "Ο Αριθμός Σειρών πρέπει να είναι Θετικός!", "SSTab3", 2}},
    };
    return m;
}

struct Case {
    QString DesignInputs::*field;
    const char *text;
    int productionMode;
    int check; // -1: all pass
};

void expectCase(const Case &c)
{
    DesignInputs in = defaults();
    in.*(c.field) = QString::fromUtf8(c.text);
    in.optProduction = c.productionMode;
    if (c.productionMode == 1) {
        in.txtDX = "5";
        in.txtDY = "3";
        in.*(c.field) = QString::fromUtf8(c.text);
    }
    const auto failure = ValidateDesignInputs(in);
    if (c.check < 0) {
        EXPECT_FALSE(failure.has_value()) << "check " << (failure ? failure->check : 0);
        return;
    }
    ASSERT_TRUE(failure.has_value());
    const Expected &e = expectedChecks().at(c.check);
    EXPECT_EQ(failure->check, c.check);
    EXPECT_EQ(failure->control, e.control);
    EXPECT_EQ(failure->message, e.message);
    EXPECT_EQ(failure->tabControl, e.tabControl);
    EXPECT_EQ(failure->tab, e.tab);
}

using I = DesignInputs;

} // namespace

TEST(DesignInputChecks, NewProjectPasses)
{
    EXPECT_FALSE(ValidateDesignInputs(defaults()).has_value());
}

TEST(DesignInputChecks, EachCheckInItsOrder)
{
    // One failing value per check, in the order of the checks.
    const Case cases[] = {
        {&I::txtFortio, "abc", 0, 0},         {&I::txtMaxNperDelay, "1,5", 0, 0}, {&I::txtParagogi, "-", 0, 0},
        {&I::txtFortio, "", 0, 1},            {&I::txtEpigomosi, "2.01", 0, 2},    {&I::txtYpodiatrisi, "1.01", 0, 3},
        {&I::txtApostasi, "0.1", 0, 4},       {&I::txtEpigD, "0", 0, 5},          {&I::txtYpodD, "-1", 0, 6},
        {&I::txtApostasiD, "", 0, 7},         {&I::txtDiametros, "15", 0, 8},     {&I::txtEidvarek, "0", 0, 9},
        {&I::txtEnisxysi, "-1", 0, 10},       {&I::txtEidvarEE, "0", 0, 11},      {&I::txtParagogi, "0", 0, 12},
        {&I::txtDX, "0", 1, 13},              {&I::txtDY, "-2", 1, 14},           {&I::txtEidvarPe, "0", 0, 15},
        {&I::txtYpsos, "", 0, 16},            {&I::txtMaxNperDelay, "-1", 0, 17}, {&I::cmbNoEpif, "3", 0, 18},
        {&I::txtSeires, "0", 0, 19},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        expectCase(c);
    }
}

TEST(DesignInputChecks, Boundaries)
{
    const Case cases[] = {
        // Burden: 0.1 .. below 10.
        {&I::txtFortio, "0.1", 0, -1}, {&I::txtFortio, "9.99", 0, -1}, {&I::txtFortio, "10", 0, 1},
        {&I::txtFortio, "0.09", 0, 1},
        // Stemming 0.1 .. 2.0, sub-drilling 0.1 .. 1.0, spacing above 0.1 .. 2.0.
        {&I::txtEpigomosi, "0.1", 0, -1}, {&I::txtEpigomosi, "2.0", 0, -1}, {&I::txtEpigomosi, "0.09", 0, 2},
        {&I::txtYpodiatrisi, "1.0", 0, -1}, {&I::txtYpodiatrisi, "0.1", 0, -1},
        {&I::txtApostasi, "0.11", 0, -1}, {&I::txtApostasi, "2.0", 0, -1}, {&I::txtApostasi, "2.01", 0, 4},
        // Diameter above 15 .. 500.
        {&I::txtDiametros, "15.01", 0, -1}, {&I::txtDiametros, "500", 0, -1}, {&I::txtDiametros, "500.1", 0, 8},
        // Not in the numeric test: read by the leading-number rule.
        {&I::txtEpigD, "abc", 0, 5}, {&I::txtEpigD, "5abc", 0, -1},
        // Zero passes where the message says ">=0".
        {&I::txtEnisxysi, "0", 0, -1}, {&I::txtMaxNperDelay, "0", 0, -1},
        // Only the inputs of the chosen production mode must be positive.
        {&I::txtParagogi, "0", 1, -1}, {&I::txtDX, "0", 0, -1}, {&I::txtDY, "0", 0, -1},
        // Free faces 1 .. 2.
        {&I::cmbNoEpif, "2", 0, -1}, {&I::cmbNoEpif, "1.5", 0, -1}, {&I::cmbNoEpif, "0.99", 0, 18},
        {&I::cmbNoEpif, "", 0, 18},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        expectCase(c);
    }
}

TEST(DesignInputChecks, CountsThatRoundToNothingOrOverflow)
{
    const Case cases[] = {
        // Positive as typed, but no hole or row once rounded (halves to even).
        {&I::txtDX, "0.4", 1, 13}, {&I::txtDX, "0.5", 1, 13}, {&I::txtDX, "0.6", 1, -1},
        {&I::txtDY, "0.4", 1, 14}, {&I::txtSeires, "0.4", 0, 19}, {&I::txtSeires, "1.5", 0, -1},
        {&I::txtMaxNperDelay, "0.4", 0, 17}, {&I::txtMaxNperDelay, "0.6", 0, -1},
        // 16-bit counts, whichever production mode is chosen.
        {&I::txtDX, "40000", 0, 13}, {&I::txtDX, "32767", 0, -1}, {&I::txtDX, "32768", 1, 13},
        {&I::txtDY, "-40000", 0, 14}, {&I::txtDY, "-32768", 0, -1},
        {&I::txtSeires, "32767", 0, -1}, {&I::txtSeires, "32768", 0, 19},
        // Values no single can hold.
        {&I::txtEpigD, "1e39", 0, 5}, {&I::txtEidvarek, "1e39", 0, 9}, {&I::txtParagogi, "1e39", 1, 12},
        {&I::txtYpsos, "3e38", 0, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        expectCase(c);
    }
}

TEST(DesignInputChecks, OnlyTheFirstFailureIsReported)
{
    DesignInputs in = defaults();
    in.txtSeires = "0";
    in.txtEidvarek = "0";
    in.txtEpigD = "0";
    EXPECT_EQ(ValidateDesignInputs(in)->check, 5);
    // The numeric test comes before every range check.
    in.txtFortio = "99";
    in.txtYpsos = "x";
    EXPECT_EQ(ValidateDesignInputs(in)->check, 0);
}

TEST(DesignInputChecks, StoredValuesASingleCannotHold)
{
    ResetProjectDefaults(255, 255);
    const DesignTexts t = DesignRecordTexts(project().BlastDesign);
    EXPECT_FALSE(ValidateStoredValues(t.inputs, t.vibration).has_value());

    struct Row {
        QString control;
        QString &(*text)(DesignTexts &);
        QString tabControl;
        int tab;
    };
    const Row rows[] = {
        {"txtKatanalosiAnaEpivradynsi", [](DesignTexts &d) -> QString & { return d.vibration.txtKatanalosiAnaEpivradynsi; },
         "SSTab1", 2},
        {"txtStatheran", [](DesignTexts &d) -> QString & { return d.vibration.txtStatheran; }, "SSTab1", 2},
        {"txtCostCap", [](DesignTexts &d) -> QString & { return d.inputs.txtCostCap; }, "SSTab3", 3},
        {"txtCostBooster", [](DesignTexts &d) -> QString & { return d.inputs.txtCostBooster; }, "SSTab3", 3},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.control.toStdString());
        DesignTexts bad = t;
        QString *text = &r.text(bad);
        *text = "-1e39";
        const auto f = ValidateStoredValues(bad.inputs, bad.vibration);
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->check, 20);
        EXPECT_EQ(f->control, r.control);
        EXPECT_EQ(f->message, QString("Κάποια τιμή δεν έχει αριθμητική μορφή!"));
        EXPECT_EQ(f->tabControl, r.tabControl);
        EXPECT_EQ(f->tab, r.tab);
        // The largest single is still a value.
        *text = "3.4e38";
        EXPECT_FALSE(ValidateStoredValues(bad.inputs, bad.vibration).has_value());
    }
}
