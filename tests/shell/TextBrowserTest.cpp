// The text-file browser on a temporary folder: patterns, UTF-8 and Windows Greek
// files, empty, binary and too large files, the external viewer through the opener
// fake, the font dialog, and the [TextBrowse] section on closing.

#include "ProgramFixture.h"
#include "core/CommandLine.h"
#include "core/Messages.h"
#include "core/TextView.h"
#include "platform/FileLists.h"
#include "shell/frmTextBrow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringEncoder>

namespace {

const QString kGreek = QStringLiteral("Γόμωση και Διάτρηση: 12,5 m\r\nΕπιβράδυνση\r\n");

frmTextBrow *openBrowser() { return qobject_cast<frmTextBrow *>(loadedWindows().TextBrowser.data()); }

class TextBrowser : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartCoreForTest();
        folder = testHome() + "/data files";
        QDir().mkpath(folder + "/sub");
        writeFile(folder + "/greek-utf8.txt", kGreek.toUtf8());
        writeFile(folder + "/greek-1253.TXT", QStringEncoder("windows-1253").encode(kGreek));
        writeFile(folder + "/empty.kvd", QByteArray());
        writeFile(folder + "/project.KVD", "KORV_ENDO_209\r\n");
        writeFile(folder + "/image.bin", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        settings().DataPath = folder + "/";
        fakeMessageBox().boxes.clear();
        ShowTextBrowser();
        w = openBrowser();
        ASSERT_TRUE(w);
    }
    void TearDown() override { UnloadTextBrowser(); }

    QLineEdit *pattern() const { return Child<QLineEdit>(w, "Text2"); }
    QStringList fileNames() const
    {
        QStringList out;
        for (const QListWidgetItem *item : Child<FileList>(w, "File1")->findItems("*", Qt::MatchWildcard))
            out << item->text();
        return out;
    }
    // Shows a file as a double-click does.
    void show(const QString &name)
    {
        auto *list = Child<FileList>(w, "File1");
        list->selectFile(name);
        ASSERT_EQ(list->fileName(), name);
        emit list->itemActivated(list->currentItem());
    }
    QString view() const { return Child<QPlainTextEdit>(w, "RichTextBox1")->toPlainText(); }

    QString folder;
    frmTextBrow *w = nullptr;
};

using TextBrowserWindow = ProgramTest;

} // namespace

TEST(TextView, LongLinesAndViewerCommands)
{
    for (const QStringList &c : testTable("shell/long-lines.tsv"))
        EXPECT_EQ(BreakLongLines(unescapeCell(c[0]), 10), unescapeCell(c[1])) << c[0].toStdString();

    // The viewer setting is split as a shell splits a command; the copy comes last.
    const QString copy = "/home/u/my temp/~tmpbr-1.txt";
    for (const QStringList &c : testTable("shell/viewer-commands.tsv")) {
        SCOPED_TRACE(c[0].toStdString());
        const ViewerCommand v = ViewerCommandFor(c[0], copy);
        EXPECT_EQ(v.desktopOpener, c[1] == "desktop");
        EXPECT_EQ(v.valid, c[1] != "invalid");
        if (c[1] != "desktop" && c[1] != "invalid") {
            EXPECT_EQ(QStringList(v.program) + v.arguments, rowTail(c, 1) + QStringList(copy));
        }
    }
    // A chosen program is quoted so that it splits back whole.
    for (const char *path : {"/usr/bin/gedit", "/opt/my editor/edit", "/a\"b$c`d\\e", "/it's here"})
        EXPECT_EQ(SplitCommandLine(QuoteArgument(QString::fromUtf8(path))), QStringList{QString::fromUtf8(path)})
            << path;
}

