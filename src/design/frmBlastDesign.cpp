#include "design/frmBlastDesign.h"

#include "calculators/BurdenCalculators.h"
#include "core/Errors.h"
#include "core/Messages.h"
#include "core/ParameterReport.h"
#include "core/Printing.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "design/DesignCaptions.h"
#include "design/DesignInputChecks.h"
#include "design/DesignRecord.h"
#include "design/SectionPlot.h"
#include "platform/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

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

void setTextColour(QLineEdit *edit, const QColor &colour)
{
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Text, colour);
    edit->setPalette(pal);
}

// An option array as the shared option routines take it.
template <size_t N> QList<QRadioButton *> options(const std::array<QRadioButton *, N> &array)
{
    return QList<QRadioButton *>(array.begin(), array.end());
}

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

} // namespace

frmBlastDesign::frmBlastDesign(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmBlastDesign"));
    setModal(true);
    buildControls();
    connectHandlers();
    Form_Load();
}

frmBlastDesign::~frmBlastDesign() = default;

// ---------------------------------------------------------------------------------
// Controls

void frmBlastDesign::buildControls()
{
    setWindowTitle(QStringLiteral("Σχεδιασμός Ανατίναξης"));
    auto *main = new QVBoxLayout(this);

    SSTab1 = named(new QTabWidget(this), QStringLiteral("SSTab1"));
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
    SSTab2 = named(new QTabWidget(page0), QStringLiteral("SSTab2"));
    struct CoefRow {
        const char *caption;
        QLineEdit **edit;
        const char *editName;
        const char *unitName;
        const char *unit;
        QLabel **length;
        const char *lengthName;
    };
    auto coefficientFrame = [this](QGroupBox *&frame, const char *frameName, std::initializer_list<CoefRow> rows,
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
    right0->addWidget(SSTab2);

    // Explosives, production, initiation, economics.
    SSTab3 = named(new QTabWidget(page0), QStringLiteral("SSTab3"));
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
    grid31->addWidget(newLabel(Frame31, QStringLiteral("Label301"), QStringLiteral("Διάμετρος Διατρήματος:")), 0, 0);
    txtDiametros = newEdit(Frame31, QStringLiteral("txtDiametros"));
    grid31->addWidget(txtDiametros, 0, 1);
    grid31->addWidget(newLabel(Frame31, QStringLiteral("Label4"), QStringLiteral("mm")), 0, 2);
    grid31->addWidget(newLabel(Frame31, QStringLiteral("Label302"), QStringLiteral("Πυκνότητα Εκρηκτικού:")), 1, 0);
    txtEidvarek = newEdit(Frame31, QStringLiteral("txtEidvarek"));
    grid31->addWidget(txtEidvarek, 1, 1);
    addDensityUnit(grid31, 1, 2, Frame31, QStringLiteral("Label5"), QStringLiteral("Label8"));
    grid31->addWidget(newLabel(Frame31, QStringLiteral("Label303"), QStringLiteral("Ποσότ. Ενισχ. Εναύσματος:")), 2, 0);
    txtEnisxysi = newEdit(Frame31, QStringLiteral("txtEnisxysi"));
    grid31->addWidget(txtEnisxysi, 2, 1);
    grid31->addWidget(newLabel(Frame31, QStringLiteral("Label12"), QStringLiteral("kg")), 2, 2);
    grid31->addWidget(newLabel(Frame31, QStringLiteral("Label304"), QStringLiteral("Πυκνότητα Ενισχ. Εναύσματος:")), 3, 0);
    txtEidvarEE = newEdit(Frame31, QStringLiteral("txtEidvarEE"));
    grid31->addWidget(txtEidvarEE, 3, 1);
    addDensityUnit(grid31, 3, 2, Frame31, QStringLiteral("Label6"), QStringLiteral("Label15"));
    SSTab3->addTab(page30, QStringLiteral("Εκρηκτικά"));

    auto [page31, grid32] = framedPage(Frame32, QStringLiteral("Frame32"));
    grid32->addWidget(newLabel(Frame32, QStringLiteral("Label305"), QStringLiteral("Πυκνότητα Πετρώματος:")), 0, 0);
    txtEidvarPe = newEdit(Frame32, QStringLiteral("txtEidvarPe"));
    grid32->addWidget(txtEidvarPe, 0, 1);
    addDensityUnit(grid32, 0, 2, Frame32, QStringLiteral("Label7"), QStringLiteral("Label36"));
    grid32->addWidget(newLabel(Frame32, QStringLiteral("Label306"), QStringLiteral("Ύψος Βαθμίδας:")), 1, 0);
    txtYpsos = newEdit(Frame32, QStringLiteral("txtYpsos"));
    grid32->addWidget(txtYpsos, 1, 1);
    grid32->addWidget(newLabel(Frame32, QStringLiteral("Label30"), QStringLiteral("m")), 1, 2);
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
    auto pageButton = [&](QPushButton *&b, const QString &name, const QString &caption) {
        b = named(new QPushButton(caption, page1), name);
        b->setAutoDefault(false);
        pageButtons->addWidget(b);
    };
    pageButton(cmdPrevPage, QStringLiteral("cmdPrevPage"), QStringLiteral("P&revious Page"));
    pageButton(cmdNextPage, QStringLiteral("cmdNextPage"), QStringLiteral("&Next Page"));
    pageButton(cmdCopyPage, QStringLiteral("cmdCopyPage"), QStringLiteral("&Copy Page"));
    pageButton(cmdCopyAll, QStringLiteral("cmdCopyAll"), QStringLiteral("Cop&y All"));
    pageButton(cmdPrintPage, QStringLiteral("cmdPrintPage"), QStringLiteral("&Print Page"));
    pageButton(cmdPrintAll, QStringLiteral("cmdPrintAll"), QStringLiteral("Print &All"));
    layout1->addLayout(pageButtons);
    SSTab1->addTab(page1, QStringLiteral("Υπολογισμός Παραμέτρων Ανατίναξης"));

    // Tab 2: ground vibrations.
    auto *page2 = new QWidget;
    auto *layout2 = new QVBoxLayout(page2);
    Frame131 = named(new QGroupBox(QStringLiteral("Εισαγωγή Δεδομένων"), page2), QStringLiteral("Frame131"));
    auto *grid131 = new QGridLayout(Frame131);
    grid131->addWidget(newLabel(Frame131, QStringLiteral("Label22"), QStringLiteral("Ποσότητα Εκρηκτικού ανά Επιβράδυνση:")), 0, 0);
    txtKatanalosiAnaEpivradynsi = newEdit(Frame131, QStringLiteral("txtKatanalosiAnaEpivradynsi"));
    grid131->addWidget(txtKatanalosiAnaEpivradynsi, 0, 1);
    grid131->addWidget(newLabel(Frame131, QStringLiteral("Label28"), QStringLiteral("kg")), 0, 2);
    Label29 = newLabel(Frame131, QStringLiteral("Label29"), QStringLiteral("0.00 lbs"));
    grid131->addWidget(Label29, 0, 3);
    grid131->addWidget(newLabel(Frame131, QStringLiteral("Label23"), QStringLiteral("Απόσταση από Θέση Ανατίναξης:")), 1, 0);
    txtDistance = newEdit(Frame131, QStringLiteral("txtDistance"));
    grid131->addWidget(txtDistance, 1, 1);
    grid131->addWidget(newLabel(Frame131, QStringLiteral("Label38"), QStringLiteral("m")), 1, 2);
    Label31 = newLabel(Frame131, QStringLiteral("Label31"), QStringLiteral("0.00 ft"));
    grid131->addWidget(Label31, 1, 3);
    grid131->addWidget(newLabel(Frame131, QStringLiteral("Label24"), QStringLiteral("Γεωλογική Σταθερά Κ:")), 2, 0);
    txtStatherak = newEdit(Frame131, QStringLiteral("txtStatherak"));
    grid131->addWidget(txtStatherak, 2, 1);
    grid131->addWidget(newLabel(Frame131, QStringLiteral("Label25"), QStringLiteral("Γεωλογική Σταθερά n:")), 3, 0);
    txtStatheran = newEdit(Frame131, QStringLiteral("txtStatheran"));
    grid131->addWidget(txtStatheran, 3, 1);
    grid131->setColumnStretch(4, 1);
    layout2->addWidget(Frame131);
    Frame132 = named(new QGroupBox(QStringLiteral("Αποτελέσματα"), page2), QStringLiteral("Frame132"));
    auto *grid132 = new QGridLayout(Frame132);
    grid132->addWidget(newLabel(Frame132, QStringLiteral("Label26"), QStringLiteral("Μοριακή Ταχύτητα Ταλάντωσης Εδάφους:")), 0, 0);
    txtTaxytita = newEdit(Frame132, QStringLiteral("txtTaxytita"));
    txtTaxytita->setReadOnly(true); // computed, never typed
    grid132->addWidget(txtTaxytita, 0, 1);
    grid132->addWidget(newLabel(Frame132, QStringLiteral("Label32"), QStringLiteral("mm/sec")), 0, 2);
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
    HScroll1 = named(new QScrollBar(Qt::Horizontal, this), QStringLiteral("HScroll1"));
    HScroll1->hide();
    // A change is reported when the thumb is released, not while it is dragged.
    HScroll1->setTracking(false);
    main->addWidget(HScroll1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto button = [&](QPushButton *&b, const QString &name, const QString &caption) {
        b = named(new QPushButton(caption, this), name);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    };
    button(cmdOK, QStringLiteral("cmdOK"), QStringLiteral("Ok"));
    button(cmdCancel, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    button(cmdHelp, QStringLiteral("cmdHelp"), QStringLiteral("Help"));
    main->addLayout(buttons);

    // The designed Greek captions of the language table.
    for (const DesignCaption &c : DesignCaptions())
        applyCaption(c.control, c.tab, c.greek);

    // Boxes whose whole text is selected when they get the focus.
    for (QLineEdit *e : {txtFortio, txtDiametros, txtEpigomosi, txtYpodiatrisi, txtApostasi, txtEpigD, txtYpodD,
                         txtApostasiD, txtKatanalosiAnaEpivradynsi, txtDistance, txtStatherak, txtStatheran, txtEidvarek,
                         txtEidvarPe, txtEnisxysi, txtSeires, txtMaxNperDelay, txtParagogi, txtDX, txtDY, txtYpsos,
                         txtCostCap, txtCostInit, txtCostExpl, txtCostBooster, txtCostDrill})
        SelectTextOnFocus(e);

    // The burden source starts with the user's own value; calculators that do not
    // exist yet cannot be chosen.
    optFortio[7]->setChecked(true);
    for (int i = 0; i < kCalculatorCount && i < 7; ++i) {
        optFortio[size_t(i)]->setEnabled(CalculatorAvailable(i));
        btnShow[size_t(i)]->setEnabled(CalculatorAvailable(i));
    }
}

void frmBlastDesign::connectHandlers()
{
    connect(cmdOK, &QPushButton::clicked, this, &frmBlastDesign::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBlastDesign::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmBlastDesign::cmdHelp_Click);
    connect(cmdCopyPage, &QPushButton::clicked, this, &frmBlastDesign::cmdCopyPage_Click);
    connect(cmdCopyAll, &QPushButton::clicked, this, &frmBlastDesign::cmdCopyAll_Click);
    connect(cmdNextPage, &QPushButton::clicked, this, &frmBlastDesign::cmdNextPage_Click);
    connect(cmdPrevPage, &QPushButton::clicked, this, &frmBlastDesign::cmdPrevPage_Click);
    connect(cmdPrintPage, &QPushButton::clicked, this, &frmBlastDesign::cmdPrintPage_Click);
    connect(cmdPrintAll, &QPushButton::clicked, this, &frmBlastDesign::cmdPrintAll_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmBlastDesign::HScroll1_Change);
    connect(chkSort, &QCheckBox::toggled, this, &frmBlastDesign::chkSort_Click);
    connect(picBlast, &SectionPlot::MouseDown, this, &frmBlastDesign::picBlast_MouseDown);
    connect(picBlast, &SectionPlot::MouseMove, this, &frmBlastDesign::picBlast_MouseMove);
    connect(picBlast, &SectionPlot::MouseUp, this, &frmBlastDesign::picBlast_MouseUp);
    for (int i = 0; i < 7; ++i)
        connect(btnShow[size_t(i)], &QPushButton::clicked, this, [this, i] { btnShow_Click(i); });
    auto clicks = [this](auto &array, void (frmBlastDesign::*handler)(int)) {
        for (int i = 0; i < int(array.size()); ++i)
            connect(array[size_t(i)], &QRadioButton::toggled, this, [this, handler, i](bool on) {
                if (on)
                    (this->*handler)(i);
            });
    };
    clicks(optFortio, &frmBlastDesign::optFortio_Click);
    clicks(optEnausi, &frmBlastDesign::optEnausi_Click);
    clicks(optProduction, &frmBlastDesign::optProduction_Click);
    clicks(optDispMode, &frmBlastDesign::optDispMode_Click);

    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int now) {
        const int previous = m_shownTab;
        m_shownTab = now;
        SSTab1_Click(previous);
    });

    const std::pair<QLineEdit *, void (frmBlastDesign::*)()> changes[] = {
        {txtFortio, &frmBlastDesign::txtFortio_Change},
        {txtDiametros, &frmBlastDesign::txtDiametros_Change},
        {txtEpigomosi, &frmBlastDesign::txtEpigomosi_Change},
        {txtYpodiatrisi, &frmBlastDesign::txtYpodiatrisi_Change},
        {txtApostasi, &frmBlastDesign::txtApostasi_Change},
        {txtEpigD, &frmBlastDesign::txtEpigD_Change},
        {txtYpodD, &frmBlastDesign::txtYpodD_Change},
        {txtApostasiD, &frmBlastDesign::txtApostasiD_Change},
        {txtKatanalosiAnaEpivradynsi, &frmBlastDesign::txtKatanalosiAnaEpivradynsi_Change},
        {txtDistance, &frmBlastDesign::txtDistance_Change},
        {txtStatherak, &frmBlastDesign::txtStatherak_Change},
        {txtStatheran, &frmBlastDesign::txtStatheran_Change},
        {txtTaxytita, &frmBlastDesign::txtTaxytita_Change},
    };
    for (const auto &[edit, handler] : changes)
        connect(edit, &QLineEdit::textChanged, this, handler);
}

void frmBlastDesign::applyCaption(const QString &control, int tab, const QString &text)
{
    SetControlCaption(this, control, tab, text);
}

// ---------------------------------------------------------------------------------
// Snapshots of the controls

DesignInputs frmBlastDesign::designInputs() const
{
    DesignInputs in;
    in.txtFortio = txtFortio->text();
    in.txtDiametros = txtDiametros->text();
    in.txtEpigomosi = txtEpigomosi->text();
    in.txtYpodiatrisi = txtYpodiatrisi->text();
    in.txtApostasi = txtApostasi->text();
    in.txtEpigD = txtEpigD->text();
    in.txtYpodD = txtYpodD->text();
    in.txtApostasiD = txtApostasiD->text();
    in.txtEidvarek = txtEidvarek->text();
    in.txtEnisxysi = txtEnisxysi->text();
    in.txtEidvarEE = txtEidvarEE->text();
    in.txtEidvarPe = txtEidvarPe->text();
    in.txtYpsos = txtYpsos->text();
    in.txtParagogi = txtParagogi->text();
    in.txtDX = txtDX->text();
    in.txtDY = txtDY->text();
    in.txtMaxNperDelay = txtMaxNperDelay->text();
    in.cmbNoEpif = cmbNoEpif->currentText();
    in.txtSeires = txtSeires->text();
    in.txtCostExpl = txtCostExpl->text();
    in.txtCostCap = txtCostCap->text();
    in.txtCostInit = txtCostInit->text();
    in.txtCostBooster = txtCostBooster->text();
    in.txtCostDrill = txtCostDrill->text();
    in.SSTab2 = SSTab2->currentIndex();
    in.optEnausi = GetOptionIndex(options(optEnausi));
    in.optProduction = GetOptionIndex(options(optProduction));
    in.chkRound = chkRound->isChecked() ? 1 : 0;
    in.chkRound2 = chkRound2->isChecked() ? 1 : 0;
    in.chkMaxNDelay = chkMaxNDelay->isChecked() ? 1 : 0;
    in.chkSort = chkSort->isChecked() ? 1 : 0;
    return in;
}

VibrationTexts frmBlastDesign::vibrationTexts() const
{
    return {txtKatanalosiAnaEpivradynsi->text(), txtDistance->text(), txtStatherak->text(), txtStatheran->text()};
}

// ---------------------------------------------------------------------------------
// Load, activation, unload

void frmBlastDesign::Form_Load()
{
    OkPressed = false;
    Loading = true;
    LoadDesignControls();
    Loading = false;
    SSTab1->setCurrentIndex(0);
    CalcVibrationVelocity();
    ApplyLanguage();
}

void frmBlastDesign::LoadDesignControls()
{
    const DesignTexts t = DesignRecordTexts(project().BlastDesign);
    const DesignInputs &in = t.inputs;
    const VibrationTexts &v = t.vibration;

    // Each text raises its box's change handler: lengths, echoes and the enabled
    // states follow the loaded values.
    chkRound->setChecked(true);
    chkRound2->setChecked(true);
    chkMaxNDelay->setChecked(true);
    chkSort->setChecked(false);
    txtFortio->setText(in.txtFortio);
    txtDiametros->setText(in.txtDiametros);
    txtEpigomosi->setText(in.txtEpigomosi);
    txtYpodiatrisi->setText(in.txtYpodiatrisi);
    txtApostasi->setText(in.txtApostasi);
    SSTab2->setCurrentIndex(in.SSTab2);
    txtEpigD->setText(in.txtEpigD);
    txtYpodD->setText(in.txtYpodD);
    txtApostasiD->setText(in.txtApostasiD);
    txtEidvarek->setText(in.txtEidvarek);
    txtEidvarPe->setText(in.txtEidvarPe);
    txtYpsos->setText(in.txtYpsos);
    txtParagogi->setText(in.txtParagogi);
    txtMaxNperDelay->setText(in.txtMaxNperDelay);
    txtKatanalosiAnaEpivradynsi->setText(v.txtKatanalosiAnaEpivradynsi);
    txtDistance->setText(v.txtDistance);
    txtStatherak->setText(v.txtStatherak);
    txtStatheran->setText(v.txtStatheran);
    cmbNoEpif->clear();
    cmbNoEpif->addItems({QStringLiteral("1"), QStringLiteral("2")});
    cmbNoEpif->setEditText(in.cmbNoEpif);
    txtSeires->setText(in.txtSeires);
    txtEnisxysi->setText(in.txtEnisxysi);
    txtEidvarEE->setText(in.txtEidvarEE);
    txtCostCap->setText(in.txtCostCap);
    txtCostInit->setText(in.txtCostInit);
    txtCostDrill->setText(in.txtCostDrill);
    txtCostExpl->setText(in.txtCostExpl);
    txtCostBooster->setText(in.txtCostBooster);
    SetArrayIndex(options(optEnausi), in.optEnausi);
    SetArrayIndex(options(optProduction), in.optProduction);
    txtDX->setText(in.txtDX);
    txtDY->setText(in.txtDY);
    SetArrayIndex(options(optDispMode), 0);
    optDispMode_Click(0);
}

void frmBlastDesign::ReadDesignControls()
{
    ReadDesignRecord(designInputs(), vibrationTexts(), project().CurDesign, false);
}

// Runs when a calculator opened from btnShow has closed: the design takes its burden.
void frmBlastDesign::Form_Activate()
{
    if (!BurdenPending)
        return;
    BurdenPending = false;
    optFortio_Click(BurdenSource);
    if (BurdenSource >= 0 && BurdenSource < int(optFortio.size()) && !optFortio[size_t(BurdenSource)]->isChecked())
        optFortio[size_t(BurdenSource)]->setChecked(true);
}

void frmBlastDesign::done(int r)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    QDialog::done(r);
}

