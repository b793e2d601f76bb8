// Whole flows through the design window's result and drawing tabs: leaving the input
// tab runs the design, the scroll bar pages through the alternatives, the sort, the
// runs that find nothing, the report pages on view, on the printer and on the
// clipboard, and the section drawing under the mouse.

#include "DesignFixtures.h"
#include "TestSupport.h"
#include "calculators/BurdenCalculators.h"
#include "core/Errors.h"
#include "core/Messages.h"
#include "core/Printing.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "design/SectionPlot.h"
#include "design/frmBlastDesign.h"
#include "platform/QtPrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

using Cells = std::vector<std::array<QString, 4>>;

// What the window shows of a report: pages 1 and 2 and the grid's texts.
struct Shown {
    QString page1, page2;
    Cells grid;
};

Cells cellsOf(const ReportGrid &g)
{
    return Cells(g.Cells.begin(), g.Cells.end());
}

// The same report from the computation alone.
Shown reference(const std::function<void(DesignSession &, const DesignInputs &)> &steps,
                const DesignInputs &in = DefaultDesignInputs())
{
    DesignSession session;
    steps(session, in);
    return {reportPages().OutBuf[1], reportPages().OutBuf[2], cellsOf(session.grid())};
}

class DesignWindowRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartCoreForTest();
        ResetProjectDefaults(255, 255);
        historyLog().setText(QString());
        settings().ShowAllBlastDesign = 1;
        settings().EnglishMenus = 1;
    }
    void TearDown() override
    {
        w.reset();
        UnloadAllCalculators();
    }

    frmBlastDesign &open()
    {
        w = std::make_unique<frmBlastDesign>();
        w->show();
        QApplication::setActiveWindow(w.get());
        return *w;
    }

    template <class T = QWidget> T *find(const QString &name) const
    {
        T *c = w->findChild<T *>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }
    QScrollBar *scroll() const { return find<QScrollBar>("HScroll1"); }
    void click(const QString &name) const { find<QAbstractButton>(name)->click(); }
    void showTab(int tab) const { find<QTabWidget>("SSTab1")->setCurrentIndex(tab); }
    bool logged(const QString &line) const { return historyLog().text().contains(line); }

    Cells gridShown() const
    {
        auto *grid = find<QTableWidget>("grdOutput");
        Cells cells(size_t(grid->rowCount()));
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < 4 && c < grid->columnCount(); ++c)
                if (QTableWidgetItem *item = grid->item(r, c))
                    cells[size_t(r)][size_t(c)] = item->text();
        return cells;
    }
    Shown shown() const { return {reportPages().OutBuf[1], reportPages().OutBuf[2], gridShown()}; }

    void expectShown(const Shown &actual, const Shown &expected, const std::string &what) const
    {
        SCOPED_TRACE(what);
        ExpectPage(actual.page1, expected.page1);
        ExpectPage(actual.page2, expected.page2);
        ASSERT_EQ(actual.grid.size(), expected.grid.size());
        for (size_t r = 0; r < actual.grid.size(); ++r)
            for (size_t c = 0; c < 4; ++c)
                EXPECT_EQ(actual.grid[r][c].toStdString(), expected.grid[r][c].toStdString())
                    << "row " << r << " column " << c;
    }

    std::unique_ptr<frmBlastDesign> w;
};

// Pixel positions inside picBlast's inner area, from picture units.
void mouse(SectionPlot *plot, QEvent::Type type, double X, double Y, Qt::MouseButton button,
           Qt::MouseButtons held)
{
    const QPointF local = plot->toWidget(X, Y);
    QMouseEvent event(type, local, plot->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(plot, &event);
}

} // namespace

