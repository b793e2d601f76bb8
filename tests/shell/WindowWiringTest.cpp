// The Input menu and the toolbar open the windows that exist.

#include "TestSupport.h"
#include "core/ProgramState.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Triggers the action and closes the modal window it opens, by its button 'ok' when
// one is named; returns the window's objectName.
QString openAndClose(QAction *action, const char *ok = nullptr)
{
    QString seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            seen = dlg->objectName();
            poll.stop();
            if (auto *button = ok ? dlg->findChild<QAbstractButton *>(QString::fromLatin1(ok)) : nullptr)
                button->click();
            if (dlg->isVisible())
                dlg->reject();
        }
    });
    poll.start(5);
    action->trigger();
    return seen;
}
} // namespace

TEST(WindowWiring, InputMenuOpensCalculatorAndDesignWindow)
{
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    const char *calculators[] = {"frmAnderson", "frmAsh",   "frmFraenkel", "frmKonya",
                                 "frmLangefors", "frmPearse", "frmJimeno"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(w->findChild<QAction *>(QStringLiteral("mnuFortioItem_%1").arg(i))->isEnabled()) << i;
        EXPECT_EQ(openAndClose(w->findChild<QAction *>(QStringLiteral("mnuFortioItem_%1").arg(i))), calculators[i]);
    }
    EXPECT_TRUE(w->findChild<QAction *>("mnuEditItem_2")->isEnabled());
    EXPECT_TRUE(w->findChild<QAction *>("Toolbar1_5")->isEnabled());

    EXPECT_EQ(openAndClose(w->findChild<QAction *>("mnuEditItem_2")), "frmBlastDesign");
    EXPECT_EQ(openAndClose(w->findChild<QAction *>("Toolbar1_5")), "frmBlastDesign");
    // Nothing was confirmed: the project is unchanged.
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    w->close();
}

TEST(WindowWiring, VibrationAndUtilityWindowsOpenFromTheirMenus)
{
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    EXPECT_EQ(openAndClose(w->findChild<QAction *>("mnuDonisiItem_0")), "frmVibration");
    EXPECT_EQ(openAndClose(w->findChild<QAction *>("mnuDonisiItem_1")), "frmScaleDist");
    EXPECT_EQ(openAndClose(w->findChild<QAction *>("mnuUtilItem_2")), "frmUnits");
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    w->close();
}

TEST(WindowWiring, TheCaptionMarksUnsavedWorkAfterAnInputWindowsOk)
{
    const struct {
        const char *action, *ok, *caption;
    } cases[] = {
        {"mnuEditItem_0", "Command2", "Korvendo: Untitled*"},  // project description
        {"mnuFortioItem_0", "btnOk", "Korvendo: Untitled*"},   // a calculator
        {"mnuEditItem_2", "cmdOK", "Korvendo: Untitled*"},     // the design window
        {"mnuDonisiItem_1", "btnOk", "Korvendo: Untitled*"},   // scaled distance
        {"mnuDonisiItem_0", "btnOk", "Tessolan Primer"},       // the vibration point leaves the saved state
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.action);
        QPointer<frmMain> w = StartProgram({}, testHome());
        ASSERT_TRUE(w);
        openAndClose(w->findChild<QAction *>(c.action), c.ok);
        EXPECT_EQ(w->windowTitle(), c.caption);
        // A save takes the mark away.
        const QString path = testHome() + "/site.KVD";
        fakeFileDialog().script(path);
        w->findChild<QAction *>("mnuFileItem_3")->trigger();
        EXPECT_EQ(w->windowTitle(), "Korvendo: " + path);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