void frmBlastDesign::Form_Unload()
{
    if (!OkPressed)
        return;
    ProjectState &p = project();
    // The checks that let OK through keep every value within what the record holds.
    if (!ReadDesignRecord(designInputs(), vibrationTexts(), p.BlastDesign, true))
        return;
    // The project's velocity is the estimate on the vibration tab, to two decimals; with
    // no estimate (unusable vibration inputs) the project keeps its own.
    if (!txtTaxytita->text().isEmpty())
        if (const auto v = StoredVelocity(txtTaxytita->text()))
            p.VibVelocity = *v;
    LogMessage(QStringLiteral("Blast Design Parameters Modified"));
    MarkProjectChanged();
}

// ---------------------------------------------------------------------------------
// Buttons

void frmBlastDesign::cmdOK_Click()
{
    if (!ValidateDesignInputs())
        return;
    if (!reportFailure(ValidateStoredValues(designInputs(), vibrationTexts())))
        return;
    OkPressed = true;
    accept();
}

void frmBlastDesign::cmdCancel_Click()
{
    OkPressed = false;
    reject();
}

void frmBlastDesign::cmdHelp_Click() { ShowHelpHint(); }

void frmBlastDesign::cmdCopyPage_Click()
{
    if (CurrentPage < 0 || CurrentPage >= int(reportPages().OutBuf.size()))
        return;
    if (IClipboard *clip = services().clipboard.get())
        clip->setText(reportPages().OutBuf[size_t(CurrentPage)]);
    LogMessage(QStringLiteral("Output page # %1 copied to clipboard").arg(CurrentPage));
}

