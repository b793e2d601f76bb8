#include "design/frmBlastDesignUi.h"

#include "calculators/InputDialog.h"
#include "design/DesignCaptions.h"
#include "design/SectionDrawing.h"
#include "design/SectionPlot.h"
#include "design/frmBlastDesign.h"
#include "platform/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

template <class W> W *named(W *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}

QLineEdit *newEdit(QWidget *parent, const QString &name, int width = 80)
{
    auto *e = named(new QLineEdit(parent), name);
    e->setFixedWidth(width);
    return e;
}

QLabel *newLabel(QWidget *parent, const QString &name, const QString &text)
{
    return named(new QLabel(text, parent), name);
}

// One row of a frame: the caption label in column 0 and a new box in column 1, then
// (when named) the unit label in column 2.
QLineEdit *addBoxRow(QGridLayout *grid, QWidget *frame, int row, const QString &labelName, const QString &caption,
                     const QString &boxName, const QString &unitName = QString(), const QString &unit = QString())
{
    grid->addWidget(newLabel(frame, labelName, caption), row, 0);
    QLineEdit *box = newEdit(frame, boxName);
    grid->addWidget(box, row, 1);
    if (!unitName.isEmpty())
        grid->addWidget(newLabel(frame, unitName, unit), row, 2);
    return box;
}

// A button of a row of buttons that Enter in a box does not press.
void addButton(QHBoxLayout *row, QWidget *parent, QPushButton *&button, const char *name, const char *caption)
{
    button = NamedButton(parent, name, caption);
    row->addWidget(button);
}

// A density unit: "g/cm" with a raised "3".
void addDensityUnit(QGridLayout *grid, int row, int col, QWidget *parent, const QString &name,
                    const QString &superscriptName)
{
    auto *box = new QHBoxLayout;
    box->setSpacing(0);
    box->addWidget(newLabel(parent, name, QStringLiteral("g/cm")));
    auto *three = newLabel(parent, superscriptName, QStringLiteral("3"));
    QFont f = three->font();
    f.setPointSizeF(f.pointSizeF() * 0.7);
    three->setFont(f);
    three->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    box->addWidget(three, 0, Qt::AlignTop);
    box->addStretch();
    grid->addLayout(box, row, col);
}
} // namespace

