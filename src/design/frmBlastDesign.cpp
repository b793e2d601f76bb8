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
#include "design/frmBlastDesignUi.h"
#include "platform/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

#include <algorithm>
#include <functional>

namespace {

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

frmBlastDesign::frmBlastDesign(QWidget *owner) : GuardedDialog(owner), ui(std::make_unique<Ui_frmBlastDesign>())
{
    ui->setupUi(this);
    CenterForm(this);
    // The burden source starts with the user's own value; calculators that do not
    // exist yet cannot be chosen.
    ui->optFortio[7]->setChecked(true);
    for (int i = 0; i < kCalculatorCount && i < 7; ++i) {
        ui->optFortio[size_t(i)]->setEnabled(CalculatorAvailable(i));
        ui->btnShow[size_t(i)]->setEnabled(CalculatorAvailable(i));
    }
    connectHandlers();
    Form_Load();
    // The first tab page was laid out as it was added to SSTab1, before its frames had
    // their titles and its tabs their language; a tab widget passes a new size on only
    // once it is shown, so the window took its size from the old ones and grew as it
    // appeared. The tab widgets' sizes kept since then, and the sums the layouts made of
    // them, are dropped: the window opens at the size it needs.
    for (QTabWidget *tabs : findChildren<QTabWidget *>())
        tabs->updateGeometry();
    for (QLayout *layout : findChildren<QLayout *>())
        layout->invalidate();
}

frmBlastDesign::~frmBlastDesign() = default;

// ---------------------------------------------------------------------------------
// Handlers

void frmBlastDesign::connectHandlers()
{
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmBlastDesign::cmdOK_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmBlastDesign::cmdCancel_Click);
    connect(ui->cmdHelp, &QPushButton::clicked, this, &frmBlastDesign::cmdHelp_Click);
    connect(ui->cmdCopyPage, &QPushButton::clicked, this, &frmBlastDesign::cmdCopyPage_Click);
    connect(ui->cmdCopyAll, &QPushButton::clicked, this, &frmBlastDesign::cmdCopyAll_Click);
    connect(ui->cmdNextPage, &QPushButton::clicked, this, &frmBlastDesign::cmdNextPage_Click);
    connect(ui->cmdPrevPage, &QPushButton::clicked, this, &frmBlastDesign::cmdPrevPage_Click);
    connect(ui->cmdPrintPage, &QPushButton::clicked, this, &frmBlastDesign::cmdPrintPage_Click);
    connect(ui->cmdPrintAll, &QPushButton::clicked, this, &frmBlastDesign::cmdPrintAll_Click);
    connect(ui->HScroll1, &QScrollBar::valueChanged, this, &frmBlastDesign::HScroll1_Change);
    connect(ui->chkSort, &QCheckBox::toggled, this, &frmBlastDesign::chkSort_Click);
    connect(ui->picBlast, &SectionPlot::MouseDown, this, &frmBlastDesign::picBlast_MouseDown);
    connect(ui->picBlast, &SectionPlot::MouseMove, this, &frmBlastDesign::picBlast_MouseMove);
    connect(ui->picBlast, &SectionPlot::MouseUp, this, &frmBlastDesign::picBlast_MouseUp);
    for (int i = 0; i < 7; ++i)
        connect(ui->btnShow[size_t(i)], &QPushButton::clicked, this, [this, i] { btnShow_Click(i); });
    const std::pair<QList<QRadioButton *>, void (frmBlastDesign::*)(int)> clicks[] = {
        {options(ui->optFortio), &frmBlastDesign::optFortio_Click},
        {options(ui->optEnausi), &frmBlastDesign::optEnausi_Click},
        {options(ui->optProduction), &frmBlastDesign::optProduction_Click},
        {options(ui->optDispMode), &frmBlastDesign::optDispMode_Click},
    };
    for (const auto &[array, handler] : clicks)
        ConnectOptionArray(this, array, [this, handler](int i) { (this->*handler)(i); });

    connect(ui->SSTab1, &QTabWidget::currentChanged, this, [this](int now) {
        const int previous = m_shownTab;
        m_shownTab = now;
        SSTab1_Click(previous);
    });