void frmBlastDesign::btnShow_Click(int Index)
{
    if (Index < 0 || Index >= kCalculatorCount)
        return;
    BurdenSource = Index;
    if (settings().ShowBurdenCalcWarning == 1)
        MsgBox(Lang(QStringLiteral("Attention: Burden parameters are not automatically transfered from the Blast Design Form"),
                    QStringLiteral("Προσοχή: Οι παράμετροι υπολογισμού φορτίου δεν λαμβάνονται αυτόματα από τη φόρμα "
                                   "σχεδιασμού ανατινάξεων")),
               mb::OkOnly);
    BurdenPending = true;
    OpenCalculator(Index, this);
    // The calculator is modal: when it returns, this window is active again.
    Form_Activate();
}

// ---------------------------------------------------------------------------------
// Options

void frmBlastDesign::optFortio_Click(int Index)
{
    for (QLineEdit *e : {txtDiametros, txtEidvarek, txtEidvarPe})
        setTextColour(e, kBlack);
    if (Index < 0 || Index >= 7) {
        txtFortio->setEnabled(true);
        txtDiametros->setReadOnly(false);
        return;
    }
    const auto values = BurdenFromCalculator(Index, CalculatorResultText(Index), project());
    if (!values)
        return;
    txtFortio->setText(values->burden);
    txtFortio->setEnabled(false);
    txtDiametros->setReadOnly(false);
    setTextColour(txtDiametros, kRed);
    txtDiametros->setText(values->diameter);
    txtDiametros->setReadOnly(true);
    if (values->explosiveDensity) {
        txtEidvarek->setText(*values->explosiveDensity);
        setTextColour(txtEidvarek, kRed);
    }
    if (values->rockDensity) {
        txtEidvarPe->setText(*values->rockDensity);
        setTextColour(txtEidvarPe, kRed);
    }
}

