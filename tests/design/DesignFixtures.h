#pragma once
// Helpers shared by the design tests: the inputs of a new project, the report grid as
// text, and a fixture that drives the design window through its controls.

#include "TestSupport.h"
#include "calculators/BurdenCalculators.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "design/DesignRecord.h"
#include "design/DesignRun.h"
#include "design/frmBlastDesign.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QMap>
#include <QScrollBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

// The inputs of a new project, as the design window's boxes show them.
inline DesignInputs DefaultDesignInputs()
{
    ResetProjectDefaults(255, 255);
    return DesignRecordTexts(project().BlastDesign).inputs;
}

// Changes inputs by "name=value" words ("optEnausi=2 txtParagogi=100"; "name=" empties
// a box), as the tables of tests/data/design give them.
inline void SetInputs(DesignInputs &in, const QString &changes)
{
#define INPUT(f) {QStringLiteral(#f), &DesignInputs::f}
    static const QMap<QString, QString DesignInputs::*> texts = {
        INPUT(txtFortio),   INPUT(txtDiametros), INPUT(txtEpigomosi), INPUT(txtYpodiatrisi),  INPUT(txtApostasi),
        INPUT(txtEpigD),    INPUT(txtYpodD),     INPUT(txtApostasiD), INPUT(txtEidvarek),     INPUT(txtEnisxysi),
        INPUT(txtEidvarEE), INPUT(txtEidvarPe),  INPUT(txtYpsos),     INPUT(txtParagogi),     INPUT(txtDX),
        INPUT(txtDY),       INPUT(cmbNoEpif),    INPUT(txtSeires),    INPUT(txtMaxNperDelay), INPUT(txtCostExpl),
        INPUT(txtCostCap),  INPUT(txtCostInit),  INPUT(txtCostBooster), INPUT(txtCostDrill),
    };
    static const QMap<QString, int DesignInputs::*> choices = {
        INPUT(SSTab2), INPUT(optEnausi), INPUT(optProduction), INPUT(chkRound), INPUT(chkRound2),
        INPUT(chkMaxNDelay), INPUT(chkSort),
    };
#undef INPUT
    for (const QString &change : changes.split(u' ', Qt::SkipEmptyParts)) {
        const QString name = change.section(u'=', 0, 0);
        if (texts.contains(name))
            in.*texts.value(name) = change.section(u'=', 1);
        else if (choices.contains(name))
            in.*choices.value(name) = change.section(u'=', 1).toInt();
        else
            ADD_FAILURE() << "no input " << name.toStdString();
    }
}

// The name of a run's outcome, as the tables of tests/data/design give it.
inline QString StatusName(DesignStatus status)
{
    static const QStringList names = {"Ok",           "NoQualifyingLayout", "ImpossibleLayout", "ImpossibleDesign",
                                      "NotComputable", "ZeroHoleVolume",    "TooManyLayouts",   "CountOutOfRange",
                                      "ValueOutOfRange", "InvalidAlternative", "NotSorted"};
    return names.value(int(status));
}

// The grid as text: one row a line, the cells of columns 1 to 3 split by tabs (column 0
// is always empty), as the expected grids in tests/data hold it.
inline QString GridText(const ReportGrid &grid)
{
    QString text;
    for (int r = 0; r < grid.Rows(); ++r) {
        EXPECT_EQ(grid.TextMatrix(r, 0), QString()) << "row " << r;
        text += QStringList{grid.TextMatrix(r, 1), grid.TextMatrix(r, 2), grid.TextMatrix(r, 3)}.join(u'\t') + u'\n';
    }
    return text;
}

// The "[name]" sections of a file of tests/data, each with the lines after its name
// (lines starting with "#" before the first section are comments).
inline QMap<QString, QString> DataSections(const QString &file)
{
    QMap<QString, QString> sections;
    for (const QString &section : testDataText(file).split(u'[', Qt::SkipEmptyParts))
        sections[section.section(u']', 0, 0)] = section.section(u'\n', 1).trimmed() + u'\n';
    return sections;
}

// The design window of a new project, found and driven by objectName.
class DesignWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartCoreForTest();
        ResetProjectDefaults(255, 255);
        historyLog().setText(QString());
    }
    void TearDown() override
    {
        w.reset();
        UnloadAllCalculators();
    }

    frmBlastDesign &open()
    {
        w = std::make_unique<frmBlastDesign>();
        w->show();
        QApplication::setActiveWindow(w.get());
        return *w;
    }

    template <class T = QWidget> T *find(const char *name) const
    {
        T *c = Child<T>(w.get(), name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QLineEdit *edit(const char *name) const { return find<QLineEdit>(name); }
    QTabWidget *tabs(const char *name) const { return find<QTabWidget>(name); }
    QScrollBar *scroll() const { return find<QScrollBar>("HScroll1"); }
    // The text of a label, a combo box or a box.
    QString text(const char *name) const
    {
        if (auto *l = Child<QLabel>(w.get(), name))
            return l->text();
        if (auto *combo = Child<QComboBox>(w.get(), name))
            return combo->currentText();
        return edit(name)->text();
    }
    void showTab(int tab) const { tabs("SSTab1")->setCurrentIndex(tab); }
    void type(const char *name, const QString &text) const
    {
        if (auto *combo = Child<QComboBox>(w.get(), name))
            combo->setEditText(text);
        else
            edit(name)->setText(text);
    }

    std::unique_ptr<frmBlastDesign> w;
};
