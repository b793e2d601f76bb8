#include "shell/frmPathUi.h"

#include "platform/FileLists.h"
#include "platform/Widgets.h"
#include "shell/frmPath.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void Ui_frmPath::setupUi(frmPath *w)
{
    w->setObjectName(QStringLiteral("frmPath"));
    w->setWindowTitle(QStringLiteral("Select Path"));
    w->resize(420, 380);
    auto *layout = new QVBoxLayout(w);
    Drive1 = Named(new DriveList(w), QStringLiteral("Drive1"));
    Dir1 = Named(new FolderList(w), QStringLiteral("Dir1"));
    layout->addWidget(Drive1);
    layout->addWidget(Dir1, 1);

    auto *frame = new QGroupBox(QStringLiteral("Set Path"), w);
    auto *frameLayout = new QGridLayout(frame);
    const char *captions[] = {"User home", "Application ", "Current", "User temporary"};
    for (int i = 0; i < 4; ++i) {
        Option1[size_t(i)] = Named(new QRadioButton(QString::fromLatin1(captions[i]), frame),
                                   QStringLiteral("Option1_%1").arg(i));
        frameLayout->addWidget(Option1[size_t(i)], i / 2, i % 2);
    }
    layout->addWidget(frame);

    auto *buttons = new QHBoxLayout;
    Command2 = DialogButton(w, QStringLiteral("Command2"), QStringLiteral("OK"));
    Command1 = DialogButton(w, QStringLiteral("Command1"), QStringLiteral("Cancel"));
    Command3 = DialogButton(w, QStringLiteral("Command3"), QStringLiteral("Help"));
    Command2->setDefault(true);
    buttons->addStretch(1);
    for (QPushButton *b : {Command2, Command1, Command3})
        buttons->addWidget(b);
    layout->addLayout(buttons);
}
