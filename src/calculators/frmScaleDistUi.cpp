#include "calculators/frmScaleDistUi.h"

#include "calculators/frmScaleDist.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
template <class T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox *frame(QWidget *parent, const char *name) { return named(new QGroupBox(parent), name); }

// A row of label and box in a frame's grid; the label keeps its name when it has one.
QLineEdit *boxRow(QGridLayout *grid, int row, const char *labelName, const QString &caption, const char *boxName)
{
    auto *label = new QLabel(caption);
    if (labelName)
        label->setObjectName(QString::fromLatin1(labelName));
    auto *box = named(new QLineEdit, boxName);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

} // namespace

void Ui_frmScaleDist::setupUi(frmScaleDist *w)
{
    w->setObjectName(QStringLiteral("frmScaleDist"));
    w->setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    frsGroundVib = frame(w, "frsGroundVib");
    auto *g = new QGridLayout(frsGroundVib);
    txtK = boxRow(g, 0, "Label1", QStringLiteral("K:"), "txtK");
    txtN = boxRow(g, 1, "Label2", QStringLiteral("n:"), "txtN");

    frsAirVib = frame(w, "frsAirVib");
    g = new QGridLayout(frsAirVib);
    txtD = boxRow(g, 0, "Label3", QStringLiteral("D:"), "txtD");
    txtQ = boxRow(g, 1, "Label4", QStringLiteral("q:"), "txtQ");

    frsVibrType = frame(w, "frsVibrType");
    optDonisi = BuildOptionArray(frsVibrType, "optDonisi", 2);
    frsScaleDistCalc = frame(w, "frsScaleDistCalc");
    optAuto = BuildOptionArray(frsScaleDistCalc, "optAuto", 2);

    frsScaledDist = frame(w, "frsScaledDist");
    g = new QGridLayout(frsScaledDist);
    txtDist = boxRow(g, 0, "Label5", QString(), "txtDist");
    txtWeight = boxRow(g, 1, "Label6", QString(), "txtWeight");
    txtSD = boxRow(g, 2, "Label7", QString(), "txtSD");
    txtSDair = boxRow(g, 3, "Label11", QString(), "txtSDair");
    // Results only: never read back.
    txtSD->setReadOnly(true);
    txtSDair->setReadOnly(true);

    frsScaledDistRange = frame(w, "frsScaledDistRange");
    g = new QGridLayout(frsScaledDistRange);
    txtMin = boxRow(g, 0, "Label10", QString(), "txtMin");
    txtMax = boxRow(g, 1, "Label9", QString(), "txtMax");
    txtStep = boxRow(g, 2, "Label8", QString(), "txtStep");
    Label10 = w->findChild<QLabel *>(QStringLiteral("Label10"));
    Label9 = w->findChild<QLabel *>(QStringLiteral("Label9"));
    Label8 = w->findChild<QLabel *>(QStringLiteral("Label8"));

    MSHFlexGrid1 = named(new QTableWidget(w), "MSHFlexGrid1");
    MSHFlexGrid1->horizontalHeader()->hide();
    MSHFlexGrid1->verticalHeader()->hide();
    MSHFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSHFlexGrid1->setMinimumSize(4095 / 15, 4815 / 15);

    BuildOkCancelHelp(w, btnOk, btnCancel, btnHelp);

    // Two columns of three frames at the left, the table at the right, the buttons under it.
    auto *frames = new QGridLayout;
    frames->addWidget(frsGroundVib, 0, 0);
    frames->addWidget(frsAirVib, 0, 1);
    frames->addWidget(frsVibrType, 1, 0);
    frames->addWidget(frsScaleDistCalc, 1, 1);
    frames->addWidget(frsScaledDist, 2, 0, Qt::AlignTop);
    frames->addWidget(frsScaledDistRange, 2, 1, Qt::AlignTop);
    frames->setRowStretch(2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnHelp);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnOk);
    auto *right = new QVBoxLayout;
    right->addWidget(MSHFlexGrid1, 1);
    right->addLayout(buttons);
    auto *main = new QHBoxLayout(w);
    main->addLayout(frames);
    main->addLayout(right);
}
