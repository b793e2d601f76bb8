#include "shell/frmSetUi.h"

#include "platform/Widgets.h"
#include "shell/frmSet.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void Ui_frmSet::setupUi(frmSet *w)
{
    w->setObjectName(QStringLiteral("frmSet"));
    w->setWindowTitle(QStringLiteral("Settings"));
    auto *layout = new QVBoxLayout(w);

    auto *units = new QGroupBox(QStringLiteral("Default units"), w);
    auto *unitsLayout = new QHBoxLayout(units);
    for (int i = 0; i < 2; ++i) {
        optUnits[size_t(i)] = Named(new QRadioButton(units), QStringLiteral("optUnits_%1").arg(i));
        unitsLayout->addWidget(optUnits[size_t(i)]);
    }
    layout->addWidget(units);

    auto *data = new QGroupBox(QStringLiteral("Data file options"), w);
    auto *dataLayout = new QGridLayout(data);
    Text2 = Named(new QLineEdit(data), QStringLiteral("Text2"));
    cmdSetPath = DialogButton(data, QStringLiteral("cmdSetPath"), QStringLiteral("Set / Change Path"));
    Text1 = Named(new QLineEdit(data), QStringLiteral("Text1"));
    dataLayout->addWidget(new QLabel(QStringLiteral("Path:"), data), 0, 0);
    dataLayout->addWidget(Text2, 0, 1);
    dataLayout->addWidget(cmdSetPath, 0, 2);
    dataLayout->addWidget(new QLabel(QStringLiteral("Default extension for data files:"), data), 1, 0, 1, 2);
    dataLayout->addWidget(Text1, 1, 2);
    layout->addWidget(data);

    auto *misc = new QGroupBox(QStringLiteral("Miscellaneous options"), w);
    auto *miscLayout = new QGridLayout(misc);
    chkDispHist = Named(new QCheckBox(QStringLiteral("Display command history window"), misc), QStringLiteral("chkDispHist"));
    Text3 = Named(new QLineEdit(misc), QStringLiteral("Text3"));
    Command5 = DialogButton(misc, QStringLiteral("Command5"), QStringLiteral("&History Font"));
    chkKeepRecentFL = Named(new QCheckBox(QStringLiteral("Keep recent filelist"), misc), QStringLiteral("chkKeepRecentFL"));
    chkShortNames = Named(new QCheckBox(QStringLiteral("Short names in  file list"), misc), QStringLiteral("chkShortNames"));
    chkShowDiscl = Named(new QCheckBox(QStringLiteral("Show disclaimer at start-up"), misc), QStringLiteral("chkShowDiscl"));
    chkMaxMenu = Named(new QCheckBox(QStringLiteral("Maximize main menu at start-up"), misc), QStringLiteral("chkMaxMenu"));
    chkEnableTB = Named(new QCheckBox(QStringLiteral("Enable toolbar"), misc), QStringLiteral("chkEnableTB"));
    chkLoadLastInputFile = Named(new QCheckBox(QStringLiteral("Load last input file"), misc), QStringLiteral("chkLoadLastInputFile"));
    chkUpdate = Named(new QCheckBox(QStringLiteral("Reminder of annual updates"), misc), QStringLiteral("chkUpdate"));
    chkCopyExamples = Named(new QCheckBox(QStringLiteral("Copy example files"), misc), QStringLiteral("chkCopyExamples"));
    miscLayout->addWidget(chkDispHist, 0, 0, 1, 2);
    miscLayout->addWidget(new QLabel(QStringLiteral("Size of command history window (chars)"), misc), 1, 0);
    miscLayout->addWidget(Text3, 1, 1);
    miscLayout->addWidget(Command5, 2, 1);
    int row = 3;
    for (QCheckBox *c : {chkKeepRecentFL, chkShortNames, chkShowDiscl, chkMaxMenu, chkEnableTB,
                         chkLoadLastInputFile, chkUpdate, chkCopyExamples})
        miscLayout->addWidget(c, row++, 0, 1, 2);
    layout->addWidget(misc);

    auto *viewer = new QGroupBox(QStringLiteral("External text (ASCII) viewer"), w);
    auto *viewerLayout = new QGridLayout(viewer);
    Text4 = Named(new QLineEdit(viewer), QStringLiteral("Text4"));
    cmdSelect = DialogButton(viewer, QStringLiteral("cmdSelect"), QStringLiteral("&Select"));
    cmdSetDefault = DialogButton(viewer, QStringLiteral("cmdSetDefault"), QStringLiteral("Set Default"));
    viewerLayout->addWidget(new QLabel(QStringLiteral("Viewer spec:"), viewer), 0, 0);
    viewerLayout->addWidget(Text4, 0, 1, 1, 2);
    viewerLayout->addWidget(cmdSelect, 1, 1);
    viewerLayout->addWidget(cmdSetDefault, 1, 2);
    layout->addWidget(viewer);

    auto *buttons = new QHBoxLayout;
    cmdOK = DialogButton(w, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdCancel = DialogButton(w, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    cmdHelp = DialogButton(w, QStringLiteral("cmdHelp"), QStringLiteral("Help"));
    cmdOK->setDefault(true);
    buttons->addStretch(1);
    for (QPushButton *b : {cmdOK, cmdCancel, cmdHelp})
        buttons->addWidget(b);
    layout->addLayout(buttons);
}
