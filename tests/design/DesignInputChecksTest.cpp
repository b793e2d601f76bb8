// The design window's input checks, typed into the window and refused by OK: every
// check in its order with its Greek message, its tab brought forward and its field
// selected, the boundaries, and the counts and values the record could not hold. A
// refused OK keeps the window and every edit open, and stores nothing.

#include "DesignFixtures.h"

#include <QDialog>

using DesignInputChecks = DesignWindowFixture;

// The cases are tests/data/design/input-check-cases.tsv; what each check reports (with
// Greek menus) by its number is input-checks.tsv: the message, the tab control and tab.
TEST_F(DesignInputChecks, EachCheckInItsOrderWithItsBoundaries)
{
    settings().EnglishMenus = 0;
    const QList<QStringList> checks = testTable(QStringLiteral("design/input-checks.tsv"));
    ASSERT_EQ(checks.size(), 22);
    const ProjectState start = project();
    for (const QStringList &r : testTable(QStringLiteral("design/input-check-cases.tsv"))) {
        SCOPED_TRACE(r[0].toStdString());
        const int check = r[2].toInt();
        project() = start;
        flags().ProjectSaved = kTrue;
        fakeMessageBox().boxes.clear();
        open();
        if (r[1] == "1") {
            Click(w.get(), "optProduction_1");
            type("txtDX", "5");
            type("txtDY", "3");
        }
        tabs("SSTab2")->setCurrentIndex(2);
        tabs("SSTab3")->setCurrentIndex(3);
        edit("txtCostDrill")->setFocus();
        type("txtCostBooster", "2.5");
        QByteArray control;
        QString booster = QStringLiteral("2.5");
        for (const QString &typed : r[0].split(u' ')) {
            control = typed.section(u'=', 0, 0).toLatin1();
            type(control.constData(), typed.section(u'=', 1));
            if (control == "txtCostBooster")
                booster = typed.section(u'=', 1);
        }
        Click(w.get(), "cmdOK");
        if (check < 0) {
            EXPECT_EQ(MessageTexts(), QStringList());
            EXPECT_EQ(w->result(), QDialog::Accepted);
            continue;
        }
        const QStringList &e = checks[check];
        ASSERT_EQ(MessageTexts(), QStringList{e[0]});
        EXPECT_EQ(fakeMessageBox().boxes.last().buttons, 16); // critical, OK only
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(tabs("SSTab1")->currentIndex(), e[1] == "SSTab1" ? e[2].toInt() : 0);
        EXPECT_EQ(tabs("SSTab2")->currentIndex(), e[1] == "SSTab2" ? e[2].toInt() : 2);
        EXPECT_EQ(tabs("SSTab3")->currentIndex(), e[1] == "SSTab3" ? e[2].toInt() : 3);
        // The field is selected; the numeric test moves no focus, a disabled field takes none.
        if (QWidget *field = find(check == 0 ? "txtCostDrill" : control.constData()); field->isEnabled()) {
            EXPECT_TRUE(w->focusWidget() == field || field->isAncestorOf(w->focusWidget()));
            if (auto *box = qobject_cast<QLineEdit *>(field); box && check != 0) {
                EXPECT_EQ(box->selectedText(), box->text());
            }
        }
        EXPECT_EQ(text("txtCostBooster"), booster);
        EXPECT_EQ(project().BlastDesign.CostBooster, 1.5f);
        EXPECT_EQ(flags().ProjectSaved, kTrue);
    }
}
