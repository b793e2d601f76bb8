// The design window's input checks over snapshots of its texts: every check in its
// order with its Greek message and tab, the boundaries, and the counts and values the
// record could not hold. How the window shows a failure is in DesignWindowTest.

#include "DesignFixtures.h"
#include "design/DesignInputChecks.h"

namespace {

struct Expected {
    const char *control;
    const char *message;
    const char *tabControl;
    int tab;
};

// What each check reports, by its number.
const Expected kChecks[] = {
    {"", "Κάποια τιμή δεν έχει αριθμητική μορφή!", "", -1},
    {"txtFortio", "Το Φορτίο κυμαίνεται μεταξύ 0,1m και 10m!", "", -1},
    {"txtEpigomosi", "Ο Συντελεστής Επιγόμωσης κυμαίνεται μεταξύ 0,1 και 2,0!", "SSTab2", 0},
    {"txtYpodiatrisi", "Ο Συντελεστής Υποδιάτρησης κυμαίνεται μεταξύ 0,1 και 1,0!", "SSTab2", 0},
    {"txtApostasi", "Ο Συντελεστής Απόστασης Διατρημάτων κυμαίνεται μεταξύ 0,1 και 2,0!", "SSTab2", 0},
    {"txtEpigD", "Ο Συντελεστής Επιγόμωσης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!", "SSTab2", 1},
    {"txtYpodD", "Ο Συντελεστής Υποδιάτρησης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!", "SSTab2", 1},
    {"txtApostasiD", "Ο Συντελεστής Απόστασης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!", "SSTab2", 1},
    {"txtDiametros", "Η Διάμετρος Διατρήματος κυμαίνεται μεταξύ 15mm και 500mm!", "SSTab3", 0},
    {"txtEidvarek", "Η Πυκνότητα Εκρηκτικού πρέπει να είναι Θετική", "SSTab3", 0},
    {"txtEnisxysi", "Το Βάρος του Ενισχυτικού πρέπει να είναι >=0 ", "SSTab3", 0},
    {"txtEidvarEE", "Η Πυκνότητα του Εκρηκτικού Ενίσχυσης πρέπει να είναι Θετική!", "SSTab3", 0},
    {"txtParagogi", "Η Επιθυμητή Παραγωγή πρέπει να είναι Θετική!", "SSTab3", 1},
    {"txtDX", "Τα διατρήματα ανά σειρά πρέπει να είναι Θετικά!", "SSTab3", 1},
    {"txtDY", "Ο αριθμός σειρών πρέπει να είναι Θετικός!", "SSTab3", 1},
    {"txtEidvarPe", "Η Πυκνότητα Πετρώματος πρέπει να είναι Θετικό!", "SSTab3", 1},
    {"txtYpsos", "Το Ύψος Βαθμίδας πρέπει να είναι Θετικό!", "SSTab3", 1},
    {"txtMaxNperDelay", "Ο Μέγιστος αριθμός διατρημάτων ανά επιβράδυνση πρέπει να είναι >=0", "SSTab3", 2},
    {"cmbNoEpif", "Ο Αριθμός Ελευθέρων Επιφανειών πρέπει να είναι 1<=N<=2 !", "SSTab3", 2},
    {"txtSeires", "Ο Αριθμός Σειρών πρέπει να είναι Θετικός!", "SSTab3", 2},
};

using I = DesignInputs;

} // namespace

