// A window closed, or the program ended, while a modal window runs above it: pressed
// through the accessibility interface, which modality does not stop (a screen reader
// presses so), or by a close from the window system. The close waits until the windows
// above are through, then asks about unsaved work as usual; nothing is freed under them.

#include "ProgramFixture.h"
#include "core/IniFile.h"
#include "core/ProjectFile.h"
#include "platform/FileLists.h"
#include "platform/ModalWindows.h"
#include "platform/QtServices.h"
#include "shell/frmTextBrow.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QWindow>

#include <deque>

void installFreshTestEnvironment();

namespace {

// Presses a button or a menu item as a screen reader does: by the accessible action.
void PressAccessibly(QObject *control)
{
    QAccessibleInterface *target = nullptr;
    if (auto *action = qobject_cast<QAction *>(control)) {
        // A menu item is a child of its menu's accessible interface.
        for (QObject *o : action->associatedObjects())
            if (QAccessibleInterface *menu = qobject_cast<QMenu *>(o) ? QAccessible::queryAccessibleInterface(o) : nullptr)
                for (int i = 0; i < menu->childCount() && !target; ++i)
                    if (menu->child(i) && menu->child(i)->object() == action)
                        target = menu->child(i);
    } else {
        target = QAccessible::queryAccessibleInterface(control);
    }
    ASSERT_TRUE(target && target->actionInterface()) << "nothing to press on " << control->objectName().toStdString();
    target->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// The steps of a flow, each run once its condition holds, one after the other from the
// event loop. A step may open a modal window and wait in its loop: the next ones go on.
class Flow : public QObject {
public:
    Flow()
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            if (m_steps.empty() || !m_steps.front().first())
                return;
            auto act = std::move(m_steps.front().second);
            m_steps.pop_front();
            QTimer::singleShot(0, this, act);
        });
        m_poll.start(10);
    }
    Flow &then(std::function<bool()> ready, std::function<void()> act)
    {
        m_steps.emplace_back(std::move(ready), std::move(act));
        return *this;
    }
    // A step 'ms' milliseconds after the previous one was taken.
    Flow &after(int ms, std::function<void()> act)
    {
        auto since = std::make_shared<QElapsedTimer>();
        then([since] {
            since->start();
            return true;
        }, [] {});
        return then([since, ms] { return since->hasExpired(ms); }, std::move(act));
    }
    bool finished() const { return m_steps.empty(); }

private:
    QTimer m_poll;
    std::deque<std::pair<std::function<bool()>, std::function<void()>>> m_steps;
};

QWidget *topModal() { return QApplication::activeModalWidget(); }

QWidget *topLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

class ClosesUnderModal : public ProgramTest {
protected:
    // Closes the window on top as its user would: a message with its escape button (No
    // at "Save changes to", counted), a dialog by Cancel.
    void closeTop()
    {
        if (auto *box = qobject_cast<QMessageBox *>(topModal())) {
            if (box->text().startsWith("Save changes to: ")) {
                ++asked;
                box->button(QMessageBox::No)->click();
            } else {
                box->escapeButton()->click();
            }
        } else if (auto *dialog = qobject_cast<QDialog *>(topModal())) {
            dialog->reject();
        }
    }
    // Opens what the row names above the window on top, one step after the other.
    void openAbove(Flow &flow, const QStringList &steps)
    {
        for (const QString &step : steps) {
            const QStringList words = step.trimmed().split(u' ');
            auto below = std::make_shared<QPointer<QWidget>>();
            flow.then([] { return true; }, [this, below, words, step] {
                QWidget *on = topModal() ? topModal() : opened.data();
                *below = on;
                ASSERT_TRUE(on);
                QApplication::setActiveWindow(on); // a message takes the active window for its owner
                if (words[0] == "type")
                    retype(Child<QLineEdit>(on, qPrintable(words[1])), words[2]);
                else if (words[0] == "click")
                    Child<QAbstractButton>(on, qPrintable(words[1]))->click();
                else if (words[0] == "viewer")
                    showInFailingViewer(on);
                else
                    ADD_FAILURE() << "unknown step " << step.toStdString();
            });
            flow.then([below] { return topModal() && topModal() != below->data(); }, [] {});
        }
    }
    void showInFailingViewer(QWidget *browser)
    {
        settings().ExternalEditor = "missing-viewer";
        fakeOpener().outcome.result = OpenOutcome::NotStarted;
        Child<QCheckBox>(browser, "Check1")->setChecked(true);
        auto *list = Child<FileList>(browser, "File1");
        list->selectFile("notes.txt");
        emit list->itemActivated(list->currentItem());
    }