void frmBlastDesign::optEnausi_Click(int Index)
{
    // Diagonal and V cut: the layout search sets the spacing.
    const bool spacingTyped = Index != 2 && Index != 3;
    txtApostasi->setEnabled(spacingTyped);
    txtApostasiD->setEnabled(spacingTyped);
}

void frmBlastDesign::optProduction_Click(int Index) { EnableProductionInputs(Index); }

void frmBlastDesign::EnableProductionInputs(int Index)
{
    const bool grid = Index > 0;
    txtDX->setEnabled(grid);
    txtDY->setEnabled(grid);
    txtParagogi->setEnabled(!grid);
}

void frmBlastDesign::optDispMode_Click(int Index)
{
    const bool pages = Index != 0;
    if (pages) {
        grdOutput->hide();
        RichTextBox1->show();
        LoadOutBuf0(0);
        CurrentPage = 2;
        Loadbuffer();
        updatePageButtons();
    } else {
        grdOutput->show();
        RichTextBox1->hide();
    }
    if (settings().ShowAllBlastDesign == 1)
        HScroll1->setVisible(!pages);
    for (QPushButton *b : {cmdNextPage, cmdPrevPage, cmdCopyAll, cmdCopyPage, cmdPrintAll, cmdPrintPage})
        b->setVisible(pages);
}

