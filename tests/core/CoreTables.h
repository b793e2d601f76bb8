#pragma once
// The core tests' tables under tests/data/core/. In their cells "\r", "\n" and "\t"
// stand for those characters and "c{n}" for the character c written n times.

#include "TestSupport.h"

#include <QRegularExpression>

#include <cstdlib>

inline QString cellText(QString cell)
{
    static const QRegularExpression repeat(R"((.)\{(\d+)\})");
    for (auto m = repeat.match(cell); m.hasMatch(); m = repeat.match(cell))
        cell.replace(m.capturedStart(), m.capturedLength(), QString(m.captured(2).toInt(), m.captured(1).at(0)));
    return cell.replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t");
}

// The rows of tests/data/core/<name>, each cell read by cellText().
inline QList<QStringList> coreTable(const QString &name)
{
    QList<QStringList> rows = testTable("core/" + name);
    for (QStringList &row : rows) {
        for (QString &cell : row)
            cell = cellText(cell);
    }
    return rows;
}

// A number as C reads it, with "inf", "-inf" and "nan".
inline double cellNumber(const QString &cell) { return std::strtod(cell.toUtf8().constData(), nullptr); }
