#pragma once
// Modal windows and the windows below them. A modal window runs its own event loop on
// the stack of the code that opened it; a window below it that closed and went while it
// ran would take it along and leave that code on freed memory. Modality stops the mouse
// and the keys, but not everything: the accessibility interface (a screen reader, voice
// control) presses the buttons and menu items of a window that a modal window blocks,
// and callbacks run whenever their answer comes. So every modal window of the program
// runs through ExecModal, on the heap behind a guarded pointer, and every close of a
// window waits while a modal window runs above it.

#include <QDialog>
#include <QPointer>

#include <functional>
#include <utility>

class QCloseEvent;
class QObject;
class QWidget;

// Runs the window's own event loop (exec) and returns its result: QDialog::Rejected when
// the window went while its loop ran. Until the loop is through, its unwinding included,
// the window counts as running (CloseWaitsForModal, WhenNoModalWindow).
int ExecModal(QDialog *dialog);

// A modal window made on the heap and held by a guarded pointer: a window that goes
// while it runs (with an owner that went) is never freed a second time, and the code
// after its loop sees whether it is still there. It goes with the holder, at once: its
// loop is through, so nothing runs on it any more, and a window opened next never takes
// it for its owner.
template <class D> class ModalWindow {
public:
    template <class... Args> explicit ModalWindow(Args &&...args) : m_window(new D(std::forward<Args>(args)...)) {}
    ~ModalWindow() { delete m_window.data(); }
    ModalWindow(const ModalWindow &) = delete;
    ModalWindow &operator=(const ModalWindow &) = delete;

    int exec() { return ExecModal(m_window); }
    D *get() const { return m_window; }
    D *operator->() const { return m_window; }
    explicit operator bool() const { return !m_window.isNull(); }

private:
    QPointer<D> m_window;
};

// For a close (or an unload) of the window, by whatever means it comes: false when no
// modal window runs above it (one whose loop runs or still unwinds and that is neither
// the window itself nor one of its owners: closing now could free it, or the code
// waiting on it), and the caller closes at once; otherwise true, and 'close'
// runs from the event loop once none does, for as long as the window lives (the caller
// does nothing now). One close waits per window: a later one takes its place.
bool CloseWaitsForModal(QWidget *window, std::function<void()> close);
// The same for the close event of a window that closes by close() (its close box, File >
// Exit): true, with the event ignored and the close asked again later, when it waits.
bool CloseWaitsForModal(QWidget *window, QCloseEvent *event);

// A dialog that never closes under a modal window running above it: closing it by any
// means (OK, Cancel, Esc, its close box, an accessible action, a callback) waits until
// none does, then runs its unload step and ends its loop, as a close at that moment would.
class GuardedDialog : public QDialog {
public:
    void done(int result) final;

protected:
    using QDialog::QDialog;
    // The window's unload step, as it closes with this result.
    virtual void unloading(int result) { Q_UNUSED(result); }
};

// Runs 'work' once the user is free of modal windows: none is open, and no modal
// window's loop still runs or unwinds (but that of 'except', when given, which may), and
// no popup is open. Checked from the event loop, first at once, then whenever a modal
// loop ends and every 100 ms, for as long as 'context' lives. Work that ends the program
// or unloads windows waits so: no question comes up over a message box still waiting for
// its answer.
void WhenNoModalWindow(QObject *context, std::function<void()> work, QWidget *except = nullptr);
