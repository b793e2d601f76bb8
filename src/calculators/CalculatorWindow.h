#pragma once
// What every burden calculator window shares: the load step, recalculation on every
// change, the input checks with their messages and focus, the echo labels, OK / Cancel /
// Help, the commit on closing and the two languages of the captions. A calculator adds
// its definition (BurdenEquations.h), its controls and captions, and one _Change slot per
// box that calls InputChanged.
//
// The window is built and loaded in one go (the registry in BurdenCalculators.cpp calls
// Form_Load right after construction); OK, Cancel and the close box unload it, and an
// unloaded window deletes itself: the next use builds and loads a fresh one.

#include "calculators/BurdenEquations.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CalculatorWindow : public QDialog {
    Q_OBJECT
public:
    ~CalculatorWindow() override;

    const CalculatorDef &definition() const { return m_def; }

    // The load step: fills the boxes from the project, computes once, logs the load
    // line and puts the English captions in place when EnglishMenus is 1.
    void Form_Load();
    // True once OK, Cancel or the close box has unloaded the window.
    bool isUnloaded() const { return m_unloaded; }
    // Puts the captions of the language now chosen in place: a window loaded hidden
    // for its result may be opened after the language has changed.
    void ApplyLanguage();

    // Recomputes the result; the result box keeps its text when a check or the
    // arithmetic fails.
    virtual void CalcBurden();
    // Runs the checks in order; shows the first failure and returns false there.
    bool ValidateInput();

    // Form-level flags.
    bool OkPressed = false; // OK was accepted: the unload step commits
    bool Loading = false;   // the load step is filling the boxes

    QLineEdit *txtFortio = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
    QPushButton *btnHelp = nullptr;

public slots:
    void btnOk_Click();
    void btnCancel_Click();
    void btnHelp_Click();
    void txtFortio_Change();

protected:
    CalculatorWindow(const CalculatorDef &def, QWidget *parent);

    // The input box of this index of the definition (built by the constructor, named
    // after the definition, selecting its whole text when it gets the focus).
    QLineEdit *inputBox(int box) const;
    QStringList boxTexts() const;
    // A label with a documented name (empty for a plain unit label).
    QLabel *createLabel(const QString &name, const QString &text = QString());

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
    // Puts one caption on its control (or on one tab of a tab widget).
    void applyCaption(const Caption &caption, const QString &text);

    // The layout of a one-page calculator: frame of inputs (label, box, unit, echo per
    // row), frame of results, then the three buttons.
    struct InputRow {
        QString label;
        int box = 0;
        QString unit;
        QString echo; // objectName of the echo label, "" for none
    };
    struct StandardLayout {
        QString inputFrame = QStringLiteral("frmInput");
        QString resultFrame = QStringLiteral("frmResults");
        std::vector<InputRow> rows;
        QString resultLabel;
        QString resultUnit;
        QString resultEcho;
    };
    void buildStandardLayout(const StandardLayout &layout);
    // The two frames of such a layout, for windows that arrange them themselves. A
    // result echo named "txt..." is a read-only box followed by the unit "m".
    QGroupBox *buildInputFrame(QWidget *parent, const QString &name, const std::vector<InputRow> &rows);
    QGroupBox *buildResultFrame(QWidget *parent, const QString &name, const QString &label, QLineEdit *result,
                                const QString &unit, const QString &echo);
    // The echo labels as they read for an empty box.
    void resetEchoes();
    // The row of OK, Cancel and Help, for windows that lay themselves out.
    QWidget *buttonRow();

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
    virtual void Form_Unload();

    // Focus on a failing box with its text selected; before the window is visible the
    // move waits for it to be shown.
    void moveFocusTo(QLineEdit *box);
    // Makes a box reachable before it gets the focus (a tab brings its page forward).
    virtual void revealBox(QLineEdit *) {}

    void done(int result) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyCaptions(bool english);
    void setEchoText(const QString &name, const QString &text);

    const CalculatorDef &m_def;
    std::vector<QLineEdit *> m_boxes;
    std::vector<Caption> m_captions;
    QPointer<QLineEdit> m_pendingFocus;
    bool m_unloaded = false;
};
