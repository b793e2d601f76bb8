#pragma once
// What the scaled-distance and vibration-limit windows share: OK runs the window's
// checks and closes only when they pass, Cancel closes, Help shows the hint, and
// closing by any means (OK, Cancel, Esc, the close box) runs the unload step once,
// which commits only after an accepted OK. Also the small helpers their forms use.

#include "platform/ModalWindows.h"
#include <QList>

#include <span>

class QGroupBox;
class QPushButton;
class QRadioButton;

class InputDialog : public GuardedDialog {
    Q_OBJECT
public:
    // True once OK, Cancel, Esc or the close box has unloaded the window.
    bool isUnloaded() const { return m_unloaded; }

public slots:
    void btnOk_Click();
    void btnCancel_Click();
    void btnHelp_Click();

protected:
    using GuardedDialog::GuardedDialog;
    bool OkPressed = false; // OK was accepted: the unload step commits
    bool Loading = false;   // the load step is filling the controls

    void connectButtons(QPushButton *ok, QPushButton *cancel, QPushButton *help);
    // The window's checks, run by OK (they show their own message).
    virtual bool validateForOk() = 0;
    // The unload step after an accepted OK: the controls into the project.
    virtual void commit() = 0;
    // The unload step otherwise (Cancel, Esc, the close box).
    virtual void discard() {}
    void unloading(int result) override;

private:
    bool m_unloaded = false;
};

// A caption of the current language for a named control ("" is the window itself).
struct BilingualCaption {
    const char *control;
    const char *greek;
    const char *english;
};
void ApplyBilingualCaptions(QWidget *window, std::span<const BilingualCaption> captions, bool english);

// A push button with its name and caption that Enter in a box does not press.
QPushButton *NamedButton(QWidget *parent, const char *name, const char *text);
// btnHelp, btnCancel and btnOk ("Help", "Cancel", "OK"), OK the default button.
void BuildOkCancelHelp(QWidget *parent, QPushButton *&btnOk, QPushButton *&btnCancel, QPushButton *&btnHelp);

// An option-button array in a frame, one under the other, named name_0, name_1, ...
QList<QRadioButton *> BuildOptionArray(QGroupBox *frame, const char *name, int count);
