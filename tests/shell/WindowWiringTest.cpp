// Every window opens from its command and, at its opening size and in both languages,
// fits the screen and shows its texts whole.

#include "TextFit.h"
#include "WindowDriver.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"
#include "shell/frmPath.h"
#include "core/Messages.h"
#include "platform/frmHelp.h"

#include <QPointer>
#include <QScreen>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
// Opens a window, and while it is up checks that it fits the screen and shows its texts
// whole; then closes it (the main window stays). False when no such window came up.
bool openAndMeasure(const QString &name, const std::function<void()> &open)
{
    bool seen = false;
    auto measure = [&] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (seen || !top->isVisible() || top->objectName() != name)
                continue;
            seen = true;
            EXPECT_TRUE(top->screen()->availableGeometry().contains(top->frameGeometry()))
                << "window at " << top->x() << "," << top->y() << " size " << top->width() << "x" << top->height();
            const QStringList cut = CutTexts(top);
            EXPECT_TRUE(cut.isEmpty()) << cut.join(u'\n').toStdString();
            if (top != mainWindow())
                top->close();
        }
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, measure);
    poll.start(5);
    open();
    measure();
    return seen;
}

} // namespace

TEST(WindowWiring, EveryWindowOpensFitsAndShowsItsTextsWholeInBothLanguages)
{
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    auto menu = [&](const char *item) { return [&w, item] { Trigger(w, item); }; };
    std::vector<std::unique_ptr<QWidget>> owned;
    std::unique_ptr<HelpBrowser> help;
    auto shown = [&](QWidget *window) {
        owned.emplace_back(window);
        window->show();
    };
    const struct {
        const char *window;
        std::function<void()> open;
    } windows[] = {
        {"frmMain", [] {}},
        {"frmBlastDesc", menu("mnuEditItem_0")},
        {"frmBlastOpts", menu("mnuUtilItem_1")},
        {"frmSet", menu("mnuUtilItem_0")},
        {"frmPath", [&] { shown(new frmPath(w)); }},
        {"frmTextBrow", menu("mnuFileItem_9")},
        {"frmPreview", [&] {
             fakeMessageBox().script(mb::Yes); // the project is empty: preview it all the same
             Trigger(w, "mnuFileItem_7");
         }},
        {"frmResource", menu("mnuHelpItem_4")},
        {"frmUpdate", menu("mnuHelpItem_8")},
        {"frmHelp",
         [&] {
             help = std::make_unique<HelpBrowser>();
             help->showContents(QStringLiteral("qrc:/help/index.html"));
         }},
        {"frmBlastDesign", menu("mnuEditItem_2")},
        {"frmBlastDesign", menu("Toolbar1_5")},
        {"frmAnderson", menu("mnuFortioItem_0")},
        {"frmAsh", menu("mnuFortioItem_1")},
        {"frmFraenkel", menu("mnuFortioItem_2")},
        {"frmKonya", menu("mnuFortioItem_3")},
        {"frmLangefors", menu("mnuFortioItem_4")},
        {"frmPearse", menu("mnuFortioItem_5")},
        {"frmJimeno", menu("mnuFortioItem_6")},
        {"frmVibration", menu("mnuDonisiItem_0")},
        {"frmScaleDist", menu("mnuDonisiItem_1")},
        {"frmUnits", menu("mnuUtilItem_2")},
    };
    for (int english : {1, 0}) {
        for (const auto &window : windows) {
            SCOPED_TRACE(std::string(window.window) + (english ? " in English" : " in Greek"));
            settings().EnglishMenus = int16_t(english);
            EXPECT_TRUE(openAndMeasure(QString::fromLatin1(window.window), window.open));
            help.reset();
            owned.clear();
        }
    }
    // Nothing was confirmed: the project is unchanged.
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
        DriveDialog(Child<QAction>(w, c.action), [&](QDialog *dlg) { Click(dlg, c.ok); });
        EXPECT_EQ(w->windowTitle(), c.caption);
        // A save takes the mark away.
        const QString path = testHome() + "/site.KVD";
        fakeFileDialog().script(path);
        Trigger(w, "mnuFileItem_3");
        EXPECT_EQ(w->windowTitle(), "Korvendo: " + path);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
