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
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QFocusEvent>
#include <QTimer>

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
// Whether the focus arrives because the user or a check moves into the box.
bool MovesIntoBox(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason: // a check sending the user to the box
        return true;
    default: // back from a message box, a menu or another window: the text is left as it was
        return false;
    }
}

class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn && MovesIntoBox(static_cast<QFocusEvent *>(event)->reason()))
            if (auto *edit = qobject_cast<QLineEdit *>(watched))
                QTimer::singleShot(0, edit, [edit] { if (edit->hasFocus()) edit->selectAll(); });
        return false;
    }
};
} // namespace

void SelectTextOnFocus(QLineEdit *edit)
{
    if (edit)
        edit->installEventFilter(new SelectAllOnFocus(edit));
}

void CenterForm(QWidget *Frm)
{
    if (!Frm)
        return;
    QScreen *screen = Frm->screen() ? Frm->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = Frm->frameGeometry().size();
    const int top = size.height() > area.height() ? area.top() : area.top() + (area.height() - size.height()) / 2;
    const int left = size.width() > area.width() ? area.left() : area.left() + (area.width() - size.width()) / 2;
    Frm->move(left, top);
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
