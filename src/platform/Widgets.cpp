#include "platform/Widgets.h"

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTextCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>

int GetOptionIndex(const QList<QRadioButton *> &Options)
{
    int index = 0;
    for (int i = 0; i < Options.size(); ++i)
        if (Options[i] && Options[i]->isChecked())
            index = i;
    return index;
}

void ConnectOptionArray(QObject *context, const QList<QRadioButton *> &Options, const std::function<void(int)> &Click)
{
    for (int i = 0; i < Options.size(); ++i)
        QObject::connect(Options[i], &QRadioButton::toggled, context, [Click, i](bool on) {
            if (on)
                Click(i);
        });
}

void ActivateOnce(bool &activated, const std::function<void()> &Form_Activate)
{
    if (activated)
        return;
    activated = true;
    Form_Activate();
}

void SetArrayIndex(const QList<QRadioButton *> &Options, int Index)
{
    if (Index < 0 || Index >= Options.size())
        ShowMessage(QStringLiteral("Internal Error: SetArrayIndex. Check input/form data."), mb::OkOnly,
                    messageState().TitleRangeError);
    // Buttons of one array may share an exclusive group: lift it while clearing.
    for (QRadioButton *b : Options) {
        if (!b)
            continue;
        const bool exclusive = b->autoExclusive();
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(exclusive);
    }
    if (Index >= 0 && Index < Options.size() && Options[Index]) {
        // A button's _Click handler is connected to toggled(true), so this fires it.
        Options[Index]->setChecked(true);
    }
}

void SelectActiveText()
{
    if (auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        edit->selectAll();
}

namespace {
// Focus that leaves or comes back with the activation of the window, or with a popup
// or the menu bar taking the keys for a while.
bool FollowsActivation(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
           || reason == Qt::MenuBarFocusReason;
}

// A window's memory of the box that had the focus when the window lost the activation;
// forgotten when the window is shown or hidden by the program, so that an opening starts
// afresh. Minimising and restoring the window only hide and show it to the window system
// (spontaneous events): the user comes back to the same opening, and the box is kept.
class ReturningBox : public QObject {
public:
    static ReturningBox *of(QWidget *window)
    {
        static const QString name = QStringLiteral("returningBox");
        if (auto *memory = window->findChild<ReturningBox *>(name, Qt::FindDirectChildrenOnly))
            return memory;
        return new ReturningBox(window, name);
    }
    QPointer<QWidget> box;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && !event->spontaneous())
            box = nullptr;
        return false;
    }

private:
    ReturningBox(QWidget *window, const QString &name) : QObject(window)
    {
        setObjectName(name);
        window->installEventFilter(this);
    }
};

bool IsAltLetter(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers m = key->modifiers();
    return (m & Qt::AltModifier) && !(m & Qt::ControlModifier) && !key->text().isEmpty();
}

class BoxKeys : public QObject {
public:
    BoxKeys(QWidget *box, bool selectOnFocus) : QObject(box), m_select(selectOnFocus) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = static_cast<QWidget *>(watched);
        switch (event->type()) {
        case QEvent::KeyPress:
            return IsAltLetter(static_cast<QKeyEvent *>(event));
        case QEvent::FocusOut:
            if (m_select && FollowsActivation(static_cast<QFocusEvent *>(event)->reason()) && box->window()->isVisible())
                ReturningBox::of(box->window())->box = box;
            break;
        case QEvent::FocusIn:
            if (m_select)
                focusIn(box, static_cast<QFocusEvent *>(event)->reason());
            break;
        default:
            break;
        }
        return false;
    }

private:
    static void focusIn(QWidget *box, Qt::FocusReason reason)
    {
        ReturningBox *memory = ReturningBox::of(box->window());
        const bool comesBack = FollowsActivation(reason) && memory->box == box;
        memory->box = nullptr;
        auto *edit = qobject_cast<QLineEdit *>(box);
        if (comesBack || !edit)
            return;
        if (reason == Qt::MouseFocusReason)
            // After the press has placed the caret.
            QTimer::singleShot(0, edit, [edit] {
                if (edit->hasFocus())
                    edit->selectAll();
            });
        else
            edit->selectAll();
    }

    bool m_select;
};