TEST_F(TextBrowser, ShowsThePatternsFilesInTheDataFolderWholeAndRefusesHugeOnes)
{
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(pattern()->text(), "*.KVD");
    EXPECT_EQ(Child<FileList>(w, "File1")->path(), folder);
    EXPECT_EQ(fileNames(), (QStringList{"empty.kvd", "project.KVD"}));

    // Typing filters at once, in any case and by several patterns; an invalid pattern
    // lists every file and stays typed.
    pattern()->setText("*.TXT;*.bin");
    EXPECT_EQ(fileNames(), (QStringList{"greek-1253.TXT", "greek-utf8.txt", "image.bin"}));
    pattern()->setText("x/y");
    EXPECT_EQ(fileNames().size(), 5);
    EXPECT_EQ(pattern()->text(), "x/y");

    // UTF-8 and Windows Greek files are shown alike.
    pattern()->setText("*");
    const QString expected = QString(kGreek).replace("\r\n", "\n");
    show("greek-utf8.txt");
    EXPECT_EQ(view(), expected);
    EXPECT_EQ(Child<QLabel>(w, "Label1")->text(), folder + "/greek-utf8.txt");
    show("greek-1253.TXT");
    EXPECT_EQ(view(), expected);
    show("empty.kvd");
    EXPECT_EQ(view(), "");
    show("image.bin");
    EXPECT_TRUE(view().contains(QChar(QChar::ReplacementCharacter)));
    EXPECT_FALSE(view().contains(QChar(0)));
    // A long line is shown in pieces, the file left unchanged.
    const QByteArray lines = QByteArray(2500, 'L') + "\r\nend\n";
    writeFile(folder + "/long.txt", lines);
    pattern()->setText("*.txt");
    show("long.txt");
    EXPECT_EQ(view(), QString(1000, 'L') + '\n' + QString(1000, 'L') + '\n' + QString(500, 'L') + "\nend\n");
    EXPECT_EQ(readFile(folder + "/long.txt"), lines);
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());

    // Over 16 MB: a message names the file; the view keeps what it showed.
    ASSERT_TRUE(QFile::resize(writeFile(folder + "/big.log", QByteArray()), 16 * 1024 * 1024 + 1));
    pattern()->setText("*.log");
    fakeMessageBox().script(mb::Ok);
    show("big.log");
    EXPECT_TRUE(MessageTexts().value(0).contains("big.log")) << MessageTexts().join('\n').toStdString();
    EXPECT_TRUE(view().endsWith("\nend\n"));
}

TEST_F(TextBrowser, ExternalViewerGetsAPrivateCopyAsOneArgument)
{
    paths().UserTempPath = testHome() + "/temp with blank/";
    QDir().mkpath(paths().UserTempPath);
    settings().ExternalEditor = "\"/opt/my viewer/view\" --readonly";
    Child<QCheckBox>(w, "Check1")->setChecked(true);
    pattern()->setText("*.txt");

    show("greek-1253.TXT");
    ASSERT_EQ(fakeOpener().commands.size(), 1);
    const QStringList command = fakeOpener().commands[0];
    ASSERT_EQ(command.size(), 3);
    EXPECT_EQ(command.mid(0, 2), (QStringList{"/opt/my viewer/view", "--readonly"}));
    const QString copy = command[2];
    EXPECT_TRUE(copy.startsWith(paths().UserTempPath)) << copy.toStdString();
    EXPECT_NE(copy, paths().UserTempPath + "~tmpbr.tmp");
    EXPECT_EQ(readFile(copy), readFile(folder + "/greek-1253.TXT"));
    EXPECT_EQ(QFile::permissions(copy) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
    EXPECT_EQ(view(), "") << "the view keeps its content";

    // The desktop's opener for "xdg-open".
    settings().ExternalEditor = "xdg-open";
    show("greek-utf8.txt");
    EXPECT_EQ(fakeOpener().documents, QStringList{copy});
    EXPECT_EQ(readFile(copy), kGreek.toUtf8());

    // While a file's viewer waits, showing it again starts nothing, another file opens.
    fakeOpener().hold = true;
    show("greek-utf8.txt");
    show("greek-utf8.txt");
    show("greek-1253.TXT");
    EXPECT_EQ(fakeOpener().documents, QStringList({copy, copy, copy}));
    fakeOpener().deliverHeld();
    fakeOpener().hold = false;
    show("greek-utf8.txt");
    EXPECT_EQ(fakeOpener().documents.size(), 4);
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());

    fakeOpener().outcome.result = OpenOutcome::NotStarted;
    settings().ExternalEditor = "missing-viewer -x";
    show("greek-utf8.txt");
    EXPECT_EQ(MessageTexts(), QStringList{"Shell operation failed. Check status of External Viewer: missing-viewer -x\r\n\r\n"
                                          + folder + "/greek-utf8.txt\r\nThe program missing-viewer is not installed or cannot be started."});

    // A file removed after the list was made, or one the user may not read, is reported
    // by its own name (not by the copy's); the viewer is not started.
    fakeOpener().outcome = {};
    const qsizetype started = fakeOpener().commands.size() + fakeOpener().documents.size();
    ASSERT_TRUE(QFile::remove(folder + "/greek-utf8.txt"));
    fakeMessageBox().boxes.clear();
    show("greek-utf8.txt");
    EXPECT_EQ(MessageTexts(), QStringList{"Requested File not found: " + folder + "/greek-utf8.txt"});
    ScopedOwnerPermissions asOwner;
    if (!asOwner.ok())
        GTEST_SKIP() << "file permissions cannot be made to bind here";
    ASSERT_TRUE(QFile::setPermissions(folder + "/greek-1253.TXT", QFile::WriteOwner));
    fakeMessageBox().boxes.clear();
    show("greek-1253.TXT");
    EXPECT_EQ(MessageTexts(),
              QStringList{"Requested File could not be read: " + folder + "/greek-1253.TXT (Permission denied)"});
    EXPECT_EQ(fakeOpener().commands.size() + fakeOpener().documents.size(), started);
}