TEST_F(DesignWindowRun, LeavingTheInputTabFindsTwentyLayoutsAndSelectsTheBest)
{
    struct Case {
        int english;
        int showAll;
        const char *numberOfHoles; // page 2, row 7
    } cases[] = {
        {1, 1, "Number of Blastholes.........................9 (Χ = 9,  Y= 1)"},
        {0, 1, "Αριθμός Διατρημάτων..........................9 (Χ = 9,  Y= 1)"},
        {1, 0, "Number of Blastholes.........................9 (Χ = 9,  Y= 1)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.english * 10 + c.showAll);
        settings().EnglishMenus = int16_t(c.english);
        settings().ShowAllBlastDesign = int16_t(c.showAll);
        fakeMessageBox().boxes.clear();
        open();
        showTab(1);

        EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        EXPECT_EQ(w->AlternativeCount, 20);
        EXPECT_EQ(w->session().SelectedAlternative(), 9);
        EXPECT_EQ(w->session().runState().HolesPerRow, 9);
        EXPECT_EQ(w->session().runState().RowCount, 1);
        EXPECT_EQ(scroll()->minimum(), 1);
        EXPECT_EQ(scroll()->maximum(), 20);
        EXPECT_EQ(scroll()->value(), 9);
        EXPECT_TRUE(scroll()->isEnabled());
        EXPECT_EQ(scroll()->isHidden(), c.showAll == 0);

        const Shown window = shown();
        EXPECT_EQ(window.page2.split("\r\n")[7].toStdString(), c.numberOfHoles);
        EXPECT_EQ(window.grid.size(), 33u);
        EXPECT_EQ(window.grid[7][3].toStdString(), "(Χ = 9,  Y= 1)");
        EXPECT_EQ(window.grid[0][1], c.english ? "Parameter" : "Παράμετρος");
        expectShown(window, reference([](DesignSession &s, const DesignInputs &in) { s.RunDesign(in); }),
                    "defaults");

        // The charge per delay of the layout reaches the vibration tab and its echo.
        EXPECT_EQ(edit("txtKatanalosiAnaEpivradynsi")->text(), "405.33");
        EXPECT_EQ(find<QLabel>("Label29")->text(), "893.59 lbs");
        EXPECT_TRUE(find<QLabel>("lblSpacingWarning")->isHidden());
    }
}

TEST_F(DesignWindowRun, ScrollBarPagesThroughEveryAlternative)
{
    open();
    showTab(1);
    const QString best = reportPages().OutBuf[2];
    for (int k = 1; k <= 20; ++k) {
        scroll()->setValue(k);
        ASSERT_EQ(w->session().SelectedAlternative(), k);
        const Shown window = shown();
        expectShown(window, reference([k](DesignSession &s, const DesignInputs &in) {
                        s.RunDesign(in);
                        s.SelectAlternative(k, in);
                    }),
                    "alternative " + std::to_string(k));
    }
    scroll()->setValue(15);
    EXPECT_EQ(reportPages().OutBuf[2].split("\r\n")[7].toStdString(),
              "Number of Blastholes.........................10 (Χ = 5,  Y= 2)");
    EXPECT_EQ(edit("txtKatanalosiAnaEpivradynsi")->text(), "225.18");
    scroll()->setValue(9);
    EXPECT_EQ(reportPages().OutBuf[2], best);
    EXPECT_EQ(edit("txtKatanalosiAnaEpivradynsi")->text(), "405.33");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());

    // Going back to the input tab and out again runs afresh and returns to the best.
    scroll()->setValue(3);
    showTab(0);
    showTab(1);
    EXPECT_EQ(scroll()->value(), 9);
    EXPECT_EQ(reportPages().OutBuf[2], best);
}

TEST_F(DesignWindowRun, PositionsThatNameNoAlternativeChangeNothing)
{
    open();
    showTab(1);
    scroll()->setValue(4);
    const Shown before = shown();
    const QString charge = edit("txtKatanalosiAnaEpivradynsi")->text();

    struct Case {
        const char *what;
        int minimum, maximum, value;
    } cases[] = {
        {"beyond the last", 1, 40, 21},
        {"far beyond", 1, 32767, 32767},
        {"zero", -5, 20, 0},
        {"negative", -5, 20, -3},
    };
    for (const Case &c : cases) {
        // A range change may move the position itself: it is made as the window makes
        // its own, under ScrollLock.
        w->ScrollLock = true;
        scroll()->setRange(c.minimum, c.maximum);
        w->ScrollLock = false;
        scroll()->setValue(c.value);
        EXPECT_EQ(w->session().SelectedAlternative(), 4) << c.what;
        expectShown(shown(), before, c.what);
        EXPECT_EQ(edit("txtKatanalosiAnaEpivradynsi")->text(), charge) << c.what;
    }
    // While the window sets the limits, a change selects nothing.
    w->ScrollLock = true;
    scroll()->setRange(1, 20);
    scroll()->setValue(12);
    w->ScrollLock = false;
    EXPECT_EQ(w->session().SelectedAlternative(), 4);
}

TEST_F(DesignWindowRun, SortPutsTheClosestFirstAndImpossibleLayoutsLast)
{
    open();
    showTab(1);
    const Shown best = shown();
    scroll()->setValue(17);

    find<QCheckBox>("chkSort")->setChecked(true);
    const DesignSession &s = w->session();
    ASSERT_EQ(s.AlternativeCount(), 20);
    EXPECT_EQ(s.Alternative(1).Index, 9);
    EXPECT_EQ(s.SelectedAlternative(), 1);
    EXPECT_EQ(scroll()->value(), 1);
    for (int k = 2; k <= 20; ++k)
        EXPECT_LE(std::fabs(s.Alternative(k - 1).VolumeDiff), std::fabs(s.Alternative(k).VolumeDiff)) << k;
    // The first of the sorted list is the best layout: the same report as after the run.
    expectShown(shown(), best, "sorted first");
    EXPECT_TRUE(QFile::exists(DesignSession::SortTraceFile()));

    // Paging follows the sorted order.
    scroll()->setValue(2);
    EXPECT_EQ(s.SelectedAlternative(), 2);
    EXPECT_EQ(s.runState().TotalHoles, s.Alternative(2).TotalHoles);

    // Unchecking keeps the order and the selection.
    find<QCheckBox>("chkSort")->setChecked(false);
    EXPECT_EQ(s.Alternative(1).Index, 9);
    EXPECT_EQ(s.SelectedAlternative(), 2);
    EXPECT_EQ(scroll()->value(), 2);

    // Modified rows: one hole per row is impossible and sorts last.
    find<QTabWidget>("SSTab1")->setCurrentIndex(0);
    click("optEnausi_1");
    showTab(1);
    ASSERT_EQ(s.AlternativeCount(), 20);
    find<QCheckBox>("chkSort")->setChecked(true);
    EXPECT_EQ(s.Alternative(19).VolumeDiff, kImpossibleVolumeDiff);
    EXPECT_EQ(s.Alternative(20).VolumeDiff, kImpossibleVolumeDiff);
    EXPECT_LT(s.Alternative(18).VolumeDiff, kImpossibleVolumeDiff);
    scroll()->setValue(20);
    EXPECT_EQ(s.SelectedAlternative(), 20);
    EXPECT_TRUE(reportPages().OutBuf[2].contains("Impossible layout"));
    EXPECT_FALSE(edit("txtKatanalosiAnaEpivradynsi")->text().isEmpty());
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
}

TEST_F(DesignWindowRun, NoQualifyingLayoutShowsAMessageAndNoReport)
{
    for (int english : {1, 0}) {
        SCOPED_TRACE(english);
        settings().EnglishMenus = int16_t(english);
        fakeMessageBox().boxes.clear();
        open();
        showTab(1); // a good run first
        ASSERT_EQ(scroll()->value(), 9);
        showTab(0);
        edit("txtParagogi")->setText("100");
        showTab(1);

        ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
        const RecordedBox box = fakeMessageBox().boxes[0];
        EXPECT_EQ(box.text, MakeOutcome(DesignStatus::NoQualifyingLayout).message(english == 1));
        EXPECT_TRUE(box.text.startsWith(english ? "No layout comes close" : "Καμία διάταξη"));
        EXPECT_EQ(box.buttons, mb::Exclamation | mb::OkOnly);

        // Nothing of the earlier layout, and nothing of zero fields, is left on show.
        EXPECT_TRUE(reportPages().OutBuf[1].isEmpty());
        EXPECT_TRUE(reportPages().OutBuf[2].isEmpty());
        EXPECT_EQ(find<QTableWidget>("grdOutput")->rowCount(), 0);
        EXPECT_EQ(w->session().SelectedAlternative(), 0);
        EXPECT_EQ(edit("txtKatanalosiAnaEpivradynsi")->text(), "405.33"); // untouched by this run
        EXPECT_FALSE(scroll()->isEnabled());
        EXPECT_EQ(find<SectionPlot>("picBlast")->lines().size(), 2u); // the bench alone

        // The scroll bar pages nothing until a run finds a layout again.
        scroll()->setValue(1);
        EXPECT_TRUE(reportPages().OutBuf[2].isEmpty());
        showTab(2);
        showTab(1);
        EXPECT_TRUE(reportPages().OutBuf[2].isEmpty());
        EXPECT_EQ(fakeMessageBox().boxes.size(), 1);

        showTab(0);
        edit("txtParagogi")->setText("4000");
        showTab(1);
        EXPECT_TRUE(scroll()->isEnabled());
        EXPECT_EQ(scroll()->value(), 9);
        EXPECT_EQ(w->session().SelectedAlternative(), 9);
        EXPECT_FALSE(reportPages().OutBuf[2].isEmpty());
    }
}

