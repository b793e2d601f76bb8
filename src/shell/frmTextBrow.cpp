#include "shell/frmTextBrow.h"

#include "shell/frmTextBrowUi.h"

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "core/Messages.h"
#include "core/Opening.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "core/Settings.h"
#include "core/TextView.h"
#include "core/Utilities.h"
#include "platform/FileLists.h"
#include "platform/ModalWindows.h"
#include "platform/Widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryFile>

namespace {

QTemporaryFile *existingCopy() { return qobject_cast<QTemporaryFile *>(loadedWindows().ViewerCopy.data()); }

frmTextBrow *openBrowser() { return qobject_cast<frmTextBrow *>(loadedWindows().TextBrowser.data()); }

// The viewer's copy: a file of this program's own (owner-only, a name no one else
// can guess) in its temporary folder, made once a run and removed when it ends.
QString viewerCopy()
{
    if (QTemporaryFile *copy = existingCopy())
        return copy->fileName();
    QString folder = paths().UserTempPath;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::tempPath();
    auto *file = new QTemporaryFile(WithSlash(folder) + QStringLiteral("~tmpbr-XXXXXX.txt"),
                                    QCoreApplication::instance());
    if (!file->open()) {
        delete file;
        return QString();
    }
    loadedWindows().ViewerCopy = file;
    return file->fileName();
}

} // namespace

QString ViewerCopyPath()
{
    const QTemporaryFile *copy = existingCopy();
    return copy ? copy->fileName() : QString();
}

frmTextBrow::frmTextBrow(QWidget *parent) : QWidget(parent, Qt::Window), ui(std::make_unique<Ui_frmTextBrow>())
{
    ui->setupUi(this);
    connect(ui->Command1, &QPushButton::clicked, this, &frmTextBrow::Command1_Click);
    connect(ui->Drive1, &DriveList::driveChanged, this, &frmTextBrow::Drive1_Change);
    connect(ui->Dir1, &FolderList::pathChanged, this, &frmTextBrow::Dir1_Change);
    // Double-click and Enter both show the file.
    connect(ui->File1, &QListWidget::itemActivated, this, &frmTextBrow::File1_DblClick);
    connect(ui->Text2, &QLineEdit::textChanged, this, &frmTextBrow::Text2_Change);
    connect(ui->Check1, &QCheckBox::toggled, this, &frmTextBrow::Check1_Click);
    connect(ui->cmdSetFont, &QPushButton::clicked, this, &frmTextBrow::cmdSetFont_Click);
    Form_Load();
}

frmTextBrow::~frmTextBrow() = default;

void frmTextBrow::Form_Load()
{
    SettingsState &s = settings();
    if (s.BrowseDefaultFilter.trimmed().isEmpty())
        s.BrowseDefaultFilter = QStringLiteral("*.") + s.FileExtension;
    QString folder = appState().BrowseLastFolder.isEmpty() ? DataFolder() : appState().BrowseLastFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = UserHomeFolder();
    // The drive list follows the folder without first moving to that drive's root.
    m_loading = true;
    ui->Drive1->setDriveFor(folder);
    m_loading = false;
    // The pattern first, so the folder's files are listed once, when the folder is set;
    // the pattern box then repeats the same pattern and lists nothing anew.
    ui->File1->setPattern(s.BrowseDefaultFilter);
    ui->Dir1->setPath(folder);
    ui->Text2->setText(s.BrowseDefaultFilter);
    ApplyBrowseFont();
    ui->Check1->setChecked(s.BrowseUseNotepad == 1);
    UpdateFontButton();
    CenterForm(this);
}

void frmTextBrow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        Form_Activate();
    }
}

void frmTextBrow::Form_Activate() { ui->Command1->setFocus(); }

void frmTextBrow::Command1_Click() { close(); }

void frmTextBrow::closeEvent(QCloseEvent *event)
{
    // Not under a message of its own still waiting for its answer.
    if (CloseWaitsForModal(this, event))
        return;
    Form_Unload();
    event->accept();
}

void frmTextBrow::Form_Unload()
{
    SettingsState &s = settings();
    s.BrowseDefaultFilter = ui->Text2->text();
    appState().BrowseLastFolder = ui->Dir1->path();
    s.BrowseUseNotepad = ui->Check1->isChecked() ? 1 : 0;
    SaveDefaultSettings(4);
}

void frmTextBrow::Drive1_Change()
{
    if (m_loading)
        return;
    RunWithErrorTail([this] {
        if (!ui->Dir1->setPath(ui->Drive1->drive()))
            throw RuntimeError(err::DiskNotReady);
    });
}

