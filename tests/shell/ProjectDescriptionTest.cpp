// The project description dialog, opened from the Input menu and the toolbar: the text
// and unit system it edits, its captions in both languages, the unit change that
// starts a new project only after unsaved work was offered for saving, and pasted text.

#include "ProgramFixture.h"
#include "core/Messages.h"
#include "core/ProjectFile.h"

#include <QClipboard>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

namespace {

QRadioButton *option(QWidget *d, int i) { return Child<QRadioButton>(d, QStringLiteral("Option1_%1").arg(i).toLatin1()); }

void select(QPlainTextEdit *box, int from, int to)
{
    QTextCursor c = box->textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    box->setTextCursor(c);
}

QString withoutLineEnds(QString text) { return text.remove(u'\n'); }

class ProjectDescription : public ProgramTest {
protected:
    void SetUp() override { start(); }
    // A project that was opened or edited: named, changed, its units locked.
    void editedProject(int16_t units)
    {
        project().CurrentFile = testHome() + QStringLiteral("/site.KVD");
        project().ProjectTitle = QStringLiteral("Quarry");
        project().ProjectDescription = QStringLiteral("North bench\r\nSecond line");
        project().CurrentUnits = units;
        MarkProjectChanged();
        w->SetFormCaption();
    }
    DialogOutcome edit(const std::function<void(QDialog *)> &steps, const char *command = "mnuEditItem_0")
    {
        logStart = historyLog().text().size();
        return DriveDialog(act(command), steps);
    }

    qsizetype logStart = 0;
};

} // namespace

TEST_F(ProjectDescription, OkStoresTheTextAndMarksTheProjectEvenUnchanged)
{
    editedProject(2);
    flags().ParametersLoaded = kFalse;
    for (const char *typed : {"North bench\nSecond line", "Bench 4\n  Ϊ indented\n\nlast"}) {
        SCOPED_TRACE(typed);
        flags().ProjectSaved = kTrue;
        flags().FileEmpty = kTrue;
        QString shown;
        const DialogOutcome out = edit(
            [&](QDialog *d) {
                auto *text = Child<QPlainTextEdit>(d, "Text1");
                shown = text->toPlainText();
                // A fixed-pitch box: narrow and wide letters take one advance in its font.
                const QFontMetrics fm(text->font());
                for (QChar c : QStringLiteral("MW."))
                    EXPECT_EQ(fm.horizontalAdvance(c), fm.horizontalAdvance(u'i')) << c.toLatin1();
                text->setPlainText(QString::fromUtf8(typed));
                Click(d, "Command2");
            },
            "Toolbar1_4");
        EXPECT_FALSE(out.stayedOpen);
        EXPECT_EQ(shown, "North bench\nSecond line");
        EXPECT_EQ(project().ProjectDescription, QString::fromUtf8(typed).replace("\n", "\r\n"));
        EXPECT_EQ(flags().ProjectSaved, kFalse);
        EXPECT_EQ(flags().FileEmpty, kFalse);
        EXPECT_EQ(flags().ParametersLoaded, kTrue);
        EXPECT_TRUE(LogSince(logStart).endsWith(". Project Description Modified\r\n"));
        // The file and every parameter stay.
        EXPECT_EQ(project().CurrentFile, testHome() + "/site.KVD");
        EXPECT_EQ(project().ProjectTitle, "Quarry");
        EXPECT_EQ(project().CurrentUnits, 2);
        project().ProjectDescription = QStringLiteral("North bench\r\nSecond line");
    }
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
}

// With parameters loaded the current units and Mixed can be chosen, the third not.
TEST_F(ProjectDescription, LockedUnitsAndCaptionsInBothLanguages)
{
    for (const QStringList &c : testTable("shell/description-captions.tsv")) {
        SCOPED_TRACE(c.join(' ').toStdString());
        const bool loaded = c[1] == "1";
        settings().EnglishMenus = int16_t(c[0].toInt());
        editedProject(0);
        flags().ParametersLoaded = loaded ? kTrue : kFalse;
        edit([&](QDialog *d) {
            EXPECT_EQ(d->windowTitle(), c[2]);
            EXPECT_EQ(Child<QGroupBox>(d, "Frame1")->title(), c[3]);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(option(d, i)->text(), c[4 + i]);
                EXPECT_EQ(option(d, i)->isEnabled(), !loaded || i != 1) << i;
            }
            EXPECT_TRUE(option(d, 0)->isChecked());
            Click(d, "Command1");
        });
    }
}