    const std::pair<QLineEdit *, void (frmBlastDesign::*)()> changes[] = {
        {ui->txtFortio, &frmBlastDesign::txtFortio_Change},
        {ui->txtDiametros, &frmBlastDesign::txtDiametros_Change},
        {ui->txtEpigomosi, &frmBlastDesign::txtEpigomosi_Change},
        {ui->txtYpodiatrisi, &frmBlastDesign::txtYpodiatrisi_Change},
        {ui->txtApostasi, &frmBlastDesign::txtApostasi_Change},
        {ui->txtEpigD, &frmBlastDesign::txtEpigD_Change},
        {ui->txtYpodD, &frmBlastDesign::txtYpodD_Change},
        {ui->txtApostasiD, &frmBlastDesign::txtApostasiD_Change},
        {ui->txtKatanalosiAnaEpivradynsi, &frmBlastDesign::txtKatanalosiAnaEpivradynsi_Change},
        {ui->txtDistance, &frmBlastDesign::txtDistance_Change},
        {ui->txtStatherak, &frmBlastDesign::txtStatherak_Change},
        {ui->txtStatheran, &frmBlastDesign::txtStatheran_Change},
        {ui->txtTaxytita, &frmBlastDesign::txtTaxytita_Change},
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
    in.txtFortio = ui->txtFortio->text();
    in.txtDiametros = ui->txtDiametros->text();
    in.txtEpigomosi = ui->txtEpigomosi->text();
    in.txtYpodiatrisi = ui->txtYpodiatrisi->text();
    in.txtApostasi = ui->txtApostasi->text();
    in.txtEpigD = ui->txtEpigD->text();
    in.txtYpodD = ui->txtYpodD->text();
    in.txtApostasiD = ui->txtApostasiD->text();
    in.txtEidvarek = ui->txtEidvarek->text();
    in.txtEnisxysi = ui->txtEnisxysi->text();
    in.txtEidvarEE = ui->txtEidvarEE->text();
    in.txtEidvarPe = ui->txtEidvarPe->text();
    in.txtYpsos = ui->txtYpsos->text();
    in.txtParagogi = ui->txtParagogi->text();
    in.txtDX = ui->txtDX->text();
    in.txtDY = ui->txtDY->text();
    in.txtMaxNperDelay = ui->txtMaxNperDelay->text();
    in.cmbNoEpif = ui->cmbNoEpif->currentText();
    in.txtSeires = ui->txtSeires->text();
    in.txtCostExpl = ui->txtCostExpl->text();
    in.txtCostCap = ui->txtCostCap->text();
    in.txtCostInit = ui->txtCostInit->text();
    in.txtCostBooster = ui->txtCostBooster->text();
    in.txtCostDrill = ui->txtCostDrill->text();
    in.SSTab2 = ui->SSTab2->currentIndex();
    in.optEnausi = GetOptionIndex(options(ui->optEnausi));
    in.optProduction = GetOptionIndex(options(ui->optProduction));
    in.chkRound = ui->chkRound->isChecked() ? 1 : 0;
    in.chkRound2 = ui->chkRound2->isChecked() ? 1 : 0;
    in.chkMaxNDelay = ui->chkMaxNDelay->isChecked() ? 1 : 0;
    in.chkSort = ui->chkSort->isChecked() ? 1 : 0;
    return in;
}

VibrationTexts frmBlastDesign::vibrationTexts() const
{
    return {ui->txtKatanalosiAnaEpivradynsi->text(), ui->txtDistance->text(), ui->txtStatherak->text(),
            ui->txtStatheran->text()};
}

// ---------------------------------------------------------------------------------
// Load, activation, unload

void frmBlastDesign::Form_Load()
{
    OkPressed = false;
    Loading = true;
    LoadDesignControls();
    Loading = false;
    ui->SSTab1->setCurrentIndex(0);
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
    ui->chkRound->setChecked(true);
    ui->chkRound2->setChecked(true);
    ui->chkMaxNDelay->setChecked(true);
    ui->chkSort->setChecked(false);
    ui->txtFortio->setText(in.txtFortio);
    ui->txtDiametros->setText(in.txtDiametros);
    ui->txtEpigomosi->setText(in.txtEpigomosi);
    ui->txtYpodiatrisi->setText(in.txtYpodiatrisi);
    ui->txtApostasi->setText(in.txtApostasi);
    ui->SSTab2->setCurrentIndex(in.SSTab2);
    ui->txtEpigD->setText(in.txtEpigD);
    ui->txtYpodD->setText(in.txtYpodD);
    ui->txtApostasiD->setText(in.txtApostasiD);
    ui->txtEidvarek->setText(in.txtEidvarek);
    ui->txtEidvarPe->setText(in.txtEidvarPe);
    ui->txtYpsos->setText(in.txtYpsos);
    ui->txtParagogi->setText(in.txtParagogi);
    ui->txtMaxNperDelay->setText(in.txtMaxNperDelay);
    ui->txtKatanalosiAnaEpivradynsi->setText(v.txtKatanalosiAnaEpivradynsi);
    ui->txtDistance->setText(v.txtDistance);
    ui->txtStatherak->setText(v.txtStatherak);
    ui->txtStatheran->setText(v.txtStatheran);
    ui->cmbNoEpif->clear();
    ui->cmbNoEpif->addItems({QStringLiteral("1"), QStringLiteral("2")});
    ui->cmbNoEpif->setEditText(in.cmbNoEpif);
    ui->txtSeires->setText(in.txtSeires);
    ui->txtEnisxysi->setText(in.txtEnisxysi);
    ui->txtEidvarEE->setText(in.txtEidvarEE);
    ui->txtCostCap->setText(in.txtCostCap);
    ui->txtCostInit->setText(in.txtCostInit);
    ui->txtCostDrill->setText(in.txtCostDrill);
    ui->txtCostExpl->setText(in.txtCostExpl);
    ui->txtCostBooster->setText(in.txtCostBooster);
    SetArrayIndex(options(ui->optEnausi), in.optEnausi);
    SetArrayIndex(options(ui->optProduction), in.optProduction);
    ui->txtDX->setText(in.txtDX);
    ui->txtDY->setText(in.txtDY);
    SetArrayIndex(options(ui->optDispMode), 0);
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
    if (BurdenSource >= 0 && BurdenSource < int(ui->optFortio.size())
        && !ui->optFortio[size_t(BurdenSource)]->isChecked())
        ui->optFortio[size_t(BurdenSource)]->setChecked(true);
}

void frmBlastDesign::unloading(int)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
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
    if (!ui->txtTaxytita->text().isEmpty())
        if (const auto v = StoredVelocity(ui->txtTaxytita->text()))
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
    services().clipboard->setText(reportPages().OutBuf[size_t(CurrentPage)]);
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
    const QPointer<frmBlastDesign> self(this);
    OpenCalculator(Index, this);
    // The calculator is modal: when it returns, this window is active again.
    if (self)
        Form_Activate();
}

