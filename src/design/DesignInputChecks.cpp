#include "design/DesignInputChecks.h"

#include "core/Checks.h"
#include "core/NumText.h"

#include <cmath>
#include <functional>
#include <vector>

using numtext::RoundHalfEven;
using numtext::Val;

namespace {

// The record keeps these values as singles: beyond that range they would be stored
// as infinity.
bool noSingle(double v) { return !std::isfinite(static_cast<float>(v)); }
// HolesX, HolesY and MaxRows are 16-bit.
bool no16Bit(double v) { return v < -32768.0 || v > 32767.0; }
// A count that is positive as typed but rounds to no hole or row.
bool noCount(double v) { return v <= 0 || RoundHalfEven(v) <= 0; }

struct RangeCheck {
    QString DesignInputs::*text;
    QString control;
    QString message;
    QString tabControl;
    int tab;
    std::function<bool(double v, int productionMode)> fails;
};

const std::vector<RangeCheck> &rangeChecks()
{
    static const std::vector<RangeCheck> checks = {
        {&DesignInputs::txtFortio, QStringLiteral("txtFortio"),
         QStringLiteral("Το Φορτίο κυμαίνεται μεταξύ 0,1m και 10m!"), QString(), -1,
         [](double v, int) { return v < 0.1 || v >= 10; }},
        {&DesignInputs::txtEpigomosi, QStringLiteral("txtEpigomosi"),
         QStringLiteral("Ο Συντελεστής Επιγόμωσης κυμαίνεται μεταξύ 0,1 και 2,0!"), QStringLiteral("SSTab2"), 0,
         [](double v, int) { return v < 0.1 || v > 2.0; }},
        {&DesignInputs::txtYpodiatrisi, QStringLiteral("txtYpodiatrisi"),
         QStringLiteral("Ο Συντελεστής Υποδιάτρησης κυμαίνεται μεταξύ 0,1 και 1,0!"), QStringLiteral("SSTab2"), 0,
         [](double v, int) { return v < 0.1 || v > 1.0; }},
        {&DesignInputs::txtApostasi, QStringLiteral("txtApostasi"),
         QStringLiteral("Ο Συντελεστής Απόστασης Διατρημάτων κυμαίνεται μεταξύ 0,1 και 2,0!"), QStringLiteral("SSTab2"),
         0, [](double v, int) { return v <= 0.1 || v > 2.0; }},
        {&DesignInputs::txtEpigD, QStringLiteral("txtEpigD"),
         QStringLiteral("Ο Συντελεστής Επιγόμωσης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!"),
         QStringLiteral("SSTab2"), 1, [](double v, int) { return v <= 0 || noSingle(v); }},
        {&DesignInputs::txtYpodD, QStringLiteral("txtYpodD"),
         QStringLiteral("Ο Συντελεστής Υποδιάτρησης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!"),
         QStringLiteral("SSTab2"), 1, [](double v, int) { return v <= 0 || noSingle(v); }},
        {&DesignInputs::txtApostasiD, QStringLiteral("txtApostasiD"),
         QStringLiteral("Ο Συντελεστής Απόστασης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!"),
         QStringLiteral("SSTab2"), 1, [](double v, int) { return v <= 0 || noSingle(v); }},
        {&DesignInputs::txtDiametros, QStringLiteral("txtDiametros"),
         QStringLiteral("Η Διάμετρος Διατρήματος κυμαίνεται μεταξύ 15mm και 500mm!"), QStringLiteral("SSTab3"), 0,
         [](double v, int) { return v <= 15 || v > 500; }},
        {&DesignInputs::txtEidvarek, QStringLiteral("txtEidvarek"),
         QStringLiteral("Η Πυκνότητα Εκρηκτικού πρέπει να είναι Θετική"), QStringLiteral("SSTab3"), 0,
         [](double v, int) { return v <= 0 || noSingle(v); }},
        {&DesignInputs::txtEnisxysi, QStringLiteral("txtEnisxysi"),
         QStringLiteral("Το Βάρος του Ενισχυτικού πρέπει να είναι >=0 "), QStringLiteral("SSTab3"), 0,
         [](double v, int) { return v < 0 || noSingle(v); }},
        {&DesignInputs::txtEidvarEE, QStringLiteral("txtEidvarEE"),
         QStringLiteral("Η Πυκνότητα του Εκρηκτικού Ενίσχυσης πρέπει να είναι Θετική!"), QStringLiteral("SSTab3"), 0,
         [](double v, int) { return v <= 0 || noSingle(v); }},
        // The production inputs of the mode not chosen are stored too, so their range
        // matters in either mode.
        {&DesignInputs::txtParagogi, QStringLiteral("txtParagogi"),
         QStringLiteral("Η Επιθυμητή Παραγωγή πρέπει να είναι Θετική!"), QStringLiteral("SSTab3"), 1,
         [](double v, int p) { return (p == 0 && v <= 0) || noSingle(v); }},
        {&DesignInputs::txtDX, QStringLiteral("txtDX"), QStringLiteral("Τα διατρήματα ανά σειρά πρέπει να είναι Θετικά!"),
         QStringLiteral("SSTab3"), 1, [](double v, int p) { return (p == 1 && noCount(v)) || no16Bit(v); }},
        {&DesignInputs::txtDY, QStringLiteral("txtDY"), QStringLiteral("Ο αριθμός σειρών πρέπει να είναι Θετικός!"),
         QStringLiteral("SSTab3"), 1, [](double v, int p) { return (p == 1 && noCount(v)) || no16Bit(v); }},
        {&DesignInputs::txtEidvarPe, QStringLiteral("txtEidvarPe"),
         QStringLiteral("Η Πυκνότητα Πετρώματος πρέπει να είναι Θετικό!"), QStringLiteral("SSTab3"), 1,
         [](double v, int) { return v <= 0 || noSingle(v); }},
        {&DesignInputs::txtYpsos, QStringLiteral("txtYpsos"), QStringLiteral("Το Ύψος Βαθμίδας πρέπει να είναι Θετικό!"),
         QStringLiteral("SSTab3"), 1, [](double v, int) { return v <= 0 || noSingle(v); }},
        // 0 lets the pattern decide; a fraction that rounds to 0 would look like a
        // typed limit of no holes at all.
        {&DesignInputs::txtMaxNperDelay, QStringLiteral("txtMaxNperDelay"),
         QStringLiteral("Ο Μέγιστος αριθμός διατρημάτων ανά επιβράδυνση πρέπει να είναι >=0"), QStringLiteral("SSTab3"), 2,
         [](double v, int) { return v < 0 || (v > 0 && RoundHalfEven(v) == 0) || noSingle(v); }},
        {&DesignInputs::cmbNoEpif, QStringLiteral("cmbNoEpif"),
         QStringLiteral("Ο Αριθμός Ελευθέρων Επιφανειών πρέπει να είναι 1<=N<=2 !"), QStringLiteral("SSTab3"), 2,
         [](double v, int) { return v < 1 || v > 2; }},
        {&DesignInputs::txtSeires, QStringLiteral("txtSeires"), QStringLiteral("Ο Αριθμός Σειρών πρέπει να είναι Θετικός!"),
         QStringLiteral("SSTab3"), 2, [](double v, int) { return noCount(v) || no16Bit(v); }},
    };
    return checks;
}

} // namespace

