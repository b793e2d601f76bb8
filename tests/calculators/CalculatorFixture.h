#pragma once
// What the calculator window tests share: typing into a box as a user does, finding
// controls by name, and the messages and log lines a test produced.

#include "calculators/BurdenCalculators.h"

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "support/TestSupport.h"
#include "support/WindowDriver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

class CalculatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartCoreForTest();
        ResetProjectDefaults(255, 255);
        m_logStart = historyLog().text().size();
    }
    void TearDown() override
    {
        UnloadAllCalculators();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // What the history log gained since the test began.
    QString newLog() const { return LogSince(m_logStart); }

    static QWidget *open(int index)
    {
        QWidget *w = LoadCalculator(index);
        EXPECT_NE(w, nullptr);
        if (w)
            w->show();
        return w;
    }
    template <class T> static T *child(QWidget *w, const QString &name)
    {
        T *c = w->findChild<T *>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    static QLineEdit *box(QWidget *w, const QString &name) { return child<QLineEdit>(w, name); }
    // The text of a box or a label.
    static QString text(QWidget *w, const QString &name)
    {
        if (auto *b = w->findChild<QLineEdit *>(name))
            return b->text();
        auto *label = child<QLabel>(w, name);
        return label ? label->text() : QString();
    }
    static QStringList boxTexts() { return MessageTexts(); }

    qsizetype m_logStart = 0;
};
