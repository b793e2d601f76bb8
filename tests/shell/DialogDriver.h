#pragma once
// Drives a modal dialog that a menu command opens: the command runs, and once its
// dialog is up the test's steps run on it. A dialog that is still open after them is
// closed through its Cancel button (Command1), and the outcome says so.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

struct DialogOutcome {
    QString name;            // objectName of the dialog that opened ("" for none)
    bool stayedOpen = false; // the steps left it open
};

inline DialogOutcome DriveDialog(QAction *command, const std::function<void(QDialog *)> &steps)
{
    DialogOutcome out;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        poll.stop();
        out.name = dlg->objectName();
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
    command->trigger();
    return out;
}

template <class T> T *Child(QWidget *w, const char *name) { return w->findChild<T *>(QString::fromLatin1(name)); }

inline void Click(QWidget *w, const char *name)
{
    if (auto *b = Child<QAbstractButton>(w, name))
        b->click();
}
