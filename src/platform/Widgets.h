#pragma once
// Shared routines on widgets: option-button arrays, text selection on focus,
// centring a window.

#include <QList>
#include <QString>

#include <functional>

class QObject;
class QRadioButton;
class QWidget;
class QLineEdit;

// The last index whose button is checked; the lower bound (0) when none is.
int GetOptionIndex(const QList<QRadioButton *> &Options);
// Unchecks every button, then checks element Index (which fires its handlers). An
// index outside the array shows "Internal Error: SetArrayIndex. Check input/form data."
void SetArrayIndex(const QList<QRadioButton *> &Options, int Index);
// The _Click of an option array: Click(i) runs whenever element i becomes checked,
// by the user or by code (SetArrayIndex relies on that), for as long as 'context' lives.
void ConnectOptionArray(QObject *context, const QList<QRadioButton *> &Options, const std::function<void(int)> &Click);
// Selects the whole text of the focused line edit.
void SelectActiveText();
// Makes a line edit select its whole text whenever the user (Tab, Backtab, a click, a
// shortcut) or a check moves the focus into it (deferred, so a mouse click does not
// undo it); never when the focus only comes back from a message box, a menu or
// another window, which would let the next key replace what was typed.
void SelectTextOnFocus(QLineEdit *edit);
// Puts a caption on the named control of a window: the window's own title for "",
// the tab text of a tab widget (tab >= 0), or the text of a label, button or frame.
void SetControlCaption(QWidget *window, const QString &control, int tab, const QString &text);

// Runs Form_Activate on the first showing of an opening only: Qt re-activates a window
// after every message box it shows, and that is no new opening.
void ActivateOnce(bool &activated, const std::function<void()> &Form_Activate);

// Gives the widget its documented name and returns it.
template <class W> W *Named(W *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}
// A dialog button with its name and caption that Enter does not press unless it is
// made the default.
class QPushButton;
QPushButton *DialogButton(QWidget *parent, const QString &name, const QString &caption);

// Shows the busy cursor for as long as it lives.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

// Centres the window on its screen (top-left when it is larger).
void CenterForm(QWidget *Frm);
