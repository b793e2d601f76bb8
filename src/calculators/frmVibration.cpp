#include "calculators/frmVibration.h"

#include "calculators/VibrationLimits.h"
#include "calculators/frmVibrationUi.h"
#include "core/Messages.h"
#include "core/NumText.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "platform/Widgets.h"

#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {
constexpr BilingualCaption kCaptions[] = {
    {"", "Υπολογισμός Ασφαλών Ορίων Εδαφικών Δονήσεων", "Calculation of Safe Limits for Ground Vibration"},
    {"frsRegulation", "Επιλογή Κανονισμού Ασφαλών Ορίων Δόνησης", "Select Compliance Code"},
    {"optKanonismos_0", "Κανονισμός Η.Π.Α (OSMRE 1983)", "US Regulations (OSMRE 1983)"},
    {"optKanonismos_1", "Κανονισμός Γερμανίας (DIN 4150 1984)", "German Regulations (DIN 4150)"},
    {"optKanonismos_2", "Κανονισμός Ισπανίας (UNE 22-381 1993)", "Spanish Regulations (UNE 22-381 1993)"},
    {"frsBuilding", "Επιλογή Κατηγορίας Κατασκευής", "Select Building Type"},
    {"optKatigoria_0", "Α.Κτήρια Γραφείων - Βιομηχανικοί Χώροι", "A. Office Buildings - Industrial Buildings"},
    {"optKatigoria_1", "Β.Συνήθεις Κατασκευές Οικιών", "B. Residential Buildings"},
    {"optKatigoria_2", "Γ.Ευαίσθητες Κατασκευές", "C. Sensitive Structures"},
    {"frsInputData", "Εισαγωγή Δεδομένων", "Input Data"},
    {"lblFrequency", "Συχνότητα Δόνησης:", "Vibration Frequency"},
    {"lblVelocity", "Ταχύτητα Δόνησης:", "Vibration Velocity"},
    {"frsDiagram", "Διάγραμμα Ασφαλών Ορίων Δόνησης", "Safe Vibration Limits"},
};

float single(const QString &text) { return static_cast<float>(numtext::Val(text)); }

// The chart library finds the first decade of a log axis as ceil(ln(min) / ln(10)).
// Where rounding puts that a hair above the decade (0.01 gives -1.9999999999999996),
// the tick and label of the lowest decade would be lost: the axis then starts a hair
// below it.
double logAxisMin(double min)
{
    const double decade = std::round(std::log10(min));
    return std::ceil(std::log(min) / std::log(10.0)) > decade ? min * (1 - 1e-12) : min;
}

QAbstractAxis *makeAxis(bool log, double min, double max, int divisions, const QString &title,
                        double tickInterval = 0)
{
    QAbstractAxis *axis = nullptr;
    if (log) {
        auto *a = new QLogValueAxis;
        a->setBase(10);
        a->setRange(logAxisMin(min), max);
        a->setLabelFormat(QStringLiteral("%g"));
        a->setMinorTickCount(8);
        axis = a;
    } else {
        auto *a = new QValueAxis;
        a->setRange(min, max);
        if (tickInterval > 0) {
            // An axis grown to take in the point ends between two ticks.
            a->setTickType(QValueAxis::TicksDynamic);
            a->setTickAnchor(0);
            a->setTickInterval(tickInterval);
        } else if (divisions > 0) {
            a->setTickCount(divisions + 1);
        }
        a->setLabelFormat(QStringLiteral("%g"));
        axis = a;
    }
    axis->setTitleText(title);
    return axis;
}
} // namespace

frmVibration::frmVibration(QWidget *parent) : InputDialog(parent), ui(std::make_unique<Ui_frmVibration>())
{
    ui->setupUi(this);
    CenterForm(this);
    for (QLineEdit *box : {ui->txtSyxnotita, ui->txtTaxytita})
        SelectTextOnFocus(box);
    connect(ui->txtTaxytita, &QLineEdit::textChanged, this, &frmVibration::txtTaxytita_Change);
    connect(ui->txtSyxnotita, &QLineEdit::textChanged, this, &frmVibration::txtSyxnotita_Change);
    ConnectOptionArray(this, ui->optKanonismos, [this](int i) { optKanonismos_Click(i); });
    ConnectOptionArray(this, ui->optKatigoria, [this](int i) { optKatigoria_Click(i); });
    connectButtons(ui->btnOk, ui->btnCancel, ui->btnHelp);
    Form_Load();
}

frmVibration::~frmVibration() = default;

void frmVibration::Form_Load()
{
    OkPressed = false;
    Loading = true;
    ui->txtTaxytita->setText(numtext::General(project().VibVelocity));
    ui->txtSyxnotita->setText(numtext::General(project().VibFrequency));
    Loading = false;
    ApplyBilingualCaptions(this, kCaptions, IsEnglish());
    // The chart is wide enough for the longest of its titles in the language of the
    // moment: a chart shortens a title that has no room.
    const QChart sample;
    const QFontMetrics title(sample.titleFont());
    int widest = 0;
    for (int member = 0; member < kVibrationLimitCount; ++member) {
        const VibrationLimit &m = VibrationLimitMember(member);
        widest = std::max(widest, title.horizontalAdvance(IsEnglish() ? m.english : m.greek));
    }
    qreal left = 0, top = 0, right = 0, bottom = 0;
    sample.layout()->getContentsMargins(&left, &top, &right, &bottom);
    const int around = sample.margins().left() + sample.margins().right() + int(std::ceil(left + right))
                       + 2 * ui->MSChart1->frameWidth() + title.averageCharWidth() * 2;
    ui->MSChart1->setMinimumWidth(std::max(ui->MSChart1->minimumWidth(), widest + around));
}

