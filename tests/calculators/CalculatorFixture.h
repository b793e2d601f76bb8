#pragma once
// What the calculator window tests share: a new project, the history logged since the
// test began, and the controls of a window found by name. CalculatorTest opens the seven
// burden calculators by index; InputDialogFixture<W> opens one window of another kind.

#include "calculators/BurdenCalculators.h"

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "support/TestSupport.h"
#include "support/WindowDriver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

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
    template <class T = QLineEdit> static T *child(QWidget *w, const char *name)
    {
        T *c = Child<T>(w, name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    // The text of a box or a label.
    static QString text(QWidget *w, const char *name)
    {
        if (auto *b = Child<QLineEdit>(w, name))
            return b->text();
        auto *label = child<QLabel>(w, name);
        return label ? label->text() : QString();
    }

    qsizetype m_logStart = 0;
};

template <class W> class InputDialogFixture : public CalculatorTest {
protected:
    void open()
    {
        w = std::make_unique<W>();
        w->show();
        QApplication::setActiveWindow(w.get());
    }
    template <class T = QLineEdit> T *child(const char *name) { return CalculatorTest::child<T>(w.get(), name); }

    std::unique_ptr<W> w;
};
