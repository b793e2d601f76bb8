// Whole flows through the design window's result and drawing tabs: leaving the input
// tab checks and runs the design, the scroll bar pages through the alternatives, the
// sort, a run that finds nothing, the report pages on view, on the printer and on the
// clipboard, and the section drawing under the mouse.

#include "DesignFixtures.h"
#include "core/Errors.h"
#include "core/Printing.h"
#include "design/SectionPlot.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTextEdit>


namespace {

class DesignWindowRun : public DesignWindowFixture {
protected:
    void SetUp() override
    {
        DesignWindowFixture::SetUp();
        settings().ShowAllBlastDesign = 1;
        settings().EnglishMenus = 1;
    }

    QString charge() const { return text("txtKatanalosiAnaEpivradynsi"); }

    // The window shows the report of alternative k (0: the best) of the run on 'in':
    // pages 1 and 2 as that run writes them, and its grid cell by cell.
    void expectReportOf(const DesignInputs &in, int k) const
    {
        auto *table = find<QTableWidget>("grdOutput");
        QString shown;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 1; c <= 3; ++c)
                cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
            shown += cells.join(u'\t') + u'\n';
        }
        DesignSession reference;
        reference.RunDesign(in);
        if (k)
            reference.SelectAlternative(k, in);
        EXPECT_EQ(reportPages().OutBuf[1].toStdString(), reference.ReportPage(1).toStdString());
        EXPECT_EQ(reportPages().OutBuf[2].toStdString(), reference.ReportPage(2).toStdString());
        EXPECT_EQ(shown.toStdString(), GridText(reference.grid()).toStdString());
    }
};

// Pixel positions inside picBlast's inner area, from picture units.
void mouse(SectionPlot *plot, QEvent::Type type, double X, double Y, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPointF local = plot->toWidget(X, Y);
    QMouseEvent event(type, local, plot->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(plot, &event);
}

// The text a recorded document carries below the page headers, one CR LF a line.
QString printedText(const PrintedDocument &doc)
{
    QString text;
    for (const auto &page : doc.pages)
        for (const PrintedText &t : page)
            if (t.y >= printgeom::TextTop)
                text += t.text + QStringLiteral("\r\n");
    return text;
}

} // namespace

TEST_F(DesignWindowRun, RunPageSortAndFindNothing)
{
    const DesignInputs defaults = DefaultDesignInputs();
    open();
    // A failed check on leaving the input tab keeps the input tab on view.
    type("txtEidvarek", "0");
    showTab(1);
    EXPECT_EQ(MessageTexts(), QStringList{"Η Πυκνότητα Εκρηκτικού πρέπει να είναι Θετική"});
    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(w->focusWidget(), edit("txtEidvarek"));

    // The run finds 20 layouts and shows the best, 1 row x 9 holes; its charge per
    // delay goes to the vibration tab, with its echo.
    type("txtEidvarek", "0.90");
    showTab(1);
    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 1);
    EXPECT_EQ(scroll()->minimum(), 1);
    EXPECT_EQ(scroll()->maximum(), 20);
    EXPECT_EQ(scroll()->value(), 9);
    expectReportOf(defaults, 0);
    EXPECT_EQ(charge(), "405.33");
    EXPECT_EQ(text("Label29"), "893.59 lbs");
    EXPECT_TRUE(find("lblSpacingWarning")->isHidden());

    // The scroll bar pages through every alternative.
    for (int k = 1; k <= 20; ++k) {
        SCOPED_TRACE(k);
        scroll()->setValue(k);
        expectReportOf(defaults, k);
    }
    scroll()->setValue(15);
    EXPECT_EQ(charge(), "225.18"); // 5 holes per delay x 45.04 kg
    // Back to the input tab and out again: a fresh run, back at the best.
    showTab(0);
    showTab(1);
    EXPECT_EQ(scroll()->value(), 9);
    EXPECT_EQ(charge(), "405.33");

    // The sort puts the best first and selects it; unchecking keeps the selection.
    const DesignSession &s = w->session();
    find<QCheckBox>("chkSort")->setChecked(true);
    EXPECT_EQ(scroll()->value(), 1);
    expectReportOf(defaults, 0);
    scroll()->setValue(2);
    find<QCheckBox>("chkSort")->setChecked(false);
    EXPECT_EQ(s.SelectedAlternative(), 2);

    // A run that finds nothing: its message, and nothing of the earlier layout on show;
    // the scroll bar pages nothing until a run finds a layout again.
    const QString chargeBefore = charge();
    showTab(0);
    type("txtParagogi", "100");
    showTab(1);
    ASSERT_EQ(MessageTexts().size(), 2);
    EXPECT_EQ(MessageTexts().last(), MakeOutcome(DesignStatus::NoQualifyingLayout).message(true));
    EXPECT_EQ(fakeMessageBox().boxes.last().buttons, mb::Exclamation | mb::OkOnly);
    EXPECT_TRUE(reportPages().OutBuf[1].isEmpty());
    EXPECT_TRUE(reportPages().OutBuf[2].isEmpty());
    EXPECT_EQ(find<QTableWidget>("grdOutput")->rowCount(), 0);
    EXPECT_EQ(charge(), chargeBefore);
    EXPECT_FALSE(scroll()->isEnabled());
    EXPECT_EQ(find<SectionPlot>("picBlast")->lines().size(), 2u); // the bench alone
    scroll()->setValue(1);
    EXPECT_TRUE(reportPages().OutBuf[2].isEmpty());
    showTab(0);
    type("txtParagogi", "4000");
    Click(w.get(), "optEnausi_2"); // diagonal: the run notes the changed spacing
    showTab(1);
    EXPECT_TRUE(scroll()->isEnabled());
    EXPECT_EQ(s.SelectedAlternative(), s.BestAlternative());
    EXPECT_FALSE(find("lblSpacingWarning")->isHidden());
    EXPECT_EQ(text("lblSpacingWarning"), s.SpacingWarning());
}

TEST_F(DesignWindowRun, PagesOnViewOnTheClipboardAndOnThePrinter)
{
    open();
    showTab(1);
    Click(w.get(), "optDispMode_1");
    const auto &pages = reportPages().OutBuf;
    auto *view = find<QTextEdit>("RichTextBox1");
    const char *pageButtons[] = {"cmdPrevPage", "cmdNextPage", "cmdCopyPage", "cmdCopyAll", "cmdPrintPage", "cmdPrintAll"};
    EXPECT_EQ(w->CurrentPage, 2);
    EXPECT_TRUE(find("grdOutput")->isHidden());
    for (const char *b : pageButtons)
        EXPECT_FALSE(find(b)->isHidden()) << b;

    // Paging stops at both ends (tests/data/design/paging.tsv).
    for (const QStringList &step : testTable(QStringLiteral("design/paging.tsv"))) {
        Click(w.get(), qPrintable(step[0]));
        const int page = step[1].toInt();
        EXPECT_EQ(w->CurrentPage, page) << step[0].toStdString();
        EXPECT_EQ(view->toPlainText(), QString(pages[size_t(page)]).replace("\r\n", "\n"));
        EXPECT_EQ(find("cmdNextPage")->isEnabled(), step[2] == "1") << page;
        EXPECT_EQ(find("cmdPrevPage")->isEnabled(), step[3] == "1") << page;
    }

    Click(w.get(), "cmdCopyAll");
    EXPECT_EQ(fakeClipboard().text(), pages[0] + pages[1] + pages[2] + pages[3]);
    Click(w.get(), "cmdCopyPage");
    EXPECT_EQ(fakeClipboard().text(), pages[2]);

    Click(w.get(), "cmdPrintPage");
    ASSERT_EQ(fakePrinter().documents.size(), 1);
    EXPECT_EQ(fakePrinter().documents[0].pages[0][0].text, PrintHeaderText());
    EXPECT_EQ(printedText(fakePrinter().documents[0]), pages[2]);
    Click(w.get(), "cmdPrintAll"); // all pages run on as one text
    ASSERT_EQ(fakePrinter().documents.size(), 2);
    EXPECT_EQ(printedText(fakePrinter().documents[1]), pages[0] + pages[1] + pages[2] + pages[3]);
    for (const char *line : {"Output copied to clipboard\r\n", "Output page # 2 copied to clipboard\r\n",
                             "Current page printed\r\n", "All pages printed\r\n"})
        EXPECT_TRUE(LogSince(0).contains(line)) << line;

    // Cancel in the print dialog prints nothing.
    fakeFileDialog().printerSetupResult = false;
    historyLog().setText(QString());
    Click(w.get(), "cmdPrintPage");
    EXPECT_EQ(fakePrinter().documents.size(), 2);
    EXPECT_GT(LogSince(0).indexOf("Printing aborted\r\n"), LogSince(0).indexOf("Current page printed\r\n"));

    // Back to the grid.
    Click(w.get(), "optDispMode_0");
    EXPECT_TRUE(view->isHidden());
    EXPECT_FALSE(find("grdOutput")->isHidden());
    for (const char *b : pageButtons)
        EXPECT_TRUE(find(b)->isHidden()) << b;
}

// The section is drawn for the layout on view; pressing and dragging moves the
// crossing, and the read-outs follow the pointer.
TEST_F(DesignWindowRun, SectionFollowsTheLayoutAndTheOrigin)
{
    settings().ShowInternalPlotCoords = 1;
    open();
    auto *plot = find<SectionPlot>("picBlast");
    showTab(3); // straight from the input tab: runs, then draws
    const double sx = 5280.0 / double(21.6f), sy = 4920.0 / double(21.6f);
    ASSERT_EQ(plot->lines().size(), 4u); // bench top, face, one row: stemming and charge
    EXPECT_NEAR(plot->lines()[2].X1, 570 + 15 * sx, 0.01); // one burden behind the face
    scroll()->setValue(15); // 2 rows x 5 holes: two holes, one burden apart
    ASSERT_EQ(plot->lines().size(), 6u);
    EXPECT_NEAR(plot->lines()[4].X1, 570 + 12 * sx, 0.01);

    // Press and drag: the crossing follows the pointer over a cleared picture; on
    // release the same section is drawn around it at the same scale.
    mouse(plot, QEvent::MouseButtonPress, 1500, 3000, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(plot->lines().empty());
    mouse(plot, QEvent::MouseMove, 2250, 1500, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(text("lblIntCoord"), "Int. Coordinates: (X=2250, Y=1500)");
    mouse(plot, QEvent::MouseButtonRelease, 2250, 1500, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(plot->lines().size(), 6u);
    EXPECT_NEAR(plot->lines()[4].X1, 2250 + 12 * sx, 0.01);
    mouse(plot, QEvent::MouseMove, 2250 + 3 * sx, 1500 - 6 * sy, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(text("lblCoord"), "Coordinates: (X=3, Y=6)");
    plot->grab(); // paints without trouble
}
