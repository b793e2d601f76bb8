// Golden report pages and result grid of the default design (best layout 1 row x 9
// holes) and of a 4 x 3 rows-times-holes grid, in English and Greek; and what the
// pages show for a layout or a design that cannot be evaluated.

#include "DesignFixtures.h"

namespace {

const QString kPage1DefaultEnglish = PageText({
    u"[Design Parameters]",
    u"Burden.......................................3.00 m",
    u"Stemming Coefficient.........................1.00",
    u"Subdrilling Coefficient......................0.30",
    u"Spacing Coefficient..........................1.50",
    u"Stemming Coefficient (x Dia).................20.00",
    u"Subdrilling Coefficient (x Dia)..............10.00",
    u"Spacing Coefficient (x Dia)..................40.00",
    u"[Data on Explosives]",
    u"Blasthole Diameter...........................80.00 mm",
    u"Density of Explosive.........................0.90 g/cm^3",
    u"Booster per Blasthole........................1.00 kg",
    u"Booster Density..............................1.20 g/cm^3",
    u"",
    u"[Production Data]",
    u"Bench Height.................................12.00 m",
    u"Rock Density.................................2.60 g/cm^3",
    u"Design Production............................4000.00 ton",
    u"Maximum Number of Blastholes/Delay...........2",
    u"Number of Free Surfaces......................1",
    u"Maximum Number or Rows.......................2",
    u"Initiation Type..............................0",
    u"",
});

const QString kPage2DefaultEnglish = PageText({
    u"[Selected Solution]",
    u"Burden.......................................3.00 m",
    u"Spacing......................................4.50 m",
    u"Stemming.....................................3.00 m",
    u"Subdrilling..................................0.90m",
    u"Bench Height.................................12.00 m",
    u"Height of Explosive Column...................9.90 m",
    u"Number of Blastholes.........................9 (Χ = 9,  Y= 1)",
    u"Production Target (a)........................4000.00 ton",
    u"Production Target (b)........................1538.46 m^3",
    u"Production Actual (a)........................3791.00 ton",
    u"Production Actual (b)........................1458.00 m^3",
    u"Production Difference (a)....................209.20 ton",
    u"Production Difference (b)....................80.46 m^3",
    u"Extracted Area (Width x Depth)...............40.50 m X 3.00 m",
    u"Production per Blasthole (a).................421.22 ton",
    u"Production per Blasthole (b).................162.00 m^3",
    u"Explosive Mass per Blasthole.................44.04 kg",
    u"Booster Mass per Blasthole...................1.00 kg",
    u"Total Explosives per Blasthole...............45.04 kg",
    u"Total Explosives in Blast....................396.33 kg",
    u"Total Explosives Volume per Blasthole (a)....0.050 m^3",
    u"Total Explosives Volume per Blasthole (b)....49.763 L",
    u"Total Explosives Volume in Blast (a).........0.448 m^3",
    u"Total Explosives Volume in Blast (b).........447.865 L",
    u"Linear Explosives Density....................4.55 kg/m",
    u"Stemming Volume per Blasthole................0.015 m^3",
    u"Total Stemming Volume in Blast...............0.136 m^3",
    u"Powder Factor (1a)...........................0.28 kg(εκρ.) / m^3(πετρ.)",
    u"Powder Factor (1b)...........................0.11 kg(εκρ.) / ton(πετρ.)",
    u"Powder Factor (2a)...........................3.60 m^3(πετρ.) / kg(εκρ.)",
    u"Powder Factor (2b)...........................9.35 ton(πετρ.) / kg(εκρ.)",
    u"Drilling Factor (1a).........................0.080 m(διατρ.) / m^3(πετρ.)",
    u"Drilling Factor (1b).........................0.031 m(διατρ.) / ton(πετρ.)",
    u"Drilling Factor (2a).........................12.558 m^3(πετρ.) / m(διατρ.)",
    u"Drilling Factor (2b).........................32.653 ton(πετρ.) / m(διατρ.)",
    u"Explosives per Delay.........................405.33 kg",
    u"Explosives Cost..............................396.33 E",
    u"Booster Cost.................................13.50 E",
    u"Initiation Cost..............................9.00 E",
    u"Drilling Cost................................580.50 E",
    u"Total Cost...................................999.33 E",
    u"Unit Blast Cost..............................0.69 E/m^3",
});

const GridCells kGridDefaultEnglish = GridText({
    {u"Parameter", u"Value", u"Value"},
    {u"Burden", u"3.00 m", u""},
    {u"Spacing", u"4.50 m", u""},
    {u"Stemming", u"3.00 m", u""},
    {u"Subdrilling", u"0.90 m", u""},
    {u"Bench Height", u"12.00 m", u""},
    {u"Height of Explosive Column", u"9.90 m", u""},
    {u"Number of Blastholes", u"9", u"(Χ = 9,  Y= 1)"},
    {u"Production Target", u"4000.00 ton", u"1538.46 m^3"},
    {u"Production Actual", u"3791.00 ton", u"1458.00 m^3"},
    {u"Production Difference", u"209.20 ton", u"80.46 m^3"},
    {u"Extracted Area (Width x Depth)", u"40.50 m", u"3.00 m"},
    {u"Production per Blasthole", u"421.22 ton", u"162.00 m^3"},
    {u"Explosive Mass per Blasthole", u"44.04 kg", u""},
    {u"Booster Mass per Blasthole", u"1.00 kg", u""},
    {u"Total Explosives per Blasthole", u"45.04 kg", u""},
    {u"Total Explosives in Blast", u"396.33 kg", u""},
    {u"Total Explosives Volume per Blasthole", u"0.050 m^3", u"49.763 L"},
    {u"Total Explosives Volume in Blast", u"0.448 m^3", u"447.865 L"},
    {u"Linear Explosives Density", u"4.55 kg/m", u""},
    {u"Stemming Volume per Blasthole", u"0.015 m^3", u""},
    {u"Total Stemming Volume in Blast", u"0.136 m^3", u""},
    {u"Powder Factor (1)", u"0.28 kg(εκρ.) / m^3(πετρ.)", u"0.11 kg(εκρ.) / ton(πετρ.)"},
    {u"Powder Factor (2)", u"3.60 m^3(πετρ.) / kg(εκρ.)", u"9.35 ton(πετρ.) / kg(εκρ.)"},
    {u"Drilling Factor (1)", u"0.080 m(διατρ.) / m^3(πετρ.)", u"0.031 m(διατρ.) / ton(πετρ.)"},
    {u"Drilling Factor (2)", u"12.56 m^3(πετρ.) / m(διατρ.)", u"32.65 ton(πετρ.) / m(διατρ.)"},
    {u"Explosives per Delay", u"405.33 kg", u""},
    {u"Explosives Cost", u"396.33 E", u""},
    {u"Booster Cost", u"13.50 E", u""},
    {u"Initiation Cost", u"9.00 E", u""},
    {u"Drilling Cost", u"580.50 E", u""},
    {u"Total Cost", u"999.33 E", u""},
    {u"Unit Blast Cost", u"0.69 E/m^3", u""},
});

const QString kPage1HolesGreek = PageText({
    u"[Παράμετροι Σχεδιασμού]",
    u"Φορτίο.......................................3.00 m",
    u"Συντελεστής Επιγόμωσης.......................1.00",
    u"Συντελεστής Υποδιάτρησης.....................0.30",
    u"Συντελεστής Απόστασης........................1.50",
    u"Συντελεστής Επιγόμωσης (Δ)...................20.00",
    u"Συντελεστής Υποδιάτρησης (Δ).................10.00",
    u"Συντελεστής Απόστασης (Δ)....................40.00",
    u"[Στοιχεία Εκρηκτικών]",
    u"Διάμετρος Διατρήματος........................80.00 mm",
    u"Πυκνότητα Εκρηκτικού.........................0.90 g/cm^3",
    u"Βάρος Ενίσχυσης ανά Διάτρημα.................1.00 kg",
    u"Πυκνότητα Ενίσχυσης..........................1.20 g/cm^3",
    u"",
    u"[Στοιχεία Παραγωγής]",
    u"Υψος Βαθμίδας................................12.00 m",
    u"Πυκνότητα Πετρώματος.........................2.60 g/cm^3",
    u"Παραγωγή Σχεδιασμού (κάναβος)................4Χ3",
    u"Μέγιστος Αρ. Διατρημάτων / Επιβράδυνση.......2",
    u"Αριθμός Ελεύθερων Επιφανειών.................1",
    u"Μέγιστος Αριθμός Σειρών......................2",
    u"Τύπος Εναυσης................................0",
    u"",
});

const QString kPage2HolesGreek = PageText({
    u"[Επιλεγμένη Λύση]",
    u"Φορτίο.......................................3.00 m",
    u"Απόσταση.....................................4.50 m",
    u"Επιγόμωση....................................3.00 m",
    u"Υποδιάτρηση..................................0.90m",
    u"Υψος Βαθμίδας................................12.00 m",
    u"Υψος Γόμωσης.................................9.90 m",
    u"Αριθμός Διατρημάτων..........................12 (Χ = 4,  Y= 3)",
    u"Πραγματική Παραγωγή (α)......................5054.00 ton",
    u"Πραγματική Παραγωγή (β)......................1944.00 m^3",
    u"Διαφορά Παραγωγής (a)........................0.00 ton",
    u"Διαφορά Παραγωγής (β)........................0.00 m^3",
    u"Εξορυσσόμενες Διαστάσεις (Πλάτος X Βάθος)....18.00 m X 9.00 m",
    u"Παραγωγή ανά Διάτρημα (α)....................421.17 ton",
    u"Παραγωγή ανά Διάτρημα (β)....................162.00 m^3",
    u"Βάρος Κυρίως Εκρηκτικού ανά Διάτρημα.........44.04 kg",
    u"Βάρος Ενισχυτικού ανά Διάτρημα...............1.00 kg",
    u"Συν. Βάρος Εκρηκτικών ανά Διάτρημα...........45.04 kg",
    u"Συνολικό Βάρος Εκρηκτικών στην Ανατίναξη.....528.44 kg",
    u"Όγκος Γόμωσης ανά Διάτρημα (α)...............0.050 m^3",
    u"Όγκος Γόμωσης ανά Διάτρημα (β)...............49.763 L",
    u"Συνολικός Όγκος Γόμωσης (α)..................0.597 m^3",
    u"Συνολικός Όγκος Γόμωσης (β)..................597.154 L",
    u"Γραμμική Πυκνότητα Γόμωσης...................4.55 kg/m",
    u"Όγκος Επιγόμωσης ανά Διάτρημα................0.015 m^3",
    u"Συνολικός Όγκος Επιγόμωσης...................0.181 m^3",
    u"Συνολικός Συντελεστής Κατανάλωσης (1α).......0.28 kg(εκρ.) / m^3(πετρ.)",
    u"Συνολικός Συντελεστής Κατανάλωσης (1β).......0.11 kg(εκρ.) / ton(πετρ.)",
    u"Συνολικός Συντελεστής Κατανάλωσης (2α).......3.60 m^3(πετρ.) / kg(εκρ.)",
    u"Συνολικός Συντελεστής Κατανάλωσης (2β).......9.35 ton(πετρ.) / kg(εκρ.)",
    u"Συντελεστής Διάτρησης (1α)...................0.080 m(διατρ.) / m^3(πετρ.)",
    u"Συντελεστής Διάτρησης (1β)...................0.031 m(διατρ.) / ton(πετρ.)",
    u"Συντελεστής Διάτρησης (2α)...................12.558 m^3(πετρ.) / m(διατρ.)",
    u"Συντελεστής Διάτρησης (2β)...................32.649 ton(πετρ.) / m(διατρ.)",
    u"Βάρος Εκρηκτικών ανά Επιβράδυνση.............90.07 kg",
    u"Κοστος Ανατίναξης............................528.44 E",
    u"Κοστος Ενίσχυσης.............................18.00 E",
    u"Κοστος Εναυσης...............................12.00 E",
    u"Κοστος Διάτρησης.............................774.00 E",
    u"Συνολικό Κόστος Ανατίναξης...................1332.44 E",
    u"Μοναδιαίο Κόστος Ανατίναξης..................0.69 E/m^3",
});

const GridCells kGridHolesGreek = GridText({
    {u"Παράμετρος", u"Τιμή", u"Τιμή"},
    {u"Φορτίο", u"3.00 m", u""},
    {u"Απόσταση", u"4.50 m", u""},
    {u"Επιγόμωση", u"3.00 m", u""},
    {u"Υποδιάτρηση", u"0.90 m", u""},
    {u"Υψος Βαθμίδας", u"12.00 m", u""},
    {u"Υψος Γόμωσης", u"9.90 m", u""},
    {u"Αριθμός Διατρημάτων", u"12", u"(Χ = 4,  Y= 3)"},
    {u"Πραγματική Παραγωγή", u"5054.00 ton", u"1944.00 m^3"},
    {u"Διαφορά Παραγωγής", u"0.00 ton", u"0.00 m^3"},
    {u"Εξορυσσόμενες Διαστάσεις (Πλάτος X Βάθος)", u"18.00 m", u"9.00 m"},
    {u"Παραγωγή ανά Διάτρημα", u"421.17 ton", u"162.00 m^3"},
    {u"Βάρος Κυρίως Εκρηκτικού ανά Διάτρημα", u"44.04 kg", u""},
    {u"Βάρος Ενισχυτικού ανά Διάτρημα", u"1.00 kg", u""},
    {u"Συν. Βάρος Εκρηκτικών ανά Διάτρημα", u"45.04 kg", u""},
    {u"Συνολικό Βάρος Εκρηκτικών στην Ανατίναξη", u"528.44 kg", u""},
    {u"Όγκος Γόμωσης ανά Διάτρημα", u"0.050 m^3", u"49.763 L"},
    {u"Συνολικός Όγκος Γόμωσης", u"0.597 m^3", u"597.154 L"},
    {u"Γραμμική Πυκνότητα Γόμωσης", u"4.55 kg/m", u""},
    {u"Όγκος Επιγόμωσης ανά Διάτρημα", u"0.015 m^3", u""},
    {u"Συνολικός Όγκος Επιγόμωσης", u"0.181 m^3", u""},
    {u"Συνολικός Συντελεστής Κατανάλωσης (1)", u"0.28 kg(εκρ.) / m^3(πετρ.)", u"0.11 kg(εκρ.) / ton(πετρ.)"},
    {u"Συνολικός Συντελεστής Κατανάλωσης (2)", u"3.60 m^3(πετρ.) / kg(εκρ.)", u"9.35 ton(πετρ.) / kg(εκρ.)"},
    {u"Συντελεστής Διάτρησης (1)", u"0.080 m(διατρ.) / m^3(πετρ.)", u"0.031 m(διατρ.) / ton(πετρ.)"},
    {u"Συντελεστής Διάτρησης (2)", u"12.56 m^3(πετρ.) / m(διατρ.)", u"32.65 ton(πετρ.) / m(διατρ.)"},
    {u"Βάρος Εκρηκτικών ανά Επιβράδυνση", u"90.07 kg", u""},
    {u"Κόστος Εκρηκτικών", u"528.44 E", u""},
    {u"Κόστος Ενίσχυσης", u"18.00 E", u""},
    {u"Κόστος Εναυσης", u"12.00 E", u""},
    {u"Κόστος Διάτρησης", u"774.00 E", u""},
    {u"Συνολικό Κόστος Ανατίναξης", u"1332.44 E", u""},
    {u"Μοναδιαίο Κόστος Ανατίναξης", u"0.69 E/m^3", u""},
});

QStringList Lines(const QString &page)
{
    QStringList lines = page.split(QStringLiteral("\r\n"));
    lines.removeLast(); // the page ends with CR LF
    return lines;
}

// Where a line's dot leader ends: the label before, the value after.
qsizetype LeaderEnd(const QString &line)
{
    qsizetype i = line.indexOf(QStringLiteral(".."));
    if (i < 0)
        return line.size();
    while (i < line.size() && line[i] == u'.')
        ++i;
    return i;
}

// The labels of one report with the values of another, line by line and row by row.
QString Relabel(const QStringList &labels, const QString &values)
{
    const QStringList v = Lines(values);
    EXPECT_EQ(labels.size(), v.size());
    QString text;
    for (qsizetype i = 0; i < std::min(labels.size(), v.size()); ++i)
        text += labels[i].left(LeaderEnd(labels[i])) + v[i].mid(LeaderEnd(v[i])) + QStringLiteral("\r\n");
    return text;
}

GridCells Relabel(GridCells labels, const GridCells &values)
{
    EXPECT_EQ(labels.size(), values.size());
    for (size_t r = 1; r < std::min(labels.size(), values.size()); ++r)
        labels[r] = {labels[r][0], values[r][1], values[r][2]};
    return labels;
}

struct Report {
    QString page1, page2;
    GridCells grid;
};

// The two other combinations put the labels of one golden on the numbers of the other:
// the target production shows only in the production mode, and page 1 names the mode.
Report HolesEnglish()
{
    QStringList page1 = Lines(kPage1DefaultEnglish);
    page1[17] = QStringLiteral("Design Production (grid).....................4Χ3");
    QStringList page2 = Lines(kPage2DefaultEnglish);
    page2.remove(8, 2);
    GridCells grid = kGridDefaultEnglish;
    grid.erase(grid.begin() + 8);
    return {Relabel(page1, kPage1HolesGreek), Relabel(page2, kPage2HolesGreek), Relabel(grid, kGridHolesGreek)};
}

Report DefaultGreek()
{
    QStringList page1 = Lines(kPage1HolesGreek);
    page1[17] = QStringLiteral("Παραγωγή Σχεδιασμού..........................4000.00 ton");
    QStringList page2 = Lines(kPage2HolesGreek);
    page2.insert(8, QStringLiteral("Επιθυμητή Παραγωγή (α).......................4000.00 ton"));
    page2.insert(9, QStringLiteral("Επιθυμητή Παραγωγή (β).......................1538.46 m^3"));
    GridCells grid = kGridHolesGreek;
    grid.insert(grid.begin() + 8, {QStringLiteral("Επιθυμητή Παραγωγή"), QString(), QString()});
    return {Relabel(page1, kPage1DefaultEnglish), Relabel(page2, kPage2DefaultEnglish),
            Relabel(grid, kGridDefaultEnglish)};
}

} // namespace