std::optional<DesignCheckFailure> ValidateDesignInputs(const DesignInputs &in)
{
    const int p = in.optProduction;

    for (const QString *text : {&in.txtFortio, &in.txtEpigomosi, &in.txtYpodiatrisi, &in.txtApostasi, &in.txtDiametros,
                                &in.txtEidvarek, &in.txtEidvarPe, &in.txtYpsos, &in.txtParagogi, &in.txtMaxNperDelay})
        if (!IsNumericOrEmpty(*text))
            return DesignCheckFailure{0, QString(), NotNumericMessage(), QString(), -1};

    const std::vector<RangeCheck> &checks = rangeChecks();
    for (size_t i = 0; i < checks.size(); ++i) {
        const RangeCheck &c = checks[i];
        if (c.fails(Val(in.*c.text), p))
            return DesignCheckFailure{int(i) + 1, c.control, c.message, c.tabControl, c.tab};
    }
    return std::nullopt;
}

std::optional<DesignCheckFailure> ValidateStoredValues(const DesignInputs &in, const VibrationTexts &vib)
{
    struct Stored {
        const QString &text;
        QString control;
        QString tabControl;
        int tab;
    };
    const QString tab1 = QStringLiteral("SSTab1");
    const QString tab3 = QStringLiteral("SSTab3");
    // In the order the record is written.
    const Stored stored[] = {
        {vib.txtKatanalosiAnaEpivradynsi, QStringLiteral("txtKatanalosiAnaEpivradynsi"), tab1, 2},
        {vib.txtDistance, QStringLiteral("txtDistance"), tab1, 2},
        {vib.txtStatherak, QStringLiteral("txtStatherak"), tab1, 2},
        {vib.txtStatheran, QStringLiteral("txtStatheran"), tab1, 2},
        {in.txtCostCap, QStringLiteral("txtCostCap"), tab3, 3},
        {in.txtCostInit, QStringLiteral("txtCostInit"), tab3, 3},
        {in.txtCostDrill, QStringLiteral("txtCostDrill"), tab3, 3},
        {in.txtCostExpl, QStringLiteral("txtCostExpl"), tab3, 3},
        {in.txtCostBooster, QStringLiteral("txtCostBooster"), tab3, 3},
    };
    for (const Stored &s : stored)
        if (noSingle(Val(s.text)))
            return DesignCheckFailure{20, s.control, NotNumericMessage(), s.tabControl, s.tab};
    return std::nullopt;
}