void Ui_frmBlastDesign::setupUi(frmBlastDesign *w)
{
    w->setObjectName(QStringLiteral("frmBlastDesign"));
    w->setModal(true);
    w->setWindowTitle(QStringLiteral("Σχεδιασμός Ανατίναξης"));
    auto *main = new QVBoxLayout(w);

    SSTab1 = WholeTabs(named(new QTabWidget(w), QStringLiteral("SSTab1")));
    main->addWidget(SSTab1);

    // Tab 0: input data.
    auto *page0 = new QWidget;
    auto *page0Layout = new QHBoxLayout(page0);

    Frame11 = named(new QGroupBox(page0), QStringLiteral("Frame11"));
    auto *grid11 = new QGridLayout(Frame11);
    for (int i = 0; i < 8; ++i) {
        optFortio[size_t(i)] = named(new QRadioButton(Frame11), QStringLiteral("optFortio_%1").arg(i));
        grid11->addWidget(optFortio[size_t(i)], i, 0);
        if (i < 7) {
            btnShow[size_t(i)] = named(new QPushButton(QStringLiteral("S"), Frame11), QStringLiteral("btnShow_%1").arg(i));
            btnShow[size_t(i)]->setFixedWidth(28);
            btnShow[size_t(i)]->setAutoDefault(false);
            grid11->addWidget(btnShow[size_t(i)], i, 1);
        }
    }
    auto *burdenRow = new QHBoxLayout;
    txtFortio = newEdit(Frame11, QStringLiteral("txtFortio"));
    burdenRow->addWidget(txtFortio);
    burdenRow->addWidget(newLabel(Frame11, QStringLiteral("Label17"), QStringLiteral("m")));
    burdenRow->addStretch();
    grid11->addLayout(burdenRow, 8, 0, 1, 2);
    grid11->setRowStretch(9, 1);
    page0Layout->addWidget(Frame11);

    auto *right0 = new QVBoxLayout;
    page0Layout->addLayout(right0, 1);

    // Coefficients: x burden, x diameter, absolute.
    SSTab2 = WholeTabs(named(new QTabWidget(page0), QStringLiteral("SSTab2")));
    struct CoefRow {
        const char *caption;
        QLineEdit **edit;
        const char *editName;
        const char *unitName;
        const char *unit;
        QLabel **length;
        const char *lengthName;
    };
    auto coefficientFrame = [](QGroupBox *&frame, const char *frameName, std::initializer_list<CoefRow> rows,
                                   const std::array<QString, 3> &captions) {
        auto *page = new QWidget;
        auto *pageLayout = new QVBoxLayout(page);
        frame = named(new QGroupBox(page), QString::fromLatin1(frameName));
        auto *grid = new QGridLayout(frame);
        int r = 0;
        for (const CoefRow &row : rows) {
            grid->addWidget(newLabel(frame, QString::fromLatin1(row.caption), captions[size_t(r)]), r, 0);
            *row.edit = newEdit(frame, QString::fromLatin1(row.editName), 60);
            grid->addWidget(*row.edit, r, 1);
            if (row.unitName) {
                grid->addWidget(newLabel(frame, QString::fromLatin1(row.unitName), QString::fromUtf8(row.unit)), r, 2);
                *row.length = newLabel(frame, QString::fromLatin1(row.lengthName), QStringLiteral("0.00 m"));
                grid->addWidget(*row.length, r, 3);
            }
            ++r;
        }
        grid->setColumnStretch(4, 1);
        pageLayout->addWidget(frame);
        pageLayout->addStretch();
        return page;
    };
    const std::array<QString, 3> coefCaptions = {QStringLiteral("Συντελεστής Επιγόμωσης:"),
                                                 QStringLiteral("Συντελεστής Υποδιάτρησης:"),
                                                 QStringLiteral("Συντελεστής Απ. Διατρημάτων:")};
    SSTab2->addTab(coefficientFrame(Frame21, "Frame21",
                                    {{"Label201", &txtEpigomosi, "txtEpigomosi", "Label16", "*B", &Label27, "Label27"},
                                     {"Label202", &txtYpodiatrisi, "txtYpodiatrisi", "Label19", "*B", &Label33, "Label33"},
                                     {"Label203", &txtApostasi, "txtApostasi", "Label21", "*Β", &Label34, "Label34"}},
                                    coefCaptions),
                   QStringLiteral("Βάσει Φορτίου"));
    SSTab2->addTab(coefficientFrame(Frame22, "Frame22",
                                    {{"Label204", &txtEpigD, "txtEpigD", "Label45", "*d", &Label49, "Label49"},
                                     {"Label205", &txtYpodD, "txtYpodD", "Label46", "*d", &Label50, "Label50"},
                                     {"Label206", &txtApostasiD, "txtApostasiD", "Label48", "*d", &Label51, "Label51"}},
                                    coefCaptions),
                   QStringLiteral("Βάσει Διαμέτρου"));
    SSTab2->addTab(coefficientFrame(Frame23, "Frame23",
                                    {{"Label207", &Text1, "Text1", nullptr, nullptr, nullptr, nullptr},
                                     {"Label208", &Text2, "Text2", nullptr, nullptr, nullptr, nullptr},
                                     {"Label209", &Text3, "Text3", nullptr, nullptr, nullptr, nullptr}},
                                    {QStringLiteral("Επιγόμωση:"), QStringLiteral("Υποδιάτρηση:"),
                                     QStringLiteral("Απόσταση Διατρημάτων:")}),
                   QStringLiteral("Απόλυτο"));
    // No computation reads the absolute lengths: their boxes are shown disabled.
    for (QLineEdit *box : {Text1, Text2, Text3})
        box->setEnabled(false);
    right0->addWidget(SSTab2);

    // Explosives, production, initiation, economics.
    SSTab3 = WholeTabs(named(new QTabWidget(page0), QStringLiteral("SSTab3")));
    auto framedPage = [](QGroupBox *&frame, const QString &name) {
        auto *page = new QWidget;
        auto *layout = new QVBoxLayout(page);
        frame = named(new QGroupBox(page), name);
        layout->addWidget(frame);
        layout->addStretch();
        auto *grid = new QGridLayout(frame);
        grid->setColumnStretch(4, 1);
        return std::make_pair(page, grid);
    };

    auto [page30, grid31] = framedPage(Frame31, QStringLiteral("Frame31"));
    txtDiametros = addBoxRow(grid31, Frame31, 0, QStringLiteral("Label301"), QStringLiteral("Διάμετρος Διατρήματος:"),
                             QStringLiteral("txtDiametros"), QStringLiteral("Label4"), QStringLiteral("mm"));
    txtEidvarek = addBoxRow(grid31, Frame31, 1, QStringLiteral("Label302"), QStringLiteral("Πυκνότητα Εκρηκτικού:"),
                            QStringLiteral("txtEidvarek"));
    addDensityUnit(grid31, 1, 2, Frame31, QStringLiteral("Label5"), QStringLiteral("Label8"));
    txtEnisxysi = addBoxRow(grid31, Frame31, 2, QStringLiteral("Label303"), QStringLiteral("Ποσότ. Ενισχ. Εναύσματος:"),
                            QStringLiteral("txtEnisxysi"), QStringLiteral("Label12"), QStringLiteral("kg"));
    txtEidvarEE = addBoxRow(grid31, Frame31, 3, QStringLiteral("Label304"),
                            QStringLiteral("Πυκνότητα Ενισχ. Εναύσματος:"), QStringLiteral("txtEidvarEE"));
    addDensityUnit(grid31, 3, 2, Frame31, QStringLiteral("Label6"), QStringLiteral("Label15"));
    SSTab3->addTab(page30, QStringLiteral("Εκρηκτικά"));

    auto [page31, grid32] = framedPage(Frame32, QStringLiteral("Frame32"));
    txtEidvarPe = addBoxRow(grid32, Frame32, 0, QStringLiteral("Label305"), QStringLiteral("Πυκνότητα Πετρώματος:"),
                            QStringLiteral("txtEidvarPe"));
    addDensityUnit(grid32, 0, 2, Frame32, QStringLiteral("Label7"), QStringLiteral("Label36"));
    txtYpsos = addBoxRow(grid32, Frame32, 1, QStringLiteral("Label306"), QStringLiteral("Ύψος Βαθμίδας:"),
                         QStringLiteral("txtYpsos"), QStringLiteral("Label30"), QStringLiteral("m"));
    optProduction[0] = named(new QRadioButton(QStringLiteral("Επιθυμητή Παραγωγή:"), Frame32), QStringLiteral("optProduction_0"));
    grid32->addWidget(optProduction[0], 2, 0);
    txtParagogi = newEdit(Frame32, QStringLiteral("txtParagogi"));
    grid32->addWidget(txtParagogi, 2, 1);
    grid32->addWidget(newLabel(Frame32, QStringLiteral("Label14"), QStringLiteral("tons")), 2, 2);
    optProduction[1] = named(new QRadioButton(QStringLiteral("Αριθμός Διατρημάτων (Σειρες χ Διατρήματα)"), Frame32),
                             QStringLiteral("optProduction_1"));
    grid32->addWidget(optProduction[1], 3, 0);
    txtDX = newEdit(Frame32, QStringLiteral("txtDX"), 50);
    txtDY = newEdit(Frame32, QStringLiteral("txtDY"), 50);
    grid32->addWidget(txtDX, 3, 1);
    grid32->addWidget(txtDY, 3, 2);
    SSTab3->addTab(page31, QStringLiteral("Παραγωγή"));

    auto [page32, grid33] = framedPage(Frame33, QStringLiteral("Frame33"));
    const std::array<QString, 4> patterns = {QStringLiteral("Έναυση σε σειρά"), QStringLiteral("Έναυση σε τροποποιημένη σειρά"),
                                             QStringLiteral("Διαγώνιος έναυση"), QStringLiteral("Σφηνοειδής έναυση")};
    for (int i = 0; i < 4; ++i) {
        optEnausi[size_t(i)] = named(new QRadioButton(patterns[size_t(i)], Frame33), QStringLiteral("optEnausi_%1").arg(i));
        grid33->addWidget(optEnausi[size_t(i)], i, 0, 1, 3);
    }
    grid33->addWidget(newLabel(Frame33, QStringLiteral("Label307"),
                               QStringLiteral("Μεγιστος Αριθμός Διατρημάτων / Επιβραδύνση:")), 4, 0);
    txtMaxNperDelay = newEdit(Frame33, QStringLiteral("txtMaxNperDelay"), 50);
    grid33->addWidget(txtMaxNperDelay, 4, 1);
    chkMaxNDelay = named(new QCheckBox(QStringLiteral("Auto"), Frame33), QStringLiteral("chkMaxNDelay"));
    grid33->addWidget(chkMaxNDelay, 4, 2);
    grid33->addWidget(newLabel(Frame33, QStringLiteral("Label308"),
                               QStringLiteral("Αριθμός Ελεύθερων Επιφανειών (Μέτωπο και Πλευρικές):")), 5, 0);
    cmbNoEpif = named(new QComboBox(Frame33), QStringLiteral("cmbNoEpif"));
    cmbNoEpif->setEditable(true);
    cmbNoEpif->setInsertPolicy(QComboBox::NoInsert);
    cmbNoEpif->setFixedWidth(60);
    grid33->addWidget(cmbNoEpif, 5, 1);
    grid33->addWidget(newLabel(Frame33, QStringLiteral("Label309"), QStringLiteral("Μέγιστος Αριθμός Σειρών:")), 6, 0);
    txtSeires = newEdit(Frame33, QStringLiteral("txtSeires"), 50);
    grid33->addWidget(txtSeires, 6, 1);
    SSTab3->addTab(page32, QStringLiteral("Εναυση"));

    auto *page33 = new QWidget;
    auto *grid34 = new QGridLayout(page33);
    struct Price {
        const char *label;
        QString caption;
        QLineEdit **edit;
        const char *name;
    };
    const Price prices[] = {
        {"Label310", QStringLiteral("Κόστος Εκρηκτικού / kg"), &txtCostExpl, "txtCostExpl"},
        {"Label311", QStringLiteral("Κόστος Ενίσχυσης / kg"), &txtCostBooster, "txtCostBooster"},
        {"Label312", QStringLiteral("Κόστος Διάτρησης / m"), &txtCostDrill, "txtCostDrill"},
        {"Label313", QStringLiteral("Κόστος Έναυσης / Διάτρημα "), &txtCostCap, "txtCostCap"},
        {"Label314", QStringLiteral("Κόστος Έναυσης / m Διάτρησης"), &txtCostInit, "txtCostInit"},
    };
    int priceRow = 0;
    for (const Price &p : prices) {
        grid34->addWidget(newLabel(page33, QString::fromLatin1(p.label), p.caption), priceRow, 0);
        *p.edit = newEdit(page33, QString::fromLatin1(p.name));
        grid34->addWidget(*p.edit, priceRow, 1);
        ++priceRow;
    }
    grid34->setRowStretch(priceRow, 1);
    grid34->setColumnStretch(2, 1);
    SSTab3->addTab(page33, QStringLiteral("Οικονομικά"));
    right0->addWidget(SSTab3);

    chkRound = named(new QCheckBox(QStringLiteral("Στρογγυλοποίηση Αποστάσεων σε 2 δεκαδικά"), page0),
                     QStringLiteral("chkRound"));
    chkRound2 = named(new QCheckBox(QStringLiteral("Στρογγυλοποίηση κ. μέτρων και τόνων σε 0 δεκαδικά"), page0),
                      QStringLiteral("chkRound2"));
    right0->addWidget(chkRound);
    right0->addWidget(chkRound2);
    right0->addStretch();
    SSTab1->addTab(page0, QStringLiteral("Δεδομένα Ανατίναξης"));

    // Tab 1: results (grid or pages).
    auto *page1 = new QWidget;
    auto *layout1 = new QVBoxLayout(page1);
    auto *modeRow = new QHBoxLayout;
    optDispMode[0] = named(new QRadioButton(QStringLiteral("Grid Mode"), page1), QStringLiteral("optDispMode_0"));
    optDispMode[1] = named(new QRadioButton(QStringLiteral("Print Mode"), page1), QStringLiteral("optDispMode_1"));
    chkSort = named(new QCheckBox(QStringLiteral("Sort Optimum"), page1), QStringLiteral("chkSort"));
    modeRow->addWidget(optDispMode[0]);
    modeRow->addWidget(optDispMode[1]);
    modeRow->addStretch();
    modeRow->addWidget(chkSort);
    layout1->addLayout(modeRow);
    grdOutput = named(new QTableWidget(0, 4, page1), QStringLiteral("grdOutput"));
    grdOutput->horizontalHeader()->hide();
    grdOutput->verticalHeader()->hide();
    grdOutput->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout1->addWidget(grdOutput, 1);
    lblSpacingWarning = named(new QLabel(page1), QStringLiteral("lblSpacingWarning"));
    lblSpacingWarning->hide();
    layout1->addWidget(lblSpacingWarning);
    RichTextBox1 = named(new QTextEdit(page1), QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setLineWrapMode(QTextEdit::NoWrap);
    RichTextBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout1->addWidget(RichTextBox1, 1);
    auto *pageButtons = new QHBoxLayout;
    addButton(pageButtons, page1, cmdPrevPage, "cmdPrevPage", "P&revious Page");
    addButton(pageButtons, page1, cmdNextPage, "cmdNextPage", "&Next Page");
    addButton(pageButtons, page1, cmdCopyPage, "cmdCopyPage", "&Copy Page");
    addButton(pageButtons, page1, cmdCopyAll, "cmdCopyAll", "Cop&y All");
    addButton(pageButtons, page1, cmdPrintPage, "cmdPrintPage", "&Print Page");
    addButton(pageButtons, page1, cmdPrintAll, "cmdPrintAll", "Print &All");
    layout1->addLayout(pageButtons);
    SSTab1->addTab(page1, QStringLiteral("Υπολογισμός Παραμέτρων Ανατίναξης"));

    // Tab 2: ground vibrations.
    auto *page2 = new QWidget;
    auto *layout2 = new QVBoxLayout(page2);
    Frame131 = named(new QGroupBox(QStringLiteral("Εισαγωγή Δεδομένων"), page2), QStringLiteral("Frame131"));
    auto *grid131 = new QGridLayout(Frame131);
    txtKatanalosiAnaEpivradynsi = addBoxRow(grid131, Frame131, 0, QStringLiteral("Label22"),
                                            QStringLiteral("Ποσότητα Εκρηκτικού ανά Επιβράδυνση:"),
                                            QStringLiteral("txtKatanalosiAnaEpivradynsi"), QStringLiteral("Label28"),
                                            QStringLiteral("kg"));
    Label29 = newLabel(Frame131, QStringLiteral("Label29"), QStringLiteral("0.00 lbs"));
    grid131->addWidget(Label29, 0, 3);
    txtDistance = addBoxRow(grid131, Frame131, 1, QStringLiteral("Label23"), QStringLiteral("Απόσταση από Θέση Ανατίναξης:"),
                            QStringLiteral("txtDistance"), QStringLiteral("Label38"), QStringLiteral("m"));
    Label31 = newLabel(Frame131, QStringLiteral("Label31"), QStringLiteral("0.00 ft"));
    grid131->addWidget(Label31, 1, 3);
    txtStatherak = addBoxRow(grid131, Frame131, 2, QStringLiteral("Label24"), QStringLiteral("Γεωλογική Σταθερά Κ:"),
                             QStringLiteral("txtStatherak"));
    txtStatheran = addBoxRow(grid131, Frame131, 3, QStringLiteral("Label25"), QStringLiteral("Γεωλογική Σταθερά n:"),
                             QStringLiteral("txtStatheran"));
    grid131->setColumnStretch(4, 1);
    layout2->addWidget(Frame131);
    Frame132 = named(new QGroupBox(QStringLiteral("Αποτελέσματα"), page2), QStringLiteral("Frame132"));
    auto *grid132 = new QGridLayout(Frame132);
    txtTaxytita = addBoxRow(grid132, Frame132, 0, QStringLiteral("Label26"),
                            QStringLiteral("Μοριακή Ταχύτητα Ταλάντωσης Εδάφους:"), QStringLiteral("txtTaxytita"),
                            QStringLiteral("Label32"), QStringLiteral("mm/sec"));
    txtTaxytita->setReadOnly(true); // computed, never typed
    Label18 = newLabel(Frame132, QStringLiteral("Label18"), QStringLiteral("0.00 in/sec"));
    grid132->addWidget(Label18, 0, 3);
    grid132->setColumnStretch(4, 1);
    layout2->addWidget(Frame132);
    layout2->addStretch();
    SSTab1->addTab(page2, QStringLiteral("Υπολογισμός Εδαφικών Δονήσεων"));

    // Tab 3: drawings. picBlast's inner area measures 5280 x 4920 twips (15 twips to
    // the pixel).
    auto *page3 = new QWidget;
    auto *layout3 = new QVBoxLayout(page3);
    picPlan = named(new QFrame(page3), QStringLiteral("picPlan"));
    picPlan->hide(); // carries no drawing
    picBlast = named(new SectionPlot(kPictureScaleWidth, kPictureScaleHeight, page3), QStringLiteral("picBlast"));
    layout3->addWidget(picBlast);
    lblCoord = named(new QLabel(page3), QStringLiteral("lblCoord"));
    lblIntCoord = named(new QLabel(page3), QStringLiteral("lblIntCoord"));
    layout3->addWidget(lblCoord);
    layout3->addWidget(lblIntCoord);
    layout3->addStretch();
    SSTab1->addTab(page3, QStringLiteral("Σχέδια Ανατίναξης"));

    // On the window: the alternatives scroll bar and the three buttons.
    HScroll1 = named(new QScrollBar(Qt::Horizontal, w), QStringLiteral("HScroll1"));
    HScroll1->hide();
    // A change is reported when the thumb is released, not while it is dragged.
    HScroll1->setTracking(false);
    main->addWidget(HScroll1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    addButton(buttons, w, cmdOK, "cmdOK", "Ok");
    addButton(buttons, w, cmdCancel, "cmdCancel", "Cancel");
    addButton(buttons, w, cmdHelp, "cmdHelp", "Help");
    main->addLayout(buttons);

    // The designed Greek captions of the language table.
    for (const DesignCaption &c : DesignCaptions())
        SetControlCaption(w, c.control, c.tab, c.greek);

    // Boxes whose whole text is selected when they get the focus.
    for (QLineEdit *e : {txtFortio, txtDiametros, txtEpigomosi, txtYpodiatrisi, txtApostasi, txtEpigD, txtYpodD,
                         txtApostasiD, txtKatanalosiAnaEpivradynsi, txtDistance, txtStatherak, txtStatheran, txtEidvarek,
                         txtEidvarPe, txtEnisxysi, txtSeires, txtMaxNperDelay, txtParagogi, txtDX, txtDY, txtYpsos,
                         txtCostCap, txtCostInit, txtCostExpl, txtCostBooster, txtCostDrill})
        SelectTextOnFocus(e);
    // The rest that take text: Alt with a letter types nothing there either.
    for (QWidget *e : std::initializer_list<QWidget *>{txtEidvarEE, Text1, Text2, Text3, cmbNoEpif})
        TypeNoAltLetters(e);
}
