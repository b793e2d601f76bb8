#include "shell/frmSetUi.h"

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

namespace {
template <class T> T *named(T *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}
QPushButton *button(QWidget *parent, const char *name, const char *caption)
{
    auto *b = named(new QPushButton(QString::fromUtf8(caption), parent), QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}
QCheckBox *check(QWidget *parent, const char *name, const char *caption)
{
    return named(new QCheckBox(QString::fromUtf8(caption), parent), QLatin1String(name));
}
} // namespace

void Ui_frmSet::setupUi(frmSet *w)
{
    w->setObjectName(QStringLiteral("frmSet"));
    w->setWindowTitle(QStringLiteral("Settings"));
    auto *layout = new QVBoxLayout(w);

    auto *units = new QGroupBox(QStringLiteral("Default units"), w);
    auto *unitsLayout = new QHBoxLayout(units);
    for (int i = 0; i < 2; ++i) {
        optUnits[size_t(i)] = named(new QRadioButton(units), QStringLiteral("optUnits_%1").arg(i));
        unitsLayout->addWidget(optUnits[size_t(i)]);
    }
    layout->addWidget(units);

    auto *data = new QGroupBox(QStringLiteral("Data file options"), w);
    auto *dataLayout = new QGridLayout(data);
    Text2 = named(new QLineEdit(data), QStringLiteral("Text2"));
    cmdSetPath = button(data, "cmdSetPath", "Set / Change Path");
    Text1 = named(new QLineEdit(data), QStringLiteral("Text1"));
    dataLayout->addWidget(new QLabel(QStringLiteral("Path:"), data), 0, 0);
    dataLayout->addWidget(Text2, 0, 1);
    dataLayout->addWidget(cmdSetPath, 0, 2);
    dataLayout->addWidget(new QLabel(QStringLiteral("Default extension for data files:"), data), 1, 0, 1, 2);
    dataLayout->addWidget(Text1, 1, 2);
    layout->addWidget(data);

    auto *misc = new QGroupBox(QStringLiteral("Miscellaneous options"), w);
    auto *miscLayout = new QGridLayout(misc);
    chkDispHist = check(misc, "chkDispHist", "Display command history window");
    Text3 = named(new QLineEdit(misc), QStringLiteral("Text3"));
    Command5 = button(misc, "Command5", "&History Font");
    chkKeepRecentFL = check(misc, "chkKeepRecentFL", "Keep recent filelist");
    chkShortNames = check(misc, "chkShortNames", "Short names in  file list");
    chkShowDiscl = check(misc, "chkShowDiscl", "Show disclaimer at start-up");
    chkMaxMenu = check(misc, "chkMaxMenu", "Maximize main menu at start-up");
    chkEnableTB = check(misc, "chkEnableTB", "Enable toolbar");
    chkLoadLastInputFile = check(misc, "chkLoadLastInputFile", "Load last input file");
    chkUpdate = check(misc, "chkUpdate", "Reminder of annual updates");
    chkCopyExamples = check(misc, "chkCopyExamples", "Copy example files");
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
    Text4 = named(new QLineEdit(viewer), QStringLiteral("Text4"));
    cmdSelect = button(viewer, "cmdSelect", "&Select");
    cmdSetDefault = button(viewer, "cmdSetDefault", "Set Default");
    viewerLayout->addWidget(new QLabel(QStringLiteral("Viewer spec:"), viewer), 0, 0);
    viewerLayout->addWidget(Text4, 0, 1, 1, 2);
    viewerLayout->addWidget(cmdSelect, 1, 1);
    viewerLayout->addWidget(cmdSetDefault, 1, 2);
    layout->addWidget(viewer);

    auto *buttons = new QHBoxLayout;
    cmdOK = button(w, "cmdOK", "OK");
    cmdCancel = button(w, "cmdCancel", "Cancel");
    cmdHelp = button(w, "cmdHelp", "Help");
    cmdOK->setDefault(true);
    buttons->addStretch(1);
    for (QPushButton *b : {cmdOK, cmdCancel, cmdHelp})
        buttons->addWidget(b);
    layout->addLayout(buttons);
}
