#include "shell/frmResource.h"
#include "shell/frmResourceUi.h"

#include <QPushButton>
#include <QVBoxLayout>

void Ui_frmResource::setupUi(frmResource *w)
{
    w->setObjectName(QStringLiteral("frmResource"));
    w->setWindowTitle(QStringLiteral("View Resource Files"));
    auto *layout = new QVBoxLayout(w);
    for (int i = 0; i < 7; ++i) {
        cmdView[i] = new QPushButton(QStringLiteral("Resource %1").arg(i + 1), w);
        cmdView[i]->setObjectName(QStringLiteral("cmdView_%1").arg(i));
        cmdView[i]->setMinimumWidth(320);
        layout->addWidget(cmdView[i]);
    }
    layout->addSpacing(8);
    Command1 = new QPushButton(QStringLiteral("Exit"), w);
    Command1->setObjectName(QStringLiteral("Command1"));
    layout->addWidget(Command1);
}