// ---------------------------------------------------------------------------------
// Options

void frmBlastDesign::optFortio_Click(int Index)
{
    for (QLineEdit *e : {ui->txtDiametros, ui->txtEidvarek, ui->txtEidvarPe})
        setTextColour(e, kBlack);
    if (Index < 0 || Index >= 7) {
        ui->txtFortio->setEnabled(true);
        ui->txtDiametros->setReadOnly(false);
        return;
    }
    const auto values = BurdenFromCalculator(Index, CalculatorResultText(Index), project());
    if (!values)
        return;
    ui->txtFortio->setText(values->burden);
    ui->txtFortio->setEnabled(false);
    ui->txtDiametros->setReadOnly(false);
    setTextColour(ui->txtDiametros, kRed);
    ui->txtDiametros->setText(values->diameter);
    ui->txtDiametros->setReadOnly(true);
    if (values->explosiveDensity) {
        ui->txtEidvarek->setText(*values->explosiveDensity);
        setTextColour(ui->txtEidvarek, kRed);
    }
    if (values->rockDensity) {
        ui->txtEidvarPe->setText(*values->rockDensity);
        setTextColour(ui->txtEidvarPe, kRed);
    }
}

void frmBlastDesign::optEnausi_Click(int Index)
{
    // Diagonal and V cut: the layout search sets the spacing.
    const bool spacingTyped = Index != 2 && Index != 3;
    ui->txtApostasi->setEnabled(spacingTyped);
    ui->txtApostasiD->setEnabled(spacingTyped);
}

