#include "shell/frmSet.h"

#include "shell/frmPath.h"
#include "shell/frmSetUi.h"

#include "core/Checks.h"
#include "core/CommandLine.h"
#include "core/Messages.h"
#include "core/NumText.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "core/Settings.h"
#include "core/Utilities.h"
#include "platform/Widgets.h"
#include "shell/FileAssoc.h"
#include "shell/frmMain.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPointer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
int16_t ticked(const QCheckBox *box) { return box->isChecked() ? 1 : 0; }
} // namespace

bool ValidFileExtension(const QString &extension)
{
    if (extension.isEmpty())
        return false;
    for (QChar c : extension)
        if (!((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')))
            return false;
    return true;
}

frmSet::frmSet(QWidget *parent) : GuardedDialog(parent), ui(std::make_unique<Ui_frmSet>())
{
    ui->setupUi(this);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmSet::cmdOK_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmSet::cmdCancel_Click);
    connect(ui->cmdHelp, &QPushButton::clicked, this, &frmSet::cmdHelp_Click);
    connect(ui->cmdSetPath, &QPushButton::clicked, this, &frmSet::cmdSetPath_Click);
    connect(ui->Command5, &QPushButton::clicked, this, &frmSet::Command5_Click);
    connect(ui->cmdSetDefault, &QPushButton::clicked, this, &frmSet::cmdSetDefault_Click);
    connect(ui->cmdSelect, &QPushButton::clicked, this, &frmSet::cmdSelect_Click);
    connect(ui->chkDispHist, &QCheckBox::toggled, this, &frmSet::chkDispHist_Click);
    connect(ui->chkKeepRecentFL, &QCheckBox::toggled, this, &frmSet::chkKeepRecentFL_Click);
    connect(ui->chkShortNames, &QCheckBox::toggled, this, &frmSet::chkShortNames_Click);
    connect(ui->chkCopyExamples, &QCheckBox::toggled, this, &frmSet::chkCopyExamples_Click);
    connect(ui->Text1, &QLineEdit::textChanged, this, &frmSet::Text1_Change);
    for (QLineEdit *box : {ui->Text1, ui->Text2, ui->Text3, ui->Text4})
        SelectTextOnFocus(box);
    Form_Load();
}

frmSet::~frmSet() = default;

void frmSet::Form_Load()
{
    SetModuleTitles(10);
    LogMessage(QStringLiteral("Editing Settings"));
    const SettingsState &s = settings();
    for (int i = 0; i < 2; ++i)
        ui->optUnits[size_t(i)]->setText(appState().UnitSystemNames[size_t(i)]);
    Loading = true;
    OkPressed = false;
    SetArrayIndex({ui->optUnits.begin(), ui->optUnits.end()}, s.DefaultUnits);
    ui->chkDispHist->setChecked(s.DisplayHistoryWin == 1);
    chkDispHist_Click();
    ui->Text3->setText(QString::number(s.MaxDisplaySize));
    ui->chkKeepRecentFL->setChecked(s.KeepFileNames == 1);
    ui->chkShowDiscl->setChecked(s.ShowDisclaim == 1);
    ui->chkMaxMenu->setChecked(s.MaxMainMenu == 1);
    ui->chkEnableTB->setChecked(s.EnableMainMenuToolbar == 1);
    ui->chkShortNames->setChecked(s.ShortRecentFiles == 1);
    ui->chkLoadLastInputFile->setChecked(s.LoadLastInputFile == 1);
    ui->chkUpdate->setChecked(s.RemindAnnualUpdates == 1);
    ui->chkCopyExamples->setChecked(s.CopyExampleFiles == 1);
    SyncShortNamesOption();
    ui->Text2->setText(s.DataPath);
    ui->Text1->setText(s.FileExtension);
    ui->Text4->setText(s.ExternalEditor);
    Loading = false;
    adjustSize();
    CenterForm(this);
}

void frmSet::chkDispHist_Click()
{
    const bool on = ui->chkDispHist->isChecked();
    ui->Text3->setEnabled(on);
    ui->Command5->setEnabled(on);
}

void frmSet::SyncShortNamesOption() { ui->chkShortNames->setEnabled(ui->chkKeepRecentFL->isChecked()); }

void frmSet::chkKeepRecentFL_Click() { SyncShortNamesOption(); }

void frmSet::chkShortNames_Click()
{
    if (!Loading)
        ShowMessage(QStringLiteral("Option will take effect upon restarting this program"), mb::OkOnly,
                    messageState().MsgTitle);
}

void frmSet::chkCopyExamples_Click()
{
    if (Loading || !ui->chkCopyExamples->isChecked())
        return;
    ShowMessage(QStringLiteral("When this option is enabled, every time the program runs, it will try to copy the "
                               "example files from the install directory to the ")
                    + UserHomeFolder()
                    + QStringLiteral(" directory. The modified files will not be overridden, but missing files will "
                                     "be replaced. "),
                mb::OkOnly);
}

void frmSet::Text1_Change()
{
    const QString upper = ui->Text1->text().toUpper();
    if (upper != ui->Text1->text()) {
        const int at = ui->Text1->cursorPosition();
        ui->Text1->setText(upper);
        ui->Text1->setCursorPosition(at);
    }
}

void frmSet::Command5_Click()
{
    SettingsState &s = settings();
    ChooseScreenFont(s.DisplayFontName, s.DisplayFontSize, s.DisplayFontBold, s.DisplayFontItalic);
    if (frmMain *w = mainWindow())
        w->ApplyMainFont();
}

void frmSet::cmdSetDefault_Click() { ui->Text4->setText(QStringLiteral("xdg-open")); }

void frmSet::cmdSelect_Click()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Select External Editor");
    request.filters = {QStringLiteral("All Files (*)")};
    request.initialDir = QStringLiteral("/usr/bin");
    request.mustExist = true;
    // A cancelled dialog leaves everything as it was.
    if (const std::optional<QString> chosen = services().fileDialog->run(request))
        ui->Text4->setText(QuoteArgument(*chosen));
}

void frmSet::cmdSetPath_Click()
{
    paths().WorkPath = ui->Text2->text();
    const QPointer<frmSet> self(this);
    ModalWindow<frmPath> picker(this);
    picker.exec();
    // OK put the chosen folder there; Cancel left the text it had.
    if (self)
        ui->Text2->setText(paths().WorkPath);
}

void frmSet::cmdOK_Click()
{
    if (ValidateSettings()) {
        OkPressed = true;
        accept();
    }
}

void frmSet::cmdCancel_Click()
{
    OkPressed = false;
    reject();
}

void frmSet::cmdHelp_Click() { ShowHelpHint(); }

void frmSet::refuse(QLineEdit *box) { FocusFailedBox(box); }

bool frmSet::ValidateSettings()
{
    // An empty data path stays empty (no folder chosen); any other gets its "/".
    QString path = ui->Text2->text().trimmed();
    if (!path.isEmpty()) {
        path = WithSlash(path);
        ui->Text2->setText(path);
        if (!ValidPath(path, kTrue) || !QFileInfo(path).isDir()) {
            ShowMessage(QStringLiteral("Invalid Path for Data Files"), mb::Critical, messageState().TitleError);
            refuse(ui->Text2);
            return false;
        }
    }
    if (!ValidateRange(ui->Text3->text(), 4096, 16384, QStringLiteral("Size of Command History Window"))) {
        refuse(ui->Text3);
        return false;
    }
    // Projects are saved with this extension and listed by it: it cannot be empty.
    if (!ValidFileExtension(ui->Text1->text().trimmed())) {
        ShowMessage(QStringLiteral("Invalid character in file extension"), mb::Critical,
                    messageState().TitleInvalidChar);
        refuse(ui->Text1);
        return false;
    }
    // The desktop's file-name patterns take no longer extension.
    if (ui->Text1->text().trimmed().size() > kMaxExtensionLength) {
        ShowMessage(QStringLiteral("File extension too long (at most 16 characters)"), mb::Critical,
                    messageState().TitleError);
        refuse(ui->Text1);
        return false;
    }
    return true;
}

void frmSet::unloading(int) { Form_Unload(); }

void frmSet::Form_Unload()
{
    if (!OkPressed) {
        LogMessage(QStringLiteral("Settings Not Modified"));
        return;
    }
    SettingsState &s = settings();
    s.DefaultUnits = static_cast<int16_t>(GetOptionIndex({ui->optUnits.begin(), ui->optUnits.end()}));
    s.DisplayHistoryWin = ticked(ui->chkDispHist);
    s.KeepFileNames = ticked(ui->chkKeepRecentFL);
    s.ShowDisclaim = ticked(ui->chkShowDiscl);
    s.MaxMainMenu = ticked(ui->chkMaxMenu);
    s.EnableMainMenuToolbar = ticked(ui->chkEnableTB);
    s.ShortRecentFiles = ticked(ui->chkShortNames);
    s.LoadLastInputFile = ticked(ui->chkLoadLastInputFile);
    s.RemindAnnualUpdates = ticked(ui->chkUpdate);
    s.CopyExampleFiles = ticked(ui->chkCopyExamples);
    s.MaxDisplaySize = numtext::CInt(numtext::Val(ui->Text3->text()));
    s.DataPath = ui->Text2->text().trimmed();
    s.FileExtension = ui->Text1->text().trimmed();
    s.ExternalEditor = ui->Text4->text().trimmed();
    if (frmMain *w = mainWindow())
        w->ShowMainPanels();
    LogMessage(QStringLiteral("Settings Modified"));
    SaveDefaultSettings(2);
}

void ShowSettingsDialog(QWidget *owner)
{
    ModalWindow<frmSet> dialog(owner);
    dialog.exec();
}
