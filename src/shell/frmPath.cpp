#include "shell/frmPath.h"

#include "shell/frmPathUi.h"

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "core/Utilities.h"
#include "platform/FileLists.h"
#include "platform/Widgets.h"

#include <QPushButton>
#include <QRadioButton>

frmPath::frmPath(QWidget *parent) : GuardedDialog(parent), ui(std::make_unique<Ui_frmPath>())
{
    ui->setupUi(this);
    for (int i = 0; i < 4; ++i)
        connect(ui->Option1[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
    connect(ui->Drive1, &DriveList::driveChanged, this, &frmPath::Drive1_Change);
    connect(ui->Command1, &QPushButton::clicked, this, &frmPath::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmPath::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &frmPath::Command3_Click);
    Form_Load();
}

frmPath::~frmPath() = default;

void frmPath::Form_Load()
{
    showFolder(paths().AppPath);
    SetArrayIndex({ui->Option1.begin(), ui->Option1.end()}, 2);
    CenterForm(this);
    OkPressed = false;
}

void frmPath::Option1_Click(int Index)
{
    QString folder;
    switch (Index) {
    case 0: folder = UserHomeFolder(); break;
    case 1: folder = paths().AppPath; break;
    case 2: folder = paths().WorkPath; break;
    case 3: folder = paths().UserTempPath; break;
    default: return;
    }
    // An empty or missing folder leaves the lists where they are.
    if (folder.trimmed().isEmpty() || !ValidPath(folder, kTrue))
        return;
    showFolder(folder);
}

void frmPath::showFolder(const QString &folder)
{
    // Moving the drive list to the folder's drive must not move the folder list to
    // that drive's root.
    m_showing = true;
    ui->Drive1->setDriveFor(folder);
    m_showing = false;
    ui->Dir1->setPath(folder);
}

void frmPath::Drive1_Change()
{
    if (m_showing)
        return;
    if (!ui->Dir1->setPath(ui->Drive1->drive()))
        ShowMessage(IsEnglish() ? QStringLiteral("The selected drive cannot be read. Make sure the disk is inserted "
                                                 "and mounted, and that it is formatted and free of errors")
                                : QStringLiteral("Η επιλεγμένη μονάδα δίσκου δεν μπορεί να διαβαστεί. Βεβαιωθείτε ότι ο "
                                                 "δίσκος είναι συνδεδεμένος και προσαρτημένος, διαμορφωμένος και "
                                                 "χωρίς σφάλματα"),
                    mb::OkOnly, messageState().TitleError);
}

void frmPath::Command2_Click()
{
    OkPressed = true;
    accept();
}

void frmPath::Command1_Click()
{
    OkPressed = false;
    reject();
}

void frmPath::Command3_Click() { ShowHelpHint(); }

void frmPath::unloading(int) { Form_Unload(); }

void frmPath::Form_Unload()
{
    if (OkPressed)
        paths().WorkPath = WithSlash(ui->Dir1->path());
}