void frmBlastDesign::Loadbuffer()
{
    if (CurrentPage >= 0 && CurrentPage < int(reportPages().OutBuf.size()))
        RichTextBox1->setPlainText(reportPages().OutBuf[size_t(CurrentPage)]);
    // The page is for reading: no typing into it, and no wrapping of its lines.
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setLineWrapMode(QTextEdit::NoWrap);
}

// ---------------------------------------------------------------------------------
// Report pages

int frmBlastDesign::lastPage() const
{
    return std::clamp(int(appState().LastPage), 0, int(reportPages().OutBuf.size()) - 1);
}

void frmBlastDesign::updatePageButtons()
{
    cmdPrevPage->setEnabled(CurrentPage > 0);
    cmdNextPage->setEnabled(CurrentPage < lastPage());
}

void frmBlastDesign::cmdNextPage_Click()
{
    if (CurrentPage < lastPage()) {
        ++CurrentPage;
        Loadbuffer();
    }
    cmdPrevPage->setEnabled(true);
    cmdNextPage->setEnabled(CurrentPage < lastPage());
}

void frmBlastDesign::cmdPrevPage_Click()
{
    if (CurrentPage >= 1) {
        --CurrentPage;
        Loadbuffer();
    }
    cmdNextPage->setEnabled(true);
    cmdPrevPage->setEnabled(CurrentPage != 0);
}