    QPointer<QWidget> opened;
    int asked = 0;
};

// Each row: the windows open, the press comes while the one above runs, nothing happens
// until it is closed; then the press acts as it would have, and asks about the work.
TEST_F(ClosesUnderModal, ACloseWaitsForTheWindowsAboveThenActsAsUsual)
{
    for (const QStringList &r : testTable("shell/closes-under-modal.tsv")) {
        SCOPED_TRACE(r[0].toStdString());
        installFreshTestEnvironment();
        StartCoreForTest();
        WriteINI("Settings", "ShowDisclaim", "0", paths().IniFile);
        ResetProgramState();
        services().messageBox = std::make_unique<QtMessageBox>();
        services().fileDialog = std::make_unique<QtFileDialog>();
        writeFile(testHome() + "/browse/notes.txt", "bench notes\n");
        asked = 0;

        Flow flow;
        QPointer<QWidget> above;
        bool survived = false;
        const bool atStart = r[1] == "start";
        QTimer watchdog;
        const QString pressed = r[3];
        // Opens the first window: at start, the program on a project cut short.
        if (!atStart) {
            w = StartProgram({}, testHome());
            ASSERT_TRUE(w);
            appState().BrowseLastFolder = testHome() + "/browse";
            settings().BrowseDefaultFilter = "*";
            settings().ShowBurdenCalcWarning = 0; // the design opens its calculator at once
            project().CurrentFile = testHome() + "/work.KVD";
            MarkProjectChanged();
            flow.then([] { return true; }, [&] { Trigger(w, qPrintable(r[1])); });
            flow.then([&] { return topModal() || topLevel("frmTextBrow"); },
                      [&] { opened = topModal() ? topModal() : topLevel("frmTextBrow"); });
        }
        openAbove(flow, r[2].split(u';', Qt::SkipEmptyParts));
        // The press, while the window on top runs.
        flow.then([] { return topModal(); }, [&] {
            above = topModal();
            if (!w)
                w = mainWindow();
            const QStringList words = pressed.split(u' ');
            if (words[0] == "menu")
                PressAccessibly(Child<QAction>(w, qPrintable(words[1])));
            else if (words[0] == "button")
                PressAccessibly(Child<QAbstractButton>(opened, qPrintable(words[1])));
            else
                w->windowHandle()->close();
        });
        // Nothing yet: the window above is still open, under it everything lives.
        flow.after(250, [&] {
            survived = w && above && above->isVisible() && (atStart || opened);
            if (atStart)
                qobject_cast<QMessageBox *>(above.data())->button(QMessageBox::Retry)->click();
            else
                closeTop();
        });
        // Once the windows above are closed, the press acts: a window's own close at once.
        bool closedItself = false;
        flow.after(250, [&] { closedItself = !opened || !opened->isVisible(); });
        flow.then([] { return true; }, [&] {
            // What is left open is closed by hand; the main window's close comes after.
            QTimer *closer = new QTimer(&flow);
            QObject::connect(closer, &QTimer::timeout, [&] {
                if (topModal())
                    closeTop();
                else if (QWidget *browser = topLevel("frmTextBrow"))
                    browser->close();
            });
            closer->start(50);
        });

        if (atStart) {
            // The program as it runs, its loop included: it ends, or the watchdog fails it.
            const QString cut = testHome() + "/cut.KVD";
            writeFile(cut, testData("project/default.kvd").split('\n').mid(0, 10).join('\n'));
            watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
            watchdog.start(20000);
            EXPECT_EQ(Main(*qApp, {cut}), 0);
            SetRestingLoopLevel(0);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return flow.finished() && !topModal() && !topLevel("frmTextBrow"); }, 5000));
        const bool ends = QTest::qWaitFor([&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return !w;
        }, r[6] == "1" ? 3000 : 500);
        EXPECT_TRUE(survived);
        EXPECT_EQ(closedItself, r[4] == "1");
        EXPECT_EQ(asked, r[5].toInt());
        EXPECT_EQ(ends, r[6] == "1");
        close();
        UnloadTextBrowser();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace
