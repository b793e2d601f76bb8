#pragma once
// Shared routines on widgets: option-button arrays, text selection on focus,
// centring a window.

#include <QList>
#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>

class QObject;
class QRadioButton;
class QWidget;
class QLineEdit;
class QPlainTextEdit;
class QTextCursor;

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
// Makes a line edit select its whole text whenever it gets the focus: as its window
// opens, by Tab, Backtab, a click (deferred, so the click does not undo it), a shortcut
// or a check. Not when the focus only comes back to the very box that had it as its
// window lost the activation (a message box, a menu or another window closed): the
// text, caret and selection stay, so the next key goes on with what was typed. The box
// also types nothing for Alt with a letter (see TypeNoAltLetters).
void SelectTextOnFocus(QLineEdit *edit);
// Alt with a letter (Shift or not) that is no access key of the window reaches the box
// as a plain key press, which would type the letter: the box takes no text from such a
// key. A line edit, a text area, or an editable combo box (which hands its keys on to its
// line edit).
void TypeNoAltLetters(QWidget *box);

// Opened by the handler of a change of a box's text. While the box is the one the user
// is typing in (its window's focus box), and for as long as the scope lives, a check that
// fails leaves the focus, caret and selection where they are (FocusFailedBox moves
// nothing), so that the next keys land in that box. A change made by code to a box the
// user is not in opens no scope.
class TypingScope {
public:
    explicit TypingScope(QWidget *changedBox);
    ~TypingScope();
    TypingScope(const TypingScope &) = delete;
    TypingScope &operator=(const TypingScope &) = delete;

private:
    QPointer<QWidget> m_window; // a window deleted inside the scope is not written
};
// Whether a TypingScope of the box's window is open.
bool InTypingScope(const QWidget *box);
// Sends the user to a box that a check found wrong: the focus moves there and its whole
// text is selected. Returns false, and moves nothing, inside a TypingScope.
bool FocusFailedBox(QWidget *box);

// Puts a caption on the named control of a window: the window's own title for "",
// the tab text of a tab widget (tab >= 0), or the text of a label, button or frame.
void SetControlCaption(QWidget *window, const QString &control, int tab, const QString &text);

// Runs Form_Activate on the first showing of an opening only: Qt re-activates a window
// after every message box it shows, and that is no new opening.
void ActivateOnce(bool &activated, const std::function<void()> &Form_Activate);

// Makes a tab widget at least as wide as its tabs side by side, each caption whole:
// no scroll arrows, no shortened captions. Returns it.
class QTabWidget;
QTabWidget *WholeTabs(QTabWidget *tabs);

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

// Puts a long text into a plain-text box at once, for any number of lines. The box
// keeps a text block per paragraph, which costs far more than the text itself, so the
// lines are gathered into blocks of a few hundred, broken inside a block by line
// separators: they show as line breaks and toPlainText() gives them back as line
// feeds, as it gives the box's own Shift+Enter. CR LF, CR and LF end a line, as in
// setPlainText().
void SetLongPlainText(QPlainTextEdit *box, const QString &text);
// Replaces the cursor's selection by a long text at once, its lines gathered into
// blocks as SetLongPlainText gathers them; one step of undo.
void InsertLongPlainText(QTextCursor &cursor, const QString &text);
// The text as a plain-text box holding it gives it back (toPlainText()): line and
// paragraph separators become line feeds, non-breaking spaces blanks.
QString BoxPlainText(QString text);

// Widens the window to show its title whole, fits it into the available area of its
// screen, frame and title bar included, and centres it over its owner (over the screen
// when it has none), keeping it on the screen. A window not yet shown is placed as it is first shown, once it has its size.
void CenterForm(QWidget *Frm);
// The width that shows the window's title whole in a title bar: the title in bold type
// beside the window's icon and buttons.
int TitleBarWidth(const QWidget *w);
// Where a window of 'size' (no smaller than 'minimum') goes with its 'frame' around it:
// the frame's rectangle, inside 'area' where it fits, centred on 'centre' as far as the
// area allows.
QRect FittedWindowRect(QSize size, QSize minimum, const QMargins &frame, const QRect &area, QPoint centre);
