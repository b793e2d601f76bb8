#include "platform/ModalWindows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QList>
#include <QScopeGuard>
#include <QTimer>
#include <QWidget>

namespace {
// The modal windows whose loops run, the newest last. A window that went during its
// loop stays as a null entry until the loop is through.
QList<QPointer<QDialog>> &running()
{
    static QList<QPointer<QDialog>> windows;
    return windows;
}

// Whether 'owner' is the window or one of its owners.
bool ownsOrIs(const QWidget *owner, const QWidget *window)
{
    for (const QWidget *w = window; w; w = w->parentWidget())
        if (w == owner)
            return true;
    return false;
}

// Whether the loop of a modal window runs, or still unwinds, that is not 'except' and
// (with a window given) neither the window nor one of its owners.
bool loopRunsAbove(const QWidget *window, const QWidget *except)
{
    for (const QPointer<QDialog> &modal : running())
        if (!modal || (modal != except && !(window && ownsOrIs(modal, window))))
            return true;
    return false;
}

// Whether a modal window runs above the window, by its loop or as the active modal one.
bool ModalWindowAbove(const QWidget *window)
{
    if (!window)
        return false;
    if (loopRunsAbove(window, nullptr))
        return true;
    // A modal window shown by other means than ExecModal.
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && !ownsOrIs(modal, window);
}

// Waits until 'free' holds, then runs its work once and goes. The work can be replaced
// while it waits.
class ModalWait : public QObject {
public:
    ModalWait(QObject *context, std::function<bool()> free, std::function<void()> work)
        : QObject(context), m_free(std::move(free)), m_work(std::move(work))
    {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &ModalWait::check);
        m_timer.start(0);
        waits().append(this);
    }
    ~ModalWait() override { waits().removeAll(this); }

    void replace(std::function<void()> work) { m_work = std::move(work); }

    // A modal loop has ended: every wait looks again as soon as the event loop runs.
    static void recheckAll()
    {
        for (ModalWait *w : waits())
            w->m_timer.start(0);
    }

private:
    static QList<ModalWait *> &waits()
    {
        static QList<ModalWait *> list;
        return list;
    }

    void check()
    {
        if (!m_free()) {
            m_timer.start(100);
            return;
        }
        const std::function<void()> work = std::move(m_work);
        m_work = nullptr;
        // Gone for good: a close asked for by the work itself waits anew.
        setObjectName(QString());
        deleteLater();
        waits().removeAll(this);
        if (work)
            work();
    }

    std::function<bool()> m_free;
    std::function<void()> m_work;
    QTimer m_timer;
};

const char *const kClosingWait = "closeWaitsForModal";
} // namespace

int ExecModal(QDialog *dialog)
{
    if (!dialog)
        return QDialog::Rejected;
    running().append(dialog);
    const auto ended = qScopeGuard([] {
        running().removeLast();
        ModalWait::recheckAll();
    });
    // exec() guards itself: a window deleted during its loop gives Rejected.
    return dialog->exec();
}

bool CloseWaitsForModal(QWidget *window, std::function<void()> close)
{
    if (!window || !ModalWindowAbove(window))
        return false;
    if (auto *waiting = window->findChild<ModalWait *>(QLatin1String(kClosingWait), Qt::FindDirectChildrenOnly)) {
        waiting->replace(std::move(close));
        return true;
    }
    const QPointer<QWidget> guarded(window);
    auto *wait = new ModalWait(
        window, [guarded] { return guarded && !ModalWindowAbove(guarded); }, std::move(close));
    wait->setObjectName(QLatin1String(kClosingWait));
    return true;
}

bool CloseWaitsForModal(QWidget *window, QCloseEvent *event)
{
    if (!CloseWaitsForModal(window, [window] { window->close(); }))
        return false;
    event->ignore();
    return true;
}

void GuardedDialog::done(int result)
{
    if (CloseWaitsForModal(this, [this, result] { done(result); }))
        return;
    unloading(result);
    QDialog::done(result);
}

void WhenNoModalWindow(QObject *context, std::function<void()> work, QWidget *except)
{
    if (!context)
        return;
    // A window given as the exception that has gone is no exception any more.
    const QPointer<QWidget> allowed(except);
    auto free = [allowed, hasException = except != nullptr] {
        const QWidget *exception = hasException && allowed ? allowed.data() : nullptr;
        if (loopRunsAbove(nullptr, exception))
            return false;
        if (QWidget *modal = QApplication::activeModalWidget())
            return exception && modal == exception;
        return !QApplication::activePopupWidget();
    };
    new ModalWait(context, std::move(free), std::move(work));
}
