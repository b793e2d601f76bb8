// Every window opens from its command and, at its opening size and in both languages,
// fits the screen and shows its texts whole. The caption marks unsaved work once an
// input window is confirmed, until the save.

#include "TextFit.h"
#include "ProgramFixture.h"
#include "shell/frmPath.h"
#include "core/Messages.h"
#include "platform/frmHelp.h"

#include <QScreen>

namespace {
// Opens a window, and while it is up checks that it fits the screen and shows its texts
// whole; then closes it and any other window (the main window stays). False when no such
// window came up; 'centred' counts the windows checked to be centred over their owner.
bool openAndMeasure(const QString &name, const std::function<void()> &open, int &centred)
{
    bool seen = false;
    auto measure = [&] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!top->isVisible())
                continue;
            if (!seen && top->objectName() == name) {
                seen = true;
                EXPECT_TRUE(top->screen()->availableGeometry().contains(top->frameGeometry()))
                    << "window at " << top->x() << "," << top->y() << " size " << top->width() << "x" << top->height();
                // A dialog is centred over its owner where the screen leaves room for it
                // with a window manager's frame (not drawn offscreen, but placed for).
                const QWidget *owner = top->parentWidget() ? top->parentWidget()->window() : nullptr;
                QRect placed = top->frameGeometry();
                if (owner && owner->isVisible()) {
                    placed.moveCenter(owner->frameGeometry().center());
                    if (top->screen()->availableGeometry().contains(placed.marginsAdded({4, 32, 4, 8}))) {
                        EXPECT_LE((top->frameGeometry().center() - placed.center()).manhattanLength(), 16);
                        ++centred;
                    }
                }
                EXPECT_EQ(CutTexts(top), QStringList());
            }
            if (top != mainWindow())
                top->close(); // a window of another name too: it never holds the test up
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

using WindowWiring = ProgramTest;

TEST_F(WindowWiring, EveryWindowOpensFitsAndShowsItsTextsWholeInBothLanguages)
{
    start();
    std::unique_ptr<QWidget> path;
    std::unique_ptr<HelpBrowser> help;
    auto open = [&](const QString &window, const QString &item) {
        if (window == "frmPath") {
            path = std::make_unique<frmPath>(w);
            path->show();
        } else if (window == "frmHelp") {
            help = std::make_unique<HelpBrowser>();
            help->showContents(QStringLiteral("qrc:/help/index.html"));
        } else if (!item.isEmpty()) {
            if (item == "mnuFileItem_7")
                fakeMessageBox().script(mb::Yes); // the project is empty: preview it all the same
            Trigger(w, qPrintable(item));
        }
    };
    int centred = 0;
    for (int english : {1, 0}) {
        for (const QStringList &window : testTable("shell/windows.tsv")) {
            SCOPED_TRACE(window[0].toStdString() + (english ? " in English" : " in Greek"));
            settings().EnglishMenus = int16_t(english);
            EXPECT_TRUE(openAndMeasure(window[0], [&] { open(window[0], window.value(1)); }, centred));
            help.reset();
            path.reset();
        }
    }
    EXPECT_EQ(centred, 36); // the others have no owner on view, or no room to be centred over it
    // Nothing was confirmed: the project and the caption are unchanged.
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_EQ(w->windowTitle(), "Tessolan Primer");
    DriveDialog(act("mnuFortioItem_0"), [](QDialog *d) { Click(d, "btnOk"); }); // Anderson, confirmed as it stands
    EXPECT_EQ(w->windowTitle(), "Korvendo: Untitled*");
    const QString file = testHome() + "/site.KVD";
    fakeFileDialog().script(file);
    Trigger(w, "mnuFileItem_3");
    EXPECT_EQ(w->windowTitle(), "Korvendo: " + file);
}
