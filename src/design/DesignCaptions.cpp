#include "design/DesignCaptions.h"

const std::vector<DesignCaption> &DesignCaptions()
{
    static const std::vector<DesignCaption> captions = {
        {QStringLiteral(""), -1, QStringLiteral("Σχεδιασμός Ανατίναξης"), QStringLiteral("Blast Design"), false},
        {QStringLiteral("optFortio_0"), -1, QStringLiteral("Εμπειρική Εξίσωση του Anderson"), QStringLiteral("Empirical Equation by Anderson"), true},
        {QStringLiteral("optFortio_1"), -1, QStringLiteral("Εμπειρική Εξίσωση του Ash"), QStringLiteral("Empirical Equation by Ash"), true},
        {QStringLiteral("optFortio_2"), -1, QStringLiteral("Εμπειρική Εξίσωση του Fraenkel"), QStringLiteral("Empirical Equation by Fraenkel"), true},
        {QStringLiteral("optFortio_3"), -1, QStringLiteral("Εμπειρική Εξίσωση του Konya"), QStringLiteral("Empirical Equation by Konya"), true},
        {QStringLiteral("optFortio_4"), -1, QStringLiteral("Εμπειρική Εξίσωση του Langefors"), QStringLiteral("Empirical Equation by Langefors"), true},
        {QStringLiteral("optFortio_5"), -1, QStringLiteral("Εμπειρική Εξίσωση του Pearse"), QStringLiteral("Empirical Equation by Pearse"), true},
        {QStringLiteral("optFortio_6"), -1, QStringLiteral("Εμπειρική Εξίσωση του Jimeno"), QStringLiteral("Empirical Equation by Jimeno"), true},
        {QStringLiteral("optFortio_7"), -1, QStringLiteral("Εισαγωγή Φορτίου από Χρήστη"), QStringLiteral("Set burden manually"), true},
        {QStringLiteral("SSTab1"), 0, QStringLiteral("Δεδομένα Ανατίναξης"), QStringLiteral("Blast Input Data"), true},
        {QStringLiteral("SSTab1"), 1, QStringLiteral("Υπολογισμός Παραμέτρων Ανατίναξης"), QStringLiteral("Calculation of Blast Parameters"), true},
        {QStringLiteral("SSTab1"), 2, QStringLiteral("Υπολογισμός Εδαφικών Δονήσεων"), QStringLiteral("Calculation of Ground Vibrations"), true},
        {QStringLiteral("SSTab1"), 3, QStringLiteral("Σχέδια Ανατίναξης"), QStringLiteral("Plots"), true},
        {QStringLiteral("SSTab2"), 0, QStringLiteral("Βάσει Φορτίου"), QStringLiteral("Based on Burden"), true},
        {QStringLiteral("SSTab2"), 1, QStringLiteral("Βάσει Διαμέτρου"), QStringLiteral("Based on Diameter"), true},
        {QStringLiteral("SSTab2"), 2, QStringLiteral("Απόλυτο"), QStringLiteral("Absolute"), true},
        {QStringLiteral("Frame11"), -1, QStringLiteral("Επιλογή Υπολογισμού Φορτίου"), QStringLiteral("Select a Burden Equation"), true},
        {QStringLiteral("Frame21"), -1, QStringLiteral("Εισαγωγή Συντελεστών Συναρτήσει Φορτίου"), QStringLiteral("Enter coefficients as a function of Burden"), true},
        {QStringLiteral("Frame22"), -1, QStringLiteral("Εισαγωγή Συντελεστών Συναρτήσει Διαμέτρου"), QStringLiteral("Enter coefficients as a function of diameter"), true},
        {QStringLiteral("Frame23"), -1, QStringLiteral("Εισαγωγή Μεγεθών"), QStringLiteral("Enter values"), true},
        {QStringLiteral("Frame131"), -1, QStringLiteral("Εισαγωγή Δεδομένων"), QStringLiteral("Input Data"), false},
        {QStringLiteral("Frame132"), -1, QStringLiteral("Αποτελέσματα"), QStringLiteral("Results"), false},
        {QStringLiteral("Label22"), -1, QStringLiteral("Ποσότητα Εκρηκτικού ανά Επιβράδυνση:"), QStringLiteral("Explosive mass per delay"), false},
        {QStringLiteral("Label23"), -1, QStringLiteral("Απόσταση από Θέση Ανατίναξης:"), QStringLiteral("Distance from blast"), false},
        {QStringLiteral("Label24"), -1, QStringLiteral("Γεωλογική Σταθερά Κ:"), QStringLiteral("Constant K"), false},
        {QStringLiteral("Label25"), -1, QStringLiteral("Γεωλογική Σταθερά n:"), QStringLiteral("Constant n"), false},
        {QStringLiteral("Label26"), -1, QStringLiteral("Μοριακή Ταχύτητα Ταλάντωσης Εδάφους:"), QStringLiteral("Particle Velocity"), false},
        {QStringLiteral("Label201"), -1, QStringLiteral("Συντελεστής Επιγόμωσης:"), QStringLiteral("Stemming Coefficient:"), true},
        {QStringLiteral("Label202"), -1, QStringLiteral("Συντελεστής Υποδιάτρησης:"), QStringLiteral("Subdrilling Coefficient:"), true},
        {QStringLiteral("Label203"), -1, QStringLiteral("Συντελεστής Απ. Διατρημάτων:"), QStringLiteral("Spacing Coefficient:"), true},
        {QStringLiteral("Label204"), -1, QStringLiteral("Συντελεστής Επιγόμωσης:"), QStringLiteral("Stemming Coefficient:"), true},
        {QStringLiteral("Label205"), -1, QStringLiteral("Συντελεστής Υποδιάτρησης:"), QStringLiteral("Subdrilling Coefficient:"), true},
        {QStringLiteral("Label206"), -1, QStringLiteral("Συντελεστής Απ. Διατρημάτων:"), QStringLiteral("Spacing Coefficient:"), true},
        {QStringLiteral("Label207"), -1, QStringLiteral("Επιγόμωση:"), QStringLiteral("Stemming:"), true},
        {QStringLiteral("Label208"), -1, QStringLiteral("Υποδιάτρηση:"), QStringLiteral("Subdrilling:"), true},
        {QStringLiteral("Label209"), -1, QStringLiteral("Απόσταση Διατρημάτων:"), QStringLiteral("Spacing:"), true},
        {QStringLiteral("SSTab3"), 0, QStringLiteral("Εκρηκτικά"), QStringLiteral("Explosives"), true},
        {QStringLiteral("SSTab3"), 1, QStringLiteral("Παραγωγή"), QStringLiteral("Production"), true},
        {QStringLiteral("SSTab3"), 2, QStringLiteral("Εναυση"), QStringLiteral("Initiation"), true},
        {QStringLiteral("SSTab3"), 3, QStringLiteral("Οικονομικά"), QStringLiteral("Economics"), true},
        {QStringLiteral("Frame31"), -1, QStringLiteral("Εισαγωγή Στοιχείων Εκρηκτικών"), QStringLiteral("Enter data for explosives"), true},
        {QStringLiteral("Frame32"), -1, QStringLiteral("Εισαγωγή Στοιχείων Παραγωγής"), QStringLiteral("Enter production data"), true},
        {QStringLiteral("Frame33"), -1, QStringLiteral("Εισαγωγή Στοιχείων Εναυσης"), QStringLiteral("Enter initiation data"), true},
        {QStringLiteral("Label301"), -1, QStringLiteral("Διάμετρος Διατρήματος:"), QStringLiteral("Drill Diameter:"), true},
        {QStringLiteral("Label302"), -1, QStringLiteral("Πυκνότητα Εκρηκτικού:"), QStringLiteral("Explosive Density:"), true},
        {QStringLiteral("Label303"), -1, QStringLiteral("Ποσότ. Ενισχ. Εναύσματος:"), QStringLiteral("Quantity of Booster Charge:"), true},
        {QStringLiteral("Label304"), -1, QStringLiteral("Πυκνότητα Ενισχ. Εναύσματος:"), QStringLiteral("Density of Booster Explosive:"), true},
        {QStringLiteral("Label305"), -1, QStringLiteral("Πυκνότητα Πετρώματος:"), QStringLiteral("Rock Density:"), false},
        {QStringLiteral("Label306"), -1, QStringLiteral("Ύψος Βαθμίδας:"), QStringLiteral("Bench Height:"), false},
        {QStringLiteral("Label307"), -1, QStringLiteral("Μεγιστος Αριθμός Διατρημάτων / Επιβραδύνση:"), QStringLiteral("Maximum Number of Blastholes per Delay:"), false},
        {QStringLiteral("Label308"), -1, QStringLiteral("Αριθμός Ελεύθερων Επιφανειών (Μέτωπο και Πλευρικές):"), QStringLiteral("Number of Free Surfaces (face and sides):"), false},
        {QStringLiteral("Label309"), -1, QStringLiteral("Μέγιστος Αριθμός Σειρών:"), QStringLiteral("Maximum Number of Rows:"), false},
        {QStringLiteral("Label310"), -1, QStringLiteral("Κόστος Εκρηκτικού / kg"), QStringLiteral("Explosive Cost / kg:"), false},
        {QStringLiteral("Label311"), -1, QStringLiteral("Κόστος Ενίσχυσης / kg"), QStringLiteral("Booster Cost / kg:"), false},
        {QStringLiteral("Label312"), -1, QStringLiteral("Κόστος Διάτρησης / m"), QStringLiteral("Drilling Cost / m:"), false},
        {QStringLiteral("Label313"), -1, QStringLiteral("Κόστος Έναυσης / Διάτρημα "), QStringLiteral("Initiation Cost / Blasthole:"), false},
        {QStringLiteral("Label314"), -1, QStringLiteral("Κόστος Έναυσης / m Διάτρησης"), QStringLiteral("Initiation Cost / m Drilling:"), false},
        {QStringLiteral("optProduction_0"), -1, QStringLiteral("Επιθυμητή Παραγωγή:"), QStringLiteral("Desired Production:"), false},
        {QStringLiteral("optProduction_1"), -1, QStringLiteral("Αριθμός Διατρημάτων (Σειρες χ Διατρήματα)"), QStringLiteral("Number of Blastholes (rows x holes_per_row):"), false},
        {QStringLiteral("optEnausi_0"), -1, QStringLiteral("Έναυση σε σειρά"), QStringLiteral("in rows"), false},
        {QStringLiteral("optEnausi_1"), -1, QStringLiteral("Έναυση σε τροποποιημένη σειρά"), QStringLiteral("in modified rows"), false},
        {QStringLiteral("optEnausi_2"), -1, QStringLiteral("Διαγώνιος έναυση"), QStringLiteral("diagonal"), false},
        {QStringLiteral("optEnausi_3"), -1, QStringLiteral("Σφηνοειδής έναυση"), QStringLiteral("v cut"), false},
        {QStringLiteral("chkRound"), -1, QStringLiteral("Στρογγυλοποίηση Αποστάσεων σε 2 δεκαδικά"), QStringLiteral("Round distances to 2 digits"), false},
        {QStringLiteral("chkRound2"), -1, QStringLiteral("Στρογγυλοποίηση κ. μέτρων και τόνων σε 0 δεκαδικά"), QStringLiteral("Round cu. meters and tons to 0 digits"), false},
    };
    return captions;
}

std::vector<CaptionText> DesignCaptionsFor(int EnglishMenus)
{
    std::vector<CaptionText> out;
    for (const DesignCaption &c : DesignCaptions()) {
        if (EnglishMenus == 1)
            out.push_back({c.control, c.tab, c.english});
        else if (c.greekSet)
            out.push_back({c.control, c.tab, c.greek});
    }
    return out;
}
