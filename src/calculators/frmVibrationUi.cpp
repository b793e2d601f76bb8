#include "calculators/frmVibrationUi.h"

#include "calculators/frmVibration.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
template <class T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

void Ui_frmVibration::setupUi(frmVibration *w)
{
    w->setObjectName(QStringLiteral("frmVibration"));
    w->setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    frsRegulation = named(new QGroupBox(w), QStringLiteral("frsRegulation"));
    optKanonismos = BuildOptionArray(frsRegulation, "optKanonismos", 3);
    frsBuilding = named(new QGroupBox(w), QStringLiteral("frsBuilding"));
    optKatigoria = BuildOptionArray(frsBuilding, "optKatigoria", 3);

    frsInputData = named(new QGroupBox(w), QStringLiteral("frsInputData"));
    auto *grid = new QGridLayout(frsInputData);
    lblFrequency = named(new QLabel(frsInputData), QStringLiteral("lblFrequency"));
    txtSyxnotita = named(new QLineEdit(frsInputData), QStringLiteral("txtSyxnotita"));
    Label4 = named(new QLabel(QStringLiteral("Hz"), frsInputData), QStringLiteral("Label4"));
    lblVelocity = named(new QLabel(frsInputData), QStringLiteral("lblVelocity"));
    txtTaxytita = named(new QLineEdit(frsInputData), QStringLiteral("txtTaxytita"));
    Label2 = named(new QLabel(QStringLiteral("mm/sec"), frsInputData), QStringLiteral("Label2"));
    grid->addWidget(lblFrequency, 0, 0);
    grid->addWidget(txtSyxnotita, 0, 1);
    grid->addWidget(Label4, 0, 2);
    grid->addWidget(lblVelocity, 1, 0);
    grid->addWidget(txtTaxytita, 1, 1);
    grid->addWidget(Label2, 1, 2);

    frsDiagram = named(new QGroupBox(w), QStringLiteral("frsDiagram"));
    MSChart1 = named(new QChartView(frsDiagram), QStringLiteral("MSChart1"));
    MSChart1->setMinimumSize(6615 / 15, 5775 / 15);
    auto *diagram = new QVBoxLayout(frsDiagram);
    diagram->addWidget(MSChart1);

    BuildOkCancelHelp(w, btnOk, btnCancel, btnHelp);

    // The three frames and the buttons at the left, the chart at the right.
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnHelp);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnOk);
    auto *left = new QVBoxLayout;
    left->addWidget(frsRegulation);
    left->addWidget(frsBuilding);
    left->addWidget(frsInputData);
    left->addStretch();
    left->addLayout(buttons);
    auto *main = new QHBoxLayout(w);
    main->addLayout(left);
    main->addWidget(frsDiagram, 1);
}