TEST_F(ProjectDescription, AnotherUnitSystemOffersUnsavedWorkForSavingThenStartsANewProject)
{
    const QString saveAs = testHome() + "/saved.KVD";
    for (const QStringList &c : testTable("shell/description-unit-change.tsv")) {
        SCOPED_TRACE(c[0].toStdString());
        const bool saved = c[1] == "1", dialogChoosesFile = c[3] == "1", newProject = c[4] == "1";
        QFile::remove(saveAs);
        editedProject(0);
        if (!saved)
            project().CurrentFile = QStringLiteral("Untitled");
        flags().ProjectSaved = saved ? kTrue : kFalse;
        w->SetFormCaption();
        fakeMessageBox().boxes.clear();
        fakeMessageBox().script(c[2].toInt());
        if (c[2].toInt() == mb::Yes)
            fakeFileDialog().script(dialogChoosesFile ? std::optional<QString>(saveAs) : std::nullopt);
        const DialogOutcome out = edit([](QDialog *d) {
            Child<QPlainTextEdit>(d, "Text1")->setPlainText("changed");
            option(d, 2)->click();
            Click(d, "Command2");
        });
        EXPECT_EQ(MessageTexts(), saved ? QStringList() : QStringList{"Save changes to: Untitled?"});
        EXPECT_EQ(out.stayedOpen, !newProject);
        EXPECT_EQ(QFile::exists(saveAs), dialogChoosesFile);
        // A dialog that stayed open was then cancelled: the project is as it was.
        EXPECT_TRUE(LogSince(logStart).endsWith(newProject ? ". Project Description Modified\r\n"
                                                           : ". Project Description Not Modified\r\n"));
        EXPECT_EQ(project().CurrentFile, "Untitled");
        EXPECT_EQ(project().CurrentUnits, newProject ? 2 : 0);
        EXPECT_EQ(project().ProjectTitle, newProject ? "" : "Quarry");
        EXPECT_EQ(project().ProjectDescription, newProject ? "" : "North bench\r\nSecond line");
        EXPECT_EQ(flags().ProjectSaved, kFalse);
    }
}

// A pasted text holding a line longer than a saved file holds is shown as an opened
// description is: the lines it lands in broken as the save breaks them. A plain box
// given the same paste is what the user pasted: the caret, the undo and the saved
// description follow it, and shorter pastes show exactly as it does.
TEST_F(ProjectDescription, PastedLongLinesAreShownAsTheSaveBreaksThem)
{
    for (const QStringList &c : testTable("shell/description-pastes.tsv")) {
        SCOPED_TRACE(c[0].toStdString());
        editedProject(2);
        project().ProjectDescription = unescapeCell(c[1]);
        const QString pasted = unescapeCell(c[4]).repeated(c[5].toInt());
        ASSERT_FALSE(pasted.isEmpty());
        QGuiApplication::clipboard()->setText(pasted);
        QString shown, plain;
        edit([&](QDialog *d) {
            auto *box = Child<QPlainTextEdit>(d, "Text1");
            const QString before = box->toPlainText();
            QPlainTextEdit reference;
            reference.setPlainText(before);
            select(&reference, c[2].toInt(), c[3].toInt());
            reference.paste();
            plain = reference.toPlainText();
            select(box, c[2].toInt(), c[3].toInt());
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            shown = box->toPlainText();
            EXPECT_LE(box->blockCount(), shown.count(u'\n') / 256 + 3); // lines gathered into blocks
            EXPECT_EQ(withoutLineEnds(shown.left(box->textCursor().position())),
                      withoutLineEnds(plain.left(reference.textCursor().position())));
            // One undo takes the whole paste back; redo puts it in again.
            QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(box->toPlainText(), before);
            QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            EXPECT_EQ(box->toPlainText(), shown);
            Click(d, "Command2");
        });
        EXPECT_EQ(shown, c[6] == "1" ? WrapLongLines(plain).replace("\r\n", "\n") : plain);
        EXPECT_EQ(project().ProjectDescription, QString(shown).replace("\n", "\r\n"));
        EXPECT_EQ(WrappedDescription(project().ProjectDescription),
                  WrappedDescription(QString(plain).replace("\n", "\r\n")));
    }
}
