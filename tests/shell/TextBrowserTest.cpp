// The text-file browser on a temporary folder: patterns, UTF-8 and Windows Greek
// files, empty, binary and too large files, the external viewer through the opener
// fake, the font dialog, and the [TextBrowse] section on closing.

#include "TestSupport.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/TextView.h"
#include "core/Utilities.h"
#include "platform/FileLists.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"
#include "shell/frmTextBrow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

const QString kGreek = QStringLiteral("Γόμωση και Διάτρηση: 12,5 m\r\nΕπιβράδυνση\r\n");

QStringList fileNames(const FileList *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

class TextBrowser : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartCoreForTest();
        folder = testHome() + "/data files";
        QDir().mkpath(folder + "/sub");
        writeFile(folder + "/greek-utf8.txt", kGreek.toUtf8());
        QStringEncoder to1253("windows-1253");
        writeFile(folder + "/greek-1253.TXT", QByteArray(to1253.encode(kGreek)));
        writeFile(folder + "/empty.kvd", QByteArray());
        writeFile(folder + "/project.KVD", "KORV_ENDO_209\r\n");
        writeFile(folder + "/image.bin", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        settings().DataPath = folder + "/";
        fakeMessageBox().boxes.clear();
    }
    void TearDown() override { UnloadTextBrowser(); }

    frmTextBrow *open()
    {
        ShowTextBrowser();
        auto *w = qobject_cast<frmTextBrow *>(QApplication::topLevelWidgets().isEmpty() ? nullptr : find());
        return w;
    }
    static frmTextBrow *find()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *b = qobject_cast<frmTextBrow *>(w); b && b->isVisible())
                return b;
        return nullptr;
    }
    // Shows a file as a double-click does.
    void show(frmTextBrow *w, const QString &name)
    {
        auto *list = w->findChild<FileList *>("File1");
        list->selectFile(name);
        ASSERT_EQ(list->fileName(), name);
        emit list->itemActivated(list->currentItem());
    }
    QString view(frmTextBrow *w) { return w->findChild<QPlainTextEdit *>("RichTextBox1")->toPlainText(); }

    QString folder;
};

} // namespace

TEST(TextView, DecodingAndViewerCommands)
{
    QStringEncoder to1253("windows-1253");
    const struct { QByteArray bytes; QString text; } decoded[] = {
        {kGreek.toUtf8(), QString(kGreek).replace("\r\n", "\r\n")},
        {QByteArray(to1253.encode(kGreek)), kGreek},
        {QByteArray("\xEF\xBB\xBFplain"), "plain"},
        {QByteArray("a\0b\x01\tc", 6), QStringLiteral("a\uFFFDb\uFFFD\tc")},
        {QByteArray(), ""},
    };
    for (const auto &d : decoded)
        EXPECT_EQ(DecodeViewText(d.bytes), d.text) << d.bytes.toHex().toStdString();

    // Long lines are shown in pieces; the inserted line feeds are all that changes.
    const QString pair = QStringLiteral("\U0001D11E");
    const struct { QString text, shown; } broken[] = {
        {"short\r\nlines", "short\r\nlines"},
        {QString(10, 'x'), QString(10, 'x')},
        {QString(25, 'x') + "\r\n" + QString(10, 'y'), QString(10, 'x') + '\n' + QString(10, 'x') + '\n'
             + QString(5, 'x') + "\r\n" + QString(10, 'y')},
        {QString(9, 'a') + pair + "b", QString(9, 'a') + pair + "\nb"},
        {QString(12, 'c') + QChar(QChar::LineSeparator) + QString(4, 'd'),
         QString(10, 'c') + "\ncc" + QChar(QChar::LineSeparator) + QString(4, 'd')},
    };
    for (const auto &b : broken)
        EXPECT_EQ(BreakLongLines(b.text, 10), b.shown);

    const QString copy = "/home/u/my temp/~tmpbr-1.txt";
    const struct { const char *setting; bool desktop, valid; const char *program; QStringList args; } commands[] = {
        {"xdg-open", true, true, "", {}},
        {"", true, true, "", {}},
        {"notepad.EXE", true, true, "", {}},
        {"gedit --new-window", false, true, "gedit", {"--new-window", copy}},
        {"\"/opt/my viewer/view\"", false, true, "/opt/my viewer/view", {copy}},
        {"less; rm -rf ~", false, true, "less;", {"rm", "-rf", "~", copy}},
        {"\"/opt/open", false, false, "", {}},
    };
    for (const auto &c : commands) {
        SCOPED_TRACE(c.setting);
        const ViewerCommand v = ViewerCommandFor(QString::fromUtf8(c.setting), copy);
        EXPECT_EQ(v.desktopOpener, c.desktop);
        EXPECT_EQ(v.valid, c.valid);
        if (!c.desktop && c.valid) {
            EXPECT_EQ(v.program, c.program);
            EXPECT_EQ(v.arguments, c.args);
        }
    }
}

