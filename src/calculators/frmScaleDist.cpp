#include "calculators/frmScaleDist.h"

#include "calculators/ScaleDistTable.h"
#include "calculators/frmScaleDistUi.h"
#include "core/Checks.h"
#include "core/Messages.h"
#include "core/NumText.h"
#include "core/ProgramState.h"
#include "platform/Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

using numtext::General;
using numtext::Val;

namespace {
constexpr BilingualCaption kCaptions[] = {
    {"", "Πρόβλεψη Εδαφικών και Αέριων Δονήσεων", "Prediction of Ground Vibration and Air Blast (Overpressure)"},
    {"frsGroundVib", "Δεδομένα Εδαφικής Δόνησης", "Ground Vibration Data"},
    {"frsAirVib", "Δεδομένα Αέριας Δόνησης", "Air Vibration Data"},
    {"frsVibrType", "Τύπος Δόνησης", "Vibration Mode"},
    {"optDonisi_0", "Εδαφική Δόνηση", "Ground Vibration"},
    {"optDonisi_1", "Αέρια Δόνηση", "Air Blast"},
    {"frsScaleDistCalc", "Υπολογισμός Ανηγ. Απόστασης", "Scaled Distance Calculations"},
    {"optAuto_0", "Αυτόματος Υπολογισμός", "Auto Calculation"},
    {"optAuto_1", "Εύρος Υπολογισμού", "Calculation Range"},
    {"frsScaledDist", "Υπολογισμός Ανηγμ. Απόστασης", "Scaled Distance Calculations"},
    {"Label5", "Απόσταση (m)", "Distance (m)"},
    {"Label6", "Μάζα (kg)", "Mass (kg)"},
    {"Label7", "Αν. Αποστ^2", "Sc. Dist^2"},
    {"Label11", "Αν. Αποστ^3", "Sc. Dist^3"},
    {"frsScaledDistRange", "Εύρος Ανηγμ. Απόστασης", "Scaled Distance Range"},
    {"Label10", "Ελάχιστο", "Minimum"},
    {"Label9", "Μέγιστο", "Maximum"},
    {"Label8", "Βήμα", "Step"},
};

// Twips to pixels at 15 twips a pixel.
constexpr int kColumnWidths[3] = {500 / 15, 1500 / 15, 1500 / 15};

float single(const QString &text) { return static_cast<float>(Val(text)); }
} // namespace

frmScaleDist::frmScaleDist(QWidget *parent) : InputDialog(parent), ui(std::make_unique<Ui_frmScaleDist>())
{
    ui->setupUi(this);
    CenterForm(this);
    const std::pair<QLineEdit *, void (frmScaleDist::*)()> boxes[] = {
        {ui->txtK, &frmScaleDist::txtK_Change},       {ui->txtN, &frmScaleDist::txtN_Change},
        {ui->txtD, &frmScaleDist::txtD_Change},       {ui->txtQ, &frmScaleDist::txtQ_Change},
        {ui->txtDist, &frmScaleDist::txtDist_Change}, {ui->txtWeight, &frmScaleDist::txtWeight_Change},
        {ui->txtMin, &frmScaleDist::txtMin_Change},   {ui->txtMax, &frmScaleDist::txtMax_Change},
        {ui->txtStep, &frmScaleDist::txtStep_Change},
    };
    for (const auto &[box, handler] : boxes) {
        SelectTextOnFocus(box);
        connect(box, &QLineEdit::textChanged, this, handler);
    }
    ConnectOptionArray(this, ui->optDonisi, [this](int i) { optDonisi_Click(i); });
    ConnectOptionArray(this, ui->optAuto, [this](int i) { optAuto_Click(i); });
    connectButtons(ui->btnOk, ui->btnCancel, ui->btnHelp);
    Form_Load();
}

frmScaleDist::~frmScaleDist() = default;

void frmScaleDist::Form_Load()
{
    OkPressed = false;
    Loading = true;
    const ScaleDistRec &s = project().ScaleDist;
    ui->txtK->setText(General(s.K));
    ui->txtN->setText(General(s.N));
    ui->txtD->setText(General(s.D));
    ui->txtQ->setText(General(s.Q));
    ui->txtDist->setText(General(s.Distance));
    ui->txtWeight->setText(General(s.Mass));
    ui->txtMin->setText(General(s.RangeMin));
    ui->txtMax->setText(General(s.RangeMax));
    ui->txtStep->setText(General(s.RangeStep));
    SetArrayIndex(ui->optDonisi, s.VibrationMode);
    SetArrayIndex(ui->optAuto, s.CalcMode);
    Loading = false;
    // Loaded values are not checked: the table itself stops where the law does not hold.
    FillPredictionTable();
    ApplyBilingualCaptions(this, kCaptions, IsEnglish());
    // The window opens showing the whole table, with room for a scroll bar should a
    // longer one come.
    QTableWidget *grid = ui->MSHFlexGrid1;
    const int frame = 2 * grid->frameWidth();
    int width = frame + grid->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < grid->columnCount(); ++c)
        width += grid->columnWidth(c);
    int height = frame;
    for (int r = 0; r < grid->rowCount(); ++r)
        height += grid->rowHeight(r);
    grid->setMinimumSize(grid->minimumSize().expandedTo(QSize(width, height)));
}