void frmBlastDesign::optProduction_Click(int Index) { EnableProductionInputs(Index); }

void frmBlastDesign::EnableProductionInputs(int Index)
{
    const bool grid = Index > 0;
    ui->txtDX->setEnabled(grid);
    ui->txtDY->setEnabled(grid);
    ui->txtParagogi->setEnabled(!grid);
}

void frmBlastDesign::optDispMode_Click(int Index)
{
    const bool pages = Index != 0;
    if (pages) {
        ui->grdOutput->hide();
        ui->RichTextBox1->show();
        LoadOutBuf0(0);
        CurrentPage = 2;
        Loadbuffer();
        updatePageButtons();
    } else {
        ui->grdOutput->show();
        ui->RichTextBox1->hide();
    }
    if (settings().ShowAllBlastDesign == 1)
        ui->HScroll1->setVisible(!pages);
    for (QPushButton *b :
         {ui->cmdNextPage, ui->cmdPrevPage, ui->cmdCopyAll, ui->cmdCopyPage, ui->cmdPrintAll, ui->cmdPrintPage})
        b->setVisible(pages);
}

void frmBlastDesign::Loadbuffer()
{
    if (CurrentPage >= 0 && CurrentPage < int(reportPages().OutBuf.size()))
        ui->RichTextBox1->setPlainText(reportPages().OutBuf[size_t(CurrentPage)]);
    // The page is for reading: no typing into it, and no wrapping of its lines.
    ui->RichTextBox1->setReadOnly(true);
    ui->RichTextBox1->setLineWrapMode(QTextEdit::NoWrap);
}

// ---------------------------------------------------------------------------------
// Report pages

int frmBlastDesign::lastPage() const
{
    return std::clamp(int(appState().LastPage), 0, int(reportPages().OutBuf.size()) - 1);
}

void frmBlastDesign::updatePageButtons()
{
    ui->cmdPrevPage->setEnabled(CurrentPage > 0);
    ui->cmdNextPage->setEnabled(CurrentPage < lastPage());
}

void frmBlastDesign::cmdNextPage_Click()
{
    if (CurrentPage < lastPage()) {
        ++CurrentPage;
        Loadbuffer();
    }
    ui->cmdPrevPage->setEnabled(true);
    ui->cmdNextPage->setEnabled(CurrentPage < lastPage());
}

void frmBlastDesign::cmdPrevPage_Click()
{
    if (CurrentPage >= 1) {
        --CurrentPage;
        Loadbuffer();
    }
    ui->cmdNextPage->setEnabled(true);
    ui->cmdPrevPage->setEnabled(CurrentPage != 0);
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
    services().clipboard->setText(text);
    LogMessage(QStringLiteral("Output copied to clipboard"));
}