TEST_F(DesignWindowRun, DiagonalSearchShowsItsSpacingNotice)
{
    open();
    click("optEnausi_2");
    showTab(1);
    auto *notice = find<QLabel>("lblSpacingWarning");
    EXPECT_FALSE(notice->isHidden());
    EXPECT_EQ(notice->text(), w->session().SpacingWarning());
    EXPECT_TRUE(notice->text().startsWith("Προσοχή: Τροποποίηθηκε η απόσταση από "));
    showTab(0);
    click("optEnausi_0");
    showTab(1);
    EXPECT_TRUE(notice->isHidden());
}

TEST_F(DesignWindowRun, PrintModeFollowsTheSelectedLayout)
{
    open();
    showTab(1);
    click("optDispMode_1");
    auto *view = find<QTextEdit>("RichTextBox1");
    EXPECT_EQ(view->toPlainText(), QString(reportPages().OutBuf[2]).replace("\r\n", "\n"));
    EXPECT_TRUE(view->isReadOnly());
    // The scroll bar shows again on the result tab; paging changes the page on view.
    showTab(2);
    showTab(1);
    scroll()->setValue(15);
    EXPECT_TRUE(view->toPlainText().contains("10 (Χ = 5,  Y= 2)"));
}

TEST_F(DesignWindowRun, PageButtonsWalkThePages)
{
    open();
    showTab(1);
    click("optDispMode_1");
    auto *view = find<QTextEdit>("RichTextBox1");
    auto *next = find<QPushButton>("cmdNextPage");
    auto *prev = find<QPushButton>("cmdPrevPage");
    EXPECT_TRUE(next->isEnabled());
    EXPECT_TRUE(prev->isEnabled());

    struct Step {
        const char *button;
        int page;
        bool nextEnabled, prevEnabled;
    } steps[] = {
        {"cmdNextPage", 3, false, true}, {"cmdNextPage", 3, false, true}, {"cmdPrevPage", 2, true, true},
        {"cmdPrevPage", 1, true, true},  {"cmdPrevPage", 0, true, false}, {"cmdPrevPage", 0, true, false},
        {"cmdNextPage", 1, true, true},
    };
    for (const Step &s : steps) {
        click(s.button);
        EXPECT_EQ(w->CurrentPage, s.page) << s.button;
        EXPECT_EQ(view->toPlainText(), QString(reportPages().OutBuf[size_t(s.page)]).replace("\r\n", "\n"));
        EXPECT_EQ(next->isEnabled(), s.nextEnabled) << s.page;
        EXPECT_EQ(prev->isEnabled(), s.prevEnabled) << s.page;
    }
    EXPECT_TRUE(reportPages().OutBuf[3].isEmpty());

    // Back to print mode after the grid: page 2, with both ways open again.
    click("cmdNextPage");
    click("cmdNextPage");
    click("optDispMode_0");
    click("optDispMode_1");
    EXPECT_EQ(w->CurrentPage, 2);
    EXPECT_TRUE(next->isEnabled());
    EXPECT_TRUE(prev->isEnabled());
}

namespace {

// The text lines a recorded document carries below the page headers.
QStringList printedLines(const PrintedDocument &doc)
{
    QStringList lines;
    for (const auto &page : doc.pages)
        for (const PrintedText &t : page)
            if (t.y >= printgeom::TextTop)
                lines << t.text;
    return lines;
}

QStringList pageLines(const QString &text)
{
    QStringList lines = text.split("\r\n");
    lines.removeLast(); // the text ends with CR LF
    return lines;
}

} // namespace

