#include "platform/ModalWindows.h"

#include <QApplication>
#include <QList>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace {
int restingLoopLevel = 0;

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
    struct Ended {
        ~Ended()
        {
            running().removeLast();
            ModalWait::recheckAll();
        }
    } ended;
    // exec() guards itself: a window deleted during its loop gives Rejected.
    return dialog->exec();
}

bool ModalWindowAbove(const QWidget *window)
{
    if (!window)
        return false;
    for (const QPointer<QDialog> &modal : running())
        if (!modal || !ownsOrIs(modal, window))
            return true;
    // A modal window shown by other means than ExecModal.
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && !ownsOrIs(modal, window);
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
    const QPointer<QWidget> allowed(except);
    auto free = [allowed, hasException = except != nullptr] {
        const auto isException = [&](const QWidget *w) { return hasException && allowed && w == allowed; };
        for (const QPointer<QDialog> &modal : running())
            if (!isException(modal))
                return false;
        QWidget *modal = QApplication::activeModalWidget();
        if (modal)
            return isException(modal);
        return !QApplication::activePopupWidget() && QThread::currentThread()->loopLevel() <= restingLoopLevel;
    };
    new ModalWait(context, std::move(free), std::move(work));
}

void SetRestingLoopLevel(int level) { restingLoopLevel = level; }
