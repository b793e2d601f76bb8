#include "shell/frmBlastOpts.h"

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/Utilities.h"
#include "platform/Widgets.h"
#include "shell/FileAssoc.h"
#include "shell/frmBlastOptsUi.h"

#include <QCheckBox>
#include <QPushButton>

#include <utility>

namespace {

// Each box with the option it edits.
std::array<std::pair<QCheckBox *, int16_t *>, 5> boxOptions(const Ui_frmBlastOpts &ui)
{
    SettingsState &s = settings();
    return {{{ui.Check1, &s.EnglishMenus},
             {ui.Check2, &s.ShowAllBlastDesign},
             {ui.Check6, &s.PrintModuleHeader},
             {ui.Check3, &s.ShowInternalPlotCoords},
             {ui.chkBurdenCalc, &s.ShowBurdenCalcWarning}}};
}

} // namespace

frmBlastOpts::frmBlastOpts(QWidget *parent) : InputDialog(parent), ui(std::make_unique<Ui_frmBlastOpts>())
{
    ui->setupUi(this);
    connectButtons(ui->Command2, ui->Command1, ui->Command3);
    connect(ui->cmdFileAssoc, &QPushButton::clicked, this, &frmBlastOpts::cmdFileAssoc_Click);
    Form_Load();
}

frmBlastOpts::~frmBlastOpts() = default;

void frmBlastOpts::Form_Load()
{
    SetModuleTitles(11);
    LogMessage(QStringLiteral("Editing Profile Function Options"));
    OkPressed = false;
    for (const auto &[box, option] : boxOptions(*ui))
        box->setChecked(*option == 1);
    CenterForm(this);
}

void frmBlastOpts::commit()
{
    for (const auto &[box, option] : boxOptions(*ui))
        *option = box->isChecked() ? 1 : 0;
    // A failed write is reported by the settings writer; the options hold for this run.
    SaveDefaultSettings(10);
    LogMessage(QStringLiteral("Korvendo options modified"));
}

void frmBlastOpts::discard() { LogMessage(QStringLiteral("Korvendo options Not modified")); }

void frmBlastOpts::cmdFileAssoc_Click()
{
    const QString &appPath = paths().AppPath;
    const QString &exe = appState().ExeName;
    const QString &ext = settings().FileExtension;
    AssociateFileType(appPath, exe, ext);
    LogMessage(appPath + u' ' + StripPath(exe, 1) + u' ' + ext);
}

void OpenBlastOpts(QWidget *owner)
{
    ModalWindow<frmBlastOpts> window(owner);
    window.exec();
}
