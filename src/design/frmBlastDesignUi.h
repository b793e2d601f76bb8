#pragma once
// The widgets of the blast design window, built in code in the shape of a designer
// form: four tabs (inputs, results, ground vibrations, drawings), the alternatives
// scroll bar and the OK, Cancel and Help buttons, each named as the window's handlers
// and captions know it.

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QWidget;
class SectionPlot;
class frmBlastDesign;

struct Ui_frmBlastDesign {
    // Controls, by their names. Option and button arrays: element i is named name_i.
    QTabWidget *SSTab1 = nullptr;
    QTabWidget *SSTab2 = nullptr;
    QTabWidget *SSTab3 = nullptr;

    // SSTab1 tab 0: burden source, coefficients, explosives, production, initiation, prices.
    QGroupBox *Frame11 = nullptr;
    std::array<QRadioButton *, 8> optFortio{};
    std::array<QPushButton *, 7> btnShow{};
    QLineEdit *txtFortio = nullptr;
    QGroupBox *Frame21 = nullptr, *Frame22 = nullptr, *Frame23 = nullptr;
    QLineEdit *txtEpigomosi = nullptr, *txtYpodiatrisi = nullptr, *txtApostasi = nullptr;
    QLineEdit *txtEpigD = nullptr, *txtYpodD = nullptr, *txtApostasiD = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr;
    QLabel *Label27 = nullptr, *Label33 = nullptr, *Label34 = nullptr; // lengths x burden
    QLabel *Label49 = nullptr, *Label50 = nullptr, *Label51 = nullptr; // lengths x diameter
    QGroupBox *Frame31 = nullptr, *Frame32 = nullptr, *Frame33 = nullptr;
    QLineEdit *txtDiametros = nullptr, *txtEidvarek = nullptr, *txtEnisxysi = nullptr, *txtEidvarEE = nullptr;
    QLineEdit *txtEidvarPe = nullptr, *txtYpsos = nullptr, *txtParagogi = nullptr, *txtDX = nullptr, *txtDY = nullptr;
    std::array<QRadioButton *, 2> optProduction{};
    std::array<QRadioButton *, 4> optEnausi{};
    QLineEdit *txtMaxNperDelay = nullptr;
    QCheckBox *chkMaxNDelay = nullptr;
    QComboBox *cmbNoEpif = nullptr;
    QLineEdit *txtSeires = nullptr;
    QLineEdit *txtCostExpl = nullptr, *txtCostBooster = nullptr, *txtCostDrill = nullptr, *txtCostCap = nullptr,
              *txtCostInit = nullptr;
    QCheckBox *chkRound = nullptr, *chkRound2 = nullptr;

    // SSTab1 tab 1: results.
    std::array<QRadioButton *, 2> optDispMode{};
    QTableWidget *grdOutput = nullptr;
    QLabel *lblSpacingWarning = nullptr; // the search's notice of a changed spacing
    QTextEdit *RichTextBox1 = nullptr;
    QPushButton *cmdPrevPage = nullptr, *cmdNextPage = nullptr, *cmdCopyPage = nullptr, *cmdCopyAll = nullptr,
                *cmdPrintPage = nullptr, *cmdPrintAll = nullptr;
    QCheckBox *chkSort = nullptr;

    // SSTab1 tab 2: ground vibrations.
    QGroupBox *Frame131 = nullptr, *Frame132 = nullptr;
    QLineEdit *txtKatanalosiAnaEpivradynsi = nullptr, *txtDistance = nullptr, *txtStatherak = nullptr,
              *txtStatheran = nullptr, *txtTaxytita = nullptr;
    QLabel *Label29 = nullptr, *Label31 = nullptr, *Label18 = nullptr; // imperial echoes

    // SSTab1 tab 3: drawings.
    QWidget *picPlan = nullptr;
    SectionPlot *picBlast = nullptr;
    QLabel *lblCoord = nullptr, *lblIntCoord = nullptr;

    // On the window itself.
    QScrollBar *HScroll1 = nullptr;
    QPushButton *cmdOK = nullptr, *cmdCancel = nullptr, *cmdHelp = nullptr;

    // Builds the controls on 'w' with their Greek captions; no handler is connected.
    void setupUi(frmBlastDesign *w);
};