void frmBlastDesign::PrintPages(int FromPage, int ToPage)
{
    PrintAborted = false;
    // Each step under the error tail: false when the handler's answer leaves.
    auto step = [this](const std::function<void()> &statement) { return TailStatement(statement, &PrintAborted); };

    // The print dialog; its Cancel is error 32755, which the handler answers silently.
    if (!step([] {
            if (!services().fileDialog->printerSetup())
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
    if (settings().ShowAllBlastDesign == 1 && ui->SSTab1->currentIndex() == 1) {
        ScrollLock = true;
        ui->HScroll1->setVisible(true);
        ui->HScroll1->setMinimum(1);
        ui->HScroll1->setMaximum(AlternativeCount);
        ScrollLock = false;
        HScroll1_Change();
    }

    // 3. The drawing tab reads the controls and redraws the section.
    if (ui->SSTab1->currentIndex() == 3 && ValidateDesignInputs()) {
        ReadDesignControls();
        RescalePlot(true);
    }
}

bool frmBlastDesign::PrepareDesignCalc()
{
    if (!ValidateDesignInputs())
        return false;
    const DesignOutcome o = m_session.RunDesign(designInputs());
    storeReportPages();
    AlternativeCount = m_session.AlternativeCount();
    showOutcome(o);
    // The spacing notice of the search belongs to the layouts it found.
    const QString warning = o.scrollValue > 0 ? m_session.SpacingWarning() : QString();
    ui->lblSpacingWarning->setText(warning);
    ui->lblSpacingWarning->setVisible(!warning.isEmpty());
    ReadDesignControls();
    RescalePlot(true);
    if (o.scrollValue < 1) {
        // A refused run, or one that found no layout near the target, selects nothing:
        // there is nothing to page through until the next run.
        ui->HScroll1->setEnabled(false);
        return false;
    }
    return true;
}

void frmBlastDesign::setScrollPosition(int value)
{
    ScrollLock = true;
    ui->HScroll1->setMinimum(1);
    ui->HScroll1->setMaximum(AlternativeCount);
    ui->HScroll1->setValue(value);
    ScrollLock = false;
    ui->HScroll1->setEnabled(true);
}

void frmBlastDesign::HScroll1_Change()
{
    if (ScrollLock)
        return;
    // Paging goes on from a selected layout, to a position that names an alternative.
    const int k = ui->HScroll1->value();
    if (m_session.SelectedAlternative() < 1 || k < 1 || k > m_session.AlternativeCount())
        return;
    const DesignOutcome o = m_session.SelectAlternative(k, designInputs());
    storeReportPages();
    if (o.status == DesignStatus::InvalidAlternative)
        return;
    showOutcome(o);
    ReadDesignControls();
    RescalePlot(true);
}

void frmBlastDesign::chkSort_Click()
{
    const DesignOutcome o = m_session.SortAlternatives(designInputs());
    storeReportPages();
    if (o.status == DesignStatus::NotSorted || o.scrollValue < 1)
        return;
    // The sort has selected the alternative now first: the closest to the target.
    showOutcome(o);
    ReadDesignControls();
    RescalePlot(true);
    setScrollPosition(o.scrollValue);
}

void frmBlastDesign::storeReportPages()
{
    reportPages().OutBuf[1] = m_session.ReportPage(1);
    reportPages().OutBuf[2] = m_session.ReportPage(2);
}

void frmBlastDesign::showOutcome(const DesignOutcome &o)
{
    fillGrid(m_session.grid());
    if (o.hasDelayCharge)
        ui->txtKatanalosiAnaEpivradynsi->setText(o.delayChargeText);
    // The page on view belongs to the layout of the moment.
    if (!ui->RichTextBox1->isHidden())
        Loadbuffer();
    if (o.showMessage)
        MsgBox(o.message(IsEnglish()), mb::Exclamation | mb::OkOnly);
}

void frmBlastDesign::fillGrid(const ReportGrid &grid)
{
    ui->grdOutput->clearContents();
    ui->grdOutput->setColumnCount(grid.Cols);
    ui->grdOutput->setRowCount(grid.Rows());
    const QBrush fixedBack = ui->grdOutput->palette().button();
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols; ++c) {
            auto *item = new QTableWidgetItem(grid.TextMatrix(r, c));
            if (r < grid.FixedRows) {
                item->setBackground(fixedBack);
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            ui->grdOutput->setItem(r, c, item);
        }
    }
    // Widths are in twips, 15 to the pixel; a column is widened where its longest text
    // would wrap.
    for (int c = 0; c < grid.Cols && c < int(grid.ColWidths.size()); ++c) {
        ui->grdOutput->resizeColumnToContents(c);
        ui->grdOutput->setColumnWidth(c, std::max(grid.ColWidths[size_t(c)] / 15, ui->grdOutput->columnWidth(c)));
    }
}

// ---------------------------------------------------------------------------------
// Section drawing

void frmBlastDesign::RescalePlot(bool Fit)
{
    Q_UNUSED(Fit);
    PlotView.ScaleWidth = ui->picBlast->ScaleWidth();
    PlotView.ScaleHeight = ui->picBlast->ScaleHeight();
    const SectionInputs in = SectionInputsFrom(m_session.runState(), project().CurDesign.BenchHeight);
    ui->picBlast->Cls();
    ui->picBlast->setLines(::RescalePlot(PlotView, in));
}

void frmBlastDesign::picBlast_MouseDown(int Button, int Shift, float X, float Y)
{
    PlotView.Dragging = true;
    ui->picBlast->Cls();
    MoveAxesOrigin(PlotView, X, Y);
}

void frmBlastDesign::picBlast_MouseMove(int Button, int Shift, float X, float Y)
{
    ui->lblCoord->setText(CoordinateCaption(PlotView, X, Y, settings().EnglishMenus != 0));
    if (settings().ShowInternalPlotCoords == 1)
        ui->lblIntCoord->setText(InternalCoordinateCaption(X, Y, settings().EnglishMenus != 0));
    if (PlotView.Dragging)
        MoveAxesOrigin(PlotView, X, Y);
}

void frmBlastDesign::picBlast_MouseUp(int Button, int Shift, float X, float Y)
{
    PlotView.Dragging = false;
    if (PlotView.HasWindow())
        ui->picBlast->setLines(
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
            const QSignalBlocker quiet(ui->SSTab1);
            ui->SSTab1->setCurrentIndex(failure->tab);
            m_shownTab = ui->SSTab1->currentIndex();
        } else {
            ui->SSTab1->setCurrentIndex(0);
            if (failure->tabControl == QLatin1String("SSTab2"))
                ui->SSTab2->setCurrentIndex(failure->tab);
            else if (failure->tabControl == QLatin1String("SSTab3"))
                ui->SSTab3->setCurrentIndex(failure->tab);
        }
    }
    MsgBox(failure->message, mb::Critical | mb::OkOnly);
    focusField(failure->control);
    return false;
}

void frmBlastDesign::focusField(const QString &control)
{
    if (!control.isEmpty())
        FocusFailedBox(findChild<QWidget *>(control));
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

void frmBlastDesign::CalcVibrationVelocity(QLineEdit *changed)
{
    const TypingScope typing(changed);
    if (!ValidateVibrationInputs())
        return;
    if (const auto text = VelocityText(vibrationTexts()))
        ui->txtTaxytita->setText(*text);
}

void frmBlastDesign::UpdateCoefficientLabels()
{
    const CoefficientTexts texts{ui->txtFortio->text(),      ui->txtDiametros->text(), ui->txtEpigomosi->text(),
                                 ui->txtEpigD->text(),       ui->txtApostasi->text(),  ui->txtApostasiD->text(),
                                 ui->txtYpodiatrisi->text(), ui->txtYpodD->text()};
    const std::array<QLabel *, kCoefficientLabelCount> labels = {ui->Label27, ui->Label49, ui->Label34,
                                                                 ui->Label51, ui->Label33, ui->Label50};
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
    if (const auto text = ChargeEcho(ui->txtKatanalosiAnaEpivradynsi->text()))
        ui->Label29->setText(*text);
    if (!Loading)
        CalcVibrationVelocity(ui->txtKatanalosiAnaEpivradynsi);
}

void frmBlastDesign::txtDistance_Change()
{
    if (const auto text = DistanceEcho(ui->txtDistance->text()))
        ui->Label31->setText(*text);
    if (!Loading)
        CalcVibrationVelocity(ui->txtDistance);
}

void frmBlastDesign::txtStatherak_Change()
{
    if (!Loading)
        CalcVibrationVelocity(ui->txtStatherak);
}

void frmBlastDesign::txtStatheran_Change()
{
    if (!Loading)
        CalcVibrationVelocity(ui->txtStatheran);
}

void frmBlastDesign::txtTaxytita_Change()
{
    if (const auto text = VelocityEcho(ui->txtTaxytita->text()))
        ui->Label18->setText(*text);
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
        ModalWindow<frmBlastDesign> window(owner);
        window.exec();
    } catch (...) {
        ErrorHandler(true, CurrentError());
    }
}