TEST(FilePattern, IgnoresCaseAndFallsBackToAll)
{
    const struct { const char *pattern, *name; bool match; } cases[] = {
        {"*.KVD", "a.kvd", true},  {"*.kvd", "A.KVD", true},  {"*.KVD", "a.txt", false},
        {"*.txt;*.kvd", "b.KVD", true}, {"*.*", "README", true}, {"report.txt", "Report.TXT", true},
        {"a/b", "x.txt", true},   {"", "x", true},            {"  ", "x", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FilePattern(c.pattern).matches(c.name), c.match) << c.pattern << " " << c.name;
    EXPECT_FALSE(FilePattern("a/b").isValid());
    EXPECT_TRUE(FilePattern("*.txt").isValid());
}

TEST_F(TextBrowser, FirstUseShowsTheProjectPatternInTheDataFolder)
{
    frmTextBrow *w = open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "View Source Files");
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->findChild<QLineEdit *>("Text2")->text(), "*.KVD");
    auto *files = w->findChild<FileList *>("File1");
    EXPECT_EQ(files->path(), folder);
    EXPECT_EQ(fileNames(files), (QStringList{"empty.kvd", "project.KVD"}));

    // Typing filters at once; an invalid pattern lists every file and stays typed.
    auto *pattern = w->findChild<QLineEdit *>("Text2");
    pattern->setText("*.txt");
    EXPECT_EQ(fileNames(files), (QStringList{"greek-1253.TXT", "greek-utf8.txt"}));
    pattern->setText("x/y");
    EXPECT_EQ(fileNames(files).size(), 5);
    EXPECT_EQ(pattern->text(), "x/y");

    // Opening it again brings the same window forward.
    ShowTextBrowser();
    int browsers = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        browsers += qobject_cast<frmTextBrow *>(top) != nullptr;
    EXPECT_EQ(browsers, 1);
}

