// A window closed, or the program ended, while a modal window runs above it (pressed as a
// screen reader presses, which modality does not stop, or closed by the window system):
// the close waits for the windows above, then asks as usual; nothing is freed under them.

#include "ProgramFixture.h"
#include "platform/FileLists.h"
#include "platform/QtServices.h"
#include "shell/frmTextBrow.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QWindow>

#include <deque>

void installFreshTestEnvironment();

namespace {

// Presses a button, or a menu item (a child of its menu's interface), as a screen reader does.
void PressAccessibly(QObject *control)
{
    QAccessibleInterface *target = QAccessible::queryAccessibleInterface(control);
    if (auto *action = qobject_cast<QAction *>(control))
        for (QObject *menu : action->associatedObjects())
            for (int i = 0; qobject_cast<QMenu *>(menu) && i < QAccessible::queryAccessibleInterface(menu)->childCount(); ++i)
                if (QAccessibleInterface *item = QAccessible::queryAccessibleInterface(menu)->child(i); item && item->object() == action)
                    target = item;
    ASSERT_TRUE(target && target->actionInterface()) << control->objectName().toStdString();
    target->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Steps taken from the event loop one after the other, each once its condition holds and
// 'delay' ms after the one before. A step may wait in a modal window's loop: the next go on.
class Flow : public QObject {
public:
    Flow()
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            if (m_steps.empty() || !m_since.hasExpired(m_steps.front().delay) || !m_steps.front().ready())
                return;
            QTimer::singleShot(0, this, std::move(m_steps.front().act));
            m_steps.pop_front();
            m_since.start();
        });
        m_since.start();
        m_poll.start(10);
    }
    void then(std::function<void()> act, int delay = 0, std::function<bool()> ready = [] { return true; })
    {
        m_steps.push_back({std::move(ready), std::move(act), delay});
    }
    bool finished() const { return m_steps.empty(); }

private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
        int delay;
    };
    QTimer m_poll;
    QElapsedTimer m_since;
    std::deque<Step> m_steps;
};

QWidget *topModal() { return QApplication::activeModalWidget(); }
QWidget *browser()
{
    auto *open = qobject_cast<QWidget *>(loadedWindows().TextBrowser.data());
    return open && open->isVisible() ? open : nullptr;
}

class ClosesUnderModal : public ProgramTest {
protected:
    // The window on top closed by its user: a message by Esc (No, counted, at "Save changes to").
    void closeTop()
    {
        auto *box = qobject_cast<QMessageBox *>(topModal());
        if (box && box->text().startsWith("Save changes to: ") && ++asked)
            box->button(QMessageBox::No)->click();
        else if (box)
            box->escapeButton()->click();
        else if (auto *dialog = qobject_cast<QDialog *>(topModal()))
            dialog->reject();
    }
    // One step of the row on the window on top, then a wait for the window it opens.
    void openAbove(Flow &flow, const QStringList &words)
    {
        auto below = std::make_shared<QPointer<QWidget>>();
        flow.then([this, below, words] {
            QWidget *on = *below = topModal() ? topModal() : opened.data();
            QApplication::setActiveWindow(on); // a message takes the active window for its owner
            if (words[0] == "type")
                retype(Child<QLineEdit>(on, qPrintable(words[1])), words[2]);
            else if (words[0] == "click")
                Child<QAbstractButton>(on, qPrintable(words[1]))->click();
            else { // an external viewer that cannot start
                settings().ExternalEditor = "missing-viewer";
                fakeOpener().outcome.result = OpenOutcome::NotStarted;
                Child<QCheckBox>(on, "Check1")->setChecked(true);
                Child<FileList>(on, "File1")->selectFile("notes.txt");
                emit Child<FileList>(on, "File1")->itemActivated(Child<FileList>(on, "File1")->currentItem());
            }
        });
        flow.then([] {}, 0, [below] { return topModal() && topModal() != below->data(); });
    }

    QPointer<QWidget> opened;
    int asked = 0;
};

// Each row: the windows open, the press comes while the one on top runs, and nothing
// happens until it is closed; then the press acts as it would have, asking about the work.
TEST_F(ClosesUnderModal, ACloseWaitsForTheWindowsAboveThenActsAsUsual)
{
    for (const QStringList &r : testTable("shell/closes-under-modal.tsv")) {
        SCOPED_TRACE(r[0].toStdString());
        installFreshTestEnvironment();
        presetSettings({{"Settings", "ShowDisclaim", "0"}});
        services().messageBox = std::make_unique<QtMessageBox>();
        services().fileDialog = std::make_unique<QtFileDialog>();
        writeFile(testHome() + "/browse/notes.txt", "bench notes\n");
        asked = 0;
        const bool atStart = r[1] == "start";
        Flow flow;
        if (!atStart) {
            w = StartProgram({}, testHome());
            appState().BrowseLastFolder = testHome() + "/browse";
            settings().BrowseDefaultFilter = "*";
            settings().ShowBurdenCalcWarning = 0; // the design opens its calculator at once
            project().CurrentFile = testHome() + "/work.KVD";
            MarkProjectChanged();
            flow.then([&] { Trigger(w, qPrintable(r[1])); });
            flow.then([&] { opened = topModal() ? topModal() : browser(); }, 0, [] { return topModal() || browser(); });
        }
        for (const QString &step : r[2].split(u';', Qt::SkipEmptyParts))
            openAbove(flow, step.trimmed().split(u' '));
        // The press, while the window on top runs; a while later, still nothing has happened.
        QPointer<QWidget> above;
        bool survived = false, closedItself = false;
        flow.then([&] {
            above = topModal();
            w = mainWindow();
            const QString target = r[3].section(u' ', 1);
            if (r[3].startsWith("menu"))
                PressAccessibly(Child<QAction>(w, qPrintable(target)));
            else if (r[3].startsWith("button"))
                PressAccessibly(Child<QAbstractButton>(opened, qPrintable(target)));
            else
                w->windowHandle()->close();
        }, 0, [] { return topModal(); });
        flow.then([&] {
            survived = w && above && above->isVisible() && (atStart || opened);
            if (atStart)
                qobject_cast<QMessageBox *>(above.data())->button(QMessageBox::Retry)->click();
            else
                closeTop();
        }, 250);
        // Once the windows above are closed the press acts; what is left is closed by hand.
        flow.then([&] { closedItself = !opened || !opened->isVisible(); }, 250);
        QTimer closer;
        closer.callOnTimeout([&] { closeTop(); });
        flow.then([&] { closer.start(50); });

        QTimer watchdog;
        if (atStart) {
            // The program as it runs, its loop included: it ends, or the watchdog fails it.
            const QString cut = writeFile(testHome() + "/cut.KVD", testData("project/default.kvd").split('\n').mid(0, 10).join('\n'));
            watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
            watchdog.start(20000);
            EXPECT_EQ(Main(*qApp, {cut}), 0);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return flow.finished() && !topModal() && !browser(); }, 5000));
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