const char *const kTypingDepth = "typingScopeDepth";
} // namespace

void SelectTextOnFocus(QLineEdit *edit)
{
    if (edit)
        edit->installEventFilter(new BoxKeys(edit, true));
}

void TypeNoAltLetters(QWidget *box)
{
    if (box)
        box->installEventFilter(new BoxKeys(box, false));
}

TypingScope::TypingScope(QWidget *changedBox)
{
    QWidget *window = changedBox ? changedBox->window() : nullptr;
    if (!window || (window->focusWidget() != changedBox && !InTypingScope(window)))
        return;
    m_window = window;
    m_window->setProperty(kTypingDepth, m_window->property(kTypingDepth).toInt() + 1);
}

TypingScope::~TypingScope()
{
    if (m_window)
        m_window->setProperty(kTypingDepth, m_window->property(kTypingDepth).toInt() - 1);
}

bool InTypingScope(const QWidget *box)
{
    return box && box->window()->property(kTypingDepth).toInt() > 0;
}

bool FocusFailedBox(QWidget *box)
{
    if (!box || InTypingScope(box))
        return false;
    box->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->selectAll();
    return true;
}

namespace {
// What a window manager adds around a window: until it has framed the window (after the
// first showing) its frame is unknown, and a title bar, thin borders and a bottom
// handle are assumed.
const QMargins kFrameAllowance(4, 32, 4, 8);
QMargins frameMargins(const QWidget *w)
{
    const QRect frame = w->frameGeometry();
    const QRect inner = w->geometry();
    return QMargins(std::max(inner.left() - frame.left(), kFrameAllowance.left()),
                    std::max(inner.top() - frame.top(), kFrameAllowance.top()),
                    std::max(frame.right() - inner.right(), kFrameAllowance.right()),
                    std::max(frame.bottom() - inner.bottom(), kFrameAllowance.bottom()));
}

void placeWindow(QWidget *Frm)
{
    QWidget *owner = Frm->parentWidget() ? Frm->parentWidget()->window() : nullptr;
    if (owner && !owner->isVisible())
        owner = nullptr;
    QScreen *screen = owner ? owner->screen() : Frm->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameMargins(Frm);
    const QSize wanted = Frm->size().expandedTo(QSize(TitleBarWidth(Frm), 0));
    const QRect placed = FittedWindowRect(wanted, Frm->minimumSize(), frame, area,
                                          owner ? owner->frameGeometry().center() : area.center());
    const QSize inner = placed.size().shrunkBy(frame);
    const QSize before = Frm->size();
    if (inner != before) {
        Frm->resize(inner);
        // As the window is being shown the new size would reach its layout only later:
        // the window is laid out at that size now.
        if (Frm->testAttribute(Qt::WA_PendingResizeEvent)) {
            Frm->setAttribute(Qt::WA_PendingResizeEvent, false);
            QResizeEvent resized(inner, before);
            QCoreApplication::sendEvent(Frm, &resized);
        }
    }
    // move() places the frame, but counts only the part of it the window manager has
    // already reported: the rest is added here so that the inner area lands where the
    // whole frame leaves room for it.
    const QPoint inside = placed.topLeft() + QPoint(frame.left(), frame.top());
    const QPoint reported = Frm->geometry().topLeft() - Frm->frameGeometry().topLeft();
    Frm->move(inside - reported);
}

// Places a window as it is first shown: by then its layout has given it its size.
class PlaceOnFirstShow : public QObject {
public:
    explicit PlaceOnFirstShow(QWidget *window) : QObject(window) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto *window = static_cast<QWidget *>(watched);
            placeWindow(window);
            watched->removeEventFilter(this);
            // A window that fills its controls as it is first shown can still grow once
            // the events of the showing are through: it is placed again at its new size.
            const QSize placed = window->size();
            QTimer::singleShot(0, this, [this, window, placed] {
                if (window->isVisible() && window->size() != placed)
                    placeWindow(window);
                deleteLater();
            });
        }
        return false;
    }
};
} // namespace

