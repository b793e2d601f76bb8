#pragma once
// Inputs of the design window as it shows a new project, and helpers for comparing
// report pages and grids with their expected texts.

#include "design/DesignRun.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <vector>

// The defaults of a new project as the window's boxes show them.
inline DesignInputs DefaultDesignInputs()
{
    DesignInputs in;
    in.txtFortio = QStringLiteral("3.00");
    in.txtEpigomosi = QStringLiteral("1.00");
    in.txtYpodiatrisi = QStringLiteral("0.30");
    in.txtApostasi = QStringLiteral("1.50");
    in.txtEpigD = QStringLiteral("20");
    in.txtYpodD = QStringLiteral("10");
    in.txtApostasiD = QStringLiteral("40");
    in.txtDiametros = QStringLiteral("80");
    in.txtEidvarek = QStringLiteral("0.90");
    in.txtEnisxysi = QStringLiteral("1");
    in.txtEidvarEE = QStringLiteral("1.2");
    in.txtEidvarPe = QStringLiteral("2.60");
    in.txtYpsos = QStringLiteral("12.00");
    in.txtParagogi = QStringLiteral("4000");
    in.txtDX = QStringLiteral("0");
    in.txtDY = QStringLiteral("0");
    in.txtMaxNperDelay = QStringLiteral("2");
    in.cmbNoEpif = QStringLiteral("1");
    in.txtSeires = QStringLiteral("2");
    in.txtCostExpl = QStringLiteral("1");
    in.txtCostCap = QStringLiteral("1");
    in.txtCostInit = QStringLiteral("0");
    in.txtCostBooster = QStringLiteral("1.5");
    in.txtCostDrill = QStringLiteral("5");
    in.SSTab2 = 0;
    in.optEnausi = 0;
    in.optProduction = 0;
    in.chkRound = 1;
    in.chkRound2 = 1;
    in.chkMaxNDelay = 1;
    in.chkSort = 0;
    return in;
}

// The lines of a page, each ended by CR LF.
inline QString PageText(std::initializer_list<const char16_t *> lines)
{
    QString text;
    for (const char16_t *l : lines)
        text += QString::fromUtf16(l) + QStringLiteral("\r\n");
    return text;
}

// Compares line by line first (readable failures), then the whole text.
inline void ExpectPage(const QString &actual, const QString &expected)
{
    const QStringList a = actual.split(QStringLiteral("\r\n"));
    const QStringList e = expected.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i)
        EXPECT_EQ(a[i].toStdString(), e[i].toStdString()) << "line " << i;
    EXPECT_EQ(a.size(), e.size());
    EXPECT_EQ(actual.toStdString(), expected.toStdString());
}

using GridRow = std::array<const char16_t *, 3>;

inline void ExpectGrid(const ReportGrid &grid, const std::vector<GridRow> &rows)
{
    ASSERT_EQ(grid.Rows(), int(rows.size()));
    EXPECT_EQ(grid.Cols, 4);
    EXPECT_EQ(grid.FixedRows, 1);
    EXPECT_EQ(grid.ColWidths, (std::vector<int>{300, 4000, 2200, 2200}));
    for (int r = 0; r < grid.Rows(); ++r) {
        EXPECT_EQ(grid.TextMatrix(r, 0).toStdString(), "") << "row " << r;
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(grid.TextMatrix(r, c).toStdString(),
                      QString::fromUtf16(rows[size_t(r)][size_t(c - 1)]).toStdString())
                << "row " << r << " column " << c;
    }
}
