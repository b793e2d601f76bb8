#pragma once
// The widgets every burden calculator shares, built in code in the shape of a designer
// form: one input box per box of the definition, the result box txtFortio and the OK,
// Cancel and Help buttons; for the two-tab calculators also SSTab1 and txtKb. The
// layouts below put them in frames; a calculator's own form (Ui_frmX) picks one and
// adds its own controls.

#include <QString>

#include <vector>

class CalculatorWindow;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
struct CalculatorDef;

// One row of an input frame: label, box, unit and echo label.
struct CalcInputRow {
    QString label;
    int box = 0;
    QString unit;
    QString echo; // objectName of the echo label, "" for none
};

// A one-page calculator: frame of inputs, frame of results, then the three buttons.
struct CalcStandardLayout {
    QString inputFrame = QStringLiteral("frmInput");
    QString resultFrame = QStringLiteral("frmResults");
    std::vector<CalcInputRow> rows;
    QString resultLabel;
    QString resultUnit;
    QString resultEcho;
};

// A calculator with a second tab that computes its coefficient into txtKb.
struct CalcTwoTabLayout {
    QString inputFrame0, resultFrame0, inputFrame1, resultFrame1;
    std::vector<CalcInputRow> rows0, rows1;
    QString resultLabel, resultUnit, resultEcho;
    QString coefficientLabel; // beside txtKb
};

struct Ui_CalculatorWindow {
    std::vector<QLineEdit *> boxes; // in the order of the definition
    QLineEdit *txtFortio = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
    QPushButton *btnHelp = nullptr;
    QTabWidget *SSTab1 = nullptr; // two-tab calculators only
    QLineEdit *txtKb = nullptr;   // two-tab calculators only

    // The boxes (named after the definition), the result box and the buttons.
    void setupUi(CalculatorWindow *w, const CalculatorDef &def);
    // SSTab1 and the read-only coefficient box txtKb.
    void setupTabs();

    // A label with a documented name (empty for a plain unit label).
    QLabel *createLabel(const QString &name, const QString &text = QString()) const;
    void buildStandardLayout(const CalcStandardLayout &layout);
    void buildTwoTabLayout(const CalcTwoTabLayout &layout);
    // The two frames of such a layout, for windows that arrange them themselves. A
    // result echo named "txt..." is a read-only box followed by the unit "m".
    QGroupBox *buildInputFrame(QWidget *parent, const QString &name, const std::vector<CalcInputRow> &rows) const;
    QGroupBox *buildResultFrame(QWidget *parent, const QString &name, const QString &label, QLineEdit *result,
                                const QString &unit, const QString &echo) const;
    // The row of OK, Cancel and Help, for windows that lay themselves out.
    QWidget *buttonRow() const;
    // The echo labels as they read for an empty box.
    void resetEchoes() const;

private:
    QWidget *m_window = nullptr;
    const CalculatorDef *m_def = nullptr;
};

// Puts an echo text on the named label or read-only box of a calculator window.
void SetEchoText(QWidget *window, const QString &name, const QString &text);
