// The print preview: the page shown read-only, copied exactly, printed as File > Print
// prints it (on the recording printer and once into a real PDF); and every print
// command on a machine without a printer.

#include "WindowDriver.h"
#include "core/Messages.h"
#include "core/Printing.h"
#include "platform/QtPrinter.h"
#include "design/frmBlastDesign.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"
#include "shell/frmPreview.h"

#include <QFile>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

const QString kPage = QStringLiteral("Korvendo module\r\nBench height ........ 10\r\nΠεριγραφή\r\n");

// The drawn texts of a document below the header joined with CR LF, and the number of
// header texts.
std::pair<QString, int> printed(const PrintedDocument &doc)
{
    QString body;
    int header = 0;
    for (const auto &page : doc.pages)
        for (const PrintedText &t : page)
            if (t.y == printgeom::HeaderTop)
                ++header;
            else
                body += t.text + QStringLiteral("\r\n");
    return {body, header};
}

// A preview of page 0 holding 'page'.
std::unique_ptr<frmPreview> preview(const QString &page = kPage)
{
    StartCoreForTest();
    reportPages().OutBuf[0] = page;
    reportPages().OutBuf[1] = QStringLiteral("design page\r\n");
    auto w = std::make_unique<frmPreview>();
    w->show();
    return w;
}

} // namespace

// Page 0 is shown read-only, copied exactly, and printed with the header as File >
// Print prints it; an empty page prints the header only.
TEST(Preview, ShowsCopiesAndPrintsPageZeroAsFilePrintDoes)
{
    auto w = preview();
    auto *area = Child<QTextEdit>(w.get(), "RichTextBox1");
    ASSERT_TRUE(area);
    EXPECT_TRUE(area->isReadOnly());
    EXPECT_EQ(PrintableText(area->toPlainText()), kPage);
    EXPECT_TRUE(historyLog().text().contains("Preview displayed"));

    fakeClipboard().setText("something else");
    Click(w.get(), "Command2");
    EXPECT_EQ(fakeClipboard().text(), kPage);
    EXPECT_TRUE(historyLog().text().endsWith(". Output copied to clipboard\r\n"));
    Click(w.get(), "Command8");
    EXPECT_TRUE(MessageTexts().value(0).startsWith("Position the cursor"));

    Click(w.get(), "Command3");
    PrintDocument(kPage, [](const std::function<void()> &step) {
        step();
        return true;
    });
    ASSERT_EQ(fakePrinter().documents.size(), 2);
    EXPECT_EQ(printed(fakePrinter().documents[0]), std::make_pair(kPage, 2)); // the version line and the page number
    EXPECT_EQ(printed(fakePrinter().documents[1]), printed(fakePrinter().documents[0]));

    Click(preview(QString()).get(), "Command3");
    ASSERT_EQ(fakePrinter().documents.size(), 3);
    EXPECT_EQ(printed(fakePrinter().documents[2]), std::make_pair(QString(), 2));
}

TEST(Preview, PrintIntoPdfReadsBackAsThePage)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    auto w = preview();
    const QString pdf = testHome() + "/preview.pdf";
    services().printer = std::make_unique<QtPrinter>(pdf);
    Click(w.get(), "Command3");
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess run;
    run.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    for (const char *line : {"Version: ", "Page: 1", "Korvendo module", "Bench height ........ 10", "Περιγραφή"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << " in " << text.toStdString();
}

// Without a printer each print command says so in one message, in the language of the
// menus, naming where a printer or a PDF file is chosen. The message offers Retry and
// Cancel: Cancel prints nothing, Retry once a printer is there prints the job.
TEST(NoPrinter, EveryPrintCommandSaysSoOnceAndWhereOneIsChosen)
{
    QPointer<frmMain> main = StartProgram({}, testHome());
    ASSERT_TRUE(main);
    flags().FileEmpty = kFalse; // File > Print asks nothing first
    for (const QStringList &c : testTable("shell/no-printer.tsv")) {
        SCOPED_TRACE(c.join(' ').toStdString());
        settings().EnglishMenus = int16_t(c[2].toInt());
        const QString expected = testDataText(c[3]);
        ASSERT_FALSE(expected.isEmpty());
        std::unique_ptr<QWidget> window;
        if (c[0] == "frmPreview")
            window = std::make_unique<frmPreview>(main);
        else if (c[0] == "frmBlastDesign")
            window = std::make_unique<frmBlastDesign>(main);
        else
            ASSERT_EQ(c[0], "frmMain");
        if (window)
            window->show();
        for (const int answer : {mb::Cancel, mb::Retry}) {
            fakePrinter().available = false;
            fakeMessageBox().boxes.clear();
            // Retry finds the printer there; so does a second box, which would otherwise retry for ever.
            fakeMessageBox().onShow = [answer](const RecordedBox &) {
                fakePrinter().available = answer == mb::Retry || fakeMessageBox().boxes.size() > 1;
            };
            fakeMessageBox().script(answer);
            const qsizetype printed = fakePrinter().documents.size();
            if (window)
                Click(window.get(), qPrintable(c[1]));
            else
                Trigger(main, qPrintable(c[1]));
            EXPECT_EQ(MessageTexts(), QStringList{expected});
            EXPECT_EQ(fakeMessageBox().boxes.value(0).buttons, mb::RetryCancel);
            EXPECT_EQ(fakePrinter().documents.size(), printed + (answer == mb::Retry ? 1 : 0));
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        }
    }
    fakeMessageBox().onShow = nullptr;
    flags().ProjectSaved = kTrue;
    main->close();
}

// The Qt printer on this machine, which has no printer, gives the same one message.
TEST(NoPrinter, TheQtPrinterOfAMachineWithoutOne)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "a printer is installed; nothing is printed on it from a test";
    auto w = preview();
    services().printer = std::make_unique<QtPrinter>();
    fakeMessageBox().boxes.clear();
    // A second box, which must not come, would otherwise retry for ever.
    fakeMessageBox().script(mb::Cancel);
    fakeMessageBox().script(mb::Cancel);
    Click(w.get(), "Command3");
    EXPECT_EQ(MessageTexts(), QStringList{testDataText("shell/no-printer-en.txt")});
    EXPECT_FALSE(services().printer->isActive());
}
