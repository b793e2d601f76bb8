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
    }
}

// A layout or a design that cannot be evaluated shows its reason in place of the
// numbers; only a refused design says so in a message box. The cases are
// tests/data/design/impossible.tsv.
TEST(DesignReport, ImpossibleLayoutsAndDesignsShowTheirReasonOnly)
{
    for (const QStringList &c : testTable(QStringLiteral("design/impossible.tsv"))) {
        SCOPED_TRACE(c[0].toStdString());
        DesignInputs in = DefaultDesignInputs();
        settings().EnglishMenus = 1;
        SetInputs(in, c[1]);
        const int select = c[2].toInt();
        DesignSession session;
        DesignOutcome o = session.RunDesign(in);
        if (select)
            o = session.SelectAlternative(select, in);
        EXPECT_EQ(StatusName(o.status), c[3]);
        EXPECT_EQ(o.showMessage, o.status == DesignStatus::ImpossibleDesign);
        EXPECT_FALSE(o.hasDelayCharge);
        EXPECT_EQ(session.runState().ExplosiveMass, 0.0f);
        EXPECT_EQ(session.runState().CostTotal, 0.0f);
        EXPECT_EQ(session.ReportPage(2), "[Selected Solution]\r\n" + c[4] + "\r\n");
        EXPECT_EQ(session.grid().Rows(), 2); // the header and the reason
        settings().EnglishMenus = 0;
        select ? session.SelectAlternative(select, in) : session.RunDesign(in);
        EXPECT_TRUE(session.ReportPage(2).startsWith(
            select ? "[Επιλεγμένη Λύση]\r\nΑδύνατη διάταξη:" : "[Επιλεγμένη Λύση]\r\nΑδύνατος σχεδιασμός:"));
    }
}
