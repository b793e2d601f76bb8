#include "shell/frmPathUi.h"

#include "platform/FileLists.h"
#include "shell/frmPath.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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
} // namespace

void Ui_frmPath::setupUi(frmPath *w)
{
    w->setObjectName(QStringLiteral("frmPath"));
    w->setWindowTitle(QStringLiteral("Select Path"));
    w->resize(420, 380);
    auto *layout = new QVBoxLayout(w);
    Drive1 = named(new DriveList(w), QStringLiteral("Drive1"));
    Dir1 = named(new FolderList(w), QStringLiteral("Dir1"));
    layout->addWidget(Drive1);
    layout->addWidget(Dir1, 1);

    auto *frame = new QGroupBox(QStringLiteral("Set Path"), w);
    auto *frameLayout = new QGridLayout(frame);
    const char *captions[] = {"User home", "Application ", "Current", "User temporary"};
    for (int i = 0; i < 4; ++i) {
        Option1[size_t(i)] = named(new QRadioButton(QString::fromLatin1(captions[i]), frame),
                                   QStringLiteral("Option1_%1").arg(i));
        frameLayout->addWidget(Option1[size_t(i)], i / 2, i % 2);
    }
    layout->addWidget(frame);

    auto *buttons = new QHBoxLayout;
    Command2 = button(w, "Command2", "OK");
    Command1 = button(w, "Command1", "Cancel");
    Command3 = button(w, "Command3", "Help");
    Command2->setDefault(true);
    buttons->addStretch(1);
    for (QPushButton *b : {Command2, Command1, Command3})
        buttons->addWidget(b);
    layout->addLayout(buttons);
}