void frmBlastDesign::cmdPrintPage_Click()
{
    LogMessage(QStringLiteral("Current page printed"));
    PrintPages(CurrentPage, CurrentPage);
    Loadbuffer();
}

void frmBlastDesign::cmdPrintAll_Click()
{
    LogMessage(QStringLiteral("All pages printed"));
    PrintPages(0, lastPage());
    Loadbuffer();
}

void frmBlastDesign::cmdCopyAll_Click()
{
    QString text;
    for (int page = 0; page <= lastPage(); ++page)
        text += reportPages().OutBuf[size_t(page)];
    if (IClipboard *clip = services().clipboard.get())
        clip->setText(text);
    LogMessage(QStringLiteral("Output copied to clipboard"));
}

void frmBlastDesign::PrintPages(int FromPage, int ToPage)
{
    PrintAborted = false;
    // Each step under the error tail: false when the handler's answer leaves.
    auto step = [this](const std::function<void()> &statement) { return TailStatement(statement, &PrintAborted); };

    // The print dialog; its Cancel is error 32755, which the handler answers silently.
    if (!step([] {
            IFileDialog *dialog = services().fileDialog.get();
            if (!dialog || !dialog->printerSetup())
                throw RuntimeError(err::DialogCancel);
        }))
        return;
    if (PrintAborted) {
        LogMessage(QStringLiteral("Printing aborted"));
        return;
    }

    QString text;
    for (int page = std::max(0, FromPage); page <= std::min(ToPage, lastPage()); ++page)
        text += reportPages().OutBuf[size_t(page)];
    PrintDocument(text, [&step](const std::function<void()> &printStep) {
        return step([&] {
            WaitCursor busy;
            printStep();
        });
    });
}

// ---------------------------------------------------------------------------------
// Tabs

void frmBlastDesign::SSTab1_Click(int PreviousTab)
{
    // 1. Leaving the input tab runs the design; the scroll bar then stands at the
    // alternative the run selected (its report is already on the pages).
    if (PreviousTab == 0 && PrepareDesignCalc())
        setScrollPosition(m_session.SelectedAlternative());

    // 2. The result tab shows the alternatives scroll bar when all designs are shown,
    // and selects the alternative at its position.
    if (settings().ShowAllBlastDesign == 1 && SSTab1->currentIndex() == 1) {
        ScrollLock = true;
        HScroll1->setVisible(true);
        HScroll1->setMinimum(1);
        HScroll1->setMaximum(AlternativeCount);
        ScrollLock = false;
        HScroll1_Change();
    }

    // 3. The drawing tab reads the controls and redraws the section.
    if (SSTab1->currentIndex() == 3 && ValidateDesignInputs()) {
        ReadDesignControls();
        RescalePlot(true);
    }
}