TEST(DesignReport, PagesAndGridMatchTheHandComputedDesigns)
{
    const struct {
        const char *what;
        bool english, holes;
        Report expected;
    } cases[] = {
        {"default, English", true, false, {kPage1DefaultEnglish, kPage2DefaultEnglish, kGridDefaultEnglish}},
        {"4 x 3, Greek", false, true, {kPage1HolesGreek, kPage2HolesGreek, kGridHolesGreek}},
        {"default, Greek", false, false, DefaultGreek()},
        {"4 x 3, English", true, true, HolesEnglish()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        DesignInputs in = DefaultDesignInputs();
        settings().EnglishMenus = c.english ? 1 : 0;
        if (c.holes) {
            in.optProduction = 1;
            in.txtDX = QStringLiteral("4");
            in.txtDY = QStringLiteral("3");
        }
        DesignSession session;
        const DesignOutcome o = session.RunDesign(in);
        ASSERT_TRUE(o.ok()) << o.messageEnglish.toStdString();
        ExpectPage(reportPages().OutBuf[1], c.expected.page1);
        ExpectPage(reportPages().OutBuf[2], c.expected.page2);
        ExpectGrid(session.grid(), c.expected.grid);
        EXPECT_TRUE(o.hasDelayCharge);
        EXPECT_EQ(o.delayChargeText, c.holes ? "90.07" : "405.33");
    }
}

// A layout or a design that cannot be evaluated shows its reason in place of the
// numbers; only a refused design says so in a message box.
TEST(DesignReport, ImpossibleLayoutsAndDesignsShowTheirReasonOnly)
{
    const QString column = "Impossible design: the explosive column (sub-drilling + bench height - stemming) is "
                           "zero or negative.";
    const struct {
        const char *what;
        void (*change)(DesignInputs &);
        int select; // the alternative then selected; 0: none
        DesignStatus status;
        QString english;
    } cases[] = {
        {"modified row: one hole per row", [](DesignInputs &i) { i.optEnausi = 1; }, 1, DesignStatus::ImpossibleLayout,
         "Impossible layout: this alternative has no rock volume or no blastholes, so no quantities or costs can be "
         "computed."},
        {"stemming longer than the hole", [](DesignInputs &i) { i.txtYpsos = "2"; i.txtEpigomosi = "2.0"; }, 0,
         DesignStatus::ImpossibleDesign, column},
        {"stemming as long as the hole",
         [](DesignInputs &i) { i.txtYpodiatrisi = "1"; i.txtYpsos = "3"; i.txtEpigomosi = "2"; }, 0,
         DesignStatus::ImpossibleDesign, column},
        {"booster larger than the column", [](DesignInputs &i) { i.txtEnisxysi = "100"; }, 0,
         DesignStatus::ImpossibleDesign,
         "Impossible design: the booster takes more room than the explosive column, which would give a negative "
         "explosive mass."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        DesignInputs in = DefaultDesignInputs();
        settings().EnglishMenus = 1;
        c.change(in);
        DesignSession session;
        DesignOutcome o = session.RunDesign(in);
        if (c.select)
            o = session.SelectAlternative(c.select, in);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.showMessage, c.status == DesignStatus::ImpossibleDesign);
        EXPECT_FALSE(o.hasDelayCharge);
        EXPECT_EQ(session.runState().ExplosiveMass, 0.0f);
        EXPECT_EQ(session.runState().CostTotal, 0.0f);
        ExpectPage(reportPages().OutBuf[2], "[Selected Solution]\r\n" + c.english + "\r\n");
        EXPECT_EQ(session.grid().Rows(), 2); // the header and the reason
        settings().EnglishMenus = 0;
        c.select ? session.SelectAlternative(c.select, in) : session.RunDesign(in);
        EXPECT_TRUE(reportPages().OutBuf[2].startsWith(
            c.select ? "[Επιλεγμένη Λύση]\r\nΑδύνατη διάταξη:" : "[Επιλεγμένη Λύση]\r\nΑδύνατος σχεδιασμός:"));
    }
}
