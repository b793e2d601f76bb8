#pragma once
// Helpers shared by the design tests: the inputs of a new project, comparing report
// pages and grids with their expected texts, and a fixture that drives the design
// window through its controls.

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
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

// The inputs of a new project, as the design window's boxes show them.
inline DesignInputs DefaultDesignInputs()
{
    ResetProjectDefaults(255, 255);
    return DesignRecordTexts(project().BlastDesign).inputs;
}

// Compares line by line first (readable failures), then the whole text.
inline void ExpectPage(const QString &actual, const QString &expected)
{
    const QStringList a = actual.split(QStringLiteral("\r\n"));
    const QStringList e = expected.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i)
        EXPECT_EQ(a[i].toStdString(), e[i].toStdString()) << "line " << i;
    EXPECT_EQ(actual.toStdString(), expected.toStdString());
}

// The texts of grid columns 1 to 3, row by row (column 0 is always empty).
using GridCells = std::vector<std::array<QString, 3>>;

// A grid from a file of tests/data: one row a line, its three cells split by tabs.
inline GridCells GridData(const QString &name)
{
    GridCells cells;
    for (const QString &line : testDataText(name).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList c = line.split(u'\t');
        cells.push_back({c.value(0), c.value(1), c.value(2)});
    }
    return cells;
}

inline void ExpectGrid(const ReportGrid &grid, const GridCells &rows)
{
    ASSERT_EQ(grid.Rows(), int(rows.size()));
    EXPECT_EQ(grid.ColWidths, (std::vector<int>{300, 4000, 2200, 2200}));
    for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c <= 3; ++c)
            EXPECT_EQ(grid.TextMatrix(r, c).toStdString(), c == 0 ? "" : rows[size_t(r)][size_t(c - 1)].toStdString())
                << "row " << r << " column " << c;
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
    static QString lastBox()
    {
        const QStringList texts = MessageTexts();
        return texts.isEmpty() ? QString() : texts.last();
    }

    std::unique_ptr<frmBlastDesign> w;
};
