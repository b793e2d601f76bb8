// Report pages and result grid of the default design (best layout 1 row x 9 holes)
// and of a 4 x 3 rows-times-holes grid, in English and Greek, against the expected
// texts in tests/data/design; and what the pages show for a layout or a design that
// cannot be evaluated.

#include "DesignFixtures.h"

TEST(DesignReport, PagesAndGridMatchTheHandComputedDesigns)
{
    // The expected pages and grid of each case are tests/data/design/<name>-page1.txt,
    // -page2.txt and -grid.tsv.
    const struct {
        const char *name;
        bool english, holes;
    } cases[] = {
        {"default-en", true, false},
        {"default-el", false, false},
        {"grid4x3-en", true, true},
        {"grid4x3-el", false, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
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
        const QString data = QStringLiteral("design/%1-").arg(c.name);
        EXPECT_EQ(session.ReportPage(1).toStdString(), testDataText(data + "page1.txt").toStdString());
        EXPECT_EQ(session.ReportPage(2).toStdString(), testDataText(data + "page2.txt").toStdString());
        EXPECT_EQ(GridText(session.grid()).toStdString(), testDataText(data + "grid.tsv").toStdString());
        EXPECT_EQ(session.grid().ColWidths, (std::vector<int>{300, 4000, 2200, 2200}));
        EXPECT_TRUE(o.hasDelayCharge); // its text reaches the vibration tab: DesignWindowRunTest
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
        EXPECT_EQ(session.ReportPage(2), "[Selected Solution]\r\n" + c.english + "\r\n");
        EXPECT_EQ(session.grid().Rows(), 2); // the header and the reason
        settings().EnglishMenus = 0;
        c.select ? session.SelectAlternative(c.select, in) : session.RunDesign(in);
        EXPECT_TRUE(session.ReportPage(2).startsWith(
            c.select ? "[Επιλεγμένη Λύση]\r\nΑδύνατη διάταξη:" : "[Επιλεγμένη Λύση]\r\nΑδύνατος σχεδιασμός:"));
    }
}
