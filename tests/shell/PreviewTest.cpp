// The print preview: the page shown read-only, copied exactly and printed; and the print
// commands on an empty project and on a machine without a printer.

#include "ProgramFixture.h"
#include "core/Messages.h"
#include "core/Printing.h"
#include "platform/QtPrinter.h"
#include "design/frmBlastDesign.h"
#include "shell/frmPreview.h"

#include <QPrinterInfo>
#include <QPlainTextEdit>

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

using PrintCommands = ProgramTest;

} // namespace

// Page 0 is shown read-only, copied exactly, and printed line for line below the
// header; an empty page prints the header only.
TEST(Preview, ShowsCopiesAndPrintsPageZero)
{
    auto w = preview();
    auto *area = Child<QPlainTextEdit>(w.get(), "RichTextBox1");
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
    Click(preview(QString()).get(), "Command3");
    ASSERT_EQ(fakePrinter().documents.size(), 2);
    EXPECT_EQ(printed(fakePrinter().documents[0]), std::make_pair(kPage, 2)); // the version line and the page number
    EXPECT_EQ(printed(fakePrinter().documents[1]), std::make_pair(QString(), 2));
}

// Print and Preview of a new project ask first: No prints and shows nothing, Yes goes on.
// Without a printer each print command says so in one message, in the language of the
// menus, naming where a printer or a PDF file is chosen. The message offers Retry and
// Cancel: Cancel prints nothing, Retry once a printer is there prints the job. The Qt
// printer of a machine without one gives the same message.
TEST_F(PrintCommands, AskAboutAnEmptyProjectAndSayOnceWhereAPrinterIsChosen)
{
    start();
    QStringList previews;
    w->setWindowOpener("mnuFileItem_7", [&] { previews << reportPages().OutBuf[0].left(15); });
    for (const int answer : {mb::No, mb::Yes}) {
        fakeMessageBox().boxes.clear();
        fakeMessageBox().script(answer);
        fakeMessageBox().script(answer);
        Trigger(w, "mnuFileItem_6");
        Trigger(w, "mnuFileItem_7");
        EXPECT_EQ(MessageTexts(), QStringList(2, "Current file is empty. Continue?"));
        EXPECT_EQ(fakeMessageBox().boxes.value(0).buttons, mb::YesNo | mb::Question | mb::DefaultButton2);
        EXPECT_EQ(fakePrinter().documents.size(), answer == mb::Yes ? 1 : 0);
        EXPECT_EQ(previews, answer == mb::Yes ? QStringList{"Korvendo module"} : QStringList());
    }

    flags().FileEmpty = kFalse; // File > Print asks nothing first
    for (const QStringList &c : testTable("shell/no-printer.tsv")) {
        SCOPED_TRACE(c.join(' ').toStdString());
        settings().EnglishMenus = int16_t(c[2].toInt());
        const QString expected = testDataText(c[3]);
        std::unique_ptr<QWidget> window;
        if (c[0] == "frmPreview")
            window = std::make_unique<frmPreview>(w);
        else if (c[0] == "frmBlastDesign")
            window = std::make_unique<frmBlastDesign>(w);
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
                Trigger(w, qPrintable(c[1]));
            EXPECT_EQ(MessageTexts(), QStringList{expected});
            EXPECT_EQ(fakeMessageBox().boxes.value(0).buttons, mb::RetryCancel);
            EXPECT_EQ(fakePrinter().documents.size(), printed + (answer == mb::Retry ? 1 : 0));
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        }
    }

    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "a printer is installed; nothing is printed on it from a test";
    services().printer = std::make_unique<QtPrinter>();
    fakeMessageBox().onShow = nullptr;
    fakeMessageBox().boxes.clear();
    // A second box, which must not come, would otherwise retry for ever.
    fakeMessageBox().script(mb::Cancel);
    fakeMessageBox().script(mb::Cancel);
    Trigger(w, "mnuFileItem_6");
    EXPECT_EQ(MessageTexts(), QStringList{testDataText("shell/no-printer-el.txt")});
    EXPECT_FALSE(services().printer->isActive());
}
