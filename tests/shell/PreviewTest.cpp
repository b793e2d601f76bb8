// The print preview: the page shown read-only, copied exactly, printed as File > Print
// prints it (on the recording printer and once into a real PDF).

#include "TestSupport.h"
#include "core/Messages.h"
#include "core/Printing.h"
#include "core/ProgramState.h"
#include "platform/QtPrinter.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"
#include "shell/frmPreview.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kPage = QStringLiteral("Korvendo module\r\nBench height ........ 10\r\nΠεριγραφή\r\n");

// The drawn texts of a document below the header, page by page joined with CR LF.
QString printedBody(const PrintedDocument &doc)
{
    QString out;
    for (const auto &page : doc.pages)
        for (const PrintedText &t : page)
            if (t.y != printgeom::HeaderTop)
                out += t.text + QStringLiteral("\r\n");
    return out;
}

int headerTexts(const PrintedDocument &doc)
{
    int n = 0;
    for (const auto &page : doc.pages)
        for (const PrintedText &t : page)
            n += t.y == printgeom::HeaderTop;
    return n;
}

struct Preview {
    Preview()
    {
        StartCoreForTest();
        reportPages().OutBuf[0] = kPage;
        reportPages().OutBuf[1] = QStringLiteral("design page\r\n");
        w = std::make_unique<frmPreview>();
        w->show();
    }
    QPushButton *button(const char *name) const { return w->findChild<QPushButton *>(QLatin1String(name)); }
    QTextEdit *area() const { return w->findChild<QTextEdit *>(QStringLiteral("RichTextBox1")); }
    std::unique_ptr<frmPreview> w;
};

} // namespace

TEST(PrintableText, LineEndsBecomeCrLfEndingWithOne)
{
    const struct { const char *area, *printed; } cases[] = {
        {"", ""},
        {"one", "one\r\n"},
        {"one\ntwo", "one\r\ntwo\r\n"},
        {"one\ntwo\n", "one\r\ntwo\r\n"},
        {"one\r\ntwo", "one\r\ntwo\r\n"},
        {"\n\n", "\r\n\r\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PrintableText(QString::fromUtf8(c.area)), QString::fromUtf8(c.printed)) << c.area;
}

TEST(Preview, ShowsPageZeroReadOnlyAndCopiesItExactly)
{
    Preview p;
    ASSERT_TRUE(p.area());
    EXPECT_TRUE(p.area()->isReadOnly());
    EXPECT_EQ(PrintableText(p.area()->toPlainText()), kPage);
    EXPECT_TRUE(historyLog().text().contains("Preview displayed"));
    for (const char *name : {"Command1", "Command2", "Command3", "Command8"})
        EXPECT_TRUE(p.button(name)) << name;

    fakeClipboard().setText("something else");
    p.button("Command2")->click();
    EXPECT_EQ(fakeClipboard().text(), kPage);
    EXPECT_TRUE(historyLog().text().endsWith(". Output copied to clipboard\r\n"));

    p.button("Command8")->click();
    ASSERT_FALSE(fakeMessageBox().boxes.isEmpty());
    EXPECT_TRUE(fakeMessageBox().boxes.last().text.startsWith("Position the cursor"));
}

TEST(Preview, PrintsTheAreaWithTheHeaderAsFilePrintDoes)
{
    Preview p;
    p.button("Command3")->click();
    ASSERT_EQ(fakePrinter().documents.size(), 1);
    const PrintedDocument &doc = fakePrinter().documents[0];
    EXPECT_EQ(printedBody(doc), kPage);
    EXPECT_EQ(headerTexts(doc), 2); // the version line and the page number

    // The same page through File > Print's routine prints the same lines.
    PrintDocument(kPage, [](const std::function<void()> &step) { step(); return true; });
    ASSERT_EQ(fakePrinter().documents.size(), 2);
    EXPECT_EQ(printedBody(fakePrinter().documents[1]), printedBody(doc));
}

TEST(Preview, EmptyPagePrintsTheHeaderOnly)
{
    Preview p;
    reportPages().OutBuf[0].clear();
    frmPreview empty;
    empty.findChild<QPushButton *>("Command3")->click();
    ASSERT_EQ(fakePrinter().documents.size(), 1);
    EXPECT_EQ(printedBody(fakePrinter().documents[0]), "");
    EXPECT_EQ(headerTexts(fakePrinter().documents[0]), 2);
}

TEST(Preview, NoPrinterCancelledPrintsNothingAndIsReported)
{
    Preview p;
    fakePrinter().available = false;
    // Cancel on the error of the start and of the lines; the end has nothing to end.
    fakeMessageBox().script(mb::Cancel);
    fakeMessageBox().script(mb::Cancel);
    p.button("Command3")->click();
    EXPECT_TRUE(fakePrinter().documents.isEmpty());
    ASSERT_FALSE(fakeMessageBox().boxes.isEmpty());
    EXPECT_TRUE(fakeMessageBox().boxes[0].text.contains("482"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The next Print works again once a printer is there.
    fakePrinter().available = true;
    p.button("Command3")->click();
    EXPECT_FALSE(fakePrinter().documents.isEmpty());
}

TEST(Preview, PrintIntoPdfReadsBackAsThePage)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    Preview p;
    const QString pdf = testHome() + "/preview.pdf";
    services().printer = std::make_unique<QtPrinter>(pdf);
    p.button("Command3")->click();
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess run;
    run.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Version: ")) << text.toStdString();
    EXPECT_TRUE(text.contains("Page: 1"));
    EXPECT_TRUE(text.contains("Korvendo module"));
    EXPECT_TRUE(text.contains("Bench height ........ 10"));
    EXPECT_TRUE(text.contains("Περιγραφή"));
}

TEST(Preview, FileMenuOpensItModalOnPageZero)
{
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    fakeMessageBox().script(mb::Yes); // the new project is empty: go on
    QString shown;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        if (auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            shown = dlg->findChild<QTextEdit *>("RichTextBox1")->toPlainText();
            modal = dlg->objectName() == "frmPreview";
            dlg->reject();
        }
    });
    w->findChild<QAction *>("mnuFileItem_7")->trigger();
    EXPECT_TRUE(modal);
    EXPECT_TRUE(shown.startsWith("Korvendo module")) << shown.toStdString();
    EXPECT_TRUE(historyLog().text().contains("Preview displayed"));
    w->close();
}