void frmTextBrow::Dir1_Change() { ui->File1->setPath(ui->Dir1->path()); }

void frmTextBrow::Text2_Change()
{
    // An invalid pattern lists every file; the box keeps what was typed.
    ui->File1->setPattern(ui->Text2->text());
}

void frmTextBrow::File1_DblClick()
{
    const QString name = ui->File1->fileName();
    if (name.isEmpty())
        return;
    const QString file = WithSlash(ui->File1->path()) + name;
    ui->Label1->setText(file);
    if (ui->Check1->isChecked())
        showInViewer(file);
    else
        showInWindow(file);
}

void frmTextBrow::showInViewer(const QString &file)
{
    // Its viewer is still starting: the copy is not written again under it.
    if (IsOpening(file))
        return;
    const QString copy = viewerCopy();
    if (copy.isEmpty()) {
        ShowMessage(QStringLiteral("File I/O problem with TMP file: ") + paths().UserTempPath, mb::OkOnly,
                    messageState().TitleError);
        return;
    }
    // A file gone since the list was made (or no longer a regular file) is reported,
    // never opened: a pipe would stall the copy.
    if (!QFileInfo(file).isFile()) {
        ShowMessage(QStringLiteral("Requested File not found: ") + BoundedText(file), mb::OkOnly,
                    messageState().TitleError);
        return;
    }
    if (!CopyTextFile(file, copy))
        return;
    const QString editor = settings().ExternalEditor;
    const ViewerCommand command = ViewerCommandFor(editor, copy);
    const QString failed = QStringLiteral("Shell operation failed. Check status of External Viewer: ") + BoundedText(editor);
    if (!command.valid) {
        ShowMessage(failed, mb::OkOnly, messageState().TitleError);
        return;
    }
    // Known by the chosen file, not by the copy, whose name is the same for every file.
    // The outcome names the chosen file, and may come after the window has closed.
    OpenOnce(
        file,
        [command, copy](IOpener::Done done) {
            if (command.desktopOpener)
                services().opener->openDocument(copy, std::move(done));
            else
                services().opener->startProgram(command.program, command.arguments, std::move(done));
        },
        [failed, file](const OpenOutcome &outcome) {
            if (!outcome.opened())
                ShowMessage(failed + OpenFailureDetail(outcome, file), mb::OkOnly, messageState().TitleError);
        });
}

void frmTextBrow::showInWindow(const QString &file)
{
    // A file larger than the view can take (or not a regular file) is refused with a
    // message naming it, instead of stalling the window; a very long line is shown in
    // pieces, which the box lays out at once.
    RunWithErrorTail([&] {
        WaitCursor busy;
        SetLongPlainText(ui->RichTextBox1, BreakLongLines(DecodeViewText(ReadRegularFile(file, kMaxFileBytes))));
    });
}

void frmTextBrow::Check1_Click() { UpdateFontButton(); }

void frmTextBrow::UpdateFontButton() { ui->cmdSetFont->setEnabled(!ui->Check1->isChecked()); }

void frmTextBrow::ApplyBrowseFont()
{
    const SettingsState &s = settings();
    if (FontExists(s.BrowseFontName, services().fonts->screenFonts()) < 0) {
        ShowMessage(QStringLiteral("Invalid font selection"), mb::OkOnly, messageState().TitleError);
        return;
    }
    QFont font(s.BrowseFontName);
    if (s.BrowseFontSize > 0)
        font.setPointSizeF(s.BrowseFontSize);
    font.setBold(s.BrowseFontBold != 0);
    font.setItalic(s.BrowseFontItalic != 0);
    ui->RichTextBox1->setFont(font);
}

void frmTextBrow::cmdSetFont_Click()
{
    SettingsState &s = settings();
    ChooseScreenFont(s.BrowseFontName, s.BrowseFontSize, s.BrowseFontBold, s.BrowseFontItalic);
    ApplyBrowseFont();
}

void ShowTextBrowser()
{
    frmTextBrow *w = openBrowser();
    if (!w) {
        w = new frmTextBrow;
        w->setAttribute(Qt::WA_DeleteOnClose);
        loadedWindows().TextBrowser = w;
    }
    w->show();
    w->raise();
    w->activateWindow();
}

void UnloadTextBrowser()
{
    // The window goes once control is back in the event loop (it deletes itself on
    // closing): it may still have a dialog of its own on the stack.
    if (frmTextBrow *w = openBrowser()) {
        loadedWindows().TextBrowser = nullptr;
        w->close();
    }
}
