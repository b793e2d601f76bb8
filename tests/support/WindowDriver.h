#pragma once
// Driving a window as a user does, shared by the window tests: find a control by its
// name, trigger a menu item, type into a box key by key, click a button, drive the
// modal dialog a command opens, and read the messages shown and the history written.

#include "core/ProgramState.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

template <class T> T *Child(QWidget *w, const char *name) { return w->findChild<T *>(QString::fromLatin1(name)); }

// Clicks the button of that name in the window; a button that is not there fails the test.
inline void Click(QWidget *w, const char *name)
{
    if (auto *b = Child<QAbstractButton>(w, name))
        b->click();
    else
        ADD_FAILURE() << "no button " << name;
}

// A left click of the mouse at a point of the widget.
inline void ClickAt(QWidget *w, QPoint at) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at); }

// Brings forward the page of every tab widget that holds the box.
inline void RevealBox(QWidget *box)
{
    for (QWidget *p = box; p; p = p->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr))
            tabs->setCurrentWidget(p);
}

// Triggers the menu item or toolbar button of that name in the window (one that is not
// there fails the test).
inline void Trigger(QWidget *w, const char *item)
{
    if (auto *a = Child<QAction>(w, item))
        a->trigger();
    else
        ADD_FAILURE() << "no menu item " << item;
}

// Types into a box key by key; "\b" is Backspace.
inline void typeKeys(QLineEdit *box, const QString &keys)
{
    for (const QChar c : keys) {
        const int key = c == u'\b' ? int(Qt::Key_Backspace) : int(c.toUpper().unicode());
        const QString text = c == u'\b' ? QString() : QString(c);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(box, &release);
    }
}

// Replaces the whole text of a box by typing.
inline void retype(QLineEdit *box, const QString &keys)
{
    box->setFocus();
    box->selectAll();
    typeKeys(box, keys.isEmpty() ? QStringLiteral("\b") : keys);
}

// The texts of the message boxes shown so far (through the message-box fake).
inline QStringList MessageTexts()
{
    QStringList texts;
    for (const auto &b : fakeMessageBox().boxes)
        texts << b.text;
    return texts;
}

// What the history log gained after 'start' characters.
inline QString LogSince(qsizetype start) { return historyLog().text().mid(start); }

struct DialogOutcome {
    bool stayedOpen = false; // the steps left it open
};

// Runs a command that opens a modal dialog, and once the dialog is up runs the test's
// steps on it. A dialog still open after them is closed through its Cancel button
// (Command1), and the outcome says so. A command that opens no dialog fails the test.
inline DialogOutcome DriveDialog(const std::function<void()> &command, const std::function<void(QDialog *)> &steps)
{
    DialogOutcome out;
    bool opened = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        poll.stop();
        opened = true;
        steps(dlg);
        if (dlg->isVisible()) {
            out.stayedOpen = true;
            if (auto *cancel = dlg->findChild<QAbstractButton *>(QStringLiteral("Command1")))
                cancel->click();
            else
                dlg->reject();
        }
    });
    poll.start(5);
    command();
    EXPECT_TRUE(opened) << "no dialog opened";
    return out;
}

// The same for a menu item or toolbar button.
inline DialogOutcome DriveDialog(QAction *command, const std::function<void(QDialog *)> &steps)
{
    return DriveDialog([command] { command->trigger(); }, steps);
}
