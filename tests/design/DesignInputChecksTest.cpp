// The design window's input checks, typed into the window and refused by OK: every
// check in its order with its Greek message, its tab brought forward and its field
// selected, the boundaries, and the counts and values the record could not hold. A
// refused OK keeps the window and every edit open, and stores nothing.

#include "DesignFixtures.h"
#include "design/DesignInputChecks.h"

#include <QDialog>

namespace {

// What each check reports (with Greek menus), by its number; then the values the record
// cannot hold: tests/data/design/input-checks.tsv.
struct Expected {
    QString message, tabControl;
    int tab;
};

std::vector<Expected> Checks()
{
    std::vector<Expected> checks;
    for (const QString &line : testDataText(QStringLiteral("design/input-checks.tsv")).split(u'\n', Qt::SkipEmptyParts))
        if (!line.startsWith(u'#'))
            checks.push_back({line.section(u'\t', 0, 0), line.section(u'\t', 1, 1), line.section(u'\t', 2).toInt()});
    return checks;
}

using DesignInputChecks = DesignWindowFixture;

} // namespace

TEST_F(DesignInputChecks, EachCheckInItsOrderWithItsBoundaries)
{
    const struct {
        const char *control, *text;
        int productionMode;
        int check; // -1: all pass
    } rows[] = {
        // One failing value per check, in the order of the checks.
        {"txtFortio", "abc", 0, 0}, {"txtMaxNperDelay", "1,5", 0, 0}, {"txtParagogi", "-", 0, 0},
        {"txtFortio", "", 0, 1}, {"txtEpigomosi", "2.01", 0, 2}, {"txtYpodiatrisi", "1.01", 0, 3},
        {"txtApostasi", "0.1", 0, 4}, {"txtEpigD", "0", 0, 5}, {"txtYpodD", "-1", 0, 6},
        {"txtApostasiD", "", 0, 7}, {"txtDiametros", "15", 0, 8}, {"txtEidvarek", "0", 0, 9},
        {"txtEnisxysi", "-1", 0, 10}, {"txtEidvarEE", "0", 0, 11}, {"txtParagogi", "0", 0, 12},
        {"txtDX", "0", 1, 13}, {"txtDY", "-2", 1, 14}, {"txtEidvarPe", "0", 0, 15},
        {"txtYpsos", "", 0, 16}, {"txtMaxNperDelay", "-1", 0, 17}, {"cmbNoEpif", "3", 0, 18},
        {"txtSeires", "0", 0, 19},
        // Burden 0.1 .. below 10; stemming 0.1 .. 2.0; sub-drilling 0.1 .. 1.0; spacing above 0.1 .. 2.0.
        {"txtFortio", "0.1", 0, -1}, {"txtFortio", "9.99", 0, -1}, {"txtFortio", "10", 0, 1},
        {"txtFortio", "0.09", 0, 1}, {"txtEpigomosi", "0.1", 0, -1}, {"txtEpigomosi", "2.0", 0, -1},
        {"txtEpigomosi", "0.09", 0, 2}, {"txtYpodiatrisi", "1.0", 0, -1}, {"txtYpodiatrisi", "0.1", 0, -1},
        {"txtApostasi", "0.11", 0, -1}, {"txtApostasi", "2.0", 0, -1}, {"txtApostasi", "2.01", 0, 4},
        // Diameter above 15 .. 500; free faces 1 .. 2.
        {"txtDiametros", "15.01", 0, -1}, {"txtDiametros", "500", 0, -1}, {"txtDiametros", "500.1", 0, 8},
        {"cmbNoEpif", "2", 0, -1}, {"cmbNoEpif", "1.5", 0, -1}, {"cmbNoEpif", "0.99", 0, 18},
        {"cmbNoEpif", "", 0, 18},
        // Not in the numeric test: read by the leading-number rule.
        {"txtEpigD", "abc", 0, 5}, {"txtEpigD", "5abc", 0, -1},
        // Zero passes where the message says ">=0".
        {"txtEnisxysi", "0", 0, -1}, {"txtMaxNperDelay", "0", 0, -1},
        // Only the inputs of the chosen production mode must be positive.
        {"txtParagogi", "0", 1, -1}, {"txtDX", "0", 0, -1}, {"txtDY", "0", 0, -1},
        // Positive as typed, but no hole or row once rounded (halves to even).
        {"txtDX", "0.4", 1, 13}, {"txtDX", "0.5", 1, 13}, {"txtDX", "0.6", 1, -1},
        {"txtDY", "0.4", 1, 14}, {"txtSeires", "0.4", 0, 19}, {"txtSeires", "1.5", 0, -1},
        {"txtMaxNperDelay", "0.4", 0, 17}, {"txtMaxNperDelay", "0.6", 0, -1},
        // 16-bit counts, whichever production mode is chosen (a disabled field takes no focus).
        {"txtDX", "40000", 0, 13}, {"txtDX", "32767", 0, -1}, {"txtDX", "32768", 1, 13},
        {"txtDY", "-40000", 0, 14}, {"txtDY", "-32768", 0, -1}, {"txtSeires", "32767", 0, -1},
        {"txtSeires", "32768", 0, 19},
        // Values no single can hold.
        {"txtEpigD", "1e39", 0, 5}, {"txtEidvarek", "1e39", 0, 9}, {"txtParagogi", "1e39", 1, 12},
        {"txtYpsos", "3e38", 0, -1}, {"txtCostExpl", "1e39", 0, 20}, {"txtCostCap", "-1e39", 0, 20},
        {"txtCostInit", "1e39", 0, 20}, {"txtDistance", "1e39", 0, 21},
    };
    settings().EnglishMenus = 0;
    const std::vector<Expected> checks = Checks();
    ASSERT_EQ(checks.size(), 22u);
    const ProjectState start = project();
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.control) + " " + r.text);
        project() = start;
        flags().ProjectSaved = kTrue;
        fakeMessageBox().boxes.clear();
        open();
        if (r.productionMode == 1) {
            Click(w.get(), "optProduction_1");
            type("txtDX", "5");
            type("txtDY", "3");
        }
        tabs("SSTab2")->setCurrentIndex(2);
        tabs("SSTab3")->setCurrentIndex(3);
        edit("txtCostDrill")->setFocus();
        type("txtCostBooster", "2.5");
        type(r.control, QString::fromUtf8(r.text));
        Click(w.get(), "cmdOK");
        if (r.check < 0) {
            EXPECT_EQ(MessageTexts(), QStringList());
            EXPECT_EQ(w->result(), QDialog::Accepted);
            continue;
        }
        const Expected &e = checks[size_t(r.check)];
        ASSERT_EQ(MessageTexts(), QStringList{e.message});
        EXPECT_EQ(fakeMessageBox().boxes.last().buttons, 16); // critical, OK only
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(tabs("SSTab1")->currentIndex(), e.tabControl == "SSTab1" ? e.tab : 0);
        EXPECT_EQ(tabs("SSTab2")->currentIndex(), e.tabControl == "SSTab2" ? e.tab : 2);
        EXPECT_EQ(tabs("SSTab3")->currentIndex(), e.tabControl == "SSTab3" ? e.tab : 3);
        // The field is selected; the numeric test moves no focus, a disabled field takes none.
        if (QWidget *field = find(r.check == 0 ? "txtCostDrill" : r.control); field->isEnabled()) {
            EXPECT_TRUE(w->focusWidget() == field || field->isAncestorOf(w->focusWidget()));
            if (auto *box = qobject_cast<QLineEdit *>(field); box && r.check != 0)
                EXPECT_EQ(box->selectedText(), box->text());
        }
        EXPECT_EQ(text("txtCostBooster"), "2.5");
        EXPECT_EQ(project().BlastDesign.CostBooster, 1.5f);
        EXPECT_EQ(flags().ProjectSaved, kTrue);
    }
}

TEST_F(DesignInputChecks, OnlyTheFirstFailureIsReported)
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
