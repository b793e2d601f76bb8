#include "shell/frmBlastDescUi.h"

#include "calculators/InputDialog.h"
#include "platform/Widgets.h"
#include "shell/DescriptionBox.h"
#include "shell/frmBlastDesc.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void Ui_frmBlastDesc::setupUi(frmBlastDesc *w)
{
    w->setObjectName(QStringLiteral("frmBlastDesc"));
    w->setWindowTitle(QStringLiteral("Project Description"));
    w->setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Text1 = new DescriptionBox(w);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setTabChangesFocus(true);
    TypeNoAltLetters(Text1);
    Text1->setMinimumSize(480, 220);

    Frame1 = new QGroupBox(QStringLiteral("Current Units"), w);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1 = BuildOptionArray(Frame1, "Option1", 3);
    Option1[0]->setText(QStringLiteral("English"));
    Option1[1]->setText(QStringLiteral("Metric"));
    Option1[2]->setText(QStringLiteral("Mixed"));

    Command2 = NamedButton(w, "Command2", "OK");
    Command1 = NamedButton(w, "Command1", "Cancel");
    Command3 = NamedButton(w, "Command3", "Help");
    Command2->setDefault(true);

    auto *side = new QVBoxLayout;
    side->addWidget(Frame1);
    side->addStretch();
    side->addWidget(Command2);
    side->addWidget(Command1);
    side->addWidget(Command3);

    auto *layout = new QHBoxLayout(w);
    layout->addWidget(Text1, 1);
    layout->addLayout(side);
}