TEST_F(TextBrowser, ShowsUtf8AndGreekWindowsFilesAlikeAndRefusesHugeOnes)
{
    frmTextBrow *w = open();
    w->findChild<QLineEdit *>("Text2")->setText("*");
    const QString expected = QString(kGreek).replace("\r\n", "\n");
    show(w, "greek-utf8.txt");
    EXPECT_EQ(view(w), expected);
    EXPECT_EQ(w->findChild<QLabel *>("Label1")->text(), folder + "/greek-utf8.txt");
    show(w, "greek-1253.TXT");
    EXPECT_EQ(view(w), expected);
    show(w, "empty.kvd");
    EXPECT_EQ(view(w), "");
    // A long line and many lines: every character shown, the long line in pieces, the
    // file unchanged.
    QByteArray lines = QByteArray(2500, 'L') + "\r\n";
    for (int i = 0; i < 3000; ++i)
        lines += "line " + QByteArray::number(i) + "\n";
    writeFile(folder + "/long.txt", lines);
    w->findChild<QLineEdit *>("Text2")->setText("*.txt");
    show(w, "long.txt");
    w->findChild<QLineEdit *>("Text2")->setText("*");
    const QStringList shown = view(w).split('\n');
    EXPECT_EQ(shown.mid(0, 3), (QStringList{QString(1000, 'L'), QString(1000, 'L'), QString(500, 'L')}));
    EXPECT_EQ(shown.mid(3).join('\n'), QString::fromLatin1(lines).mid(2502));
    EXPECT_EQ(readFile(folder + "/long.txt"), lines);
    show(w, "image.bin");
    EXPECT_TRUE(view(w).contains(QChar(QChar::ReplacementCharacter)));
    EXPECT_FALSE(view(w).contains(QChar(0)));
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());

    // Over 16 MB: a message names the file; the view keeps what it showed.
    {
        QFile big(folder + "/big.log");
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(16 * 1024 * 1024 + 1));
    }
    w->findChild<QLineEdit *>("Text2")->setText("*.log");
    fakeMessageBox().script(mb::Ok);
    show(w, "big.log");
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_TRUE(fakeMessageBox().boxes[0].text.contains("big.log")) << fakeMessageBox().boxes[0].text.toStdString();
    EXPECT_TRUE(view(w).contains(QChar(QChar::ReplacementCharacter)));
}

TEST_F(TextBrowser, ExternalViewerGetsAPrivateCopyAsOneArgument)
{
    paths().UserTempPath = testHome() + "/temp with blank/";
    QDir().mkpath(paths().UserTempPath);
    settings().ExternalEditor = "\"/opt/my viewer/view\" --readonly";
    frmTextBrow *w = open();
    auto *external = w->findChild<QCheckBox *>("Check1");
    auto *font = w->findChild<QPushButton *>("cmdSetFont");
    EXPECT_TRUE(font->isEnabled());
    external->setChecked(true);
    EXPECT_FALSE(font->isEnabled());
    w->findChild<QLineEdit *>("Text2")->setText("*.txt");

    show(w, "greek-1253.TXT");
    ASSERT_EQ(fakeOpener().commands.size(), 1);
    const QStringList command = fakeOpener().commands[0];
    ASSERT_EQ(command.size(), 3);
    EXPECT_EQ(command[0], "/opt/my viewer/view");
    EXPECT_EQ(command[1], "--readonly");
    const QString copy = command[2];
    EXPECT_TRUE(copy.startsWith(paths().UserTempPath)) << copy.toStdString();
    EXPECT_NE(copy, paths().UserTempPath + "~tmpbr.tmp");
    EXPECT_EQ(readFile(copy), readFile(folder + "/greek-1253.TXT"));
    EXPECT_EQ(QFile::permissions(copy) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
    EXPECT_EQ(view(w), "") << "the view keeps its content";

    // The desktop's opener for "xdg-open"; a viewer that cannot start is reported.
    settings().ExternalEditor = "xdg-open";
    show(w, "greek-utf8.txt");
    EXPECT_EQ(fakeOpener().documents, QStringList{copy});
    EXPECT_EQ(readFile(copy), kGreek.toUtf8());
    fakeOpener().result = false;
    settings().ExternalEditor = "missing-viewer -x";
    show(w, "greek-utf8.txt");
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes[0].text, "Shell operation failed. Check status of External Viewer: missing-viewer -x");
    EXPECT_EQ(fakeMessageBox().boxes[0].title, messageState().TitleError);

    // A file removed after the list was made is reported; the viewer is not started.
    fakeMessageBox().boxes.clear();
    const qsizetype started = fakeOpener().commands.size() + fakeOpener().documents.size();
    fakeOpener().result = true;
    ASSERT_TRUE(QFile::remove(folder + "/greek-utf8.txt"));
    show(w, "greek-utf8.txt");
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes[0].text, "Requested File not found: " + folder + "/greek-utf8.txt");
    EXPECT_EQ(fakeOpener().commands.size() + fakeOpener().documents.size(), started);

    // A file the user may not read is reported by its own name, not by the copy's.
    ScopedOwnerPermissions asOwner;
    if (!asOwner.ok())
        GTEST_SKIP() << "file permissions cannot be made to bind here";
    fakeMessageBox().boxes.clear();
    ASSERT_TRUE(QFile::setPermissions(folder + "/greek-1253.TXT", QFile::WriteOwner));
    show(w, "greek-1253.TXT");
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes[0].text,
              "Requested File could not be read: " + folder + "/greek-1253.TXT (Permission denied)");
    EXPECT_EQ(fakeOpener().commands.size() + fakeOpener().documents.size(), started);
}

