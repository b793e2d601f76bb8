#include "shell/frmBlastDesc.h"

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/ProjectFile.h"
#include "platform/Widgets.h"
#include "shell/FileCommands.h"
#include "shell/frmBlastDescUi.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const BilingualCaption kGreekCaptions[] = {
    {"", "Περιγραφή έργου", "Project Description"},
    {"Frame1", "Τρέχον σύστημα μονάδων", "Current Units"},
    {"Option1_0", "Αγγλικό", "English"},
    {"Option1_1", "Μετρικό", "Metric"},
    {"Option1_2", "Εμπειρικό", "Mixed"},
};

} // namespace

frmBlastDesc::frmBlastDesc(FileCommands &files, QWidget *parent)
    : InputDialog(parent), ui(std::make_unique<Ui_frmBlastDesc>()), m_files(files)
{
    ui->setupUi(this);
    connectButtons(ui->Command2, ui->Command1, ui->Command3);
    Form_Load();
}

frmBlastDesc::~frmBlastDesc() = default;

void frmBlastDesc::Form_Load()
{
    SetModuleTitles(1);
    LogMessage(QStringLiteral("Editing Project Description"));
    Loading = true;
    OkPressed = false;
    // A line longer than a saved file holds (a description written by hand) is shown as
    // the next save would break it.
    SetLongPlainText(ui->Text1, WrapLongLines(project().ProjectDescription));
    // While parameters are loaded only Mixed and the current system can be chosen.
    const bool locked = flags().ParametersLoaded != kFalse;
    for (int i : {0, 1}) {
        ui->Option1[i]->setChecked(false);
        ui->Option1[i]->setEnabled(!locked);
    }
    const int16_t units = project().CurrentUnits;
    if (units >= 0 && units < ui->Option1.size()) {
        ui->Option1[units]->setChecked(true);
        ui->Option1[units]->setEnabled(true);
    }
    if (settings().EnglishMenus == 0)
        ApplyBilingualCaptions(this, kGreekCaptions, false);
    Loading = false;
    CenterForm(this);
}

int frmBlastDesc::chosenUnits() const
{
    for (const QRadioButton *o : ui->Option1)
        if (o->isChecked())
            return GetOptionIndex(ui->Option1);
    return -1;
}

bool frmBlastDesc::validateForOk()
{
    // Another unit system discards the project: unsaved work is offered for saving
    // first, and Cancel (or a save that did not happen) keeps the dialog open.
    const int units = chosenUnits();
    if (units >= 0 && units != project().CurrentUnits)
        return m_files.OfferToSave();
    return true;
}

void frmBlastDesc::commit()
{
    ProjectState &p = project();
    p.ProjectDescription = ui->Text1->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    const int units = chosenUnits();
    const bool newProject = units >= 0 && units != p.CurrentUnits;
    if (newProject) {
        p.CurrentUnits = int16_t(units);
        m_files.FileNew(kTrue, kFalse);
    }
    LogMessage(QStringLiteral("Project Description Modified"));
    MarkProjectChanged();
    // The project has left its file: the caption names the new one.
    if (newProject)
        m_files.RefreshCaption();
}

void frmBlastDesc::discard() { LogMessage(QStringLiteral("Project Description Not Modified")); }

void OpenBlastDesc(FileCommands &files, QWidget *owner)
{
    ModalWindow<frmBlastDesc> window(files, owner);
    window.exec();
}