ScaleDistTexts frmScaleDist::texts() const
{
    return {ui->txtK->text(),   ui->txtN->text(),   ui->txtD->text(),
            ui->txtQ->text(),   ui->txtDist->text(), ui->txtWeight->text(),
            ui->txtMin->text(), ui->txtMax->text(), ui->txtStep->text()};
}

void frmScaleDist::FillPredictionTable()
{
    const PredictionTable table =
        FillPredictionRows(texts(), GetOptionIndex(ui->optDonisi), GetOptionIndex(ui->optAuto));
    QTableWidget *grid = ui->MSHFlexGrid1;
    grid->clear();
    grid->setColumnCount(3);
    grid->setRowCount(int(table.rows.size()) + 1);
    // Row 0 is the fixed header row.
    const QBrush fixedBack = grid->palette().button();
    for (int c = 0; c < 3; ++c) {
        auto *item = new QTableWidgetItem(table.header[size_t(c)]);
        item->setBackground(fixedBack);
        grid->setItem(0, c, item);
    }
    for (int r = 0; r < table.rows.size(); ++r)
        for (int c = 0; c < 3; ++c)
            grid->setItem(r + 1, c, new QTableWidgetItem(table.rows[r][size_t(c)]));
    // A column is widened where its longest text would not fit.
    for (int c = 0; c < 3; ++c) {
        grid->resizeColumnToContents(c);
        grid->setColumnWidth(c, std::max(kColumnWidths[c], grid->columnWidth(c)));
    }
}

void frmScaleDist::CalcScaledDistance()
{
    if (const auto sd = ScaledDistances(ui->txtDist->text(), ui->txtWeight->text())) {
        ui->txtSD->setText(sd->txtSD);
        ui->txtSDair->setText(sd->txtSDair);
    }
}

bool frmScaleDist::ValidateScaleDistInputs()
{
    const auto failure = FirstScaleDistFailure(texts());
    if (!failure)
        return true;
    InvalidValueMsg(failure->greek, failure->english, false);
    if (!failure->control.isEmpty())
        FocusFailedBox(findChild<QLineEdit *>(failure->control));
    return false;
}

void frmScaleDist::tableChanged(QLineEdit *changed)
{
    const TypingScope typing(changed);
    if (!Loading && ValidateScaleDistInputs())
        FillPredictionTable();
}

void frmScaleDist::distanceChanged(QLineEdit *changed)
{
    const TypingScope typing(changed);
    if (!Loading && ValidateScaleDistInputs())
        CalcScaledDistance();
}

void frmScaleDist::txtK_Change() { tableChanged(ui->txtK); }
void frmScaleDist::txtN_Change() { tableChanged(ui->txtN); }
void frmScaleDist::txtD_Change() { tableChanged(ui->txtD); }
void frmScaleDist::txtQ_Change() { tableChanged(ui->txtQ); }
void frmScaleDist::txtMin_Change() { tableChanged(ui->txtMin); }
void frmScaleDist::txtMax_Change() { tableChanged(ui->txtMax); }
void frmScaleDist::txtStep_Change() { tableChanged(ui->txtStep); }
void frmScaleDist::txtDist_Change() { distanceChanged(ui->txtDist); }
void frmScaleDist::txtWeight_Change() { distanceChanged(ui->txtWeight); }
void frmScaleDist::optDonisi_Click(int) { tableChanged(); }

void frmScaleDist::optAuto_Click(int Index)
{
    const bool range = Index == 1;
    for (QWidget *c : std::initializer_list<QWidget *>{ui->frsScaledDistRange, ui->Label8, ui->Label9, ui->Label10,
                                                       ui->txtMin, ui->txtMax, ui->txtStep})
        c->setEnabled(range);
    tableChanged();
}

void frmScaleDist::commit()
{
    ScaleDistRec &s = project().ScaleDist;
    s.K = single(ui->txtK->text());
    s.N = single(ui->txtN->text());
    s.D = single(ui->txtD->text());
    s.Q = single(ui->txtQ->text());
    s.Distance = single(ui->txtDist->text());
    s.Mass = single(ui->txtWeight->text());
    s.RangeMin = single(ui->txtMin->text());
    s.RangeMax = single(ui->txtMax->text());
    s.RangeStep = single(ui->txtStep->text());
    s.VibrationMode = static_cast<int16_t>(GetOptionIndex(ui->optDonisi));
    s.CalcMode = static_cast<int16_t>(GetOptionIndex(ui->optAuto));
    LogMessage(QStringLiteral("Scaled Distance Parameters Modified"));
    MarkProjectChanged();
}

void OpenScaleDist(QWidget *owner)
{
    ModalWindow<frmScaleDist> window(owner);
    window.exec();
}
