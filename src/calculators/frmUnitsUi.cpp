#include "calculators/frmUnitsUi.h"

#include "calculators/InputDialog.h"
#include "calculators/UnitConversion.h"
#include "calculators/frmUnits.h"
#include "platform/Widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

void Ui_frmUnits::setupUi(frmUnits *w)
{
    w->setObjectName(QStringLiteral("frmUnits"));
    w->setWindowTitle(QStringLiteral("Unit Conversions"));
    w->setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    SSTab1 = WholeTabs(new QTabWidget(w));
    SSTab1->setObjectName(QStringLiteral("SSTab1"));

    struct Page {
        const char *tab;
        const char *frame;
        const char *input;
        QLineEdit *&inputBox;
        const char *options;
        QList<QRadioButton *> &optionList;
        Quantity quantity;
        int firstOutput;
        QList<QLineEdit *> &outputs;
    };
    Page pages[kQuantityCount] = {
        {"Length", "Length units", "txtLength", txtLength, "Option2", Option2, Quantity::Length, 7, lengthOut},
        {"Load", "Load units", "txtLoad", txtLoad, "Option5", Option5, Quantity::Load, 21, loadOut},
        {"Load Grad", "Load gradient units", "txtLoadGrad", txtLoadGrad, "Option4", Option4, Quantity::LoadGrad, 17,
         loadGradOut},
        {"Stress", "Pressure/stress units", "txtStress", txtStress, "Option1", Option1, Quantity::Stress, 2,
         stressOut},
        {"Stress Grad", "Pressure/stress gradient units", "txtStressGrad", txtStressGrad, "Option3", Option3,
         Quantity::StressGrad, 12, stressGradOut},
    };
    for (Page &p : pages) {
        auto *page = new QWidget;
        auto *pageLayout = new QVBoxLayout(page);
        auto *frame = new QGroupBox(QString::fromLatin1(p.frame), page);
        pageLayout->addWidget(frame);
        pageLayout->addStretch();
        auto *grid = new QGridLayout(frame);

        p.inputBox = new QLineEdit(QStringLiteral("0"), frame);
        p.inputBox->setObjectName(QString::fromLatin1(p.input));
        grid->addWidget(p.inputBox, 0, 0);

        // One row per unit: its option button, which also labels the output box beside it.
        const QStringList units = UnitNames(p.quantity);
        for (int i = 0; i < units.size(); ++i) {
            auto *option = new QRadioButton(units.at(i), frame);
            option->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(p.options)).arg(i));
            p.optionList << option;
            auto *out = new QLineEdit(QStringLiteral("0"), frame);
            out->setObjectName(QStringLiteral("Text%1").arg(p.firstOutput + i));
            out->setReadOnly(true);
            p.outputs << out;
            grid->addWidget(option, i + 1, 0);
            grid->addWidget(out, i + 1, 1);
        }
        SSTab1->addTab(page, QString::fromLatin1(p.tab));
    }

    Command1 = NamedButton(w, "Command1", "OK");
    Command3 = NamedButton(w, "Command3", "Help");

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    auto *main = new QVBoxLayout(w);
    main->addWidget(SSTab1);
    main->addLayout(buttons);
}