bool frmBlastDesign::PrepareDesignCalc()
{
    if (!ValidateDesignInputs())
        return false;
    const DesignOutcome o = m_session.RunDesign(designInputs());
    AlternativeCount = m_session.AlternativeCount();
    showOutcome(o);
    // The spacing notice of the search belongs to the layouts it found.
    const QString warning = o.scrollValue > 0 ? m_session.SpacingWarning() : QString();
    lblSpacingWarning->setText(warning);
    lblSpacingWarning->setVisible(!warning.isEmpty());
    ReadDesignControls();
    RescalePlot(true);
    if (o.scrollValue < 1) {
        // A refused run, or one that found no layout near the target, selects nothing:
        // there is nothing to page through until the next run.
        HScroll1->setEnabled(false);
        return false;
    }
    return true;
}

void frmBlastDesign::setScrollPosition(int value)
{
    ScrollLock = true;
    HScroll1->setMinimum(1);
    HScroll1->setMaximum(AlternativeCount);
    HScroll1->setValue(value);
    ScrollLock = false;
    HScroll1->setEnabled(true);
}

void frmBlastDesign::HScroll1_Change()
{
    if (ScrollLock)
        return;
    // Paging goes on from a selected layout, to a position that names an alternative.
    const int k = HScroll1->value();
    if (m_session.SelectedAlternative() < 1 || k < 1 || k > m_session.AlternativeCount())
        return;
    const DesignOutcome o = m_session.SelectAlternative(k, designInputs());
    if (o.status == DesignStatus::InvalidAlternative)
        return;
    showOutcome(o);
    ReadDesignControls();
    RescalePlot(true);
}

void frmBlastDesign::chkSort_Click()
{
    const DesignOutcome o = m_session.SortAlternatives(designInputs());
    if (o.status == DesignStatus::NotSorted || o.scrollValue < 1)
        return;
    // The sort has selected the alternative now first: the closest to the target.
    showOutcome(o);
    ReadDesignControls();
    RescalePlot(true);
    setScrollPosition(o.scrollValue);
}

void frmBlastDesign::showOutcome(const DesignOutcome &o)
{
    fillGrid(m_session.grid());
    if (o.hasDelayCharge)
        txtKatanalosiAnaEpivradynsi->setText(o.delayChargeText);
    // The page on view belongs to the layout of the moment.
    if (!RichTextBox1->isHidden())
        Loadbuffer();
    if (o.showMessage)
        MsgBox(o.message(IsEnglish()), mb::Exclamation | mb::OkOnly);
}

void frmBlastDesign::fillGrid(const ReportGrid &grid)
{
    grdOutput->clearContents();
    grdOutput->setColumnCount(grid.Cols);
    grdOutput->setRowCount(grid.Rows());
    const QBrush fixedBack = grdOutput->palette().button();
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols; ++c) {
            auto *item = new QTableWidgetItem(grid.TextMatrix(r, c));
            if (r < grid.FixedRows) {
                item->setBackground(fixedBack);
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            grdOutput->setItem(r, c, item);
        }
    }
    // Widths are in twips, 15 to the pixel.
    for (int c = 0; c < grid.Cols && c < int(grid.ColWidths.size()); ++c)
        grdOutput->setColumnWidth(c, grid.ColWidths[size_t(c)] / 15);
}

// ---------------------------------------------------------------------------------
// Section drawing

void frmBlastDesign::RescalePlot(bool Fit)
{
    Q_UNUSED(Fit);
    PlotView.ScaleWidth = picBlast->ScaleWidth();
    PlotView.ScaleHeight = picBlast->ScaleHeight();
    const SectionInputs in = SectionInputsFrom(m_session.runState(), project().CurDesign.BenchHeight);
    picBlast->Cls();
    picBlast->setLines(::RescalePlot(PlotView, in));
}

void frmBlastDesign::picBlast_MouseDown(int Button, int Shift, float X, float Y)
{
    PlotView.Dragging = true;
    picBlast->Cls();
    MoveAxesOrigin(PlotView, X, Y);
}

void frmBlastDesign::picBlast_MouseMove(int Button, int Shift, float X, float Y)
{
    lblCoord->setText(CoordinateCaption(PlotView, X, Y, settings().EnglishMenus != 0));
    if (settings().ShowInternalPlotCoords == 1)
        lblIntCoord->setText(InternalCoordinateCaption(X, Y, settings().EnglishMenus != 0));
    if (PlotView.Dragging)
        MoveAxesOrigin(PlotView, X, Y);
}

void frmBlastDesign::picBlast_MouseUp(int Button, int Shift, float X, float Y)
{
    PlotView.Dragging = false;
    if (PlotView.HasWindow())
        picBlast->setLines(
            DrawSectionView(PlotView, SectionInputsFrom(m_session.runState(), project().CurDesign.BenchHeight)));
}

