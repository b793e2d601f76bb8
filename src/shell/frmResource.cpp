#include "shell/frmResource.h"

#include "core/Messages.h"
#include "core/Opening.h"
#include "core/ProgramState.h"
#include "core/Utilities.h"
#include "platform/Widgets.h"
#include "shell/frmResourceUi.h"

#include <QPushButton>

const std::array<QString, 7> ResourceTitles = {
    QStringLiteral("Burden Equations"),
    QStringLiteral("Vibration Limits of the Three Regulations"),
    QStringLiteral("Scaled-Distance Laws"),
    QStringLiteral("Unit-Conversion Factors"),
    QStringLiteral("Design Quantities and Costs"),
    QStringLiteral("Glossary of Report Terms (English - Greek)"),
    QStringLiteral("The Default Project Worked Through"),
};

const std::array<QString, 7> ResourceFiles = {
    QStringLiteral("resources/BurdenEquations.html"),
    QStringLiteral("resources/VibrationLimits.html"),
    QStringLiteral("resources/ScaledDistanceLaws.html"),
    QStringLiteral("resources/UnitConversionFactors.html"),
    QStringLiteral("resources/DesignQuantities.html"),
    QStringLiteral("resources/Glossary.html"),
    QStringLiteral("resources/DefaultProject.html"),
};

frmResource::frmResource(QWidget *parent, const std::array<QString, 7> &titles, const std::array<QString, 7> &files)
    : GuardedDialog(parent), m_titles(titles), m_files(files), ui(std::make_unique<Ui_frmResource>())
{
    ui->setupUi(this);
    CenterForm(this);
    for (int i = 0; i < 7; ++i)
        connect(ui->cmdView[i], &QPushButton::clicked, this, [this, i] { cmdView_Click(i); });
    connect(ui->Command1, &QPushButton::clicked, this, &frmResource::Command1_Click);
    Form_Load();
}

frmResource::~frmResource() = default;

void frmResource::Form_Load()
{
    for (int i = 0; i < 7; ++i) {
        ui->cmdView[i]->setText(m_titles[i]);
        // An entry without a file would open the program folder itself.
        ui->cmdView[i]->setEnabled(!m_files[i].trimmed().isEmpty());
    }
}

void frmResource::cmdView_Click(int Index)
{
    if (Index < 0 || Index > 6 || m_files[Index].trimmed().isEmpty())
        return;
    const QString file = WithSlash(paths().AppPath) + m_files[Index];
    if (!FileExists(file)) {
        MsgBox(QStringLiteral("Resource file (") + file + QStringLiteral(") not available"), mb::OkOnly);
        return;
    }
    // The outcome may come after the window has closed: it names the file, not the window.
    OpenDocumentOnce(file, [file](const OpenOutcome &outcome) {
        if (!outcome.opened())
            MsgBox(QStringLiteral("Operation Failed") + OpenFailureDetail(outcome, file), mb::OkOnly);
    });
}

void frmResource::Command1_Click() { close(); }

void OpenResourceWindow(QWidget *owner)
{
    ModalWindow<frmResource> dlg(owner);
    dlg.exec();
}