TEST_F(TextBrowser, FontAndClosingWriteTextBrowseAndTheNextOpeningStartsThere)
{
    settings().BrowseFontName = "DejaVu Sans";
    settings().BrowseFontSize = 10;
    const FontChoice mono{"DejaVu Sans Mono", 13, false, true};
    fakeFileDialog().scriptFont(mono);
    Click(w, "cmdSetFont");
    ASSERT_EQ(fakeFileDialog().fontRequests.size(), 1);
    EXPECT_EQ(fakeFileDialog().fontRequests[0].name, "DejaVu Sans");
    auto *area = Child<QPlainTextEdit>(w, "RichTextBox1");
    EXPECT_EQ(area->font().family(), "DejaVu Sans Mono");
    EXPECT_TRUE(area->font().italic());
    // A font the screen does not have is refused.
    fakeFileDialog().scriptFont(FontChoice{"No Such Font", 12, false, false});
    Click(w, "cmdSetFont");
    EXPECT_EQ(MessageTexts(), QStringList{"Invalid font selection"});
    fakeFileDialog().scriptFont(mono);
    Click(w, "cmdSetFont");

    Child<FolderList>(w, "Dir1")->setPath(folder + "/sub");
    pattern()->setText("*.log");
    Child<QCheckBox>(w, "Check1")->setChecked(true);
    Click(w, "Command1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openBrowser(), nullptr);

    EXPECT_EQ(iniSection(paths().IniFile, "TextBrowse"),
              QStringList({"BrowseFontName=DejaVu Sans Mono", "BrowseFontSize=13", "BrowseFontBold=0",
                           "BrowseFontItalic=-1", "BrowseDefaultFilter=*.log", "BrowseUseNotepad=1"}));

    ShowTextBrowser();
    w = openBrowser();
    EXPECT_EQ(Child<FileList>(w, "File1")->path(), folder + "/sub");
    EXPECT_EQ(pattern()->text(), "*.log");
    EXPECT_TRUE(Child<QCheckBox>(w, "Check1")->isChecked());
}

// With no data folder set, File > Browse starts where File > Open does (the program's
// documents folder); the folder it was closed in wins for the rest of the run. Closing
// the main window closes it, and its settings are written.
TEST_F(TextBrowserWindow, StartsWhereOpenDoesThenWhereItWasLeftAndClosesWithTheProgram)
{
    start();
    ASSERT_EQ(settings().DataPath, "");
    const QString openStart = fakeFolders().documentsDir + "/MyKorvendo"; // as MainWindowTest finds

    Trigger(w, "mnuFileItem_9");
    QPointer<frmTextBrow> browser = openBrowser();
    ASSERT_TRUE(browser);
    EXPECT_EQ(Child<FolderList>(browser, "Dir1")->path(), openStart);
    EXPECT_EQ(Child<FileList>(browser, "File1")->path(), openStart);
    const QString other = testHome() + "/elsewhere";
    QDir().mkpath(other);
    Child<FolderList>(browser, "Dir1")->setPath(other);
    Click(browser, "Command1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(browser);

    Trigger(w, "mnuFileItem_9");
    browser = openBrowser();
    ASSERT_TRUE(browser);
    EXPECT_EQ(Child<FileList>(browser, "File1")->path(), other);
    Child<QLineEdit>(browser, "Text2")->setText("*.doc");
    close();
    EXPECT_FALSE(browser);
    EXPECT_TRUE(iniSection(paths().IniFile, "TextBrowse").contains("BrowseDefaultFilter=*.doc"));
}