TEST_F(DesignWindowRun, CopyAndPrintThePages)
{
    open();
    showTab(1);
    click("optDispMode_1");
    const auto &pages = reportPages().OutBuf;
    ASSERT_FALSE(pages[0].isEmpty());

    click("cmdCopyAll");
    EXPECT_EQ(fakeClipboard().text(), pages[0] + pages[1] + pages[2] + pages[3]);
    EXPECT_TRUE(logged("Output copied to clipboard\r\n"));
    click("cmdCopyPage");
    EXPECT_EQ(fakeClipboard().text(), pages[2]);

    // The current page alone.
    click("cmdPrintPage");
    EXPECT_EQ(fakeFileDialog().printerSetups, 1);
    ASSERT_EQ(fakePrinter().documents.size(), 1);
    EXPECT_EQ(printedLines(fakePrinter().documents[0]), pageLines(pages[2]));
    EXPECT_TRUE(logged("Current page printed\r\n"));
    EXPECT_EQ(fakePrinter().documents[0].pages[0][0].text, PrintHeaderText());

    // All pages run on as one text.
    click("cmdPrintAll");
    ASSERT_EQ(fakePrinter().documents.size(), 2);
    EXPECT_EQ(printedLines(fakePrinter().documents[1]), pageLines(pages[0] + pages[1] + pages[2] + pages[3]));
    EXPECT_GE(fakePrinter().documents[1].pages.size(), 2);
    EXPECT_TRUE(logged("All pages printed\r\n"));
    EXPECT_EQ(w->CurrentPage, 2);

    // Cancel in the print dialog prints nothing.
    fakeFileDialog().printerSetupResult = false;
    historyLog().setText(QString());
    click("cmdPrintPage");
    EXPECT_EQ(fakePrinter().documents.size(), 2);
    const QString history = historyLog().text();
    EXPECT_TRUE(history.contains("Current page printed\r\n"));
    EXPECT_GT(history.indexOf("Printing aborted\r\n"), history.indexOf("Current page printed"));
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());

    // No printer: the error offers Retry; once the printer is back the job completes.
    fakeFileDialog().printerSetupResult = true;
    fakePrinter().available = false;
    fakeMessageBox().onShow = [](const RecordedBox &) { fakePrinter().available = true; };
    fakeMessageBox().script(mb::Retry);
    click("cmdPrintPage");
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes[0].text, "Error occurred: " + ErrorText(482) + " (482)");
    ASSERT_EQ(fakePrinter().documents.size(), 3);
    EXPECT_EQ(printedLines(fakePrinter().documents[2]), pageLines(pages[2]));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(DesignWindowRun, AllPagesIntoPdf)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString pdf = testHome() + "/design.pdf";
    services().printer = std::make_unique<QtPrinter>(pdf);
    open();
    showTab(1);
    click("optDispMode_1");
    click("cmdPrintAll");
    ASSERT_TRUE(QFile::exists(pdf));

    QProcess run;
    run.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    for (const char *line : {"[Design Parameters]", "[Selected Solution]",
                             "Total Explosives in Blast....................396.33 kg",
                             "Unit Blast Cost..............................0.69 E/m^3"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains("Page: 2"));
}

