#pragma once
// What the calculator window tests share: a new project, the history logged since the
// test began, and the controls of a window found by name. CalculatorTest opens the seven
// burden calculators by index; InputDialogFixture<W> opens one window of another kind.

#include "calculators/BurdenCalculators.h"
#include "calculators/BurdenEquations.h"

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "support/TestSupport.h"
#include "support/WindowDriver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <functional>
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

// The index of a calculator by its name (an unknown name fails the test).
inline int calculatorIndex(const QString &name)
{
    for (int i = 0; i < kCalculatorCount; ++i)
        if (CalculatorDefinition(i)->name == name)
            return i;
    ADD_FAILURE() << name.toStdString();
    return 0;
}

// Whether a text shown as a value reads as infinite or not a number.
inline bool NonFinite(const QString &t)
{
    return t.contains(QLatin1String("inf"), Qt::CaseInsensitive) || t.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

// Types texts no box should choke on into each box in turn (giving it its text back
// after): no other box, label or table cell of the window then shows a value that is not
// a finite number, and 'more' checks what else the window must still show.
inline void TypeOddTexts(QWidget *w, const QList<QLineEdit *> &boxes, const std::function<void()> &more = {})
{
    const QString odd[] = {"", "-", ".", "1e", "-0", "NaN", "inf", "-inf", "1e39", "-1e39", "3.4e38", "1e308",
                           "1e400", "-1e400", "1e-45", "-1e-45", "1e-320", "1e-400", "0.000001", "1 2 3",
                           "123456789012345678901234567890", QString(5000, u'9'), "1" + QString(400, u'0') + "e-10",
                           "0." + QString(6000, u'0') + "1"};
    for (QLineEdit *typed : boxes) {
        const QString before = typed->text();
        for (const QString &t : odd) {
            SCOPED_TRACE(typed->objectName().toStdString() + " " + t.left(20).toStdString());
            typed->setEnabled(true);
            typed->setText(t);
            for (QLineEdit *shown : w->findChildren<QLineEdit *>())
                EXPECT_TRUE(shown == typed || !NonFinite(shown->text())) << shown->objectName().toStdString();
            for (QLabel *label : w->findChildren<QLabel *>())
                EXPECT_FALSE(NonFinite(label->text())) << label->objectName().toStdString();
            for (QTableWidget *table : w->findChildren<QTableWidget *>())
                for (const QTableWidgetItem *item : table->findItems(QStringLiteral("*"), Qt::MatchWildcard))
                    EXPECT_FALSE(NonFinite(item->text()));
            if (more)
                more();
        }
        typed->setText(before);
    }
}