void frmVibration::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Once per opening: Qt re-activates the window after every message box, and that
    // must not send the user back to the US chart.
    ActivateOnce(m_activated, [this] { Form_Activate(); });
}

void frmVibration::Form_Activate()
{
    // Selecting the US regulation draws its chart.
    SetArrayIndex(ui->optKanonismos, 0);
}

void frmVibration::optKanonismos_Click(int Index)
{
    const bool categories = Index == 1 || Index == 2;
    ui->frsBuilding->setEnabled(categories);
    for (QRadioButton *b : ui->optKatigoria)
        b->setEnabled(categories);
    if (categories) {
        // Category A is drawn below, once, for the new regulation.
        m_switching = true;
        SetArrayIndex(ui->optKatigoria, 0);
        m_switching = false;
        mCategory = 0;
    }
    plot(Index, mCategory);
    mRegulation = static_cast<int16_t>(Index);
}

void frmVibration::optKatigoria_Click(int Index)
{
    if (m_switching || (mRegulation != 1 && mRegulation != 2))
        return;
    plot(mRegulation, Index);
    mCategory = static_cast<int16_t>(Index);
}

void frmVibration::txtTaxytita_Change() { redraw(ui->txtTaxytita); }
void frmVibration::txtSyxnotita_Change() { redraw(ui->txtSyxnotita); }

void frmVibration::redraw(QLineEdit *changed)
{
    const TypingScope typing(changed);
    if (!Loading)
        plot(mRegulation, mCategory);
}

void frmVibration::PlotUSRegulation() { plot(0, 0); }
void frmVibration::PlotGermanCategoryA() { plot(1, 0); }
void frmVibration::PlotGermanCategoryB() { plot(1, 1); }
void frmVibration::PlotGermanCategoryC() { plot(1, 2); }
void frmVibration::PlotSpanishCategoryA() { plot(2, 0); }
void frmVibration::PlotSpanishCategoryB() { plot(2, 1); }
void frmVibration::PlotSpanishCategoryC() { plot(2, 2); }

void frmVibration::plot(int regulation, int category)
{
    // The check shows its message; a failed check draws the point at (0, 0).
    ValidateInput();
    const VibrationChart c = ChartContent(regulation, category, ui->txtSyxnotita->text(), ui->txtTaxytita->text(),
                                          IsEnglish());
    // A fresh chart for every drawing: the axes change between linear and logarithmic,
    // and removed axes would leave their labels behind on the old one.
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setTitle(c.title);

    auto *limit = new QLineSeries;
    limit->setObjectName(QStringLiteral("limit"));
    limit->append(c.limit);
    limit->setPointsVisible(false);
    limit->setPen(QPen(QColor(0, 0, 200), 3));
    auto *point = new QScatterSeries;
    point->setObjectName(QStringLiteral("point"));
    point->append(c.point);
    point->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    point->setMarkerSize(12);
    point->setColor(QColor(220, 0, 0));
    point->setBorderColor(QColor(220, 0, 0));
    chart->addSeries(limit);
    chart->addSeries(point);

    QAbstractAxis *x = makeAxis(c.logAxes, c.xMin, c.xMax, c.logAxes ? 0 : kLinearXDivisions, c.xTitle, c.xTickInterval);
    QAbstractAxis *y = makeAxis(c.logAxes, c.yMin, c.yMax, c.logAxes ? 0 : c.yDivisions, c.yTitle, c.yTickInterval);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries *s : {static_cast<QAbstractSeries *>(limit), static_cast<QAbstractSeries *>(point)}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    // The view hands the old chart back; it goes once its pending events are through.
    QChart *old = ui->MSChart1->chart();
    ui->MSChart1->setChart(chart);
    if (old)
        old->deleteLater();
}

bool frmVibration::ValidateInput()
{
    const auto failure = FirstVibrationPointFailure(ui->txtSyxnotita->text(), ui->txtTaxytita->text());
    if (!failure)
        return true;
    MsgBox(Lang(failure->english, failure->greek), mb::Critical | mb::OkOnly);
    if (!failure->control.isEmpty())
        FocusFailedBox(findChild<QLineEdit *>(failure->control));
    return false;
}

void frmVibration::commit()
{
    // The measured point only: no history line, and the saved state stays as it was.
    project().VibVelocity = single(ui->txtTaxytita->text());
    project().VibFrequency = single(ui->txtSyxnotita->text());
}

void OpenVibration(QWidget *owner)
{
    ModalWindow<frmVibration> window(owner);
    window.exec();
}
