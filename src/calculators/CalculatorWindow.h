#pragma once
// What every burden calculator window shares: the load step, recalculation on every
// change, the input checks with their messages and focus, the echo labels, the commit on
// closing and the two languages of the captions; OK / Cancel / Help and the unload step
// are those of every input dialog. A calculator adds its definition (BurdenEquations.h),
// its form (Ui_frmX, built on the layouts of Ui_CalculatorWindow) and captions, and one
// _Change slot per box that calls InputChanged.
//
// The window is built and loaded in one go (the registry in BurdenCalculators.cpp calls
// Form_Load right after construction); OK, Cancel and the close box unload it, and an
// unloaded window deletes itself: the next use builds and loads a fresh one.

#include "calculators/BurdenEquations.h"
#include "calculators/CalculatorWindowUi.h"
#include "calculators/InputDialog.h"

#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CalculatorWindow : public InputDialog {
    Q_OBJECT
public:
    ~CalculatorWindow() override;

    const CalculatorDef &definition() const { return m_def; }

    // The load step: fills the boxes from the project, computes once, logs the load
    // line and puts the English captions in place when EnglishMenus is 1.
    void Form_Load();
    // Puts the captions of the language now chosen in place: a window loaded hidden
    // for its result may be opened after the language has changed. A window with
    // other texts of the language (a list) refills them too.
    virtual void ApplyLanguage();
    // The text of the result box txtFortio.
    QString resultText() const;

    // Recomputes the result; the result box keeps its text when a check or the
    // arithmetic fails.
    virtual void CalcBurden();
    // Runs the checks in order; shows the first failure and returns false there.
    bool ValidateInput();

public slots:
    void txtFortio_Change();

protected:
    CalculatorWindow(const CalculatorDef &def, QWidget *parent);

    // The shared controls and the layouts a calculator's form builds on.
    Ui_CalculatorWindow &form() { return *ui; }
    const Ui_CalculatorWindow &form() const { return *ui; }
    using InputRow = CalcInputRow;
    using StandardLayout = CalcStandardLayout;

    // The input box of this index of the definition (named after the definition,
    // selecting its whole text when it gets the focus).
    QLineEdit *inputBox(int box) const;
    QStringList boxTexts() const;
    // Connects each box's textChanged to its _Change slot.
    template <class W> void connectBoxes(std::initializer_list<std::pair<int, void (W::*)()>> handlers)
    {
        for (const auto &[box, slot] : handlers)
            connect(inputBox(box), &QLineEdit::textChanged, static_cast<W *>(this), slot);
    }

    struct Caption {
        QString control; // objectName; "" is the window's own caption
        QString english;
        QString greek;
        int tab = -1;    // a tab of the tab widget 'control'
    };
    // The captions of the window; the designed (Greek) ones go in place now.
    void setCaptions(std::vector<Caption> captions);
    // "Input Data" / "Results" on the two frames of this name.
    static std::vector<Caption> frameCaptions(const QString &inputFrame, const QString &resultFrame);

    // The body of every box's _Change handler: refresh the box's echo labels (also while
    // loading), then, unless loading, recalculate.
    void InputChanged(int box);
    void RefreshEchoes(int source);
    // Which computation a changed box runs (two-tab windows send their second tab to
    // the coefficient).
    virtual void Recalculate(int box);
    // The numbers the equation gets (the box values; a drop-down adds its own).
    virtual std::vector<double> equationInputs() const;
    // Load step 2: the boxes from the project.
    virtual void FillControls();
    // Load step 4: the computations of the load.
    virtual void LoadComputations();
    // The boxes into the project (unload after OK).
    virtual void StoreControls();

    // Focus on a failing box with its text selected, unless the user is typing (a
    // TypingScope is open); before the window is visible the move waits for it to be shown.
    void moveFocusTo(QLineEdit *box);
    // Makes a box reachable before it gets the focus (a tab brings its page forward).
    virtual void revealBox(QLineEdit *) {}

    bool validateForOk() override;
    // Form_Unload after OK: the boxes into the project, logged.
    void commit() override;
    void unloading(int result) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyCaptions(bool english);

    const CalculatorDef &m_def;
    std::unique_ptr<Ui_CalculatorWindow> ui;
    std::vector<Caption> m_captions;
    QPointer<QLineEdit> m_pendingFocus;
};
