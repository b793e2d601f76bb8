#pragma once
// A window of the calculators folder, opened modeless over a new project for a test:
// its controls found by objectName, and the history lines logged since the test began.

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

template <class W> class InputDialogFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartCoreForTest();
        ResetProjectDefaults(255, 255);
        m_logStart = historyLog().text().size();
    }
    void open()
    {
        w = std::make_unique<W>();
        w->show();
        QApplication::setActiveWindow(w.get());
    }
    QString newLog() const { return historyLog().text().mid(m_logStart); }
    template <class T = QLineEdit> T *child(const char *name)
    {
        T *c = w->template findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    std::unique_ptr<W> w;
    qsizetype m_logStart = 0;
};