int TitleBarWidth(const QWidget *w)
{
    // Beside the title a title bar holds the window's icon and its buttons.
    constexpr int kTitleBarButtons = 120;
    QFont bold = w->font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(w->windowTitle()) + kTitleBarButtons;
}

QRect FittedWindowRect(QSize size, QSize minimum, const QMargins &frame, const QRect &area, QPoint centre)
{
    const QSize room = area.size().shrunkBy(frame);
    const QSize inner = size.boundedTo(room).expandedTo(minimum);
    const QSize outer = inner.grownBy(frame);
    auto place = [](int wanted, int length, int first, int extent) {
        return length > extent ? first : std::clamp(wanted, first, first + extent - length);
    };
    const int left = place(centre.x() - outer.width() / 2, outer.width(), area.left(), area.width());
    const int top = place(centre.y() - outer.height() / 2, outer.height(), area.top(), area.height());
    return QRect(QPoint(left, top), outer);
}

void CenterForm(QWidget *Frm)
{
    if (!Frm)
        return;
    if (Frm->isVisible())
        placeWindow(Frm);
    else
        Frm->installEventFilter(new PlaceOnFirstShow(Frm));
}

QTabWidget *WholeTabs(QTabWidget *tabs)
{
    tabs->setUsesScrollButtons(false);
    tabs->setElideMode(Qt::ElideNone);
    return tabs;
}

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

void SetControlCaption(QWidget *window, const QString &control, int tab, const QString &text)
{
    if (!window)
        return;
    if (control.isEmpty()) {
        window->setWindowTitle(text);
        return;
    }
    QObject *target = window->findChild<QObject *>(control);
    if (auto *tabs = qobject_cast<QTabWidget *>(target))
        tabs->setTabText(tab, text);
    else if (auto *label = qobject_cast<QLabel *>(target))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(target))
        button->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(target))
        frame->setTitle(text);
}

QPushButton *DialogButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = Named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    return b;
}

namespace {
// The text with its lines gathered into blocks of a few hundred: a line separator
// between the lines of a block, a line feed after the last.
QString groupedLines(const QString &text)
{
    // A block ends after this many lines or once it holds this many characters.
    constexpr int kBlockLines = 256;
    constexpr qsizetype kBlockChars = 16384;
    QString grouped;
    grouped.reserve(text.size());
    qsizetype runStart = 0;
    qsizetype blockStart = 0; // in 'grouped'
    int lines = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        // The characters that end a text block when a box takes text.
        if (c != u'\n' && c != u'\r' && c != QChar::ParagraphSeparator && c != 0xFDD0 && c != 0xFDD1)
            continue;
        grouped += QStringView(text).mid(runStart, i - runStart);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        runStart = i + 1;
        if (++lines >= kBlockLines || grouped.size() - blockStart >= kBlockChars) {
            grouped += u'\n';
            blockStart = grouped.size();
            lines = 0;
        } else {
            grouped += QChar(QChar::LineSeparator);
        }
    }
    grouped += QStringView(text).mid(runStart);
    return grouped;
}
} // namespace

void SetLongPlainText(QPlainTextEdit *box, const QString &text) { box->setPlainText(groupedLines(text)); }

void InsertLongPlainText(QTextCursor &cursor, const QString &text)
{
    cursor.beginEditBlock();
    cursor.insertText(groupedLines(text));
    cursor.endEditBlock();
}

QString BoxPlainText(QString text)
{
    for (QChar &c : text) {
        switch (c.unicode()) {
        case 0xFDD0: // the start and end marks of a frame
        case 0xFDD1:
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator: c = u'\n'; break;
        case QChar::Nbsp: c = u' '; break;
        default: break;
        }
    }
    return text;
}
