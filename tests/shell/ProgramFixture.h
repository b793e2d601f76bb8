#pragma once
// A test that drives the whole program: start() starts it as the user does, the messages
// of the start left out; the test's end closes it without asking about unsaved work.

#include "support/WindowDriver.h"
#include "core/IniFile.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"

#include <QPointer>

// Writes the first settings file with some values changed, before the program starts.
inline void presetSettings(const QList<std::tuple<QString, QString, QString>> &values)
{
    StartCoreForTest();
    for (const auto &[section, key, value] : values)
        WriteINI(section, key, value, paths().IniFile);
    ResetProgramState();
    historyLog().setText(QString());
}

class ProgramTest : public ::testing::Test {
protected:
    void TearDown() override { close(); }

    frmMain *start(const QStringList &args = {})
    {
        w = StartProgram(args, testHome());
        EXPECT_TRUE(w);
        fakeMessageBox().boxes.clear();
        return w;
    }
    void close()
    {
        if (w) {
            flags().ProjectSaved = kTrue;
            w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QAction *act(const char *name) const { return Child<QAction>(w, name); }

    QPointer<frmMain> w;
};