// ---------------------------------------------------------------------------------
// Checks

bool frmBlastDesign::ValidateDesignInputs() { return reportFailure(::ValidateDesignInputs(designInputs())); }

bool frmBlastDesign::reportFailure(const std::optional<DesignCheckFailure> &failure)
{
    if (!failure)
        return true;
    // The numeric test names no field and changes no tab.
    if (!failure->control.isEmpty()) {
        if (failure->tabControl == QLatin1String("SSTab1")) {
            // Showing a field of another tab is no reason to run the design.
            const QSignalBlocker quiet(SSTab1);
            SSTab1->setCurrentIndex(failure->tab);
            m_shownTab = SSTab1->currentIndex();
        } else {
            SSTab1->setCurrentIndex(0);
            if (failure->tabControl == QLatin1String("SSTab2"))
                SSTab2->setCurrentIndex(failure->tab);
            else if (failure->tabControl == QLatin1String("SSTab3"))
                SSTab3->setCurrentIndex(failure->tab);
        }
    }
    MsgBox(failure->message, mb::Critical | mb::OkOnly);
    focusField(failure->control);
    return false;
}

void frmBlastDesign::focusField(const QString &control)
{
    if (control.isEmpty())
        return;
    QWidget *w = findChild<QWidget *>(control);
    if (!w)
        return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->selectAll();
}

bool frmBlastDesign::ValidateVibrationInputs()
{
    const auto failure = ::ValidateVibrationInputs(vibrationTexts());
    if (!failure)
        return true;
    MsgBox(failure->message, mb::Critical | mb::OkOnly);
    focusField(failure->control);
    return false;
}

// ---------------------------------------------------------------------------------
// Live estimate and labels

void frmBlastDesign::CalcVibrationVelocity()
{
    if (!ValidateVibrationInputs())
        return;
    if (const auto text = VelocityText(vibrationTexts()))
        txtTaxytita->setText(*text);
}

void frmBlastDesign::UpdateCoefficientLabels()
{
    const CoefficientTexts texts{txtFortio->text(),   txtDiametros->text(), txtEpigomosi->text(),   txtEpigD->text(),
                                 txtApostasi->text(), txtApostasiD->text(), txtYpodiatrisi->text(), txtYpodD->text()};
    const std::array<QLabel *, kCoefficientLabelCount> labels = {Label27, Label49, Label34, Label51, Label33, Label50};
    CoefficientLabels current;
    for (size_t i = 0; i < labels.size(); ++i)
        current[i] = labels[i]->text();
    const CoefficientLabels next = CoefficientLabelTexts(texts, current, Loading);
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(next[i]);
}

void frmBlastDesign::txtFortio_Change() { UpdateCoefficientLabels(); }
void frmBlastDesign::txtDiametros_Change() { UpdateCoefficientLabels(); }
void frmBlastDesign::txtEpigomosi_Change() { UpdateCoefficientLabels(); }
void frmBlastDesign::txtYpodiatrisi_Change() { UpdateCoefficientLabels(); }
void frmBlastDesign::txtApostasi_Change() { UpdateCoefficientLabels(); }
void frmBlastDesign::txtEpigD_Change() { UpdateCoefficientLabels(); }
void frmBlastDesign::txtYpodD_Change() { UpdateCoefficientLabels(); }
void frmBlastDesign::txtApostasiD_Change() { UpdateCoefficientLabels(); }

void frmBlastDesign::txtKatanalosiAnaEpivradynsi_Change()
{
    if (const auto text = ChargeEcho(txtKatanalosiAnaEpivradynsi->text()))
        Label29->setText(*text);
    if (!Loading)
        CalcVibrationVelocity();
}

void frmBlastDesign::txtDistance_Change()
{
    if (const auto text = DistanceEcho(txtDistance->text()))
        Label31->setText(*text);
    if (!Loading)
        CalcVibrationVelocity();
}

void frmBlastDesign::txtStatherak_Change()
{
    if (!Loading)
        CalcVibrationVelocity();
}

void frmBlastDesign::txtStatheran_Change()
{
    if (!Loading)
        CalcVibrationVelocity();
}

void frmBlastDesign::txtTaxytita_Change()
{
    if (const auto text = VelocityEcho(txtTaxytita->text()))
        Label18->setText(*text);
}

// ---------------------------------------------------------------------------------
// Captions

void frmBlastDesign::ApplyLanguage()
{
    for (const CaptionText &c : DesignCaptionsFor(settings().EnglishMenus))
        applyCaption(c.control, c.tab, c.text);
}

// ---------------------------------------------------------------------------------

void OpenBlastDesign(QWidget *owner)
{
    try {
        frmBlastDesign window(owner);
        window.exec();
    } catch (const RuntimeError &e) {
        ErrorHandler(true, e);
    }
}
