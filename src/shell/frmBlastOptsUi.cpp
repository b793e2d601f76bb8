#include "shell/frmBlastOptsUi.h"

#include "calculators/InputDialog.h"
#include "platform/Widgets.h"
#include "shell/frmBlastOpts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A framed group on a tab page holding one control.
void addFrame(QWidget *page, const char *name, const char *caption, QWidget *control)
{
    auto *frame = new QGroupBox(QString::fromLatin1(caption), page);
    frame->setObjectName(QString::fromLatin1(name));
    auto *layout = new QVBoxLayout(frame);
    control->setParent(frame);
    layout->addWidget(control);
    static_cast<QVBoxLayout *>(page->layout())->addWidget(frame);
}

QCheckBox *checkBox(const char *name, const char *caption)
{
    auto *box = new QCheckBox(QString::fromLatin1(caption));
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QWidget *page(QTabWidget *tabs, const char *caption)
{
    auto *p = new QWidget;
    new QVBoxLayout(p);
    tabs->addTab(p, QString::fromLatin1(caption));
    return p;
}

} // namespace

void Ui_frmBlastOpts::setupUi(frmBlastOpts *w)
{
    w->setObjectName(QStringLiteral("frmBlastOpts"));
    w->setWindowTitle(QStringLiteral("Program Options"));
    w->setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    SSTab1 = WholeTabs(new QTabWidget(w));
    SSTab1->setObjectName(QStringLiteral("SSTab1"));

    Check1 = checkBox("Check1", "English Menus");
    Check6 = checkBox("Check6", "Print Module Version Information");
    chkBurdenCalc = checkBox("chkBurdenCalc", "Warning about Burden Calculation Parameters");
    Check2 = checkBox("Check2", "Show All Blast Design Solutions");
    Check3 = checkBox("Check3", "Show Internal Coordinates in Graphs");
    cmdFileAssoc = NamedButton(nullptr, "cmdFileAssoc", "Create File Association");

    QWidget *general = page(SSTab1, "General");
    addFrame(general, "Frame1", "Edit Menu Options", Check1);
    addFrame(general, "Frame3", "Print Options", Check6);
    addFrame(general, "Frame5", "Warnings", chkBurdenCalc);
    QWidget *design = page(SSTab1, "Design");
    addFrame(design, "Frame2", "Solution Options", Check2);
    addFrame(design, "Frame4", "Debug", Check3);
    QWidget *files = page(SSTab1, "Files");
    addFrame(files, "Frame6", "Create a File Association", cmdFileAssoc);
    for (QWidget *p : {general, design, files})
        static_cast<QVBoxLayout *>(p->layout())->addStretch();

    Command2 = NamedButton(w, "Command2", "OK");
    Command1 = NamedButton(w, "Command1", "Cancel");
    Command3 = NamedButton(w, "Command3", "Help");
    Command2->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);

    auto *layout = new QVBoxLayout(w);
    layout->addWidget(SSTab1);
    layout->addLayout(buttons);
}