TEST(DesignInputChecks, EachCheckInItsOrderWithItsBoundaries)
{
    const struct {
        QString DesignInputs::*field;
        const char *text;
        int productionMode;
        int check; // -1: all pass
    } rows[] = {
        // One failing value per check, in the order of the checks.
        {&I::txtFortio, "abc", 0, 0}, {&I::txtMaxNperDelay, "1,5", 0, 0}, {&I::txtParagogi, "-", 0, 0},
        {&I::txtFortio, "", 0, 1}, {&I::txtEpigomosi, "2.01", 0, 2}, {&I::txtYpodiatrisi, "1.01", 0, 3},
        {&I::txtApostasi, "0.1", 0, 4}, {&I::txtEpigD, "0", 0, 5}, {&I::txtYpodD, "-1", 0, 6},
        {&I::txtApostasiD, "", 0, 7}, {&I::txtDiametros, "15", 0, 8}, {&I::txtEidvarek, "0", 0, 9},
        {&I::txtEnisxysi, "-1", 0, 10}, {&I::txtEidvarEE, "0", 0, 11}, {&I::txtParagogi, "0", 0, 12},
        {&I::txtDX, "0", 1, 13}, {&I::txtDY, "-2", 1, 14}, {&I::txtEidvarPe, "0", 0, 15},
        {&I::txtYpsos, "", 0, 16}, {&I::txtMaxNperDelay, "-1", 0, 17}, {&I::cmbNoEpif, "3", 0, 18},
        {&I::txtSeires, "0", 0, 19},
        // Burden 0.1 .. below 10; stemming 0.1 .. 2.0; sub-drilling 0.1 .. 1.0; spacing above 0.1 .. 2.0.
        {&I::txtFortio, "0.1", 0, -1}, {&I::txtFortio, "9.99", 0, -1}, {&I::txtFortio, "10", 0, 1},
        {&I::txtFortio, "0.09", 0, 1}, {&I::txtEpigomosi, "0.1", 0, -1}, {&I::txtEpigomosi, "2.0", 0, -1},
        {&I::txtEpigomosi, "0.09", 0, 2}, {&I::txtYpodiatrisi, "1.0", 0, -1}, {&I::txtYpodiatrisi, "0.1", 0, -1},
        {&I::txtApostasi, "0.11", 0, -1}, {&I::txtApostasi, "2.0", 0, -1}, {&I::txtApostasi, "2.01", 0, 4},
        // Diameter above 15 .. 500; free faces 1 .. 2.
        {&I::txtDiametros, "15.01", 0, -1}, {&I::txtDiametros, "500", 0, -1}, {&I::txtDiametros, "500.1", 0, 8},
        {&I::cmbNoEpif, "2", 0, -1}, {&I::cmbNoEpif, "1.5", 0, -1}, {&I::cmbNoEpif, "0.99", 0, 18},
        {&I::cmbNoEpif, "", 0, 18},
        // Not in the numeric test: read by the leading-number rule.
        {&I::txtEpigD, "abc", 0, 5}, {&I::txtEpigD, "5abc", 0, -1},
        // Zero passes where the message says ">=0".
        {&I::txtEnisxysi, "0", 0, -1}, {&I::txtMaxNperDelay, "0", 0, -1},
        // Only the inputs of the chosen production mode must be positive.
        {&I::txtParagogi, "0", 1, -1}, {&I::txtDX, "0", 0, -1}, {&I::txtDY, "0", 0, -1},
        // Positive as typed, but no hole or row once rounded (halves to even).
        {&I::txtDX, "0.4", 1, 13}, {&I::txtDX, "0.5", 1, 13}, {&I::txtDX, "0.6", 1, -1},
        {&I::txtDY, "0.4", 1, 14}, {&I::txtSeires, "0.4", 0, 19}, {&I::txtSeires, "1.5", 0, -1},
        {&I::txtMaxNperDelay, "0.4", 0, 17}, {&I::txtMaxNperDelay, "0.6", 0, -1},
        // 16-bit counts, whichever production mode is chosen.
        {&I::txtDX, "40000", 0, 13}, {&I::txtDX, "32767", 0, -1}, {&I::txtDX, "32768", 1, 13},
        {&I::txtDY, "-40000", 0, 14}, {&I::txtDY, "-32768", 0, -1}, {&I::txtSeires, "32767", 0, -1},
        {&I::txtSeires, "32768", 0, 19},
        // Values no single can hold.
        {&I::txtEpigD, "1e39", 0, 5}, {&I::txtEidvarek, "1e39", 0, 9}, {&I::txtParagogi, "1e39", 1, 12},
        {&I::txtYpsos, "3e38", 0, -1},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.text);
        DesignInputs in = DefaultDesignInputs();
        in.optProduction = r.productionMode;
        if (r.productionMode == 1) {
            in.txtDX = "5";
            in.txtDY = "3";
        }
        in.*(r.field) = QString::fromUtf8(r.text);
        const auto failure = ValidateDesignInputs(in);
        ASSERT_EQ(failure.has_value(), r.check >= 0) << "check " << (failure ? failure->check : -1);
        if (!failure)
            continue;
        const Expected &e = kChecks[r.check];
        EXPECT_EQ(failure->check, r.check);
        EXPECT_EQ(failure->control, e.control);
        EXPECT_EQ(failure->message, e.message);
        EXPECT_EQ(failure->tabControl, e.tabControl);
        EXPECT_EQ(failure->tab, e.tab);
    }
}

TEST(DesignInputChecks, OnlyTheFirstFailureIsReported)
{
    DesignInputs in = DefaultDesignInputs();
    EXPECT_FALSE(ValidateDesignInputs(in).has_value());
    in.txtSeires = "0";
    in.txtEidvarek = "0";
    in.txtEpigD = "0";
    EXPECT_EQ(ValidateDesignInputs(in)->check, 5);
    // The numeric test comes before every range check.
    in.txtFortio = "99";
    in.txtYpsos = "x";
    EXPECT_EQ(ValidateDesignInputs(in)->check, 0);
}