TEST_F(DesignWindowRun, SectionFollowsTheLayoutAndTheOrigin)
{
    settings().ShowInternalPlotCoords = 1;
    open();
    auto *plot = find<SectionPlot>("picBlast");
    EXPECT_EQ(plot->ScaleWidth(), 5280.0f);
    EXPECT_EQ(plot->ScaleHeight(), 4920.0f);
    showTab(3); // straight from the input tab: runs, then draws

    const double sx = 5280.0 / double(21.6f), sy = 4920.0 / double(21.6f);
    ASSERT_EQ(plot->lines().size(), 4u); // bench top, face, one row: stemming and charge
    const SectionLine &stem = plot->lines()[2];
    EXPECT_NEAR(stem.X1, 570 + 15 * sx, 0.01); // 1 row x 9 holes, one burden behind the face
    EXPECT_NEAR(stem.Y1, 4320 - 9 * sy, 0.01);
    EXPECT_NEAR(stem.Y2, 4320 - 12 * sy, 0.01);
    EXPECT_EQ(stem.Colour, sectioncolour::Stemming);
    EXPECT_NEAR(plot->lines()[3].Y1, 4320 + double(0.9f) * sy, 0.05);

    // Paging to 2 rows x 5 holes draws two holes, one burden apart.
    scroll()->setValue(15);
    ASSERT_EQ(plot->lines().size(), 6u);
    EXPECT_NEAR(plot->lines()[4].X1, 570 + 12 * sx, 0.01);

    // Press: the crossing moves to the pointer and the picture is cleared.
    mouse(plot, QEvent::MouseButtonPress, 1500, 3000, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(w->PlotView.Dragging);
    EXPECT_TRUE(plot->lines().empty());
    EXPECT_EQ(w->PlotView.OriginX(), 1500.0f);
    EXPECT_EQ(w->PlotView.OriginY(), 3000.0f);
    // Dragging keeps moving it; the read-outs follow the pointer.
    mouse(plot, QEvent::MouseMove, 2250, 1500, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(w->PlotView.OriginX(), 2250.0f);
    EXPECT_EQ(w->PlotView.OriginY(), 1500.0f);
    EXPECT_EQ(find<QLabel>("lblIntCoord")->text(), "Int. Coordinates: (X=2250, Y=1500)");
    EXPECT_TRUE(plot->lines().empty());
    // Release: the same section around the new origin, at the same scale.
    mouse(plot, QEvent::MouseButtonRelease, 2250, 1500, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(w->PlotView.Dragging);
    ASSERT_EQ(plot->lines().size(), 6u);
    EXPECT_NEAR(plot->lines()[0].X2, 2250, 0.01); // bench top ends at x = 0
    EXPECT_NEAR(plot->lines()[0].Y2, 1500 - 12 * sy, 0.01);
    EXPECT_NEAR(plot->lines()[4].X1, 2250 + 12 * sx, 0.01);
    mouse(plot, QEvent::MouseMove, 2250, 1500, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(find<QLabel>("lblCoord")->text(), "Coordinates: (X=0, Y=0)");
    mouse(plot, QEvent::MouseMove, 2250 + 3 * sx, 1500 - 6 * sy, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(find<QLabel>("lblCoord")->text(), "Coordinates: (X=3, Y=6)");

    // Dragged out over the right edge: the crossing stays on the edge, all finite.
    mouse(plot, QEvent::MouseButtonPress, 5000, 4000, Qt::LeftButton, Qt::LeftButton);
    mouse(plot, QEvent::MouseMove, 9000, 6000, Qt::NoButton, Qt::LeftButton);
    mouse(plot, QEvent::MouseButtonRelease, 9000, 6000, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(w->PlotView.OriginX(), 5280.0f);
    EXPECT_EQ(w->PlotView.OriginY(), 4920.0f);
    ASSERT_EQ(plot->lines().size(), 6u);
    for (const SectionLine &l : plot->lines())
        for (double c : {l.X1, l.Y1, l.X2, l.Y2})
            EXPECT_TRUE(std::isfinite(c));
    // The next redraw keeps the crossing where the user left it.
    scroll()->setValue(9);
    EXPECT_EQ(w->PlotView.OriginX(), 5280.0f);
    ASSERT_EQ(plot->lines().size(), 4u);
    EXPECT_NEAR(plot->lines()[2].X1, 5280 + 15 * sx, 0.01); // right of the picture, yet finite
    plot->grab(); // paints without trouble

    // Greek read-out; without the internal option its label is left alone.
    settings().EnglishMenus = 0;
    settings().ShowInternalPlotCoords = 0;
    find<QLabel>("lblIntCoord")->setText("unchanged");
    mouse(plot, QEvent::MouseMove, 5280, 4920, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(find<QLabel>("lblCoord")->text(), "Συντεταγμένες: (X=0, Y=0)");
    EXPECT_EQ(find<QLabel>("lblIntCoord")->text(), "unchanged");
}

TEST_F(DesignWindowRun, ReleasingTheMouseBeforeAnyDrawingDrawsNothing)
{
    open();
    auto *plot = find<SectionPlot>("picBlast");
    mouse(plot, QEvent::MouseButtonPress, 1000, 1000, Qt::LeftButton, Qt::LeftButton);
    mouse(plot, QEvent::MouseButtonRelease, 1000, 1000, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(plot->lines().empty());
    EXPECT_FALSE(w->PlotView.Dragging);
}