TEST_F(TextBrowser, FontAndClosingWriteTextBrowseAndTheNextOpeningStartsThere)
{
    frmTextBrow *w = open();
    settings().BrowseFontName = "DejaVu Sans";
    settings().BrowseFontSize = 10;
    fakeFileDialog().scriptFont(FontChoice{"DejaVu Sans Mono", 13, false, true});
    w->findChild<QPushButton *>("cmdSetFont")->click();
    ASSERT_EQ(fakeFileDialog().fontRequests.size(), 1);
    EXPECT_EQ(fakeFileDialog().fontRequests[0].name, "DejaVu Sans");
    auto *area = w->findChild<QPlainTextEdit *>("RichTextBox1");
    EXPECT_EQ(area->font().family(), "DejaVu Sans Mono");
    EXPECT_TRUE(area->font().italic());
    // A font the screen does not have is refused.
    fakeFileDialog().scriptFont(FontChoice{"No Such Font", 12, false, false});
    w->findChild<QPushButton *>("cmdSetFont")->click();
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes[0].text, "Invalid font selection");
    fakeFileDialog().scriptFont(FontChoice{"DejaVu Sans Mono", 13, false, true});
    w->findChild<QPushButton *>("cmdSetFont")->click();

    w->findChild<FolderList *>("Dir1")->setPath(folder + "/sub");
    w->findChild<QLineEdit *>("Text2")->setText("*.log");
    w->findChild<QCheckBox *>("Check1")->setChecked(true);
    w->findChild<QPushButton *>("Command1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(find(), nullptr);

    const QString ini = QString::fromUtf8(readFile(paths().IniFile));
    EXPECT_TRUE(ini.contains("[TextBrowse]\r\nBrowseFontName=DejaVu Sans Mono\r\nBrowseFontSize=13\r\n"
                             "BrowseFontBold=0\r\nBrowseFontItalic=-1\r\nBrowseDefaultFilter=*.log\r\n"
                             "BrowseUseNotepad=1\r\n"))
        << ini.toStdString();

    frmTextBrow *again = open();
    EXPECT_EQ(again->findChild<FileList *>("File1")->path(), folder + "/sub");
    EXPECT_EQ(again->findChild<QLineEdit *>("Text2")->text(), "*.log");
    EXPECT_TRUE(again->findChild<QCheckBox *>("Check1")->isChecked());
}

TEST(TextBrowserWindow, FileMenuOpensItAndTheMainWindowClosesIt)
{
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    ASSERT_TRUE(w->findChild<QAction *>("mnuFileItem_9")->isEnabled());
    w->findChild<QAction *>("mnuFileItem_9")->trigger();
    QPointer<frmTextBrow> browser;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *b = qobject_cast<frmTextBrow *>(top))
            browser = b;
    ASSERT_TRUE(browser);
    EXPECT_TRUE(browser->isVisible());
    browser->findChild<QLineEdit *>("Text2")->setText("*.doc");
    w->close();
    EXPECT_FALSE(browser);
    EXPECT_TRUE(QString::fromUtf8(readFile(paths().IniFile)).contains("BrowseDefaultFilter=*.doc\r\n"));
}
